#include "widgets/sprawdzanie_konta.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

#include "register/konto.h"
#include "widgets/pola_numerow.h"

namespace {
const QColor czerwony(255, 0, 0);
}  // namespace

void maluj_normalnie(QWidget* pole) { maluj(pole, QApplication::palette().color(QPalette::Base)); }

void maluj_na_czerwono(QWidget* pole) { maluj(pole, czerwony); }

bool czy_czerwone(const QWidget* pole) { return pole->palette().color(QPalette::Base) == czerwony; }

void sprawdzenie_lk(QLineEdit* pole) {
    if (lk_kompletny(pole->text()))
        maluj_normalnie(pole);
    else
        maluj_na_czerwono(pole);
}

bool sprawdzenie_nr_banku_odbiorcy(const QLineEdit* pole) {
    return nr_banku_kompletny(pole->text());
}

bool sprawdzenie_nr_rach_odbiorcy(const QLineEdit* pole) { return nr_rach_kompletny(pole->text()); }

void gdy_poprawnie_lub_nie(QWidget* pole, bool poprawne) {
    if (poprawne)
        maluj_normalnie(pole);
    else
        maluj_na_czerwono(pole);
}

void po_zmianie_nr_banku(QLineEdit* nr_banku, const QWidget* okno, QLineEdit* nr_rach) {
    if (okno->isVisible() && sprawdzenie_nr_banku_odbiorcy(nr_banku)) {
        nr_rach->setFocus(Qt::TabFocusReason);
        nr_rach->setCursorPosition(0);
    }
}

void po_wyjsciu_z_nr_banku(QLineEdit* nr_banku) {
    gdy_poprawnie_lub_nie(nr_banku, sprawdzenie_nr_banku_odbiorcy(nr_banku));
}

void po_zmianie_nr_rach(QLineEdit* nr_rach) {
    if (sprawdzenie_nr_rach_odbiorcy(nr_rach)) maluj_normalnie(nr_rach);
}

void po_wyjsciu_z_nr_rach(QLineEdit* nr_rach) {
    gdy_poprawnie_lub_nie(nr_rach, sprawdzenie_nr_rach_odbiorcy(nr_rach));
}
