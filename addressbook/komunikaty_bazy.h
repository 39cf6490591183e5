#pragma once

// What the user is told about the address-book files. The file code only
// reports; the windows and the transfer editor's add buttons decide to show.

#include <QString>

struct WynikOdczytu;
class TablicaWpisow;
enum class RodzajBazy;
class QWidget;

// A read error, a book of more than 1000 entries cut to its first 1000, or
// entries after a blank one that the window does not show.
void zglos_odczyt_bazy(QWidget* rodzic, const WynikOdczytu& wynik);

enum class ZapisBazy { zapisana, nie_zapisana, otworz_ponownie };
// "OK" of the book window over a changed book: asks before dropping the
// entries past the 1000th or after a blank entry (both default "Nie"), and
// before replacing a file changed by someone else since it was read; writes,
// and reports a failed write. `odczyt` then describes the file as written.
ZapisBazy zapisz_baze(QWidget* rodzic, RodzajBazy rodzaj, const TablicaWpisow& tablica,
                      WynikOdczytu& odczyt);
void zglos_blad_zapisu_bazy(QWidget* rodzic);
void zglos_pelna_baze(QWidget* rodzic);
// "OK" after a failed load: the file is kept as it is.
void zglos_niezapisana_baze(QWidget* rodzic);

// dopisz_do_bazy with its messages. True when the book file now holds the
// entry; the caller shows its confirmation only then.
bool dopisz_do_bazy(QWidget* rodzic, RodzajBazy rodzaj, const QString& nazwa1,
                    const QString& nazwa2 = {}, const QString& lk = {},
                    const QString& nr_banku = {}, const QString& nr_rach = {});
