#include "payments/eksport_z_wiersza_polecen.h"

#include "payments/elixir.h"
#include "register/plik_wyjsciowy.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QIODevice>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

int blad(const QString& tekst, int kod = 1) {
    std::fputs(qUtf8Printable(tekst + u'\n'), stderr);
    return kod;
}

}  // namespace

int elixir_z_wiersza_polecen(const QStringList& argumenty) {
    const qsizetype opcja = argumenty.indexOf(u"--elixir"_s);
    if (opcja < 0 || opcja + 2 >= argumenty.size() || argumenty.at(opcja + 1).isEmpty() ||
        argumenty.at(opcja + 2).isEmpty())
        return blad(u"Użycie: Vandoria --elixir WYJSCIE.pli PLIK"_s, 2);
    const QString wyjscie = argumenty.at(opcja + 1);
    const QString plik = argumenty.at(opcja + 2);
    if (const QString odmowa = odmowa_wyjscia(wyjscie, {plik}); !odmowa.isEmpty())
        return blad(odmowa, 2);

    auto tablica = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu odczyt = czytaj_przelewy(plik, *tablica);
    if (odczyt.stan == WynikOdczytu::brak_pliku)
        return blad(u"Podany plik nie istnieje: "_s + plik);
    if (odczyt.stan != WynikOdczytu::ok)
        return blad(u"Wystąpił błąd odczytu! Plik bazy jest uszkodzony: "_s + plik);

    QList<int> numery;
    for (int nr = 1; nr <= tablica->ilosc_el(); ++nr) numery << nr;
    const PlikElixir wynik = przygotuj_elixir(*tablica, numery, QDate::currentDate());
    if (!wynik.pominiete.isEmpty()) blad(opis_pominietych(*tablica, wynik.pominiete));
    if (wynik.zapisanych == 0) return blad(u"Żadnego przelewu nie można wysłać do banku."_s);
    if (!wynik.przyciete.isEmpty()) blad(opis_przycietych(wynik.przyciete));
    if (!zapisz_wyjscie(wyjscie,
                        [&](QIODevice& d) { return d.write(wynik.dane) == wynik.dane.size(); }))
        return blad(u"Wystąpił błąd zapisu pliku: "_s + wyjscie);
    return 0;
}
