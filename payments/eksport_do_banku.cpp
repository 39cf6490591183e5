#include "payments/eksport_do_banku.h"

#include "widgets/czcionki.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Teksport_do_banku::Teksport_do_banku(QWidget* rodzic, KodowanieBanku kodowanie, int przelewow)
    : QDialog(rodzic) {
    setObjectName(u"Teksport_do_banku"_s);
    setWindowTitle(u"Eksport do banku"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);

    auto* opis = new QLabel(
        u"Przelewy do wysłania: %1. Plik Elixir-0 (.pli) przyjmuje bankowość internetowa "
        u"dla firm w większości banków (import przelewów). Wybierz kodowanie znaków, którego "
        u"wymaga Twój bank — jest podane w jego instrukcji importu."_s.arg(przelewow),
        this);
    opis->setObjectName(u"l_opis"_s);
    opis->setWordWrap(true);

    cb_kodowanie = new QComboBox(this);
    cb_kodowanie->setObjectName(u"cb_kodowanie"_s);
    for (const OpisKodowania& k : kodowania_banku()) {
        cb_kodowanie->addItem(k.opis, static_cast<int>(k.kodowanie));
        if (k.kodowanie == kodowanie) cb_kodowanie->setCurrentIndex(cb_kodowanie->count() - 1);
    }
    auto* pole = new QFormLayout;
    pole->addRow(u"&Kodowanie znaków:"_s, cb_kodowanie);

    auto* uwaga = new QLabel(
        u"Nazwy i tytuły trafią do pliku bez znaków, których banki nie przyjmują, po 35 znaków "
        u"w najwyżej czterech wierszach."_s,
        this);
    uwaga->setObjectName(u"l_uwaga"_s);
    uwaga->setWordWrap(true);

    b_zapisz = new QPushButton(u"&Zapisz plik..."_s, this);
    b_zapisz->setObjectName(u"b_zapisz"_s);
    b_zapisz->setDefault(true);
    b_anuluj = new QPushButton(u"&Anuluj"_s, this);
    b_anuluj->setObjectName(u"b_anuluj"_s);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    przyciski->addWidget(b_zapisz);
    przyciski->addWidget(b_anuluj);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(opis);
    uklad->addLayout(pole);
    uklad->addWidget(uwaga);
    uklad->addLayout(przyciski);
    setMinimumWidth(qMax(420, fontMetrics().averageCharWidth() * 60));

    connect(b_zapisz, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

KodowanieBanku Teksport_do_banku::kodowanie() const {
    return static_cast<KodowanieBanku>(cb_kodowanie->currentData().toInt());
}
