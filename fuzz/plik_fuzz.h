#pragma once

// The fuzzers read each input twice: from memory, and through the program's
// own file-opening path from a real file in a private folder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

// The private folder, also the program's folder (VANDORIA_DIR) for readers
// that look there.
inline const QString& folder_fuzz() {
    static QTemporaryDir folder;
    static const bool ustawiony = [] {
        if (!folder.isValid()) std::abort();
        qputenv("VANDORIA_DIR", QFile::encodeName(folder.path()));
        return true;
    }();
    (void)ustawiony;
    static const QString sciezka = folder.path();
    return sciezka;
}

// Writes the input under `nazwa` in the private folder and gives its path.
inline QString zapisz_wejscie(const QString& nazwa, const QByteArray& dane) {
    const QString sciezka = folder_fuzz() + u'/' + nazwa;
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Truncate) || plik.write(dane) != dane.size())
        std::abort();
    return sciezka;
}
