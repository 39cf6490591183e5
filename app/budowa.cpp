// Building the main window: its commands, menus, tool bar and list.
#include "app/glowny.h"

#include "app/filtr_listy.h"
#include "app/lista_przelewow.h"
#include "app/malarz_wierszy.h"
#include "register/rejestr.h"
#include "widgets/czcionki.h"
#include "widgets/ikony.h"

#include <QAction>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

struct OpisAkcji {
    QAction* Tglowne_okno::*pole;
    const char16_t* tekst;
    const char16_t* podpowiedz;  // "Krótko|Długo", or one text for both
    const char16_t* ikona;       // a freedesktop name
    const char16_t* skrot;
};

constexpr char16_t eksport_csv[] =
    u"Eksportuj do CSV | Eksportuje całą bazę do pliku, który można otworzyć we wszystkich "
    u"arkuszach kalkulacyjnych";

// clang-format off
const OpisAkcji akcje[] = {
    // tool bar
    {&Tglowne_okno::ToolButton9, u"Nowy", u"Nowy|Stwórz nowy zbiór przelewów", u"document-new", nullptr},
    {&Tglowne_okno::ToolButton1, u"Otwórz", u"Otwórz|Otwórz zbiór przelewów", u"document-open", nullptr},
    {&Tglowne_okno::btn_zapisz_do_pliku, u"Zapisz", u"Zapisz|Zapisz bieżący zbiór przelewów", u"document-save", nullptr},
    {&Tglowne_okno::tbn_stats, u"Statystyki", u"Pokaż statystyki", u"office-chart-bar", nullptr},
    {&Tglowne_okno::btn_eksportCSV, u"Eksportuj do CSV ", eksport_csv, u"document-export", nullptr},
    {&Tglowne_okno::Printbutton, u"Drukuj", u"Drukuj zaznaczony przelew|Drukuj zaznaczony przelew", u"document-print", nullptr},
    {&Tglowne_okno::ToolButton6, u"Podgląd wydruku", u"Pokaż podgląd wydruku zaznaczonego przelewu", u"document-print-preview", nullptr},
    {&Tglowne_okno::ToolButton4, u"Nowy przelew", u"Nowy przelew|Stwórz nowy przelew", u"list-add", nullptr},
    {&Tglowne_okno::edycja_button_toolbar, u"Edytuj", u"Edytuj zaznaczony przelew", u"document-edit", nullptr},
    {&Tglowne_okno::usun_przycisk, u"Usuń", u"Usuń zaznaczony przelew|Usuwa zaznaczony przelew", u"edit-delete", nullptr},
    {&Tglowne_okno::baza_odb, u"Baza odbiorców", u"Otwórz okno bazy odbiorców", u"x-office-address-book", nullptr},
    {&Tglowne_okno::baza_nad, u"Baza nadawców", u"Otwórz okno bazy nadawców", u"system-users", nullptr},
    {&Tglowne_okno::baza_tyt, u"Baza tytułów", u"Otwórz okno bazy tytułów", u"format-justify-left", nullptr},
    {&Tglowne_okno::ustawienia, u"Ustawienia programu", u"Zmień domyśle ustawienia programu", u"preferences-system", nullptr},
    {&Tglowne_okno::ToolButton8, u"Pomoc", u"Dowiedz się więcej o programie i uzyskaj pomoc!", u"help-contents", nullptr},
    // menu bar
    {&Tglowne_okno::FileNew1, u"&Nowy", u"Nowy|Stwórz nowy zbiór przelewów", u"document-new", u"Ctrl+N"},
    {&Tglowne_okno::FileOpen1, u"&Otwórz", u"Otwórz|Otwórz zbiór przelewów", u"document-open", u"Ctrl+O"},
    {&Tglowne_okno::FileSaveItem, u"&Zapisz", u"Zapisz|Zapisz bieżący plik", u"document-save", u"Ctrl+S"},
    {&Tglowne_okno::FileSaveAs1, u"Zapisz &jako...", u"Zapisz jako|Zapisz zbiór przelewów z inną nazwą", u"document-save-as", nullptr},
    {&Tglowne_okno::Statystykibazy1, u"&Statystyki bazy", nullptr, u"office-chart-bar", nullptr},
    {&Tglowne_okno::EksportujdoCSV1, u"&Eksportuj do CSV", eksport_csv, u"document-export", nullptr},
    {&Tglowne_okno::podglad_wydruku_menu, u"&Podgląd wydruku", u"Podgląd wydruku zaznaczonego przelewu", u"document-print-preview", nullptr},
    {&Tglowne_okno::Drukuj_menu, u"&Drukuj", u"Drukuj zaznaczony przelew", u"document-print", u"Ctrl+P"},
    {&Tglowne_okno::FileExit1, u"&Wyjdź", u"Wyjdź z programu", u"application-exit", nullptr},
    {&Tglowne_okno::Nowyprzelew1, u"&Nowy przelew", u"Stwórz nowy przelew", u"list-add", u"Ctrl+A"},
    {&Tglowne_okno::Edytujprzelew1, u"&Edytuj przelew", u"Edytuj zaznaczony przelew", u"document-edit", u"Ctrl+E"},
    {&Tglowne_okno::Usuprzelew_menu, u"&Usuń przelew", u"Usuń zaznaczony przelew", u"edit-delete", u"Ctrl+U"},
    {&Tglowne_okno::Bazaodbiorcow1, u"Baza &odbiorców", u"Otwórz okno bazy odbiorców", u"x-office-address-book", u"Ctrl+D"},
    {&Tglowne_okno::Bazanadawcow1, u"Baza &nadawców", u"Otwórz okno bazy nadawców", u"system-users", u"Ctrl+F"},
    {&Tglowne_okno::Bazatytulow1, u"Baza &tytułów", u"Otwórz okno bazy tytułów", u"format-justify-left", u"Ctrl+G"},
    {&Tglowne_okno::Ustawieniaprogramu1, u"&Ustawienia programu", u"Zmień domyśle ustawienia programu", u"preferences-system", nullptr},
    {&Tglowne_okno::Pomoc1, u"&Pomoc", nullptr, u"help-contents", u"F1"},
    {&Tglowne_okno::o_programie, u"&O programie...", u"Dowiedz się więcej o programie i uzyskaj pomoc!", u"help-about", u"F2"},
    {&Tglowne_okno::dodaj_mnie_menu, u"&Dodaj do listy przelew do autora programu", nullptr, nullptr, u"F3"},
    {&Tglowne_okno::aktualizacje, u"&Sprawdź, czy są dostępne aktualizacje", u"Sprawdź, czy są dostepne aktualizacje programu, z poprawionymi bugami dodanymi nowymi możliwościami.", nullptr, u"F4"},
    // pop-up menu of the list
    {&Tglowne_okno::popup_edytuj, u"&Edytuj", u"Otwiera okno pozwalające na edycję przelewu", u"document-edit", nullptr},
    {&Tglowne_okno::popup_usun, u"&Usuń", u"Usuwa aktualnie zaznaczony porzelew", u"edit-delete", nullptr},
    {&Tglowne_okno::popup_nowy, u"&Nowy przelew", u"Otwiera okno pozwalające na stworzenie nowego przelewu", u"list-add", nullptr},
    {&Tglowne_okno::popup_podglad, u"&Podgląd wydruku", u"Pokazuje podgląd wydruku aktualnie zaznaczonego przelewu", u"document-print-preview", nullptr},
    {&Tglowne_okno::popup_drukuj, u"&Drukuj", u"Drukuje aktualnie zaznaczony przelew", u"document-print", nullptr},
    // paying from a bank
    {&Tglowne_okno::EksportDoBanku1, u"Eksport do &banku...", u"Eksport do banku|Zapisuje przelewy w pliku Elixir-0 (.pli) do importu w bankowości internetowej", nullptr, nullptr},
    {&Tglowne_okno::Zaplactelefonem1, u"Zapłać &telefonem", u"Zapłać telefonem|Pokazuje kod QR zaznaczonego przelewu dla aplikacji banku", nullptr, nullptr},
    {&Tglowne_okno::Powielprzelew1, u"&Powiel przelew", u"Tworzy nowy przelew na wzór zaznaczonego, bez daty", u"edit-copy", u"Ctrl+K"},
    {&Tglowne_okno::Cofnij1, u"&Cofnij usunięcie", u"Przywraca ostatnio usunięte przelewy na ich miejsca", u"edit-undo", u"Ctrl+Z"},
    {&Tglowne_okno::Znajdz1, u"&Znajdź...", u"Znajdź|Pokazuje tylko przelewy, które zawierają wpisany tekst (także klawisz /)", u"edit-find", u"Ctrl+Shift+F"},
    {&Tglowne_okno::popup_zaplac, u"&Zapłać telefonem", u"Pokazuje kod QR aktualnie zaznaczonego przelewu dla aplikacji banku", nullptr, nullptr},
};
// clang-format on

class StylStrzalkiSortu : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* opcja, QPainter* malarz,
                       const QWidget* widget) const override {
        const auto* naglowek = qstyleoption_cast<const QStyleOptionHeader*>(opcja);
        if (element != PE_IndicatorHeaderArrow || !naglowek)
            return QProxyStyle::drawPrimitive(element, opcja, malarz, widget);
        QStyleOptionHeader odwrocona(*naglowek);
        if (naglowek->sortIndicator == QStyleOptionHeader::SortUp)
            odwrocona.sortIndicator = QStyleOptionHeader::SortDown;
        else if (naglowek->sortIndicator == QStyleOptionHeader::SortDown)
            odwrocona.sortIndicator = QStyleOptionHeader::SortUp;
        QProxyStyle::drawPrimitive(element, &odwrocona, malarz, widget);
    }
};

}  // namespace

void ustaw_podpowiedz(QAction* akcja, const QString& podpowiedz) {
    const qsizetype kreska = podpowiedz.indexOf(u'|');
    const QString krotka = kreska < 0 ? podpowiedz : podpowiedz.left(kreska).trimmed();
    const QString dluga = kreska < 0 ? podpowiedz : podpowiedz.mid(kreska + 1).trimmed();
    akcja->setToolTip(krotka);
    akcja->setStatusTip(dluga);
}

void Tglowne_okno::zbuduj_akcje() {
    // Several commands share an icon: each is looked up in the theme once.
    QHash<QString, QIcon> ikony;
    for (const OpisAkcji& o : akcje) {
        auto* a = new QAction(QString::fromUtf16(o.tekst), this);
        if (o.ikona) {
            const QString nazwa = QString::fromUtf16(o.ikona);
            auto i = ikony.find(nazwa);
            if (i == ikony.end()) i = ikony.insert(nazwa, ikona(nazwa));
            a->setIcon(*i);
        }
        if (o.podpowiedz) ustaw_podpowiedz(a, QString::fromUtf16(o.podpowiedz));
        if (o.skrot) a->setShortcut(QKeySequence(QString::fromUtf16(o.skrot)));
        this->*o.pole = a;
    }
}

void Tglowne_okno::zbuduj_menu() {
    QMenu* plik = menuBar()->addMenu(u"&Plik"_s);
    plik->addActions({FileNew1, FileOpen1, FileSaveItem, FileSaveAs1});
    menu_ostatnich = plik->addMenu(u"Ostatnio otwie&rane"_s);
    menu_ostatnich->setObjectName(u"menu_ostatnich"_s);
    connect(menu_ostatnich, &QMenu::aboutToShow, this, &Tglowne_okno::odswiez_menu_ostatnich);
    plik->addSeparator();
    plik->addActions(
        {Statystykibazy1, EksportujdoCSV1, EksportDoBanku1, podglad_wydruku_menu, Drukuj_menu});
    plik->addSeparator();
    plik->addAction(FileExit1);

    QMenu* vandoria = menuBar()->addMenu(u"&Vandoria"_s);
    vandoria->addActions({Nowyprzelew1, Edytujprzelew1, Usuprzelew_menu, Cofnij1});
    vandoria->addSeparator();
    vandoria->addActions({Powielprzelew1, Zaplactelefonem1});
    vandoria->addSeparator();
    vandoria->addAction(Znajdz1);

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

    // The notice takes two lines of whatever font the desktop has.
    l_update_info = new QLabel(pasek);
    l_update_info->setObjectName(u"l_update_info"_s);
    l_update_info->setMinimumWidth(239);
    l_update_info->setAlignment(Qt::AlignCenter);
    akcja_update_info = pasek->addWidget(l_update_info);

    btn_update_download = new QToolButton(pasek);
    btn_update_download->setObjectName(u"btn_update_download"_s);
    btn_update_download->setText(u"Pobie&rz!"_s);
    btn_update_download->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btn_update_download->setMinimumWidth(89);
    akcja_update_download = pasek->addWidget(btn_update_download);
    akcja_update_download->setVisible(false);
}

void Tglowne_okno::zbuduj_liste() {
    model_listy = new ModelListyPrzelewow(rejestr, this);
    filtr_listy = new FiltrListy(rejestr, this);
    filtr_listy->setSourceModel(model_listy);
    ListView = new QTreeView(this);
    ListView->setObjectName(u"ListView"_s);
    ListView->setAccessibleName(u"Lista przelewów"_s);
    ListView->setModel(filtr_listy);
    ListView->setItemDelegate(new MalarzWierszy(ListView));
    ListView->setRootIsDecorated(false);
    ListView->setItemsExpandable(false);
    ListView->setUniformRowHeights(true);
    // Names and titles are Latin text: shaping them adds nothing visible, yet
    // it is most of what painting a screenful of rows costs as the find field
    // filters them. Only the strategy is set, so the list still follows the
    // window's font.
    QFont bez_ksztaltowania;
    bez_ksztaltowania.setStyleStrategy(QFont::PreferNoShaping);
    ListView->setFont(bez_ksztaltowania);
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
    // Qt draws a descending sort as an upward arrow; here the arrow points the
    // way the amounts and names grow smaller, as the user reads the list.
    auto* styl = new StylStrzalkiSortu;
    styl->setParent(ListView->header());
    ListView->header()->setStyle(styl);
    ListView->header()->setSortIndicator(-1, Qt::AscendingOrder);
    ListView->installEventFilter(this);
    ListView->viewport()->installEventFilter(this);
    ListView->setDragDropMode(QAbstractItemView::NoDragDrop);
    // A file dropped on the list opens as if dropped on the window.
    ListView->viewport()->setAcceptDrops(false);
    setAcceptDrops(true);

    zbuduj_szukanie();
    auto* srodek = new QWidget(this);
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(pasek_szukania);
    uklad->addWidget(ListView, 1);
    setCentralWidget(srodek);
}

namespace {

// Texts as long as the user's usual ones: a name or title of 40 characters
// must be read whole in a window that fits a 1280-pixel screen.
constexpr char16_t wzory_kolumn[5][44] = {
    u"Miejskie Przedsiębiorstwo Wodociągów Łódź", u"Opłata za energię elektryczną za marzec",
    u"00 0000 0000 0000 0000 0000 0000", u"999 999,99 zł", u"2024-12-31"};

}  // namespace

void Tglowne_okno::ustaw_pierwszy_rozmiar() {
    const QFontMetrics miara = ListView->fontMetrics();
    // Room for the cell's margins and, in the first column, the warning mark.
    const int zapas = 2 * miara.averageCharWidth() + ListView->iconSize().width();
    int razem = 0;
    for (int k = 0; k < 5; ++k) {
        const QString wzor = QString::fromUtf16(wzory_kolumn[k]);
        const int naglowek =
            ListView->header()->fontMetrics().horizontalAdvance(
                model_listy->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString()) +
            zapas + 16;  // and the sort arrow
        const int szerokosc = std::max(miara.horizontalAdvance(wzor) + zapas, naglowek);
        ListView->setColumnWidth(k, szerokosc);
        razem += szerokosc;
    }
    const int ramka =
        2 * ListView->frameWidth() + ListView->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    // 646 pixels high at the 9-point font the window was drawn for, more with a larger one.
    const int wysokosc =
        646 * std::max(miara.height(), 1) / std::max(QFontMetrics(czcionka_okna(9)).height(), 1);
    QSize rozmiar(std::max(razem + ramka, szerokosc_najmniejsza), std::max(wysokosc, 646));
    if (const QScreen* ekran = screen()) {
        const QRect obszar = ekran->availableGeometry();
        rozmiar = rozmiar.boundedTo(obszar.size() * 0.95);
        resize(rozmiar);
        move(obszar.center() - rect().center());
    } else {
        resize(rozmiar);
    }
    // On a screen too narrow for all of it, the title and then the recipient
    // give up room, so that the five columns still fit without a scroll bar.
    int nadmiar = razem + ramka - width();
    for (const int k : {1, 0}) {
        if (nadmiar <= 0) break;
        const int najmniej = std::min(120, miara.averageCharWidth() * 6);
        const int oddane = std::min(nadmiar, ListView->columnWidth(k) - najmniej);
        ListView->setColumnWidth(k, ListView->columnWidth(k) - oddane);
        nadmiar -= oddane;
    }
}

void Tglowne_okno::polacz_polecenia() {
    using Polecenie = void (Tglowne_okno::*)();
    const QList<std::pair<QList<QAction*>, Polecenie>> polecenia = {
        {{ToolButton9, FileNew1}, &Tglowne_okno::FileNew1Execute},
        {{ToolButton1, FileOpen1}, &Tglowne_okno::FileOpen1Execute},
        {{tbn_stats, Statystykibazy1}, &Tglowne_okno::statystykiClick},
        {{btn_eksportCSV, EksportujdoCSV1}, &Tglowne_okno::EksportujdoCSV1Click},
        {{Printbutton, Drukuj_menu, popup_drukuj}, &Tglowne_okno::drukowanieClick},
        {{ToolButton6, podglad_wydruku_menu, popup_podglad}, &Tglowne_okno::print_previewClick},
        {{FileExit1}, &Tglowne_okno::FileExit1Execute},
        {{ToolButton4, Nowyprzelew1, popup_nowy}, &Tglowne_okno::ListViewNew},
        {{edycja_button_toolbar, Edytujprzelew1, popup_edytuj}, &Tglowne_okno::edycja},
        {{usun_przycisk, Usuprzelew_menu, popup_usun}, &Tglowne_okno::Usun},
        {{baza_odb, Bazaodbiorcow1}, &Tglowne_okno::baza_odbClick},
        {{baza_nad, Bazanadawcow1}, &Tglowne_okno::baza_nadClick},
        {{baza_tyt, Bazatytulow1}, &Tglowne_okno::baza_tytClick},
        {{ustawienia, Ustawieniaprogramu1}, &Tglowne_okno::ustawieniaClick},
        {{ToolButton8, Pomoc1}, &Tglowne_okno::Pomoc1Click},
        {{o_programie}, &Tglowne_okno::o_programieClick},
        {{dodaj_mnie_menu}, &Tglowne_okno::dodaj_mnie},
        {{aktualizacje}, &Tglowne_okno::aktualizacjeClick},
        {{EksportDoBanku1}, &Tglowne_okno::eksport_do_bankuClick},
        {{Zaplactelefonem1, popup_zaplac}, &Tglowne_okno::zaplac_telefonemClick},
        {{Powielprzelew1}, &Tglowne_okno::powiel_przelewClick},
        {{Cofnij1}, &Tglowne_okno::Cofnij},
    };
    for (const auto& [akcje_polecenia, polecenie] : polecenia)
        for (QAction* a : akcje_polecenia)
            connect(a, &QAction::triggered, this, [this, p = polecenie] { (this->*p)(); });
    for (QAction* a : {btn_zapisz_do_pliku, FileSaveItem})
        connect(a, &QAction::triggered, this, [this] { FileSave1Execute(); });
    connect(FileSaveAs1, &QAction::triggered, this, [this] { FileSaveAs1Execute(); });

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

    // One place for "Zapisz": it follows the register's unsaved changes.
    connect(&rejestr, &Rejestr::zmieniony_zmienil_sie, this, &Tglowne_okno::ustaw_zapisz_dostepne);
    // And one place for the caption: the file's path, and "*" while changes are unsaved.
    connect(&rejestr, &Rejestr::sciezka_zmieniona, this, &Tglowne_okno::ustaw_tytul);
    connect(&rejestr, &Rejestr::zmieniony_zmienil_sie, this, &QWidget::setWindowModified);
    // A rebuilt list has lost its selection and shows no sort.
    connect(&rejestr, &Rejestr::wiersze_zmienione, this, &Tglowne_okno::odswiezanie);
    for (auto sygnal : {&Rejestr::wiersz_dopisany, &Rejestr::wiersz_zmieniony})
        connect(&rejestr, sygnal, this, &Tglowne_okno::ListViewClick);
    // An appended or edited order may stand out of the order the arrow claims.
    for (auto sygnal : {&Rejestr::wiersz_dopisany, &Rejestr::wiersz_zmieniony})
        connect(&rejestr, sygnal, this, &Tglowne_okno::sortowanie_nieaktualne);
}
