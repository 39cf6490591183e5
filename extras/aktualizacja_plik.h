#pragma once

// What the update check reads and decides, with no network: the settings it
// uses, the three lines of the update file and the addresses it may trust.

#include <QByteArray>
#include <QString>

#include <optional>

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
// The same from a file: nothing when it is not a regular file, cannot be read
// or is longer than `limit` bytes.
std::optional<PlikAktualizacji> czytaj_plik_aktualizacji(const QString& sciezka, qint64 limit);

// Puts downloaded bytes into a private file of a fresh name beside the
// program, reads the three lines back from it and removes it again. A file or
// link already there under any name is never written, followed or removed.
// Nothing when the file cannot be made or does not read back whole.
std::optional<PlikAktualizacji> przez_plik_aktualizacji(const QByteArray& dane);

// The file comes from the network: only a plain http or https address with a
// host and without a user name or password may be opened or fetched.
bool bezpieczny_adres_http(const QString& adres);
// The same, and https only.
bool bezpieczny_adres_https(const QString& adres);

// The program's own version, as the build gives it.
QString wersja_programu();

// The stored address of the update file and the installed version, or their
// defaults: the maker's address and the program's own version.
struct UstawieniaAktualizacji {
    QString adres_aktualizacji;
    QString wersja_biezaca;
};
UstawieniaAktualizacji odczytaj_ustawienia();

// Stores the third line for the next check when the answer itself came over
// https (after any redirects) and the line is an https address other than the
// current one; an empty, plain-http or unsafe line, or an answer over plain
// http, keeps the stored address.
void zapisz_adres(const UstawieniaAktualizacji& ustawienia, const PlikAktualizacji& plik,
                  bool odpowiedz_przez_https);
