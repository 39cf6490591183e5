#pragma once

// Sending a recorded document to a printer chosen in the print dialog.

#include "printing/plotno.h"

class QPrinter;

// Job title "Vandoria", the document's orientation, 100 % scale and
// coordinates from the paper's corner. Call before the print dialog so it
// shows the orientation; drukuj_dokument() applies it again.
void przygotuj_drukarke(QPrinter& drukarka, Orientacja orientacja);

// False when the printer could not be started.
bool drukuj_dokument(const Dokument& dokument, QPrinter& drukarka);
