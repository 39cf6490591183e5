#pragma once

#include "register/rejestr.h"

#include <QMainWindow>

#include <optional>
#include <utility>

class FiltrListy;
class ModelListyPrzelewow;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QTreeView;

// The main window: the list of orders and every command of the program. It
// owns the register and follows its signals. Its handlers are spread by
// subsystem, all in this folder: building the window in budowa.cpp; the list
// in glowny.cpp; the file commands in pliki.cpp; start-up and closing in
// start.cpp; the commands that open other windows in glowny_edycja.cpp,
// glowny_druk.cpp, glowny_bazy.cpp, glowny_dodatki.cpp, glowny_inne.cpp and
// glowny_bank.cpp.
class Tglowne_okno : public QMainWindow {
    Q_OBJECT
  public:
    explicit Tglowne_okno(QWidget* rodzic = nullptr);
    ~Tglowne_okno() override;

    Rejestr rejestr;

    // --- the table and the list
    int ilosc_el() const { return rejestr.ilosc(); }
    int zaznaczony_el();  // the selected row, or items + 1 when none is selected
    void odswiezanie();   // the list shows no sort any more, then ListViewClick
    void ListViewClick();
    void ListViewColumnClick(int kolumna);
    void Usun();
    void Cofnij();                // Ctrl+Z: the orders of the last "Usuń" back in their places
    void zaznacz_wiersz(int nr);  // selects row nr (from 1) as a click would
    // Row (from 1) of the register shown at the list's line `linia` (from 0), and back.
    int wiersz_linii(int linia) const;
    int linia_wiersza(int nr) const;

    // --- find (filtr_listy.cpp): the list keeps the orders that contain the text
    void pokaz_szukanie();
    void ukryj_szukanie();  // clears the text too
    void szukanie_zmienione(const QString& tekst);

    // --- recent files (ostatnie.cpp)
    void dodaj_do_ostatnich(const QString& sciezka);
    void odswiez_menu_ostatnich();
    void otworz_ostatni(const QString& sciezka);
    void wyczysc_ostatnie();
    QStringList ostatnie_pliki;

    // --- transfer files (pliki.cpp)
    void FileNew1Execute();
    void FileOpen1Execute();
    bool FileSave1Execute();  // true when the collection was written
    bool FileSaveAs1Execute();
    void otwieranie_pliku(const QString& sciezka);
    void ustaw_filtry_dialogow();  // done once at start-up

    // --- start-up and closing (start.cpp)
    void watek_zakonczony();
    void FileExit1Execute();
    QString argument_startowy;  // the file named on the command line
    bool pierwsze_uruchomienie = false;

    // --- transfer editor (glowny_edycja.cpp)
    void ListViewNew();
    void edycja();

    // --- printing (glowny_druk.cpp)
    void drukowanieClick();
    void print_previewClick();
    void ustawieniaClick();

    // --- address books (glowny_bazy.cpp)
    void baza_odbClick();
    void baza_nadClick();
    void baza_tytClick();

    // --- paying from a bank (glowny_bank.cpp)
    void zaplac_telefonemClick();
    void eksport_do_bankuClick();
    void powiel_przelewClick();
    // The selected rows (from 1) in list order; empty when none is selected.
    QList<int> zaznaczone_el();
    // With at least `od_ilu` but not all orders selected, asks whether an export
    // takes only them. `numery` gets the rows to export; false when cancelled.
    bool numery_do_eksportu(const QString& tytul, QList<int>& numery, int od_ilu);

    // --- extras (glowny_dodatki.cpp, glowny_inne.cpp)
    void EksportujdoCSV1Click();
    void statystykiClick();
    void aktualizacjeClick();
    void btn_update_downloadClick();
    void pokaz_informacje_o_aktualizacji(const QString& wersja_nowa,
                                         const QString& adres_pobierania);
    void Pomoc1Click();
    void o_programieClick();
    void dodaj_mnie();

    // --- controls, named as the program knows them
    QTreeView* ListView = nullptr;
    ModelListyPrzelewow* model_listy = nullptr;
    FiltrListy* filtr_listy = nullptr;  // between the model and the view
    QWidget* pasek_szukania = nullptr;
    QLineEdit* pole_szukania = nullptr;
    QToolButton* zamknij_szukanie = nullptr;
    QLabel* l_znalezione = nullptr;  // "N z M przelewów" in the status bar
    QMenu* menu_ostatnich = nullptr;
    QMenu* listviewMENU = nullptr;
    QLabel* l_update_info = nullptr;
    QToolButton* btn_update_download = nullptr;
    QString adres_pobierania;

    // tool bar
    QAction* ToolButton9 = nullptr;          // Nowy
    QAction* ToolButton1 = nullptr;          // Otwórz
    QAction* btn_zapisz_do_pliku = nullptr;  // Zapisz
    QAction* tbn_stats = nullptr;
    QAction* btn_eksportCSV = nullptr;
    QAction* Printbutton = nullptr;
    QAction* ToolButton6 = nullptr;  // Podgląd wydruku
    QAction* ToolButton4 = nullptr;  // Nowy przelew
    QAction* edycja_button_toolbar = nullptr;
    QAction* usun_przycisk = nullptr;
    QAction* baza_odb = nullptr;
    QAction* baza_nad = nullptr;
    QAction* baza_tyt = nullptr;
    QAction* ustawienia = nullptr;
    QAction* ToolButton8 = nullptr;            // Pomoc
    QAction* akcja_update_download = nullptr;  // holds btn_update_download in the tool bar
    QAction* akcja_update_info = nullptr;

    // menu bar
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSaveItem = nullptr;
    QAction* FileSaveAs1 = nullptr;
    QAction* Statystykibazy1 = nullptr;
    QAction* EksportujdoCSV1 = nullptr;
    QAction* podglad_wydruku_menu = nullptr;
    QAction* Drukuj_menu = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* Nowyprzelew1 = nullptr;
    QAction* Edytujprzelew1 = nullptr;
    QAction* Usuprzelew_menu = nullptr;
    QAction* Bazaodbiorcow1 = nullptr;
    QAction* Bazanadawcow1 = nullptr;
    QAction* Bazatytulow1 = nullptr;
    QAction* Ustawieniaprogramu1 = nullptr;
    QAction* Pomoc1 = nullptr;
    QAction* o_programie = nullptr;
    QAction* dodaj_mnie_menu = nullptr;
    QAction* aktualizacje = nullptr;
    QAction* EksportDoBanku1 = nullptr;   // "Plik": the Elixir-0 file
    QAction* Zaplactelefonem1 = nullptr;  // "Vandoria": the payment code
    QAction* Powielprzelew1 = nullptr;    // "Vandoria": Ctrl+K
    QAction* Cofnij1 = nullptr;           // "Vandoria": Ctrl+Z
    QAction* Znajdz1 = nullptr;           // "Vandoria": the find field

    // pop-up menu of the list, items 0..4
    QAction* popup_edytuj = nullptr;
    QAction* popup_usun = nullptr;
    QAction* popup_nowy = nullptr;
    QAction* popup_podglad = nullptr;
    QAction* popup_drukuj = nullptr;
    QAction* popup_zaplac = nullptr;  // after the five: "Zapłać telefonem"

    // File dialogs' filters; the window starts with the old one until start-up sets them.
    QString filtr_otwierania;
    QString filtr_zapisu;
    QString domyslne_rozszerzenie;

  protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void dragEnterEvent(QDragEnterEvent* zdarzenie) override;
    void dragMoveEvent(QDragMoveEvent* zdarzenie) override;
    void dropEvent(QDropEvent* zdarzenie) override;

  private:
    static constexpr int szerokosc_najmniejsza = 786;
    void zbuduj_akcje();
    void zbuduj_szukanie();
    void ustaw_pierwszy_rozmiar();
    void sortowanie_nieaktualne(int nr);
    void zbuduj_menu();
    void zbuduj_pasek_narzedzi();
    void zbuduj_liste();
    void polacz_polecenia();
    void ustaw_zapisz_dostepne(bool tak);
    void FormShow();
    void ustaw_tytul();
    bool zapis_do_pliku_przelewow();
    bool zapytaj_o_druga_kopie(const QString& sciezka, bool& tylko_do_odczytu);
    void zglos_otwarcie(const SesjaPliku::Otwarcie& otwarcie);
    SesjaPliku::Decyzja pytanie_zapisu(const SesjaPliku::Kwestia& kwestia);
    bool zapisz_pod_nazwa(const QString& tekst_nadpisania);
    // The asking of "Nowy", "Otwórz" and closing: true when the command may go on.
    bool zapytaj_o_zapis(const QString& tytul, const QString& tekst);

    bool pokazane_ = false;
    int kolumna_sortu_ = -1;  // what the header's arrow claims, while it still holds
    bool malejaco_ = false;
    // The last "Usuń": each order with the row (from 1) it had, in ascending rows.
    QList<QPair<int, Tprzelew>> usuniete_;
    // The sort made since that "Usuń" (column, descending), if any.
    std::optional<std::pair<int, bool>> sort_po_usunieciu_;
};

// "Krótko|Długo": the short part is the tool tip, the long one goes to the status bar.
void ustaw_podpowiedz(QAction* akcja, const QString& podpowiedz);
