#pragma once

// The entry editor: one address-book entry, new or the selected one.

#include "addressbook/wpisy.h"

#include <QDialog>

#include <optional>

class PoleKonta;
class PoleMaskowane;
class QLabel;
class QLineEdit;
class QPushButton;

// The captions of the entry editor's labels in one book.
struct OpisyPol {
    QString label1, label2, label4, label5;
};
OpisyPol opisy_pol(RodzajBazy rodzaj);

class Tnowy_wpis : public QDialog {
    Q_OBJECT
  public:
    // wpis: the entry to change, or none for a new one.
    Tnowy_wpis(QWidget* rodzic, RodzajBazy rodzaj,
               const std::optional<Twpis_bazy>& wpis = std::nullopt);

    // The five texts as the fields hold them, each cut to its field; after
    // "Zapisz" the entry to store.
    Twpis_bazy wpis() const;

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
    PoleKonta* konto = nullptr;  // the three parts below as one number
    PoleMaskowane* lk_wpis = nullptr;
    PoleMaskowane* nr_banku_odbiorcy_wpis = nullptr;
    PoleMaskowane* nr_rach_odbiorcy_wpis = nullptr;
    QPushButton* b_zapisz = nullptr;
    QPushButton* b_anuluj = nullptr;

  public slots:
    void FormActivate();
    void nazwa_odbiorcy1_wpisExit();
    void b_zapiszClick();
    void b_anulujClick();

  protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    void zbuduj();
    void ulozenie();
    void polaczenia();
    void ustaw_dla_bazy();
    void wypelnij(const Twpis_bazy& wpis);
    void ustaw_szerokosci();

    const RodzajBazy rodzaj_;
    const bool edycja_;  // an existing entry, not a new one
    // The five texts when the window was shown; Escape asks before throwing
    // away anything that differs from them.
    Twpis_bazy przy_otwarciu_;
};
