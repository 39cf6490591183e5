#pragma once

#include "register/tekst.h"

#include <QValidator>

// Only what Windows-1250 can store may be typed or pasted into a text field,
// so what is saved is exactly what the user sees.
class ZnakiZapisywalne : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;
    State validate(QString& tekst, int&) const override {
        for (const QChar z : tekst)
            if (!cp1250::da_sie_zapisac(z)) return Invalid;
        return Acceptable;
    }
};
