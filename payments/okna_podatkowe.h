#pragma once

// The tax and split-payment windows as the editor opens them: handed the order
// as it stands, they put what the user chose into it; the caller needs no
// window class.

class QWidget;
struct Tprzelew;

// "Przelew podatkowy…" over `rodzic`: true when the user confirmed and the
// order got the title (and the micro-account, the office's name).
bool wybierz_przelew_podatkowy(QWidget* rodzic, Tprzelew& przelew);
// "Podzielona płatność (MPP)…": true when the order got the title.
bool wybierz_podzielona_platnosc(QWidget* rodzic, Tprzelew& przelew);
