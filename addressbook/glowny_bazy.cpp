// The main window's commands that open the address books.
#include "addressbook/lista.h"
#include "ui/main/glowny.h"
#include "ui/okna.h"

using namespace Qt::StringLiterals;

namespace {

// Managing, never picking: nothing of the book reaches an order from here.
void otworz_baze(Tglowne_okno* glowne, const QString& rodzaj) {
    przygotuj_okna_baz(glowne);
    rodzaj_bazy = rodzaj;
    wybor_z_bazy = false;
    okna().lista_wpisow->przypisanie_label();
    okna().lista_wpisow->exec();
}

}  // namespace

void Tglowne_okno::baza_odbClick() { otworz_baze(this, u"odbiorcy"_s); }
void Tglowne_okno::baza_nadClick() { otworz_baze(this, u"nadawcy"_s); }
void Tglowne_okno::baza_tytClick() { otworz_baze(this, u"tytuly"_s); }
