#include "payments/podzielona_platnosc.h"

#include "payments/okna_podatkowe.h"
#include "payments/oznaczenia.h"
#include "payments/rodzaj_zlecenia.h"
#include "register/kwota.h"
#include "register/przelew.h"
#include "widgets/czcionki.h"
#include "widgets/suma_kontrolna.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tpodzielona_platnosc::Tpodzielona_platnosc(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(u"Tpodzielona_platnosc"_s);
    setWindowTitle(u"Podzielona płatność (MPP)"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);

    auto pole = [this](const QString& nazwa, int dlugosc) {
        auto* e = new QLineEdit(this);
        e->setObjectName(nazwa);
        e->setMaxLength(dlugosc);
        return e;
    };
    e_vat = pole(u"e_vat"_s, 14);
    e_vat->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9 ]*[,.]?[0-9]{0,2}"_s), this));
    e_vat->setPlaceholderText(u"np. 23,00"_s);
    l_brutto = new QLabel(this);
    l_brutto->setObjectName(u"l_brutto"_s);
    e_nip = pole(u"e_nip"_s, 13);
    e_nip->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9 -]*"_s), this));
    e_faktura = pole(u"e_faktura"_s, najdluzsza_faktura);
    e_tekst = pole(u"e_tekst"_s, 100);
    e_tekst->setPlaceholderText(u"(nieobowiązkowy)"_s);
    l_tytul = new QLabel(this);
    l_tytul->setObjectName(u"l_tytul"_s);
    przygotuj_podglad_tytulu(l_tytul, u"/INV/FV/2026/12/000123/TXT/zamówienie"_s);
    l_uwaga = new QLabel(this);
    l_uwaga->setObjectName(u"l_uwaga"_s);
    l_uwaga->setWordWrap(true);
    pokoloruj_uwage(l_uwaga);
    b_ok = new QPushButton(u"&OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setDefault(true);
    b_anuluj = new QPushButton(u"&Anuluj"_s, this);
    b_anuluj->setObjectName(u"b_anuluj"_s);
    b_anuluj->setAutoDefault(false);

    auto* vat = new QHBoxLayout;
    vat->addWidget(e_vat);
    vat->addWidget(new QLabel(u"zł"_s, this));
    vat->addWidget(l_brutto, 1);
    auto* formularz = new QFormLayout;
    auto* l_vat = new QLabel(u"Kwota VAT:"_s, this);
    l_vat->setBuddy(e_vat);  // the row holds a layout, which a form cannot name
    formularz->addRow(l_vat, vat);
    formularz->addRow(u"NIP dostawcy:"_s, e_nip);
    formularz->addRow(u"Numer faktury:"_s, e_faktura);
    formularz->addRow(u"Tekst:"_s, e_tekst);
    formularz->addRow(u"Tytułem:"_s, l_tytul);
    e_faktura->setMinimumWidth(e_faktura->fontMetrics().horizontalAdvance(QString(30, u'0')));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(b_ok);
    przyciski->addWidget(b_anuluj);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(formularz);
    uklad->addWidget(l_uwaga);
    uklad->addStretch(1);
    uklad->addLayout(przyciski);

    for (QLineEdit* e : {e_vat, e_nip, e_faktura, e_tekst})
        connect(e, &QLineEdit::textChanged, this, &Tpodzielona_platnosc::odswiez);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    odswiez();
}

void Tpodzielona_platnosc::pokaz_przelew(const Tprzelew& przelew) {
    brutto_ = kwota_w_groszach(przelew);
    if (brutto_ && *brutto_ <= 0) brutto_.reset();
    l_brutto->setText(brutto_ ? u"(kwota przelewu brutto: %1 zł)"_s.arg(tekst_kwoty_vat(*brutto_))
                              : QString());
    if (const auto t = czytaj_tytul_podzielonej(tytul_zlecenia(przelew))) {
        e_vat->setText(tekst_kwoty_vat(t->vat_grosze));
        e_nip->setText(t->nip);
        e_faktura->setText(t->faktura);
        e_tekst->setText(t->tekst);
    }
    odswiez();
}

TytulPodzielonej Tpodzielona_platnosc::tytul() const {
    return {czytaj_kwote_vat(e_vat->text()).value_or(-1), e_nip->text(), e_faktura->text(),
            e_tekst->text()};
}

void Tpodzielona_platnosc::odswiez() {
    const TytulPodzielonej t = tytul();
    oznacz_pomaranczowo(e_nip, zla_cyfra_kontrolna(RodzajIdentyfikatora::nip, t.nip),
                        u"Błędna cyfra kontrolna — sprawdź cyfry numeru NIP"_s);
    const QString blad = blad_tytulu_podzielonej(t, brutto_);
    l_uwaga->setText(blad);
    b_ok->setEnabled(blad.isEmpty());
    if (!blad.isEmpty()) {
        l_tytul->clear();
        return;
    }
    const LinieTytulu linie = tytul_podzielonej(t);
    l_tytul->setText(podglad_tytulu(linie));
}

bool wybierz_podzielona_platnosc(QWidget* rodzic, Tprzelew& przelew) {
    Tpodzielona_platnosc okno(rodzic);
    okno.pokaz_przelew(przelew);
    if (okno.exec() != QDialog::Accepted) return false;
    zastosuj_tytul_podzielonej(przelew, okno.tytul());
    return true;
}
