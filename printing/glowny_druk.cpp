// The main window's print, preview and preferences commands.
#include "ui/main/glowny.h"

void Tglowne_okno::drukowanieClick() {}
void Tglowne_okno::print_previewClick() {}
void Tglowne_okno::ustawieniaClick() {}
