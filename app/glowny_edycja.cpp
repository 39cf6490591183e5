// The main window's commands that open the transfer editor. The editor is
// handed an order and hands one back; only here does it meet the register.
#include "addressbook/lista.h"
#include "app/glowny.h"
#include "editor/nowy_edycja_przelewu.h"
#include "register/pola_przelewu.h"

namespace {

// The editor is made for one opening and goes when it closes.
template <typename Przygotuj>
void otworz_edytor(Tglowne_okno* glowne, ZapisPrzelewu zapisz, Przygotuj przygotuj) {
    // Opening the editor has always let "Zapisz" write without asking for a name.
    glowne->rejestr.plik_ma_nazwe = true;
    Tnowy_edycja_przelewow edytor(glowne, std::move(zapisz));
    edytor.ustaw_wybor_wpisu(wybor_wpisu);
    przygotuj(edytor);
    edytor.exec();
}

// A new order goes after the last one; a full collection refuses it. The new
// row becomes the only selected one, so that the next print is of it.
ZapisPrzelewu dopisywanie(Tglowne_okno* glowne) {
    return [glowne](const Tprzelew& nowy) {
        if (!glowne->rejestr.dopisz(nowy)) return false;
        glowne->rejestr.ustaw_zmieniony(true);
        glowne->zaznacz_wiersz(glowne->rejestr.ilosc());
        return true;
    };
}

}  // namespace

void Tglowne_okno::ListViewNew() {
    otworz_edytor(this, dopisywanie(this), [](Tnowy_edycja_przelewow& e) { e.przygotuj_nowy(); });
}

void Tglowne_okno::edycja() {
    rejestr.plik_ma_nazwe = true;
    const int s = zaznaczony_el();
    if (ilosc_el() < s) return;  // nothing selected
    // A date of one blank is no date; the row keeps it empty from now on.
    if (rejestr.przelew(s).data == " ") {
        Tprzelew bez_daty = rejestr.przelew(s);
        bez_daty.data.wyczysc();
        rejestr.zmien_wiersz(s, bez_daty);
    }
    otworz_edytor(
        this,
        [this, s](const Tprzelew& zmieniony) {
            // Saving what was opened unchanged leaves the collection as clean as it was.
            if (przelew_zmieniony(rejestr.przelew(s), zmieniony)) rejestr.ustaw_zmieniony(true);
            rejestr.zmien_wiersz(s, zmieniony);
            return true;
        },
        [&](Tnowy_edycja_przelewow& e) { e.przygotuj_edycje(rejestr.przelew(s)); });
}

void Tglowne_okno::powiel_przelewClick() {
    const int s = zaznaczony_el();
    if (s > ilosc_el()) return;
    // A copy of the row, so that nothing the editor does reaches the original.
    const Tprzelew wzor = rejestr.przelew(s);
    otworz_edytor(this, dopisywanie(this),
                  [&](Tnowy_edycja_przelewow& e) { e.przygotuj_kopie(wzor); });
}
