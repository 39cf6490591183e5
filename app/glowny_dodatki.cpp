// The main window's CSV export, statistics and update commands.
#include "app/glowny.h"
#include "extras/aktualizacja.h"
#include "extras/aktualizacja_plik.h"
#include "extras/csv.h"
#include "extras/statystyki.h"
#include "widgets/dialogi.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QToolBar>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

using Dialogi::Ikona;
using Dialogi::Odpowiedz;
using Dialogi::Przyciski;

void Tglowne_okno::EksportujdoCSV1Click() {
    // One selected row is only where the user last clicked: the whole table, as always.
    QList<int> numery;
    if (!numery_do_eksportu(u"Eksportuj do CSV"_s, numery, 2)) return;
    const QString wybrana =
        Dialogi::zapisz_plik(this, u"arkusz kalkulacyjny (*.csv)|*.csv"_s, {}, rejestr.sciezka());
    if (wybrana.isEmpty()) return;
    const QString nazwa = nazwa_pliku_csv(wybrana);
    if (QFileInfo::exists(nazwa) &&
        Dialogi::komunikat(this, u"Podany plik już istnieje.\rNadpisać?"_s, u"Zapisz jako..."_s,
                           Ikona::Pytanie, Przyciski::TakNie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return;
    auto wybrane = std::make_unique<TablicaPrzelewow>();
    for (const int k : numery) wybrane->dopisz(rejestr.przelew(k));
    if (!zapisz_csv(nazwa, *wybrane, wybrane->ilosc_el()))
        Dialogi::komunikat(this, u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s);
}

void Tglowne_okno::statystykiClick() {
    TFstatystyki okno(rejestr.tablica(), this);
    okno.exec();
}

void Tglowne_okno::aktualizacjeClick() {
    if (!wywolaj_z_biblioteki(u"update"_s, "pokaz_update"))
        Dialogi::komunikat(this, u"Nie można znaleźć proceudry w bibliotece!"_s, u"Vandoria"_s,
                           Ikona::Blad);
}

void Tglowne_okno::btn_update_downloadClick() {
    if (bezpieczny_adres_http(adres_pobierania)) QDesktopServices::openUrl(QUrl(adres_pobierania));
}

void Tglowne_okno::pokaz_informacje_o_aktualizacji(const QString& wersja_nowa,
                                                   const QString& adres) {
    // The version comes from the network: shown as plain text, never as markup.
    l_update_info->setTextFormat(Qt::PlainText);
    l_update_info->setText(u"Dostępna jest nowsza wersja programu!\nVandoria "_s + wersja_nowa);
    akcja_update_info->setVisible(true);
    adres_pobierania = bezpieczny_adres_http(adres) ? adres : QString();
    akcja_update_download->setVisible(!adres_pobierania.isEmpty());
    // The notice is the tool bar's last item: a window too narrow for the bar
    // (a large desktop font) would hide it behind the bar's overflow arrow.
    if (QToolBar* pasek = qobject_cast<QToolBar*>(l_update_info->parentWidget());
        pasek && pasek->sizeHint().width() > pasek->width())
        resize(width() + pasek->sizeHint().width() - pasek->width(), height());
}
