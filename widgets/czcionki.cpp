#include "widgets/czcionki.h"

#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

QFont czcionka_okna(qreal punkty, bool gruba) {
    QFont czcionka = QApplication::font();
    qreal pulpit = czcionka.pointSizeF();
    if (pulpit <= 0) pulpit = czcionka.pixelSize() * 72.0 / 96.0;
    czcionka.setPointSizeF(qMax(punkty, pulpit));
    czcionka.setBold(gruba);
    return czcionka;
}

void ustaw_czcionke_okna(QWidget* okno, qreal punkty, bool gruba) {
    okno->setFont(czcionka_okna(punkty, gruba));
}

void ustaw_czcionke_aplikacji() {
    QFont czcionka = QApplication::font();
    const QStringList ogolne = {u"Sans Serif"_s, u"Sans"_s, u"sans-serif"_s, u"Helvetica"_s};
    // Named in order of preference rather than looked up: asking the font
    // database whether a family exists reads every installed font first.
    if (ogolne.contains(czcionka.family(), Qt::CaseInsensitive))
        czcionka.setFamilies({u"Liberation Sans"_s, u"DejaVu Sans"_s, czcionka.family()});
    // Also drops the fonts the platform set per class (menus, message boxes).
    QApplication::setFont(czcionka);
}
