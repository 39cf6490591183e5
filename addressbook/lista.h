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

// "Baza odbiorców", "Baza nadawców", "Baza tytułów".
QString tytul_bazy(RodzajBazy rodzaj);

class Tlista_wpisow : public QDialog {
    Q_OBJECT
  public:
    // Loads the book at once, telling the user when its file could not be
    // read. wybor: opened to pick one entry rather than to manage the book.
    Tlista_wpisow(QWidget* rodzic, RodzajBazy rodzaj, bool wybor);

    RodzajBazy rodzaj() const { return rodzaj_; }
    bool wybor() const { return wybor_; }

    // The book as this window holds it; only "OK" writes it to its file.
    TablicaWpisow& tablica() { return tablica_; }
    const TablicaWpisow& tablica() const { return tablica_; }

    // The selected entry's position, or count + 1 when nothing is selected.
    int zaznaczony_el_w_bazie() const;
    // Sorts the table and lists it again; the selection is lost.
    void odswiezenie_listy();

    // The entry confirmed with "OK" while picking, if any.
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

  public:
    void done(int wynik) override;  // remembers the window's size

  protected:
    bool event(QEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void showEvent(QShowEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;

  private:
    void zbuduj();
    void polaczenia();
    void przypisanie_label();
    void wypelnij_liste();
    QWidget* rodzic_komunikatow();
    QString klucz_pamieci() const;
    void ustaw_rozmiar(bool z_kontem);

    const RodzajBazy rodzaj_;
    const bool wybor_;
    TablicaWpisow tablica_;
    std::optional<Twpis_bazy> wybrany_;
    bool odczyt_niepelny_ = false;  // the book file could not be read to its end
    WynikOdczytu odczyt_;           // the file as read or last written
    TablicaWpisow wczytana_;        // the entries as read: unchanged ones are not written
    bool zmieniona_ = false;        // an entry was added, edited or removed
};

// The main window's book commands: the book to manage, over `rodzic`.
void zarzadzanie_baza(QWidget* rodzic, RodzajBazy rodzaj);

// Opens a book to pick from over `rodzic` (the transfer editor) and waits;
// the confirmed entry, or nothing when the user cancelled.
std::optional<Twpis_bazy> wybor_wpisu(QWidget* rodzic, RodzajBazy rodzaj);
