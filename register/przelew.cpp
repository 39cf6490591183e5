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

int TablicaPrzelewow::ilosc_el() const {
    int n = 0;
    while (n < pojemnosc && (*this)[n + 1].obecny()) ++n;
    return n;
}

bool TablicaPrzelewow::dopisz(const Tprzelew& przelew) {
    const int n = ilosc_el();
    if (n >= pojemnosc) return false;
    (*this)[n + 1] = przelew;
    return true;
}

void TablicaPrzelewow::sortowanie(int k) { std::swap((*this)[k], (*this)[k + 1]); }

void TablicaPrzelewow::usun(int k) {
    const int n = ilosc_el();
    if (k < 1 || k > n) return;
    for (int i = k; i < n; ++i) (*this)[i] = (*this)[i + 1];
    (*this)[n].wyczysc();
}

void TablicaPrzelewow::wyczysc_od(int pierwszy) {
    for (int i = std::max(pierwszy, 1); i <= pojemnosc; ++i) (*this)[i].wyczysc();
}
