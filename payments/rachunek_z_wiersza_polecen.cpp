#include "payments/eksport_z_wiersza_polecen.h"

#include "payments/identyfikatory.h"

#include <cstdio>

using namespace Qt::StringLiterals;

int rachunek_z_wiersza_polecen(const QStringList& argumenty) {
    const qsizetype opcja = argumenty.indexOf(u"--rachunek-podatkowy"_s);
    if (opcja < 0 || argumenty.size() != opcja + 2) {
        std::fputs("Użycie: Vandoria --rachunek-podatkowy NIP|PESEL\n", stderr);
        return 2;
    }
    const WynikMikrorachunku wynik = mikrorachunek_z_tekstu(argumenty.at(opcja + 1));
    if (wynik.cyfry.isEmpty()) {
        std::fputs(qUtf8Printable(wynik.blad + u'\n'), stderr);
        return 2;
    }
    std::fputs(qUtf8Printable(rachunek_w_grupach(wynik.cyfry) + u'\n'), stdout);
    return 0;
}
