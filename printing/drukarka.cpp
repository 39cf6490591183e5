#include "printing/drukarka.h"

#include "printing/raport.h"

#include <QPrinter>

using namespace Qt::StringLiterals;

void przygotuj_drukarke(QPrinter& drukarka, Orientacja orientacja) {
    drukarka.setDocName(u"Vandoria"_s);
    drukarka.setFullPage(true);
    drukarka.setPageOrientation(orientacja == Orientacja::pionowa ? QPageLayout::Portrait
                                                                  : QPageLayout::Landscape);
}

bool drukuj_dokument(const Dokument& dokument, QPrinter& drukarka) {
    przygotuj_drukarke(drukarka, dokument.orientacja);
    return rysuj_dokument(dokument, drukarka);
}
