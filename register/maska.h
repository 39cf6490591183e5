#pragma once

// The editing rules of a fixed-width masked text, kept apart from any widget.
// A mask like "!9999 9999;1; " has a digit position for each '9' and a
// literal for every other character of its first section; the text always has
// the mask's length, with a blank at each digit position not typed yet.

#include <QList>
#include <QString>

// The 26 digits of a whole Polish account number as people copy it: grouped
// by spaces or dashes or not at all, perhaps led by "PL". An empty text for
// anything else.
QString cyfry_calego_konta(const QString& wklejany);

// The masks of the account number's fields: L.k., bank, account and the
// sender's whole number, and the symbol's two digits.
namespace maski {
inline const QString lk = QStringLiteral("!99;1; ");
inline const QString bank = QStringLiteral("!9999 9999;1; ");
inline const QString rachunek = QStringLiteral("!9999 9999 9999 9999;1; ");
inline const QString nadawca = QStringLiteral("!99 9999 9999 9999 9999 9999 9999;1; ");
inline const QString symbol = QStringLiteral("!99;1; ");
}  // namespace maski

class Maska {
  public:
    explicit Maska(const QString& maska);

    // The caret position after an edit and the text it leaves.
    struct Wynik {
        QString tekst;
        qsizetype kursor = 0;
    };

    qsizetype dlugosc() const { return wzor_.size(); }
    bool cyfra_w(qsizetype pozycja) const;  // 0-based
    QString pusty() const;

    // A stored text laid back on the mask: each character at its own place,
    // anything that is not a digit at a digit position a blank, missing
    // characters blanks, literals always the mask's.
    QString dopasuj(const QString& tekst) const;

    // The first digit position at or after `pozycja`, or the length when none.
    qsizetype nastepna_cyfra(qsizetype pozycja) const;
    // The last digit position before `pozycja`, or -1 when none.
    qsizetype poprzednia_cyfra(qsizetype pozycja) const;

    // A digit (or a blank) typed at the caret overwrites the next digit
    // position, skipping separators; the caret lands on the digit position
    // after it. Anything else, or no digit position left, changes nothing.
    Wynik wpisz(const QString& tekst, qsizetype kursor, QChar znak) const;
    // Backspace: blanks the digit position before the caret.
    Wynik cofnij(const QString& tekst, qsizetype kursor) const;
    // Delete: blanks the digit position at or after the caret.
    Wynik usun(const QString& tekst, qsizetype kursor) const;
    // Blanks every digit position of [od, do_) and leaves the caret at od.
    Wynik wyczysc(const QString& tekst, qsizetype od, qsizetype do_) const;
    // Pasted text: its digits fill digit positions from the caret on, in order;
    // everything else is ignored. Exactly as many digits as the mask holds
    // fill the whole field wherever the caret stands.
    Wynik wklej(const QString& tekst, qsizetype kursor, const QString& wklejany) const;

    qsizetype ile_cyfr() const;
    // Where typing goes on: the first blank digit position after the last
    // typed digit; failing that the first blank one anywhere; the end of the
    // text when every digit is typed.
    qsizetype miejsce_pisania(const QString& tekst) const;

    // True when `tekst` is laid out as this mask lays it: no longer than the
    // mask, a digit or a blank at each digit position, the literal (or a
    // blank) elsewhere.
    bool w_ukladzie(const QString& tekst) const;

  private:
    QString wzor_;       // the empty text: blanks at digit positions, literals elsewhere
    QList<bool> cyfry_;  // true at digit positions
};

// An account part as a file may hold it (with the mask's spaces, with other
// separators, or as bare digits, as other programs write it) laid on the
// mask. A text already in the mask's layout keeps every character at its
// place, so a half-typed number keeps its gaps; any other text has its digits
// placed into the digit positions in order, so no digit is lost to a
// separator the mask has elsewhere.
struct KontoWMasce {
    QString tekst;         // what the field shows, always the mask's length
    bool za_duzo = false;  // more digits than the mask holds: `tekst` shows
                           // the first of them and the stored text is wrong
};
KontoWMasce konto_w_masce(const QString& zapisany, const Maska& maska);

// What goes back into the file from a field that was filled from `zapisany`:
// a text out of the mask's layout itself while the field still shows what
// konto_w_masce made of it (a file from elsewhere survives opening and saving
// byte for byte, and a number too long for the mask is never cut); else the
// field's text.
QString konto_do_zapisu(const QString& zapisany, const QString& pole, const Maska& maska);

// An account part for reading (the list, the exports): the stored text when
// it is in the mask's layout or holds more digits than the mask (never cut),
// else its digits placed into the mask.
QString konto_do_pokazania(const QString& zapisany, const Maska& maska);
