#include "widgets/wysrodkuj.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

void wysrodkuj_na(QWidget* okno, const QWidget* nad) {
    if (!okno || !nad || nad == okno || !nad->isVisible()) return;
    QRect miejsce(QPoint(), okno->frameGeometry().size());
    miejsce.moveCenter(nad->frameGeometry().center());
    if (const QScreen* ekran = nad->screen()) {
        const QRect ekranu = ekran->availableGeometry();
        miejsce.moveLeft(
            qMax(ekranu.left(), qMin(miejsce.left(), ekranu.right() - miejsce.width() + 1)));
        miejsce.moveTop(
            qMax(ekranu.top(), qMin(miejsce.top(), ekranu.bottom() - miejsce.height() + 1)));
    }
    okno->move(miejsce.topLeft());
}
