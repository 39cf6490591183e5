// The main window's file commands: new, open, save, save as.
#include "app/glowny.h"

#include "register/pliki_przelewow.h"
#include "widgets/dialogi.h"

#include <QFileInfo>

#include <utility>

using namespace Qt::StringLiterals;

using Dialogi::Ikona;
using Dialogi::Odpowiedz;
using Dialogi::Przyciski;

namespace {

const QString tekst_zmodyfikowana = u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s;
const QString tekst_bledu_zapisu = u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s;

QString nazwa_formatu(int wersja) {
    return wersja == 2 ? u"\"Baza przelewów ver.2 (*.p2)\""_s : u"\"Baza przelewów (*.vando)\""_s;
}

}  // namespace

// "[*]" is where Qt shows the unsaved-changes mark that setWindowModified() sets.
void Tglowne_okno::ustaw_tytul() {
    const bool bez_pliku = rejestr.sciezka().isEmpty() || rejestr.sciezka_nieotwarta;
    setWindowTitle(bez_pliku ? u"Vandoria[*]"_s
                             : u"Vandoria - ["_s + rejestr.sciezka() + u"][*]"_s);
}

void Tglowne_okno::ustaw_filtry_dialogow() {
    filtr_otwierania =
        u"Wszystkie obsługiwane formaty (*.vando, *.p2)|*.vando;*.p2|Baza przelewów "
        u"(*.vando)|*.vando|"
        u"Baza przelewów ver.2 (*.p2)|*.p2"_s;
    filtr_zapisu = u"Baza przelewów ver.2 (*.p2)|*.p2|Baza przelewów (*.vando)|*.vando"_s;
    domyslne_rozszerzenie = u"p2"_s;
}

void Tglowne_okno::otwieranie_pliku(const QString& sciezka) {
    rejestr.sciezka_nieotwarta = false;
    rejestr.wersja_pliku = 0;
    rejestr.plik_ponad_1000.clear();
    if (!QFileInfo::exists(sciezka)) {
        Dialogi::komunikat(this, u"Podany plik nie istnieje lub jest uszkodzony!"_s,
                           u"Nie można otworzyć pliku."_s, Ikona::Blad);
        rejestr.ustaw_sciezke({});
        return;
    }
    usuniete_.clear();
    const WynikOdczytu wynik = rejestr.wczytaj(sciezka);
    if (wynik.stan == WynikOdczytu::ok) {
        if (wynik.wersja != typ_pliku(sciezka)) rejestr.wersja_pliku = wynik.wersja;
        if (wynik.za_duzo) rejestr.plik_ponad_1000 = sciezka;
    } else {
        Dialogi::komunikat(this, u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s,
                           u"Błąd odczytu!"_s, Ikona::Blad);
        rejestr.ustaw_sciezke({});
    }
    if (rejestr.wersja_pliku != 0) {
        Dialogi::komunikat(this,
                           u"Rozmiar pliku pasuje do formatu %1, a nie do formatu wskazanego "
                           u"przez rozszerzenie nazwy.\n"
                           u"Plik został wczytany w formacie %1 i w tym formacie zostanie "
                           u"zapisany."_s.arg(nazwa_formatu(rejestr.wersja_pliku)),
                           u"Otwieranie pliku"_s, Ikona::Informacja);
    }
    if (wynik.za_duzo) {
        Dialogi::komunikat(this,
                           u"Plik zawiera więcej niż 1000 przelewów.\nWczytano pierwsze 1000. "
                           u"Przelewy po tysięcznym nie zostaną zachowane, jeśli zapiszesz ten "
                           u"plik."_s,
                           u"Otwieranie pliku"_s, Ikona::Informacja);
    }
}

bool Tglowne_okno::zapis_do_pliku_przelewow() {
    const int n = ilosc_el();
    QString sciezka = rejestr.sciezka();
    int wersja = rejestr.wersja_pliku != 0 ? rejestr.wersja_pliku : typ_pliku(sciezka);
    if (wersja == 1 && ma_dodatkowe_informacje(rejestr.tablica(), n)) {
        const Odpowiedz o =
            Dialogi::komunikat(this,
                               u"Chcesz zapisać dane w formacie, który nie obsługuje zapisu pola "
                               u"\"Dodatkowe informacje\".\r"
                               u"Naciśnij TAK, jeśli nadal chcesz zapisać w tym formacie.\r"
                               u"Naciśnij NIE, aby zapisać dane w nowym formacie."_s,
                               u"Zapisz jako..."_s, Ikona::Informacja, Przyciski::TakNie);
        if (o != Odpowiedz::Tak) {
            const QString nowa = nazwa_w_wersji_2(sciezka);
            if (nowa != sciezka && QFileInfo::exists(nowa) &&
                Dialogi::komunikat(this, u"Podany plik już istnieje.\rNadpisać?"_s,
                                   u"Zapisz jako..."_s, Ikona::Informacja,
                                   Przyciski::TakNie) != Odpowiedz::Tak)
                return false;
            sciezka = nowa;
            wersja = 2;
        }
    }
    // Nothing is cut or dropped without the user's word.
    if (const int za_dlugie = ile_tekstow_za_dlugich(rejestr.tablica(), n, wersja);
        za_dlugie > 0 &&
        Dialogi::komunikat(this,
                           u"W tym formacie pliku nazwy i tytuły mają najwyżej 51 znaków.\n"
                           u"Liczba tekstów, które zostaną skrócone do 51 znaków: %1.\n"
                           u"Zapisać mimo to?"_s.arg(za_dlugie),
                           u"Zapisz"_s, Ikona::Informacja, Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    const bool nad_duzym_plikiem = !rejestr.plik_ponad_1000.isEmpty() &&
                                   QFileInfo::exists(sciezka) &&
                                   QFileInfo(sciezka) == QFileInfo(rejestr.plik_ponad_1000);
    if (nad_duzym_plikiem &&
        Dialogi::komunikat(this,
                           u"Plik %1 zawiera więcej niż 1000 przelewów, a wczytano tylko pierwsze "
                           u"1000.\nZapisanie go usunie z pliku przelewy po tysięcznym.\n"
                           u"Zapisać mimo to?"_s.arg(sciezka),
                           u"Zapisz"_s, Ikona::Informacja, Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    if (!zapisz_przelewy(sciezka, rejestr.tablica(), n, wersja)) {
        Dialogi::komunikat(this, tekst_bledu_zapisu);
        return false;
    }
    // The caption that follows the path names only an open file: the flag
    // goes first, and the same path announces nothing.
    const bool byl_nieotwarty = std::exchange(rejestr.sciezka_nieotwarta, false);
    rejestr.ustaw_sciezke(sciezka);
    if (byl_nieotwarty) ustaw_tytul();
    rejestr.wersja_pliku = wersja != typ_pliku(sciezka) ? wersja : 0;
    if (nad_duzym_plikiem) rejestr.plik_ponad_1000.clear();
    return true;
}

bool Tglowne_okno::zapytaj_o_zapis(const QString& tytul, const QString& tekst) {
    if (!rejestr.zmieniony()) return true;
    switch (Dialogi::komunikat(this, tekst, tytul, Ikona::Informacja, Przyciski::TakNieAnuluj)) {
        case Odpowiedz::Tak:
            // Unsaved changes are dropped only on "Nie": a cancelled or failed save stops.
            return FileSave1Execute();
        case Odpowiedz::Nie:
            return true;
        default:
            return false;
    }
}

void Tglowne_okno::FileNew1Execute() {
    if (!zapytaj_o_zapis(u"Nowy plik bazy"_s,
                         u"Baza przelewów została zmodyfikowana. Zapisać zmiany?"_s))
        return;
    usuniete_.clear();
    rejestr.wyczysc();
    rejestr.plik_ma_nazwe = false;
    rejestr.ustaw_zmieniony(true);
    rejestr.ustaw_sciezke({});
    rejestr.sciezka_nieotwarta = false;
    rejestr.wersja_pliku = 0;
    rejestr.plik_ponad_1000.clear();
}

void Tglowne_okno::FileOpen1Execute() {
    if (!zapytaj_o_zapis(u"Otwieranie pliku"_s, tekst_zmodyfikowana)) return;
    const QString nazwa = Dialogi::otworz_plik(this, filtr_otwierania, rejestr.sciezka());
    if (nazwa.isEmpty()) return;
    const bool byl_nieotwarty = std::exchange(rejestr.sciezka_nieotwarta, false);
    rejestr.ustaw_sciezke(nazwa);
    if (byl_nieotwarty) ustaw_tytul();
    otwieranie_pliku(nazwa);
    rejestr.plik_ma_nazwe = true;
    rejestr.ustaw_zmieniony(false);
}

bool Tglowne_okno::FileSave1Execute() {
    if (rejestr.plik_ma_nazwe && !rejestr.sciezka_nieotwarta &&
        QFileInfo::exists(rejestr.sciezka())) {
        if (!zapis_do_pliku_przelewow()) return false;
        rejestr.plik_ma_nazwe = true;
        rejestr.ustaw_zmieniony(false);
        return true;
    }
    return zapisz_pod_nazwa(u"Podany plik już istnieje.\rNadpisać?"_s);
}

bool Tglowne_okno::FileSaveAs1Execute() {
    return zapisz_pod_nazwa(u"Podany plik juz istnieje.\rNadpisać?"_s);
}

bool Tglowne_okno::zapisz_pod_nazwa(const QString& tekst_nadpisania) {
    QString nazwa =
        Dialogi::zapisz_plik(this, filtr_zapisu, domyslne_rozszerzenie, rejestr.sciezka());
    if (nazwa.isEmpty()) return false;
    if (!nazwa.endsWith(u".vando") && !nazwa.endsWith(u".p2")) nazwa += u".p2"_s;
    if (QFileInfo::exists(nazwa) &&
        Dialogi::komunikat(this, tekst_nadpisania, u"Zapisz jako..."_s, Ikona::Informacja,
                           Przyciski::TakNie) != Odpowiedz::Tak)
        return false;
    const QString poprzednia = rejestr.sciezka();
    const int poprzednia_wersja = rejestr.wersja_pliku;
    rejestr.ustaw_sciezke(nazwa);
    // A new name chosen with its ending says the version; only the same file
    // keeps the version its bytes had.
    if (nazwa != poprzednia) rejestr.wersja_pliku = 0;
    if (!zapis_do_pliku_przelewow()) {
        // A failed write leaves the collection with the file it had.
        rejestr.ustaw_sciezke(poprzednia);
        rejestr.wersja_pliku = poprzednia_wersja;
        return false;
    }
    rejestr.plik_ma_nazwe = true;
    rejestr.ustaw_zmieniony(false);
    return true;
}
