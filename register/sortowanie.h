#pragma once

class TablicaPrzelewow;

// A click on the header of column c of the main list (0 "Odbiorca", 1 "Tytułem",
// 2 "Nr rachunku odbiorcy", 3 "Kwota", 4 "Data"): descending first; ascending
// when the rows already were in descending order (or all keys are equal).
// Orders with equal keys keep their relative order. Returns true when it sorted
// descending.
bool sortuj_po_kolumnie(TablicaPrzelewow& tablica, int kolumna);
