#include "widgets/pole_maskowane.h"

#include "widgets/pola_numerow.h"
#include "widgets/zdarzenia_okien.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

PoleMaskowane::PoleMaskowane(const QString& maska, QWidget* rodzic)
    : QLineEdit(rodzic), maska_(maska) {
    setMaxLength(int(maska_.dlugosc()));
    // Dropping text would bypass the mask.
    setAcceptDrops(false);
    ustaw_czcionke_stalej_szerokosci();
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

QString PoleMaskowane::tekst_do_zapisu() const {
    return konto_do_zapisu(zapisany_, text(), maska_);
}

void PoleMaskowane::ustaw_tekst(const QString& nowy) {
    const KontoWMasce w = konto_w_masce(nowy, maska_);
    zapisany_ = nowy;
    setToolTip(w.za_duzo ? u"Numer zapisany w pliku ma więcej cyfr, niż mieści to pole, "
                           u"i jest błędny: %1"_s.arg(nowy)
                         : QString());
    zastosuj({w.tekst, 0});
    // After zastosuj(): the handlers of zmieniony() paint by completeness,
    // and a number too long for the field is never complete.
    if (w.za_duzo) maluj_na_czerwono(this);
}

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

void PoleMaskowane::wklej_tekst(const QString& wklejany) {
    if (isReadOnly()) return;
    if (przejecie_wklejania_ && przejecie_wklejania_(wklejany)) return;
    const Maska::Wynik czysty = bez_zaznaczenia();
    zastosuj(maska_.wklej(czysty.tekst, czysty.kursor, wklejany));
}

void PoleMaskowane::wklej_ze_schowka() { wklej_tekst(QApplication::clipboard()->text()); }

// Blank slots are as wide as digits, so a click lands on the slot it aims at.
void PoleMaskowane::ustaw_czcionke_stalej_szerokosci() {
    QFont czcionka = font();
    const QFont stala = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (czcionka.family() == stala.family()) return;
    czcionka.setFamilies({stala.family()});
    czcionka.setStyleHint(QFont::Monospace);
    czcionka.setFixedPitch(true);
    zmienia_czcionke_ = true;
    setFont(czcionka);
    zmienia_czcionke_ = false;
}

void PoleMaskowane::changeEvent(QEvent* zdarzenie) {
    QLineEdit::changeEvent(zdarzenie);
    // A window setting its own font keeps the size it asks for, not the family.
    if (zdarzenie->type() == QEvent::FontChange && !zmienia_czcionke_)
        ustaw_czcionke_stalej_szerokosci();
}

void PoleMaskowane::mousePressEvent(QMouseEvent* zdarzenie) {
    QLineEdit::mousePressEvent(zdarzenie);
    // A click into the blanks after the typed digits means "go on typing":
    // the caret goes where the next digit belongs, not past the last slot.
    if (zdarzenie->button() != Qt::LeftButton || (zdarzenie->modifiers() & Qt::ShiftModifier) ||
        hasSelectedText())
        return;
    const qsizetype dalej = maska_.miejsce_pisania(text());
    if (cursorPosition() > dalej) setCursorPosition(int(dalej));
}

void PoleMaskowane::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    // The X11 selection pasted by the middle button goes through the mask too.
    if (zdarzenie->button() == Qt::MiddleButton && !isReadOnly() &&
        QApplication::clipboard()->supportsSelection()) {
        wklej_tekst(QApplication::clipboard()->text(QClipboard::Selection));
        zdarzenie->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(zdarzenie);
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
        case Qt::Key_End:
            if (zdarzenie->modifiers() & Qt::ShiftModifier) break;
            // As a click past the last typed digit.
            deselect();
            setCursorPosition(int(maska_.miejsce_pisania(text())));
            return;
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
    // Qt names these actions only in some versions; their (translated) texts
    // are the same everywhere.
    const auto to = [](const QAction* akcja, const char* nazwa, const char* tekst) {
        return akcja->objectName() == QLatin1StringView(nazwa) ||
               akcja->text().section(u'\t', 0, 0) == QLineEdit::tr(tekst);
    };
    for (QAction* akcja : menu->actions()) {
        if (to(akcja, "edit-undo", "&Undo") || to(akcja, "edit-redo", "&Redo")) {
            akcja->setEnabled(false);
        } else if (to(akcja, "edit-paste", "&Paste")) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, &PoleMaskowane::wklej_ze_schowka);
        } else if (to(akcja, "edit-cut", "Cu&t")) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, &PoleMaskowane::wytnij_do_schowka);
        } else if (to(akcja, "edit-delete", "Delete")) {
            akcja->disconnect();
            connect(akcja, &QAction::triggered, this, [this] { zastosuj(bez_zaznaczenia()); });
        }
    }
    menu->popup(zdarzenie->globalPos());
}

void polacz_pola_konta(PoleMaskowane* lk, PoleMaskowane* bank, PoleMaskowane* rach) {
    auto przejecie = [lk, bank, rach](const QString& wklejany) {
        const QString cyfry = cyfry_calego_konta(wklejany);
        if (cyfry.isEmpty()) return false;
        const auto ulozone = [](const PoleMaskowane* pole, const QString& czesc) {
            return pole->maska().wklej(pole->maska().pusty(), 0, czesc).tekst;
        };
        // Each part is announced as it is filled, so the usual checks and
        // moves to the next part run as if it had been typed.
        lk->ustaw_tekst(ulozone(lk, cyfry.left(2)));
        bank->ustaw_tekst(ulozone(bank, cyfry.mid(2, 8)));
        rach->ustaw_tekst(ulozone(rach, cyfry.mid(10)));
        return true;
    };
    for (PoleMaskowane* pole : {lk, bank, rach}) pole->ustaw_przejecie_wklejania(przejecie);
}
