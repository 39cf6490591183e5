#pragma once

// The background update check of the main window and the outside library
// behind the menu command "Sprawdź, czy są dostępne aktualizacje".

#include "extras/aktualizacja_sprawdzanie.h"

#include <QThread>

class Tglowne_okno;

// Runs one check on its own thread and frees itself when it ends. Its only
// change of the main window, the notice and the "Pobierz!" button, is handed
// to the user-interface thread; the window may be gone by then.
class watek_update : public QThread {
    Q_OBJECT
  public:
    watek_update(Tglowne_okno* glowne, UstawieniaSprawdzania ustawienia);

  signals:
    void nowa_wersja(const QString& wersja_nowa, const QString& adres_pobierania);

  protected:
    void run() override;

  private:
    UstawieniaSprawdzania ustawienia_;
};

// Started once by the main window when it is first shown. The returned thread
// deletes itself when it finishes; a test may wait for its finished().
watek_update* uruchom_sprawdzanie_aktualizacji(Tglowne_okno* glowne);
watek_update* uruchom_sprawdzanie_aktualizacji(Tglowne_okno* glowne,
                                               UstawieniaSprawdzania ustawienia);

// Loads the library (from the program's own folder first, then the system's
// usual places), calls its procedure without arguments and unloads it. False
// when the library or the procedure cannot be found.
bool wywolaj_z_biblioteki(const QString& biblioteka, const char* procedura);
