#pragma once

// What the user is told about the address-book files. The file code only
// reports; the windows and the transfer editor's add buttons decide to show.

#include <QString>

struct WynikOdczytu;
enum class RodzajBazy;
class QWidget;

// A read error, or a book of more than 1000 entries cut to its first 1000.
void zglos_odczyt_bazy(QWidget* rodzic, const WynikOdczytu& wynik);
void zglos_blad_zapisu_bazy(QWidget* rodzic);
void zglos_pelna_baze(QWidget* rodzic);
// "OK" after a failed load: the file is kept as it is.
void zglos_niezapisana_baze(QWidget* rodzic);

// dopisz_do_bazy with its messages. True when the book file now holds the
// entry; the caller shows its confirmation only then.
bool dopisz_do_bazy(QWidget* rodzic, RodzajBazy rodzaj, const QString& nazwa1,
                    const QString& nazwa2 = {}, const QString& lk = {},
                    const QString& nr_banku = {}, const QString& nr_rach = {});
