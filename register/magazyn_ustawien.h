#pragma once

#include <QString>

#include <optional>

// The per-user settings store under the key "Software\Vandoria": on Windows the
// registry key of the current user itself, elsewhere a file in the user's
// configuration folder. It tests whether the key and a value exist, opens the
// key without creating it, and reads and writes texts and 32-bit booleans.
class MagazynUstawien {
  public:
    // Tests and portable use point the store at a file of their own.
    static void ustaw_plik(const QString& sciezka);

    // The store's file; empty where the store is the registry.
    static QString sciezka_pliku();
    // Why the store is not used this run (its file is a FIFO, a device, a
    // folder), as a sentence for the user; empty when it is fine. Nothing
    // here ever blocks on such a file: it is read and written as absent.
    static QString problem();

    static bool klucz_istnieje();

    // Reading never creates the key; an absent key or value gives nothing.
    static std::optional<QString> czytaj_tekst(const QString& wartosc);
    static std::optional<bool> czytaj_logiczna(const QString& wartosc);

    // Writing creates the key if it is missing. False when the store could not be written.
    static bool zapisz_tekst(const QString& wartosc, const QString& tekst);
    static bool zapisz_logiczna(const QString& wartosc, bool tak);
    // Removes one value; false when the store could not be written.
    static bool usun(const QString& wartosc);
};
