// The editor's buttons that reach other parts of the program: printing the
// order on screen, and adding to and picking from the address books.

#include "addressbook/komunikaty_bazy.h"
#include "addressbook/wpisy.h"
#include "editor/nowy_edycja_przelewu.h"
#include "printing/druk_okna.h"
#include "printing/przygotowanie.h"
#include "register/konto.h"
#include "register/przelew.h"
#include "widgets/czy_puste.h"
#include "widgets/dialogi.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

// --- printing ---------------------------------------------------------------------------

ZmienneDruku Tnowy_edycja_przelewow::przypisywanie_zmiennych_w_edycji() {
    uzupelnij_kwote(Uzupelnianie::Druk);
    Tprzelew p = przelew_z_okna();
    return zmienne_druku(p);
}

// The buttons do not take the focus, so the exit actions the print relies on
// run here, once the wait window is up.
void Tnowy_edycja_przelewow::drukuj_w_edycji_przelewClick() {
    if (!drukowac_mimo_kwot(this, {przelew_z_okna()})) return;
    drukuj(this, [this] {
        kapitalizacja();
        return przypisywanie_zmiennych_w_edycji();
    });
}

void Tnowy_edycja_przelewow::podglad_wydruku_w_edycjiClick() {
    if (!drukowac_mimo_kwot(this, {przelew_z_okna()})) return;
    podglad(this, [this] {
        kapitalizacja();
        return przypisywanie_zmiennych_w_edycji();
    });
}

// --- adding to a book -------------------------------------------------------------------

// Each button requires the first line of the entry it adds: an entry without
// one would be empty or sort as a blank line.
void Tnowy_edycja_przelewow::b_dodaj_do_bazy_odbiorcowClick() {
    if (czy_puste(nazwa_odbiorcy1)) return;
    if (dopisz_do_bazy(this, RodzajBazy::odbiorcy, nazwa_odbiorcy1->text(), nazwa_odbiorcy2->text(),
                       lk->tekst(), nr_banku_odbiorcy->tekst(), nr_rach_odbiorcy->tekst()))
        Dialogi::komunikat(this, u"Wpis został dodany do bazy odbiorców."_s);
}

void Tnowy_edycja_przelewow::b_dodaj_do_bazy_nadawcowClick() {
    if (czy_puste(nazwa_nadawcy1)) return;
    const CzesciKonta konto = podziel_konto(nr_rach_nadawcy->tekst());
    if (dopisz_do_bazy(this, RodzajBazy::nadawcy, nazwa_nadawcy1->text(), nazwa_nadawcy2->text(),
                       konto.lk, konto.bank, konto.rach))
        Dialogi::komunikat(this, u"Wpis został dodany do bazy nadawców."_s);
}

void Tnowy_edycja_przelewow::b_dodaj_do_bazy_tytulowClick() {
    if (czy_puste(tytulem1)) return;
    if (dopisz_do_bazy(this, RodzajBazy::tytuly, tytulem1->text(), tytulem2->text()))
        Dialogi::komunikat(this, u"Wpis został dodany do bazy tytułów."_s);
}

// --- picking from a book ----------------------------------------------------------------

void Tnowy_edycja_przelewow::wstaw_wpis(RodzajBazy rodzaj, const Twpis_bazy& wpis) {
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            nazwa_odbiorcy1->setText(wpis.nazwa1.na_unicode());
            nazwa_odbiorcy2->setText(wpis.nazwa2.na_unicode());
            konto_odbiorcy->ustaw(wpis.lk.na_unicode(), wpis.nr_banku.na_unicode(),
                                  wpis.nr_rach.na_unicode());
            break;
        case RodzajBazy::nadawcy:
            nazwa_nadawcy1->setText(wpis.nazwa1.na_unicode());
            nazwa_nadawcy2->setText(wpis.nazwa2.na_unicode());
            nr_rach_nadawcy->ustaw_tekst(konto_nadawcy(wpis));
            break;
        case RodzajBazy::tytuly:
            tytulem1->setText(wpis.nazwa1.na_unicode());
            tytulem2->setText(wpis.nazwa2.na_unicode());
            break;
    }
}

void Tnowy_edycja_przelewow::wybierz_z_bazy(RodzajBazy rodzaj) {
    if (!wybor_wpisu_) return;
    const std::optional<Twpis_bazy> wpis = wybor_wpisu_(this, rodzaj);
    if (!wpis) return;
    wstaw_wpis(rodzaj, *wpis);
    // The activation that follows the closing may come before the fill.
    FormActivate();
}

void Tnowy_edycja_przelewow::wybierz_wpis_odbClick() { wybierz_z_bazy(RodzajBazy::odbiorcy); }
void Tnowy_edycja_przelewow::wybierz_wpis_nadClick() { wybierz_z_bazy(RodzajBazy::nadawcy); }
void Tnowy_edycja_przelewow::wybierz_tytulClick() { wybierz_z_bazy(RodzajBazy::tytuly); }
