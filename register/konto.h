#pragma once

// Account texts without any window: completeness of the recipient's three
// parts and joining/splitting them to and from the one-piece 32-character form.

#include <QString>

#include <initializer_list>

// Check digits: complete when the text holds no space at all.
bool lk_kompletny(const QString& tekst);
// Bank number (9 characters) and account (19 characters): complete when no
// digit position holds a space. A short text counts its missing positions as
// blanks.
bool nr_banku_kompletny(const QString& tekst);
bool nr_rach_kompletny(const QString& tekst);

// True when none of the given 1-based positions of the text is a space; a
// position past the end counts as a space.
bool czesc_kompletna(const QString& tekst, std::initializer_list<int> pozycje);

// lk + " " + bank + " " + account.
QString polacz_konto(const QString& lk, const QString& bank, const QString& rach);

// Check digits of a Polish account number (NRB) by the IBAN rule.
enum class StanKonta {
    niepelny,  // fewer than 26 digits, or anything but digits and blanks
    poprawny,
    bledny,  // 26 digits whose check digits do not match
};

// The 26 digits of an account text in any layout (the three parts joined, the
// one-piece form, bare digits), or an empty text when the number is not
// complete.
QString cyfry_konta(const QString& tekst);

// True when the 26 digits pass: "PL" (25 21) and the two check digits moved
// behind the other 24 give a number whose remainder by 97 is 1.
bool nrb_poprawny(const QString& cyfry26);

// The two check digits that make "CC" + `cyfry24` a valid number by the same
// rule; an empty text unless `cyfry24` is 24 digits.
QString cyfry_kontrolne_nrb(const QString& cyfry24);

StanKonta stan_konta(const QString& tekst);
inline StanKonta stan_konta(const QString& lk, const QString& bank, const QString& rach) {
    return stan_konta(polacz_konto(lk, bank, rach));
}

struct CzesciKonta {
    QString lk;    // characters 1-2
    QString bank;  // characters 4-12
    QString rach;  // the last 19 characters
};
CzesciKonta podziel_konto(const QString& jednolite);
