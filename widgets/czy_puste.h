#pragma once

class QLineEdit;

// The required-field check. When the field's text, trimmed of blanks and
// control characters, is empty: shows "Nie wypełniłeś niezbędnych pól!"
// naming the field by its label, puts the focus in it and returns true; the
// caller then abandons its action.
bool czy_puste(QLineEdit* pole);
