#pragma once

#include <QString>
#include <QThread>

#include <memory>

class Tglowne_okno;

// What the settings store remembers of the last run.
struct WynikStartu {
    bool pierwsze_uruchomienie = false;
    QString sciezka_pliku;
    QString problem_magazynu;  // the store was skipped: what to tell the user
};

// The start-up worker: reads the settings store on a thread of its own and
// touches no window. The main window takes its result on the user-interface
// thread once the thread has finished.
class watek : public QThread {
    Q_OBJECT
  public:
    explicit watek(std::shared_ptr<WynikStartu> wynik) : wynik_(std::move(wynik)) {}

  protected:
    void run() override;

  private:
    std::shared_ptr<WynikStartu> wynik_;
};

// Reads "FirstRun" (then sets it false) and "LastFilePath". A user with no key
// yet starts for the first time: the key is made then, holding "FirstRun" false.
WynikStartu czytaj_ustawienia_startu();

// The background update check starts with the main window; tests turn it off
// so that no start-up of theirs goes to the network.
void sprawdzaj_aktualizacje_przy_starcie(bool tak);

// True once the start-up of the window has ended: the starting file is open
// and the first-run window, if any, has been closed.
bool start_zakonczony(const Tglowne_okno& glowne);
