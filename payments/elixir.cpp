#include "payments/elixir.h"

#include "payments/rodzaj_zlecenia.h"
#include "register/data.h"
#include "register/konto.h"
#include "register/kwota.h"
#include "register/przelew.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Quotes end a field and "|" starts a new line of it, so neither may stay in a text.
QString czesc_tekstu(const QString& tekst, bool& przycieto) {
    QString t = tekst.trimmed();
    t.replace(u'"', u'\'');
    t.replace(u'|', u'/');
    if (t.size() > elixir_dlugosc_czesci) {
        przycieto = true;
        t = t.left(elixir_dlugosc_czesci).trimmed();
    }
    return t;
}

// Empty lines are left out, so a one-line name gives no trailing "|".
QString tekst_wieloliniowy(const QStringList& linie, bool& przycieto) {
    QStringList czesci;
    for (const QString& l : linie) {
        const QString c = czesc_tekstu(l, przycieto);
        if (!c.isEmpty()) czesci << c;
    }
    return u'"' + czesci.join(u'|') + u'"';
}

QString konto_nadawcy(const Tprzelew& p) { return cyfry_konta(p.nr_rach_nadawcy.na_unicode()); }
QString konto_odbiorcy(const Tprzelew& p) {
    return cyfry_konta(cp1250::na_unicode(p.konto_odbiorcy()));
}

}  // namespace

QString powod_pominiecia_elixir(const Tprzelew& p) {
    if (p.czy_przelew != 1) return u"wpłata gotówkowa"_s;
    switch (stan_konta(cp1250::na_unicode(p.konto_odbiorcy()))) {
        case StanKonta::niepelny:
            return u"niepełny numer rachunku odbiorcy"_s;
        case StanKonta::bledny:
            return u"błędna suma kontrolna rachunku odbiorcy"_s;
        case StanKonta::poprawny:
            break;
    }
    switch (stan_konta(p.nr_rach_nadawcy.na_unicode())) {
        case StanKonta::niepelny:
            return u"niepełny numer rachunku nadawcy"_s;
        case StanKonta::bledny:
            return u"błędna suma kontrolna rachunku nadawcy"_s;
        case StanKonta::poprawny:
            break;
    }
    const std::optional<std::int64_t> grosze = kwota_w_groszach(p);
    if (!grosze || *grosze <= 0) return u"brak kwoty"_s;
    return blad_budowy_tytulu(p);
}

QByteArray linia_elixir(const Tprzelew& p, QDate dzis, bool* przycieto) {
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
        QString::number(kwota_w_groszach(p).value_or(0)),
        nadawca.mid(2, 8),
        u"0"_s,
        u'"' + nadawca + u'"',
        u'"' + odbiorca + u'"',
        tekst_wieloliniowy({p.nazwa_nadawcy1.na_unicode(), p.nazwa_nadawcy2.na_unicode()}, ciete),
        tekst_wieloliniowy({p.nazwa_odbiorcy1.na_unicode(), p.nazwa_odbiorcy2.na_unicode()}, ciete),
        u"0"_s,
        odbiorca.mid(2, 8),
        tekst_wieloliniowy({p.tytulem1.na_unicode(), p.tytulem2.na_unicode()}, ciete),
        u"\"\""_s,
        u"\"\""_s,
        u'"' + kod_elixir(rodzaj_zlecenia(p)) + u'"',
    };
    if (przycieto) *przycieto = ciete;
    const std::string bajty = cp1250::z_unicode(pola.join(u',') + u"\r\n"_s);
    return QByteArray(bajty.data(), static_cast<qsizetype>(bajty.size()));
}

PlikElixir przygotuj_elixir(const TablicaPrzelewow& tablica, const QList<int>& numery, QDate dzis) {
    PlikElixir plik;
    for (const int nr : numery) {
        const Tprzelew& p = tablica[nr];
        if (const QString powod = powod_pominiecia_elixir(p); !powod.isEmpty()) {
            plik.pominiete.append({nr, powod});
            continue;
        }
        bool ciete = false;
        plik.dane += linia_elixir(p, dzis, &ciete);
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
    return u"W przelewach nr %1 nazwy lub tytuł dłuższe niż 35 znaków w wierszu zostały "
           u"obcięte do 35 znaków."_s.arg(numery.join(u", "_s));
}

QString nazwa_pliku_elixir(const QString& wybrana) {
    return wybrana.endsWith(u".pli"_s, Qt::CaseInsensitive) ? wybrana : wybrana + u".pli"_s;
}
