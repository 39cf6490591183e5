#pragma once

#include <QByteArray>
#include <QString>

// Raw bytes of a resource (the JPEG pictures "IKONKA" and "KOLOR_MALY").
QByteArray dane_zasobu(const QString& nazwa);
