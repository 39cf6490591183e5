#include "widgets/zdarzenia_okien.h"

#include "widgets/dialogi.h"

#include <QDialog>

using namespace Qt::StringLiterals;

bool escape_anuluje(QKeyEvent* zdarzenie, QDialog* okno, bool zmienione) {
    if (!zdarzenie->matches(QKeySequence::Cancel)) return false;
    zdarzenie->accept();
    if (zmienione && Dialogi::komunikat(okno, u"Porzucić zmiany?"_s, okno->windowTitle(),
                                        Dialogi::Ikona::Pytanie, Dialogi::Przyciski::TakNie,
                                        Dialogi::Odpowiedz::Nie) != Dialogi::Odpowiedz::Tak)
        return true;
    okno->reject();
    return true;
}
