// The main window's commands that open the transfer editor.
#include "ui/main/glowny.h"

void Tglowne_okno::ListViewNew() {}
void Tglowne_okno::edycja() {}
