#pragma once

// The window before the bank file is written: which character set the bank
// asks for. It is handed the last choice and hands back the new one.

#include "payments/tekst_bankowy.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class Teksport_do_banku : public QDialog {
    Q_OBJECT
  public:
    // `przelewow`: how many orders are to go, for the window's text.
    Teksport_do_banku(QWidget* rodzic, KodowanieBanku kodowanie, int przelewow);

    KodowanieBanku kodowanie() const;

    QComboBox* cb_kodowanie = nullptr;
    QPushButton* b_zapisz = nullptr;
    QPushButton* b_anuluj = nullptr;
};
