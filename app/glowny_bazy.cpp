// The main window's commands that open the address books: managing, never
// picking, so nothing of a book reaches an order from here.
#include "addressbook/lista.h"
#include "app/glowny.h"

void Tglowne_okno::baza_odbClick() { zarzadzanie_baza(this, RodzajBazy::odbiorcy); }
void Tglowne_okno::baza_nadClick() { zarzadzanie_baza(this, RodzajBazy::nadawcy); }
void Tglowne_okno::baza_tytClick() { zarzadzanie_baza(this, RodzajBazy::tytuly); }
