#pragma once

#include <QValidator>

// Only what Windows-1250 can store may be typed or pasted into a text field,
// so what is saved is exactly what the user sees. Text comes in composed
// (NFC) form first, so letters pasted decomposed from a PDF are kept; a
// character that still cannot be stored is refused with a hint beside the
// field, never silently.
class ZnakiZapisywalne : public QValidator {
    Q_OBJECT

  public:
    using QValidator::QValidator;
    State validate(QString& tekst, int& kursor) const override;

    // "Znak „…” nie może być zapisany w pliku", for the hint and the tests.
    static QString podpowiedz(const QString& znak);
};
