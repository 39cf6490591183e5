#include "printing/plotno.h"

PlotnoNagrywajace::PlotnoNagrywajace(Orientacja orientacja) {
    dokument_.orientacja = orientacja;
    dokument_.strony.append(Strona{});
}

void PlotnoNagrywajace::dodaj(Operacja::Rodzaj rodzaj, double x1, double y1, double x2, double y2,
                              const QString& tekst) {
    dokument_.strony.last().operacje.append(
        Operacja{rodzaj, x1, y1, x2, y2, tekst, pioro_, pedzel_, czcionka_});
}

void PlotnoNagrywajace::SetPosition(double x, double y) {
    x_ = x;
    y_ = y;
}

void PlotnoNagrywajace::PrintText(const QString& tekst) {
    dodaj(Operacja::Rodzaj::Tekst, x_, y_, x_, y_, tekst);
}

void PlotnoNagrywajace::PrintCentred(const QString& tekst, double x) {
    dodaj(Operacja::Rodzaj::TekstWysrodkowany, x, y_, x, y_, tekst);
}

void PlotnoNagrywajace::SetFont(const QString& nazwa, int rozmiar) {
    czcionka_.Name = nazwa;
    czcionka_.Size = rozmiar;
}

void PlotnoNagrywajace::Rectangle(double x1, double y1, double x2, double y2) {
    dodaj(Operacja::Rodzaj::Prostokat, x1, y1, x2, y2);
}

void PlotnoNagrywajace::Ellipse(double x1, double y1, double x2, double y2) {
    dodaj(Operacja::Rodzaj::Elipsa, x1, y1, x2, y2);
}

void PlotnoNagrywajace::MoveTo(double x, double y) {
    pioro_x_ = x;
    pioro_y_ = y;
}

void PlotnoNagrywajace::LineTo(double x, double y) {
    dodaj(Operacja::Rodzaj::Linia, pioro_x_, pioro_y_, x, y);
    pioro_x_ = x;
    pioro_y_ = y;
}

void PlotnoNagrywajace::NewPage() { dokument_.strony.append(Strona{}); }

void PlotnoNagrywajace::SetBrushColor(KolorRGB kolor) {
    pedzel_.Color = kolor;
    pedzel_.Style = StylPedzla::bsSolid;
}
