#pragma once

// Every message box, file dialog and print dialog of the program goes through
// here, so that a test can answer them and every window can run with no human.

#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace Dialogi {

enum class Przyciski { Ok, TakNie, TakNieAnuluj };
// A question (Tak/Nie) shows the question icon whatever its caller names.
enum class Ikona { Brak, Informacja, Pytanie, Ostrzezenie, Blad };
enum class Odpowiedz { Ok, Tak, Nie, Anuluj };

// A message box. Texts are the program's own: "\r" and "\n" both break lines.
// `domyslna` is the button Enter presses: a question whose "Tak" throws work
// away or keeps a wrong value passes Nie (or Anuluj).
Odpowiedz komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul = {},
                    Ikona ikona = Ikona::Brak, Przyciski przyciski = Przyciski::Ok,
                    Odpowiedz domyslna = Odpowiedz::Tak);

// A question whose buttons say what they do: Tak, Nie and Anuluj stand for
// the first, second and (when given) third text of `przyciski`. `domyslna` is
// the button Enter presses; Escape gives Anuluj, or Nie with two buttons.
// Tests answer it like komunikat().
Odpowiedz pytanie(QWidget* rodzic, const QString& tekst, const QString& tytul,
                  const QStringList& przyciski, Odpowiedz domyslna);

// A file this window read was changed by someone else since: Tak writes over
// it ("Zapisz mimo to"), Nie reads it again ("Otwórz ponownie"), Anuluj (the
// default) does neither.
Odpowiedz pytanie_o_zmiane_z_zewnatrz(QWidget* rodzic, const QString& tekst, const QString& tytul);

// File dialogs. Filters are written "opis|wzorce|opis|wzorce" with patterns
// separated by ";". An empty result means the user cancelled. `biezacy` is
// the file the user works on: the dialog starts in its folder.
QString otworz_plik(QWidget* rodzic, const QString& filtr, const QString& biezacy = {});
// The dialog appends domyslne_rozszerzenie to a name typed without one; it
// never asks about overwriting: the callers ask themselves.
QString zapisz_plik(QWidget* rodzic, const QString& filtr,
                    const QString& domyslne_rozszerzenie = {}, const QString& biezacy = {});

// Where a file dialog starts: the folder of `biezacy` when it still exists,
// else the user's documents folder (the home folder when there is none).
QString katalog_startowy(const QString& biezacy);

// The system print dialog; true when the user confirmed it.
bool drukuj(QWidget* rodzic, QPrinter& drukarka);

// The test seam. While it is on, nothing is shown: every dialog is recorded
// and answered from the queues below. A question with no queued answer is a
// broken test and aborts it.
namespace Test {

struct Pokazany {
    QString rodzaj;  // "komunikat", "otworz", "zapisz", "drukuj"
    QString tekst;   // message text, or the filter of a file dialog
    QString tytul;
    Ikona ikona = Ikona::Brak;
    Przyciski przyciski = Przyciski::Ok;
    QString katalog;  // the folder a file dialog starts in
    Odpowiedz domyslna = Odpowiedz::Tak;
};

void wlacz();
void wylacz();
bool wlaczony();
void wyczysc();  // forgets answers and history

void odpowiedz(Odpowiedz odpowiedz);      // next question
void wybierz_plik(const QString& nazwa);  // next file dialog; empty = cancel
void potwierdz_druk(bool tak);            // next print dialog
// Called with the printer before a confirmed print dialog returns, so a test
// can turn it into a PDF printer.
void przy_druku(void (*przygotuj)(QPrinter&));

QList<Pokazany> pokazane();
QStringList teksty();  // texts of the message boxes shown, in order
int ile_odpowiedzi_czeka();

}  // namespace Test

}  // namespace Dialogi
