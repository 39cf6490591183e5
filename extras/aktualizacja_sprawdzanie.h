#pragma once

// One update check: settings, download of the update file into the program's
// folder, its three lines, the new address. It runs on the calling thread with
// a local event loop, so the caller picks the thread.

#include <QString>

#include <chrono>
#include <functional>

struct WynikSprawdzania {
    enum Stan { nieudane, ta_sama_wersja, inna_wersja };
    Stan stan = nieudane;
    QString wersja_nowa;
    QString adres_pobierania;  // empty unless it is safe to open
};

struct UstawieniaSprawdzania {
    std::chrono::milliseconds limit_czasu{15000};  // the whole download
    int przekierowania = 3;
    qint64 najwiekszy_plik = 64 * 1024;
    // Whether the system has a connection at all; empty: ask the system.
    std::function<bool()> jest_polaczenie;
    // The check itself; empty: sprawdz_aktualizacje as the update library
    // holds it (the program itself does not link Qt Network).
    std::function<WynikSprawdzania(const UstawieniaSprawdzania&)> sprawdzanie;
};

// False only when the system says there is no connection; true when it cannot
// tell. Call it on the user-interface thread.
bool jest_polaczenie_z_siecia();

// Every failure ends the check silently with `nieudane` and leaves no
// update.txt behind. A check interrupted through its thread
// (QThread::requestInterruption and quit) ends the same way.
WynikSprawdzania sprawdz_aktualizacje(const UstawieniaSprawdzania& ustawienia = {});
