#pragma once

// The window in which one order is created or changed.

#include <QDate>
#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "register/kwota.h"

class PoleKonta;
class PoleMaskowane;
class QCalendarWidget;
class QFont;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Tprzelew;
struct Twpis_bazy;
struct ZmienneDruku;
enum class RodzajBazy;
enum class PolePrzelewu;

// Takes the order saved in the editor: writes it over the order being edited
// or appends a new one. False when it cannot be kept (the collection is
// full); the editor then says so and stays open with nothing lost.
using ZapisPrzelewu = std::function<bool(const Tprzelew&)>;

// Opens a book to pick from over the editor and waits: the confirmed entry,
// or nothing when the user cancelled. The caller hands it in, so that the
// editor needs no book window of its own.
using WyborWpisu = std::function<std::optional<Twpis_bazy>(QWidget* rodzic, RodzajBazy rodzaj)>;

class Tnowy_edycja_przelewow : public QDialog {
    Q_OBJECT
  public:
    explicit Tnowy_edycja_przelewow(QWidget* rodzic = nullptr, ZapisPrzelewu zapisz = {});
    ~Tnowy_edycja_przelewow() override;

    // Opening steps; the caller then exec()s the window.
    void przygotuj_nowy();
    void przygotuj_edycje(const Tprzelew& wiersz);
    // A new order filled from `wzor` but with no date ("Powiel przelew"): only
    // "Zapisz" appends it.
    void przygotuj_kopie(const Tprzelew& wzor);
    void wypelnij_pola(const Tprzelew& wiersz);
    // What the "wybierz" buttons open; without it they do nothing.
    void ustaw_wybor_wpisu(WyborWpisu wybor) { wybor_wpisu_ = std::move(wybor); }
    // True while an existing order is edited, false for a new one.
    bool edycja() const { return edycja_; }

    // --- controls, by row
    QLineEdit* nazwa_odbiorcy1 = nullptr;
    QPushButton* wybierz_wpis_odb = nullptr;
    QLineEdit* nazwa_odbiorcy2 = nullptr;
    QPushButton* b_dodaj_do_bazy_odbiorcow = nullptr;
    PoleKonta* konto_odbiorcy = nullptr;  // the three parts below as one number
    PoleMaskowane* lk = nullptr;
    PoleMaskowane* nr_banku_odbiorcy = nullptr;
    PoleMaskowane* nr_rach_odbiorcy = nullptr;
    QRadioButton* rb_przelew = nullptr;
    QRadioButton* rb_wplata = nullptr;
    QLineEdit* kwota = nullptr;
    QLineEdit* kwota100 = nullptr;
    // The date as text: typed in or set from the calendar.
    QLineEdit* data_label = nullptr;
    QPushButton* kalendarz_button = nullptr;
    QPushButton* btn_usun_date = nullptr;
    QCalendarWidget* MonthCalendar1 = nullptr;
    PoleMaskowane* nr_rach_nadawcy = nullptr;
    QLineEdit* nazwa_nadawcy1 = nullptr;
    QPushButton* wybierz_wpis_nad = nullptr;
    QLineEdit* nazwa_nadawcy2 = nullptr;
    QPushButton* b_dodaj_do_bazy_nadawcow = nullptr;
    QLineEdit* tytulem1 = nullptr;
    QPushButton* wybierz_tytul = nullptr;
    QLineEdit* tytulem2 = nullptr;
    QPushButton* b_dodaj_do_bazy_tytulow = nullptr;
    QLineEdit* dodatkowe = nullptr;
    PoleMaskowane* symbol = nullptr;
    QPushButton* drukuj_w_edycji_przelew = nullptr;
    QPushButton* podglad_wydruku_w_edycji = nullptr;
    QPushButton* zapisz_edycja = nullptr;
    QPushButton* anuluj_edycja = nullptr;
    QPushButton* b_zaplac_telefonem = nullptr;  // the payment code of the order as typed
    QPushButton* b_podatki = nullptr;     // beside the title: the tax and split-payment windows
    QLabel* l_rodzaj_rachunku = nullptr;  // a ZUS contribution account, a tax micro-account
    QLabel* l_suma_kontrolna = nullptr;   // shown while a complete number has wrong check digits

    // Marks the recipient's and (for a transfer) the sender's number when its
    // check digits are wrong, and shows or hides the note.
    bool sprawdz_sumy_kontrolne();

    // The first letter a-z of the recipient's name and of the title made capital.
    void kapitalizacja();
    // Rewrites the two amount fields by the rules of the context.
    void uzupelnij_kwote(Uzupelnianie kontekst);
    void grosze_jako_ulamek();
    // The order as the controls hold it, every text cut to its capacity.
    Tprzelew przelew_z_okna() const;
    // The print variables from the controls as they stand. The amount is
    // completed for printing first, and the completion stays on screen.
    ZmienneDruku przypisywanie_zmiennych_w_edycji();

  public slots:
    void FormActivate();
    void nazwa_odbiorcy1Exit();
    void tytulem1Exit();
    // A comma or full stop in the złote moves to the grosze; a pasted amount
    // fills both; anything else is refused with a word, never cut.
    void kwotaChange();
    void kwotaExit();
    void kwota100Exit();
    void rb_przelewClick();
    void rb_wplataClick();
    void kalendarz_buttonClick();
    void MonthCalendar1Click();
    void btn_usun_dateClick();
    // Typing a date: wrong while it is no real day; a real one is written in
    // the user's format when the field is left, and the calendar follows.
    void data_labelChange();
    void data_labelExit();
    // True while the date field holds a text that is no real day.
    bool data_bledna() const;
    void zapisz_edycjaClick();
    void anuluj_edycjaClick();

    // Printing the order on screen and reaching the address books; nothing
    // here stores the order.
    void drukuj_w_edycji_przelewClick();
    void podglad_wydruku_w_edycjiClick();
    void b_dodaj_do_bazy_odbiorcowClick();
    void b_dodaj_do_bazy_nadawcowClick();
    void b_dodaj_do_bazy_tytulowClick();
    void wybierz_wpis_odbClick();
    void wybierz_wpis_nadClick();
    void wybierz_tytulClick();
    // The title built in the tax or split-payment window (tytuly_edytora.cpp).
    void przelew_podatkowyClick();
    void podzielona_platnoscClick();

  protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    ZapisPrzelewu zapisz_;
    WyborWpisu wybor_wpisu_;
    bool edycja_ = false;
    bool grosze_po_przecinku_ = false;  // the caret came to the grosze by a typed comma
    // What the controls held when the window was shown: Escape asks before
    // throwing away anything that differs from it.
    std::unique_ptr<Tprzelew> przy_otwarciu_;
    // Which control shows which text field of the order.
    std::vector<std::pair<PolePrzelewu, QWidget*>> kontrolki_pol_;

    // Building the window (budowa_edytora.cpp).
    void zbuduj();
    void utworz_pola();
    void utworz_pola_kwoty_i_daty(const QFont& czcionka_pol);  // pola_kwoty_i_daty.cpp
    void utworz_przyciski();
    void uloz();
    QHBoxLayout* rzad_przyciskow();
    void polacz();
    void ustaw_kolejnosc_tabulacji();
    // The calendar lies over the rows below, under the button that shows it.
    void umiesc_kalendarz();
    void ustaw_konto_nadawcy(bool dostepne);
    void pokaz_odmowe(QLineEdit* pole, const QString& powod);
    // The calendar's date when it was shown: Escape puts it back.
    QDate data_kalendarza_;
    void zamknij_kalendarz(bool przyjmij);
    // The picked entry into the fields of its book's part of the order.
    void wstaw_wpis(RodzajBazy rodzaj, const Twpis_bazy& wpis);
    void wybierz_z_bazy(RodzajBazy rodzaj);
};
