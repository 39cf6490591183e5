#pragma once

// The background of the account-number fields.

#include <QColor>

class QWidget;

// Where a book has no account numbers (the titles book) its number fields are
// switched off in a light blue-grey, Windows' inactive-caption gradient
// colour, so they look the same on every platform.
inline const QColor kolor_pol_nieaktywnych{215, 228, 242};

// The field's background; the text keeps its own colour.
void maluj(QWidget* pole, const QColor& kolor);
// The system's field colour, and the pure red of a field that needs the user.
void maluj_normalnie(QWidget* pole);
void maluj_na_czerwono(QWidget* pole);
