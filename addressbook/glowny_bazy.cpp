// The main window's commands that open the address books.
#include "ui/main/glowny.h"

void Tglowne_okno::baza_odbClick() {}
void Tglowne_okno::baza_nadClick() {}
void Tglowne_okno::baza_tytClick() {}
