#pragma once

// How the windows show an order's kind: the list's small "US" / "MPP" tag and
// the note beside a recipient's account in the editor.

#include "payments/rodzaj_zlecenia.h"

#include <QPixmap>
#include <QString>

class QLabel;

// The tag drawn at its own size (a view shows a pixmap as large as it is),
// or a null pixmap for an order that has none.
QPixmap obraz_znacznika(RodzajZlecenia rodzaj);
QString podpowiedz_znacznika(RodzajZlecenia rodzaj);

// The title lines as a window previews them: a long line may break after any
// "/" (a zero-width space there), never inside a value.
QString podglad_tytulu(const LinieTytulu& linie);
// A title preview label: wrapping, and two lines high from the start, so that
// the window does not grow while the user types.
void przygotuj_podglad_tytulu(QLabel* etykieta, const QString& najdluzsza_linia);

// Shows opis_rachunku() of the account in `etykieta`: amber when the
// micro-account's identifier is wrong, hidden for an ordinary account.
void pokaz_opis_rachunku(QLabel* etykieta, const QString& konto);
