#pragma once

// Outputs named on the command line (--csv, --pdf and the like): what they may
// never overwrite, and "-" for standard output.

#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// The file a write to `sciezka` lands in: absolute, every symbolic link
// followed, also a last link to a file that does not exist yet.
QString rozwiazana_sciezka(const QString& sciezka);

// The files of the program itself: config.ini, the three books, HELP.HLP,
// update.txt and the settings store.
QStringList pliki_wlasne_programu();

// Why `wyjscie` must not be written, as a Polish sentence for standard error,
// or an empty text when it may. Links are followed first, then: it is the
// same file as one of `wejscia` (compared as files, so links and "./" do not
// hide it), one of the program's own files, named like a transfer file (.p2,
// .vando in any letter case: swapped arguments, or a link onto one), or it
// exists and is not a regular file (FIFO, device, directory). "-" is always
// allowed.
QString odmowa_wyjscia(const QString& wyjscie, const QStringList& wejscia);

// "-" writes to standard output; any other name goes, links followed, through
// a temporary file that replaces the old one only when everything was written.
bool zapisz_wyjscie(const QString& wyjscie, const std::function<bool(QIODevice&)>& pisz);
