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

// Another copy of the program holds the file: open it read-only, insist, or stop.
// False when the user gave up opening it.
bool Tglowne_okno::zapytaj_o_druga_kopie(const QString& sciezka, bool& tylko_do_odczytu) {
    tylko_do_odczytu = false;
    const SesjaPliku::Wlasciciel kto = rejestr.sesja().kto_trzyma(sciezka);
    if (!kto.zajety()) return true;
    const QString kim =
        kto.pid > 0 ? u" (proces %1 na komputerze %2)"_s.arg(kto.pid).arg(kto.komputer) : QString();
    switch (Dialogi::pytanie(
        this,
        u"Plik %1 jest już otwarty w innej kopii programu%2.\n"
        u"Jeśli obie kopie zapiszą zmiany, zmiany jednej z nich mogą zostać utracone.\n"
        u"Otworzyć plik tylko do odczytu? Zapisanie go będzie wtedy wymagało podania nazwy."_s.arg(
            sciezka, kim),
        u"Otwieranie pliku"_s, {u"Tylko do &odczytu"_s, u"Otwórz &mimo to"_s, u"&Anuluj"_s},
        Odpowiedz::Tak)) {
        case Odpowiedz::Tak:
            tylko_do_odczytu = true;
            return true;
        case Odpowiedz::Nie:
            return true;
        default:
            return false;
    }
}

void Tglowne_okno::otwieranie_pliku(const QString& sciezka) {
    rejestr.sciezka_nieotwarta = false;
    if (!QFileInfo::exists(sciezka)) {
        Dialogi::komunikat(this, u"Podany plik nie istnieje lub jest uszkodzony!"_s,
                           u"Nie można otworzyć pliku."_s, Ikona::Blad);
        rejestr.sesja().zamknij();
        rejestr.ustaw_sciezke({});
        return;
    }
    bool tylko_do_odczytu = false;
    if (!zapytaj_o_druga_kopie(sciezka, tylko_do_odczytu)) {
        // Nothing was read: the collection stays with the file it had.
        rejestr.ustaw_sciezke(rejestr.sesja().plik());
        return;
    }
    usuniete_.clear();
    const SesjaPliku::Otwarcie o = rejestr.otworz(sciezka, tylko_do_odczytu);
    if (o.odczyt.stan == WynikOdczytu::ok) {
        rejestr.ustaw_sciezke(sciezka);
        ustaw_tytul();
        dodaj_do_ostatnich(sciezka);
    } else {
        Dialogi::komunikat(this, u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s,
                           u"Błąd odczytu!"_s, Ikona::Blad);
        rejestr.ustaw_sciezke({});
        return;
    }
    zglos_otwarcie(o);
}

void Tglowne_okno::zglos_otwarcie(const SesjaPliku::Otwarcie& o) {
    const auto informacja = [this](const QString& tekst) {
        Dialogi::komunikat(this, tekst, u"Otwieranie pliku"_s, Ikona::Informacja);
    };
    const int wersja = o.odczyt.wersja;
    if (o.wersja_inna_niz_nazwa && rozmiar_pasuje_do_obu(o.odczyt.odcisk.rozmiar)) {
        informacja(
            u"Zawartość pliku odpowiada formatowi %1, a nie formatowi wskazanemu przez "
            u"rozszerzenie nazwy.\n"
            u"Plik został wczytany w formacie %1 i w tym formacie zostanie zapisany."_s.arg(
                nazwa_formatu(wersja)));
    } else if (o.wersja_inna_niz_nazwa) {
        informacja(
            u"Rozmiar pliku pasuje do formatu %1, a nie do formatu wskazanego "
            u"przez rozszerzenie nazwy.\n"
            u"Plik został wczytany w formacie %1 i w tym formacie zostanie "
            u"zapisany."_s.arg(nazwa_formatu(wersja)));
    } else if (o.odczyt.wersja_niepewna) {
        informacja(
            u"Rozmiar pliku pasuje do obu formatów, a jego zawartość nie rozstrzyga, "
            u"który to format.\n"
            u"Plik został wczytany w formacie %1, wskazanym przez rozszerzenie nazwy, "
            u"i w tym formacie zostanie zapisany."_s.arg(nazwa_formatu(wersja)));
    }
    if (o.odczyt.za_duzo) {
        informacja(
            u"Plik zawiera więcej niż 1000 przelewów.\nWczytano pierwsze 1000. "
            u"Przelewy po tysięcznym nie zostaną zachowane, jeśli zapiszesz ten "
            u"plik."_s);
    }
    if (o.odczyt.po_pustym > 0) {
        informacja(
            u"Plik zawiera pusty rekord, a po nim przelewy, których lista nie "
            u"pokazuje (%1).\n"
            u"Zapisanie tego pliku usunie je; program zapyta o to przed zapisem."_s.arg(
                o.odczyt.po_pustym));
    }
}

SesjaPliku::Decyzja Tglowne_okno::pytanie_zapisu(const SesjaPliku::Kwestia& k) {
    using P = SesjaPliku::Pytanie;
    using D = SesjaPliku::Decyzja;
    // Overwriting a file or cutting texts loses something: Enter answers Nie.
    const auto tak_nie = [this](const QString& tekst, const QString& tytul) {
        return Dialogi::komunikat(this, tekst, tytul, Ikona::Informacja, Przyciski::TakNie,
                                  Odpowiedz::Nie) == Odpowiedz::Tak
                   ? D::tak
                   : D::anuluj;
    };
    // Questions whose Yes drops orders for good: Enter must not be enough.
    const auto domyslnie_nie = [this](const QString& tekst) {
        return Dialogi::pytanie(this, tekst, u"Zapisz"_s, {u"&Tak"_s, u"&Nie"_s}, Odpowiedz::Nie) ==
                       Odpowiedz::Tak
                   ? D::tak
                   : D::anuluj;
    };
    switch (k.pytanie) {
        case P::format_bez_dodatkowych:
            return Dialogi::komunikat(
                       this,
                       u"Chcesz zapisać dane w formacie, który nie obsługuje zapisu pola "
                       u"\"Dodatkowe informacje\".\r"
                       u"Naciśnij TAK, jeśli nadal chcesz zapisać w tym formacie.\r"
                       u"Naciśnij NIE, aby zapisać dane w nowym formacie."_s,
                       u"Zapisz jako..."_s, Ikona::Informacja, Przyciski::TakNie,
                       Odpowiedz::Nie) == Odpowiedz::Tak
                       ? D::tak
                       : D::nie;
        case P::nadpisanie:
            return tak_nie(u"Podany plik już istnieje.\rNadpisać?"_s, u"Zapisz jako..."_s);
        case P::teksty_skrocone:
            return tak_nie(
                u"W tym formacie pliku nazwy i tytuły mają najwyżej 51 znaków.\n"
                u"Liczba tekstów, które zostaną skrócone do 51 znaków: %1.\n"
                u"Zapisać mimo to?"_s.arg(k.ile),
                u"Zapisz"_s);
        case P::ponad_1000:
            return domyslnie_nie(
                u"Plik %1 zawiera więcej niż 1000 przelewów, a wczytano tylko "
                u"pierwsze 1000.\nZapisanie go usunie z pliku przelewy po "
                u"tysięcznym.\nZapisać mimo to?"_s.arg(k.sciezka));
        case P::puste_rekordy:
            return domyslnie_nie(
                u"W pliku %1 po pustym rekordzie są jeszcze przelewy (%2), "
                u"których lista nie pokazuje.\n"
                u"Zapisanie pliku usunie je.\nZapisać mimo to?"_s.arg(k.sciezka)
                    .arg(k.ile));
        case P::zmiana_z_zewnatrz:
            break;
    }
    switch (Dialogi::pytanie_o_zmiane_z_zewnatrz(
        this,
        u"Plik %1 został zmieniony poza programem od chwili, gdy został otwarty.\n"
        u"Zapisanie go zastąpi tamte zmiany; ponowne otwarcie wczyta go, porzucając zmiany "
        u"wprowadzone tutaj."_s.arg(k.sciezka),
        u"Zapisz"_s)) {
        case Odpowiedz::Tak:
            return D::tak;
        case Odpowiedz::Nie:
            return D::otworz_ponownie;
        default:
            return D::anuluj;
    }
}

bool Tglowne_okno::zapis_do_pliku_przelewow() {
    const SesjaPliku::Zapis z = rejestr.zapisz(
        rejestr.sciezka(), [this](const SesjaPliku::Kwestia& k) { return pytanie_zapisu(k); });
    switch (z.stan) {
        case SesjaPliku::Zapis::zapisano:
            rejestr.sciezka_nieotwarta = false;
            ustaw_tytul();
            dodaj_do_ostatnich(rejestr.sciezka());
            return true;
        case SesjaPliku::Zapis::blad_zapisu:
            Dialogi::komunikat(this, tekst_bledu_zapisu);
            return false;
        case SesjaPliku::Zapis::otworz_ponownie: {
            // The user chose the file as it is now over the changes made here.
            const QString sciezka = z.sciezka;
            otwieranie_pliku(sciezka);
            rejestr.plik_ma_nazwe = true;
            rejestr.ustaw_zmieniony(false);
            return false;
        }
        case SesjaPliku::Zapis::anulowano:
            break;
    }
    return false;
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
    rejestr.sesja().zamknij();
    ustaw_tytul();
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
    // A file opened read-only is saved only under a name the user gives.
    if (rejestr.plik_ma_nazwe && !rejestr.sciezka_nieotwarta &&
        !rejestr.sesja().tylko_do_odczytu() && QFileInfo::exists(rejestr.sciezka())) {
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
                           Przyciski::TakNie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return false;
    const QString poprzednia = rejestr.sciezka();
    rejestr.ustaw_sciezke(nazwa);
    if (!zapis_do_pliku_przelewow()) {
        // A failed write leaves the collection with the file it had, unless
        // it was opened again.
        if (rejestr.zmieniony()) rejestr.ustaw_sciezke(poprzednia);
        return false;
    }
    rejestr.plik_ma_nazwe = true;
    rejestr.ustaw_zmieniony(false);
    return true;
}
