#pragma once

// config.ini: the print settings, section [SETTINGS], one "key=value" line per
// key. Read afresh before every print; written only by the preferences window.

#include "printing/klucze_ustawien.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <utility>

// The keys of one section of an INI file. Names of sections and keys compare
// without regard to case; values lose surrounding blanks and one pair of
// surrounding quotes; texts are Windows-1250. Of a key given twice the first
// counts.
class PlikIni {
  public:
    // Far more than nine keys can use; a longer file is read up to here.
    static constexpr qint64 najwiecej_bajtow = 1024 * 1024;

    PlikIni() = default;
    // An unreadable or missing file, or one that is not a regular file (a
    // FIFO, a device, a directory), reads as an empty one; `czytelny` is
    // false then, except for a missing file.
    static PlikIni wczytaj(const QString& sciezka, const QString& sekcja = klucze_ustawien::sekcja,
                           bool* czytelny = nullptr);
    static PlikIni z_tekstu(const QByteArray& tresc,
                            const QString& sekcja = klucze_ustawien::sekcja);

    std::optional<QString> wartosc(const QString& klucz) const;

    QString tekst(const QString& klucz, const QString& domyslny) const;
    // An integer text as the amount fields accept it; anything else is the default.
    int liczba_calkowita(const QString& klucz, int domyslna) const;
    // Any non-zero integer is true.
    bool logiczna(const QString& klucz, bool domyslna) const;
    // A decimal number with a comma or a point.
    double liczba(const QString& klucz, double domyslna) const;

  private:
    QByteArray tresc_;
    // Where each key's Windows-1250 value lies in tresc_ (start, length), by
    // the key's folded name.
    QHash<QByteArray, std::pair<qsizetype, qsizetype>> klucze_;
};

// The shortest decimal text of a number with a decimal comma: 2,5 10 0,3.
QString tekst_liczby(double wartosc);
// Reads "2,5" and "2.5" alike.
std::optional<double> czytaj_liczbe(const QString& tekst);

struct UstawieniaWydruku {
    int typ_formularza = 1;  // 1 coloured, 2 black-and-white, 3 pre-printed; others act as 2
    int ilosc_odcinkow = 2;  // 1, 2 or 4
    QString uklad_strony = klucze_ustawien::pionowy;  // "portrait" or "landscape"
    bool capitals = true;
    bool boxes = false;
    int margin_left = 5;  // mm
    int margin_top = 5;
    bool drukuj_oplate = false;
    QString oplata_wart = QStringLiteral("2,50");

    friend bool operator==(const UstawieniaWydruku&, const UstawieniaWydruku&) = default;
};

// Reads and validates the file; a missing file gives the defaults of a
// first run, which are not those of a missing key. A file that is there but
// cannot be read (also a FIFO, a device or a directory) gives the same
// defaults and sets `czytelny` to false, so the caller can say so.
UstawieniaWydruku czytaj_ustawienia_wydruku(const QString& sciezka, bool* czytelny = nullptr);
// The same from a file already read; null stands for a missing file.
UstawieniaWydruku czytaj_ustawienia_wydruku(const PlikIni* ini);
// config.ini in the program's folder
UstawieniaWydruku czytaj_ustawienia_wydruku(bool* czytelny = nullptr);

// Writes keys of [SETTINGS] one by one: each call rewrites the file at once
// (safely, through a temporary file), so when a later key fails the keys
// written before it stay in the file. Other keys, sections and lines of the
// file are kept as they were.
class ZapisUstawien {
  public:
    explicit ZapisUstawien(QString sciezka, QString sekcja = klucze_ustawien::sekcja);
    ZapisUstawien();  // config.ini in the program's folder

    // False when the file could not be read or written; it is then unchanged.
    // Something at the path that is not a regular file is never replaced.
    bool zapisz_tekst(const QString& klucz, const QString& wartosc);
    bool zapisz_liczbe_calkowita(const QString& klucz, int wartosc);
    bool zapisz_logiczna(const QString& klucz, bool wartosc);  // "1" / "0"
    bool zapisz_liczbe(const QString& klucz, double wartosc);  // decimal comma

  private:
    QString sciezka_;
    QString sekcja_;
};
