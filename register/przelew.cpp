#include "register/przelew.h"

#include <string>

void Tprzelew::wyczysc() {
    nazwa_odbiorcy1.wyczysc();
    nazwa_odbiorcy2.wyczysc();
    lk.wyczysc();
    nr_banku_odbiorcy.wyczysc();
    nr_rach_odbiorcy.wyczysc();
    kwota.wyczysc();
    kwota100.wyczysc();
    data.wyczysc();
    nr_rach_nadawcy.wyczysc();
    nazwa_nadawcy1.wyczysc();
    nazwa_nadawcy2.wyczysc();
    tytulem1.wyczysc();
    tytulem2.wyczysc();
    symbol.wyczysc();
    dodatkowe.wyczysc();
}

std::string Tprzelew::konto_odbiorcy() const {
    std::string s(lk.bajty());
    s += ' ';
    s += nr_banku_odbiorcy.bajty();
    s += ' ';
    s += nr_rach_odbiorcy.bajty();
    return s;
}
