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

const QString uzycie =
    u"Użycie: Vandoria --elixir [--kodowanie cp1250|iso-8859-2|cp852|utf-8] WYJSCIE.pli PLIK"_s;

}  // namespace

int elixir_z_wiersza_polecen(const QStringList& argumenty) {
    // The options come before the two files; nothing after them is taken.
    const qsizetype opcja = argumenty.indexOf(u"--elixir"_s);
    KodowanieBanku kodowanie = KodowanieBanku::cp1250;
    qsizetype i = opcja + 1;
    while (opcja >= 0 && i < argumenty.size() && argumenty.at(i) == u"--kodowanie") {
        const std::optional<KodowanieBanku> k = kodowanie_z_nazwy(argumenty.value(i + 1));
        if (!k) return blad(u"Nieznane kodowanie: "_s + argumenty.value(i + 1) + u'\n' + uzycie, 2);
        kodowanie = *k;
        i += 2;
    }
    if (opcja < 0 || i + 2 != argumenty.size() || argumenty.at(i).isEmpty() ||
        argumenty.at(i + 1).isEmpty())
        return blad(uzycie, 2);
    const QString wyjscie = argumenty.at(i);
    const QString plik = argumenty.at(i + 1);
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
    const PlikElixir wynik = przygotuj_elixir(*tablica, numery, QDate::currentDate(), kodowanie);
    if (!wynik.pominiete.isEmpty()) blad(opis_pominietych(*tablica, wynik.pominiete));
    if (!wynik.przyciete.isEmpty()) blad(opis_przycietych(wynik.przyciete));
    if (wynik.zapisanych == 0) return blad(u"Żadnego przelewu nie można wysłać do banku."_s);
    if (!zapisz_wyjscie(wyjscie,
                        [&](QIODevice& d) { return d.write(wynik.dane) == wynik.dane.size(); }))
        return blad(u"Wystąpił błąd zapisu pliku: "_s + wyjscie);
    return 0;
}
