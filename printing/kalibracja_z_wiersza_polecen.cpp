#include "printing/kalibracja_z_wiersza_polecen.h"

#include "printing/kalibracja.h"
#include "printing/przygotowanie.h"
#include "printing/raport.h"
#include "register/plik_wyjsciowy.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

int blad(const QString& tekst) {
    std::fputs(qUtf8Printable(tekst + u'\n'), stderr);
    return 1;
}

}  // namespace

int kalibracja_z_wiersza_polecen(const QStringList& argumenty) {
    const QString uzycie = u"Użycie: Vandoria --kalibracja WYJSCIE.pdf"_s;
    if (argumenty.size() != 3 || argumenty.at(1) != u"--kalibracja") return blad(uzycie);
    const QString& wyjscie = argumenty.at(2);
    if (wyjscie.isEmpty() || (wyjscie.startsWith(u"--") && wyjscie != u"-")) return blad(uzycie);
    if (const QString odmowa = odmowa_wyjscia(wyjscie, {}); !odmowa.isEmpty()) return blad(odmowa);

    const Dokument arkusz = generuj_kalibracje(wczytanie_danych_do_druku());
    if (!zapisz_wyjscie(wyjscie, [&](QIODevice& d) { return zapisz_pdf(arkusz, d); }))
        return blad(u"Nie udało się zapisać pliku: "_s + wyjscie);
    return 0;
}
