// The editor's way to the tax and split-payment windows: each is handed the
// order as it stands, and what it hands back goes into the fields.
#include "editor/nowy_edycja_przelewu.h"

#include "payments/podzielona_platnosc.h"
#include "payments/przelew_podatkowy.h"
#include "payments/rodzaj_zlecenia.h"
#include "register/przelew.h"

void Tnowy_edycja_przelewow::przelew_podatkowyClick() {
    Tprzelew p = przelew_z_okna();
    Tprzelew_podatkowy okno(this);
    okno.pokaz_przelew(p);
    if (okno.exec() != QDialog::Accepted) return;
    zastosuj_tytul_podatkowy(p, okno.tytul(), okno.na_mikrorachunek());
    wypelnij_pola(p);
    sprawdz_sumy_kontrolne();
}

void Tnowy_edycja_przelewow::podzielona_platnoscClick() {
    Tprzelew p = przelew_z_okna();
    Tpodzielona_platnosc okno(this);
    okno.pokaz_przelew(p);
    if (okno.exec() != QDialog::Accepted) return;
    zastosuj_tytul_podzielonej(p, okno.tytul());
    wypelnij_pola(p);
    sprawdz_sumy_kontrolne();
}
