#pragma once

// The blank bank form "Polecenie przelewu / wpłata gotówkowa", drawn stub by
// stub on plain paper. Its shapes line up with the pre-printed bank form, so
// every coordinate here is exact. Millimetres, relative to the stub origin.

#include "printing/plotno.h"
#include "printing/przygotowanie.h"

// A stub is 149.86 × 105.83 mm; stubs are placed 150 and 106 mm apart.
constexpr double szerokosc_odcinka = 149.86;
constexpr double wysokosc_odcinka = 105.83;

// The download address printed across the top of every stub.
inline const QString adres_instalatora =
    QStringLiteral("http://vandoria.example.org/Vandoria/VandoriaSetup.exe");

// Origin of stub k (1..4) of n stubs.
double odcinek_x(const StanDruku& stan, int k, int n);
double odcinek_y(const StanDruku& stan, int k);

// One captioned text field of 27 cells of 5 mm; w is the width of the gap
// cut into the top border for the caption.
void rysuj_pole(Plotno& p, const StanDruku& stan, const QString& podpis, double w, double px,
                double py);
// The recipient's account row, the W and P mark boxes, currency and amount.
void rysuj_rachunek_i_kwote(Plotno& p, const StanDruku& stan, double x, double y);
// The whole blank form of stub k at its origin.
void rysuj_formularze(Plotno& p, const StanDruku& stan, int k);
