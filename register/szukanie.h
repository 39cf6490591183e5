#pragma once

#include <QString>

struct Tprzelew;

// Text as the find field compares it: small letters, Polish letters without
// their marks ("Łódź" -> "lodz"), so that a user typing on a keyboard with no
// Polish layout still finds the order.
QString zloz_do_szukania(QStringView tekst);

// What the user typed, made ready once per keystroke rather than once per row.
struct WzorzecSzukania {
    explicit WzorzecSzukania(const QString& wpisane);
    bool pusty() const { return tekst.isEmpty(); }

    QString tekst;  // folded, trimmed
    QString cyfry;  // the digits alone, when nothing but digits and blanks was typed
    QString kwota;  // with a decimal point typed as a comma, as the list shows amounts
};

// An order's text as the find field searches it, folded once: the list keeps
// one per row, so a keystroke compares instead of folding 1000 orders again.
struct StogSzukania {
    StogSzukania() = default;
    explicit StogSzukania(const Tprzelew& przelew);

    QString nazwa1, nazwa2, tytul1, tytul2;  // folded
    QString cyfry_konta;
    QString kwota;  // as the export writes it: 120,50
};

// Whether the order's recipient, title, account digits or amount contain the text.
bool pasuje_do_wzorca(const StogSzukania& stog, const WzorzecSzukania& wzorzec);
bool pasuje_do_wzorca(const Tprzelew& przelew, const WzorzecSzukania& wzorzec);

// Whether every order matching `nowy` also matched `poprzedni`: the text only
// grew, so rows hidden before stay hidden.
bool zaweza(const WzorzecSzukania& poprzedni, const WzorzecSzukania& nowy);
