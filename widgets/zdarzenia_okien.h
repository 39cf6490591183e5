#pragma once

// Keyboard and focus rules shared by the windows that edit something.

#include <QFocusEvent>
#include <QKeyEvent>

class QDialog;

// Another window coming to the front or a context menu opening is not
// leaving a field, so its exit checks do not run.
inline bool wyjscie_z_pola(const QFocusEvent* zdarzenie) {
    return zdarzenie->reason() != Qt::ActiveWindowFocusReason &&
           zdarzenie->reason() != Qt::PopupFocusReason;
}

// In a window that shows a list rather than one record, only its own buttons
// and its close box end it: a stray Escape must not throw away the changes
// made to the list. True when the key was swallowed.
inline bool pochlon_escape(QKeyEvent* zdarzenie) {
    if (!zdarzenie->matches(QKeySequence::Cancel)) return false;
    zdarzenie->accept();
    return true;
}

// Escape in an editing window is its cancel button, but what was changed is
// thrown away only after "Porzucić zmiany?" is answered Tak. True when the
// key was Escape (and so taken care of).
bool escape_anuluje(QKeyEvent* zdarzenie, QDialog* okno, bool zmienione);
