#include "payments/kod_qr.h"

#include <QIODevice>
#include <QImageWriter>

#include <qrencode.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int margines = 4;

struct ZwolnijQr {
    void operator()(QRcode* kod) const { QRcode_free(kod); }
};

}  // namespace

std::optional<MacierzQr> koduj_qr(const QString& tekst) {
    const QByteArray utf8 = tekst.toUtf8();
    // Byte mode for the whole text: banking apps read the fields as UTF-8.
    const std::unique_ptr<QRcode, ZwolnijQr> kod(QRcode_encodeData(
        static_cast<int>(utf8.size()), reinterpret_cast<const unsigned char*>(utf8.constData()), 0,
        QR_ECLEVEL_L));
    if (!kod) return std::nullopt;
    MacierzQr m;
    m.rozmiar = kod->width;
    m.ciemne.resize(static_cast<std::size_t>(m.rozmiar * m.rozmiar));
    for (std::size_t i = 0; i < m.ciemne.size(); ++i) m.ciemne[i] = (kod->data[i] & 1) != 0;
    return m;
}

QImage obraz_qr(const MacierzQr& macierz, int piksele_na_modul) {
    const int bok = (macierz.rozmiar + 2 * margines) * piksele_na_modul;
    QImage obraz(bok, bok, QImage::Format_Mono);
    obraz.setColor(0, qRgb(255, 255, 255));
    obraz.setColor(1, qRgb(0, 0, 0));
    obraz.fill(0);
    for (int y = 0; y < macierz.rozmiar; ++y)
        for (int x = 0; x < macierz.rozmiar; ++x) {
            if (!macierz.ciemny(x, y)) continue;
            const int px = (x + margines) * piksele_na_modul;
            const int py = (y + margines) * piksele_na_modul;
            for (int dy = 0; dy < piksele_na_modul; ++dy)
                for (int dx = 0; dx < piksele_na_modul; ++dx) obraz.setPixel(px + dx, py + dy, 1);
        }
    return obraz;
}

QByteArray svg_qr(const MacierzQr& macierz) {
    const int bok = macierz.rozmiar + 2 * margines;
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 " +
           QByteArray::number(bok) + ' ' + QByteArray::number(bok) + "\" width=\"" +
           QByteArray::number(bok * 8) + "\" height=\"" + QByteArray::number(bok * 8) +
           "\" shape-rendering=\"crispEdges\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n<path fill=\"#000000\" d=\"";
    // One run of dark modules in a row is one rectangle.
    for (int y = 0; y < macierz.rozmiar; ++y) {
        for (int x = 0; x < macierz.rozmiar;) {
            if (!macierz.ciemny(x, y)) {
                ++x;
                continue;
            }
            int koniec = x;
            while (koniec < macierz.rozmiar && macierz.ciemny(koniec, y)) ++koniec;
            svg += 'M' + QByteArray::number(x + margines) + ',' + QByteArray::number(y + margines) +
                   'h' + QByteArray::number(koniec - x) + "v1h-" + QByteArray::number(koniec - x) +
                   'z';
            x = koniec;
        }
    }
    svg += "\"/>\n</svg>\n";
    return svg;
}

bool pisz_qr(QIODevice& wyjscie, const MacierzQr& macierz, bool svg) {
    if (svg) {
        const QByteArray tresc = svg_qr(macierz);
        return wyjscie.write(tresc) == tresc.size();
    }
    QImageWriter pisarz(&wyjscie, "png");
    return pisarz.write(obraz_qr(macierz, 8));
}

bool nazwa_svg(const QString& nazwa) { return nazwa.endsWith(u".svg"_s, Qt::CaseInsensitive); }
