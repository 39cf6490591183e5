#pragma once

#include <QStringList>

// Vandoria --csv WYJSCIE.csv PLIK: writes the CSV export of the transfer file
// PLIK with no window. Returns the process's exit status; messages go to
// standard error in Polish.
int csv_z_wiersza_polecen(const QStringList& argumenty);
