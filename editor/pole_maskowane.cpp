#include "editor/pole_maskowane.h"
#include "ui/zdarzenia_okien.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

using namespace Qt::StringLiterals;

PoleMaskowane::PoleMaskowane(const QString& maska, QWidget* rodzic)
    : QLineEdit(rodzic), maska_(maska) {
    setMaxLength(int(maska_.dlugosc()));
    // Dropping text would bypass the mask.
    setAcceptDrops(false);
    QLineEdit::setText(maska_.pusty());
    ostatni_ = text();
    // Whatever puts text in (setText, insert, a drop, an input method), the
    // text is laid back on the mask, and each real change is announced once.
    connect(this, &QLineEdit::textChanged, this, [this] {
        const QString dopasowany = maska_.dopasuj(text());
        if (dopasowany != text()) {
            const int kursor = cursorPosition();
            QLineEdit::setText(dopasowany);
            setCursorPosition(kursor);
            return;
        }
        if (text() == ostatni_) return;
        ostatni_ = text();
        if (kursor_po_zmianie_ >= 0) setCursorPosition(int(kursor_po_zmianie_));
        emit zmieniony();
    });
}

QString PoleMaskowane::tekst() const { return text(); }

void PoleMaskowane::ustaw_tekst(const QString& nowy) { zastosuj({maska_.dopasuj(nowy), 0}); }

void PoleMaskowane::zastosuj(const Maska::Wynik& wynik) {
    // Handlers of zmieniony() already see the caret where the edit left it.
    kursor_po_zmianie_ = wynik.kursor;
    if (wynik.tekst != text()) QLineEdit::setText(wynik.tekst);
    kursor_po_zmianie_ = -1;
    setCursorPosition(int(wynik.kursor));
}

Maska::Wynik PoleMaskowane::bez_zaznaczenia() const {
    if (!hasSelectedText()) return {text(), cursorPosition()};
    const qsizetype od = selectionStart();
    return maska_.wyczysc(text(), od, od + selectedText().size());
}

void PoleMaskowane::wklej_ze_schowka() {
    if (isReadOnly()) return;
    const Maska::Wynik czysty = bez_zaznaczenia();
    zastosuj(maska_.wklej(czysty.tekst, czysty.kursor, QApplication::clipboard()->text()));
}

void PoleMaskowane::wytnij_do_schowka() {
    if (isReadOnly() || !hasSelectedText()) return;
    QApplication::clipboard()->setText(selectedText());
    zastosuj(bez_zaznaczenia());
}

void PoleMaskowane::keyPressEvent(QKeyEvent* zdarzenie) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(zdarzenie);
        return;
    }
    if (zdarzenie == QKeySequence::Paste) {
        wklej_ze_schowka();
        return;
    }
    if (zdarzenie == QKeySequence::Cut) {
        wytnij_do_schowka();
        return;
    }
    if (zdarzenie == QKeySequence::Undo || zdarzenie == QKeySequence::Redo) return;
    switch (zdarzenie->key()) {
        case Qt::Key_Backspace: {
            if (hasSelectedText())
                zastosuj(bez_zaznaczenia());
            else
                zastosuj(maska_.cofnij(text(), cursorPosition()));
            return;
        }
        case Qt::Key_Delete: {
            if (hasSelectedText())
                zastosuj(bez_zaznaczenia());
            else
                zastosuj(maska_.usun(text(), cursorPosition()));
            return;
        }
        default:
            break;
    }
    const QString wpisany = zdarzenie->text();
    const bool znak = wpisany.size() == 1 && wpisany.at(0).isPrint() &&
                      !(zdarzenie->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!znak) {
        // Moving, selecting, copying, Tab and Enter as any line edit.
        if (zdarzenie->matches(QKeySequence::DeleteEndOfWord) ||
            zdarzenie->matches(QKeySequence::DeleteStartOfWord) ||
            zdarzenie->matches(QKeySequence::DeleteEndOfLine) ||
            zdarzenie->matches(QKeySequence::DeleteCompleteLine))
            return;
        QLineEdit::keyPressEvent(zdarzenie);
        return;
    }
    const QChar z = wpisany.at(0);
    if ((z < u'0' || z > u'9') && z != u' ') return;  // only digits reach a digit position
    const Maska::Wynik czysty = bez_zaznaczenia();
    zastosuj(maska_.wpisz(czysty.tekst, czysty.kursor, z));
}

void PoleMaskowane::inputMethodEvent(QInputMethodEvent* zdarzenie) {
    if (isReadOnly() || zdarzenie->commitString().isEmpty()) {
        zdarzenie->accept();
        return;
    }
    const Maska::Wynik czysty = bez_zaznaczenia();
    zastosuj(maska_.wklej(czysty.tekst, czysty.kursor, zdarzenie->commitString()));
    zdarzenie->accept();
}

void PoleMaskowane::focusOutEvent(QFocusEvent* zdarzenie) {
    QLineEdit::focusOutEvent(zdarzenie);
    if (wyjscie_z_pola(zdarzenie)) emit opuszczony();
}

void PoleMaskowane::contextMenuEvent(QContextMenuEvent* zdarzenie) {
    // The standard menu with its editing actions routed through the mask.
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* akcja : menu->actions()) {
        const QString nazwa = akcja->objectName();
        if (nazwa == u"edit-undo"_s || nazwa == u"edit-redo"_s) {
            akcja->setEnabled(false);
        } else if (nazwa == u"edit-paste"_s) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, &PoleMaskowane::wklej_ze_schowka);
        } else if (nazwa == u"edit-cut"_s) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, &PoleMaskowane::wytnij_do_schowka);
        } else if (nazwa == u"edit-delete"_s) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, [this] { zastosuj(bez_zaznaczenia()); });
        }
    }
    menu->popup(zdarzenie->globalPos());
}
