#pragma once

#include <QString>
#include <QStringList>

// The files the user opened or saved last, newest first, kept in the
// settings store between runs.
namespace OstatniePliki {

constexpr int najwiecej = 8;

// `sciezka` moves to the front; the same file under another spelling of its
// path is not listed twice, and the list keeps at most `najwiecej` entries.
QStringList dodaj(QStringList lista, const QString& sciezka);

// The list as stored; an absent or unreadable value gives an empty list.
QStringList wczytaj();
bool zapisz(const QStringList& lista);

}  // namespace OstatniePliki
