#include "payments/oznaczenia.h"

#include "payments/identyfikatory.h"
#include "widgets/suma_kontrolna.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

QPixmap narysuj(const QString& tekst, QColor tlo) {
    QFont czcionka = QApplication::font();
    czcionka.setBold(true);
    czcionka.setPointSizeF(czcionka.pointSizeF() * 0.8);
    const QFontMetrics miary(czcionka);
    const QSize rozmiar(miary.horizontalAdvance(tekst) + 8, miary.height() + 2);
    const qreal skala = qApp->devicePixelRatio();
    QPixmap obraz(rozmiar * skala);
    obraz.setDevicePixelRatio(skala);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tlo);
    p.drawRoundedRect(QRectF(QPointF(0, 0), rozmiar).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setFont(czcionka);
    p.setPen(Qt::white);
    p.drawText(QRect(QPoint(0, 0), rozmiar), Qt::AlignCenter, tekst);
    return obraz;
}

}  // namespace

QPixmap obraz_znacznika(RodzajZlecenia rodzaj) {
    // Each drawn once, when a list first shows one: it repaints its
    // decorations on every scroll, and most lists show neither.
    switch (rodzaj) {
        case RodzajZlecenia::podatek: {
            static const QPixmap podatek =
                narysuj(znacznik_zlecenia(RodzajZlecenia::podatek), QColor(150, 40, 40));
            return podatek;
        }
        case RodzajZlecenia::podzielona: {
            static const QPixmap podzielona =
                narysuj(znacznik_zlecenia(RodzajZlecenia::podzielona), QColor(30, 80, 150));
            return podzielona;
        }
        case RodzajZlecenia::zwykle:
        case RodzajZlecenia::skladka_zus:
            break;
    }
    return {};
}

QString podpowiedz_znacznika(RodzajZlecenia rodzaj) {
    switch (rodzaj) {
        case RodzajZlecenia::podatek:
            return u"Przelew podatkowy do urzędu skarbowego (tytuł /TI/…/OKR/…/SFP/…)"_s;
        case RodzajZlecenia::podzielona:
            return u"Podzielona płatność (MPP): tytuł /VAT/…/IDC/…/INV/…"_s;
        case RodzajZlecenia::zwykle:
        case RodzajZlecenia::skladka_zus:
            break;
    }
    return {};
}

void pokaz_opis_rachunku(QLabel* etykieta, const QString& konto) {
    const OpisRachunku opis = opis_rachunku(konto);
    etykieta->setText(opis.tekst.isEmpty() ? QString() : u"Rachunek odbiorcy: "_s + opis.tekst);
    etykieta->setToolTip(opis.podpowiedz);
    QPalette paleta = etykieta->palette();
    paleta.setColor(
        QPalette::WindowText,
        opis.ostrzezenie ? kolor_uwagi : QApplication::palette().color(QPalette::WindowText));
    etykieta->setPalette(paleta);
    etykieta->setVisible(!opis.tekst.isEmpty());
}

QString podglad_tytulu(const LinieTytulu& linie) {
    QString wynik = linie.linia1;
    if (!linie.linia2.isEmpty()) wynik += u'\n' + linie.linia2;
    return wynik.replace(u'/', u"/\u200B"_s);
}

void przygotuj_podglad_tytulu(QLabel* etykieta, const QString& najdluzsza_linia) {
    etykieta->setWordWrap(true);
    const QFontMetrics miary(etykieta->font());
    etykieta->setMinimumWidth(miary.horizontalAdvance(najdluzsza_linia) + 4);
    etykieta->setMinimumHeight(miary.lineSpacing() * 2 + 2);
    etykieta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
