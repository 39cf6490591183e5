// A second copy of the program working on one transfer file, as its file
// session does it, in a process of its own: the fault tests run it beside a
// main window. Reports on standard output, one line per event; answers every
// question with the word it was given.
//
//   druga_kopia PLIK ODBIORCA [czekaj] ODPOWIEDZ
//
// Opens PLIK (insisting when another copy holds it), appends an order for
// ODBIORCA, with "czekaj" waits for a line on standard input, then saves.
// ODPOWIEDZ: tak, anuluj or otworz_ponownie (which reads the file again,
// appends the order once more and saves).
#include "register/przelew.h"
#include "register/sesja_pliku.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace {

void powiedz(const QString& tekst) {
    std::fputs(qUtf8Printable(tekst + u'\n'), stdout);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication aplikacja(argc, argv);
    QStringList a = aplikacja.arguments();
    if (a.size() < 4) return 2;
    const QString plik = a.at(1);
    const QString odbiorca = a.at(2);
    const bool czekaj = a.at(3) == u"czekaj";
    const QString odpowiedz = a.last();
    using D = SesjaPliku::Decyzja;
    const D decyzja = odpowiedz == u"tak"               ? D::tak
                      : odpowiedz == u"otworz_ponownie" ? D::otworz_ponownie
                                                        : D::anuluj;

    SesjaPliku sesja;
    const SesjaPliku::Wlasciciel kto = sesja.kto_trzyma(plik);
    powiedz(kto.zajety() ? QStringLiteral("zajety %1").arg(kto.pid) : QStringLiteral("wolny"));
    auto tablica = std::make_unique<TablicaPrzelewow>();
    for (int proba = 0; proba < 2; ++proba) {
        if (sesja.otworz(plik, *tablica, false).odczyt.stan != WynikOdczytu::ok) return 3;
        Tprzelew p;
        p.nazwa_odbiorcy1 = Tekst<150>::z_unicode(odbiorca);
        p.kwota = "1";
        tablica->dopisz(p);
        if (czekaj && proba == 0) {
            powiedz(QStringLiteral("gotowy"));
            std::string linia;
            std::getline(std::cin, linia);
        }
        const auto z =
            sesja.zapisz(plik, *tablica, tablica->ilosc_el(), [&](const SesjaPliku::Kwestia& k) {
                powiedz(QStringLiteral("pytanie %1").arg(int(k.pytanie)));
                return decyzja;
            });
        if (z.stan != SesjaPliku::Zapis::otworz_ponownie) {
            powiedz(z.stan == SesjaPliku::Zapis::zapisano ? QStringLiteral("zapisano")
                                                          : QStringLiteral("niezapisano"));
            return 0;
        }
        powiedz(QStringLiteral("otwieram ponownie"));
    }
    return 0;
}
