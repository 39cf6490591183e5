// Writes a transfer file of N made-up orders: generuj_przelewy PLIK [N] [zle-konta].
// Their account numbers are valid, as a user's are; with "zle-konta" every
// one has wrong check digits, so that every row of the list carries its mark.
#include "register/konto.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <memory>
#include <type_traits>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication aplikacja(argc, argv);
    if (argc < 2) {
        std::fputs("generuj_przelewy PLIK [ILE] [zle-konta]\n", stderr);
        return 2;
    }
    const int ile = argc > 2 ? std::min(std::atoi(argv[2]), TablicaPrzelewow::pojemnosc) : 1000;
    const bool zle_konta = argc > 3 && qstrcmp(argv[3], "zle-konta") == 0;
    auto t = std::make_unique<TablicaPrzelewow>();
    // Texts built as QString: GCC 12 takes a temporary std::string's inline
    // buffer for the whole string and warns (array-bounds) on the copy.
    const auto wpisz = [](auto& pole, const QString& tekst) {
        pole = std::remove_reference_t<decltype(pole)>::z_unicode(tekst);
    };
    for (int i = 1; i <= ile; ++i) {
        Tprzelew p;
        const QString nr = QString::number(i);
        wpisz(p.nazwa_odbiorcy1, u"Odbiorca "_s + nr);
        wpisz(p.nazwa_odbiorcy2, u"ul. Dluga "_s + nr + u", 00-001 Warszawa"_s);
        const QString rachunek = u"1111 2222 3333 "_s + QString::number(1000 + i % 9000);
        const QString kontrolne =
            cyfry_kontrolne_nrb(u"10205558"_s + QString(rachunek).remove(u' '));
        wpisz(p.lk, zle_konta ? u"%1"_s.arg((kontrolne.toInt() + 1) % 100, 2, 10, QLatin1Char('0'))
                              : kontrolne);
        p.nr_banku_odbiorcy = "1020 5558";
        wpisz(p.nr_rach_odbiorcy, rachunek);
        wpisz(p.kwota, QString::number(i * 7 % 100000));
        wpisz(p.kwota100, QString::number(10 + i % 90));
        wpisz(p.data, u"2024-%1-15"_s.arg(i % 12 + 1, 2, 10, QLatin1Char('0')));
        p.nazwa_nadawcy1 = "Nadawca";
        wpisz(p.tytulem1, u"Faktura "_s + nr);
        p.symbol = "06";
        t->dopisz(p);
    }
    return zapisz_przelewy(QString::fromLocal8Bit(argv[1]), *t, t->ilosc_el()) ? 0 : 1;
}
