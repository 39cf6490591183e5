// The editor's way to the tax and split-payment windows: each is handed the
// order as it stands, and what it hands back goes into the fields.
#include "editor/nowy_edycja_przelewu.h"

#include "payments/okna_podatkowe.h"
#include "register/przelew.h"

void Tnowy_edycja_przelewow::przelew_podatkowyClick() {
    Tprzelew p = przelew_z_okna();
    if (!wybierz_przelew_podatkowy(this, p)) return;
    wypelnij_pola(p);
    sprawdz_sumy_kontrolne();
}

void Tnowy_edycja_przelewow::podzielona_platnoscClick() {
    Tprzelew p = przelew_z_okna();
    if (!wybierz_podzielona_platnosc(this, p)) return;
    wypelnij_pola(p);
    sprawdz_sumy_kontrolne();
}
