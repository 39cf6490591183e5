#pragma once

#include <QCollator>

class TablicaPrzelewow;
struct Tprzelew;

// Polish alphabetical order with case ignored (A < Ą < B < ... < Ł < ... <
// Z < Ź < Ż), for names and titles; texts it finds equal keep their order.
const QCollator& kolejnosc_polska();

// A click on the header of column c of the main list (0 "Odbiorca", 1 "Tytułem",
// 2 "Nr rachunku odbiorcy", 3 "Kwota", 4 "Data"): descending first; ascending
// when the rows already were in descending order (or all keys are equal).
// Orders with equal keys keep their relative order. Names and titles compare in
// Polish alphabetical order, the account number and the date by their bytes,
// the amount by its value. Returns true when it sorted descending.
bool sortuj_po_kolumnie(TablicaPrzelewow& tablica, int kolumna);

// The row (1..count + 1) where `przelew` goes back into rows sorted by column
// `kolumna` as sortuj_po_kolumnie() left them (`malejaco` as it returned):
// after every row it does not precede, so the rows stay in that order.
int miejsce_w_kolejnosci(const TablicaPrzelewow& tablica, const Tprzelew& przelew, int kolumna,
                         bool malejaco);

// Whether row `wiersz` (from 1) still stands in the order a sort by column c
// left, against its neighbours: after an append or an edit the list may keep
// showing that order only when this holds.
bool wiersz_w_kolejnosci(const TablicaPrzelewow& tablica, int kolumna, bool malejaco, int wiersz);
