#pragma once

// The editor's marking of a name or title that will not fit its field on the
// form, shown while the user types, with the print settings of config.ini.

#include "printing/przepelnienie.h"

class QLineEdit;

// Checks the field whenever its text changes (typed or filled in) and marks
// it with a warm background and a tooltip naming the overflow.
void sledz_przepelnienie(QLineEdit* pole, PoleTekstowe rodzaj);

// Checks once, now; true when the field is marked.
bool sprawdz_przepelnienie_pola(QLineEdit* pole, PoleTekstowe rodzaj);
bool oznaczone_przepelnienie(const QLineEdit* pole);
