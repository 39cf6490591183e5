#include "printing/wypelnianie.h"

#include "printing/formularz.h"

using namespace Qt::StringLiterals;

namespace {

// One character per 5 mm cell, each placed on its own.
void w_kratkach(Plotno& p, QStringView tekst, double x0, double y) {
    for (qsizetype j = 0; j < tekst.size(); ++j) {
        p.SetPosition(x0 + 5 * static_cast<double>(j), y);
        p.PrintText(QString(tekst[j]));
    }
}

void swobodnie(Plotno& p, const QString& tekst, double x0, double y) {
    p.SetPosition(x0, y);
    p.PrintText(tekst);
}

// Names and titles: in cells when the settings ask for it (the tail past the
// 27th cell is lost), otherwise the whole text, which may run past the field.
void linia_nazwy(Plotno& p, const StanDruku& stan, const QString& tekst, double x0, double y) {
    if (stan.ustawienia.boxes)
        w_kratkach(p, QStringView(tekst).left(27), x0, y);
    else
        swobodnie(p, tekst, x0, y);
}

}  // namespace

void uzupelnij_formularz(Plotno& p, const StanDruku& stan, const ZmienneDruku& z, int k) {
    const double x = odcinek_x(stan, k, stan.ustawienia.ilosc_odcinkow);
    const double y = odcinek_y(stan, k);
    const bool rysowany =
        stan.ustawienia.typ_formularza != 3;  // the pre-printed form has PLN and the symbol

    p.SetFont(u"Arial"_s, 14);
    if (rysowany) w_kratkach(p, u"PLN", x + 63.2, y + 34);
    p.SetFont(u"Arial"_s, 12);

    linia_nazwy(p, stan, z.temp_nazwa_odbiorcy1, x + 8.8, y + 8.1);
    linia_nazwy(p, stan, z.temp_nazwa_odbiorcy2, x + 8.8, y + 16.7);

    // The recipient's account, cell by cell, with the layout's blanks left
    // out; a blank typed into the number still takes its cell.
    QString cyfry = z.temp_lk;
    for (qsizetype j = 0; j < z.temp_nr_banku_odbiorcy.size(); ++j)
        if (j + 1 != 5) cyfry += z.temp_nr_banku_odbiorcy[j];
    for (qsizetype j = 0; j < z.temp_nr_rach_odbiorcy.size(); ++j)
        if (j + 1 != 5 && j + 1 != 10 && j + 1 != 15) cyfry += z.temp_nr_rach_odbiorcy[j];
    w_kratkach(p, cyfry, x + 8.6, y + 25.2);

    if (stan.ustawienia.boxes)
        w_kratkach(p, QStringView(z.temp_kwota).mid(std::min<qsizetype>(2, z.temp_kwota.size())),
                   x + 84, y + 33.3);
    else
        swobodnie(p, z.temp_kwota, x + 86, y + 33.3);

    linia_nazwy(p, stan, z.temp_nazwa_nadawcy1, x + 8.8, y + 50.5);
    linia_nazwy(p, stan, z.temp_nazwa_nadawcy2, x + 8.8, y + 59);
    linia_nazwy(p, stan, z.temp_tytulem1, x + 8.8, y + 67.5);
    linia_nazwy(p, stan, z.temp_tytulem2, x + 8.8, y + 76);

    swobodnie(p, z.temp_data, x + 8.8, y + 84.5);
    if (rysowany) swobodnie(p, z.temp_symbol, x + 135, y + 83);

    if (z.temp_czy_przelew) {
        // "99 9999 9999 ...": positions 3, 8, 13, ... are the layout's blanks.
        QString konto;
        for (qsizetype j = 0; j < z.temp_nr_rach_nadawcy.size(); ++j)
            if ((j + 1) % 5 != 3) konto += z.temp_nr_rach_nadawcy[j];
        w_kratkach(p, konto, x + 8.6, y + 42);
    } else {
        p.SetFont(u"Arial"_s, 11);
        swobodnie(p, z.temp_nr_rach_nadawcy.trimmed(), x + 8.8, y + 42);
    }

    if (stan.ustawienia.drukuj_oplate) {
        const QString& o = stan.oplata_wart;
        p.SetFont(u"Courier New"_s, 17);
        const double yo = y + 97.9;
        swobodnie(p, o.mid(0, 1), x + 78.1, yo);
        swobodnie(p, o.mid(1, 1), x + 83.1, yo);
        swobodnie(p, u","_s, x + 86.1, yo);
        swobodnie(p, o.mid(2, 1), x + 88.1, yo);
        swobodnie(p, o.mid(3, 1), x + 93.1, yo);
    }

    p.SetPosition(z.temp_czy_przelew ? x + 47 : x + 52.8, y + 34.4);
    p.SetFont(u"Arial"_s, 16);
    p.PrintText(u"X"_s);

    // Additional information: ten characters a line, 1.9 mm apart.
    p.SetFont(u"Courier New"_s, 9);
    double xd = x + 77.6;
    double yd = y + 82.1;
    for (qsizetype j = 0; j < z.temp_dodatkowe.size(); ++j) {
        swobodnie(p, QString(z.temp_dodatkowe[j]), xd, yd);
        xd += 1.9;
        if ((j + 1) % 10 == 0) {
            yd += 3.2;
            xd = x + 77.6;
        }
    }
}

void print_rv(Plotno& p, const StanDruku& stan, ZmienneDruku z) {
    if (stan.ustawienia.capitals) {
        for (QString* t : {&z.temp_nazwa_odbiorcy1, &z.temp_nazwa_odbiorcy2, &z.temp_nazwa_nadawcy1,
                           &z.temp_nazwa_nadawcy2, &z.temp_tytulem1, &z.temp_tytulem2})
            *t = wielkie_litery(*t);
    }
    for (int k = 1; k <= stan.ustawienia.ilosc_odcinkow; ++k) {
        if (k == 3 && stan.pionowo()) p.NewPage();
        if (stan.ustawienia.typ_formularza != 3) rysuj_formularze(p, stan, k);
        uzupelnij_formularz(p, stan, z, k);
    }
}

Dokument generuj_wydruk(const StanDruku& stan, const ZmienneDruku& z) {
    PlotnoNagrywajace plotno(stan.orientacja);
    print_rv(plotno, stan, z);
    return plotno.zabierz_dokument();
}
