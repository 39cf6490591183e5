// Draws the about window's picture "IKONKA", 70 x 70, and stores it as JPEG:
//   cmake --build <build> --target generuj_ikonke
//   <build>/resources/generuj_ikonke resources/obrazy/IKONKA.jpg
#include "widgets/jpeg.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// A blue tile with a two-stub payment form and a large V across it.
QImage rysuj() {
    QImage obraz(70, 70, QImage::Format_RGB32);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient tlo(0, 0, 70, 70);
    tlo.setColorAt(0, QColor(0x2f, 0x6f, 0xc4));
    tlo.setColorAt(1, QColor(0x12, 0x3a, 0x78));
    p.setPen(Qt::NoPen);
    p.setBrush(tlo);
    p.drawRect(obraz.rect());

    // The form: two stubs with red frames and a few value lines.
    p.setPen(QPen(QColor(0xcd, 0x1d, 0x1d), 1.5));
    p.setBrush(QColor(0xfb, 0xf7, 0xee));
    for (const qreal gora : {10.0, 37.0}) {
        p.drawRect(QRectF(11, gora, 48, 23));
        p.save();
        p.setPen(QPen(QColor(0xe0, 0x8a, 0x8a), 1));
        for (qreal y = gora + 6; y < gora + 22; y += 5) p.drawLine(QPointF(14, y), QPointF(56, y));
        p.restore();
    }

    QPainterPath v;
    v.moveTo(17, 16);
    v.lineTo(35, 56);
    v.lineTo(53, 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x12, 0x3a, 0x78), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
    p.setPen(QPen(QColor(0xf2, 0xc2, 0x30), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
    return obraz;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "użycie: generuj_ikonke <plik.jpg>\n");
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
