#pragma once

// What a print needs before anything is drawn: the settings turned into print
// state, and the order copied into the print variables. Both fillers (the
// main list and the editor) go through zmienne_druku(), so a stored order and
// one still being edited print alike.

#include "printing/plotno.h"
#include "printing/ustawienia_wydruku.h"

#include <QString>

#include <array>

class TablicaPrzelewow;
struct Tprzelew;

// The order as printed. Names and titles are turned to capitals during the
// report run when the settings ask for it.
struct ZmienneDruku {
    QString temp_nazwa_odbiorcy1;
    QString temp_nazwa_odbiorcy2;
    QString temp_lk;                 // 2 characters
    QString temp_nr_banku_odbiorcy;  // "9999 9999"
    QString temp_nr_rach_odbiorcy;   // "9999 9999 9999 9999"
    QString temp_kwota;              // "**" złote "," grosze
    QString temp_nr_rach_nadawcy;    // transfer: "99 9999 ... 9999"; deposit: the amount in words
    QString temp_nazwa_nadawcy1;
    QString temp_nazwa_nadawcy2;
    QString temp_tytulem1;
    QString temp_tytulem2;
    QString temp_data;
    QString temp_symbol;
    bool temp_czy_przelew = true;  // false: a cash deposit
    QString temp_dodatkowe;

    friend bool operator==(const ZmienneDruku&, const ZmienneDruku&) = default;
};

struct StanDruku {
    UstawieniaWydruku ustawienia;
    std::array<QString, 4> tytuly_odcinkow;  // stub k is tytuly_odcinkow[k - 1]
    KolorRGB kolor_tla;
    KolorRGB kolor_linii;
    Orientacja orientacja = Orientacja::pionowa;
    // With drukuj_oplate: four characters, złote and grosze places of the fee
    // field; otherwise the fee text as read.
    QString oplata_wart;

    const QString& tytul_odcinka(int k) const {
        return tytuly_odcinkow[static_cast<std::size_t>(k - 1)];
    }
    bool pionowo() const { return orientacja == Orientacja::pionowa; }
};

// Derives the print state from settings already read.
StanDruku stan_druku(const UstawieniaWydruku& ustawienia);
// Reads config.ini in the program's folder, then derives.
StanDruku wczytanie_danych_do_druku();

// The four characters of the fee field from the fee's shortest decimal text:
// 2 -> " 200", 2,5 -> " 250", 10 -> "1000", 12,5 -> "1250". Only the first
// decimal digit is ever printed.
QString tekst_oplaty(const QString& oplata);

// Amount completion before a print: empty złote "0", empty grosze "00",
// one grosze digit other than 0 gets a leading "0" (5 -> 05); "0" stays.
void uzupelnij_kwote_do_druku(QString& zlote, QString& grosze);

// Completes the amount in the order (the caller shows or stores the result)
// and fills the print variables from it. A row of the list and the order an
// editor holds go through here alike.
ZmienneDruku zmienne_druku(Tprzelew& przelew);

// Fills the print variables from row k; the amount completion is written into
// the row itself.
ZmienneDruku przypisanie_zmiennych_do_temp(TablicaPrzelewow& tablica, int k);

// Capitals under the Windows-1250 letter rules (ą -> Ą, ż -> Ż).
QString wielkie_litery(const QString& tekst);
