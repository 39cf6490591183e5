#pragma once

// An amount is two texts, whole złote and grosze, never a number. Here are the
// rules for what may be typed, how short values are completed, and the forms in
// which an amount is listed, printed, spelled and exported.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string_view>

struct Tprzelew;

// An integer text: leading spaces, at most one sign, then decimal digits or a
// hexadecimal prefix ($, x, X, 0x, 0X) with hex digits; nothing after; the
// value fits a signed 32-bit integer.
std::optional<std::int32_t> liczba_calkowita(std::string_view tekst);
std::optional<std::int32_t> liczba_calkowita(QStringView tekst);

// The amount in grosze: złote * 100 + the grosze text read as a count of grosze
// ("5" is five grosze). Nothing when either text is not an integer text.
std::optional<std::int64_t> kwota_w_groszach(std::string_view zlote, std::string_view grosze);
std::optional<std::int64_t> kwota_w_groszach(const Tprzelew& przelew);

// A one-character grosze text means that many grosze; every form shows it with
// its leading zero so that 12 zł 5 gr never reads as 12,50.
QString grosze_do_pokazania(const QString& grosze);

QString forma_listy(const QString& zlote, const QString& grosze);     // 1234,56 zł
QString forma_druku(const QString& zlote, const QString& grosze);     // **1234,56
QString forma_slowna(const QString& zlote, const QString& grosze);    // jed*dwatrz*czt* 56/100
QString forma_eksportu(const QString& zlote, const QString& grosze);  // 1234,56

QString forma_listy(const Tprzelew& przelew);

// --- entry of the two amount fields

// The integer filter applied after every change of an amount field. T is the
// field's new text. When T is an integer text nothing changes (`kursor` is
// empty). Otherwise the field keeps, in order, those characters of T but its
// last whose addition leaves an integer text, and the caret goes to
// length(T) - 1, or to the end when fewer characters were kept.
struct WynikFiltraLiczby {
    QString tekst;
    std::optional<qsizetype> kursor;
};
WynikFiltraLiczby filtr_liczby(const QString& tekst);

// Where the two texts are completed; each context has its own rules.
enum class Uzupelnianie {
    Wyjscie,  // focus leaves the field
    Zapis,    // the editor stores the order
    Druk,     // the editor prints or previews the order
};

// An empty złote text becomes "0" in every context.
QString uzupelnij_zlote(const QString& zlote);
// An empty grosze text becomes "00" everywhere; "0" becomes "00" when leaving
// the field or saving (printing keeps "0"); any other single character gets a
// leading "0" (5 becomes 05) in every context, so no stored or printed
// amount reads 12,5 for twelve złote five grosze.
QString uzupelnij_grosze(const QString& grosze, Uzupelnianie kontekst);

// The sender-account line of a printed deposit: the amount in words.
QString przygotowanie_temp_nr_rach_nadawcy(const QString& zlote, const QString& grosze);
