#include "register/sortowanie.h"

#include "register/kwota.h"
#include "register/przelew.h"

#include <algorithm>
#include <array>
#include <compare>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

struct KontoOdbiorcy {
    std::array<char, 30> bajty{};
    std::size_t dl = 0;

    explicit KontoOdbiorcy(const Tprzelew& p) {
        for (std::string_view czesc :
             {p.lk.bajty(), p.nr_banku_odbiorcy.bajty(), p.nr_rach_odbiorcy.bajty()}) {
            for (char c : czesc) bajty[dl++] = c;
        }
    }
    std::string_view widok() const { return {bajty.data(), dl}; }
};

// Amounts whose texts are not integers sort as 0 grosze, so the sort always ends.
std::int64_t grosze(const Tprzelew& p) { return kwota_w_groszach(p).value_or(0); }

std::strong_ordering porownaj(const Tprzelew& a, const Tprzelew& b, int kolumna) {
    switch (kolumna) {
        case 2:
            return porownaj_bajty(KontoOdbiorcy(a).widok(), KontoOdbiorcy(b).widok());
        case 3:
            return grosze(a) <=> grosze(b);
        default:
            return a.data <=> b.data;
    }
}

// The collation key of a name or title column, computed once per row rather
// than at every one of the sort's comparisons.
QCollatorSortKey klucz_tekstu(const Tprzelew& p, int kolumna) {
    return kolejnosc_polska().sortKey(kolumna == 0 ? p.nazwa_odbiorcy1.na_unicode()
                                                   : p.tytulem1.na_unicode());
}

}  // namespace

const QCollator& kolejnosc_polska() {
    static const QCollator kolejnosc = [] {
        QCollator k(QLocale(QLocale::Polish, QLocale::Poland));
        k.setCaseSensitivity(Qt::CaseInsensitive);
        k.setNumericMode(false);
        k.setIgnorePunctuation(false);
        return k;
    }();
    return kolejnosc;
}

// The rule is an exchange sort of adjacent rows that never swaps equal keys,
// descending, and ascending only when the descending passes moved nothing.
// An exchange sort that never swaps equals is a stable sort, and it moves
// nothing exactly when the rows are already in non-increasing order; so a
// stable sort of row numbers gives the same order in O(n log n) instead of
// a million comparisons and up to half a million row exchanges.
bool sortuj_po_kolumnie(TablicaPrzelewow& tablica, int kolumna) {
    if (kolumna < 0 || kolumna > 4) return false;
    const int n = tablica.ilosc_el();
    if (n < 2) return false;

    std::vector<int> kolejnosc(static_cast<std::size_t>(n));
    std::iota(kolejnosc.begin(), kolejnosc.end(), 1);
    std::vector<QCollatorSortKey> klucze;
    const bool tekst = kolumna == 0 || kolumna == 1;
    if (tekst) {
        klucze.reserve(static_cast<std::size_t>(n));
        for (int i = 1; i <= n; ++i) klucze.push_back(klucz_tekstu(tablica[i], kolumna));
    }
    auto mniejszy = [&](int a, int b) {
        if (tekst)
            return klucze[static_cast<std::size_t>(a - 1)].compare(
                       klucze[static_cast<std::size_t>(b - 1)]) < 0;
        return porownaj(tablica[a], tablica[b], kolumna) < 0;
    };
    auto wiekszy = [&](int a, int b) { return mniejszy(b, a); };

    const bool malejaco_juz = std::is_sorted(kolejnosc.begin(), kolejnosc.end(), wiekszy);
    if (malejaco_juz)
        std::stable_sort(kolejnosc.begin(), kolejnosc.end(), mniejszy);
    else
        std::stable_sort(kolejnosc.begin(), kolejnosc.end(), wiekszy);

    std::vector<Tprzelew> kopia(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        kopia[static_cast<std::size_t>(i)] = tablica[kolejnosc[static_cast<std::size_t>(i)]];
    for (int i = 0; i < n; ++i) tablica[i + 1] = kopia[static_cast<std::size_t>(i)];
    return !malejaco_juz;
}

int miejsce_w_kolejnosci(const TablicaPrzelewow& tablica, const Tprzelew& przelew, int kolumna,
                         bool malejaco) {
    const int n = tablica.ilosc_el();
    const bool tekst = kolumna == 0 || kolumna == 1;
    const auto tekst_wiersza = [kolumna](const Tprzelew& p) {
        return kolumna == 0 ? p.nazwa_odbiorcy1.na_unicode() : p.tytulem1.na_unicode();
    };
    const QString moj = tekst ? tekst_wiersza(przelew) : QString();
    for (int i = 1; i <= n; ++i) {
        const int r = tekst ? kolejnosc_polska().compare(moj, tekst_wiersza(tablica[i]))
                            : (porownaj(przelew, tablica[i], kolumna) < 0    ? -1
                               : porownaj(przelew, tablica[i], kolumna) == 0 ? 0
                                                                             : 1);
        if (malejaco ? r > 0 : r < 0) return i;
    }
    return n + 1;
}

bool wiersz_w_kolejnosci(const TablicaPrzelewow& tablica, int kolumna, bool malejaco, int wiersz) {
    if (kolumna < 0 || kolumna > 4) return false;
    const int n = tablica.ilosc_el();
    auto porzadek = [&](int a, int b) {  // a stands before b
        int wynik = 0;
        if (kolumna == 0 || kolumna == 1)
            wynik = klucz_tekstu(tablica[a], kolumna).compare(klucz_tekstu(tablica[b], kolumna));
        else
            wynik = std::is_lt(porownaj(tablica[a], tablica[b], kolumna))   ? -1
                    : std::is_gt(porownaj(tablica[a], tablica[b], kolumna)) ? 1
                                                                            : 0;
        return malejaco ? wynik >= 0 : wynik <= 0;
    };
    if (wiersz > 1 && wiersz <= n && !porzadek(wiersz - 1, wiersz)) return false;
    if (wiersz >= 1 && wiersz < n && !porzadek(wiersz, wiersz + 1)) return false;
    return true;
}
