#pragma once

// Completeness marking of a recipient's account number, three masked parts.
// Shared with the address-book entry editor, which passes its own fields.

class QLineEdit;
class QWidget;

// Paints the check-digit field normal when it holds no blank, else red.
void sprawdzenie_lk(QLineEdit* pole);
// True when every digit position of the field is filled; paint nothing.
bool sprawdzenie_nr_banku_odbiorcy(const QLineEdit* pole);
bool sprawdzenie_nr_rach_odbiorcy(const QLineEdit* pole);
// Paints the field normal when the check said `poprawne`, else red.
void gdy_poprawnie_lub_nie(QWidget* pole, bool poprawne);

// The colours, also for tests and for the other editor.
void maluj_normalnie(QWidget* pole);
void maluj_na_czerwono(QWidget* pole);
bool czy_czerwone(const QWidget* pole);

// What typing in and leaving the bank-number and account fields do, in the
// transfer editor and in the entry editor alike. A complete bank number moves
// the caret into the account when the window is visible; an account turns
// back to normal as its last digit is typed and red only when left incomplete.
void po_zmianie_nr_banku(QLineEdit* nr_banku, const QWidget* okno, QLineEdit* nr_rach);
void po_wyjsciu_z_nr_banku(QLineEdit* nr_banku);
void po_zmianie_nr_rach(QLineEdit* nr_rach);
void po_wyjsciu_z_nr_rach(QLineEdit* nr_rach);
