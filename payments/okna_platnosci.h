#pragma once

// The bank-payment windows as other feature windows open them: handed the
// order, they show it and wait; the caller needs no window class.

class QWidget;
struct Tprzelew;

// "Zapłać telefonem" over `rodzic` for the order as given.
void pokaz_kod_platnosci(QWidget* rodzic, const Tprzelew& przelew);
