#include "payments/przelew_podatkowy.h"

#include "payments/okna_podatkowe.h"
#include "payments/oznaczenia.h"
#include "payments/rodzaj_zlecenia.h"
#include "register/konto.h"
#include "register/przelew.h"
#include "widgets/czcionki.h"
#include "widgets/suma_kontrolna.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using RI = RodzajIdentyfikatora;
using RO = RodzajOkresu;

const RI rodzaje_identyfikatora[] = {RI::nip,   RI::pesel,    RI::regon,
                                     RI::dowod, RI::paszport, RI::inny};

struct OpisOkresu {
    RO rodzaj;
    const char16_t* nazwa;
    const char16_t* numer;  // what the number counts; none for a year
    int najwiekszy;
};
const OpisOkresu okresy[] = {
    {RO::miesiac, u"miesiąc", u"miesiąc", 12},      {RO::kwartal, u"kwartał", u"kwartał", 4},
    {RO::polrocze, u"półrocze", u"półrocze", 2},    {RO::rok, u"rok", nullptr, 0},
    {RO::dekada, u"dekada miesiąca", u"dekada", 3}, {RO::dzien, u"dzień", u"dzień", 31},
    {RO::brak, u"bez okresu", nullptr, 0},
};

// The forms most often paid; any other can be typed.
const char16_t* const symbole[] = {u"PIT-4R", u"PIT-8AR", u"PIT-28", u"PIT-36", u"PIT-36L",
                                   u"PIT-37", u"PIT-38",  u"PPE",    u"PPL",    u"VAT-7",
                                   u"VAT-7K", u"VAT-8",   u"VAT-9M", u"CIT-8",  u"PCC-3"};

}  // namespace

Tprzelew_podatkowy::Tprzelew_podatkowy(QWidget* rodzic, QDate dzis) : QDialog(rodzic), dzis_(dzis) {
    setObjectName(u"Tprzelew_podatkowy"_s);
    setWindowTitle(u"Przelew podatkowy"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);
    utworz_pola();
    uloz();
    polacz();
    ustaw_okres(poprzedni_miesiac(dzis_));
    po_zmianie_rodzaju_identyfikatora();
    // The type is NIP for most payers: the number is what gets typed first.
    e_identyfikator->setFocus();
}

void Tprzelew_podatkowy::utworz_pola() {
    cb_rodzaj_identyfikatora = new QComboBox(this);
    cb_rodzaj_identyfikatora->setObjectName(u"cb_rodzaj_identyfikatora"_s);
    for (const RI r : rodzaje_identyfikatora)
        cb_rodzaj_identyfikatora->addItem(nazwa_identyfikatora(r), int(r));
    e_identyfikator = new QLineEdit(this);
    e_identyfikator->setObjectName(u"e_identyfikator"_s);
    e_identyfikator->setMaxLength(najdluzszy_identyfikator);
    e_identyfikator->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9A-Za-z -]*"_s), this));

    cb_rodzaj_okresu = new QComboBox(this);
    cb_rodzaj_okresu->setObjectName(u"cb_rodzaj_okresu"_s);
    for (const OpisOkresu& o : okresy)
        cb_rodzaj_okresu->addItem(QString::fromUtf16(o.nazwa), int(o.rodzaj));
    auto liczba = [this](const QString& nazwa, int od, int dom) {
        auto* s = new QSpinBox(this);
        s->setObjectName(nazwa);
        s->setRange(od, dom);
        return s;
    };
    sb_rok = liczba(u"sb_rok"_s, 2000, 2099);
    sb_numer = liczba(u"sb_numer"_s, 1, 12);
    sb_miesiac = liczba(u"sb_miesiac"_s, 1, 12);
    l_numer = new QLabel(this);
    l_miesiac = new QLabel(u"miesiąc"_s, this);
    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        return b;
    };
    b_ten_miesiac = przycisk(u"b_ten_miesiac"_s, u"&Ten miesiąc"_s);
    b_poprzedni_miesiac = przycisk(u"b_poprzedni_miesiac"_s, u"&Poprzedni miesiąc"_s);
    b_ten_kwartal = przycisk(u"b_ten_kwartal"_s, u"Ten &kwartał"_s);
    b_ten_rok = przycisk(u"b_ten_rok"_s, u"Ten &rok"_s);

    cb_symbol = new QComboBox(this);
    cb_symbol->setObjectName(u"cb_symbol"_s);
    cb_symbol->setEditable(true);
    cb_symbol->setInsertPolicy(QComboBox::NoInsert);
    for (const char16_t* s : symbole) cb_symbol->addItem(QString::fromUtf16(s));
    cb_symbol->setCurrentIndex(-1);
    cb_symbol->lineEdit()->setMaxLength(najdluzszy_symbol + 2);
    e_identyfikacja = new QLineEdit(this);
    e_identyfikacja->setObjectName(u"e_identyfikacja"_s);
    e_identyfikacja->setMaxLength(najdluzsza_identyfikacja);
    e_identyfikacja->setPlaceholderText(u"(nieobowiązkowa)"_s);

    chb_mikrorachunek = new QCheckBox(u"Na &mikrorachunek"_s, this);
    chb_mikrorachunek->setObjectName(u"chb_mikrorachunek"_s);
    l_mikrorachunek = new QLabel(this);
    l_mikrorachunek->setObjectName(u"l_mikrorachunek"_s);
    l_mikrorachunek->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l_tytul = new QLabel(this);
    l_tytul->setObjectName(u"l_tytul"_s);
    l_uwaga = new QLabel(this);
    l_uwaga->setObjectName(u"l_uwaga"_s);
    l_uwaga->setWordWrap(true);
    pokoloruj_uwage(l_uwaga);
    b_ok = new QPushButton(u"&OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setDefault(true);
    b_anuluj = przycisk(u"b_anuluj"_s, u"&Anuluj"_s);
}

void Tprzelew_podatkowy::uloz() {
    auto* siatka = new QGridLayout;
    int w = 0;
    // A row's label leads to the control after it, for screen readers too;
    // the identifier's label to the number, which is what gets typed.
    auto wiersz = [&](const QString& etykieta, QLayout* pola) {
        auto* l = new QLabel(etykieta, this);
        QWidget* pierwsza = pola->itemAt(0)->widget();
        if (!etykieta.isEmpty() && pierwsza)
            l->setBuddy(pierwsza == cb_rodzaj_identyfikatora ? e_identyfikator : pierwsza);
        siatka->addWidget(l, w, 0);
        siatka->addLayout(pola, w++, 1);
    };
    auto rzad = [this](std::initializer_list<QWidget*> kontrolki) {
        auto* r = new QHBoxLayout;
        for (QWidget* k : kontrolki) r->addWidget(k);
        r->addStretch(1);
        return r;
    };
    wiersz(u"Identyfikator:"_s, rzad({cb_rodzaj_identyfikatora, e_identyfikator}));
    wiersz(u"Okres:"_s, rzad({cb_rodzaj_okresu, new QLabel(u"rok"_s, this), sb_rok, l_numer,
                              sb_numer, l_miesiac, sb_miesiac}));
    wiersz({}, rzad({b_ten_miesiac, b_poprzedni_miesiac, b_ten_kwartal, b_ten_rok}));
    wiersz(u"Symbol formularza:"_s, rzad({cb_symbol}));
    wiersz(u"Identyfikacja zobowiązania:"_s, rzad({e_identyfikacja}));
    wiersz({}, rzad({chb_mikrorachunek, l_mikrorachunek}));
    wiersz(u"Tytułem:"_s, rzad({l_tytul}));
    siatka->addWidget(l_uwaga, w++, 0, 1, 2);
    cb_rodzaj_identyfikatora->setAccessibleName(u"Rodzaj identyfikatora"_s);
    l_mikrorachunek->setAccessibleName(u"Numer mikrorachunku"_s);
    przygotuj_podglad_tytulu(l_tytul, u"/TI/N7831916366/OKR/24D0205/SFP/PIT-8AR"_s);
    l_mikrorachunek->setMinimumWidth(
        l_mikrorachunek->fontMetrics().horizontalAdvance(u"00 0000 0000 0000 0000 0000 0000"_s) +
        4);
    e_identyfikator->setMinimumWidth(e_identyfikator->fontMetrics().horizontalAdvance(
        QString(najdluzszy_identyfikator + 2, u'W')));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(b_ok);
    przyciski->addWidget(b_anuluj);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(siatka);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);
}

void Tprzelew_podatkowy::polacz() {
    connect(cb_rodzaj_identyfikatora, &QComboBox::currentIndexChanged, this,
            &Tprzelew_podatkowy::po_zmianie_rodzaju_identyfikatora);
    connect(cb_rodzaj_okresu, &QComboBox::currentIndexChanged, this,
            &Tprzelew_podatkowy::po_zmianie_rodzaju_okresu);
    for (QSpinBox* s : {sb_rok, sb_numer, sb_miesiac})
        connect(s, &QSpinBox::valueChanged, this, &Tprzelew_podatkowy::odswiez);
    for (QLineEdit* e : {e_identyfikator, e_identyfikacja, cb_symbol->lineEdit()})
        connect(e, &QLineEdit::textChanged, this, &Tprzelew_podatkowy::odswiez);
    connect(chb_mikrorachunek, &QCheckBox::toggled, this, &Tprzelew_podatkowy::odswiez);
    connect(b_ten_miesiac, &QPushButton::clicked, this,
            [this] { ustaw_okres(ten_miesiac(dzis_)); });
    connect(b_poprzedni_miesiac, &QPushButton::clicked, this,
            [this] { ustaw_okres(poprzedni_miesiac(dzis_)); });
    connect(b_ten_kwartal, &QPushButton::clicked, this,
            [this] { ustaw_okres(ten_kwartal(dzis_)); });
    connect(b_ten_rok, &QPushButton::clicked, this, [this] { ustaw_okres(ten_rok(dzis_)); });
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void Tprzelew_podatkowy::pokaz_przelew(const Tprzelew& przelew) {
    const std::optional<TytulPodatkowy> t = czytaj_tytul_podatkowy(tytul_zlecenia(przelew));
    if (!t) return;
    cb_rodzaj_identyfikatora->setCurrentIndex(cb_rodzaj_identyfikatora->findData(int(t->rodzaj)));
    e_identyfikator->setText(t->identyfikator);
    ustaw_okres(t->okres);
    cb_symbol->setEditText(t->symbol);
    e_identyfikacja->setText(t->identyfikacja);
    // An order already paid to another account (the office's own, for excise)
    // keeps it; an empty account or the micro-account itself is offered again.
    const QString konto = cyfry_konta(cp1250::na_unicode(przelew.konto_odbiorcy()));
    chb_mikrorachunek->setChecked(
        chb_mikrorachunek->isEnabled() &&
        (konto.isEmpty() || konto == mikrorachunek(t->rodzaj, bez_lacznikow(t->identyfikator))));
    odswiez();
}

TytulPodatkowy Tprzelew_podatkowy::tytul() const {
    return {RI(cb_rodzaj_identyfikatora->currentData().toInt()), e_identyfikator->text(), okres(),
            cb_symbol->currentText(), e_identyfikacja->text()};
}

bool Tprzelew_podatkowy::na_mikrorachunek() const {
    return chb_mikrorachunek->isEnabled() && chb_mikrorachunek->isChecked();
}

void Tprzelew_podatkowy::ustaw_okres(const OkresPodatkowy& o) {
    cb_rodzaj_okresu->setCurrentIndex(cb_rodzaj_okresu->findData(int(o.rodzaj)));
    if (o.rodzaj != RO::brak) sb_rok->setValue(2000 + o.rok);
    po_zmianie_rodzaju_okresu();
    if (o.numer > 0) sb_numer->setValue(o.numer);
    if (o.miesiac > 0) sb_miesiac->setValue(o.miesiac);
    odswiez();
}

OkresPodatkowy Tprzelew_podatkowy::okres() const {
    const RO rodzaj = RO(cb_rodzaj_okresu->currentData().toInt());
    OkresPodatkowy o{rodzaj, sb_rok->value() - 2000, 0, 0};
    if (rodzaj == RO::brak) return {};
    if (sb_numer->isEnabled()) o.numer = sb_numer->value();
    if (sb_miesiac->isEnabled()) o.miesiac = sb_miesiac->value();
    return o;
}

void Tprzelew_podatkowy::po_zmianie_rodzaju_identyfikatora() {
    const RI r = RI(cb_rodzaj_identyfikatora->currentData().toInt());
    const bool ma_mikrorachunek = r == RI::nip || r == RI::pesel;
    // The micro-account is the usual way for these two; other identifiers have none.
    chb_mikrorachunek->setEnabled(ma_mikrorachunek);
    chb_mikrorachunek->setChecked(ma_mikrorachunek);
    odswiez();
}

void Tprzelew_podatkowy::po_zmianie_rodzaju_okresu() {
    const RO rodzaj = RO(cb_rodzaj_okresu->currentData().toInt());
    const OpisOkresu* opis = &okresy[0];
    for (const OpisOkresu& o : okresy)
        if (o.rodzaj == rodzaj) opis = &o;
    const bool numer = opis->numer != nullptr;
    const bool miesiac = rodzaj == RO::dekada || rodzaj == RO::dzien;
    sb_rok->setEnabled(rodzaj != RO::brak);
    l_numer->setText(numer ? QString::fromUtf16(opis->numer) : QString());
    sb_numer->setEnabled(numer);
    sb_numer->setVisible(numer);
    l_numer->setVisible(numer);
    if (numer) sb_numer->setMaximum(opis->najwiekszy);
    sb_miesiac->setEnabled(miesiac);
    sb_miesiac->setVisible(miesiac);
    l_miesiac->setVisible(miesiac);
    odswiez();
}

void Tprzelew_podatkowy::odswiez() {
    const TytulPodatkowy t = tytul();
    const bool zla_cyfra = zla_cyfra_kontrolna(t.rodzaj, t.identyfikator);
    oznacz_pomaranczowo(
        e_identyfikator, zla_cyfra,
        u"Błędna cyfra kontrolna — sprawdź cyfry numeru %1"_s.arg(nazwa_identyfikatora(t.rodzaj)));
    const QString blad = blad_tytulu_podatkowego(t);
    l_uwaga->setText(blad);
    b_ok->setEnabled(blad.isEmpty());
    if (!blad.isEmpty()) {
        l_tytul->clear();
        l_mikrorachunek->clear();
        return;
    }
    const LinieTytulu linie = tytul_podatkowy(t);
    l_tytul->setText(podglad_tytulu(linie));
    l_mikrorachunek->setText(na_mikrorachunek() ? rachunek_w_grupach(mikrorachunek(
                                                      t.rodzaj, bez_lacznikow(t.identyfikator)))
                                                : QString());
}

bool wybierz_przelew_podatkowy(QWidget* rodzic, Tprzelew& przelew) {
    Tprzelew_podatkowy okno(rodzic);
    okno.pokaz_przelew(przelew);
    if (okno.exec() != QDialog::Accepted) return false;
    zastosuj_tytul_podatkowy(przelew, okno.tytul(), okno.na_mikrorachunek());
    return true;
}
