#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Bitmaps of the program's resources by name: "EDIT_E", "EDIT_D", "DELETE_E",
// "DELETE_D", "PRINT_E", "PRINT_D", "PRINT_PREVIEW_E", "PRINT_PREVIEW_D".
QPixmap obrazek(const QString& nazwa);

// The "_E" picture for the normal state and its "_D" twin for the disabled one.
QIcon ikona_z_para(const QString& rdzen);

// Raw bytes of a resource (the JPEG pictures "IKONKA" and "KOLOR_MALY").
QByteArray dane_zasobu(const QString& nazwa);
