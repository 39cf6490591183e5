#include "addressbook/nowy_edycja_wpisu_bazy.h"

#include "widgets/zdarzenia_okien.h"
#include "widgets/znaki_zapisywalne.h"

#include "register/maska.h"
#include "widgets/czcionki.h"
#include "widgets/czy_puste.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "widgets/suma_kontrolna.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr RodzajBazy wszystkie_bazy[] = {RodzajBazy::odbiorcy, RodzajBazy::nadawcy,
                                         RodzajBazy::tytuly};

// The width the label needs for the longest of these captions.
int szerokosc_dla(QLabel* etykieta, const QStringList& teksty) {
    const QString obecny = etykieta->text();
    int szerokosc = 0;
    for (const QString& t : teksty) {
        etykieta->setText(t);
        szerokosc = std::max(szerokosc, etykieta->sizeHint().width());
    }
    etykieta->setText(obecny);
    return szerokosc;
}

// Wide enough for the whole mask and the caret, whatever the font.
void dopasuj_szerokosc(PoleMaskowane* pole) {
    const QFontMetrics miary = pole->fontMetrics();
    // What a line edit adds around its text: frame and margins.
    const int obramowanie = pole->sizeHint().width() - miary.horizontalAdvance(u'x') * 17;
    pole->setFixedWidth(obramowanie + miary.horizontalAdvance(pole->maska().pusty()) +
                        miary.horizontalAdvance(u'8'));
}

}  // namespace

OpisyPol opisy_pol(RodzajBazy rodzaj) {
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            return {u"Nazwa odbiorcy:"_s, u"Nazwa odbiorcy cd.:"_s, u"Nr banku odbiorcy:"_s,
                    u"Nr rachunku odbiorcy:"_s};
        case RodzajBazy::nadawcy:
            return {u"Nazwa nadawcy:"_s, u"Nazwa nadawcy cd.:"_s, u"Nr banku nadawcy:"_s,
                    u"Nr rachunku nadawcy:"_s};
        case RodzajBazy::tytuly:
            break;
    }
    return {u"Tytułem:"_s, u"Tytułem cd.:"_s, u"Nr banku:"_s, u"Nr rachunku:"_s};
}

Tnowy_wpis::Tnowy_wpis(QWidget* rodzic, RodzajBazy rodzaj, const std::optional<Twpis_bazy>& wpis)
    : QDialog(rodzic,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      rodzaj_(rodzaj),
      edycja_(wpis.has_value()) {
    setObjectName(u"Tnowy_wpis"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 8);
    zbuduj();
    ustaw_dla_bazy();
    wypelnij(wpis.value_or(Twpis_bazy{}));
    setWindowTitle(edycja_ ? u"Edycja wpisu"_s : u"Nowy wpis"_s);
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
    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        // Enter on a focused button presses it; anywhere else it is "Zapisz".
        b->setAutoDefault(true);
        return b;
    };

    Label1 = etykieta(u"Label1"_s, {});
    Label2 = etykieta(u"Label2"_s, {});
    Label3 = etykieta(u"Label3"_s, u"Lk.:"_s);
    Label4 = etykieta(u"Label4"_s, {});
    Label5 = etykieta(u"Label5"_s, {});
    nazwa_odbiorcy1_wpis = pole_tekstu(u"nazwa_odbiorcy1_wpis"_s);
    nazwa_odbiorcy2_wpis = pole_tekstu(u"nazwa_odbiorcy2_wpis"_s);
    konto = new PoleKonta(this, u"_wpis"_s);
    lk_wpis = konto->czesc(PoleKonta::lk);
    nr_banku_odbiorcy_wpis = konto->czesc(PoleKonta::bank);
    nr_rach_odbiorcy_wpis = konto->czesc(PoleKonta::rach);
    // Each label names its field, for the required-field message and screen readers.
    Label1->setBuddy(nazwa_odbiorcy1_wpis);
    Label2->setBuddy(nazwa_odbiorcy2_wpis);
    Label3->setBuddy(lk_wpis);
    Label4->setBuddy(nr_banku_odbiorcy_wpis);
    Label5->setBuddy(nr_rach_odbiorcy_wpis);
    b_zapisz = przycisk(u"b_zapisz"_s, u"&Zapisz"_s);
    b_anuluj = przycisk(u"b_anuluj"_s, u"&Anuluj"_s);
    b_zapisz->setDefault(true);
    l_suma_kontrolna = new QLabel(this);
    l_suma_kontrolna->setObjectName(u"l_suma_kontrolna"_s);
    przygotuj_notatke_sumy(l_suma_kontrolna);

    ulozenie();
    // A larger desktop font makes the window larger in proportion.
    const qreal skala = std::max<qreal>(1, QFontInfo(font()).pointSizeF() / 8);
    resize((QSizeF(513, 137) * skala).toSize());
    polaczenia();
}

// The name lines with their labels in front; the number fields below with
// their labels above, so the longest labels of all three books fit the width.
void Tnowy_wpis::ulozenie() {
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
    // 75 x 25 or what the captions need: minimums of the grid rather than of
    // the buttons, which would let a large font cut the captions.
    auto* przyciski = new QGridLayout;
    przyciski->setRowStretch(0, 1);
    przyciski->setRowMinimumHeight(1, 25);
    przyciski->addWidget(b_zapisz, 1, 0);
    przyciski->setColumnMinimumWidth(0, 75);
    przyciski->addWidget(b_anuluj, 1, 1);
    przyciski->setColumnMinimumWidth(1, 75);
    auto* dol = new QHBoxLayout;
    dol->addLayout(numery);
    dol->addStretch();
    dol->addLayout(przyciski);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addLayout(nazwy);
    uklad->addStretch();
    uklad->addLayout(dol);
    uklad->addWidget(l_suma_kontrolna);

    setTabOrder(nazwa_odbiorcy1_wpis, nazwa_odbiorcy2_wpis);
    setTabOrder(nazwa_odbiorcy2_wpis, lk_wpis);
    setTabOrder(lk_wpis, nr_banku_odbiorcy_wpis);
    setTabOrder(nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis);
    setTabOrder(nr_rach_odbiorcy_wpis, b_zapisz);
    setTabOrder(b_zapisz, b_anuluj);
    ustaw_szerokosci();
}

void Tnowy_wpis::polaczenia() {
    nazwa_odbiorcy1_wpis->installEventFilter(this);
    nr_rach_odbiorcy_wpis->installEventFilter(this);
    connect(konto, &PoleKonta::stan_zmieniony, this, [this] { sprawdz_sume_kontrolna(); });
    connect(b_zapisz, &QPushButton::clicked, this, &Tnowy_wpis::b_zapiszClick);
    connect(b_anuluj, &QPushButton::clicked, this, &Tnowy_wpis::b_anulujClick);
}

// Every label as wide as its widest caption in any book and every number
// field as wide as its mask: the fields stand in the same place in all three
// books, at any font size.
void Tnowy_wpis::ustaw_szerokosci() {
    QStringList l1, l2, l4, l5;
    for (RodzajBazy r : wszystkie_bazy) {
        const OpisyPol o = opisy_pol(r);
        l1 << o.label1;
        l2 << o.label2;
        l4 << o.label4;
        l5 << o.label5;
    }
    const int nazwy = std::max(szerokosc_dla(Label1, l1), szerokosc_dla(Label2, l2));
    Label1->setMinimumWidth(nazwy);
    Label2->setMinimumWidth(nazwy);
    Label4->setMinimumWidth(szerokosc_dla(Label4, l4));
    Label5->setMinimumWidth(szerokosc_dla(Label5, l5));
    for (PoleMaskowane* p : {lk_wpis, nr_banku_odbiorcy_wpis, nr_rach_odbiorcy_wpis})
        dopasuj_szerokosc(p);
}

void Tnowy_wpis::ustaw_dla_bazy() {
    const OpisyPol opisy = opisy_pol(rodzaj_);
    Label1->setText(opisy.label1);
    Label2->setText(opisy.label2);
    Label4->setText(opisy.label4);
    Label5->setText(opisy.label5);
    const bool numery = rodzaj_ != RodzajBazy::tytuly;
    for (QWidget* w : {Label3, Label4, Label5}) w->setEnabled(numery);
    konto->ustaw_wylaczone(!numery);
}

bool Tnowy_wpis::sprawdz_sume_kontrolna() {
    if (!l_suma_kontrolna) return false;
    const bool bledny =
        rodzaj_ != RodzajBazy::tytuly && konto->stan() == StanPolaKonta::bledna_suma;
    l_suma_kontrolna->setVisible(bledny);
    return bledny;
}

void Tnowy_wpis::wypelnij(const Twpis_bazy& wpis) {
    nazwa_odbiorcy1_wpis->setText(wpis.nazwa1.na_unicode());
    nazwa_odbiorcy2_wpis->setText(wpis.nazwa2.na_unicode());
    konto->ustaw(wpis.lk.na_unicode(), wpis.nr_banku.na_unicode(), wpis.nr_rach.na_unicode());
    sprawdz_sume_kontrolna();
}

Twpis_bazy Tnowy_wpis::wpis() const {
    return Twpis_bazy::z_tekstow(nazwa_odbiorcy1_wpis->text(), nazwa_odbiorcy2_wpis->text(),
                                 lk_wpis->tekst(), nr_banku_odbiorcy_wpis->tekst(),
                                 nr_rach_odbiorcy_wpis->tekst());
}

void Tnowy_wpis::FormActivate() {
    nazwa_odbiorcy1_wpis->setFocus(Qt::ActiveWindowFocusReason);
    if (edycja_) konto->oznacz_braki();
    sprawdz_sume_kontrolna();
}

void Tnowy_wpis::nazwa_odbiorcy1_wpisExit() {
    const QString tekst = nazwa_odbiorcy1_wpis->text();
    const QString poprawiony = pierwsza_wielka(tekst);
    if (poprawiony != tekst) nazwa_odbiorcy1_wpis->setText(poprawiony);
}

// Stores nothing itself: whoever opened the window takes wpis() once it was
// accepted.
void Tnowy_wpis::b_zapiszClick() {
    nazwa_odbiorcy1_wpisExit();
    konto->oznacz_braki();
    if (czy_puste(nazwa_odbiorcy1_wpis)) return;
    if (sprawdz_sume_kontrolna() && !zapisac_mimo_bledu_sumy(this)) return;
    accept();
}

void Tnowy_wpis::b_anulujClick() { reject(); }

bool Tnowy_wpis::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate && isVisible()) FormActivate();
    return QDialog::event(zdarzenie);
}

void Tnowy_wpis::changeEvent(QEvent* zdarzenie) {
    QDialog::changeEvent(zdarzenie);
    if (Label1 &&
        (zdarzenie->type() == QEvent::FontChange || zdarzenie->type() == QEvent::StyleChange))
        ustaw_szerokosci();
}

void Tnowy_wpis::showEvent(QShowEvent* zdarzenie) {
    przy_otwarciu_ = wpis();
    // The fields' own fonts are settled by now.
    ustaw_szerokosci();
    QDialog::showEvent(zdarzenie);
    FormActivate();
}

void Tnowy_wpis::keyPressEvent(QKeyEvent* zdarzenie) {
    if (!escape_anuluje(zdarzenie, this, wpis() != przy_otwarciu_))
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
