// The main window's commands that open the transfer editor.
#include "editor/nowy_edycja_przelewu.h"
#include "ui/main/glowny.h"
#include "ui/okna.h"

namespace {

// Made when first needed; the editor still finds the main window through the registry.
Tnowy_edycja_przelewow* edytor_dla(Tglowne_okno* glowne) {
    Okna& o = okna();
    o.glowne = glowne;
    if (!o.edytor) o.edytor = new Tnowy_edycja_przelewow(glowne);
    return o.edytor;
}

}  // namespace

void Tglowne_okno::ListViewNew() {
    Tnowy_edycja_przelewow* edytor = edytor_dla(this);
    edytor->przygotuj_nowy();
    edytor->exec();
}

void Tglowne_okno::edycja() {
    Tnowy_edycja_przelewow* edytor = edytor_dla(this);
    if (!edytor->przygotuj_edycje()) return;
    edytor->exec();
}
