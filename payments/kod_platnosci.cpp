#include "payments/kod_platnosci.h"

#include "payments/rodzaj_zlecenia.h"
#include "payments/tekst_bankowy.h"
#include "register/konto.h"
#include "register/kwota.h"
#include "register/przelew.h"

using namespace Qt::StringLiterals;

namespace {

// The code has six digits for the amount: up to 9999,99 zł.
constexpr std::int64_t najwieksza_kwota = 999999;

}  // namespace

QString tekst_kodu(const QString& tekst, int dlugosc) {
    QString wynik = oczysc_linie(tekst, KodowanieBanku::utf8).left(dlugosc);
    // Half of a letter outside the basic plane is no letter.
    if (!wynik.isEmpty() && wynik.back().isHighSurrogate()) wynik.chop(1);
    return wynik.trimmed();
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

    if (const std::optional<QString> zla = kwota_nie_liczba(przelew)) {
        kod.powod = opis_kwoty_nie_liczby(*zla) + u" — popraw ją, zanim zapłacisz."_s;
        return kod;
    }
    const QString nazwa = tekst_kodu(przelew.nazwa_odbiorcy1.na_unicode(), 20);
    const QString tytul =
        tekst_kodu(przelew.tytulem1.na_unicode() + u' ' + przelew.tytulem2.na_unicode(), 32);
    if (nazwa.isEmpty()) {
        kod.powod = u"Brak nazwy odbiorcy — kod płatności wymaga nazwy."_s;
        return kod;
    }
    if (tytul.isEmpty()) {
        kod.powod = u"Brak tytułu — kod płatności wymaga tytułu przelewu."_s;
        return kod;
    }

    const std::optional<std::int64_t> grosze = kwota_w_groszach_liczbowo(przelew);
    QString kwota = u"000000"_s;
    if (grosze && *grosze > 0 && *grosze <= najwieksza_kwota)
        kwota = u"%1"_s.arg(*grosze, 6, 10, QChar(u'0'));
    else
        kod.kwota_do_wpisania = true;

    kod.pola = {QString(), u"PL"_s, konto, kwota, nazwa, tytul, QString(), QString(), QString()};
    kod.tresc = kod.pola.join(u'|');
    return kod;
}
