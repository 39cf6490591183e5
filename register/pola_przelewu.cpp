#include "register/pola_przelewu.h"

#include <cstdlib>

const OpisPola& opis_pola(PolePrzelewu pole) {
    for (const OpisPola& o : pola_tekstowe)
        if (o.pole == pole) return o;
    std::abort();  // czy_przelew is not a text: a caller's mistake, not a user's
}

std::vector<PolePrzelewu> zmienione_pola(const Tprzelew& stary, const Tprzelew& nowy) {
    std::vector<PolePrzelewu> wynik;
    for (const OpisPola& o : pola_tekstowe) {
        std::string_view a = o.bajty(stary);
        std::string_view b = o.bajty(nowy);
        if (o.porownanie == Porownanie::bez_odstepow) {
            a = przytnij(a);
            b = przytnij(b);
        }
        if (a != b) wynik.push_back(o.pole);
    }
    if (stary.czy_przelew != nowy.czy_przelew) wynik.push_back(PolePrzelewu::czy_przelew);
    return wynik;
}
