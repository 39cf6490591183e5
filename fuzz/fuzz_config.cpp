// config.ini: whatever the file holds, reading gives settings within their
// ranges, the same from the file as from memory, and a whole print with them
// (fee text included) draws without fault. Run with a large -max_len: a file
// of many keys must read in linear time.
#include "plik_fuzz.h"
#include "printing/przygotowanie.h"
#include "printing/ustawienia_wydruku.h"
#include "printing/wypelnianie.h"
#include "register/przelew.h"

#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const QByteArray tresc(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    const PlikIni ini = PlikIni::z_tekstu(tresc);
    const UstawieniaWydruku u = czytaj_ustawienia_wydruku(&ini);
    if (tresc.size() <= PlikIni::najwiecej_bajtow) {
        bool czytelny = false;
        const UstawieniaWydruku z_pliku =
            czytaj_ustawienia_wydruku(zapisz_wejscie(u"config.ini"_s, tresc), &czytelny);
        if (!czytelny || !(z_pliku == u)) __builtin_trap();
    }
    if (u.ilosc_odcinkow != 1 && u.ilosc_odcinkow != 2 && u.ilosc_odcinkow != 4) __builtin_trap();
    if (u.uklad_strony != u"portrait" && u.uklad_strony != u"landscape") __builtin_trap();
    if (u.margin_top < 0 || u.margin_top > 1000 || u.margin_left < 0 || u.margin_left > 1000)
        __builtin_trap();

    const StanDruku stan = stan_druku(u);
    static TablicaPrzelewow tablica;
    if (tablica.ilosc_el() == 0) {
        Tprzelew p;
        p.nazwa_odbiorcy1 = "Odbiorca";
        p.kwota = "12";
        p.kwota100 = "5";
        p.lk = "12";
        p.dodatkowe = "dodatkowe informacje";
        tablica.dopisz(p);
    }
    Tprzelew kopia = tablica[1];
    TablicaPrzelewow& t = tablica;
    const ZmienneDruku z = przypisanie_zmiennych_do_temp(t, 1);
    t[1] = kopia;
    const Dokument d = generuj_wydruk(stan, z);
    if (d.strony.isEmpty() || d.strony.size() > 2) __builtin_trap();
    return 0;
}
