#pragma once

#include <QStringList>

// Vandoria --kalibracja WYJSCIE.pdf: the calibration sheet of the current
// layout (config.ini) into a PDF, with no window. Returns the process's exit
// status; messages go to standard error in Polish.
int kalibracja_z_wiersza_polecen(const QStringList& argumenty);
