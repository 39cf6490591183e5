#pragma once

// The account-number fields as the transfer editor and the book entry editor
// both use them: their background marks and the step from L.k. onwards.

#include <QColor>

class QLineEdit;
class QWidget;

// Where a book has no account numbers (the titles book) its number fields are
// switched off in a light blue-grey, Windows' inactive-caption gradient
// colour, so they look the same on every platform.
inline const QColor kolor_pol_nieaktywnych{215, 228, 242};

// The field's background; the text keeps its own colour.
void maluj(QWidget* pole, const QColor& kolor);

// Typing in L.k.: once both digits are there and the window is visible, the
// caret goes on to the start of the bank number.
void po_zmianie_lk(const QLineEdit* lk, const QWidget* okno, QLineEdit* nr_banku);
