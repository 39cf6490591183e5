#pragma once

// Each printer puts the page a few millimetres off. The shift measured with
// the calibration sheet is remembered per printer name in the per-user
// settings store (config.ini keeps the margins every printer shares) and
// moves the whole page when printing to that printer.

#include "printing/plotno.h"

#include <QString>

#include <optional>

struct Przesuniecie {
    double w_prawo = 0;  // mm; negative moves left
    double w_dol = 0;    // mm; negative moves up
    bool zerowe() const { return w_prawo == 0 && w_dol == 0; }
    friend bool operator==(const Przesuniecie&, const Przesuniecie&) = default;
};

// Nothing for a printer without a stored shift, and for no printer (a PDF).
std::optional<Przesuniecie> przesuniecie_drukarki(const QString& drukarka);
// A zero shift forgets the printer. False when the store could not be written.
bool zapisz_przesuniecie_drukarki(const QString& drukarka, Przesuniecie przesuniecie);

// Every operation of every page moved; what leaves the sheet is clipped when printed.
void przesun_dokument(Dokument& dokument, Przesuniecie przesuniecie);
// The document as it goes to this printer: with its stored shift, or unchanged.
Dokument dokument_dla_drukarki(Dokument dokument, const QString& drukarka);

// One line for the preview: which printer's shift the page shows.
QString opis_przesuniecia(const QString& drukarka);
// "1,5" / "-0,5": a shift in mm as the preferences window shows it.
QString tekst_mm(double mm);
