#include "ui/obrazki.h"

#include <QFile>

using namespace Qt::StringLiterals;

QPixmap obrazek(const QString& nazwa) { return QPixmap(u":/zasoby/"_s + nazwa + u".png"_s); }

QIcon ikona_z_para(const QString& rdzen) {
    QIcon ikona;
    ikona.addPixmap(obrazek(rdzen + u"_E"_s), QIcon::Normal);
    ikona.addPixmap(obrazek(rdzen + u"_D"_s), QIcon::Disabled);
    return ikona;
}

QByteArray dane_zasobu(const QString& nazwa) {
    for (const QString& sciezka : {u":/zasoby/"_s + nazwa, u":/zasoby/"_s + nazwa + u".jpg"_s}) {
        QFile plik(sciezka);
        if (plik.open(QIODevice::ReadOnly)) return plik.readAll();
    }
    return {};
}
