#pragma once

// Check digits of a complete account number, shown in an editing window: a
// complete but wrong number is painted amber, and saving asks first. The
// recipient's three parts are a PoleKonta; this is the rest.

#include <QColor>
#include <QString>

#include <initializer_list>

class PoleMaskowane;
class QLabel;
class QWidget;

inline const QString tekst_bledu_sumy =
    QStringLiteral("Błędna suma kontrolna — sprawdź cyfry numeru rachunku");
inline const QString pytanie_o_blad_sumy =
    QStringLiteral("Numer rachunku ma błędną sumę kontrolną. Zapisać mimo to?");

// Not the red of an incomplete part: the digits are all there, one is wrong.
inline const QColor kolor_bledu_sumy{255, 200, 90};

// The parts of one number, in order (the sender's: one). Paints them amber when
// together they hold a complete number with wrong check digits, and turns
// amber parts back to normal otherwise. True when the number is wrong.
bool oznacz_sume_kontrolna(std::initializer_list<PoleMaskowane*> czesci);

bool czy_pomaranczowe(const QWidget* pole);
// One field that holds a whole number with a wrong check digit (a NIP, a
// PESEL) painted amber with `podpowiedz` as its hint, or back to normal.
void oznacz_pomaranczowo(QWidget* pole, bool bledny, const QString& podpowiedz);

// The amber-brown of a note that warns without stopping anything.
inline const QColor kolor_uwagi{160, 70, 0};
// Paints a label's text in kolor_uwagi.
void pokoloruj_uwage(QLabel* etykieta);

// The note under the fields: its text, its colour, shown or hidden.
void przygotuj_notatke_sumy(QLabel* notatka);

// Asks the save question; true when the window may save.
bool zapisac_mimo_bledu_sumy(QWidget* okno);
