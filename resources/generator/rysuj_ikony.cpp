// Renders the bundled icon drawings at the sizes tool bars and menus ask for,
// as raw premultiplied RGBA bytes (<name>-<size>.rgba, size × size × 4): the
// program shows them without Qt's SVG plugins, and without decoding a PNG or
// looking through the image plugins at start.
// Usage: rysuj_ikony <output folder> <drawing.svg>...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikacja(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    if (argumenty.size() < 3) {
        std::fprintf(stderr, "rysuj_ikony <folder> <plik.svg>...\n");
        return 2;
    }
    const QDir folder(argumenty.at(1));
    if (!QDir().mkpath(folder.path())) return 1;
    for (const QString& plik : argumenty.mid(2)) {
        QSvgRenderer rysunek(plik);
        if (!rysunek.isValid()) {
            std::fprintf(stderr, "rysuj_ikony: %s: nie jest rysunkiem SVG\n", qPrintable(plik));
            return 1;
        }
        for (const int bok : {16, 24, 32, 48, 64}) {
            QImage obraz(bok, bok, QImage::Format_ARGB32_Premultiplied);
            obraz.fill(Qt::transparent);
            QPainter p(&obraz);
            rysunek.render(&p);
            p.end();
            const QString cel = folder.filePath(QFileInfo(plik).completeBaseName() +
                                                QStringLiteral("-%1.rgba").arg(bok));
            // Bytes in R, G, B, A order whatever the machine's endianness.
            const QImage rgba = obraz.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
            QFile wyjscie(cel);
            bool zapisano = wyjscie.open(QIODevice::WriteOnly);
            for (int y = 0; zapisano && y < bok; ++y)
                zapisano = wyjscie.write(reinterpret_cast<const char*>(rgba.constScanLine(y)),
                                         bok * 4) == bok * 4;
            if (!zapisano || !wyjscie.flush()) {
                std::fprintf(stderr, "rysuj_ikony: nie można zapisać %s\n", qPrintable(cel));
                return 1;
            }
        }
    }
    return 0;
}
