#include "payments/kod_platnosci.h"

#include "payments/rodzaj_zlecenia.h"
#include "register/konto.h"
#include "register/kwota.h"
#include "register/przelew.h"

using namespace Qt::StringLiterals;

namespace {

// The code has six digits for the amount: up to 9999,99 zł.
constexpr std::int64_t najwieksza_kwota = 999999;

}  // namespace

QString tekst_kodu(const QString& tekst, int dlugosc) {
    QString wynik;
    for (const QChar z : tekst)
        if (z.isLetterOrNumber() || z == u' ' || z == u',' || z == u'.' || z == u'-' || z == u'/')
            wynik += z;
    return wynik.trimmed().left(dlugosc);
}

KodPlatnosci kod_platnosci(const Tprzelew& przelew) {
    KodPlatnosci kod;
    // The apps' code has no field for a tax or split-payment structure: paid
    // from it, the title would be cut and the payment booked to nobody.
    if (const RodzajZlecenia rodzaj = rodzaj_zlecenia(przelew);
        rodzaj == RodzajZlecenia::podatek || rodzaj == RodzajZlecenia::podzielona) {
        kod.powod = rodzaj == RodzajZlecenia::podatek
                        ? u"To przelew podatkowy: kod płatności nie ma miejsca na jego tytuł "
                          u"(/TI/, /OKR/, /SFP/). Zapłać go w bankowości internetowej jako "
                          u"przelew podatkowy albo zwykłym przelewem z tym tytułem."_s
                        : u"To podzielona płatność (MPP): kod płatności nie ma miejsca na kwotę "
                          u"VAT, NIP dostawcy i numer faktury. Zapłać ją w bankowości "
                          u"internetowej jako przelew w mechanizmie podzielonej płatności."_s;
        return kod;
    }
    const QString konto = cyfry_konta(cp1250::na_unicode(przelew.konto_odbiorcy()));
    if (konto.isEmpty()) {
        kod.powod =
            u"Numer rachunku odbiorcy jest niepełny — kod płatności wymaga całego, "
            u"26-cyfrowego numeru."_s;
        return kod;
    }
    if (!nrb_poprawny(konto)) {
        kod.powod =
            u"Numer rachunku odbiorcy ma błędną sumę kontrolną — popraw go, zanim "
            u"zapłacisz."_s;
        return kod;
    }

    const std::optional<std::int64_t> grosze = kwota_w_groszach(przelew);
    QString kwota = u"000000"_s;
    if (grosze && *grosze > 0 && *grosze <= najwieksza_kwota)
        kwota = u"%1"_s.arg(*grosze, 6, 10, QChar(u'0'));
    else
        kod.kwota_do_wpisania = true;

    const QString tytul = przelew.tytulem1.na_unicode() + u' ' + przelew.tytulem2.na_unicode();
    kod.pola = {QString(),
                u"PL"_s,
                konto,
                kwota,
                tekst_kodu(przelew.nazwa_odbiorcy1.na_unicode(), 20),
                tekst_kodu(tytul, 32),
                QString(),
                QString(),
                QString()};
    kod.tresc = kod.pola.join(u'|');
    return kod;
}
