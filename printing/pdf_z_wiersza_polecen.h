#pragma once

#include <QStringList>

// Vandoria --pdf WYJSCIE.pdf [--przelew N] PLIK: prints order N of the transfer
// file PLIK into a PDF exactly as "Drukuj" would, with no window. Returns the
// process's exit status; messages go to standard error in Polish.
int pdf_z_wiersza_polecen(const QStringList& argumenty);
