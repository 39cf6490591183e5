// Address-book files: reading never crashes, never goes past its 1000
// entries, reads the same from a file as from memory, and what it read writes
// back as whole records.
#include "addressbook/wpisy.h"
#include "plik_fuzz.h"

#include <QBuffer>

#include <cstdint>
#include <memory>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    QByteArray plik(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    QBuffer wejscie(&plik);
    wejscie.open(QIODevice::ReadOnly);
    static auto tablica = std::make_unique<TablicaWpisow>();
    tablica->czyszczenie_tablicy();
    czytaj_wpisy(wejscie, *tablica);
    const int n = tablica->ilosc_el_w_bazie();

    zapisz_wejscie(u"baza_tytulow.dat"_s, plik);
    static auto z_pliku = std::make_unique<TablicaWpisow>();
    const WynikOdczytu wynik = otwieranie_bazy(u"baza_tytulow.dat"_s, *z_pliku);
    if (wynik.stan != WynikOdczytu::ok || wynik.wczytane != n) __builtin_trap();
    for (int i = 1; i <= TablicaWpisow::pojemnosc; ++i)
        if (!((*z_pliku)[i] == (*tablica)[i])) __builtin_trap();

    if (n > 1000) __builtin_trap();
    tablica->sortowanie_listy();
    if (tablica->ilosc_el_w_bazie() != n) __builtin_trap();

    QByteArray zapis;
    QBuffer wyjscie(&zapis);
    wyjscie.open(QIODevice::WriteOnly);
    if (!pisz_wpisy(wyjscie, *tablica)) __builtin_trap();
    if (zapis.size() != qsizetype(n) * 335) __builtin_trap();
    return 0;
}
