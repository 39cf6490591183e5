#include "ui/czcionki.h"

#include <QApplication>
#include <QFontDatabase>
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
    if (ogolne.contains(czcionka.family(), Qt::CaseInsensitive)) {
        for (const QString& rodzina : {u"Liberation Sans"_s, u"DejaVu Sans"_s}) {
            if (!QFontDatabase::hasFamily(rodzina)) continue;
            czcionka.setFamily(rodzina);
            break;
        }
    }
    // Also drops the fonts the platform set per class (menus, message boxes).
    QApplication::setFont(czcionka);
}
