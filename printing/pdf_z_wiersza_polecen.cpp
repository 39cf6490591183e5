#include "printing/pdf_z_wiersza_polecen.h"

#include "printing/przepelnienie.h"
#include "printing/przygotowanie.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "register/plik_wyjsciowy.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QBuffer>
#include <QFileInfo>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

int blad(const QString& tekst) {
    std::fputs(qUtf8Printable(tekst + u'\n'), stderr);
    return 1;
}

const QString uzycie = u"Użycie: Vandoria --pdf WYJSCIE.pdf [--przelew N] PLIK"_s;

}  // namespace

int pdf_z_wiersza_polecen(const QStringList& argumenty) {
    QString wyjscie;
    QString plik;
    int numer = 1;
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        const QString& a = argumenty.at(i);
        if (a == u"--pdf" || a == u"--przelew") {
            if (i + 1 >= argumenty.size()) return blad(uzycie);
            const QString& wartosc = argumenty.at(++i);
            if (a == u"--pdf") {
                wyjscie = wartosc;
            } else {
                bool ok = false;
                numer = wartosc.toInt(&ok);
                if (!ok) return blad(u"Niepoprawny numer przelewu: "_s + wartosc);
            }
        } else if (a.startsWith(u"--") || !plik.isEmpty()) {
            return blad(uzycie);
        } else {
            plik = a;
        }
    }
    if (wyjscie.isEmpty() || plik.isEmpty()) return blad(uzycie);
    // Checked before anything is read or written: swapped arguments or a link
    // to the input must not cost the user the transfer file.
    if (const QString odmowa = odmowa_wyjscia(wyjscie, {plik}); !odmowa.isEmpty())
        return blad(odmowa);

    auto tablica = std::make_unique<TablicaPrzelewow>();
    const WynikOdczytu odczyt = czytaj_przelewy(plik, *tablica);
    if (odczyt.stan == WynikOdczytu::brak_pliku) return blad(u"Nie ma pliku: "_s + plik);
    if (odczyt.stan == WynikOdczytu::blad_odczytu)
        return blad(u"Nie udało się odczytać pliku: "_s + plik);
    if (odczyt.za_duzo)
        std::fputs(
            qUtf8Printable(u"Plik zawiera więcej niż 1000 przelewów; wczytano pierwsze 1000.\n"_s),
            stderr);
    const int ilosc = tablica->ilosc_el();
    if (ilosc == 0) return blad(u"Plik nie zawiera żadnego przelewu: "_s + plik);
    if (numer < 1 || numer > ilosc)
        return blad(
            u"Nie ma przelewu numer %1: plik zawiera przelewy od 1 do %2."_s.arg(numer).arg(ilosc));

    // The same preparation and report as "Drukuj" in the main window.
    const StanDruku stan = wczytanie_danych_do_druku();
    const ZmienneDruku zmienne = przypisanie_zmiennych_do_temp(*tablica, numer);
    // The measure the print question of the window uses; a script is told
    // on standard error and the PDF is still made, as a print would be.
    for (const Przepelnienie& p : sprawdz_przepelnienie(stan, zmienne, szerokosc_tekstu_mm))
        std::fputs(qUtf8Printable(opis_przepelnienia(p) + u'\n'), stderr);
    // Rendered whole first: a PDF is not written front to back, and standard
    // output may be a pipe.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!zapisz_pdf(generuj_wydruk(stan, zmienne), pdf) ||
        !zapisz_wyjscie(wyjscie, [&](QIODevice& urzadzenie) {
            return urzadzenie.write(pdf.data()) == pdf.data().size();
        }))
        return blad(u"Nie udało się zapisać pliku: "_s + wyjscie);
    return 0;
}
