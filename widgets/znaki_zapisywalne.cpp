#include "widgets/znaki_zapisywalne.h"

#include "register/tekst.h"

#include <QToolTip>
#include <QWidget>

using namespace Qt::StringLiterals;

QString ZnakiZapisywalne::podpowiedz(const QString& znak) {
    return u"Znak „%1” nie może być zapisany w pliku"_s.arg(znak);
}

QValidator::State ZnakiZapisywalne::validate(QString& tekst, int& kursor) const {
    const QString nfc = tekst.normalized(QString::NormalizationForm_C);
    if (nfc != tekst) {
        kursor =
            static_cast<int>(tekst.left(kursor).normalized(QString::NormalizationForm_C).size());
        tekst = nfc;
    }
    const QString zly = cp1250::pierwszy_niezapisywalny(tekst);
    auto* pole = qobject_cast<QWidget*>(parent());
    if (zly.isEmpty()) {
        if (pole && pole->property("odrzucony_znak").isValid())
            pole->setProperty("odrzucony_znak", QVariant());
        return Acceptable;
    }
    // The field keeps its text; the user is told why the character did not come.
    if (pole) {
        const QString opis = podpowiedz(zly);
        pole->setProperty("odrzucony_znak", opis);
        if (pole->isVisible())
            QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), opis, pole);
    }
    return Invalid;
}
