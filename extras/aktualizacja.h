#pragma once

// The background update check of the main window and the outside library
// behind the menu command "Sprawdź, czy są dostępne aktualizacje".

#include "extras/aktualizacja_sprawdzanie.h"

#include <QThread>

// Runs one check on its own thread and frees itself when it ends. A newer
// version is announced by a signal, which reaches a receiver on the
// user-interface thread through its event loop; a receiver gone by then
// simply misses it.
class watek_update : public QThread {
    Q_OBJECT
  public:
    explicit watek_update(UstawieniaSprawdzania ustawienia);

  signals:
    // Only when the server names another version than the installed one.
    void nowa_wersja(const QString& wersja_nowa, const QString& adres_pobierania);

  protected:
    void run() override;

  private:
    UstawieniaSprawdzania ustawienia_;
};

// Started once by the main window when it is first shown. The check begins
// when control returns to the event loop, so that the caller connects
// nowa_wersja first and cannot miss a quick answer. The returned thread
// deletes itself when it finishes; a test may wait for its finished().
watek_update* uruchom_sprawdzanie_aktualizacji(UstawieniaSprawdzania ustawienia = {});

// Loads the library (from the program's own folder first, then the system's
// usual places), calls its procedure without arguments and unloads it. False
// when the library or the procedure cannot be found.
bool wywolaj_z_biblioteki(const QString& biblioteka, const char* procedura);
