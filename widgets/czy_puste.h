#pragma once

#include <QString>

class QWidget;

// The required-field check. Shows "Nie wypełniłeś niezbędnych pól! Uzupełnij
// pierwsze pole." and returns true when the text, trimmed of blanks and control
// characters, is empty; the caller then abandons its action.
bool czy_puste(QWidget* rodzic, const QString& tekst);
