#include "extras/statystyki.h"

#include "extras/statystyki_obliczenia.h"
#include "register/przelew.h"
#include "widgets/czcionki.h"
#include "widgets/dialogi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString brak_kryterium = u"--"_s;

QComboBox* lista(QWidget* rodzic, const char* nazwa, int widocznych) {
    auto* l = new QComboBox(rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->setEditable(false);
    l->setMaxVisibleItems(widocznych);
    // Names may be 150 characters long: the window keeps its width instead of
    // growing with the longest one.
    l->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    l->setMinimumContentsLength(24);
    return l;
}

QLabel* wynik(QWidget* rodzic, const char* nazwa) {
    auto* l = new QLabel(rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(u"99999999999,99"_s));
    return l;
}

}  // namespace

TFstatystyki::TFstatystyki(const TablicaPrzelewow& tablica, QWidget* rodzic)
    : QDialog(rodzic), tablica_(tablica) {
    setObjectName(u"TFstatystyki"_s);
    setWindowTitle(u"Statystyki bazy"_s);
    ustaw_czcionke_okna(this, 8);

    CBrok = lista(this, "CBrok", 10);
    CBmiesiac = lista(this, "CBmiesiac", 13);
    CBnadawcy = lista(this, "CBnadawcy", 15);
    CBodbiorcy = lista(this, "CBodbiorcy", 15);
    Lwypisanych = wynik(this, "Lwypisanych");
    LwypisanychWplat = wynik(this, "LwypisanychWplat");
    LwypisanychPrzelewow = wynik(this, "LwypisanychPrzelewow");
    Lkwota = wynik(this, "Lkwota");
    LkwotaWplat = wynik(this, "LkwotaWplat");
    LkwotaPrzelewow = wynik(this, "LkwotaPrzelewow");

    auto* uklad = new QGridLayout(this);
    uklad->setHorizontalSpacing(8);
    uklad->setColumnStretch(2, 1);
    auto napis = [this](const QString& tekst) { return new QLabel(tekst, this); };
    int wiersz = 0;
    for (auto [podpis, l] : {std::pair{u"rok:"_s, CBrok},
                             {u"miesiąc:"_s, CBmiesiac},
                             {u"nadawcy:"_s, CBnadawcy},
                             {u"odbiorcy:"_s, CBodbiorcy}}) {
        uklad->addWidget(napis(podpis), wiersz, 0, 1, 2);
        uklad->addWidget(l, wiersz++, 2, 1, 2);
    }

    auto* naglowek = napis(u"Statystyki dla zadanych kryteriów:"_s);
    QFont gruba = naglowek->font();
    gruba.setBold(true);
    gruba.setItalic(true);
    gruba.setUnderline(true);
    naglowek->setFont(gruba);
    uklad->addItem(new QSpacerItem(0, 8), wiersz++, 0);
    uklad->addWidget(naglowek, wiersz++, 0, 1, 4);

    auto dodaj = [&](const QString& w_tym, const QString& podpis, QLabel* wartosc, bool pln) {
        if (podpis.startsWith(u'-')) {
            // "- wpłat:" and its kin stand indented under "w tym:".
            if (!w_tym.isEmpty()) uklad->addWidget(napis(w_tym), wiersz, 0);
            uklad->addWidget(napis(podpis), wiersz, 1);
        } else {
            uklad->addWidget(napis(podpis), wiersz, 0, 1, 2);
        }
        uklad->addWidget(wartosc, wiersz, 2);
        if (pln) uklad->addWidget(napis(u"PLN"_s), wiersz, 3);
        ++wiersz;
    };
    dodaj({}, u"Wypełnionych:"_s, Lwypisanych, false);
    dodaj(u"w tym:"_s, u"- wpłat:"_s, LwypisanychWplat, false);
    dodaj({}, u"- przelewów:"_s, LwypisanychPrzelewow, false);
    uklad->addItem(new QSpacerItem(0, 6), wiersz++, 0);
    dodaj({}, u"Łączna kwota:"_s, Lkwota, true);
    dodaj(u"w tym:"_s, u"- z wpłat:"_s, LkwotaWplat, true);
    dodaj({}, u"- z przelewów:"_s, LkwotaPrzelewow, true);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* l : {CBrok, CBmiesiac, CBnadawcy, CBodbiorcy})
        connect(l, &QComboBox::currentIndexChanged, this, [this] { Licz(); });
}

void TFstatystyki::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    // showEvent comes before the window is on screen: a message box opened
    // here would run its own loop first and leave the window collapsed.
    w_pokazywaniu_ = true;
    FormShow();
    w_pokazywaniu_ = false;
}

void TFstatystyki::zglos_blad(const QString& tekst) {
    auto pokaz = [this, tekst] {
        Dialogi::komunikat(this, tekst, u"Vandoria"_s, Dialogi::Ikona::Blad);
    };
    if (w_pokazywaniu_)
        QTimer::singleShot(0, this, pokaz);
    else
        pokaz();
}

void TFstatystyki::FormShow() {
    n_ = tablica_.ilosc_el();
    static const QStringList miesiace = {
        u"styczeń"_s, u"luty"_s,     u"marzec"_s,   u"kwiecień"_s,    u"maj"_s,      u"czerwiec"_s,
        u"lipiec"_s,  u"sierpień"_s, u"wrzesień"_s, u"październik"_s, u"listopad"_s, u"grudzień"_s};
    const ListyStatystyk listy = listy_statystyk(tablica_, n_);
    {
        const QSignalBlocker b1(CBrok), b2(CBmiesiac), b3(CBnadawcy), b4(CBodbiorcy);
        for (QComboBox* l : {CBrok, CBmiesiac, CBnadawcy, CBodbiorcy}) {
            l->clear();
            l->addItem(brak_kryterium);
        }
        CBmiesiac->addItems(miesiace);
        CBrok->addItems(listy.lata);
        CBnadawcy->addItems(listy.nadawcy);
        CBodbiorcy->addItems(listy.odbiorcy);
        for (QComboBox* l : {CBrok, CBmiesiac, CBnadawcy, CBodbiorcy}) l->setCurrentIndex(0);
    }
    if (listy.blad) {
        zglos_blad(listy.blad->komunikat());
        return;
    }
    Licz();
}

void TFstatystyki::Licz() {
    KryteriaStatystyk kryteria;
    if (CBrok->currentIndex() > 0) kryteria.rok = CBrok->currentText();
    kryteria.miesiac = std::max(CBmiesiac->currentIndex(), 0);
    if (CBnadawcy->currentIndex() > 0)
        kryteria.nadawca = cp1250::z_unicode(CBnadawcy->currentText());
    if (CBodbiorcy->currentIndex() > 0)
        kryteria.odbiorca = cp1250::z_unicode(CBodbiorcy->currentText());

    const WynikStatystyk w = licz_statystyki(tablica_, n_, kryteria);
    if (w.blad) {
        zglos_blad(w.blad->komunikat());
        return;
    }
    Lwypisanych->setText(QString::number(w.wplat + w.przelewow));
    LwypisanychWplat->setText(QString::number(w.wplat));
    LwypisanychPrzelewow->setText(QString::number(w.przelewow));
    Lkwota->setText(forma_sumy(w.kwota_wplat + w.kwota_przelewow));
    LkwotaWplat->setText(forma_sumy(w.kwota_wplat));
    LkwotaPrzelewow->setText(forma_sumy(w.kwota_przelewow));
}
