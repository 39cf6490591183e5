#pragma once

#include <QByteArray>
#include <QImage>

// JPEG pictures of the program's resources, through libjpeg.

// Decodes JPEG bytes; in greys when skala_szarosci. Damaged or truncated data
// give a null image: libjpeg's errors and warnings never end the program.
QImage dekoduj_jpeg(const QByteArray& dane, bool skala_szarosci = false);

// Encodes a picture at the quality 1..100; an empty result when it cannot.
// A greyscale picture is stored with one component.
QByteArray koduj_jpeg(const QImage& obraz, int jakosc);
