#include "addressbook/lista.h"
#include "widgets/zdarzenia_okien.h"

#include "addressbook/komunikaty_bazy.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "widgets/czcionki.h"
#include "widgets/ikony.h"
#include "widgets/pamiec_okien.h"
#include "widgets/wysrodkuj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

QString tytul_bazy(RodzajBazy rodzaj) {
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            return u"Baza odbiorców"_s;
        case RodzajBazy::nadawcy:
            return u"Baza nadawców"_s;
        case RodzajBazy::tytuly:
            break;
    }
    return u"Baza tytułów"_s;
}

Tlista_wpisow::Tlista_wpisow(QWidget* rodzic, RodzajBazy rodzaj, bool wybor)
    : QDialog(rodzic,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      rodzaj_(rodzaj),
      wybor_(wybor) {
    setObjectName(u"Tlista_wpisow"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 8);
    zbuduj();
    przypisanie_label();
}

void Tlista_wpisow::zbuduj() {
    lista_z_bazy = new QTreeWidget(this);
    lista_z_bazy->setObjectName(u"lista_z_bazy"_s);
    // The account beside the name tells two entries of one name apart.
    const bool z_kontem = rodzaj_ != RodzajBazy::tytuly;
    lista_z_bazy->setColumnCount(z_kontem ? 2 : 1);
    if (z_kontem) lista_z_bazy->setHeaderLabels({u"Nazwa"_s, u"Nr rachunku"_s});
    lista_z_bazy->setHeaderHidden(!z_kontem);
    lista_z_bazy->setAccessibleName(tytul_bazy(rodzaj_));
    // The last column is as wide as the rest of the list, whatever the font makes of it.
    lista_z_bazy->header()->setStretchLastSection(true);
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

    auto przycisk = [this](const QString& nazwa, const QString& tekst, const QString& obraz) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        // Enter on a focused button presses it, as everywhere else.
        b->setAutoDefault(true);
        if (!obraz.isEmpty()) b->setIcon(ikona(obraz));
        b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
        return b;
    };
    zapisz_zmiany = przycisk(u"zapisz_zmiany"_s, u"&OK"_s, {});
    anuluj = przycisk(u"anuluj"_s, u"&Anuluj"_s, {});
    dodaj_wpis = przycisk(u"dodaj_wpis"_s, u"&Dodaj"_s, u"list-add"_s);
    edytuj_wpis = przycisk(u"edytuj_wpis"_s, u"&Edytuj zazn."_s, u"document-edit"_s);
    usun_wpis = przycisk(u"usun_wpis"_s, u"&Usuń zazn."_s, u"edit-delete"_s);

    wpisy_menu = new QMenu(this);
    wpisy_menu->setObjectName(u"wpisy_menu"_s);
    edytuj_zaznaczony = wpisy_menu->addAction(ikona(u"document-edit"_s), u"&Edytuj zaznaczony"_s);
    usun_zaznaczony = wpisy_menu->addAction(ikona(u"edit-delete"_s), u"&Usuń zaznaczony"_s);
    dodaj_nowy_wpis = wpisy_menu->addAction(ikona(u"list-add"_s), u"&Dodaj nowy wpis"_s);

    // The buttons are 97 x 25 or what their captions need, all of one width;
    // minimums of the grid rather than of the buttons, which would let a
    // large font cut the captions.
    auto* przyciski = new QGridLayout;
    przyciski->setVerticalSpacing(4);
    przyciski->setColumnMinimumWidth(0, 97);
    int wiersz = 0;
    for (QPushButton* b : {zapisz_zmiany, anuluj, static_cast<QPushButton*>(nullptr), dodaj_wpis,
                           edytuj_wpis, usun_wpis}) {
        if (b) {
            przyciski->addWidget(b, wiersz, 0);
            przyciski->setRowMinimumHeight(wiersz, 25);
        } else {
            przyciski->setRowStretch(wiersz, 1);
        }
        ++wiersz;
    }
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addWidget(lista_z_bazy, 1);
    uklad->addLayout(przyciski);
    ustaw_rozmiar(z_kontem);
    polaczenia();
}

void Tlista_wpisow::polaczenia() {
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

void Tlista_wpisow::ustaw_rozmiar(bool z_kontem) {
    // A larger desktop font makes the window larger in proportion.
    const qreal skala = std::max<qreal>(1, QFontInfo(font()).pointSizeF() / 8);
    QSize rozmiar = (QSizeF(296, 271) * skala).toSize();
    if (z_kontem) {
        const int konto =
            lista_z_bazy->fontMetrics().horizontalAdvance(u"00 0000 0000 0000 0000 0000 0000"_s) +
            24;
        const int nazwa = lista_z_bazy->fontMetrics().averageCharWidth() * 24;
        lista_z_bazy->setColumnWidth(0, nazwa);
        rozmiar.rwidth() += nazwa + konto - 163;
    }
    resize(rozmiar);
    // The size the user gave it last; where it stands is over the window that opens it.
    if (PamiecOkien::przywroc(this, klucz_pamieci())) resize(size().expandedTo(minimumSizeHint()));
}

QWidget* Tlista_wpisow::rodzic_komunikatow() {
    if (isVisible() || !parentWidget()) return this;
    return parentWidget();
}

void Tlista_wpisow::przypisanie_label() {
    wybrany_.reset();
    lista_z_bazy->clear();
    tablica_.czyszczenie_tablicy();
    setWindowTitle(tytul_bazy(rodzaj_));
    odczyt_ = otwieranie_bazy(plik_bazy(rodzaj_), tablica_);
    odczyt_niepelny_ = odczyt_.stan == WynikOdczytu::blad_odczytu;
    wczytana_ = tablica_;
    zglos_odczyt_bazy(rodzic_komunikatow(), odczyt_);
    wypelnij_liste();
}

void Tlista_wpisow::wypelnij_liste() {
    const int n = tablica_.ilosc_el_w_bazie();
    QList<QTreeWidgetItem*> pozycje;
    pozycje.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const Twpis_bazy& w = tablica_[i];
        QString konto =
            w.lk.na_unicode() + u' ' + w.nr_banku.na_unicode() + u' ' + w.nr_rach.na_unicode();
        pozycje.append(new QTreeWidgetItem(QStringList{w.nazwa1.na_unicode(), konto.trimmed()}));
    }
    lista_z_bazy->addTopLevelItems(pozycje);
}

int Tlista_wpisow::zaznaczony_el_w_bazie() const {
    const QList<QTreeWidgetItem*> zaznaczone = lista_z_bazy->selectedItems();
    if (zaznaczone.isEmpty()) return tablica_.ilosc_el_w_bazie() + 1;
    return lista_z_bazy->indexOfTopLevelItem(zaznaczone.constFirst()) + 1;
}

void Tlista_wpisow::odswiezenie_listy() {
    tablica_.sortowanie_listy();
    lista_z_bazy->clear();
    wypelnij_liste();
    stany_przyciskow();
}

void Tlista_wpisow::stany_przyciskow() {
    const bool jest = zaznaczony_el_w_bazie() <= tablica_.ilosc_el_w_bazie();
    edytuj_wpis->setEnabled(jest);
    usun_wpis->setEnabled(jest);
    edytuj_zaznaczony->setEnabled(jest);
    usun_zaznaczony->setEnabled(jest);
    if (wybor_) zapisz_zmiany->setEnabled(jest);
}

void Tlista_wpisow::FormActivate() {
    stany_przyciskow();
    if (!wybor_) zapisz_zmiany->setEnabled(true);
}

void Tlista_wpisow::lista_z_bazyClick() { stany_przyciskow(); }

// The keyboard chooses as a click does: "OK" follows it while picking.
void Tlista_wpisow::lista_z_bazySelectItem() {
    if (lista_z_bazy->selectedItems().isEmpty()) return;
    stany_przyciskow();
}

void Tlista_wpisow::lista_z_bazyDblClick() {
    if (zaznaczony_el_w_bazie() > tablica_.ilosc_el_w_bazie()) return;
    if (wybor_)
        zapisz_zmianyClick();
    else
        edytuj_wpisClick();
}

void Tlista_wpisow::dodaj_wpisClick() {
    // Refused before anything is typed, so no work is lost.
    if (tablica_.pelna()) {
        zglos_pelna_baze(this);
        return;
    }
    Tnowy_wpis edytor(this, rodzaj_);
    wysrodkuj_na(&edytor, this);
    if (edytor.exec() != QDialog::Accepted) return;
    tablica_.dodanie_elementu(edytor.wpis());
    zmieniona_ = true;
    odswiezenie_listy();
}

void Tlista_wpisow::edytuj_wpisClick() {
    const int k = zaznaczony_el_w_bazie();
    if (k > tablica_.ilosc_el_w_bazie()) return;
    Tnowy_wpis edytor(this, rodzaj_, tablica_[k]);
    wysrodkuj_na(&edytor, this);
    if (edytor.exec() != QDialog::Accepted) return;
    tablica_.wyedytowanie_elementu(k, edytor.wpis());
    zmieniona_ = true;
    odswiezenie_listy();
}

void Tlista_wpisow::usun_wpisClick() {
    const int k = zaznaczony_el_w_bazie();
    if (k > tablica_.ilosc_el_w_bazie()) return;
    tablica_.usuniecie_elementu(k);
    zmieniona_ = true;
    odswiezenie_listy();
}

void Tlista_wpisow::anulujClick() { reject(); }

// Each book keeps its own size: the titles' list has no account column.
QString Tlista_wpisow::klucz_pamieci() const {
    return objectName() + u'_' + QString::number(static_cast<int>(rodzaj_));
}

void Tlista_wpisow::done(int wynik) {
    PamiecOkien::zapamietaj(this, klucz_pamieci());
    QDialog::done(wynik);
}

void Tlista_wpisow::zapisz_zmianyClick() {
    // A book left as it was read is not written at all: picking an entry
    // never touches the file, so a read-only book or one of more than 1000
    // entries can be picked from without a loss.
    if (takie_same(tablica_, wczytana_)) {
    } else if (odczyt_niepelny_) {
        // Saving what a failed load left in the table would drop from the
        // file every entry the load never reached.
        zglos_niezapisana_baze(this);
    } else {
        // After a declined or failed save the window stays open with the
        // changes, so nothing typed is lost; "Anuluj" gives them up.
        switch (zapisz_baze(this, rodzaj_, tablica_, odczyt_)) {
            case ZapisBazy::zapisana:
                wczytana_ = tablica_;
                break;
            case ZapisBazy::otworz_ponownie:
                przypisanie_label();
                stany_przyciskow();
                return;
            case ZapisBazy::nie_zapisana:
                return;
        }
    }
    if (wybor_) {
        const int k = zaznaczony_el_w_bazie();
        if (k <= tablica_.ilosc_el_w_bazie()) {
            wybrany_ = tablica_[k];
            emit wybrano(*wybrany_);
        }
    }
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

// Escape is "Anuluj"; changes made to the list go only after "Porzucić zmiany?".
void Tlista_wpisow::keyPressEvent(QKeyEvent* zdarzenie) {
    if (!escape_anuluje(zdarzenie, this, zmieniona_)) QDialog::keyPressEvent(zdarzenie);
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

void zarzadzanie_baza(QWidget* rodzic, RodzajBazy rodzaj) {
    Tlista_wpisow lista(rodzic, rodzaj, false);
    wysrodkuj_na(&lista, rodzic);
    lista.exec();
}

std::optional<Twpis_bazy> wybor_wpisu(QWidget* rodzic, RodzajBazy rodzaj) {
    Tlista_wpisow lista(rodzic, rodzaj, true);
    wysrodkuj_na(&lista, rodzic);  // by the editor that asks
    if (lista.exec() != QDialog::Accepted) return std::nullopt;
    return lista.wybrany_wpis();
}
