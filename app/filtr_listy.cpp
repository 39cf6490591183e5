// Find: the filter field above the main list.
#include "app/filtr_listy.h"

#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "register/rejestr.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

FiltrListy::FiltrListy(const Rejestr& rejestr, QObject* rodzic)
    : QSortFilterProxyModel(rodzic), rejestr_(rejestr) {}

void FiltrListy::ustaw_tekst(const QString& tekst) {
    WzorzecSzukania nowy(tekst);
    if (nowy.tekst == wzorzec_.tekst) return;
    // A longer text hides rows but never shows one that was hidden: those are
    // not compared again. Any other change forgets the earlier answers.
    if (!zaweza(wzorzec_, nowy))
        for (Wiersz& w : wiersze_) w.wynik = Wynik::nieznany;
    wzorzec_ = std::move(nowy);
    invalidateRowsFilter();
}

void FiltrListy::setSourceModel(QAbstractItemModel* model) {
    if (sourceModel()) disconnect(sourceModel(), nullptr, this, nullptr);
    zapomnij_wszystko();
    // Connected before the proxy's own handlers, which filter the changed
    // rows at once and must not meet their old text.
    if (model) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex& od, const QModelIndex& do_) {
                    zapomnij(od.row(), do_.row());
                });
        const auto wszystko = [this] { zapomnij_wszystko(); };
        connect(model, &QAbstractItemModel::rowsInserted, this, wszystko);
        connect(model, &QAbstractItemModel::rowsRemoved, this, wszystko);
        connect(model, &QAbstractItemModel::rowsMoved, this, wszystko);
        connect(model, &QAbstractItemModel::modelReset, this, wszystko);
        connect(model, &QAbstractItemModel::layoutChanged, this, wszystko);
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void FiltrListy::zapomnij(int od, int do_) {
    for (int i = std::max(od, 0); i <= do_ && i < static_cast<int>(wiersze_.size()); ++i)
        wiersze_[static_cast<size_t>(i)] = Wiersz();
}

const StogSzukania& FiltrListy::stog(int wiersz) const {
    if (wiersze_.size() <= static_cast<size_t>(wiersz))
        wiersze_.resize(static_cast<size_t>(sourceModel()->rowCount()));
    Wiersz& w = wiersze_[static_cast<size_t>(wiersz)];
    if (!w.aktualny) {
        w.stog = StogSzukania(rejestr_.przelew(wiersz + 1));
        w.aktualny = true;
    }
    return w.stog;
}

bool FiltrListy::filterAcceptsRow(int wiersz, const QModelIndex& rodzic) const {
    if (rodzic.isValid() || wzorzec_.pusty()) return true;
    // The model's count, not the register's: that one walks the whole table.
    if (wiersz < 0 || wiersz >= sourceModel()->rowCount()) return true;
    const StogSzukania& s = stog(wiersz);
    Wiersz& w = wiersze_[static_cast<size_t>(wiersz)];
    if (w.wynik == Wynik::odrzucony) return false;
    const bool pasuje = pasuje_do_wzorca(s, wzorzec_);
    w.wynik = pasuje ? Wynik::przyjety : Wynik::odrzucony;
    return pasuje;
}

namespace {

// Escape clears and hides the field; arrows and Enter reach the list, so the
// user goes on from the text to the order without the mouse.
class KlawiszeSzukania : public QObject {
  public:
    KlawiszeSzukania(Tglowne_okno* okno) : QObject(okno), okno_(okno) {}

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() != QEvent::KeyPress) return false;
        auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        switch (klawisz->key()) {
            case Qt::Key_Escape:
                okno_->ukryj_szukanie();
                return true;
            case Qt::Key_Down:
            case Qt::Key_Up:
            case Qt::Key_PageDown:
            case Qt::Key_PageUp:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                okno_->ListView->setFocus(Qt::ShortcutFocusReason);
                if (!okno_->ListView->currentIndex().isValid() &&
                    okno_->filtr_listy->rowCount() > 0)
                    okno_->zaznacz_wiersz(okno_->wiersz_linii(0));
                if (klawisz->key() == Qt::Key_Return || klawisz->key() == Qt::Key_Enter)
                    return true;
                QCoreApplication::sendEvent(okno_->ListView, klawisz);
                return true;
            default:
                return QObject::eventFilter(obiekt, zdarzenie);
        }
    }

  private:
    Tglowne_okno* okno_;
};

}  // namespace

void Tglowne_okno::zbuduj_szukanie() {
    pasek_szukania = new QWidget(this);
    pasek_szukania->setObjectName(u"pasek_szukania"_s);
    auto* uklad = new QHBoxLayout(pasek_szukania);
    uklad->setContentsMargins(4, 2, 4, 2);
    auto* etykieta = new QLabel(u"&Szukaj:"_s, pasek_szukania);
    pole_szukania = new QLineEdit(pasek_szukania);
    pole_szukania->setObjectName(u"pole_szukania"_s);
    pole_szukania->setPlaceholderText(u"odbiorca, tytuł, nr rachunku lub kwota"_s);
    pole_szukania->setToolTip(
        u"Pokazuje tylko przelewy, których odbiorca, tytuł, numer rachunku lub kwota "
        u"zawierają wpisany tekst (Esc: pokaż wszystkie)"_s);
    pole_szukania->setAccessibleName(u"Szukaj"_s);
    etykieta->setBuddy(pole_szukania);
    zamknij_szukanie = new QToolButton(pasek_szukania);
    zamknij_szukanie->setObjectName(u"zamknij_szukanie"_s);
    zamknij_szukanie->setAutoRaise(true);
    zamknij_szukanie->setToolTip(u"Zamknij wyszukiwanie i pokaż wszystkie przelewy"_s);
    zamknij_szukanie->setAccessibleName(zamknij_szukanie->toolTip());
    zamknij_szukanie->setFocusPolicy(Qt::NoFocus);
    uklad->addWidget(etykieta);
    uklad->addWidget(pole_szukania, 1);
    uklad->addWidget(zamknij_szukanie);
    pasek_szukania->hide();

    pole_szukania->installEventFilter(new KlawiszeSzukania(this));
    connect(pole_szukania, &QLineEdit::textChanged, this, &Tglowne_okno::szukanie_zmienione);
    connect(zamknij_szukanie, &QToolButton::clicked, this, &Tglowne_okno::ukryj_szukanie);
    connect(Znajdz1, &QAction::triggered, this, &Tglowne_okno::pokaz_szukanie);

    l_znalezione = new QLabel(this);
    l_znalezione->setObjectName(u"l_znalezione"_s);
    statusBar()->addPermanentWidget(l_znalezione);
    l_znalezione->hide();
    // The count follows whatever changes the list under the filter.
    // The source's signals, since a hidden new order changes only the total; the
    // filter hears them first, having connected first.
    for (auto sygnal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_listy, sygnal, this, [this] { szukanie_zmienione(pole_szukania->text()); });
    connect(model_listy, &QAbstractItemModel::modelReset, this,
            [this] { szukanie_zmienione(pole_szukania->text()); });
}

void Tglowne_okno::pokaz_szukanie() {
    // The style's pictures are read when the bar is first wanted, not at start.
    if (!pole_szukania->isClearButtonEnabled()) {
        pole_szukania->setClearButtonEnabled(true);
        zamknij_szukanie->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    }
    pasek_szukania->show();
    pole_szukania->setFocus(Qt::ShortcutFocusReason);
    pole_szukania->selectAll();
}

void Tglowne_okno::ukryj_szukanie() {
    const bool mial_fokus = pole_szukania->hasFocus();
    pole_szukania->clear();
    pasek_szukania->hide();
    if (mial_fokus) ListView->setFocus(Qt::OtherFocusReason);
}

void Tglowne_okno::szukanie_zmienione(const QString& tekst) {
    filtr_listy->ustaw_tekst(tekst);
    if (!filtr_listy->aktywny()) {
        l_znalezione->hide();
    } else {
        l_znalezione->setText(u"%1 z %2 przelewów"_s.arg(filtr_listy->rowCount()).arg(ilosc_el()));
        l_znalezione->show();
    }
    ListViewClick();
}

int Tglowne_okno::wiersz_linii(int linia) const {
    return filtr_listy->mapToSource(filtr_listy->index(linia, 0)).row() + 1;
}

int Tglowne_okno::linia_wiersza(int nr) const {
    return filtr_listy->mapFromSource(model_listy->index(nr - 1, 0)).row();
}
