// The main window's menu "Inne": help, the about window and the donation order.
#include "ui/main/glowny.h"

void Tglowne_okno::Pomoc1Click() {}
void Tglowne_okno::o_programieClick() {}
void Tglowne_okno::dodaj_mnie() {}
