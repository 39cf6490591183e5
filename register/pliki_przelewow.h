#pragma once

// Transfer files: plain sequences of fixed-size records, no header.
// Version 1 (".vando") has 997-byte records without "dodatkowe"; version 2
// (".p2") has 424-byte records, 51-character name and title lines, and
// "dodatkowe". A file's name says its version, unless its size fits only the
// other version's records (a file renamed or copied under the wrong ending).

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

struct WynikOdczytu {
    enum Stan { ok, brak_pliku, blad_odczytu };
    Stan stan = ok;
    int wczytane = 0;      // records that landed in the table
    bool za_duzo = false;  // the file held more than 1000 records; the rest was left out
    int wersja = 0;        // the version the records were read as
};

// Reads records into rows 1.. and empties every row after the last record read,
// also after an error partway, so the table never mixes two collections.
// Nothing after the 1000th record is read.
WynikOdczytu czytaj_przelewy(QIODevice& wejscie, int wersja, TablicaPrzelewow& tablica);
// Reads only a regular file (after links): a FIFO, device, directory or socket
// is a read error at once. The version follows wersja_pliku().
WynikOdczytu czytaj_przelewy(const QString& sciezka, TablicaPrzelewow& tablica);

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
