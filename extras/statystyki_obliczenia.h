#pragma once

// Counts and totals of the orders for the statistics window, with no window.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

class TablicaPrzelewow;

// An order whose date or amount cannot be read stops the computation.
struct BladStatystyk {
    int wiersz = 0;
    QString co;                 // "daty" or "kwoty"
    QString tekst;              // what was found there
    QString komunikat() const;  // Przelew nr 5: nie można odczytać daty „32.13.2020”.
};

// The items the lists offer besides "--", each sorted; names that differ only
// in letter case appear once, spelled as first met.
struct ListyStatystyk {
    QStringList lata;
    QStringList nadawcy;
    QStringList odbiorcy;
    std::optional<BladStatystyk> blad;  // the lists hold what was found before it
};

ListyStatystyk listy_statystyk(const TablicaPrzelewow& tablica, int ilosc);

// An empty criterion matches every order.
struct KryteriaStatystyk {
    QString rok;                          // four digits
    int miesiac = 0;                      // 1..12
    std::optional<std::string> nadawca;   // nazwa_nadawcy1 exactly, letter case included
    std::optional<std::string> odbiorca;  // nazwa_odbiorcy1 exactly
};

struct WynikStatystyk {
    int wplat = 0;
    int przelewow = 0;
    std::int64_t kwota_wplat = 0;  // grosze; 1000 orders of 999 999,99 zł do not fit 32 bits
    std::int64_t kwota_przelewow = 0;
    std::optional<BladStatystyk> blad;  // when set, the counts are not to be shown
};

WynikStatystyk licz_statystyki(const TablicaPrzelewow& tablica, int ilosc,
                               const KryteriaStatystyk& kryteria);

// Grosze as złote, a comma and two digits: 0 -> 0,00, 5 -> 0,05, 250 -> 2,50.
QString forma_sumy(std::int64_t grosze);
