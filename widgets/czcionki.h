#pragma once

#include <QFont>

class QWidget;

// The desktop's UI font family at the size a window was designed for, in
// points; a user whose desktop font is larger keeps the larger size, so that
// a window never shrinks the text below what the user chose.
QFont czcionka_okna(qreal punkty, bool gruba = false);

// Sets czcionka_okna() on a window; its controls inherit it.
void ustaw_czcionke_okna(QWidget* okno, qreal punkty, bool gruba = false);

// Makes the desktop's UI font the application's font, once, before the first
// window: every window, menu and message box then shows one family. Where the
// platform names no real family (a bare X server, the offscreen platform:
// fontconfig's generic "Sans Serif"), a sans family that exists stands in.
void ustaw_czcionke_aplikacji();
