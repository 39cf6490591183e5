#pragma once

// QR code images of a text (the payment code): the modules come from
// libqrencode, error correction level L; drawn here as a picture or as SVG.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

struct MacierzQr {
    int rozmiar = 0;           // modules per side
    std::vector<bool> ciemne;  // row by row
    bool ciemny(int x, int y) const { return ciemne[static_cast<std::size_t>(y * rozmiar + x)]; }
};

// The text as UTF-8 bytes; nothing when it does not fit a QR code.
std::optional<MacierzQr> koduj_qr(const QString& tekst);

// Black modules on white with the quiet zone of four modules the readers need.
QImage obraz_qr(const MacierzQr& macierz, int piksele_na_modul);
QByteArray svg_qr(const MacierzQr& macierz);

// PNG, or SVG when the name ends with ".svg" (any letter case).
bool pisz_qr(QIODevice& wyjscie, const MacierzQr& macierz, bool svg);
bool nazwa_svg(const QString& nazwa);
