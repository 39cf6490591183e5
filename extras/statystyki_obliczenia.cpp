#include "extras/statystyki_obliczenia.h"

#include "register/data.h"
#include "register/kwota.h"
#include "register/przelew.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The order's date, none when it has no date, or the error when it cannot be read.
struct DataWiersza {
    std::optional<QDate> data;
    std::optional<BladStatystyk> blad;
};

DataWiersza data_wiersza(const Tprzelew& p, int wiersz) {
    if (przytnij(p.data.bajty()).empty()) return {};
    const QString tekst = p.data.na_unicode();
    if (const auto d = czytaj_date(tekst)) return {d, std::nullopt};
    return {std::nullopt, BladStatystyk{wiersz, u"daty"_s, przytnij(tekst)}};
}

QString tekst_roku(QDate data) { return QString::number(data.year()).rightJustified(4, u'0'); }

// Adds a text unless the list holds it already in any letter case.
class ListaBezPowtorzen {
  public:
    void dodaj(const QString& tekst) {
        const QString klucz = tekst.toCaseFolded();
        if (widziane_.contains(klucz)) return;
        widziane_.insert(klucz);
        teksty_.append(tekst);
    }
    QStringList posortowane() const {
        QStringList wynik = teksty_;
        QCollator porzadek{QLocale::system()};
        std::sort(wynik.begin(), wynik.end(), [&](const QString& a, const QString& b) {
            const int r = porzadek.compare(a, b);
            return r != 0 ? r < 0 : a < b;  // a fixed order for texts the locale calls equal
        });
        return wynik;
    }

  private:
    QSet<QString> widziane_;
    QStringList teksty_;
};

}  // namespace

QString BladStatystyk::komunikat() const {
    return u"Przelew nr %1: nie można odczytać %2 „%3”."_s.arg(wiersz).arg(co, tekst);
}

ListyStatystyk listy_statystyk(const TablicaPrzelewow& tablica, int ilosc) {
    ListyStatystyk wynik;
    ListaBezPowtorzen lata, nadawcy, odbiorcy;
    for (int r = 1; r <= ilosc; ++r) {
        const Tprzelew& p = tablica[r];
        const DataWiersza d = data_wiersza(p, r);
        if (d.blad) {
            wynik.blad = d.blad;
            break;
        }
        if (d.data) lata.dodaj(tekst_roku(*d.data));
        if (!przytnij(p.nazwa_nadawcy1.bajty()).empty())
            nadawcy.dodaj(p.nazwa_nadawcy1.na_unicode());
        if (!przytnij(p.nazwa_odbiorcy1.bajty()).empty())
            odbiorcy.dodaj(p.nazwa_odbiorcy1.na_unicode());
    }
    wynik.lata = lata.posortowane();
    wynik.nadawcy = nadawcy.posortowane();
    wynik.odbiorcy = odbiorcy.posortowane();
    return wynik;
}

WynikStatystyk licz_statystyki(const TablicaPrzelewow& tablica, int ilosc,
                               const KryteriaStatystyk& kryteria) {
    WynikStatystyk wynik;
    for (int r = 1; r <= ilosc; ++r) {
        const Tprzelew& p = tablica[r];
        // The date is read before any criterion, so an unreadable one stops
        // the computation whatever is chosen.
        const DataWiersza d = data_wiersza(p, r);
        if (d.blad) return {.blad = d.blad};
        if (!kryteria.rok.isEmpty() && (!d.data || tekst_roku(*d.data) != kryteria.rok)) continue;
        if (kryteria.miesiac != 0 && (!d.data || d.data->month() != kryteria.miesiac)) continue;
        if (kryteria.odbiorca && p.nazwa_odbiorcy1.bajty() != *kryteria.odbiorca) continue;
        if (kryteria.nadawca && p.nazwa_nadawcy1.bajty() != *kryteria.nadawca) continue;
        const auto grosze = kwota_w_groszach(p);
        if (!grosze) {
            const QString kwota = p.kwota.na_unicode() + u',' + p.kwota100.na_unicode();
            return {.blad = BladStatystyk{r, u"kwoty"_s, kwota}};
        }
        if (p.czy_przelew == 1) {
            ++wynik.przelewow;
            wynik.kwota_przelewow += *grosze;
        } else {
            ++wynik.wplat;
            wynik.kwota_wplat += *grosze;
        }
    }
    return wynik;
}

QString forma_sumy(std::int64_t grosze) {
    // Amounts typed with a minus are integer texts too; the sign goes in
    // front rather than into both parts.
    const bool ujemna = grosze < 0;
    const std::uint64_t wartosc =
        ujemna ? 0 - static_cast<std::uint64_t>(grosze) : static_cast<std::uint64_t>(grosze);
    return (ujemna ? u"-"_s : QString()) + QString::number(wartosc / 100) + u',' +
           QString::number(wartosc % 100).rightJustified(2, u'0');
}
