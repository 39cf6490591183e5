#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Shown once, at the first start, right after the donation order was added:
// tells the user where that order came from and that it is only an offer.
class Tmonolit_first_run : public QDialog {
    Q_OBJECT

  public:
    explicit Tmonolit_first_run(QWidget* rodzic = nullptr);

    QLabel* l_tekst = nullptr;
    QPushButton* b_ok = nullptr;

  protected:
    void showEvent(QShowEvent* zdarzenie) override;
};

// Opens the window over `rodzic` and waits until the user closes it.
void pokaz_pierwsze_uruchomienie(QWidget* rodzic);
