#pragma once

#include <QDialog>

struct Tprzelew;
class QLabel;
class QPushButton;

// "Zapłać telefonem": the payment code of one order as a QR picture for a
// banking app, with its fields as text; or why no code can be given.
class Tzaplac_telefonem : public QDialog {
    Q_OBJECT

  public:
    explicit Tzaplac_telefonem(QWidget* rodzic = nullptr);

    void pokaz_przelew(const Tprzelew& przelew);

    QLabel* i_kod = nullptr;  // the picture, or the reason for none
    QLabel* l_odbiorca = nullptr;
    QLabel* l_rachunek = nullptr;
    QLabel* l_kwota = nullptr;
    QLabel* l_tytul = nullptr;
    QLabel* l_uwaga = nullptr;  // the amount must be typed in the app
    QPushButton* b_kopiuj_rachunek = nullptr;
    QPushButton* b_kopiuj_tytul = nullptr;
    QPushButton* b_zamknij = nullptr;
};
