#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates of orders are texts in the user's short date format, always with a
// four-digit year so that every date fits the record's 10 characters and
// reads back as the same year.
QString format_daty();

QString tekst_daty(QDate data);

// Reads a stored date text: the user's format first, then "dd.MM.yyyy" and
// "yyyy-MM-dd", so files made on another system keep their dates.
std::optional<QDate> czytaj_date(const QString& tekst);
