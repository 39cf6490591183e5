#pragma once

#include <QFont>

class QWidget;

// The desktop's UI font family at the size a window was designed for, in
// points; a user whose desktop font is larger keeps the larger size, so that
// a window never shrinks the text below what the user chose.
QFont czcionka_okna(qreal punkty, bool gruba = false);

// Sets czcionka_okna() on a window; its controls inherit it.
void ustaw_czcionke_okna(QWidget* okno, qreal punkty, bool gruba = false);

// Tahoma's stand-in where it is missing; goes once no window asks for Tahoma.
void ustaw_zastepstwa_czcionek();
