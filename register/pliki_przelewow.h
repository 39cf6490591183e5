#pragma once

// Transfer files: plain sequences of fixed-size records, no header.
// Version 1 (".vando") has 997-byte records without "dodatkowe"; version 2
// (".p2") has 424-byte records, 51-character name and title lines, and
// "dodatkowe". A file's name says its version, unless its size fits only the
// other version's records (a file renamed or copied under the wrong ending),
// or it fits both and only the other version's records are consistent.

#include "register/odcisk_pliku.h"

#include <QString>

class QIODevice;
class TablicaPrzelewow;

constexpr int rozmiar_rekordu_v1 = 997;
constexpr int rozmiar_rekordu_v2 = 424;

// 2 when the name's last two characters are exactly "p2", else 1.
int typ_pliku(const QString& nazwa);
int rozmiar_rekordu(int wersja);

// The version a file of `rozmiar` bytes named `nazwa` is read as: the other
// version's when the size is a whole number of its records and not of the
// name's own; otherwise (both fit, or neither) the name's.
int wersja_pliku(const QString& nazwa, qint64 rozmiar);
// A non-empty whole number of both versions' records.
bool rozmiar_pasuje_do_obu(qint64 rozmiar);

// True when every whole record of `bajty` is one a writer of that version
// makes: length bytes within their slots, the transfer flag 0 or 1, account
// fields of digits and separators; `scisle` also wants the bytes after each
// text zero, as this program writes them.
bool rekordy_zgodne(const QByteArray& bajty, int wersja, bool scisle);

// The version of a file's bytes. Where the size is a whole number of both
// versions' records (997 x 424 bytes and its multiples) the consistent
// version wins; `niepewna` is set when both or neither are and the name
// decided.
int wersja_z_zawartosci(const QString& nazwa, const QByteArray& bajty, bool* niepewna = nullptr);

struct WynikOdczytu {
    enum Stan { ok, brak_pliku, blad_odczytu };
    Stan stan = ok;
    int wczytane = 0;      // records that landed in the table
    bool za_duzo = false;  // the file held more than 1000 records; the rest was left out
    int wersja = 0;        // the version the records were read as
    // Records that follow the first blank one: they are outside the count,
    // so the list does not show them and a save would drop them.
    int po_pustym = 0;
    bool wersja_niepewna = false;  // the size fits both versions and the bytes did not tell
    OdciskPliku odcisk = {};       // the file as read
};

// Reads records into rows 1.. and empties every row after the last record read,
// also after an error partway, so the table never mixes two collections.
// Nothing after the 1000th record is read.
WynikOdczytu czytaj_przelewy(QIODevice& wejscie, int wersja, TablicaPrzelewow& tablica);
// Reads only a regular file (after links): a FIFO, device, directory or socket
// is a read error at once. The version follows wersja_z_zawartosci().
WynikOdczytu czytaj_przelewy(const QString& sciezka, TablicaPrzelewow& tablica);

// How many rows after the first blank one, up to row do_, hold a record.
template <class T>
int obecne_po_pustym(const T& tablica, int do_) {
    int ile = 0;
    for (int i = tablica.ilosc_el() + 1; i <= do_; ++i)
        if (tablica[i].obecny()) ++ile;
    return ile;
}

// Writes rows 1..ilosc in the version's layout; false on a write error.
bool pisz_przelewy(QIODevice& wyjscie, int wersja, const TablicaPrzelewow& tablica, int ilosc);

// Writes through a temporary file that replaces the old one only when
// everything was written, so a failed save never destroys the previous file.
// `wersja` 0 takes the version from the name.
bool zapisz_przelewy(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc,
                     int wersja = 0);

// How many texts among rows 1..ilosc are longer than a file of `wersja`
// stores, so that writing it would cut them (names and titles in version 2).
int ile_tekstow_za_dlugich(const TablicaPrzelewow& tablica, int ilosc, int wersja);

// True when some order among rows 1..ilosc carries additional information,
// which a version-1 file cannot keep.
bool ma_dodatkowe_informacje(const TablicaPrzelewow& tablica, int ilosc);

// konto.vando -> konto.p2; any other name loses its last three characters.
QString nazwa_w_wersji_2(const QString& sciezka);
