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

QString forma_listy(const QString& zlote, const QString& grosze);    // 1234,56 zł
QString forma_druku(const QString& zlote, const QString& grosze);    // **1234,56
QString forma_slowna(const QString& zlote, const QString& grosze);   // jed*dwatrz*czt* 56/100
QString forma_eksportu(const QString& zlote, const QString& grosze); // 1234,56

QString forma_listy(const Tprzelew& przelew);
