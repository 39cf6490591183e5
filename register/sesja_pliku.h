#pragma once

// The transfer file the collection came from, between opening and saving:
// the version its bytes were read in, what it held that the table does not
// (orders past the 1000th, orders after a blank record), how it looked when
// read, and the lock that tells a second copy of the program it is open here.
// Opening and saving decide everything here and hand the window questions
// and results to word; nothing here shows anything.

#include "register/pliki_przelewow.h"

#include <QString>

#include <functional>
#include <memory>

class QLockFile;

class SesjaPliku {
  public:
    SesjaPliku();
    ~SesjaPliku();
    SesjaPliku(const SesjaPliku&) = delete;
    SesjaPliku& operator=(const SesjaPliku&) = delete;

    // Another copy of the program holds the file open: "process N on host H"
    // parts for the message; both empty when nobody else does. A lock left by
    // a copy that died is stale and taken over, as QLockFile does.
    struct Wlasciciel {
        qint64 pid = 0;
        QString komputer;
        bool zajety() const { return pid != 0; }
    };
    Wlasciciel kto_trzyma(const QString& sciezka) const;

    struct Otwarcie {
        WynikOdczytu odczyt;
        bool wersja_inna_niz_nazwa = false;  // the bytes chose the other version
        bool tylko_do_odczytu = false;
    };
    // Reads the file into rows 1.. and holds it: locks it unless
    // `tylko_do_odczytu`. A failed read holds no file.
    Otwarcie otworz(const QString& sciezka, TablicaPrzelewow& tablica, bool tylko_do_odczytu);
    // Holds no file any more ("Nowy").
    void zamknij();

    const QString& plik() const { return plik_; }
    bool tylko_do_odczytu() const { return tylko_do_odczytu_; }
    // The version a save to `sciezka` writes: the held file keeps the version
    // it was read in, any other name says its own.
    int wersja_dla(const QString& sciezka) const;

    // What a save needs the user's word on, in the order it is asked.
    enum class Pytanie {
        format_bez_dodatkowych,  // version 1 cannot keep "Dodatkowe informacje"
        nadpisanie,              // the version-2 name chosen instead exists: sciezka
        teksty_skrocone,         // ile texts longer than 51 characters
        ponad_1000,              // the file held more orders than were read
        puste_rekordy,           // ile orders after a blank record would go
        zmiana_z_zewnatrz,       // the file changed since it was read or written
    };
    struct Kwestia {
        Pytanie pytanie;
        QString sciezka;
        int ile = 0;
    };
    // tak goes on; nie to the version-1 question picks version 2 and else
    // stops like anuluj; otworz_ponownie only answers zmiana_z_zewnatrz.
    enum class Decyzja { tak, nie, anuluj, otworz_ponownie };
    using Pytajacy = std::function<Decyzja(const Kwestia&)>;

    struct Zapis {
        enum Stan { zapisano, anulowano, blad_zapisu, otworz_ponownie };
        Stan stan = anulowano;
        QString sciezka;  // where it went (the version-2 name after "Nie")
        int wersja = 0;
    };
    // Writes rows 1..ilosc to `sciezka`, which then is the file held.
    Zapis zapisz(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc,
                 const Pytajacy& pytaj);

  private:
    void trzymaj(const QString& sciezka, bool zablokuj);

    QString plik_;  // empty when no file is held
    int wersja_ = 0;
    bool ponad_1000_ = false;
    int po_pustym_ = 0;
    bool tylko_do_odczytu_ = false;
    OdciskPliku odcisk_;
    std::unique_ptr<QLockFile> blokada_;
};

// The lock file beside a transfer file: ".konto.p2.lock" in its folder.
QString plik_blokady(const QString& sciezka);
