#include "addressbook/nowy_edycja_wpisu_bazy.h"

#include "ui/znaki_zapisywalne.h"
#include "ui/zdarzenia_okien.h"

#include "addressbook/komunikaty_bazy.h"
#include "addressbook/lista.h"
#include "editor/czy_puste.h"
#include "editor/pole_maskowane.h"
#include "editor/sprawdzanie_konta.h"
#include "editor/suma_kontrolna.h"
#include "ui/okna.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace {

void maluj(QWidget* pole, const QColor& kolor) {
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, kolor);
    pole->setPalette(paleta);
}

}  // namespace

QString pierwsza_wielka(const QString& tekst) {
    if (tekst.isEmpty() || tekst.at(0) < u'a' || tekst.at(0) > u'z') return tekst;
    QString wynik = tekst;
    wynik[0] = QChar(tekst.at(0).unicode() - u'a' + u'A');
    return wynik;
}

Tnowy_wpis::Tnowy_wpis(QWidget* rodzic)
    : QDialog(rodzic, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(u"Tnowy_wpis"_s);
    setWindowTitle(u"Nowy wpis / Edycja istniejącego"_s);
    setModal(true);
    zbuduj();
}

void Tnowy_wpis::zbuduj() {
    auto etykieta = [this](const QString& nazwa, const QString& tekst) {
        auto* l = new QLabel(tekst, this);
        l->setObjectName(nazwa);
        return l;
    };
    auto pole_tekstu = [this](const QString& nazwa) {
        auto* p = new QLineEdit(this);
        p->setObjectName(nazwa);
        // The record's capacity: an entry added from the transfer editor may
        // be longer than anything typed here, and editing must not cut it.
        p->setMaxLength(150);
        p->setValidator(new ZnakiZapisywalne(p));
        return p;
    };
    auto pole_maski = [this](const QString& nazwa, const QString& maska, int cyfr) {
        auto* p = new PoleMaskowane(maska, this);
        p->setObjectName(nazwa);
        p->setFixedWidth(p->fontMetrics().horizontalAdvance(QString(cyfr, u'8')) + 14);
        return p;
    };
    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        b->setMinimumSize(75, 25);
        return b;
    };

    Label1 = etykieta(u"Label1"_s, u"Nazwa odbiorcy:"_s);
    Label2 = etykieta(u"Label2"_s, u"Nazwa odbiorcy cd.:"_s);
    Label3 = etykieta(u"Label3"_s, u"Lk.:"_s);
    Label4 = etykieta(u"Label4"_s, u"Nr banku odbiorcy:"_s);
    Label5 = etykieta(u"Label5"_s, u"Nr rachunku odbiorcy:"_s);
    nazwa_odbiorcy1_wpis = pole_tekstu(u"nazwa_odbiorcy1_wpis"_s);
    nazwa_odbiorcy2_wpis = pole_tekstu(u"nazwa_odbiorcy2_wpis"_s);
    lk_wpis = pole_maski(u"lk_wpis"_s, u"!99;1; "_s, 2);
    nr_banku_odbiorcy_wpis = pole_maski(u"nr_banku_odbiorcy_wpis"_s, u"!9999 9999;1; "_s, 9);
    nr_rach_odbiorcy_wpis =
        pole_maski(u"nr_rach_odbiorcy_wpis"_s, u"!9999 9999 9999 9999;1; "_s, 19);
    polacz_pola_konta(lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis);
    b_zapisz = przycisk(u"b_zapisz"_s, u"&Zapisz"_s);
    b_anuluj = przycisk(u"b_anuluj"_s, u"&Anuluj"_s);
    // Enter on a focused button presses it; anywhere else it is "Zapisz".
    b_zapisz->setAutoDefault(true);
    b_anuluj->setAutoDefault(true);
    b_zapisz->setDefault(true);

    // The name lines with their labels in front; the number fields below with
    // their labels above, so the longest labels of all three books fit the width.
    auto* nazwy = new QGridLayout;
    nazwy->addWidget(Label1, 0, 0);
    nazwy->addWidget(nazwa_odbiorcy1_wpis, 0, 1);
    nazwy->addWidget(Label2, 1, 0);
    nazwy->addWidget(nazwa_odbiorcy2_wpis, 1, 1);
    auto* numery = new QGridLayout;
    numery->setVerticalSpacing(2);
    numery->addWidget(Label3, 0, 0);
    numery->addWidget(lk_wpis, 1, 0);
    numery->addWidget(Label4, 0, 1);
    numery->addWidget(nr_banku_odbiorcy_wpis, 1, 1);
    numery->addWidget(Label5, 0, 2);
    numery->addWidget(nr_rach_odbiorcy_wpis, 1, 2);
    auto* dol = new QHBoxLayout;
    dol->addLayout(numery);
    dol->addStretch();
    dol->addWidget(b_zapisz, 0, Qt::AlignBottom);
    dol->addWidget(b_anuluj, 0, Qt::AlignBottom);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addLayout(nazwy);
    uklad->addStretch();
    uklad->addLayout(dol);
    l_suma_kontrolna = new QLabel(this);
    l_suma_kontrolna->setObjectName(u"l_suma_kontrolna"_s);
    przygotuj_notatke_sumy(l_suma_kontrolna);
    uklad->addWidget(l_suma_kontrolna);
    resize(513, 137);

    setTabOrder(nazwa_odbiorcy1_wpis, nazwa_odbiorcy2_wpis);
    setTabOrder(nazwa_odbiorcy2_wpis, lk_wpis);
    setTabOrder(lk_wpis, nr_banku_odbiorcy_wpis);
    setTabOrder(nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis);
    setTabOrder(nr_rach_odbiorcy_wpis, b_zapisz);
    setTabOrder(b_zapisz, b_anuluj);

    nazwa_odbiorcy1_wpis->installEventFilter(this);
    nr_rach_odbiorcy_wpis->installEventFilter(this);
    connect(lk_wpis, &PoleMaskowane::zmieniony, this, &Tnowy_wpis::lk_wpisChange);
    connect(lk_wpis, &PoleMaskowane::opuszczony, this, &Tnowy_wpis::lk_wpisExit);
    connect(nr_banku_odbiorcy_wpis, &PoleMaskowane::zmieniony, this,
            &Tnowy_wpis::nr_banku_odbiorcy_wpisChange);
    connect(nr_banku_odbiorcy_wpis, &PoleMaskowane::opuszczony, this,
            &Tnowy_wpis::nr_banku_odbiorcy_wpisExit);
    connect(nr_rach_odbiorcy_wpis, &PoleMaskowane::zmieniony, this,
            &Tnowy_wpis::nr_rach_odbiorcy_wpisChange);
    connect(nr_rach_odbiorcy_wpis, &PoleMaskowane::opuszczony, this,
            &Tnowy_wpis::nr_rach_odbiorcy_wpisExit);
    // After the completeness handlers above, so that amber wins over their normal colour.
    for (PoleMaskowane* p : {lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis}) {
        connect(p, &PoleMaskowane::zmieniony, this, [this] { sprawdz_sume_kontrolna(); });
        connect(p, &PoleMaskowane::opuszczony, this, [this] { sprawdz_sume_kontrolna(); });
    }
    connect(b_zapisz, &QPushButton::clicked, this, &Tnowy_wpis::b_zapiszClick);
    connect(b_anuluj, &QPushButton::clicked, this, &Tnowy_wpis::b_anulujClick);
}

void Tnowy_wpis::ustaw_dla_bazy(RodzajBazy rodzaj) {
    rodzaj_ = rodzaj;
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            Label1->setText(u"Nazwa odbiorcy:"_s);
            Label2->setText(u"Nazwa odbiorcy cd.:"_s);
            Label4->setText(u"Nr banku odbiorcy:"_s);
            Label5->setText(u"Nr rachunku odbiorcy:"_s);
            break;
        case RodzajBazy::nadawcy:
            Label1->setText(u"Nazwa nadawcy:"_s);
            Label2->setText(u"Nazwa nadawcy cd.:"_s);
            Label4->setText(u"Nr banku nadawcy:"_s);
            Label5->setText(u"Nr rachunku nadawcy:"_s);
            break;
        case RodzajBazy::tytuly:
            Label1->setText(u"Tytułem:"_s);
            Label2->setText(u"Tytułem cd.:"_s);
            Label4->setText(u"Nr banku:"_s);
            Label5->setText(u"Nr rachunku:"_s);
            break;
    }
    const bool numery = rodzaj != RodzajBazy::tytuly;
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label3, Label4, Label5, lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis})
        w->setEnabled(numery);
    maluj_pola_numerow();
}

// Window colour, or the switched-off colour in the titles book; either way a
// red mark left over from the previous entry goes.
void Tnowy_wpis::maluj_pola_numerow() {
    for (QWidget* pole :
         std::initializer_list<QWidget*>{lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis}) {
        if (rodzaj_ == RodzajBazy::tytuly)
            maluj(pole, kolor_pol_nieaktywnych);
        else
            maluj_normalnie(pole);
    }
    sprawdz_sume_kontrolna();
}

bool Tnowy_wpis::sprawdz_sume_kontrolna() {
    if (!l_suma_kontrolna) return false;
    const bool bledny =
        rodzaj_ != RodzajBazy::tytuly &&
        oznacz_sume_kontrolna({lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis});
    l_suma_kontrolna->setVisible(bledny);
    return bledny;
}

void Tnowy_wpis::wyczysc_pola() {
    nazwa_odbiorcy1_wpis->clear();
    nazwa_odbiorcy2_wpis->clear();
    lk_wpis->ustaw_tekst({});
    nr_banku_odbiorcy_wpis->ustaw_tekst({});
    nr_rach_odbiorcy_wpis->ustaw_tekst({});
    maluj_pola_numerow();
}

void Tnowy_wpis::wypelnij(const Twpis_bazy& wpis) {
    nazwa_odbiorcy1_wpis->setText(wpis.nazwa1.na_unicode());
    nazwa_odbiorcy2_wpis->setText(wpis.nazwa2.na_unicode());
    lk_wpis->ustaw_tekst(wpis.lk.na_unicode());
    nr_banku_odbiorcy_wpis->ustaw_tekst(wpis.nr_banku.na_unicode());
    nr_rach_odbiorcy_wpis->ustaw_tekst(wpis.nr_rach.na_unicode());
    maluj_pola_numerow();
}

Twpis_bazy Tnowy_wpis::wpis_z_pol() const {
    return Twpis_bazy::z_tekstow(nazwa_odbiorcy1_wpis->text(), nazwa_odbiorcy2_wpis->text(),
                                 lk_wpis->tekst(), nr_banku_odbiorcy_wpis->tekst(),
                                 nr_rach_odbiorcy_wpis->tekst());
}

void Tnowy_wpis::FormActivate() {
    nazwa_odbiorcy1_wpis->setFocus(Qt::ActiveWindowFocusReason);
    if (edycja_wpisu && rodzaj_ != RodzajBazy::tytuly) {
        lk_wpisExit();
        nr_banku_odbiorcy_wpisExit();
        nr_rach_odbiorcy_wpisExit();
        sprawdz_sume_kontrolna();
    }
}

void Tnowy_wpis::nazwa_odbiorcy1_wpisExit() {
    const QString tekst = nazwa_odbiorcy1_wpis->text();
    const QString poprawiony = pierwsza_wielka(tekst);
    if (poprawiony != tekst) nazwa_odbiorcy1_wpis->setText(poprawiony);
}

void Tnowy_wpis::lk_wpisChange() {
    if (isVisible() && !lk_wpis->tekst().contains(u' ')) {
        nr_banku_odbiorcy_wpis->setFocus(Qt::TabFocusReason);
        nr_banku_odbiorcy_wpis->setCursorPosition(0);
    }
}

void Tnowy_wpis::lk_wpisExit() { sprawdzenie_lk(lk_wpis); }

void Tnowy_wpis::nr_banku_odbiorcy_wpisChange() {
    po_zmianie_nr_banku(nr_banku_odbiorcy_wpis, this, nr_rach_odbiorcy_wpis);
}

void Tnowy_wpis::nr_banku_odbiorcy_wpisExit() { po_wyjsciu_z_nr_banku(nr_banku_odbiorcy_wpis); }

void Tnowy_wpis::nr_rach_odbiorcy_wpisChange() { po_zmianie_nr_rach(nr_rach_odbiorcy_wpis); }

void Tnowy_wpis::nr_rach_odbiorcy_wpisExit() { po_wyjsciu_z_nr_rach(nr_rach_odbiorcy_wpis); }

void Tnowy_wpis::b_zapiszClick() {
    nazwa_odbiorcy1_wpisExit();
    if (czy_puste(this, nazwa_odbiorcy1_wpis->text())) return;
    if (sprawdz_sume_kontrolna() && !zapisac_mimo_bledu_sumy(this)) return;
    const Twpis_bazy wpis = wpis_z_pol();
    Tlista_wpisow* lista = okna().lista_wpisow;
    if (edycja_wpisu) {
        if (lista) tablica_wpisow.wyedytowanie_elementu(lista->zaznaczony_el_w_bazie(), wpis);
    } else if (!tablica_wpisow.dodanie_elementu(wpis)) {
        zglos_pelna_baze(this);
        return;
    }
    if (lista) lista->odswiezenie_listy();
    accept();
}

void Tnowy_wpis::b_anulujClick() { reject(); }

bool Tnowy_wpis::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate && isVisible()) FormActivate();
    return QDialog::event(zdarzenie);
}

void Tnowy_wpis::showEvent(QShowEvent* zdarzenie) {
    przy_otwarciu_ = wpis_z_pol();
    QDialog::showEvent(zdarzenie);
    FormActivate();
}

void Tnowy_wpis::keyPressEvent(QKeyEvent* zdarzenie) {
    if (!escape_anuluje(zdarzenie, this, wpis_z_pol() != przy_otwarciu_))
        QDialog::keyPressEvent(zdarzenie);
}

bool Tnowy_wpis::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == nazwa_odbiorcy1_wpis && zdarzenie->type() == QEvent::FocusOut &&
        wyjscie_z_pola(static_cast<QFocusEvent*>(zdarzenie)))
        nazwa_odbiorcy1_wpisExit();
    if (obiekt == nr_rach_odbiorcy_wpis && zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            b_zapiszClick();
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}
