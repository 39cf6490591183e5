#include "printing/formularz.h"

using namespace Qt::StringLiterals;

namespace {

// Five-point captions in the line colour.
void podpis(Plotno& p, const StanDruku& stan, double x, double y, const QString& tekst) {
    p.SetPosition(x, y);
    p.SetFont(u"Arial"_s, 5);
    p.SetFontColor(stan.kolor_linii);
    p.PrintText(tekst);
}

// A white gap over a border where a caption goes.
void przerwa(Plotno& p, double x1, double y1, double x2, double y2) {
    p.SetPenColor(kolory::bialy);
    p.SetBrushColor(kolory::bialy);
    p.Rectangle(x1, y1, x2, y2);
}

// The white box of a field, outlined in the line colour.
void bialy_prostokat(Plotno& p, const StanDruku& stan, double x1, double y1, double x2, double y2) {
    p.SetPenColor(stan.kolor_linii);
    p.SetBrushColor(kolory::bialy);
    p.Rectangle(x1, y1, x2, y2);
}

// A frame of the thick pen, not filled.
void gruba_ramka(Plotno& p, const StanDruku& stan, double x1, double y1, double x2, double y2) {
    p.SetPenColor(stan.kolor_linii);
    p.SetBrushStyle(StylPedzla::bsClear);
    p.SetPenWidth(5);
    p.Rectangle(x1, y1, x2, y2);
    p.SetPenWidth(1);
}

// Thin cell dividers of the account, currency and amount rows: they all sit
// on the same 5 mm grid that starts at the data area's left edge.
void przegrody(Plotno& p, const StanDruku& stan, double x, double y1, double y2, int od, int do_) {
    p.SetBrushColor(stan.kolor_linii);
    for (int i = od; i <= do_; ++i) p.Rectangle(x + 7.43 + 5 * i, y1, x + 7.53 + 5 * i, y2);
}

// A text printed as a column of upright characters, one every 1.6 mm.
void pionowy_napis(Plotno& p, const QString& tekst, double x, double y) {
    for (qsizetype j = 0; j < tekst.size(); ++j) {
        p.SetPosition(x, y + 1.6 * static_cast<double>(j));
        p.PrintCentred(QString(tekst[j]), x);
    }
}

}  // namespace

double odcinek_x(const StanDruku& stan, int k, int n) {
    const int ml = stan.ustawienia.margin_left;
    if (stan.pionowo() || n == 2) return ml;
    return k <= 2 ? 0 : 150;
}

double odcinek_y(const StanDruku& stan, int k) {
    const double nizej = k % 2 == 0 ? 106 : 0;
    return stan.pionowo() ? stan.ustawienia.margin_top + nizej : nizej;
}

void rysuj_pole(Plotno& p, const StanDruku& stan, const QString& tekst, double w, double px,
                double py) {
    bialy_prostokat(p, stan, px, py, px + 135, py + 5.5);
    p.SetBrushColor(stan.kolor_linii);
    for (int i = 1; i <= 26; ++i) p.Rectangle(px + 5 * i, py, px + 5 * i + 0.1, py + 5.5);
    przerwa(p, px + 2, py - 1, px + w, py + 1);
    podpis(p, stan, px + 2.4, py + 0.5, tekst);
}

void rysuj_rachunek_i_kwote(Plotno& p, const StanDruku& stan, double x, double y) {
    // Account row: 26 cells, the last one 4.5 mm.
    bialy_prostokat(p, stan, x + 7.43, y + 20.63, x + 136.93, y + 26.13);
    przegrody(p, stan, x, y + 20.63, y + 26.13, 1, 25);
    // Group marks in the lower half split the number as 2 + 4 × 6.
    for (int g = 10; g <= 110; g += 20)
        p.Rectangle(x + 7.43 + g - 0.2, y + 23.38, x + 7.43 + g + 0.6, y + 26.13);
    przerwa(p, x + 9.43, y + 19.63, x + 30.43, y + 21.63);
    podpis(p, stan, x + 9.73, y + 21.13, u" numer rachunku odbiorcy"_s);
    gruba_ramka(p, stan, x + 7.43, y + 19.13, x + 142.43, y + 26.33);

    // The W and P mark boxes.
    p.SetPenColor(stan.kolor_linii);
    p.SetBrushColor(kolory::bialy);
    p.SetFont(u"Arial"_s, 10);
    p.SetFontColor(stan.kolor_linii);
    p.SetPenWidth(3);
    p.Rectangle(x + 46.63, y + 29.83, x + 51.43, y + 34.63);
    p.SetPosition(x + 47.2, y + 33.83);
    p.PrintText(u"W"_s);
    p.Rectangle(x + 52.13, y + 29.83, x + 56.93, y + 34.63);
    p.SetPosition(x + 53.5, y + 33.83);
    p.PrintText(u"P"_s);
    p.SetPenWidth(1);

    // Currency: 3 cells.
    bialy_prostokat(p, stan, x + 62.43, y + 29.13, x + 77.43, y + 34.63);
    przegrody(p, stan, x, y + 29.13, y + 34.63, 12, 13);
    przerwa(p, x + 64.43, y + 28.13, x + 71.43, y + 30.13);
    podpis(p, stan, x + 64.73, y + 29.63, u" waluta"_s);

    // Amount: 12 cells, framed up to the account row.
    bialy_prostokat(p, stan, x + 82.43, y + 29.13, x + 142.43, y + 34.63);
    przegrody(p, stan, x, y + 29.13, y + 34.63, 16, 26);
    przerwa(p, x + 84.43, y + 28.13, x + 90.43, y + 30.13);
    podpis(p, stan, x + 84.73, y + 29.63, u" kwota"_s);
    gruba_ramka(p, stan, x + 82.43, y + 26.13, x + 142.43, y + 34.83);
}

void rysuj_formularze(Plotno& p, const StanDruku& stan, int k) {
    const double x = odcinek_x(stan, k, stan.ustawienia.ilosc_odcinkow);
    const double y = odcinek_y(stan, k);

    bialy_prostokat(p, stan, x, y, x + szerokosc_odcinka, y + wysokosc_odcinka);
    p.SetBrushColor(stan.kolor_tla);
    p.Rectangle(x + 7.43, y + 2.13, x + 142.43, y + 78.43);

    rysuj_pole(p, stan, u" nazwa odbiorcy"_s, 16, x + 7.43, y + 3.63);
    rysuj_pole(p, stan, u" nazwa odbiorcy cd."_s, 19, x + 7.43, y + 12.13);
    rysuj_rachunek_i_kwote(p, stan, x, y);
    rysuj_pole(p, stan, u" numer rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)"_s, 55,
               x + 7.43, y + 37.63);
    rysuj_pole(p, stan, u" nazwa zleceniodawcy"_s, 20, x + 7.43, y + 46.13);
    rysuj_pole(p, stan, u" nazwa zleceniodawcy cd."_s, 23, x + 7.43, y + 54.63);
    rysuj_pole(p, stan, u" tytułem"_s, 10, x + 7.43, y + 63.13);
    rysuj_pole(p, stan, u" tytułem cd."_s, 12, x + 7.43, y + 71.63);

    // Lower band with a line across the whole stub.
    p.SetPenColor(stan.kolor_linii);
    p.SetBrushColor(stan.kolor_tla);
    p.Rectangle(x + 7.43, y + 78.43, x + 142.43, y + 86.23);
    p.Rectangle(x, y + 78.43, x + szerokosc_odcinka, y + 78.43);

    bialy_prostokat(p, stan, x + 132.43, y + 78.33, x + 142.43, y + 84.93);  // symbol
    p.SetBrushColor(kolory::bialy);
    p.Rectangle(x + 7.43, y + 79.83, x + 76.03, y + 103.43);  // signature
    podpis(p, stan, x + 10.43, y + 102.43, u"pieczęć, data i podpis(y) zlecniodawcy"_s);
    p.SetBrushColor(kolory::bialy);
    p.Rectangle(x + 98.73, y + 79.73, x + 122.43, y + 103.43);  // stamp
    p.SetPenStyle(StylPiora::psDot);
    p.Ellipse(x + 102.73, y + 83.73, x + 118.43, y + 99.43);
    p.SetPenStyle(StylPiora::psSolid);

    // Fee: 4 cells, a thicker divider between złote and grosze.
    bialy_prostokat(p, stan, x + 77.38, y + 93.33, x + 97.38, y + 98.83);
    p.SetBrushColor(stan.kolor_linii);
    for (int i = 1; i <= 3; ++i)
        p.Rectangle(x + 77.38 + 5 * i, y + 93.33, x + 77.48 + 5 * i, y + 98.83);
    p.Rectangle(x + 87.18, y + 93.33, x + 87.58, y + 98.83);
    p.SetPenColor(kolory::bialy);
    p.SetBrushColor(kolory::bialy);
    podpis(p, stan, x + 77.38, y + 91.33, u"Opłata:"_s);

    // Corner marks: top left, top right, bottom left.
    p.SetPenColor(kolory::czarny);
    p.SetPenWidth(5);
    auto kreska = [&](double x1, double y1, double x2, double y2) {
        p.MoveTo(x + x1, y + y1);
        p.LineTo(x + x2, y + y2);
    };
    kreska(5.43, 2.13, 12.43, 2.13);
    kreska(5.43, 2.13, 5.43, 9.13);
    kreska(144.43, 2.13, 144.43, 9.13);
    kreska(144.43, 2.13, 137.43, 2.13);
    kreska(5.43, 79, 5.43, 72);
    kreska(5.43, 79, 12.43, 79);
    p.SetPenWidth(1);

    p.SetFont(u"Arial"_s, 5);
    p.SetFontColor(kolory::czarny);
    p.SetPosition(x + 91, y + 1.7);
    p.PrintText(adres_instalatora);
    pionowy_napis(p, u"Polecenie przelewu / wpłata gotówkowa"_s, x + 3, y + 12);
    pionowy_napis(p, stan.tytul_odcinka(k), x + 146, y + 17);
}
