#include "widgets/czy_puste.h"

#include "register/tekst.h"
#include "widgets/dialogi.h"

using namespace Qt::StringLiterals;

bool czy_puste(QWidget* rodzic, const QString& tekst) {
    if (!przytnij(tekst).isEmpty()) return false;
    Dialogi::komunikat(rodzic, u"Nie wypełniłeś niezbędnych pól! Uzupełnij pierwsze pole."_s);
    return true;
}
