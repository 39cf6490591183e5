#pragma once

#include "register/tablica.h"
#include "register/tekst.h"

#include <array>
#include <cstdint>
#include <memory>

// One payment order: a bank transfer ("przelew") or a cash deposit ("wpłata").
struct Tprzelew {
    Tekst<150> nazwa_odbiorcy1;
    Tekst<150> nazwa_odbiorcy2;
    Tekst<2> lk;
    Tekst<9> nr_banku_odbiorcy;
    Tekst<19> nr_rach_odbiorcy;
    Tekst<6> kwota;
    Tekst<2> kwota100;
    Tekst<10> data;
    Tekst<32> nr_rach_nadawcy;
    Tekst<150> nazwa_nadawcy1;
    Tekst<150> nazwa_nadawcy2;
    Tekst<150> tytulem1;
    Tekst<150> tytulem2;
    std::uint8_t czy_przelew = 1;  // 1 transfer, 0 cash deposit
    Tekst<2> symbol;
    Tekst<20> dodatkowe;

    // A row counts as an order while any of these four holds something.
    bool obecny() const {
        return !nazwa_odbiorcy1.empty() || !kwota.empty() || !kwota100.empty() || !lk.empty();
    }

    // czy_przelew and symbol may keep old values: nobody reads rows past the count.
    void wyczysc();

    // "lk bank account", the form the list and the CSV show.
    std::string konto_odbiorcy() const;

    friend bool operator==(const Tprzelew&, const Tprzelew&) = default;
};

// The collection: 1000 rows numbered from 1; orders fill rows 1..count
// without gaps, and the first row that is not present ends the collection.
class TablicaPrzelewow : public Tablica<Tprzelew, 1000> {
  public:
    // Exchanges the whole rows k and k + 1.
    void sortowanie(int k) { zamien(k); }
};
