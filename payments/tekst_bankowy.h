#pragma once

// Names and titles as a bank takes them: in the Elixir-0 file and in the
// payment code. Banks refuse a whole import for one character they do not
// accept, and a line break inside a field would start another record, so
// every text is cleaned to what all of them take before it leaves.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The character sets banks ask for in their import settings.
enum class KodowanieBanku { cp1250, iso8859_2, cp852, utf8 };

struct OpisKodowania {
    KodowanieBanku kodowanie;
    QString nazwa;  // as the command line names it: "cp1250", "iso-8859-2"...
    QString opis;   // as the export window offers it
};
const QList<OpisKodowania>& kodowania_banku();
QString nazwa_kodowania(KodowanieBanku kodowanie);
std::optional<KodowanieBanku> kodowanie_z_nazwy(const QString& nazwa);

// True when the encoding can store the character (a code point).
bool da_sie_zakodowac(char32_t znak, KodowanieBanku kodowanie);
// The text's bytes; UTF-8 without a byte-order mark. Characters the encoding
// cannot store must have been cleaned away first.
QByteArray zakoduj(const QString& tekst, KodowanieBanku kodowanie);

// One line cleaned: control characters (CR, LF, TAB...) and every character
// but letters, digits, space and . , - / ( ) ? become a space; a letter the
// encoding cannot store loses its diacritic, or becomes a space; runs of
// spaces become one; the ends are trimmed.
QString oczysc_linie(const QString& linia, KodowanieBanku kodowanie);

// Cleaned lines cut into parts of at most `dlugosc_czesci` characters: a
// longer line breaks at its last space within the first 36 characters (that
// space dropped), or after 35 when there is none; each line starts a new
// part; empty lines give none. At most `najwiecej_czesci` parts; `uciete`
// says that something further was left out.
constexpr int dlugosc_czesci = 35;
constexpr int najwiecej_czesci = 4;
struct Czesci {
    QStringList czesci;
    bool uciete = false;
};
Czesci podziel_na_czesci(const QStringList& linie);
