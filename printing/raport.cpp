#include "printing/raport.h"

#include "register/bezpieczny_zapis.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QColor kolor(KolorRGB k) { return QColor(k.r, k.g, k.b); }

QPageLayout uklad_a4(Orientacja orientacja) {
    return QPageLayout(
        QPageSize(QPageSize::A4),
        orientacja == Orientacja::pionowa ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// Replays operations, keeping the last pen, brush and font so a page of a few
// hundred shapes does not rebuild them for every one.
class Odtwarzanie {
  public:
    Odtwarzanie(QPainter& malarz, double dpi) : m_(malarz), mm_(dpi / 25.4) {}

    void rysuj(const Operacja& o) {
        switch (o.rodzaj) {
            case Operacja::Rodzaj::Prostokat:
                ustaw_pioro_i_pedzel(o);
                wygladzanie(false);
                m_.drawRect(prostokat(o));
                break;
            case Operacja::Rodzaj::Elipsa:
                ustaw_pioro_i_pedzel(o);
                wygladzanie(true);
                m_.drawEllipse(prostokat(o));
                break;
            case Operacja::Rodzaj::Linia:
                ustaw_pioro_i_pedzel(o);
                wygladzanie(false);
                m_.drawLine(punkt(o.x1, o.y1), punkt(o.x2, o.y2));
                break;
            case Operacja::Rodzaj::Tekst:
                ustaw_czcionke(o);
                m_.drawText(punkt(o.x1, o.y1), o.tekst);
                break;
            case Operacja::Rodzaj::TekstWysrodkowany: {
                ustaw_czcionke(o);
                const double szerokosc =
                    QFontMetricsF(m_.font(), m_.device()).horizontalAdvance(o.tekst);
                m_.drawText(QPointF(o.x1 * mm_ - szerokosc / 2, o.y1 * mm_), o.tekst);
                break;
            }
        }
    }

  private:
    // Straight lines and boxes stay crisp on a screen, where a thin line
    // smoothed across two pixels would turn pale; curves are smoothed.
    void wygladzanie(bool tak) {
        if (wygladzanie_ != tak) m_.setRenderHint(QPainter::Antialiasing, tak);
        wygladzanie_ = tak;
    }

    QPointF punkt(double x, double y) const { return {x * mm_, y * mm_}; }
    QRectF prostokat(const Operacja& o) const {
        return QRectF(punkt(o.x1, o.y1), punkt(o.x2, o.y2)).normalized();
    }

    void ustaw_pioro_i_pedzel(const Operacja& o) {
        if (!pioro_ || !(*pioro_ == o.pioro)) {
            // At least one device dot, so that thin lines survive a small preview.
            QPen pen(kolor(o.pioro.Color), std::max(1.0, szerokosc_piora_mm(o.pioro.Width) * mm_));
            pen.setJoinStyle(Qt::MiterJoin);
            pen.setCapStyle(Qt::SquareCap);
            if (o.pioro.Style == StylPiora::psDot) pen.setDashPattern({3, 3});
            m_.setPen(pen);
            pioro_ = o.pioro;
        }
        if (!pedzel_ || !(*pedzel_ == o.pedzel)) {
            m_.setBrush(o.pedzel.Style == StylPedzla::bsClear ? QBrush(Qt::NoBrush)
                                                              : QBrush(kolor(o.pedzel.Color)));
            pedzel_ = o.pedzel;
        }
    }

    void ustaw_czcionke(const Operacja& o) {
        if (!czcionka_ || !(*czcionka_ == o.czcionka)) {
            m_.setFont(czcionka_raportu(o.czcionka));
            czcionka_ = o.czcionka;
        }
        // Text is drawn with the pen, in the font's colour.
        m_.setPen(kolor(o.czcionka.Color));
        pioro_.reset();
    }

    QPainter& m_;
    double mm_;
    std::optional<Pioro> pioro_;
    std::optional<Pedzel> pedzel_;
    std::optional<Czcionka> czcionka_;
    bool wygladzanie_ = false;
};

}  // namespace

QSizeF rozmiar_arkusza(Orientacja orientacja) {
    return orientacja == Orientacja::pionowa ? QSizeF(210, 297) : QSizeF(297, 210);
}

QFont czcionka_raportu(const Czcionka& c) {
    QFont f(c.Name);
    f.setStyleHint(c.Name.startsWith(u"Courier", Qt::CaseInsensitive) ? QFont::TypeWriter
                                                                      : QFont::SansSerif);
    f.setPointSizeF(c.Size);
    // Unhinted advances are the same at every resolution, so a text centred
    // in the preview is centred on paper too.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double szerokosc_tekstu_mm(const Czcionka& czcionka, const QString& tekst) {
    // Measured at the resolution of the PDF and of a high-resolution printer.
    constexpr double dpi = 1200;
    static const QImage urzadzenie = [] {
        QImage obraz(1, 1, QImage::Format_RGB32);
        const int na_metr = static_cast<int>(std::lround(dpi / 0.0254));
        obraz.setDotsPerMeterX(na_metr);
        obraz.setDotsPerMeterY(na_metr);
        return obraz;
    }();
    return QFontMetricsF(czcionka_raportu(czcionka), &urzadzenie).horizontalAdvance(tekst) * 25.4 /
           dpi;
}

double szerokosc_piora_mm(int szerokosc) { return std::max(1, szerokosc) * 0.1; }

void rysuj_strone(QPainter& malarz, const Strona& strona, Orientacja orientacja, double dpi) {
    malarz.save();
    const QSizeF arkusz = rozmiar_arkusza(orientacja) * (dpi / 25.4);
    malarz.setClipRect(QRectF(QPointF(0, 0), arkusz));
    malarz.setRenderHint(QPainter::TextAntialiasing);
    malarz.setBackgroundMode(Qt::TransparentMode);
    malarz.setRenderHint(QPainter::Antialiasing, false);
    Odtwarzanie odtwarzanie(malarz, dpi);
    for (const Operacja& o : strona.operacje) odtwarzanie.rysuj(o);
    malarz.restore();
}

QImage obraz_strony(const Dokument& dokument, int nr, double dpi) {
    const QSizeF arkusz = rozmiar_arkusza(dokument.orientacja) * (dpi / 25.4);
    QImage obraz(QSize(static_cast<int>(std::lround(arkusz.width())),
                       static_cast<int>(std::lround(arkusz.height()))),
                 QImage::Format_RGB32);
    const int na_metr = static_cast<int>(std::lround(dpi / 0.0254));
    obraz.setDotsPerMeterX(na_metr);
    obraz.setDotsPerMeterY(na_metr);
    obraz.fill(Qt::white);
    if (nr < 1 || nr > dokument.strony.size()) return obraz;
    QPainter malarz(&obraz);
    rysuj_strone(malarz, dokument.strony.at(nr - 1), dokument.orientacja, dpi);
    return obraz;
}

QImage obraz_strony_w_powiekszeniu(const Dokument& dokument, int nr, int procent,
                                   double dpi_ekranu) {
    return obraz_strony(dokument, nr, dpi_ekranu * procent / 100.0);
}

bool rysuj_dokument(const Dokument& dokument, QPagedPaintDevice& urzadzenie) {
    QPainter malarz;
    if (!malarz.begin(&urzadzenie)) return false;
    const double dpi = urzadzenie.logicalDpiX();
    for (qsizetype i = 0; i < dokument.strony.size(); ++i) {
        if (i > 0 && !urzadzenie.newPage()) {
            malarz.end();
            return false;
        }
        rysuj_strone(malarz, dokument.strony.at(i), dokument.orientacja, dpi);
    }
    return malarz.end();
}

bool zapisz_pdf(const Dokument& dokument, QIODevice& wyjscie) {
    QPdfWriter pdf(&wyjscie);
    pdf.setTitle(u"Vandoria"_s);
    pdf.setCreator(u"Vandoria"_s);
    pdf.setResolution(1200);
    if (!pdf.setPageLayout(uklad_a4(dokument.orientacja))) return false;
    return rysuj_dokument(dokument, pdf);
}

bool zapisz_pdf(const Dokument& dokument, const QString& sciezka) {
    return zapisz_bezpiecznie(sciezka, [&](QIODevice& plik) { return zapisz_pdf(dokument, plik); });
}
