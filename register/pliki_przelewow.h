#pragma once

// Transfer files: plain sequences of fixed-size records, no header.
// Version 1 (".vando") has 997-byte records without "dodatkowe"; version 2
// (".p2") has 424-byte records, 51-character name and title lines, and
// "dodatkowe". Which version a file is follows from its name alone.

#include <QString>

class QIODevice;
class TablicaPrzelewow;

constexpr int rozmiar_rekordu_v1 = 997;
constexpr int rozmiar_rekordu_v2 = 424;

// 2 when the name's last two characters are exactly "p2", else 1.
int typ_pliku(const QString& nazwa);
int rozmiar_rekordu(int wersja);

struct WynikOdczytu {
    enum Stan { ok, brak_pliku, blad_odczytu };
    Stan stan = ok;
    int wczytane = 0;      // records that landed in the table
    bool za_duzo = false;  // the file held more than 1000 records; the rest was left out
};

// Reads records into rows 1.. and empties every row after the last record read,
// also after an error partway, so the table never mixes two collections.
WynikOdczytu czytaj_przelewy(QIODevice& wejscie, int wersja, TablicaPrzelewow& tablica);
WynikOdczytu czytaj_przelewy(const QString& sciezka, TablicaPrzelewow& tablica);

// Writes rows 1..ilosc in the version's layout; false on a write error.
bool pisz_przelewy(QIODevice& wyjscie, int wersja, const TablicaPrzelewow& tablica, int ilosc);

// Writes through a temporary file that replaces the old one only when
// everything was written, so a failed save never destroys the previous file.
bool zapisz_przelewy(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc);

// True when some order among rows 1..ilosc carries additional information,
// which a version-1 file cannot keep.
bool ma_dodatkowe_informacje(const TablicaPrzelewow& tablica, int ilosc);

// konto.vando -> konto.p2; any other name loses its last three characters.
QString nazwa_w_wersji_2(const QString& sciezka);
