// The main window's commands that open the transfer editor.
#include "editor/nowy_edycja_przelewu.h"
#include "ui/main/glowny.h"
#include "ui/okna.h"

void Tglowne_okno::ListViewNew() {
    Tnowy_edycja_przelewow* edytor = okna().edytor;
    if (!edytor) return;
    edytor->przygotuj_nowy();
    edytor->exec();
}

void Tglowne_okno::edycja() {
    Tnowy_edycja_przelewow* edytor = okna().edytor;
    if (!edytor || !edytor->przygotuj_edycje()) return;
    edytor->exec();
}
