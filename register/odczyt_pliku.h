#pragma once

// Opening files for reading without ever blocking or reading what is not a file.

#include <QByteArray>
#include <QString>

class QFile;

enum class StanOtwarcia {
    ok,
    brak_pliku,  // nothing at the path (also a dangling link)
    nie_plik,    // a FIFO, device, directory or socket: never opened for reading
    blad,        // there, but could not be opened
};

// Opens `plik` read-only when `sciezka` names a regular file after following
// links. A FIFO would block in open() and a device may never end, so the check
// is made on the opened descriptor (no race with a file swapped in between)
// and the opening itself does not wait for a writer.
StanOtwarcia otworz_plik_zwykly(QFile& plik, const QString& sciezka);

// Reads a whole regular file of at most `limit` bytes (a longer one is cut
// there). `stan` says why nothing was read; an empty result with stan == ok is
// an empty file.
QByteArray czytaj_plik_zwykly(const QString& sciezka, qint64 limit, StanOtwarcia* stan = nullptr);
