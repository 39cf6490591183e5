#pragma once

// The print and preview commands of the main window and of the transfer
// editor: the wait window, the preparation, then the printer chosen in the
// print dialog or the preview window.

#include "printing/przygotowanie.h"

#include <functional>

class QWidget;

// Fills the print variables once the settings are read: from the order
// selected in the main list, or from the editor's controls.
using PrzygotujZmienne = std::function<ZmienneDruku()>;

enum class WynikDruku { wydrukowany, anulowany, nieudany };

// Prints the order the callback prepares on the printer the user picks.
// Cancelling the print dialog prints nothing; what the preparation did stays.
WynikDruku drukuj(QWidget* rodzic, const PrzygotujZmienne& przygotuj);

// Shows the order in a new preview window and returns when it is closed.
// While it is open, podglad_z_edycji tells its "Drukuj" where the order came from.
void podglad(QWidget* rodzic, const PrzygotujZmienne& przygotuj, bool z_edycji);

// Several orders in one job, in the given order, each starting on a new page.
using PrzygotujWiele = std::function<QList<ZmienneDruku>()>;
WynikDruku drukuj_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj);
void podglad_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj, bool z_edycji);
