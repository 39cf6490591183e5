#include "payments/elixir.h"

#include "payments/rodzaj_zlecenia.h"
#include "register/data.h"
#include "register/konto.h"
#include "register/kwota.h"
#include "register/przelew.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Each of the order's two lines cleaned, then cut into parts joined by "|".
QString tekst_wieloliniowy(const QString& linia1, const QString& linia2, KodowanieBanku k,
                           bool& przycieto) {
    const Czesci c = podziel_na_czesci({oczysc_linie(linia1, k), oczysc_linie(linia2, k)});
    przycieto = przycieto || c.uciete;
    return u'"' + c.czesci.join(u'|') + u'"';
}

bool pusty_po_oczyszczeniu(const QString& linia1, const QString& linia2, KodowanieBanku k) {
    return oczysc_linie(linia1, k).isEmpty() && oczysc_linie(linia2, k).isEmpty();
}

QString konto_nadawcy(const Tprzelew& p) { return cyfry_konta(p.nr_rach_nadawcy.na_unicode()); }
QString konto_odbiorcy(const Tprzelew& p) {
    return cyfry_konta(cp1250::na_unicode(p.konto_odbiorcy()));
}

QString powod_konta(const QString& konto, const QString& czyje) {
    switch (stan_konta(konto)) {
        case StanKonta::niepelny:
            return u"niepełny numer rachunku "_s + czyje;
        case StanKonta::bledny:
            return u"błędna suma kontrolna rachunku "_s + czyje;
        case StanKonta::poprawny:
            break;
    }
    return {};
}

}  // namespace

QString powod_pominiecia_elixir(const Tprzelew& p, KodowanieBanku k) {
    if (p.czy_przelew != 1) return u"wpłata gotówkowa"_s;
    if (QString powod = powod_konta(cp1250::na_unicode(p.konto_odbiorcy()), u"odbiorcy"_s);
        !powod.isEmpty())
        return powod;
    if (QString powod = powod_konta(p.nr_rach_nadawcy.na_unicode(), u"nadawcy"_s); !powod.isEmpty())
        return powod;
    if (const std::optional<QString> kwota = kwota_nie_liczba(p))
        return u"kwota „%1” nie jest liczbą"_s.arg(*kwota);
    const std::optional<std::int64_t> grosze = kwota_w_groszach_liczbowo(p);
    if (!grosze || *grosze <= 0) return u"brak kwoty"_s;
    // A date that cannot be read must never become "today" without a word.
    if (const QString data = przytnij(p.data.na_unicode()); !data.isEmpty() && !czytaj_date(data))
        return u"data „%1” nie jest prawdziwym dniem"_s.arg(data);
    if (pusty_po_oczyszczeniu(p.nazwa_odbiorcy1.na_unicode(), p.nazwa_odbiorcy2.na_unicode(), k))
        return u"brak nazwy odbiorcy"_s;
    if (pusty_po_oczyszczeniu(p.tytulem1.na_unicode(), p.tytulem2.na_unicode(), k))
        return u"brak tytułu"_s;
    return blad_budowy_tytulu(p);
}

QByteArray linia_elixir(const Tprzelew& p, QDate dzis, bool* przycieto, KodowanieBanku k) {
    bool ciete = false;
    QDate wykonanie = dzis;
    if (const std::optional<QDate> data = czytaj_date(przytnij(p.data.na_unicode()));
        data && *data > dzis)
        wykonanie = *data;
    const QString nadawca = konto_nadawcy(p);
    const QString odbiorca = konto_odbiorcy(p);
    const QStringList pola{
        u"110"_s,
        wykonanie.toString(u"yyyyMMdd"_s),
        QString::number(kwota_w_groszach_liczbowo(p).value_or(0)),
        nadawca.mid(2, 8),
        u"0"_s,
        u'"' + nadawca + u'"',
        u'"' + odbiorca + u'"',
        tekst_wieloliniowy(p.nazwa_nadawcy1.na_unicode(), p.nazwa_nadawcy2.na_unicode(), k, ciete),
        tekst_wieloliniowy(p.nazwa_odbiorcy1.na_unicode(), p.nazwa_odbiorcy2.na_unicode(), k,
                           ciete),
        u"0"_s,
        odbiorca.mid(2, 8),
        tekst_wieloliniowy(p.tytulem1.na_unicode(), p.tytulem2.na_unicode(), k, ciete),
        u"\"\""_s,
        u"\"\""_s,
        u'"' + kod_elixir(rodzaj_zlecenia(p)) + u'"',
    };
    if (przycieto) *przycieto = ciete;
    return zakoduj(pola.join(u',') + u"\r\n"_s, k);
}

PlikElixir przygotuj_elixir(const TablicaPrzelewow& tablica, const QList<int>& numery, QDate dzis,
                            KodowanieBanku k) {
    PlikElixir plik;
    for (const int nr : numery) {
        const Tprzelew& p = tablica[nr];
        if (const QString powod = powod_pominiecia_elixir(p, k); !powod.isEmpty()) {
            plik.pominiete.append({nr, powod});
            continue;
        }
        bool ciete = false;
        plik.dane += linia_elixir(p, dzis, &ciete, k);
        if (ciete) plik.przyciete.append(nr);
        ++plik.zapisanych;
    }
    return plik;
}

QString opis_pominietych(const TablicaPrzelewow& tablica,
                         const QList<PominietyPrzelew>& pominiete) {
    if (pominiete.isEmpty()) return {};
    QString opis = u"Tych przelewów nie można wysłać do banku i nie będzie ich w pliku:"_s;
    for (const PominietyPrzelew& p : pominiete)
        opis += u"\n%1. %2 — %3"_s.arg(p.nr).arg(
            przytnij(tablica[p.nr].nazwa_odbiorcy1.na_unicode()), p.powod);
    return opis;
}

QString opis_przycietych(const QList<int>& przyciete) {
    if (przyciete.isEmpty()) return {};
    QStringList numery;
    for (const int nr : przyciete) numery << QString::number(nr);
    return u"W przelewach nr %1 nazwa lub tytuł nie mieszczą się w czterech wierszach po "
           u"35 znaków; dalsza część zostanie pominięta."_s.arg(numery.join(u", "_s));
}

QString nazwa_pliku_elixir(const QString& wybrana) {
    return wybrana.endsWith(u".pli"_s, Qt::CaseInsensitive) ? wybrana : wybrana + u".pli"_s;
}
