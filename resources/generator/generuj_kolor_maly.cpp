// Draws the preferences window's picture "KOLOR_MALY": the coloured two-stub
// form as the program prints it, shrunk to 91 x 125 and stored as JPEG:
//   cmake --build <build> --target generuj_kolor_maly
//   QT_QPA_PLATFORM=offscreen <build>/resources/generuj_kolor_maly resources/obrazy/KOLOR_MALY.jpg
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "widgets/jpeg.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr double dpi = 200;

QImage rysuj() {
    UstawieniaWydruku u;
    u.typ_formularza = 1;
    u.ilosc_odcinkow = 2;
    u.uklad_strony = u"portrait"_s;
    u.margin_left = 0;
    u.margin_top = 0;
    // An empty order: the picture shows the look of the form, not a payment.
    const Dokument dokument = generuj_wydruk(stan_druku(u), ZmienneDruku{});
    const QImage strona = obraz_strony(dokument, 1, dpi);

    // Both stubs, from the sheet's corner to the second stub's bottom-right corner.
    auto px = [](double mm) { return static_cast<int>(std::lround(mm * dpi / 25.4)); };
    const QImage odcinki = strona.copy(0, 0, px(149.86), px(106 + 105.83));
    return odcinki.scaled(91, 125, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication aplikacja(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "użycie: generuj_kolor_maly <plik.jpg>\n");
        return 2;
    }
    const QByteArray dane = koduj_jpeg(rysuj(), 92);
    QFile plik(QString::fromLocal8Bit(argv[1]));
    if (dane.isEmpty() || !plik.open(QIODevice::WriteOnly) || plik.write(dane) != dane.size()) {
        std::fprintf(stderr, "nie udało się zapisać %s\n", argv[1]);
        return 1;
    }
    return 0;
}
