#pragma once

// The collection as a CSV file for spreadsheets: Windows-1250 bytes as the
// records hold them, every field quoted, ";" between fields, a single CR at
// the end of every line but the last order's.

#include <QString>

class QIODevice;
class TablicaPrzelewow;

// Writes the header and rows 1..ilosc; false when a write fails.
bool pisz_csv(QIODevice& wyjscie, const TablicaPrzelewow& tablica, int ilosc);

// Writes through a temporary file that replaces the old one only when
// everything was written, so a failed export never leaves half a file behind
// nor destroys the one it was to replace. A read-only file is not replaced.
bool zapisz_csv(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc);

// The name the export writes to: ".csv" is appended unless the name already
// ends with it, letter case included (raport.CSV -> raport.CSV.csv).
QString nazwa_pliku_csv(const QString& wybrana);
