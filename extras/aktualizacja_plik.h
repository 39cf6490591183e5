#pragma once

// What the update check reads and decides, with no network: the settings it
// uses, the three lines of the update file and the addresses it may trust.

#include <QByteArray>
#include <QString>

inline constexpr char16_t domyslny_adres_aktualizacji[] =
    u"http://vandoria.example.org/Vandoria/update.txt";
inline constexpr char16_t nazwa_pliku_aktualizacji[] = u"update.txt";

// The three lines of the update file, LF or CR LF; a missing line is empty and
// lines after the third are ignored.
struct PlikAktualizacji {
    QString wersja_nowa;
    QString adres_pobierania;
    QString nowy_adres_aktualizacji;
};
PlikAktualizacji czytaj_plik_aktualizacji(const QByteArray& dane);

// The file comes from the network: only a plain http or https address with a
// host and without a user name or password may be opened or fetched.
bool bezpieczny_adres_http(const QString& adres);

// The stored address of the update file and the installed version, or their defaults.
struct UstawieniaAktualizacji {
    QString adres_aktualizacji;
    QString wersja_biezaca;
};
UstawieniaAktualizacji odczytaj_ustawienia();

// Stores the third line for the next check when it is a usable address other
// than the current one; an empty or unsafe line keeps the stored address.
void zapisz_adres(const UstawieniaAktualizacji& ustawienia, const PlikAktualizacji& plik);
