#pragma once

// Outputs named on the command line (--csv, --pdf and the like): what they may
// never overwrite, and "-" for standard output.

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// Why `wyjscie` must not be written, as a Polish sentence for standard error,
// or an empty text when it may: it is the same file as one of `wejscia`
// (compared as files, so links and "./" do not hide it), it is named like a
// transfer file (.p2, .vando in any letter case: swapped arguments), or it
// exists and is not a regular file (FIFO, device, directory). "-" is always
// allowed.
QString odmowa_wyjscia(const QString& wyjscie, const QStringList& wejscia);

// "-" writes to standard output; any other name goes through a temporary file
// that replaces the old one only when everything was written.
bool zapisz_wyjscie(const QString& wyjscie, const std::function<bool(QIODevice&)>& pisz);
