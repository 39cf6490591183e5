#include "extras/csv_z_wiersza_polecen.h"

#include "extras/csv.h"
#include "register/plik_wyjsciowy.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QIODevice>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

void blad(const QString& tekst) { std::fputs((tekst + u'\n').toLocal8Bit().constData(), stderr); }

}  // namespace

int csv_z_wiersza_polecen(const QStringList& argumenty) {
    const qsizetype opcja = argumenty.indexOf(u"--csv"_s);
    if (opcja < 0 || opcja + 2 >= argumenty.size() || argumenty.at(opcja + 1).isEmpty() ||
        argumenty.at(opcja + 2).isEmpty()) {
        blad(u"Użycie: Vandoria --csv WYJSCIE.csv PLIK"_s);
        return 2;
    }
    const QString wyjscie = argumenty.at(opcja + 1);
    const QString plik = argumenty.at(opcja + 2);
    // Checked before anything is read or written: swapped arguments or a link
    // to the input must not cost the user the transfer file.
    if (const QString odmowa = odmowa_wyjscia(wyjscie, {plik}); !odmowa.isEmpty()) {
        blad(odmowa);
        return 1;
    }

    auto tablica = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu odczyt = czytaj_przelewy(plik, *tablica);
    if (odczyt.stan == WynikOdczytu::brak_pliku) {
        blad(u"Podany plik nie istnieje: "_s + plik);
        return 1;
    }
    if (odczyt.stan != WynikOdczytu::ok) {
        blad(u"Wystąpił błąd odczytu! Plik bazy jest uszkodzony: "_s + plik);
        return 1;
    }
    if (odczyt.za_duzo)
        blad(u"Plik zawiera więcej niż 1000 przelewów; wyeksportowano pierwsze 1000."_s);

    const int ilosc = tablica->ilosc_el();
    if (!zapisz_wyjscie(wyjscie, [&](QIODevice& urzadzenie) {
            return pisz_csv(urzadzenie, *tablica, ilosc);
        })) {
        blad(u"Wystąpił błąd zapisu pliku: "_s + wyjscie);
        return 1;
    }
    return 0;
}
