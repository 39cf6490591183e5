#include "printing/drukarka.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "wspolne/pomocnicze.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double dpi = 254;  // 10 pixels a millimetre

ZmienneDruku zmienne() {
    ZmienneDruku z;
    z.temp_nazwa_odbiorcy1 = u"Odbiorca"_s;
    z.temp_lk = u"12"_s;
    z.temp_kwota = u"**10,00"_s;
    z.temp_data = u"2024-05-01"_s;
    z.temp_czy_przelew = true;
    return z;
}

StanDruku stan(int typ, const QString& uklad = u"portrait"_s, int n = 1) {
    UstawieniaWydruku u;
    u.typ_formularza = typ;
    u.uklad_strony = uklad;
    u.ilosc_odcinkow = n;
    u.margin_left = 20;
    u.margin_top = 30;
    return stan_druku(u);
}

QRgb piksel_mm(const QImage& obraz, double x, double y) {
    return obraz.pixel(static_cast<int>(x * dpi / 25.4), static_cast<int>(y * dpi / 25.4));
}

bool czerwony(QRgb p) { return qRed(p) > 150 && qGreen(p) < 120; }
bool ciemny(QRgb p) { return qGray(p) < 128; }

// A one-page document of a single text in a big font.
Dokument jeden_napis(Operacja::Rodzaj rodzaj, const QString& tekst, double x, double y,
                     bool z_tlem = false) {
    PlotnoNagrywajace p;
    if (z_tlem) {
        p.SetBrushColor({248, 199, 199});
        p.Rectangle(0, 0, 200, 200);
    }
    p.SetFont(u"Arial"_s, 72);
    p.SetPosition(x, y);
    if (rodzaj == Operacja::Rodzaj::Tekst)
        p.PrintText(tekst);
    else
        p.PrintCentred(tekst, x);
    return p.zabierz_dokument();
}

// The box of the dark pixels.
QRect ciemne(const QImage& obraz) {
    QRect r;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (ciemny(obraz.pixel(x, y))) r |= QRect(x, y, 1, 1);
    return r;
}

// Width and height of the first page, in points.
QString arkusz_pdf(const QByteArray& pdf) {
    static const QRegularExpression media(u"/MediaBox \\[0 0 (\\d+)\\.?\\d* (\\d+)\\.?\\d*\\]"_s);
    const auto m = media.match(QString::fromLatin1(pdf));
    return m.hasMatch() ? m.captured(1) + u' ' + m.captured(2) : QString();
}

}  // namespace

class TestRaport : public QObject {
    Q_OBJECT
  private slots:
    void czcionki_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QStringList>("rodziny");
        QTest::addColumn<double>("szerokosc_cyfry");  // in ems, from the font's design
        QTest::newRow("Arial") << u"Arial"_s << QStringList{u"Arial"_s, u"Liberation Sans"_s}
                               << 1139.0 / 2048;
        QTest::newRow("Courier New")
            << u"Courier New"_s << QStringList{u"Courier New"_s, u"Liberation Mono"_s}
            << 1229.0 / 2048;
    }

    // The form's texts are placed for these two fonts' widths; a stand-in
    // with other metrics would push centred titles and values out of line.
    void czcionki() {
        QFETCH(QString, nazwa);
        QFETCH(QStringList, rodziny);
        QFETCH(double, szerokosc_cyfry);
        const QFont f = czcionka_raportu({nazwa, 12, kolory::czarny});
        const QString rodzina = QFontInfo(f).family();
        QVERIFY2(rodziny.contains(rodzina),
                 qPrintable(u"\"%1\" wychodzi jako \"%2\""_s.arg(nazwa, rodzina)));

        QImage urzadzenie(1, 1, QImage::Format_RGB32);
        urzadzenie.setDotsPerMeterX(qRound(1200 / 0.0254));
        urzadzenie.setDotsPerMeterY(qRound(1200 / 0.0254));
        const double em = 12.0 / 72 * 1200;
        const double szerokosc = QFontMetricsF(f, &urzadzenie).horizontalAdvance(u"0123456789"_s);
        QVERIFY2(std::abs(szerokosc - 10 * szerokosc_cyfry * em) < 0.005 * szerokosc,
                 qPrintable(QString::number(szerokosc)));
    }

    void kolory_formularza_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QRgb>("tlo");
        QTest::addColumn<bool>("linie");
        QTest::newRow("kolorowy") << 1 << qRgb(248, 199, 199) << true;
        QTest::newRow("czarno-bialy") << 2 << qRgb(225, 225, 225) << false;
        QTest::newRow("oryginalny") << 3 << qRgb(255, 255, 255) << false;
    }

    void kolory_formularza() {
        QFETCH(int, typ);
        QFETCH(QRgb, tlo);
        QFETCH(bool, linie);
        const QImage obraz = obraz_strony(generuj_wydruk(stan(typ), zmienne()), 1, dpi);
        QCOMPARE(obraz.size(), QSize(2100, 2970));
        // Data area between the first two fields; inside a white field; the
        // stub's outline on its left edge.
        QCOMPARE(piksel_mm(obraz, 20 + 100, 30 + 10.8), tlo);
        QCOMPARE(piksel_mm(obraz, 20 + 119.93, 30 + 6.4), qRgb(255, 255, 255));
        QCOMPARE(czerwony(piksel_mm(obraz, 20, 30 + 50)), linie);
        if (typ == 3) {
            // Nothing of the form, only values: the outline's place stays white.
            QCOMPARE(piksel_mm(obraz, 20, 30 + 50), qRgb(255, 255, 255));
            QCOMPARE(piksel_mm(obraz, 20 + 60, 30 + 2.13), qRgb(255, 255, 255));
        }
    }

    // A stub is 149.86 × 105.83 mm on paper, wherever it is printed.
    void rozmiar_odcinka() {
        const QImage obraz = obraz_strony(generuj_wydruk(stan(1), zmienne()), 1, dpi);
        const int wiersz = qRound((30 + 50) * dpi / 25.4);
        int lewy = -1, prawy = -1;
        for (int x = 0; x < obraz.width(); ++x)
            if (czerwony(obraz.pixel(x, wiersz))) {
                if (lewy < 0) lewy = x;
                prawy = x;
            }
        const int kolumna = qRound((20 + 2) * dpi / 25.4);
        int gora = -1, dol = -1;
        for (int y = 0; y < obraz.height(); ++y)
            if (czerwony(obraz.pixel(kolumna, y))) {
                if (gora < 0) gora = y;
                dol = y;
            }
        QVERIFY2(std::abs(lewy - 200) <= 1, qPrintable(QString::number(lewy)));
        QVERIFY2(std::abs(gora - 300) <= 1, qPrintable(QString::number(gora)));
        QVERIFY2(std::abs(prawy - lewy - 1498.6) <= 2, qPrintable(QString::number(prawy - lewy)));
        QVERIFY2(std::abs(dol - gora - 1058.3) <= 2, qPrintable(QString::number(dol - gora)));
    }

    // The four landscape stubs reach past the sheet; the sheet keeps its size
    // and the part of stub 4 on it is drawn.
    void poziomo_cztery_odcinki() {
        const Dokument d = generuj_wydruk(stan(2, u"landscape"_s, 4), zmienne());
        const QImage obraz = obraz_strony(d, 1, dpi);
        QCOMPARE(obraz.size(), QSize(2970, 2100));
        QCOMPARE(piksel_mm(obraz, 150 + 100, 106 + 10.8), qRgb(225, 225, 225));
        QCOMPARE(piksel_mm(obraz, 100, 10.8), qRgb(225, 225, 225));
    }

    void linia_bazowa_i_lewa_krawedz() {
        const QImage obraz =
            obraz_strony(jeden_napis(Operacja::Rodzaj::Tekst, u"H"_s, 50, 100), 1, dpi);
        const QRect h = ciemne(obraz);
        // The glyph rises above Y and stops on it; its left edge lies just
        // right of X (Arial's H has a small side bearing).
        QVERIFY2(std::abs(h.bottom() - 1000) <= 1, qPrintable(QString::number(h.bottom())));
        QVERIFY2(h.left() >= 500 && h.left() < 530, qPrintable(QString::number(h.left())));
        QVERIFY(h.height() > 150);
    }

    void wysrodkowanie() {
        const QImage obraz = obraz_strony(
            jeden_napis(Operacja::Rodzaj::TekstWysrodkowany, u"W"_s, 100, 100), 1, dpi);
        const QRect w = ciemne(obraz);
        const double srodek = (w.left() + w.right() + 1) / 2.0;
        QVERIFY2(std::abs(srodek - 1000) <= 3, qPrintable(QString::number(srodek)));
    }

    // Text keeps the fill around and inside its glyphs.
    void przezroczyste_tlo_tekstu() {
        const QImage obraz =
            obraz_strony(jeden_napis(Operacja::Rodzaj::Tekst, u"H"_s, 50, 100, true), 1, dpi);
        const double em = 72.0 / 72 * dpi;
        const int srodek_h = qRound(500 + 1479.0 / 2048 * em / 2);
        QCOMPARE(obraz.pixel(srodek_h, qRound(1000 - 0.6 * em)), qRgb(248, 199, 199));
        QVERIFY(ciemny(obraz.pixel(srodek_h, qRound(1000 - 0.33 * em))));  // the crossbar
    }

    void strona_spoza_dokumentu_jest_pusta() {
        const QImage obraz = obraz_strony(generuj_wydruk(stan(1), zmienne()), 2, 25.4);
        QCOMPARE(obraz.size(), QSize(210, 297));
        QVERIFY(ciemne(obraz).isNull());
    }

    void powiekszenie() {
        const Dokument d = generuj_wydruk(stan(1, u"landscape"_s), zmienne());
        QCOMPARE(obraz_strony_w_powiekszeniu(d, 1, 100, 96).size(), QSize(1123, 794));
        QCOMPARE(obraz_strony_w_powiekszeniu(d, 1, 50, 96).size(), QSize(561, 397));
    }

    void pdf_data() {
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("strony");
        QTest::addColumn<QString>("arkusz");  // points
        QTest::newRow("pionowo 4") << u"portrait"_s << 4 << 2 << u"595 842"_s;
        QTest::newRow("pionowo 2") << u"portrait"_s << 2 << 1 << u"595 842"_s;
        QTest::newRow("poziomo 4") << u"landscape"_s << 4 << 1 << u"842 595"_s;
    }

    void pdf() {
        QFETCH(QString, uklad);
        QFETCH(int, n);
        QFETCH(int, strony);
        QFETCH(QString, arkusz);
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"wydruk.pdf"_s);
        QVERIFY(zapisz_pdf(generuj_wydruk(stan(1, uklad, n), zmienne()), sciezka));
        const QByteArray pdf = czytaj_plik(sciezka);
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n"), strony);
        QCOMPARE(arkusz_pdf(pdf), arkusz);
    }

    // The printer gets the job title, the orientation of the settings and
    // one sheet per page, whatever the print dialog left in it.
    void drukarka() {
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"drukarka.pdf"_s);
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(sciezka);
        drukarka.setPageSize(QPageSize(QPageSize::A4));
        drukarka.setPageOrientation(QPageLayout::Portrait);
        QVERIFY(drukuj_dokument(generuj_wydruk(stan(1, u"landscape"_s, 4), zmienne()), drukarka));
        QCOMPARE(drukarka.docName(), u"Vandoria"_s);
        QVERIFY(drukarka.fullPage());
        QCOMPARE(drukarka.pageLayout().orientation(), QPageLayout::Landscape);
        const QByteArray pdf = czytaj_plik(sciezka);
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        QCOMPARE(arkusz_pdf(pdf), u"842 595"_s);
    }

    void pdf_nie_do_zapisania() {
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"brak/wydruk.pdf"_s);
        QVERIFY(!zapisz_pdf(generuj_wydruk(stan(1), zmienne()), sciezka));
        QVERIFY(!QFile::exists(sciezka));
    }
};

QTEST_MAIN(TestRaport)
#include "test_raport.moc"
