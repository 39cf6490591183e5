#pragma once

// The bank import file in the Elixir-0 layout that Polish internet banking
// accepts for domestic transfers: one line per transfer, CR LF, fields
// separated by commas, texts in double quotes, in the encoding the bank asks for.

#include "payments/tekst_bankowy.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class TablicaPrzelewow;
struct Tprzelew;

struct PominietyPrzelew {
    int nr = 0;  // row, from 1
    QString powod;
};

struct PlikElixir {
    QByteArray dane;
    int zapisanych = 0;
    QList<PominietyPrzelew> pominiete;
    QList<int> przyciete;  // rows with a name or title longer than four parts
};

// Why an order cannot go to the bank file (a deposit, an incomplete or wrong
// account, no amount or one that is not a number, a date that is no real
// day, no recipient name or title), or an empty text when it can.
QString powod_pominiecia_elixir(const Tprzelew& przelew,
                                KodowanieBanku kodowanie = KodowanieBanku::cp1250);

// The line of one order, CR LF included, in the given encoding. The
// execution date is the order's own when it is `dzis` or later, else `dzis`.
QByteArray linia_elixir(const Tprzelew& przelew, QDate dzis, bool* przycieto = nullptr,
                        KodowanieBanku kodowanie = KodowanieBanku::cp1250);

// The lines of the given rows (in that order) that can go to the bank.
PlikElixir przygotuj_elixir(const TablicaPrzelewow& tablica, const QList<int>& numery, QDate dzis,
                            KodowanieBanku kodowanie = KodowanieBanku::cp1250);

// The one message listing skipped orders, one line each, with the recipient's
// name, and those whose texts were cut; empty when there is nothing to say.
QString opis_pominietych(const TablicaPrzelewow& tablica, const QList<PominietyPrzelew>& pominiete);
QString opis_przycietych(const QList<int>& przyciete);

// ".pli" is appended unless the name ends with it in any letter case.
QString nazwa_pliku_elixir(const QString& wybrana);
