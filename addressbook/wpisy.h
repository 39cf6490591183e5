#pragma once

// The address books: recipients, senders and payment titles. Each is a file of
// 335-byte records beside the program, read whole into a table by whoever
// works on it.

#include "register/pliki_przelewow.h"
#include "register/tablica.h"
#include "register/tekst.h"

#include <QString>

class QIODevice;

// One entry of a book. In the titles book only the two lines mean anything.
struct Twpis_bazy {
    Tekst<150> nazwa1;  // sort key and the text the list shows
    Tekst<150> nazwa2;
    Tekst<2> lk;
    Tekst<9> nr_banku;  // "9999 9999", blanks for untyped digits
    Tekst<19> nr_rach;  // "9999 9999 9999 9999"

    // Texts longer than a field keep their beginning.
    static Twpis_bazy z_tekstow(const QString& nazwa1, const QString& nazwa2 = {},
                                const QString& lk = {}, const QString& nr_banku = {},
                                const QString& nr_rach = {});

    // Both lines empty: the entry ends the book.
    bool pusty() const { return nazwa1.empty() && nazwa2.empty(); }
    bool obecny() const { return !pusty(); }
    void wyczysc();

    friend bool operator==(const Twpis_bazy&, const Twpis_bazy&) = default;
};

constexpr int rozmiar_wpisu = 335;

// A sender's account as the transfer editor keeps it: "lk bank account", at
// most 32 characters; a complete entry gives the 32-character masked layout.
QString konto_nadawcy(const Twpis_bazy& wpis);

// Entries 1..1000; the book fills 1..count without gaps and the first empty
// entry ends it.
class TablicaWpisow : public Tablica<Twpis_bazy, 1000> {
  public:
    void czyszczenie_tablicy() { wyczysc(); }
    int ilosc_el_w_bazie() const { return ilosc_el(); }

    // Polish alphabetical order of nazwa1; equal first lines keep their
    // order. A first line left empty becomes a single space on the way.
    void sortowanie_listy();

    // At position count + 1; false (and nothing stored) when the book is full.
    bool dodanie_elementu(const Twpis_bazy& wpis) { return dopisz(wpis); }
    // Over entry k, 1 <= k <= count; any other k changes nothing.
    void wyedytowanie_elementu(int k, const Twpis_bazy& wpis) { zastap(k, wpis); }
    // Entries k + 1..count move down; k = count + 1 (nothing selected) changes nothing.
    void usuniecie_elementu(int k) { usun(k); }
};

enum class RodzajBazy { odbiorcy, nadawcy, tytuly };

// "baza_odbiorcow.dat", "baza_nadawcow.dat", "baza_tytulow.dat".
QString plik_bazy(RodzajBazy rodzaj);

// Reads whole records into entries 1.. and empties every entry after the last
// one read, also after an error partway. At most 1000 records are taken; the
// result says when the file held more.
WynikOdczytu czytaj_wpisy(QIODevice& wejscie, TablicaWpisow& tablica);
// Writes entries 1..count; false on a write error.
bool pisz_wpisy(QIODevice& wyjscie, const TablicaWpisow& tablica);

// The book file of that name in the program's folder. A missing file is an
// empty book.
WynikOdczytu otwieranie_bazy(const QString& nazwa_pliku, TablicaWpisow& tablica);
// Replaces the file only once everything was written: a failed save leaves
// the previous book intact.
bool zapis_do_pliku_bazy(const QString& nazwa_pliku, const TablicaWpisow& tablica);

// The same entries 1..count in the same order.
bool takie_same(const TablicaWpisow& a, const TablicaWpisow& b);

struct WynikDopisania {
    WynikOdczytu odczyt;
    bool pelna = false;     // refused: the book already holds 1000 entries
    bool zapisany = false;  // the book file now holds the entry
};

// Appends one entry to a book file from outside the address-book window:
// loads the book, adds, sorts and saves. A book that could not be read
// completely, holds entries after a blank one or more than 1000 is not saved,
// so entries the load missed are never dropped from the file. Shows nothing;
// the caller reports the result.
WynikDopisania dopisz_do_bazy(RodzajBazy rodzaj, const QString& nazwa1, const QString& nazwa2 = {},
                              const QString& lk = {}, const QString& nr_banku = {},
                              const QString& nr_rach = {});
