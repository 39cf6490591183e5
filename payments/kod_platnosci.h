#pragma once

// The two-dimensional payment code of Polish banking apps: nine fields joined
// by "|" (recipient's tax number, country, account, amount in grosze, name,
// title, three reserve fields), sent as UTF-8. The code image itself is drawn
// elsewhere; this is only its text.

#include <QString>
#include <QStringList>

struct Tprzelew;

struct KodPlatnosci {
    // Why no code can be given (Polish, for the user), or empty when it can.
    QString powod;
    QStringList pola;  // the nine fields
    QString tresc;     // the fields joined by "|"
    // The amount is not in the code (none, zero, or over 9999,99 zł) and has
    // to be typed in the app.
    bool kwota_do_wpisania = false;

    bool jest() const { return powod.isEmpty(); }
};

KodPlatnosci kod_platnosci(const Tprzelew& przelew);

// A text as the code carries it: cleaned as for the bank file (letters of any
// language stay, the code being UTF-8), cut to `dlugosc` characters and
// trimmed again.
QString tekst_kodu(const QString& tekst, int dlugosc);
