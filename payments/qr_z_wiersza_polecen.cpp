#include "payments/eksport_z_wiersza_polecen.h"

#include "payments/kod_platnosci.h"
#include "payments/kod_qr.h"
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

const QString uzycie = u"Użycie: Vandoria --qr WYJSCIE.png|WYJSCIE.svg [--przelew N] PLIK"_s;

}  // namespace

int qr_z_wiersza_polecen(const QStringList& argumenty) {
    QString wyjscie;
    QString plik;
    int numer = 1;
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        const QString& a = argumenty.at(i);
        if (a == u"--qr" || a == u"--przelew") {
            if (i + 1 >= argumenty.size()) return blad(uzycie, 2);
            const QString& wartosc = argumenty.at(++i);
            if (a == u"--qr") {
                wyjscie = wartosc;
            } else {
                bool ok = false;
                numer = wartosc.toInt(&ok);
                if (!ok) return blad(u"Niepoprawny numer przelewu: "_s + wartosc, 2);
            }
        } else if (a.startsWith(u"--") || !plik.isEmpty()) {
            return blad(uzycie, 2);
        } else {
            plik = a;
        }
    }
    if (wyjscie.isEmpty() || plik.isEmpty()) return blad(uzycie, 2);
    if (const QString odmowa = odmowa_wyjscia(wyjscie, {plik}); !odmowa.isEmpty())
        return blad(odmowa, 2);

    auto tablica = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu odczyt = czytaj_przelewy(plik, *tablica);
    if (odczyt.stan == WynikOdczytu::brak_pliku)
        return blad(u"Podany plik nie istnieje: "_s + plik);
    if (odczyt.stan != WynikOdczytu::ok)
        return blad(u"Wystąpił błąd odczytu! Plik bazy jest uszkodzony: "_s + plik);
    const int ilosc = tablica->ilosc_el();
    if (numer < 1 || numer > ilosc)
        return blad(
            u"Nie ma przelewu numer %1: plik zawiera przelewy od 1 do %2."_s.arg(numer).arg(ilosc));

    const KodPlatnosci kod = kod_platnosci((*tablica)[numer]);
    if (!kod.jest()) return blad(kod.powod);
    const std::optional<MacierzQr> macierz = koduj_qr(kod.tresc);
    if (!macierz) return blad(u"Nie udało się utworzyć kodu QR."_s);
    if (kod.kwota_do_wpisania)
        blad(u"Kod nie zawiera kwoty — trzeba ją wpisać w aplikacji banku."_s);
    const bool svg = nazwa_svg(wyjscie);
    if (!zapisz_wyjscie(wyjscie, [&](QIODevice& d) { return pisz_qr(d, *macierz, svg); }))
        return blad(u"Wystąpił błąd zapisu pliku: "_s + wyjscie);
    return 0;
}
