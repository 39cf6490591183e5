#include "widgets/obrazki.h"

#include <QFile>

using namespace Qt::StringLiterals;

QByteArray dane_zasobu(const QString& nazwa) {
    for (const QString& sciezka : {u":/zasoby/"_s + nazwa, u":/zasoby/"_s + nazwa + u".jpg"_s}) {
        QFile plik(sciezka);
        if (plik.open(QIODevice::ReadOnly)) return plik.readAll();
    }
    return {};
}
