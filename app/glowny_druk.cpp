// The main window's print, preview and preferences commands.
#include "app/glowny.h"
#include "printing/druk_okna.h"
#include "printing/ustawienia_programu.h"

namespace {

// The order selected in the list, or nothing. Preparing row count + 1 would
// write the amount completion into the empty row and so add an order.
bool zaznaczony(Tglowne_okno& okno) { return okno.zaznaczony_el() <= okno.ilosc_el(); }

// Every selected order in list order; preparing one completes its amount in the row.
QList<ZmienneDruku> zmienne_zaznaczonych(Tglowne_okno& okno, const QList<int>& numery) {
    QList<ZmienneDruku> wynik;
    for (const int k : numery)
        wynik.append(okno.rejestr.w_wierszu(k, przypisanie_zmiennych_do_temp));
    return wynik;
}

QList<Tprzelew> zlecenia(Tglowne_okno& okno, const QList<int>& numery) {
    QList<Tprzelew> wynik;
    for (const int k : numery) wynik.append(okno.rejestr.przelew(k));
    return wynik;
}

}  // namespace

void Tglowne_okno::drukowanieClick() {
    if (!zaznaczony(*this)) return;
    const QList<int> numery = zaznaczone_el();
    if (!drukowac_mimo_kwot(this, zlecenia(*this, numery))) return;
    drukuj_wiele(this, [this, &numery] { return zmienne_zaznaczonych(*this, numery); });
}

void Tglowne_okno::print_previewClick() {
    if (!zaznaczony(*this)) return;
    const QList<int> numery = zaznaczone_el();
    if (!drukowac_mimo_kwot(this, zlecenia(*this, numery))) return;
    // The preview's own "Drukuj" prepares the same orders again.
    podglad_wiele(this, [this, &numery] { return zmienne_zaznaczonych(*this, numery); });
}

void Tglowne_okno::ustawieniaClick() {
    Tpreferencje okno(this);
    okno.exec();
}
