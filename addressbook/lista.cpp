#include "addressbook/lista.h"
#include "ui/zdarzenia_okien.h"

#include "addressbook/komunikaty_bazy.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "ui/main/glowny.h"
#include "ui/obrazki.h"
#include "ui/okna.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tlista_wpisow::Tlista_wpisow(QWidget* rodzic)
    : QDialog(rodzic, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(u"Tlista_wpisow"_s);
    setModal(true);
    zbuduj();
}

void Tlista_wpisow::zbuduj() {
    lista_z_bazy = new QTreeWidget(this);
    lista_z_bazy->setObjectName(u"lista_z_bazy"_s);
    lista_z_bazy->setColumnCount(1);
    lista_z_bazy->setHeaderHidden(true);
    lista_z_bazy->header()->setStretchLastSection(false);
    lista_z_bazy->setColumnWidth(0, 163);
    lista_z_bazy->setRootIsDecorated(false);
    lista_z_bazy->setUniformRowHeights(true);
    lista_z_bazy->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_z_bazy->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_z_bazy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_z_bazy->setSortingEnabled(false);
    lista_z_bazy->setContextMenuPolicy(Qt::CustomContextMenu);
    // The selection stays visible while a button has the focus.
    QPalette paleta = lista_z_bazy->palette();
    for (auto rola : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, rola, paleta.color(QPalette::Active, rola));
    lista_z_bazy->setPalette(paleta);
    lista_z_bazy->installEventFilter(this);
    lista_z_bazy->viewport()->installEventFilter(this);

    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        b->setMinimumSize(97, 25);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        return b;
    };
    zapisz_zmiany = przycisk(u"zapisz_zmiany"_s, u"OK"_s);
    anuluj = przycisk(u"anuluj"_s, u"Anuluj"_s);
    dodaj_wpis = przycisk(u"dodaj_wpis"_s, u"Dodaj"_s);
    edytuj_wpis = przycisk(u"edytuj_wpis"_s, u"Edytuj zazn."_s);
    usun_wpis = przycisk(u"usun_wpis"_s, u"Usuń zazn."_s);

    wpisy_menu = new QMenu(this);
    wpisy_menu->setObjectName(u"wpisy_menu"_s);
    edytuj_zaznaczony = wpisy_menu->addAction(u"Edytuj zaznaczony"_s);
    usun_zaznaczony = wpisy_menu->addAction(u"Usuń zaznaczony"_s);
    dodaj_nowy_wpis = wpisy_menu->addAction(u"Dodaj nowy wpis"_s);

    auto* przyciski = new QVBoxLayout;
    przyciski->addWidget(zapisz_zmiany);
    przyciski->addWidget(anuluj);
    przyciski->addStretch();
    przyciski->addWidget(dodaj_wpis);
    przyciski->addWidget(edytuj_wpis);
    przyciski->addWidget(usun_wpis);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addWidget(lista_z_bazy, 1);
    uklad->addLayout(przyciski);
    resize(296, 271);

    connect(zapisz_zmiany, &QPushButton::clicked, this, &Tlista_wpisow::zapisz_zmianyClick);
    connect(anuluj, &QPushButton::clicked, this, &Tlista_wpisow::anulujClick);
    connect(dodaj_wpis, &QPushButton::clicked, this, &Tlista_wpisow::dodaj_wpisClick);
    connect(edytuj_wpis, &QPushButton::clicked, this, &Tlista_wpisow::edytuj_wpisClick);
    connect(usun_wpis, &QPushButton::clicked, this, &Tlista_wpisow::usun_wpisClick);
    connect(edytuj_zaznaczony, &QAction::triggered, this, &Tlista_wpisow::edytuj_wpisClick);
    connect(usun_zaznaczony, &QAction::triggered, this, &Tlista_wpisow::usun_wpisClick);
    connect(dodaj_nowy_wpis, &QAction::triggered, this, &Tlista_wpisow::dodaj_wpisClick);
    connect(lista_z_bazy, &QTreeWidget::itemSelectionChanged, this,
            &Tlista_wpisow::lista_z_bazySelectItem);
    connect(lista_z_bazy, &QTreeWidget::itemDoubleClicked, this,
            &Tlista_wpisow::lista_z_bazyDblClick);
    connect(lista_z_bazy, &QWidget::customContextMenuRequested, this, [this](const QPoint& gdzie) {
        stany_przyciskow();
        wpisy_menu->popup(lista_z_bazy->viewport()->mapToGlobal(gdzie));
    });
}

QWidget* Tlista_wpisow::rodzic_komunikatow() {
    if (isVisible() || !parentWidget()) return this;
    return parentWidget();
}

void Tlista_wpisow::przypisanie_label() {
    wybrany_.reset();
    lista_z_bazy->clear();
    tablica_wpisow.czyszczenie_tablicy();
    const RodzajBazy rodzaj = rodzaj_z_nazwy(rodzaj_bazy);
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            setWindowTitle(u"Baza odbiorców"_s);
            break;
        case RodzajBazy::nadawcy:
            setWindowTitle(u"Baza nadawców"_s);
            break;
        case RodzajBazy::tytuly:
            setWindowTitle(u"Baza tytułów"_s);
            break;
    }
    const WynikOdczytu odczyt = otwieranie_bazy(plik_bazy(rodzaj_bazy));
    odczyt_niepelny_ = odczyt.stan == WynikOdczytu::blad_odczytu;
    zglos_odczyt_bazy(rodzic_komunikatow(), odczyt);
    wypelnij_liste();
    if (Tnowy_wpis* edytor = okna().nowy_wpis) edytor->ustaw_dla_bazy(rodzaj);
}

void Tlista_wpisow::wypelnij_liste() {
    const int n = tablica_wpisow.ilosc_el_w_bazie();
    QList<QTreeWidgetItem*> pozycje;
    pozycje.reserve(n);
    for (int i = 1; i <= n; ++i)
        pozycje.append(new QTreeWidgetItem(QStringList{tablica_wpisow[i].nazwa1.na_unicode()}));
    lista_z_bazy->addTopLevelItems(pozycje);
}

int Tlista_wpisow::zaznaczony_el_w_bazie() const {
    const QList<QTreeWidgetItem*> zaznaczone = lista_z_bazy->selectedItems();
    if (zaznaczone.isEmpty()) return tablica_wpisow.ilosc_el_w_bazie() + 1;
    return lista_z_bazy->indexOfTopLevelItem(zaznaczone.constFirst()) + 1;
}

void Tlista_wpisow::odswiezenie_listy() {
    tablica_wpisow.sortowanie_listy();
    lista_z_bazy->clear();
    wypelnij_liste();
    stany_przyciskow();
}

void Tlista_wpisow::stany_przyciskow() {
    const bool jest = zaznaczony_el_w_bazie() <= tablica_wpisow.ilosc_el_w_bazie();
    edytuj_wpis->setEnabled(jest);
    usun_wpis->setEnabled(jest);
    edytuj_zaznaczony->setEnabled(jest);
    usun_zaznaczony->setEnabled(jest);
    edytuj_zaznaczony->setIcon(QIcon(obrazek(jest ? u"EDIT_E"_s : u"EDIT_D"_s)));
    usun_zaznaczony->setIcon(QIcon(obrazek(jest ? u"DELETE_E"_s : u"DELETE_D"_s)));
    if (wybor_z_bazy) zapisz_zmiany->setEnabled(jest);
}

void Tlista_wpisow::FormActivate() {
    stany_przyciskow();
    if (!wybor_z_bazy) zapisz_zmiany->setEnabled(true);
}

void Tlista_wpisow::lista_z_bazyClick() { stany_przyciskow(); }

// Follows the keyboard too, but leaves "OK" alone: while picking, only a
// click makes an entry the choice.
void Tlista_wpisow::lista_z_bazySelectItem() {
    if (lista_z_bazy->selectedItems().isEmpty()) return;
    edytuj_wpis->setEnabled(true);
    usun_wpis->setEnabled(true);
    edytuj_zaznaczony->setEnabled(true);
    usun_zaznaczony->setEnabled(true);
}

void Tlista_wpisow::lista_z_bazyDblClick() {
    if (zaznaczony_el_w_bazie() > tablica_wpisow.ilosc_el_w_bazie()) return;
    if (wybor_z_bazy)
        zapisz_zmianyClick();
    else
        edytuj_wpisClick();
}

void Tlista_wpisow::dodaj_wpisClick() {
    Tnowy_wpis* edytor = okna().nowy_wpis;
    if (!edytor) return;
    // Refused before anything is typed, so no work is lost.
    if (tablica_wpisow.pelna()) {
        zglos_pelna_baze(this);
        return;
    }
    edycja_wpisu = false;
    edytor->wyczysc_pola();
    edytor->setWindowTitle(u"Nowy wpis"_s);
    wysrodkuj_na(edytor, this);
    edytor->exec();
}

void Tlista_wpisow::edytuj_wpisClick() {
    Tnowy_wpis* edytor = okna().nowy_wpis;
    edycja_wpisu = true;
    const int k = zaznaczony_el_w_bazie();
    if (!edytor || k > tablica_wpisow.ilosc_el_w_bazie()) return;
    edytor->wypelnij(tablica_wpisow[k]);
    edytor->setWindowTitle(u"Edycja wpisu"_s);
    wysrodkuj_na(edytor, this);
    edytor->exec();
}

void Tlista_wpisow::usun_wpisClick() {
    const int k = zaznaczony_el_w_bazie();
    if (k > tablica_wpisow.ilosc_el_w_bazie()) return;
    tablica_wpisow.usuniecie_elementu(k);
    odswiezenie_listy();
}

void Tlista_wpisow::anulujClick() { reject(); }

void Tlista_wpisow::zapisz_zmianyClick() {
    // Saving what a failed load left in the table would drop from the file
    // every entry the load never reached.
    if (odczyt_niepelny_) {
        zglos_niezapisana_baze(this);
    } else if (!zapis_do_pliku_bazy(plik_bazy(rodzaj_bazy))) {
        // After a failed save the window stays open with the changes, so
        // nothing typed is lost; "Anuluj" is the way to give them up.
        zglos_blad_zapisu_bazy(this);
        return;
    }
    if (wybor_z_bazy) {
        const int k = zaznaczony_el_w_bazie();
        if (k <= tablica_wpisow.ilosc_el_w_bazie()) {
            wybrany_ = tablica_wpisow[k];
            emit wybrano(*wybrany_);
        }
    }
    tablica_wpisow.czyszczenie_tablicy();
    accept();
}

bool Tlista_wpisow::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(zdarzenie);
}

void Tlista_wpisow::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    FormActivate();
}

void Tlista_wpisow::keyPressEvent(QKeyEvent* zdarzenie) {
    if (!pochlon_escape(zdarzenie)) QDialog::keyPressEvent(zdarzenie);
}

bool Tlista_wpisow::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == lista_z_bazy && zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        switch (klawisz->key()) {
            case Qt::Key_Delete:
                usun_wpisClick();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                lista_z_bazyDblClick();
                return true;
            default:
                break;
        }
    }
    // The press has already moved the selection when the button comes up.
    if (obiekt == lista_z_bazy->viewport() && zdarzenie->type() == QEvent::MouseButtonRelease)
        lista_z_bazyClick();
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void przygotuj_okna_baz(QWidget* glowne) {
    Okna& o = okna();
    if (!o.lista_wpisow) {
        o.lista_wpisow = new Tlista_wpisow(glowne);
        QObject::connect(o.lista_wpisow, &QObject::destroyed,
                         [] { okna().lista_wpisow = nullptr; });
    }
    if (!o.nowy_wpis) {
        o.nowy_wpis = new Tnowy_wpis(o.lista_wpisow);
        QObject::connect(o.nowy_wpis, &QObject::destroyed, [] { okna().nowy_wpis = nullptr; });
    }
}

std::optional<Twpis_bazy> wybor_wpisu(const QString& rodzaj) {
    przygotuj_okna_baz(okna().glowne);
    rodzaj_bazy = rodzaj;
    wybor_z_bazy = true;
    Tlista_wpisow* lista = okna().lista_wpisow;
    lista->przypisanie_label();
    wysrodkuj_na(lista, QApplication::activeWindow());  // by the editor that asks
    if (lista->exec() != QDialog::Accepted) return std::nullopt;
    return lista->wybrany_wpis();
}
