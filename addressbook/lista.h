#pragma once

// The address-book window: one book's entries, to manage them (opened from
// the main window) or to pick one (opened from the transfer editor).

#include "addressbook/wpisy.h"

#include <QDialog>

#include <optional>

class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;

class Tlista_wpisow : public QDialog {
    Q_OBJECT
  public:
    explicit Tlista_wpisow(QWidget* rodzic = nullptr);

    // Loads the book rodzaj_bazy names and sets this window and the entry
    // editor up for it; the caller has set rodzaj_bazy and wybor_z_bazy.
    void przypisanie_label();

    // The selected entry's position, or count + 1 when nothing is selected.
    int zaznaczony_el_w_bazie() const;
    // Sorts the table and lists it again; the selection is lost.
    void odswiezenie_listy();

    // The entry confirmed with "OK" during the last picking, if any.
    std::optional<Twpis_bazy> wybrany_wpis() const { return wybrany_; }

    QTreeWidget* lista_z_bazy = nullptr;
    QPushButton* zapisz_zmiany = nullptr;  // "OK"
    QPushButton* anuluj = nullptr;
    QPushButton* dodaj_wpis = nullptr;
    QPushButton* edytuj_wpis = nullptr;
    QPushButton* usun_wpis = nullptr;
    QMenu* wpisy_menu = nullptr;
    QAction* edytuj_zaznaczony = nullptr;
    QAction* usun_zaznaczony = nullptr;
    QAction* dodaj_nowy_wpis = nullptr;

  signals:
    // "OK" while picking, with the selected entry.
    void wybrano(const Twpis_bazy& wpis);

  public slots:
    void FormActivate();
    void stany_przyciskow();
    void lista_z_bazyClick();
    void lista_z_bazySelectItem();
    void lista_z_bazyDblClick();
    void dodaj_wpisClick();
    void edytuj_wpisClick();
    void usun_wpisClick();
    void anulujClick();
    void zapisz_zmianyClick();

  protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    void zbuduj();
    void wypelnij_liste();
    QWidget* rodzic_komunikatow();

    std::optional<Twpis_bazy> wybrany_;
    bool odczyt_niepelny_ = false;  // the book file could not be read to its end
};

// Creates the address-book window and the entry editor once, over the main
// window, when the program has not made them yet.
void przygotuj_okna_baz(QWidget* glowne);

// Opens a book to pick from (rodzaj: "odbiorcy", "nadawcy", "tytuly") and
// waits; the confirmed entry, or nothing when the user cancelled.
std::optional<Twpis_bazy> wybor_wpisu(const QString& rodzaj);
