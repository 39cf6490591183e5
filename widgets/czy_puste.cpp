#include "widgets/czy_puste.h"

#include "register/tekst.h"
#include "widgets/dialogi.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The text of the label that names the field, without its mnemonic and colon.
QString nazwa_pola(const QLineEdit* pole) {
    for (const QLabel* l : pole->window()->findChildren<QLabel*>()) {
        if (l->buddy() != pole) continue;
        QString tekst = l->text();
        tekst.remove(u'&');
        while (tekst.endsWith(u':') || tekst.endsWith(u' ')) tekst.chop(1);
        return tekst;
    }
    return pole->accessibleName();
}

}  // namespace

bool czy_puste(QLineEdit* pole) {
    if (!przytnij(pole->text()).isEmpty()) return false;
    const QString nazwa = nazwa_pola(pole);
    const QString tekst =
        nazwa.isEmpty() ? u"Nie wypełniłeś niezbędnych pól! Uzupełnij pierwsze pole."_s
                        : u"Nie wypełniłeś niezbędnych pól! Uzupełnij pole „%1”."_s.arg(nazwa);
    Dialogi::komunikat(pole->window(), tekst, {}, Dialogi::Ikona::Ostrzezenie);
    pole->setFocus(Qt::OtherFocusReason);
    return true;
}
