#include "widgets/pola_numerow.h"

#include <QPalette>
#include <QWidget>

void maluj(QWidget* pole, const QColor& kolor) {
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base, kolor);
    pole->setPalette(paleta);
}
