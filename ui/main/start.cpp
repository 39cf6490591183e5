// Start-up and closing of the main window.
#include "ui/main/glowny.h"

#include <QCloseEvent>
#include <QShowEvent>

void Tglowne_okno::showEvent(QShowEvent* zdarzenie) {
    QMainWindow::showEvent(zdarzenie);
    if (pokazane_) return;
    pokazane_ = true;
    FormShow();
}

void Tglowne_okno::FormShow() {
    ustaw_filtry_dialogow();
    ListViewClick();
    watek_zakonczony();
}

void Tglowne_okno::watek_zakonczony() {
    if (!argument_startowy.isEmpty()) {
        rejestr.sciezka_pliku = argument_startowy;
        otwieranie_pliku(rejestr.sciezka_pliku);
        rejestr.plik_ma_nazwe = true;
    }
}

void Tglowne_okno::closeEvent(QCloseEvent* zdarzenie) {
    if (!zapytaj_o_zapis(u"Zamykanie programu"_qs,
                         u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_qs)) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->accept();
}

void Tglowne_okno::FileExit1Execute() { close(); }
