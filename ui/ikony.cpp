#include "ui/ikony.h"

#include <QFile>

using namespace Qt::StringLiterals;

QIcon ikona_wlasna(const QString& nazwa_freedesktop) {
    QIcon wlasna;
    // Every size given, so that a scaled screen takes a sharp one instead of
    // blowing up the smallest; each is read only when first painted.
    for (const int bok : {16, 24, 32, 48, 64}) {
        const QString plik = u":/ikony/%1-%2.png"_s.arg(nazwa_freedesktop).arg(bok);
        if (QFile::exists(plik)) wlasna.addFile(plik, QSize(bok, bok));
    }
    return wlasna;
}

QIcon ikona(const QString& nazwa_freedesktop) {
    if (QIcon::hasThemeIcon(nazwa_freedesktop)) return QIcon::fromTheme(nazwa_freedesktop);
    return ikona_wlasna(nazwa_freedesktop);
}
