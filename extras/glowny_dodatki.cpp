// The main window's CSV export, statistics and update commands.
#include "ui/main/glowny.h"

void Tglowne_okno::EksportujdoCSV1Click() {}
void Tglowne_okno::statystykiClick() {}
void Tglowne_okno::aktualizacjeClick() {}
void Tglowne_okno::btn_update_downloadClick() {}
void Tglowne_okno::pokaz_informacje_o_aktualizacji(const QString&, const QString&) {}
