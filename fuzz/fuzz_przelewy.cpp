// Transfer files of both versions: the first byte chooses the version, the
// rest is the file. Reading, from memory and from a file through the
// program's own opening path, must never crash or read past its buffers, and
// what it read must write back without error.
#include "plik_fuzz.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QBuffer>

#include <cstdint>
#include <memory>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    if (rozmiar < 1) return 0;
    const int wersja = (dane[0] & 1) ? 2 : 1;
    QByteArray plik(reinterpret_cast<const char*>(dane + 1), static_cast<qsizetype>(rozmiar - 1));
    QBuffer wejscie(&plik);
    wejscie.open(QIODevice::ReadOnly);
    static auto tablica = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu wynik = czytaj_przelewy(wejscie, wersja, *tablica);
    const int n = tablica->ilosc_el();
    if (n > TablicaPrzelewow::pojemnosc || wynik.wczytane > TablicaPrzelewow::pojemnosc)
        __builtin_trap();

    static auto z_pliku = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu z_dysku = czytaj_przelewy(
        zapisz_wejscie(wersja == 2 ? u"konto.p2"_s : u"konto.vando"_s, plik), *z_pliku);
    if (z_dysku.stan == WynikOdczytu::brak_pliku ||
        z_pliku->ilosc_el() > TablicaPrzelewow::pojemnosc)
        __builtin_trap();

    QByteArray zapis;
    QBuffer wyjscie(&zapis);
    wyjscie.open(QIODevice::WriteOnly);
    if (!pisz_przelewy(wyjscie, wersja, *tablica, n)) __builtin_trap();
    if (zapis.size() != qsizetype(n) * rozmiar_rekordu(wersja)) __builtin_trap();
    return 0;
}
