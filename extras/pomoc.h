#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about window "O programie...": who made the program, how to reach him,
// and the button that asks for the order of a voluntary payment to be added
// to the list; whoever opened the window adds it.
class Tpomoc_okno : public QDialog {
    Q_OBJECT

  public:
    explicit Tpomoc_okno(QWidget* rodzic = nullptr);

    QLabel* i_ikonka_prog = nullptr;
    QLabel* l_nazwa_prog = nullptr;
    QLabel* l_autor = nullptr;
    QLabel* l_autor_name = nullptr;
    QLabel* l_1st_tekst = nullptr;
    QLabel* l_mail = nullptr;  // a link: underlined with the hand cursor while the mouse is over it
    QLabel* l_2nd_tekst = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* b_ok = nullptr;

  signals:
    // Every press of the button; the window stays open.
    void dodaj_przelew_do_autora();

  protected:
    void showEvent(QShowEvent* zdarzenie) override;

  private:
    void uloz();
};
