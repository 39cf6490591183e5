#pragma once

#include <QString>

class QHeaderView;
class QWidget;

// Windows come back as the user left them: size, place, maximised state and
// the widths of a list's columns, kept in the settings store under the
// window's own name. A window whose screen is gone comes back on the one
// that is there.
namespace PamiecOkien {

// True when something was stored for the window and it was applied; the
// caller then keeps its own first size and place out of the way.
bool przywroc(QWidget* okno, const QString& nazwa);
void zapamietaj(const QWidget* okno, const QString& nazwa);

bool przywroc_kolumny(QHeaderView* naglowek, const QString& nazwa);
void zapamietaj_kolumny(const QHeaderView* naglowek, const QString& nazwa);

// A whole number that belongs with a window (the preview's zoom).
int czytaj_liczbe(const QString& nazwa, int domyslna);
void zapisz_liczbe(const QString& nazwa, int liczba);

}  // namespace PamiecOkien
