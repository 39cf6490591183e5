#include "app/glowny.h"

#include "app/filtr_listy.h"
#include "app/lista_przelewow.h"
#include "register/ostatnie_pliki.h"
#include "register/sortowanie.h"
#include "widgets/czcionki.h"
#include "widgets/dialogi.h"
#include "widgets/ikony.h"
#include "widgets/pamiec_okien.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

Tglowne_okno::Tglowne_okno(QWidget* rodzic)
    : QMainWindow(rodzic),
      filtr_otwierania(u"Baza przelewow (*.vando)|*.vando"_s),
      filtr_zapisu(filtr_otwierania) {
    setObjectName(u"Tglowne_okno"_s);
    ustaw_czcionke_okna(this, 9);
    setWindowIcon(ikona_wlasna(u"vandoria"_s));

    zbuduj_akcje();
    zbuduj_menu();
    zbuduj_pasek_narzedzi();
    zbuduj_liste();
    polacz_polecenia();
    statusBar()->setSizeGripEnabled(true);

    ustaw_tytul();
    setMinimumSize(szerokosc_najmniejsza, 200);
    ustaw_pierwszy_rozmiar();
    PamiecOkien::przywroc(this, objectName());
    PamiecOkien::przywroc_kolumny(ListView->header(), objectName());
    ostatnie_pliki = OstatniePliki::wczytaj();
    // From here on the register's signals keep "Zapisz" and the caption in step.
    ustaw_zapisz_dostepne(rejestr.zmieniony());
    setWindowModified(rejestr.zmieniony());
    ListViewClick();
}

Tglowne_okno::~Tglowne_okno() {
    // The list reads the register, a member that goes before the window's children.
    // Its events stop coming here first: the filter would see a half-destroyed view.
    ListView->viewport()->removeEventFilter(this);
    ListView->removeEventFilter(this);
    delete ListView;
    delete filtr_listy;
    delete model_listy;
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
        if (klawisz == Qt::Key_Slash) {
            pokaz_szukanie();
            return true;
        }
        if (klawisz == Qt::Key_Escape && pasek_szukania->isVisible()) {
            ukryj_szukanie();
            return true;
        }
    }
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

// --- the table and the list --------------------------------------------------------------

int Tglowne_okno::zaznaczony_el() {
    const QModelIndexList wybrane = ListView->selectionModel()->selectedRows();
    if (wybrane.isEmpty()) return model_listy->rowCount() + 1;
    // Of several selected orders, the current one (the last clicked) is the one edited.
    const QModelIndex biezacy = ListView->currentIndex();
    if (biezacy.isValid() && ListView->selectionModel()->isRowSelected(biezacy.row()))
        return wiersz_linii(biezacy.row());
    int pierwszy = wybrane.constFirst().row();
    for (const QModelIndex& i : wybrane) pierwszy = std::min(pierwszy, i.row());
    return wiersz_linii(pierwszy);
}

void Tglowne_okno::odswiezanie() {
    // The arrow shows the last sort only until the list is rebuilt for anything else.
    kolumna_sortu_ = -1;
    ListView->header()->setSortIndicator(-1, Qt::AscendingOrder);
    ListViewClick();
}

void Tglowne_okno::sortowanie_nieaktualne(int nr) {
    if (kolumna_sortu_ < 0 || wiersz_w_kolejnosci(rejestr.tablica(), kolumna_sortu_, malejaco_, nr))
        return;
    kolumna_sortu_ = -1;
    ListView->header()->setSortIndicator(-1, Qt::AscendingOrder);
}

void Tglowne_okno::zaznacz_wiersz(int nr) {
    ListView->selectionModel()->clear();
    const QModelIndex linia = filtr_listy->index(nr >= 1 ? linia_wiersza(nr) : -1, 0);
    if (linia.isValid()) {
        ListView->selectionModel()->select(
            linia, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ListView->setCurrentIndex(linia);
    }
    ListViewClick();
}

void Tglowne_okno::ustaw_zapisz_dostepne(bool tak) {
    btn_zapisz_do_pliku->setEnabled(tak);
    FileSaveItem->setEnabled(tak);
}

void Tglowne_okno::ListViewClick() {
    const bool wybrany = zaznaczony_el() <= ilosc_el();
    for (QAction* a :
         {Printbutton, ToolButton6, edycja_button_toolbar, usun_przycisk, podglad_wydruku_menu,
          Drukuj_menu, Edytujprzelew1, Usuprzelew_menu, popup_edytuj, popup_usun, popup_podglad,
          popup_drukuj, Zaplactelefonem1, popup_zaplac, Powielprzelew1})
        a->setEnabled(wybrany);
    Cofnij1->setEnabled(!usuniete_.isEmpty());
}

void Tglowne_okno::ListViewColumnClick(int kolumna) {
    const bool malejaco = rejestr.sortuj(kolumna);
    // Row numbers mean other orders now: a deletion is put back where this
    // sort places each order.
    if (!usuniete_.isEmpty() && kolumna >= 0 && kolumna <= 4)
        sort_po_usunieciu_ = {kolumna, malejaco};
    if (kolumna >= 0 && kolumna <= 4) {
        kolumna_sortu_ = kolumna;
        malejaco_ = malejaco;
        ListView->header()->setSortIndicator(kolumna,
                                             malejaco ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
}

void Tglowne_okno::Usun() {
    rejestr.ustaw_zmieniony(true);
    rejestr.plik_ma_nazwe = true;
    const QList<int> numery = zaznaczone_el();
    if (numery.isEmpty()) return;
    usuniete_.clear();
    sort_po_usunieciu_.reset();
    for (const int k : numery) usuniete_.append({k, rejestr.przelew(k)});
    rejestr.usun(numery);
}

void Tglowne_okno::Cofnij() {
    if (usuniete_.isEmpty()) return;
    if (sort_po_usunieciu_) {
        const auto [kolumna, malejaco] = *sort_po_usunieciu_;
        for (auto& u : usuniete_) u.first = 0;
        // Placed one by one: each lands among the rows and those put back before it.
        if (ilosc_el() + usuniete_.size() <= TablicaPrzelewow::pojemnosc)
            for (auto& u : usuniete_) {
                u.first = miejsce_w_kolejnosci(rejestr.tablica(), u.second, kolumna, malejaco);
                rejestr.wstaw({u});
            }
    }
    if (sort_po_usunieciu_ ? usuniete_.constFirst().first == 0 : !rejestr.wstaw(usuniete_)) {
        Dialogi::komunikat(this,
                           u"Lista przelewów jest pełna: usuniętych przelewów nie da się "
                           u"przywrócić."_s,
                           u"Cofnij usunięcie"_s, Dialogi::Ikona::Blad);
        return;
    }
    // In ascending order each went back to the number it had.
    const auto przywrocone = std::exchange(usuniete_, {});
    sort_po_usunieciu_.reset();
    rejestr.ustaw_zmieniony(true);
    QItemSelectionModel* wybor = ListView->selectionModel();
    for (const auto& u : przywrocone) {
        const QModelIndex linia =
            filtr_listy->index(linia_wiersza(std::min(u.first, ilosc_el())), 0);
        if (linia.isValid())
            wybor->select(linia, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    ListViewClick();
}
