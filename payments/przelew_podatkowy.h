#pragma once

#include "payments/tytuly.h"

#include <QDate>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct Tprzelew;

// "Przelew podatkowy…": the parts of a tax transfer's title, checked as they
// are typed. It is handed the order as it stands and hands back the title
// and whether to pay to the micro-account; the caller puts them in the order.
class Tprzelew_podatkowy : public QDialog {
    Q_OBJECT
  public:
    explicit Tprzelew_podatkowy(QWidget* rodzic = nullptr, QDate dzis = QDate::currentDate());

    // Fills the window from the order's title when it holds a tax title.
    void pokaz_przelew(const Tprzelew& przelew);
    TytulPodatkowy tytul() const;
    // Only for a NIP or PESEL, whose micro-account can be computed.
    bool na_mikrorachunek() const;

    QComboBox* cb_rodzaj_identyfikatora = nullptr;
    QLineEdit* e_identyfikator = nullptr;
    QComboBox* cb_rodzaj_okresu = nullptr;
    QSpinBox* sb_rok = nullptr;
    QLabel* l_numer = nullptr;  // names what sb_numer counts
    QSpinBox* sb_numer = nullptr;
    QLabel* l_miesiac = nullptr;
    QSpinBox* sb_miesiac = nullptr;
    QPushButton* b_ten_miesiac = nullptr;
    QPushButton* b_poprzedni_miesiac = nullptr;
    QPushButton* b_ten_kwartal = nullptr;
    QPushButton* b_ten_rok = nullptr;
    QComboBox* cb_symbol = nullptr;
    QLineEdit* e_identyfikacja = nullptr;
    QCheckBox* chb_mikrorachunek = nullptr;
    QLabel* l_mikrorachunek = nullptr;  // the account it gives
    QLabel* l_tytul = nullptr;          // the title lines as they will be written
    QLabel* l_uwaga = nullptr;          // what is still wrong
    QPushButton* b_ok = nullptr;
    QPushButton* b_anuluj = nullptr;

  private:
    QDate dzis_;

    void utworz_pola();
    void uloz();
    void polacz();
    void ustaw_okres(const OkresPodatkowy& okres);
    OkresPodatkowy okres() const;
    void po_zmianie_rodzaju_identyfikatora();
    void po_zmianie_rodzaju_okresu();
    void odswiez();
};
