#pragma once

// The print and preview commands of the main window and of the transfer
// editor: the wait window, the preparation, then the printer chosen in the
// print dialog or the preview window. The wait window lives for the job only,
// centred over the outermost window `rodzic` belongs to.

#include "printing/przygotowanie.h"

#include <functional>

class QWidget;

// Fills the print variables once the settings are read: from the order
// selected in the main list, or from the editor's controls.
using PrzygotujZmienne = std::function<ZmienneDruku()>;

enum class WynikDruku { wydrukowany, anulowany, nieudany };

struct Tprzelew;

// An order whose stored amount is not a number ("$10" from a file made
// elsewhere) prints as it stands, though a bank would be given another
// amount: the user is asked first. True when printing may go on.
bool drukowac_mimo_kwot(QWidget* rodzic, const QList<Tprzelew>& zlecenia);

// Prints the order the callback prepares on the printer the user picks.
// Cancelling the print dialog prints nothing; what the preparation did stays.
WynikDruku drukuj(QWidget* rodzic, const PrzygotujZmienne& przygotuj);

// Shows the order in a new preview window and returns when it is closed.
// The preview's "Drukuj" prints anew through the same callback, so it prints
// whatever the caller prepares: the order being edited, or the selected one.
void podglad(QWidget* rodzic, const PrzygotujZmienne& przygotuj);

// Several orders in one job, in the given order, each starting on a new page.
using PrzygotujWiele = std::function<QList<ZmienneDruku>()>;
WynikDruku drukuj_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj);
void podglad_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj);
