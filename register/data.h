#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates of orders are texts in the user's short date format, always with a
// four-digit year so that every date fits the record's 10 characters and
// reads back as the same year.
QString format_daty();

QString tekst_daty(QDate data);

// Reads a stored or typed date text: the user's format first, then
// "dd.MM.yyyy" (also "d.M.yyyy"), "yyyy-MM-dd" and eight digits "ddMMyyyy",
// so files made on another system keep their dates. Nothing for a text that
// is not a real day ("30.02.2099", "15-01-2027"): never a guess.
std::optional<QDate> czytaj_date(const QString& tekst);
