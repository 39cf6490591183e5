#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class TablicaPrzelewow;

// "Statystyki bazy": counts and totals of the orders, for all of them or for a
// year, a month, a sender and a recipient. It only reads the table.
class TFstatystyki : public QDialog {
    Q_OBJECT

  public:
    explicit TFstatystyki(const TablicaPrzelewow& tablica, QWidget* rodzic = nullptr);

    void FormShow();  // fills the lists from the table, then Licz
    void Licz();      // counts for the current choices

    QComboBox* CBrok = nullptr;
    QComboBox* CBmiesiac = nullptr;
    QComboBox* CBnadawcy = nullptr;
    QComboBox* CBodbiorcy = nullptr;
    QLabel* Lwypisanych = nullptr;
    QLabel* LwypisanychWplat = nullptr;
    QLabel* LwypisanychPrzelewow = nullptr;
    QLabel* Lkwota = nullptr;
    QLabel* LkwotaWplat = nullptr;
    QLabel* LkwotaPrzelewow = nullptr;

  protected:
    void showEvent(QShowEvent* zdarzenie) override;

  private:
    // A failed count is told at once, or once the window is on screen.
    void zglos_blad(const QString& tekst);

    const TablicaPrzelewow& tablica_;
    bool w_pokazywaniu_ = false;
    int n_ = 0;  // the count when the window was shown, used by every Licz until the next show
};
