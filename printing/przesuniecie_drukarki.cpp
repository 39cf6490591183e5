#include "printing/przesuniecie_drukarki.h"

#include "register/magazyn_ustawien.h"

#include <QUrl>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Printer names may hold "/" and "\", which the store takes for subkeys.
QString klucz(const QString& drukarka) {
    return u"Przesuniecia/"_s + QString::fromLatin1(QUrl::toPercentEncoding(drukarka));
}

// A tenth of a millimetre is what can be measured on the sheet.
double zaokraglij(double mm) { return std::round(mm * 10) / 10; }

}  // namespace

std::optional<Przesuniecie> przesuniecie_drukarki(const QString& drukarka) {
    if (drukarka.isEmpty()) return std::nullopt;
    const std::optional<QString> tekst = MagazynUstawien::czytaj_tekst(klucz(drukarka));
    if (!tekst) return std::nullopt;
    const QStringList czesci = tekst->split(u';');
    if (czesci.size() != 2) return std::nullopt;
    bool ok_x = false, ok_y = false;
    const Przesuniecie p{czesci[0].toDouble(&ok_x), czesci[1].toDouble(&ok_y)};
    // A shift of more than a few centimetres is not a printer's: the value was damaged.
    if (!ok_x || !ok_y || std::abs(p.w_prawo) > 100 || std::abs(p.w_dol) > 100 || p.zerowe())
        return std::nullopt;
    return p;
}

bool zapisz_przesuniecie_drukarki(const QString& drukarka, Przesuniecie p) {
    if (drukarka.isEmpty()) return false;
    p = {zaokraglij(p.w_prawo), zaokraglij(p.w_dol)};
    if (p.zerowe()) return MagazynUstawien::usun(klucz(drukarka));
    return MagazynUstawien::zapisz_tekst(
        klucz(drukarka), QString::number(p.w_prawo) + u';' + QString::number(p.w_dol));
}

void przesun_dokument(Dokument& dokument, Przesuniecie p) {
    if (p.zerowe()) return;
    for (Strona& strona : dokument.strony)
        for (Operacja& o : strona.operacje) {
            o.x1 += p.w_prawo;
            o.x2 += p.w_prawo;
            o.y1 += p.w_dol;
            o.y2 += p.w_dol;
        }
}

Dokument dokument_dla_drukarki(Dokument dokument, const QString& drukarka) {
    if (const auto p = przesuniecie_drukarki(drukarka)) przesun_dokument(dokument, *p);
    return dokument;
}

QString tekst_mm(double mm) { return QString::number(zaokraglij(mm), 'f', 1).replace(u'.', u','); }

QString opis_przesuniecia(const QString& drukarka) {
    if (drukarka.isEmpty()) return u"Bez przesunięcia drukarki"_s;
    const auto p = przesuniecie_drukarki(drukarka);
    if (!p) return u"Drukarka „%1”: bez przesunięcia"_s.arg(drukarka);
    return u"Drukarka „%1”: przesunięcie %2 mm w prawo, %3 mm w dół"_s.arg(
        drukarka, tekst_mm(p->w_prawo), tekst_mm(p->w_dol));
}
