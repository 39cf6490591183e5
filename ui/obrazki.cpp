#include "ui/obrazki.h"

#include <QFile>

QPixmap obrazek(const QString& nazwa) { return QPixmap(u":/zasoby/"_qs + nazwa + u".png"_qs); }

QIcon ikona_z_para(const QString& rdzen) {
    QIcon ikona;
    ikona.addPixmap(obrazek(rdzen + u"_E"_qs), QIcon::Normal);
    ikona.addPixmap(obrazek(rdzen + u"_D"_qs), QIcon::Disabled);
    return ikona;
}

QByteArray dane_zasobu(const QString& nazwa) {
    for (const QString& sciezka : {u":/zasoby/"_qs + nazwa, u":/zasoby/"_qs + nazwa + u".jpg"_qs}) {
        QFile plik(sciezka);
        if (plik.open(QIODevice::ReadOnly)) return plik.readAll();
    }
    return {};
}
