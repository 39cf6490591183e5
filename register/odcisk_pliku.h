#pragma once

// What a file looked like when the program last read or wrote it, so that a
// save can tell whether someone else (another copy of the program, a sync
// tool, an editor) changed it in between.

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct OdciskPliku {
    bool istnieje = false;
    qint64 rozmiar = 0;
    QDateTime zmiana;  // modification time, kept for the user's message
    QByteArray skrot;  // a 128-bit hash of the bytes

    friend bool operator==(const OdciskPliku&, const OdciskPliku&) = default;
};

// The file as it is now; a missing path or anything but a regular file gives
// istnieje == false. Reads the whole file, so only for the program's own
// small files.
OdciskPliku odcisk_pliku(const QString& sciezka);
// The same from bytes already read, sparing a second read.
OdciskPliku odcisk_z_bajtow(const QString& sciezka, const QByteArray& bajty);

// True when the file at `sciezka` is not what `zapamietany` says. A touched
// time stamp alone is no change: only the size or the bytes count, so a sync
// tool that merely rewrites the same bytes asks nothing. A file that is gone
// is no change either (writing it anew loses nothing), nor a FIFO or folder
// in its place (no save replaces those); a file that appeared where none was is.
bool zmieniony_od(const OdciskPliku& zapamietany, const QString& sciezka);
