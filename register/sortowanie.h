#pragma once

#include <QCollator>

class TablicaPrzelewow;

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
