// The main window's menu "Inne": help, the about window and the donation order.
#include "app/glowny.h"
#include "extras/darowizna.h"
#include "extras/pomoc.h"
#include "extras/pomoc_plik.h"
#include "widgets/dialogi.h"

using namespace Qt::StringLiterals;

void Tglowne_okno::Pomoc1Click() { pokaz_pomoc(this, 1); }

void Tglowne_okno::o_programieClick() {
    Tpomoc_okno okno(this);
    connect(&okno, &Tpomoc_okno::dodaj_przelew_do_autora, this, &Tglowne_okno::dodaj_mnie);
    okno.exec();
}

void Tglowne_okno::dodaj_mnie() {
    const int c = ilosc_el();
    if (c >= TablicaPrzelewow::pojemnosc) {
        Dialogi::komunikat(
            this,
            u"Lista przelewów jest pełna: można w niej przechowywać najwyżej 1000 przelewów."_s,
            u"Dodaj do listy przelew do autora programu"_s, Dialogi::Ikona::Informacja);
        return;
    }
    rejestr.dopisz(darowizna::przelew_do_autora());
    rejestr.ustaw_zmieniony(true);
}
