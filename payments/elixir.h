#pragma once

// The bank import file in the Elixir-0 layout that Polish internet banking
// accepts for domestic transfers: one line per transfer, Windows-1250, CR LF,
// fields separated by commas, texts in double quotes.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

class QIODevice;
class TablicaPrzelewow;
struct Tprzelew;

// Each text part (a name line, a title line) holds at most this many characters.
constexpr int elixir_dlugosc_czesci = 35;

struct PominietyPrzelew {
    int nr = 0;  // row, from 1
    QString powod;
};

struct PlikElixir {
    QByteArray dane;
    int zapisanych = 0;
    QList<PominietyPrzelew> pominiete;
    QList<int> przyciete;  // rows with a text part cut to 35 characters
};

// Why an order cannot go to the bank file (a deposit, an incomplete or wrong
// account, no amount), or an empty text when it can.
QString powod_pominiecia_elixir(const Tprzelew& przelew);

// The line of one order, CR LF included, as Windows-1250 bytes. The execution
// date is the order's own when it is `dzis` or later, else `dzis`.
QByteArray linia_elixir(const Tprzelew& przelew, QDate dzis, bool* przycieto = nullptr);

// The lines of the given rows (in that order) that can go to the bank.
PlikElixir przygotuj_elixir(const TablicaPrzelewow& tablica, const QList<int>& numery, QDate dzis);

// The one message listing skipped orders, one line each, with the recipient's
// name; empty when none was skipped.
QString opis_pominietych(const TablicaPrzelewow& tablica, const QList<PominietyPrzelew>& pominiete);
QString opis_przycietych(const QList<int>& przyciete);

// ".pli" is appended unless the name ends with it in any letter case.
QString nazwa_pliku_elixir(const QString& wybrana);
