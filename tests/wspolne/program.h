#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a run of the program from the command line left behind.
struct WynikProgramu {
    int kod = -1;  // -1: it did not end by itself within the time allowed
    QByteArray wyjscie;
    QString bledy;
};

// Runs the built program with no display at all, as a script on a server
// would, and waits for it. With a folder, the program works in it and takes
// it as its program folder.
WynikProgramu uruchom_program(const QString& program, const QStringList& argumenty,
                              const QString& folder = {});
