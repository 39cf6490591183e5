#include "printing/kalibracja.h"

#include "printing/formularz.h"

#include <QSizeF>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The boxes of the pre-printed form (the white fields of the drawn one), mm
// from the stub origin: x1, y1, x2, y2.
struct Ramka {
    double x1, y1, x2, y2;
};
constexpr Ramka ramki[] = {
    {0, 0, szerokosc_odcinka, wysokosc_odcinka},  // the stub itself
    {7.43, 3.63, 142.43, 9.13},                   // nazwa odbiorcy
    {7.43, 12.13, 142.43, 17.63},                 // nazwa odbiorcy cd.
    {7.43, 20.63, 136.93, 26.13},                 // numer rachunku odbiorcy
    {46.63, 29.83, 51.43, 34.63},                 // W
    {52.13, 29.83, 56.93, 34.63},                 // P
    {62.43, 29.13, 77.43, 34.63},                 // waluta
    {82.43, 29.13, 142.43, 34.63},                // kwota
    {7.43, 37.63, 142.43, 43.13},                 // rachunek zleceniodawcy / kwota słownie
    {7.43, 46.13, 142.43, 51.63},                 // nazwa zleceniodawcy
    {7.43, 54.63, 142.43, 60.13},                 // nazwa zleceniodawcy cd.
    {7.43, 63.13, 142.43, 68.63},                 // tytułem
    {7.43, 71.63, 142.43, 77.13},                 // tytułem cd.
    {132.43, 78.33, 142.43, 84.93},               // symbol
    {7.43, 79.83, 76.03, 103.43},                 // pieczęć, data i podpis
    {77.38, 93.33, 97.38, 98.83},                 // opłata
    {98.73, 79.73, 122.43, 103.43},               // stempel
};

const KolorRGB szary{110, 110, 110};

QSizeF arkusz_a4(const StanDruku& stan) {
    return stan.pionowo() ? QSizeF(210, 297) : QSizeF(297, 210);
}

QString liczba_mm(double v) { return QString::number(v, 'f', 2).replace(u'.', u','); }

void linia(Plotno& p, double x1, double y1, double x2, double y2) {
    p.MoveTo(x1, y1);
    p.LineTo(x2, y2);
}

void krzyzyk(Plotno& p, double x, double y, const QString& etykieta) {
    p.SetPenColor(kolory::czarny);
    p.SetPenWidth(1);
    linia(p, x - ramie_krzyzyka, y, x + ramie_krzyzyka, y);
    linia(p, x, y - ramie_krzyzyka, x, y + ramie_krzyzyka);
    p.SetBrushStyle(StylPedzla::bsClear);
    p.Ellipse(x - 1.5, y - 1.5, x + 1.5, y + 1.5);
    p.SetFont(u"Arial"_s, 5);
    p.SetFontColor(kolory::czarny);
    p.SetPosition(x + 1.2, y - 1.2);
    p.PrintText(etykieta);
}

// Ticks every millimetre from the sheet's edge, longer every 5 and numbered every 10.
void linijki(Plotno& p, QSizeF arkusz) {
    p.SetPenColor(kolory::czarny);
    p.SetPenWidth(1);
    p.SetFont(u"Arial"_s, 5);
    p.SetFontColor(kolory::czarny);
    const auto dlugosc = [](int mm) { return mm % 10 == 0 ? 6.0 : mm % 5 == 0 ? 4.0 : 2.0; };
    for (int x = 1; x < arkusz.width(); ++x) {
        linia(p, x, 0, x, dlugosc(x));
        if (x % 10 == 0) {
            p.SetPosition(x, 8.5);
            p.PrintCentred(QString::number(x), x);
        }
    }
    for (int y = 1; y < arkusz.height(); ++y) {
        linia(p, 0, y, dlugosc(y), y);
        if (y % 10 == 0) {
            p.SetPosition(7, y + 0.7);
            p.PrintText(QString::number(y));
        }
    }
}

void odcinek(Plotno& p, double x, double y, int nr) {
    p.SetPenColor(szary);
    p.SetPenWidth(1);
    p.SetBrushStyle(StylPedzla::bsClear);
    for (const Ramka& r : ramki) p.Rectangle(x + r.x1, y + r.y1, x + r.x2, y + r.y2);
    p.SetFont(u"Arial"_s, 9);
    p.SetFontColor(szary);
    p.SetPosition(x + 80, y + 90);
    p.PrintText(u"odcinek %1"_s.arg(nr));
    for (const PunktOdniesienia& pt : punkty_odniesienia())
        krzyzyk(p, x + pt.x, y + pt.y,
                u"%1 (%2; %3)"_s.arg(pt.litera, liczba_mm(x + pt.x), liczba_mm(y + pt.y)));
}

}  // namespace

const std::array<PunktOdniesienia, 3>& punkty_odniesienia() {
    static const std::array<PunktOdniesienia, 3> punkty = {{
        {u"A"_s, u"lewy górny róg pola „nazwa odbiorcy”"_s, 7.43, 3.63},
        {u"B"_s, u"lewy górny róg pola „kwota”"_s, 82.43, 29.13},
        {u"C"_s, u"prawy dolny róg pola „tytułem cd.”"_s, 142.43, 77.13},
    }};
    return punkty;
}

QList<QPointF> miejsca_odcinkow(const StanDruku& stan) {
    const int n = stan.ustawienia.ilosc_odcinkow;
    const int na_stronie = stan.pionowo() ? std::min(n, 2) : n;
    QList<QPointF> wynik;
    for (int k = 1; k <= na_stronie; ++k) wynik.append({odcinek_x(stan, k, n), odcinek_y(stan, k)});
    return wynik;
}

void rysuj_kalibracje(Plotno& p, const StanDruku& stan) {
    const QSizeF arkusz = arkusz_a4(stan);
    linijki(p, arkusz);
    const QList<QPointF> miejsca = miejsca_odcinkow(stan);
    for (qsizetype i = 0; i < miejsca.size(); ++i)
        odcinek(p, miejsca[i].x(), miejsca[i].y(), static_cast<int>(i) + 1);

    // The explanation goes where no stub is: above the first or below the last.
    double gora = arkusz.height();
    double dol = 0;
    for (const QPointF& m : miejsca) {
        gora = std::min(gora, m.y());
        dol = std::max(dol, m.y() + wysokosc_odcinka);
    }
    double y = 0;
    if (gora >= 32)
        y = 14;
    else if (arkusz.height() - dol >= 30)
        y = dol + 8;
    if (y == 0) return;
    const QStringList linie = {
        u"A – lewy górny róg pola „nazwa odbiorcy”, B – lewy górny róg pola „kwota”,"_s,
        u"C – prawy dolny róg pola „tytułem cd.”; w nawiasach ich miejsce na arkuszu w mm."_s,
        u"Połóż wydruk na formularzu i obejrzyj pod światło. Zmierz, o ile krzyżyki leżą"_s,
        u"na prawo i w dół od rogów pól (na lewo i w górę: ujemnie), i wpisz to"_s,
        u"w oknie „Ustawienia programu” jako przesunięcie tej drukarki."_s,
    };
    p.SetFontColor(kolory::czarny);
    p.SetFont(u"Arial"_s, 14);
    p.SetPosition(14, y);
    p.PrintText(u"Wydruk kalibracyjny"_s);
    p.SetFont(u"Arial"_s, 7);
    for (qsizetype i = 0; i < linie.size(); ++i) {
        p.SetPosition(14, y + 5 + 3.5 * static_cast<double>(i));
        p.PrintText(linie[i]);
    }
}

Dokument generuj_kalibracje(const StanDruku& stan) {
    PlotnoNagrywajace plotno(stan.orientacja);
    rysuj_kalibracje(plotno, stan);
    return plotno.zabierz_dokument();
}
