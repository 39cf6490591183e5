#pragma once

// A recipient's account number as one field made of its three masked parts
// (L.k., bank number, account), shared by the transfer editor and the book
// entry editor. It keeps the number's state and each part's mark; the
// parts' colours only follow the marks, so tests and callers read the state.

#include "register/stan_pola_konta.h"

#include <QObject>
#include <QString>

#include <array>

class PoleMaskowane;
class QWidget;

class PoleKonta : public QObject {
    Q_OBJECT
  public:
    enum Czesc { lk, bank, rach };
    enum class Oznaczenie {
        zwykle,
        brak,         // an incomplete part the user has typed into and left (red)
        bledna_suma,  // every part of a complete number with wrong check digits (amber)
        wylaczone,    // a book without account numbers (light blue-grey)
    };

    // Makes the three parts as children of `okno`, named by the order's
    // fields with `przyrostek` appended ("lk_wpis"...); the window lays them out.
    explicit PoleKonta(QWidget* okno, const QString& przyrostek = {});

    PoleMaskowane* czesc(Czesc c) const { return czesci_[c]; }

    StanPolaKonta stan() const { return stan_; }
    Oznaczenie oznaczenie(Czesc c) const;
    bool brak(Czesc c) const { return oznaczenie(c) == Oznaczenie::brak; }

    // The stored texts into the parts, as code fills them (opening a window,
    // a picked book entry): no caret moves, no part counts as typed into, no
    // mark stays.
    void ustaw(const QString& lk, const QString& bank, const QString& rach);

    // Every incomplete part marked, typed into or not: "Zapisz", and opening
    // an existing order or entry.
    void oznacz_braki();

    // A book without account numbers: the parts off and shown so.
    void ustaw_wylaczone(bool wylaczone);

  signals:
    void stan_zmieniony(StanPolaKonta stan);

  private:
    void po_zmianie(Czesc c);
    void po_wyjsciu(Czesc c);
    bool kompletna(Czesc c) const;
    void przelicz();
    void maluj();

    QWidget* okno_;
    std::array<PoleMaskowane*, 3> czesci_{};
    std::array<bool, 3> wpisywana_{};  // the user typed or pasted into the part
    std::array<bool, 3> brak_{};       // marked incomplete
    bool wypelnianie_ = false;         // ustaw() is filling the parts
    bool wylaczone_ = false;
    StanPolaKonta stan_ = StanPolaKonta::pusty;
};
