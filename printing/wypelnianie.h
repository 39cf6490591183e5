#pragma once

// The order's values printed into a stub, at the positions of the pre-printed
// bank form, and the report body that draws every stub of one print.

#include "printing/plotno.h"
#include "printing/przygotowanie.h"

// Prints the values into stub k: onto the form just drawn, or onto a
// pre-printed form when typ_formularza is 3.
void uzupelnij_formularz(Plotno& p, const StanDruku& stan, const ZmienneDruku& z, int k);

// The report body: capitals when asked for, then every stub in order, with a
// new page before stub 3 in portrait.
void print_rv(Plotno& p, const StanDruku& stan, ZmienneDruku z);

// Records the whole print as a document in the print's orientation.
Dokument generuj_wydruk(const StanDruku& stan, const ZmienneDruku& z);
