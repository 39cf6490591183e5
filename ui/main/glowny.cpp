#include "ui/main/glowny.h"

#include "register/pliki_przelewow.h"
#include "register/sortowanie.h"
#include "ui/czcionki.h"
#include "ui/dialogi.h"
#include "ui/main/lista_przelewow.h"
#include "ui/obrazki.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

using Dialogi::Ikona;
using Dialogi::Odpowiedz;
using Dialogi::Przyciski;

namespace {

const QString filtr_poczatkowy = u"Baza przelewow (*.vando)|*.vando"_s;
const QString tekst_zmodyfikowana = u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s;
const QString tekst_bledu_zapisu = u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s;

QString nazwa_formatu(int wersja) {
    return wersja == 2 ? u"\"Baza przelewów ver.2 (*.p2)\""_s : u"\"Baza przelewów (*.vando)\""_s;
}

}  // namespace

void ustaw_podpowiedz(QAction* akcja, const QString& podpowiedz) {
    const qsizetype kreska = podpowiedz.indexOf(u'|');
    const QString krotka = kreska < 0 ? podpowiedz : podpowiedz.left(kreska).trimmed();
    const QString dluga = kreska < 0 ? podpowiedz : podpowiedz.mid(kreska + 1).trimmed();
    akcja->setToolTip(krotka);
    akcja->setStatusTip(dluga);
}

Tglowne_okno::Tglowne_okno(QWidget* rodzic)
    : QMainWindow(rodzic), filtr_otwierania(filtr_poczatkowy), filtr_zapisu(filtr_poczatkowy) {
    setObjectName(u"Tglowne_okno"_s);
    ustaw_zastepstwa_czcionek();
    QFont czcionka(u"Tahoma"_s);
    czcionka.setPixelSize(12);
    setFont(czcionka);
    setWindowIcon(QIcon(u":/zasoby/vandoria.png"_s));

    zbuduj_akcje();
    zbuduj_menu();
    zbuduj_pasek_narzedzi();
    zbuduj_liste();
    polacz_polecenia();
    statusBar()->setSizeGripEnabled(true);

    ustaw_tytul();
    setMinimumSize(786, 200);
    resize(778, 646);
    if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        const QRect obszar = ekran->availableGeometry();
        move(obszar.center() - rect().center());
    }
    ListViewClick();
}

Tglowne_okno::~Tglowne_okno() = default;

// --- building the window -----------------------------------------------------------------

void Tglowne_okno::zbuduj_akcje() {
    auto akcja = [this](const QString& tekst, const QString& podpowiedz, const QIcon& ikona = {},
                        const QKeySequence& skrot = {}) {
        auto* a = new QAction(ikona, tekst, this);
        if (!podpowiedz.isEmpty()) ustaw_podpowiedz(a, podpowiedz);
        if (!skrot.isEmpty()) a->setShortcut(skrot);
        return a;
    };
    QStyle* s = style();
    const QIcon i_nowy = s->standardIcon(QStyle::SP_FileIcon);
    const QIcon i_otworz = s->standardIcon(QStyle::SP_DialogOpenButton);
    const QIcon i_zapisz = s->standardIcon(QStyle::SP_DialogSaveButton);
    const QIcon i_stat = s->standardIcon(QStyle::SP_FileDialogDetailedView);
    const QIcon i_csv = s->standardIcon(QStyle::SP_FileDialogListView);
    const QIcon i_druk = ikona_z_para(u"PRINT"_s);
    const QIcon i_podglad = ikona_z_para(u"PRINT_PREVIEW"_s);
    const QIcon i_nowy_przelew = s->standardIcon(QStyle::SP_FileDialogNewFolder);
    const QIcon i_edytuj = ikona_z_para(u"EDIT"_s);
    const QIcon i_usun = ikona_z_para(u"DELETE"_s);
    const QIcon i_baza = s->standardIcon(QStyle::SP_DirHomeIcon);
    const QIcon i_baza_nad = s->standardIcon(QStyle::SP_ComputerIcon);
    const QIcon i_baza_tyt = s->standardIcon(QStyle::SP_FileDialogContentsView);
    const QIcon i_ustawienia = s->standardIcon(QStyle::SP_FileDialogInfoView);
    const QIcon i_pomoc = s->standardIcon(QStyle::SP_DialogHelpButton);

    // tool bar
    ToolButton9 = akcja(u"Nowy"_s, u"Nowy|Stwórz nowy zbiór przelewów"_s, i_nowy);
    ToolButton1 = akcja(u"Otwórz"_s, u"Otwórz|Otwórz zbiór przelewów"_s, i_otworz);
    btn_zapisz_do_pliku =
        akcja(u"Zapisz"_s, u"Zapisz|Zapisz bieżący zbiór przelewów"_s, i_zapisz);
    tbn_stats = akcja(u"Statystyki"_s, u"Pokaż statystyki"_s, i_stat);
    btn_eksportCSV = akcja(
        u"Eksportuj do CSV "_s,
        u"Eksportuj do CSV | Eksportuje całą bazę do pliku, który można otworzyć we wszystkich arkuszach kalkulacyjnych"_s,
        i_csv);
    Printbutton =
        akcja(u"Drukuj"_s, u"Drukuj zaznaczony przelew|Drukuj zaznaczony przelew"_s, i_druk);
    ToolButton6 =
        akcja(u"Podgląd wydruku"_s, u"Pokaż podgląd wydruku zaznaczonego przelewu"_s, i_podglad);
    ToolButton4 = akcja(u"Nowy przelew"_s, u"Nowy przelew|Stwórz nowy przelew"_s, i_nowy_przelew);
    edycja_button_toolbar = akcja(u"Edytuj"_s, u"Edytuj zaznaczony przelew"_s, i_edytuj);
    usun_przycisk =
        akcja(u"Usuń"_s, u"Usuń zaznaczony przelew|Usuwa zaznaczony przelew"_s, i_usun);
    baza_odb = akcja(u"Baza odbiorców"_s, u"Otwórz okno bazy odbiorców"_s, i_baza);
    baza_nad = akcja(u"Baza nadawców"_s, u"Otwórz okno bazy nadawców"_s, i_baza_nad);
    baza_tyt = akcja(u"Baza tytułów"_s, u"Otwórz okno bazy tytułów"_s, i_baza_tyt);
    ustawienia =
        akcja(u"Ustawienia programu"_s, u"Zmień domyśle ustawienia programu"_s, i_ustawienia);
    ToolButton8 =
        akcja(u"Pomoc"_s, u"Dowiedz się więcej o programie i uzyskaj pomoc!"_s, i_pomoc);

    // menu bar
    FileNew1 = akcja(u"Nowy"_s, u"Nowy|Stwórz nowy zbiór przelewów"_s, i_nowy,
                     QKeySequence(u"Ctrl+N"_s));
    FileOpen1 = akcja(u"Otwórz"_s, u"Otwórz|Otwórz zbiór przelewów"_s, i_otworz,
                      QKeySequence(u"Ctrl+O"_s));
    FileSaveItem =
        akcja(u"Zapisz"_s, u"Zapisz|Zapisz bieżący plik"_s, i_zapisz, QKeySequence(u"Ctrl+S"_s));
    FileSaveAs1 =
        akcja(u"Zapisz jako..."_s, u"Zapisz jako|Zapisz zbiór przelewów z inną nazwą"_s);
    Statystykibazy1 = akcja(u"Statystyki bazy"_s, {}, i_stat);
    EksportujdoCSV1 = akcja(
        u"Eksportuj do CSV"_s,
        u"Eksportuj do CSV | Eksportuje całą bazę do pliku, który można otworzyć we wszystkich arkuszach kalkulacyjnych"_s,
        i_csv);
    podglad_wydruku_menu =
        akcja(u"Podgląd wydruku"_s, u"Podgląd wydruku zaznaczonego przelewu"_s, i_podglad);
    Drukuj_menu =
        akcja(u"Drukuj"_s, u"Drukuj zaznaczony przelew"_s, i_druk, QKeySequence(u"Ctrl+P"_s));
    FileExit1 = akcja(u"Wyjdź"_s, u"Wyjdź z programu"_s);
    Nowyprzelew1 = akcja(u"Nowy przelew"_s, u"Stwórz nowy przelew"_s, i_nowy_przelew,
                         QKeySequence(u"Ctrl+A"_s));
    Edytujprzelew1 = akcja(u"Edytuj przelew"_s, u"Edytuj zaznaczony przelew"_s, i_edytuj,
                           QKeySequence(u"Ctrl+E"_s));
    Usuprzelew_menu = akcja(u"Usuń przelew"_s, u"Usuń zaznaczony przelew"_s, i_usun,
                            QKeySequence(u"Ctrl+U"_s));
    Bazaodbiorcow1 = akcja(u"Baza odbiorców"_s, u"Otwórz okno bazy odbiorców"_s, i_baza,
                           QKeySequence(u"Ctrl+D"_s));
    Bazanadawcow1 = akcja(u"Baza nadawców"_s, u"Otwórz okno bazy nadawców"_s, i_baza_nad,
                          QKeySequence(u"Ctrl+F"_s));
    Bazatytulow1 = akcja(u"Baza tytułów"_s, u"Otwórz okno bazy tytułów"_s, i_baza_tyt,
                         QKeySequence(u"Ctrl+G"_s));
    Ustawieniaprogramu1 =
        akcja(u"Ustawienia programu"_s, u"Zmień domyśle ustawienia programu"_s, i_ustawienia);
    Pomoc1 = akcja(u"Pomoc"_s, {}, i_pomoc, QKeySequence(Qt::Key_F1));
    o_programie = akcja(u"O programie..."_s, u"Dowiedz się więcej o programie i uzyskaj pomoc!"_s,
                        {}, QKeySequence(Qt::Key_F2));
    dodaj_mnie_menu =
        akcja(u"Dodaj do listy przelew do autora programu"_s, {}, {}, QKeySequence(Qt::Key_F3));
    aktualizacje = akcja(
        u"Sprawdź, czy są dostępne aktualizacje"_s,
        u"Sprawdź, czy są dostepne aktualizacje programu, z poprawionymi bugami dodanymi nowymi możliwościami."_s,
        {}, QKeySequence(Qt::Key_F4));

    // pop-up menu of the list
    popup_edytuj = akcja(u"Edytuj"_s, u"Otwiera okno pozwalające na edycję przelewu"_s);
    popup_usun = akcja(u"Usuń"_s, u"Usuwa aktualnie zaznaczony porzelew"_s);
    popup_nowy =
        akcja(u"Nowy przelew"_s, u"Otwiera okno pozwalające na stworzenie nowego przelewu"_s,
              i_nowy_przelew);
    popup_podglad = akcja(u"Podgląd wydruku"_s,
                          u"Pokazuje podgląd wydruku aktualnie zaznaczonego przelewu"_s);
    popup_drukuj = akcja(u"Drukuj"_s, u"Drukuje aktualnie zaznaczony przelew"_s);

    // paying from a bank
    EksportDoBanku1 = akcja(
        u"Eksport do banku..."_s,
        u"Eksport do banku|Zapisuje przelewy w pliku Elixir-0 (.pli) do importu w bankowości internetowej"_s);
    Zaplactelefonem1 = akcja(
        u"Zapłać telefonem"_s,
        u"Zapłać telefonem|Pokazuje kod QR zaznaczonego przelewu dla aplikacji banku"_s);
    Powielprzelew1 = akcja(u"Powiel przelew"_s,
                           u"Tworzy nowy przelew na wzór zaznaczonego, bez daty"_s, {},
                           QKeySequence(u"Ctrl+K"_s));
    Cofnij1 = akcja(u"Cofnij usunięcie"_s, u"Przywraca ostatnio usunięte przelewy na ich miejsca"_s,
                    {}, QKeySequence(u"Ctrl+Z"_s));
    popup_zaplac = akcja(u"Zapłać telefonem"_s,
                         u"Pokazuje kod QR aktualnie zaznaczonego przelewu dla aplikacji banku"_s);
}

void Tglowne_okno::zbuduj_menu() {
    QMenu* plik = menuBar()->addMenu(u"&Plik"_s);
    plik->addActions({FileNew1, FileOpen1, FileSaveItem, FileSaveAs1});
    plik->addSeparator();
    plik->addActions(
        {Statystykibazy1, EksportujdoCSV1, EksportDoBanku1, podglad_wydruku_menu, Drukuj_menu});
    plik->addSeparator();
    plik->addAction(FileExit1);

    QMenu* vandoria = menuBar()->addMenu(u"&Vandoria"_s);
    vandoria->addActions({Nowyprzelew1, Edytujprzelew1, Usuprzelew_menu, Cofnij1});
    vandoria->addSeparator();
    vandoria->addActions({Powielprzelew1, Zaplactelefonem1});

    QMenu* baza = menuBar()->addMenu(u"&Baza"_s);
    baza->addActions({Bazaodbiorcow1, Bazanadawcow1, Bazatytulow1});

    QMenu* opcje = menuBar()->addMenu(u"&Opcje"_s);
    opcje->addAction(Ustawieniaprogramu1);

    QMenu* inne = menuBar()->addMenu(u"&Inne"_s);
    inne->menuAction()->setStatusTip(u"Dowiedz się więcej o programie i uzyskaj pomoc!"_s);
    inne->addActions({Pomoc1, o_programie, dodaj_mnie_menu, aktualizacje});

    listviewMENU = new QMenu(this);
    listviewMENU->addActions({popup_edytuj, popup_usun, popup_nowy, popup_podglad, popup_drukuj});
    listviewMENU->addSeparator();
    listviewMENU->addAction(popup_zaplac);
}

void Tglowne_okno::zbuduj_pasek_narzedzi() {
    QToolBar* pasek = addToolBar(u"Pasek narzędzi"_s);
    pasek->setObjectName(u"pasek_narzedzi"_s);
    pasek->setMovable(false);
    pasek->setIconSize(QSize(16, 16));
    pasek->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pasek->addActions({ToolButton9, ToolButton1, btn_zapisz_do_pliku});
    pasek->addSeparator();
    pasek->addActions({tbn_stats, btn_eksportCSV});
    pasek->addSeparator();
    pasek->addActions({Printbutton, ToolButton6});
    pasek->addSeparator();
    pasek->addActions({ToolButton4, edycja_button_toolbar, usun_przycisk});
    pasek->addSeparator();
    pasek->addActions({baza_odb, baza_nad, baza_tyt});
    pasek->addSeparator();
    pasek->addActions({ustawienia, ToolButton8});
    for (QAction* a : pasek->actions())
        if (QWidget* w = pasek->widgetForAction(a); w && !a->isSeparator()) w->setFixedSize(25, 28);

    l_update_info = new QLabel(pasek);
    l_update_info->setObjectName(u"l_update_info"_s);
    l_update_info->setFixedSize(239, 28);
    l_update_info->setAlignment(Qt::AlignCenter);
    l_update_info->setWordWrap(true);
    akcja_update_info = pasek->addWidget(l_update_info);

    btn_update_download = new QToolButton(pasek);
    btn_update_download->setObjectName(u"btn_update_download"_s);
    btn_update_download->setText(u"Pobierz!"_s);
    btn_update_download->setFixedSize(89, 28);
    akcja_update_download = pasek->addWidget(btn_update_download);
    akcja_update_download->setVisible(false);
}

void Tglowne_okno::zbuduj_liste() {
    model_listy = new ModelListyPrzelewow(rejestr, this);
    ListView = new QTreeView(this);
    ListView->setObjectName(u"ListView"_s);
    ListView->setModel(model_listy);
    ListView->setRootIsDecorated(false);
    ListView->setItemsExpandable(false);
    ListView->setUniformRowHeights(true);
    ListView->setIconSize(QSize(12, 12));  // the warning mark of a wrong account number
    ListView->setAllColumnsShowFocus(true);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Shift and Ctrl select several orders for printing, deleting and exporting.
    ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSortingEnabled(false);
    ListView->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView->header()->setSectionsClickable(true);
    ListView->header()->setSectionsMovable(false);
    // A widened window widens the last column rather than leaving a blank strip.
    ListView->header()->setStretchLastSection(true);
    ListView->header()->setSortIndicatorShown(true);
    ListView->header()->setSortIndicator(-1, Qt::AscendingOrder);
    const int szerokosci[] = {189, 201, 188, 100, 99};
    for (int i = 0; i < 5; ++i) ListView->setColumnWidth(i, szerokosci[i]);
    // A whole account number must never be cut, whatever font stands in for Tahoma.
    const int konto =
        ListView->fontMetrics().horizontalAdvance(u"00 0000 0000 0000 0000 0000 0000"_s) + 16;
    // The title column gives up what the account needs, so the five still fit the window.
    if (konto > 188) {
        ListView->setColumnWidth(2, konto);
        ListView->setColumnWidth(1, std::max(120, 201 - (konto - 188)));
    }
    ListView->installEventFilter(this);
    ListView->viewport()->installEventFilter(this);
    setCentralWidget(ListView);
}

void Tglowne_okno::polacz_polecenia() {
    auto polacz = [this](QAction* a, void (Tglowne_okno::*polecenie)()) {
        connect(a, &QAction::triggered, this, [this, polecenie] { (this->*polecenie)(); });
    };
    for (QAction* a : {ToolButton9, FileNew1}) polacz(a, &Tglowne_okno::FileNew1Execute);
    for (QAction* a : {ToolButton1, FileOpen1}) polacz(a, &Tglowne_okno::FileOpen1Execute);
    for (QAction* a : {btn_zapisz_do_pliku, FileSaveItem})
        connect(a, &QAction::triggered, this, [this] { FileSave1Execute(); });
    connect(FileSaveAs1, &QAction::triggered, this, [this] { FileSaveAs1Execute(); });
    for (QAction* a : {tbn_stats, Statystykibazy1}) polacz(a, &Tglowne_okno::statystykiClick);
    for (QAction* a : {btn_eksportCSV, EksportujdoCSV1})
        polacz(a, &Tglowne_okno::EksportujdoCSV1Click);
    for (QAction* a : {Printbutton, Drukuj_menu, popup_drukuj})
        polacz(a, &Tglowne_okno::drukowanieClick);
    for (QAction* a : {ToolButton6, podglad_wydruku_menu, popup_podglad})
        polacz(a, &Tglowne_okno::print_previewClick);
    polacz(FileExit1, &Tglowne_okno::FileExit1Execute);
    for (QAction* a : {ToolButton4, Nowyprzelew1, popup_nowy})
        polacz(a, &Tglowne_okno::ListViewNew);
    for (QAction* a : {edycja_button_toolbar, Edytujprzelew1, popup_edytuj})
        polacz(a, &Tglowne_okno::edycja);
    for (QAction* a : {usun_przycisk, Usuprzelew_menu, popup_usun}) polacz(a, &Tglowne_okno::Usun);
    for (QAction* a : {baza_odb, Bazaodbiorcow1}) polacz(a, &Tglowne_okno::baza_odbClick);
    for (QAction* a : {baza_nad, Bazanadawcow1}) polacz(a, &Tglowne_okno::baza_nadClick);
    for (QAction* a : {baza_tyt, Bazatytulow1}) polacz(a, &Tglowne_okno::baza_tytClick);
    for (QAction* a : {ustawienia, Ustawieniaprogramu1}) polacz(a, &Tglowne_okno::ustawieniaClick);
    for (QAction* a : {ToolButton8, Pomoc1}) polacz(a, &Tglowne_okno::Pomoc1Click);
    polacz(o_programie, &Tglowne_okno::o_programieClick);
    polacz(dodaj_mnie_menu, &Tglowne_okno::dodaj_mnie);
    polacz(aktualizacje, &Tglowne_okno::aktualizacjeClick);
    polacz(EksportDoBanku1, &Tglowne_okno::eksport_do_bankuClick);
    for (QAction* a : {Zaplactelefonem1, popup_zaplac}) polacz(a, &Tglowne_okno::zaplac_telefonemClick);
    polacz(Powielprzelew1, &Tglowne_okno::powiel_przelewClick);
    polacz(Cofnij1, &Tglowne_okno::Cofnij);
    // Arrows, Home, Shift and the like select as a click does: the commands follow.
    connect(ListView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ListViewClick(); });
    connect(btn_update_download, &QToolButton::clicked, this,
            [this] { btn_update_downloadClick(); });

    connect(ListView, &QTreeView::doubleClicked, this, [this] { edycja(); });
    connect(ListView->header(), &QHeaderView::sectionClicked, this,
            [this](int kolumna) { ListViewColumnClick(kolumna); });
    connect(ListView, &QTreeView::customContextMenuRequested, this, [this](const QPoint& punkt) {
        ListViewClick();
        listviewMENU->popup(ListView->viewport()->mapToGlobal(punkt));
    });
}

bool Tglowne_okno::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ListView->viewport()) {
        if (zdarzenie->type() == QEvent::MouseButtonPress) {
            // A click beside the items clears the selection, as in a list view.
            const auto* mysz = static_cast<QMouseEvent*>(zdarzenie);
            if (!ListView->indexAt(mysz->position().toPoint()).isValid()) {
                ListView->selectionModel()->clear();
            }
        } else if (zdarzenie->type() == QEvent::MouseButtonRelease) {
            ListViewClick();
        }
    } else if (obiekt == ListView && zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Delete) {
            Usun();
            return true;
        }
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            edycja();
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

// --- the table and the list --------------------------------------------------------------

int Tglowne_okno::ilosc_el() {
    rejestr.ilosc_przelewow = rejestr.tablica_przelewow.ilosc_el();
    return rejestr.ilosc_przelewow;
}

int Tglowne_okno::zaznaczony_el() {
    const QModelIndexList wybrane = ListView->selectionModel()->selectedRows();
    if (wybrane.isEmpty()) return model_listy->rowCount() + 1;
    // Of several selected orders, the current one (the last clicked) is the one edited.
    const QModelIndex biezacy = ListView->currentIndex();
    if (biezacy.isValid() && ListView->selectionModel()->isRowSelected(biezacy.row()))
        return biezacy.row() + 1;
    int pierwszy = wybrane.constFirst().row();
    for (const QModelIndex& i : wybrane) pierwszy = std::min(pierwszy, i.row());
    return pierwszy + 1;
}

void Tglowne_okno::sortowanie(int k) { rejestr.tablica_przelewow.sortowanie(k); }

void Tglowne_okno::odswiezanie() {
    model_listy->przebuduj(ilosc_el());
    // The arrow shows the last sort only until the list is rebuilt for anything else.
    ListView->header()->setSortIndicator(-1, Qt::AscendingOrder);
    ListViewClick();
}

void Tglowne_okno::dopisz_wiersz_listy() { model_listy->dopisz_wiersz(); }

void Tglowne_okno::odswiez_wiersz_listy(int nr) { model_listy->odswiez_wiersz(nr); }

void Tglowne_okno::zaznacz_wiersz(int nr) {
    ListView->selectionModel()->clear();
    if (nr >= 1 && nr <= model_listy->rowCount()) {
        ListView->selectionModel()->select(
            model_listy->index(nr - 1, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ListView->setCurrentIndex(model_listy->index(nr - 1, 0));
    }
    ListViewClick();
}

void Tglowne_okno::ustaw_zapisz_dostepne(bool tak) {
    btn_zapisz_do_pliku->setEnabled(tak);
    FileSaveItem->setEnabled(tak);
}

void Tglowne_okno::ListViewClick() {
    const int s = zaznaczony_el();
    const int n = ilosc_el();
    const bool wybrany = s <= n;
    for (QAction* a : {Printbutton, ToolButton6, edycja_button_toolbar, usun_przycisk,
                       podglad_wydruku_menu, Drukuj_menu, Edytujprzelew1, Usuprzelew_menu,
                       popup_edytuj, popup_usun, popup_podglad, popup_drukuj, Zaplactelefonem1,
                       popup_zaplac, Powielprzelew1})
        a->setEnabled(wybrany);
    const QString stan = wybrany ? u"_E"_s : u"_D"_s;
    popup_edytuj->setIcon(obrazek(u"EDIT"_s + stan));
    popup_usun->setIcon(obrazek(u"DELETE"_s + stan));
    popup_podglad->setIcon(obrazek(u"PRINT_PREVIEW"_s + stan));
    popup_drukuj->setIcon(obrazek(u"PRINT"_s + stan));
    ustaw_zapisz_dostepne(rejestr.plik_zmieniony);
    Cofnij1->setEnabled(!usuniete_.isEmpty());
}

void Tglowne_okno::ListViewColumnClick(int kolumna) {
    ilosc_el();
    const bool malejaco = sortuj_po_kolumnie(rejestr.tablica_przelewow, kolumna);
    // Row numbers mean other orders now: a deletion can no longer be put back.
    usuniete_.clear();
    odswiezanie();
    if (kolumna >= 0 && kolumna <= 4)
        ListView->header()->setSortIndicator(kolumna,
                                             malejaco ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void Tglowne_okno::Usun() {
    rejestr.plik_zmieniony = true;
    ustaw_zapisz_dostepne(true);
    rejestr.plik_ma_nazwe = true;
    const QList<int> numery = zaznaczone_el();
    if (numery.isEmpty()) {
        rejestr.tablica_przelewow.usun(zaznaczony_el());
    } else {
        usuniete_.clear();
        for (const int k : numery) usuniete_.append({k, rejestr.tablica_przelewow[k]});
    }
    // From the last, so that the rows still to go keep their numbers.
    for (auto k = numery.crbegin(); k != numery.crend(); ++k) rejestr.tablica_przelewow.usun(*k);
    odswiezanie();
}

void Tglowne_okno::Cofnij() {
    if (usuniete_.isEmpty()) return;
    TablicaPrzelewow& t = rejestr.tablica_przelewow;
    if (t.ilosc_el() + usuniete_.size() > TablicaPrzelewow::pojemnosc) {
        Dialogi::komunikat(this,
                           u"Lista przelewów jest pełna: usuniętych przelewów nie da się "
                           u"przywrócić."_s,
                           u"Cofnij usunięcie"_s, Ikona::Blad);
        return;
    }
    // In ascending order each goes back to the number it had, ahead of the rows after it.
    QList<int> przywrocone;
    for (const UsunietyPrzelew& u : std::as_const(usuniete_)) {
        const int n = t.ilosc_el();
        const int k = std::min(u.nr, n + 1);
        for (int i = n; i >= k; --i) t[i + 1] = t[i];
        t[k] = u.przelew;
        przywrocone << k;
    }
    usuniete_.clear();
    rejestr.plik_zmieniony = true;
    odswiezanie();
    QItemSelectionModel* wybor = ListView->selectionModel();
    for (const int k : przywrocone)
        wybor->select(model_listy->index(k - 1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ListViewClick();
}

// --- transfer files ----------------------------------------------------------------------

void Tglowne_okno::ustaw_tytul() {
    setWindowTitle(rejestr.sciezka_pliku.isEmpty()
                       ? u"Vandoria"_s
                       : u"Vandoria - ["_s + rejestr.sciezka_pliku + u']');
}

void Tglowne_okno::ustaw_filtry_dialogow() {
    filtr_otwierania =
        u"Wszystkie obsługiwane formaty (*.vando, *.p2)|*.vando;*.p2|Baza przelewów "
        u"(*.vando)|*.vando|"
        u"Baza przelewów ver.2 (*.p2)|*.p2"_s;
    filtr_zapisu = u"Baza przelewów ver.2 (*.p2)|*.p2|Baza przelewów (*.vando)|*.vando"_s;
    domyslne_rozszerzenie = u"p2"_s;
}

void Tglowne_okno::otwieranie_pliku(const QString& sciezka) {
    rejestr.sciezka_nieotwarta = false;
    rejestr.wersja_pliku = 0;
    rejestr.plik_ponad_1000.clear();
    if (!QFileInfo::exists(sciezka)) {
        Dialogi::komunikat(this, u"Podany plik nie istnieje lub jest uszkodzony!"_s,
                           u"Nie można otworzyć pliku."_s, Ikona::Blad);
        rejestr.sciezka_pliku.clear();
        return;
    }
    usuniete_.clear();
    const WynikOdczytu wynik = czytaj_przelewy(sciezka, rejestr.tablica_przelewow);
    if (wynik.stan == WynikOdczytu::ok) {
        ustaw_tytul();
        if (wynik.wersja != typ_pliku(sciezka)) rejestr.wersja_pliku = wynik.wersja;
        if (wynik.za_duzo) rejestr.plik_ponad_1000 = sciezka;
    } else {
        Dialogi::komunikat(this, u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s,
                           u"Błąd odczytu!"_s, Ikona::Blad);
        rejestr.sciezka_pliku.clear();
    }
    odswiezanie();
    if (rejestr.wersja_pliku != 0) {
        Dialogi::komunikat(this,
                           u"Rozmiar pliku pasuje do formatu %1, a nie do formatu wskazanego "
                           u"przez rozszerzenie nazwy.\n"
                           u"Plik został wczytany w formacie %1 i w tym formacie zostanie "
                           u"zapisany."_s.arg(nazwa_formatu(rejestr.wersja_pliku)),
                           u"Otwieranie pliku"_s, Ikona::Informacja);
    }
    if (wynik.za_duzo) {
        Dialogi::komunikat(this,
                           u"Plik zawiera więcej niż 1000 przelewów.\nWczytano pierwsze 1000. "
                           u"Przelewy po tysięcznym nie zostaną zachowane, jeśli zapiszesz ten "
                           u"plik."_s,
                           u"Otwieranie pliku"_s, Ikona::Informacja);
    }
}

bool Tglowne_okno::zapis_do_pliku_przelewow() {
    const int n = ilosc_el();
    QString sciezka = rejestr.sciezka_pliku;
    int wersja = rejestr.wersja_pliku != 0 ? rejestr.wersja_pliku : typ_pliku(sciezka);
    if (wersja == 1 && ma_dodatkowe_informacje(rejestr.tablica_przelewow, n)) {
        const Odpowiedz o =
            Dialogi::komunikat(this,
                               u"Chcesz zapisać dane w formacie, który nie obsługuje zapisu pola "
                               u"\"Dodatkowe informacje\".\r"
                               u"Naciśnij TAK, jeśli nadal chcesz zapisać w tym formacie.\r"
                               u"Naciśnij NIE, aby zapisać dane w nowym formacie."_s,
                               u"Zapisz jako..."_s, Ikona::Informacja, Przyciski::TakNie);
        if (o != Odpowiedz::Tak) {
            const QString nowa = nazwa_w_wersji_2(sciezka);
            if (nowa != sciezka && QFileInfo::exists(nowa) &&
                Dialogi::komunikat(this, u"Podany plik już istnieje.\rNadpisać?"_s,
                                   u"Zapisz jako..."_s, Ikona::Informacja,
                                   Przyciski::TakNie) != Odpowiedz::Tak)
                return false;
            sciezka = nowa;
            wersja = 2;
        }
    }
    // Nothing is cut or dropped without the user's word.
    if (const int za_dlugie = ile_tekstow_za_dlugich(rejestr.tablica_przelewow, n, wersja);
        za_dlugie > 0 &&
        Dialogi::komunikat(this,
                           u"W tym formacie pliku nazwy i tytuły mają najwyżej 51 znaków.\n"
                           u"Liczba tekstów, które zostaną skrócone do 51 znaków: %1.\n"
                           u"Zapisać mimo to?"_s.arg(za_dlugie),
                           u"Zapisz"_s, Ikona::Informacja, Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    const bool nad_duzym_plikiem = !rejestr.plik_ponad_1000.isEmpty() &&
                                   QFileInfo::exists(sciezka) &&
                                   QFileInfo(sciezka) == QFileInfo(rejestr.plik_ponad_1000);
    if (nad_duzym_plikiem &&
        Dialogi::komunikat(this,
                           u"Plik %1 zawiera więcej niż 1000 przelewów, a wczytano tylko pierwsze "
                           u"1000.\nZapisanie go usunie z pliku przelewy po tysięcznym.\n"
                           u"Zapisać mimo to?"_s.arg(sciezka),
                           u"Zapisz"_s, Ikona::Informacja, Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    if (!zapisz_przelewy(sciezka, rejestr.tablica_przelewow, n, wersja)) {
        Dialogi::komunikat(this, tekst_bledu_zapisu);
        return false;
    }
    rejestr.sciezka_pliku = sciezka;
    rejestr.sciezka_nieotwarta = false;
    rejestr.wersja_pliku = wersja != typ_pliku(sciezka) ? wersja : 0;
    if (nad_duzym_plikiem) rejestr.plik_ponad_1000.clear();
    ustaw_tytul();
    return true;
}

bool Tglowne_okno::zapytaj_o_zapis(const QString& tytul, const QString& tekst) {
    if (!rejestr.plik_zmieniony) return true;
    switch (Dialogi::komunikat(this, tekst, tytul, Ikona::Informacja, Przyciski::TakNieAnuluj)) {
        case Odpowiedz::Tak:
            // Unsaved changes are dropped only on "Nie": a cancelled or failed save stops.
            return FileSave1Execute();
        case Odpowiedz::Nie:
            return true;
        default:
            return false;
    }
}

void Tglowne_okno::FileNew1Execute() {
    if (!zapytaj_o_zapis(u"Nowy plik bazy"_s,
                         u"Baza przelewów została zmodyfikowana. Zapisać zmiany?"_s))
        return;
    rejestr.tablica_przelewow.wyczysc();
    model_listy->wyczysc();
    usuniete_.clear();
    rejestr.plik_ma_nazwe = false;
    rejestr.plik_zmieniony = true;
    ustaw_zapisz_dostepne(true);
    rejestr.sciezka_pliku.clear();
    rejestr.sciezka_nieotwarta = false;
    rejestr.wersja_pliku = 0;
    rejestr.plik_ponad_1000.clear();
    ustaw_tytul();
}

void Tglowne_okno::FileOpen1Execute() {
    if (!zapytaj_o_zapis(u"Otwieranie pliku"_s, tekst_zmodyfikowana)) return;
    const QString nazwa = Dialogi::otworz_plik(this, filtr_otwierania, rejestr.sciezka_pliku);
    if (nazwa.isEmpty()) return;
    rejestr.sciezka_pliku = nazwa;
    otwieranie_pliku(rejestr.sciezka_pliku);
    rejestr.plik_ma_nazwe = true;
    rejestr.plik_zmieniony = false;
    ustaw_zapisz_dostepne(false);
}

bool Tglowne_okno::FileSave1Execute() {
    if (rejestr.plik_ma_nazwe && !rejestr.sciezka_nieotwarta &&
        QFileInfo::exists(rejestr.sciezka_pliku)) {
        if (!zapis_do_pliku_przelewow()) return false;
        rejestr.plik_ma_nazwe = true;
        rejestr.plik_zmieniony = false;
        ustaw_zapisz_dostepne(false);
        return true;
    }
    return zapisz_pod_nazwa(u"Podany plik już istnieje.\rNadpisać?"_s);
}

bool Tglowne_okno::FileSaveAs1Execute() {
    return zapisz_pod_nazwa(u"Podany plik juz istnieje.\rNadpisać?"_s);
}

bool Tglowne_okno::zapisz_pod_nazwa(const QString& tekst_nadpisania) {
    QString nazwa =
        Dialogi::zapisz_plik(this, filtr_zapisu, domyslne_rozszerzenie, rejestr.sciezka_pliku);
    if (nazwa.isEmpty()) return false;
    if (!nazwa.endsWith(u".vando") && !nazwa.endsWith(u".p2")) nazwa += u".p2"_s;
    if (QFileInfo::exists(nazwa) &&
        Dialogi::komunikat(this, tekst_nadpisania, u"Zapisz jako..."_s, Ikona::Informacja,
                           Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    const QString poprzednia = rejestr.sciezka_pliku;
    const int poprzednia_wersja = rejestr.wersja_pliku;
    rejestr.sciezka_pliku = nazwa;
    // A new name chosen with its ending says the version; only the same file
    // keeps the version its bytes had.
    if (nazwa != poprzednia) rejestr.wersja_pliku = 0;
    if (!zapis_do_pliku_przelewow()) {
        // A failed write leaves the collection with the file it had.
        rejestr.sciezka_pliku = poprzednia;
        rejestr.wersja_pliku = poprzednia_wersja;
        return false;
    }
    rejestr.plik_ma_nazwe = true;
    rejestr.plik_zmieniony = false;
    ustaw_zapisz_dostepne(false);
    return true;
}
