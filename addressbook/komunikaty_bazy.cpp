#include "addressbook/komunikaty_bazy.h"

#include "addressbook/wpisy.h"
#include "widgets/dialogi.h"

using namespace Qt::StringLiterals;

void zglos_odczyt_bazy(QWidget* rodzic, const WynikOdczytu& wynik) {
    if (wynik.stan == WynikOdczytu::blad_odczytu) {
        Dialogi::komunikat(rodzic, u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s,
                           u"Błąd odczytu!"_s, Dialogi::Ikona::Blad);
    } else if (wynik.za_duzo) {
        Dialogi::komunikat(
            rodzic,
            u"Plik bazy zawiera więcej niż 1000 wpisów.\n"
            u"Wczytano pierwsze 1000; pozostałe nie zostaną zachowane przy zapisie."_s,
            u"Zbyt duża baza"_s, Dialogi::Ikona::Informacja);
    }
}

void zglos_blad_zapisu_bazy(QWidget* rodzic) {
    Dialogi::komunikat(rodzic, u"Nie udało sie zapisać zmian!"_s, u"Błąd zapisu"_s,
                       Dialogi::Ikona::Blad);
}

void zglos_pelna_baze(QWidget* rodzic) {
    Dialogi::komunikat(rodzic,
                       u"Baza może zawierać najwyżej 1000 wpisów.\nNie można dodać nowego wpisu."_s,
                       u"Baza pełna"_s, Dialogi::Ikona::Informacja);
}

void zglos_niezapisana_baze(QWidget* rodzic) {
    Dialogi::komunikat(rodzic,
                       u"Plik bazy nie został odczytany w całości, dlatego nie został zapisany.\n"
                       u"Plik pozostał bez zmian; zmiany wprowadzone w tym oknie nie zostały "
                       u"zachowane."_s,
                       u"Baza nie została zapisana"_s, Dialogi::Ikona::Blad);
}

bool dopisz_do_bazy(QWidget* rodzic, RodzajBazy rodzaj, const QString& nazwa1,
                    const QString& nazwa2, const QString& lk, const QString& nr_banku,
                    const QString& nr_rach) {
    const WynikDopisania wynik = dopisz_do_bazy(rodzaj, nazwa1, nazwa2, lk, nr_banku, nr_rach);
    if (wynik.pelna)
        zglos_pelna_baze(rodzic);  // says all the cut-off note would
    else if (wynik.odczyt.stan == WynikOdczytu::blad_odczytu)
        zglos_odczyt_bazy(rodzic, wynik.odczyt);
    else if (!wynik.zapisany)
        zglos_blad_zapisu_bazy(rodzic);
    return wynik.zapisany;
}
