#pragma once

#include "payments/tytuly.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
struct Tprzelew;

// "Podzielona płatność (MPP)…": the VAT amount, the supplier's NIP and the
// invoice of a split payment. It is handed the order as it stands (its amount
// is the gross the VAT may not exceed) and hands back the title's parts.
class Tpodzielona_platnosc : public QDialog {
    Q_OBJECT
  public:
    explicit Tpodzielona_platnosc(QWidget* rodzic = nullptr);

    // Fills the window from the order's title when it holds a split-payment title.
    void pokaz_przelew(const Tprzelew& przelew);
    TytulPodzielonej tytul() const;

    QLineEdit* e_vat = nullptr;
    QLabel* l_brutto = nullptr;  // the order's own amount, for comparison
    QLineEdit* e_nip = nullptr;
    QLineEdit* e_faktura = nullptr;
    QLineEdit* e_tekst = nullptr;
    QLabel* l_tytul = nullptr;
    QLabel* l_uwaga = nullptr;
    QPushButton* b_ok = nullptr;
    QPushButton* b_anuluj = nullptr;

  private:
    std::optional<qint64> brutto_;

    void odswiez();
};
