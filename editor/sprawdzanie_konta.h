#pragma once

// Completeness marking of a recipient's account number, three masked parts.
// Shared with the address-book entry editor, which passes its own fields.

class QLineEdit;
class QWidget;

// The result of the last bank-number or account check (true: complete).
extern bool wynik_sprawdzenia;

// Paints the check-digit field normal when it holds no blank, else red.
void sprawdzenie_lk(QLineEdit* pole);
// Set wynik_sprawdzenia from the field's digit positions; paint nothing.
void sprawdzenie_nr_banku_odbiorcy(QLineEdit* pole);
void sprawdzenie_nr_rach_odbiorcy(QLineEdit* pole);
// Paints the field normal when wynik_sprawdzenia is true, else red.
void gdy_poprawnie_lub_nie(QWidget* pole);

// The colours, also for tests and for the other editor.
void maluj_normalnie(QWidget* pole);
void maluj_na_czerwono(QWidget* pole);
bool czy_czerwone(const QWidget* pole);
