#pragma once

// Keyboard and focus rules shared by the windows that edit something.

#include <QFocusEvent>
#include <QKeyEvent>

// Another window coming to the front or a context menu opening is not
// leaving a field, so its exit checks do not run.
inline bool wyjscie_z_pola(const QFocusEvent* zdarzenie) {
    return zdarzenie->reason() != Qt::ActiveWindowFocusReason &&
           zdarzenie->reason() != Qt::PopupFocusReason;
}

// Only the window's own buttons and its close box end it: a stray Escape must
// not throw away what was typed. True when the key was swallowed.
inline bool pochlon_escape(QKeyEvent* zdarzenie) {
    if (!zdarzenie->matches(QKeySequence::Cancel)) return false;
    zdarzenie->accept();
    return true;
}
