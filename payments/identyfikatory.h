#pragma once

// Taxpayer identifiers and the tax micro-account built from them: the rules
// the tax office and the banks apply, without any window.

#include <QString>

#include <optional>

// NIP: ten digits; the weighted sum of the first nine (6 5 7 2 3 4 5 6 7) by
// 11 is the tenth, and a remainder of 10 is never valid.
bool nip_poprawny(const QString& cyfry);
// PESEL: eleven digits; (10 - weighted sum of the first ten (1 3 7 9 ...) by
// 10) by 10 is the eleventh.
bool pesel_poprawny(const QString& cyfry);

// The identifier types of a tax transfer, each with its one-character code.
enum class RodzajIdentyfikatora { nip, pesel, regon, dowod, paszport, inny };
QChar kod_identyfikatora(RodzajIdentyfikatora rodzaj);
std::optional<RodzajIdentyfikatora> identyfikator_z_kodu(QChar kod);
// "NIP", "PESEL"... as the user reads it.
QString nazwa_identyfikatora(RodzajIdentyfikatora rodzaj);

// Hyphens and spaces people write inside a NIP dropped.
QString bez_lacznikow(const QString& tekst);

// A NIP or PESEL typed with all its digits (hyphens allowed) whose check digit
// is wrong: marked like an account with wrong check digits.
bool zla_cyfra_kontrolna(RodzajIdentyfikatora rodzaj, const QString& wpisany);

// The 26 digits of the micro-account of a valid NIP or PESEL, or an empty text.
QString mikrorachunek(RodzajIdentyfikatora rodzaj, const QString& cyfry);

// The micro-account of an identifier typed as text: a NIP of ten digits
// (hyphens allowed) or a PESEL of eleven. Either the digits or a Polish
// reason why there are none.
struct WynikMikrorachunku {
    QString cyfry;
    QString blad;
};
WynikMikrorachunku mikrorachunek_z_tekstu(const QString& tekst);

// "CC BBBB BBBB AAAA AAAA AAAA AAAA", the form people copy.
QString rachunek_w_grupach(const QString& cyfry26);

// A micro-account read back: whose it is and whether that identifier's own
// check digit holds.
struct OdczytanyMikrorachunek {
    RodzajIdentyfikatora rodzaj = RodzajIdentyfikatora::nip;
    QString identyfikator;
    bool poprawny = false;
};
std::optional<OdczytanyMikrorachunek> czytaj_mikrorachunek(const QString& cyfry26);

// The social-insurance institution's bank number: every payer's individual
// contribution account lies there.
bool rachunek_skladkowy_zus(const QString& konto);

// What the editor says beside a recipient's account (any layout, complete or
// not): empty for an ordinary account.
struct OpisRachunku {
    QString tekst;
    QString podpowiedz;
    bool ostrzezenie = false;  // a micro-account whose identifier is wrong
};
OpisRachunku opis_rachunku(const QString& konto);
