#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Tglowne_okno;

// The about window "O programie...": who made the program, how to reach him,
// and the button that adds the order for a voluntary payment to the list.
class Tpomoc_okno : public QDialog {
    Q_OBJECT

  public:
    explicit Tpomoc_okno(Tglowne_okno* glowne);

    QLabel* i_ikonka_prog = nullptr;
    QLabel* l_nazwa_prog = nullptr;
    QLabel* l_autor = nullptr;
    QLabel* l_autor_name = nullptr;
    QLabel* l_1st_tekst = nullptr;
    QLabel* l_mail = nullptr;  // a link: underlined with the hand cursor while the mouse is over it
    QLabel* l_2nd_tekst = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* b_ok = nullptr;

  protected:
    void showEvent(QShowEvent* zdarzenie) override;

  private:
    Tglowne_okno* glowne_;
};
