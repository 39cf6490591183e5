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

// The whole złote hold at most this many digits: the record's capacity.
constexpr int najwiecej_cyfr_zlotych = 6;

// An amount read from what the user typed or pasted: "245,67", "245.67",
// "1 234,56", "1234.56 zł", "1234". `grosze` is two digits, or empty when no
// grosze were given ("245" or "245,"); `z_przecinkiem` says whether a decimal
// separator was there. Nothing, with the reason for the user, when the text is
// no amount or has more złote digits than an order holds: never cut.
struct KwotaTekstem {
    QString zlote;
    QString grosze;
    bool z_przecinkiem = false;
};
struct OdczytKwoty {
    std::optional<KwotaTekstem> kwota;
    QString powod;
};
OdczytKwoty czytaj_kwote(const QString& tekst);

// What each amount field may hold while it is typed into: the złote field
// only decimal digits (at most 6), the grosze field at most two.
bool wpis_zlotych(QStringView tekst);
bool wpis_groszy(QStringView tekst);

// --- stored amounts that are not plain numbers

// A plain number: decimal digits only, surrounding blanks allowed.
bool zwykla_liczba(QStringView tekst);
// Nothing when both texts are plain numbers or empty; else the stored amount
// as it reads ("$10", or "10,x1" when the grosze are at fault) for messages.
std::optional<QString> kwota_nie_liczba(const Tprzelew& przelew);
// The amount in grosze when both texts are plain numbers (an empty text is
// 0); what a bank or payment code may be given, never a hexadecimal reading.
std::optional<std::int64_t> kwota_w_groszach_liczbowo(const Tprzelew& przelew);
// "Kwota „$10” nie jest liczbą"
QString opis_kwoty_nie_liczby(const QString& kwota);

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
