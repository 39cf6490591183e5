#pragma once

#include <QStringList>

// Vandoria --elixir WYJSCIE.pli PLIK: the bank import file of every transfer
// of PLIK that a bank can take; the others are listed on standard error.
int elixir_z_wiersza_polecen(const QStringList& argumenty);

// Vandoria --qr WYJSCIE.png|WYJSCIE.svg [--przelew N] PLIK: the payment code of
// order N (1 when not given) as a picture. Needs Qt Gui.
int qr_z_wiersza_polecen(const QStringList& argumenty);

// Vandoria --rachunek-podatkowy NIP|PESEL: the tax micro-account of the
// identifier on standard output; a wrong identifier is 2, with the reason on
// standard error.
int rachunek_z_wiersza_polecen(const QStringList& argumenty);
