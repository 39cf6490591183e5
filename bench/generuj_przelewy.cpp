// Writes a transfer file of N made-up orders: generuj_przelewy PLIK [N].
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <memory>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication aplikacja(argc, argv);
    if (argc < 2) {
        std::fputs("generuj_przelewy PLIK [ILE]\n", stderr);
        return 2;
    }
    const int ile = argc > 2 ? std::min(std::atoi(argv[2]), TablicaPrzelewow::pojemnosc) : 1000;
    auto t = std::make_unique<TablicaPrzelewow>();
    for (int i = 1; i <= ile; ++i) {
        Tprzelew p;
        const std::string nr = std::to_string(i);
        p.nazwa_odbiorcy1 = "Odbiorca " + nr;
        p.nazwa_odbiorcy2 = "ul. Dluga " + nr + ", 00-001 Warszawa";
        p.lk = "12";
        p.nr_banku_odbiorcy = "1020 5558";
        p.nr_rach_odbiorcy = "1111 2222 3333 " + std::to_string(1000 + i % 9000);
        p.kwota = std::to_string(i * 7 % 100000);
        p.kwota100 = std::to_string(10 + i % 90);
        p.data = "2024-" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + "-15";
        p.nazwa_nadawcy1 = "Nadawca";
        p.tytulem1 = "Faktura " + nr;
        p.symbol = "06";
        t->dopisz(p);
    }
    return zapisz_przelewy(QString::fromLocal8Bit(argv[1]), *t, t->ilosc_el()) ? 0 : 1;
}
