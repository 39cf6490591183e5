#include "addressbook/komunikaty_bazy.h"

#include "addressbook/wpisy.h"
#include "register/folder_programu.h"
#include "register/odcisk_pliku.h"
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
    if (wynik.stan != WynikOdczytu::blad_odczytu && wynik.po_pustym > 0) {
        Dialogi::komunikat(rodzic,
                           u"Plik bazy zawiera pusty wpis, a po nim wpisy, których lista nie "
                           u"pokazuje (%1).\n"
                           u"Zapisanie zmian w tej bazie usunie je; program zapyta o to przed "
                           u"zapisem."_s.arg(wynik.po_pustym),
                           u"Pusty wpis w bazie"_s, Dialogi::Ikona::Informacja);
    }
}

ZapisBazy zapisz_baze(QWidget* rodzic, RodzajBazy rodzaj, const TablicaWpisow& tablica,
                      WynikOdczytu& odczyt) {
    const auto nie_bez_zgody = [rodzic](const QString& tekst) {
        return Dialogi::pytanie(rodzic, tekst, u"Zapisywanie bazy"_s, {u"&Tak"_s, u"&Nie"_s},
                                Dialogi::Odpowiedz::Nie) != Dialogi::Odpowiedz::Tak;
    };
    if (odczyt.za_duzo &&
        nie_bez_zgody(u"Plik bazy zawiera więcej niż 1000 wpisów, a wczytano tylko pierwsze "
                      u"1000.\nZapisanie zmian usunie z pliku wpisy po tysięcznym.\n"
                      u"Zapisać mimo to?"_s))
        return ZapisBazy::nie_zapisana;
    if (odczyt.po_pustym > 0 &&
        nie_bez_zgody(
            u"W pliku bazy po pustym wpisie są jeszcze wpisy (%1), których lista nie "
            u"pokazuje.\nZapisanie zmian usunie je.\nZapisać mimo to?"_s.arg(odczyt.po_pustym)))
        return ZapisBazy::nie_zapisana;
    const QString sciezka = plik_programu(plik_bazy(rodzaj));
    if (zmieniony_od(odczyt.odcisk, sciezka)) {
        switch (Dialogi::pytanie_o_zmiane_z_zewnatrz(
            rodzic,
            u"Plik bazy %1 został zmieniony poza programem od chwili, gdy został otwarty.\n"
            u"Zapisanie go zastąpi tamte zmiany; ponowne otwarcie wczyta go, porzucając zmiany "
            u"wprowadzone w tym oknie."_s.arg(sciezka),
            u"Zapisywanie bazy"_s)) {
            case Dialogi::Odpowiedz::Tak:
                break;
            case Dialogi::Odpowiedz::Nie:
                return ZapisBazy::otworz_ponownie;
            default:
                return ZapisBazy::nie_zapisana;
        }
    }
    if (!zapis_do_pliku_bazy(plik_bazy(rodzaj), tablica)) {
        zglos_blad_zapisu_bazy(rodzic);
        return ZapisBazy::nie_zapisana;
    }
    odczyt.za_duzo = false;
    odczyt.po_pustym = 0;
    odczyt.odcisk = odcisk_pliku(sciezka);
    return ZapisBazy::zapisana;
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
    else if (wynik.odczyt.po_pustym > 0)
        Dialogi::komunikat(rodzic,
                           u"Plik bazy zawiera po pustym wpisie wpisy, których lista nie "
                           u"pokazuje.\nWpis nie został dodany, aby ich nie "
                           u"usunąć; otwórz bazę z menu, aby zdecydować, co z nimi zrobić."_s,
                           u"Wpis nie został dodany"_s, Dialogi::Ikona::Informacja);
    else if (!wynik.zapisany)
        zglos_blad_zapisu_bazy(rodzic);
    return wynik.zapisany;
}
