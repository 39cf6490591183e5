#include "widgets/pola_numerow.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void maluj(QWidget* pole, const QColor& kolor) {
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, kolor);
    pole->setPalette(paleta);
}

void maluj_normalnie(QWidget* pole) { maluj(pole, QApplication::palette().color(QPalette::Base)); }

void maluj_na_czerwono(QWidget* pole) { maluj(pole, QColor(255, 0, 0)); }
