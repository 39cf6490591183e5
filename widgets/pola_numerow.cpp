#include "widgets/pola_numerow.h"

#include <QLineEdit>
#include <QPalette>

void maluj(QWidget* pole, const QColor& kolor) {
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, kolor);
    pole->setPalette(paleta);
}

void po_zmianie_lk(const QLineEdit* lk, const QWidget* okno, QLineEdit* nr_banku) {
    if (!okno->isVisible() || lk->text().contains(u' ')) return;
    nr_banku->setFocus(Qt::TabFocusReason);
    nr_banku->setCursorPosition(0);
}
