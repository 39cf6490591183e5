#pragma once

// What a recipient's account number, typed as its three masked parts, amounts
// to: the state an account field shows, decided without any window.

#include <QString>

enum class StanPolaKonta {
    pusty,        // no digit typed in any part
    niepelny,     // some digit positions still blank
    poprawny,     // 26 digits whose check digits match
    bledna_suma,  // 26 digits whose check digits do not match
    nie_cyfry,    // a digit position holds something else than a digit or a blank
};

// lk (2 characters), bank (9) and account (19), each laid out as its mask.
StanPolaKonta stan_pola_konta(const QString& lk, const QString& bank, const QString& rach);
