#pragma once

// The entry editor: one address-book entry, new or the selected one.

#include "addressbook/wpisy.h"

#include <QColor>
#include <QDialog>

class PoleMaskowane;
class QLabel;
class QLineEdit;
class QPushButton;

// The background of the number fields in the titles book, where they mean
// nothing: Windows' default inactive-caption gradient colour, a light
// blue-grey, so the fields look switched off the same way on every platform.
inline const QColor kolor_pol_nieaktywnych{215, 228, 242};

// A first letter a-z becomes its capital; anything else, Polish letters
// included, stays as it is.
QString pierwsza_wielka(const QString& tekst);

class Tnowy_wpis : public QDialog {
    Q_OBJECT
  public:
    explicit Tnowy_wpis(QWidget* rodzic = nullptr);

    // Labels, enabled number fields and their colour for the book.
    void ustaw_dla_bazy(RodzajBazy rodzaj);
    void wyczysc_pola();
    void wypelnij(const Twpis_bazy& wpis);
    // The five texts, each cut to its field.
    Twpis_bazy wpis_z_pol() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* l_suma_kontrolna = nullptr;  // shown while a complete number has wrong check digits
    // Marks the number when its check digits are wrong; true then.
    bool sprawdz_sume_kontrolna();
    QLineEdit* nazwa_odbiorcy1_wpis = nullptr;
    QLineEdit* nazwa_odbiorcy2_wpis = nullptr;
    PoleMaskowane* lk_wpis = nullptr;
    PoleMaskowane* nr_banku_odbiorcy_wpis = nullptr;
    PoleMaskowane* nr_rach_odbiorcy_wpis = nullptr;
    QPushButton* b_zapisz = nullptr;
    QPushButton* b_anuluj = nullptr;

  public slots:
    void FormActivate();
    void nazwa_odbiorcy1_wpisExit();
    void lk_wpisChange();
    void lk_wpisExit();
    void nr_banku_odbiorcy_wpisChange();
    void nr_banku_odbiorcy_wpisExit();
    void nr_rach_odbiorcy_wpisChange();
    void nr_rach_odbiorcy_wpisExit();
    void b_zapiszClick();
    void b_anulujClick();

  protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    void zbuduj();
    void maluj_pola_numerow();

    RodzajBazy rodzaj_ = RodzajBazy::odbiorcy;
    // The five texts when the window was shown; Escape asks before throwing
    // away anything that differs from them.
    Twpis_bazy przy_otwarciu_;
};
