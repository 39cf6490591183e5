#pragma once

// The report engine: replays a recorded document on any QPainter — the
// printer, a PDF, the preview at a zoom, an image. One millimetre is the
// device's dots per inch / 25.4, so the form keeps its size on every device;
// whatever falls off the A4 sheet is clipped.

#include "printing/plotno.h"

#include <QFont>
#include <QImage>
#include <QSizeF>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

// The A4 sheet in the orientation, in mm.
QSizeF rozmiar_arkusza(Orientacja orientacja);

// The font a recorded text is printed in ("Arial", "Courier New"; metric
// twins stand in where those are not installed).
QFont czcionka_raportu(const Czcionka& czcionka);

// Width in mm of a text in a recorded font, as the printer and PDF print it.
double szerokosc_tekstu_mm(const Czcionka& czcionka, const QString& tekst);

// Physical width of pen widths 1, 3 and 5, in mm.
double szerokosc_piora_mm(int szerokosc);

// Paints one page on a painter whose origin is the sheet's top-left corner,
// at `dpi` device dots per inch.
void rysuj_strone(QPainter& malarz, const Strona& strona, Orientacja orientacja, double dpi);

// Page nr (from 1) on a white image at the given resolution.
QImage obraz_strony(const Dokument& dokument, int nr, double dpi);
// The preview's image: at `procent` % of the sheet's real size on a screen of dpi_ekranu.
QImage obraz_strony_w_powiekszeniu(const Dokument& dokument, int nr, int procent,
                                   double dpi_ekranu = 96);

// Paints every page on a paged device already set up for the sheet (origin at
// its corner), one device page per document page. False when painting could
// not start or finish.
bool rysuj_dokument(const Dokument& dokument, QPagedPaintDevice& urzadzenie);

// A4 in the document's orientation, no margins, 100 % scale.
bool zapisz_pdf(const Dokument& dokument, QIODevice& wyjscie);
// Through a temporary file: a failed write leaves no PDF and the old file intact.
bool zapisz_pdf(const Dokument& dokument, const QString& sciezka);
