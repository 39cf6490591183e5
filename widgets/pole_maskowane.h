#pragma once

// A fixed-width field for account numbers. Its text always has the full
// length of its mask: separators stay in place and an untyped digit reads as
// a space, so a half-typed number is stored exactly as it stands.

#include <QLineEdit>
#include <QString>

#include <functional>

#include "register/maska.h"

class QKeyEvent;
class QFocusEvent;
class QInputMethodEvent;
class QContextMenuEvent;
class QMouseEvent;

class PoleMaskowane : public QLineEdit {
    Q_OBJECT
  public:
    // maska: "!99;1; ", "!9999 9999;1; " and the like ('9' a digit position,
    // other characters literal separators).
    explicit PoleMaskowane(const QString& maska, QWidget* rodzic = nullptr);

    // The whole text, mask length, blanks and separators included.
    QString tekst() const;
    // A stored text laid on the mask by konto_w_masce(): in the mask's layout
    // each character at its own place, otherwise its digits in order. More
    // digits than the mask holds paint the field red and name the stored
    // number in its tool tip.
    void ustaw_tekst(const QString& tekst);
    // What to store: the text last given to ustaw_tekst() while the field
    // still shows it unchanged (never a cut or re-spaced number), else tekst().
    QString tekst_do_zapisu() const;
    // The stored text had more digits than the mask holds and the field
    // still shows its first ones unedited: it is wrong, never complete.
    bool za_duzo_cyfr() const;

    const Maska& maska() const { return maska_; }

    // Pasting (keys, menu, middle button) offers the text here first; true
    // means it was taken care of and the field's own paste is skipped.
    void ustaw_przejecie_wklejania(std::function<bool(const QString&)> przejecie) {
        przejecie_wklejania_ = std::move(przejecie);
    }
    // Pastes as the user would, at the caret or over the selection.
    void wklej_tekst(const QString& wklejany);

  signals:
    // After each change of the text: typing, deleting, pasting, ustaw_tekst.
    void zmieniony();
    // Focus moved to another control of the window (not to another window
    // or a context menu).
    void opuszczony();

  protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;
    void inputMethodEvent(QInputMethodEvent* zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;

  private:
    void zastosuj(const Maska::Wynik& wynik);
    // The selection blanked, or the caret when nothing is selected.
    Maska::Wynik bez_zaznaczenia() const;
    void wklej_ze_schowka();
    void wytnij_do_schowka();
    void ustaw_czcionke_stalej_szerokosci();

    Maska maska_;
    QString ostatni_;   // the text last announced by zmieniony()
    QString zapisany_;  // the text last given to ustaw_tekst()
    qsizetype kursor_po_zmianie_ = -1;
    bool zmienia_czcionke_ = false;
    std::function<bool(const QString&)> przejecie_wklejania_;
};

// The recipient's three account parts as one number: a whole 26-digit number
// pasted into any of them fills all three.
void polacz_pola_konta(PoleMaskowane* lk, PoleMaskowane* bank, PoleMaskowane* rach);
