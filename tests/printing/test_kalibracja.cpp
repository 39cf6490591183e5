#include "printing/kalibracja.h"
#include "printing/wypelnianie.h"
#include "wspolne/pomocnicze.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool blisko(double a, double b) { return std::abs(a - b) < 1e-6; }

StanDruku stan(const QString& uklad, int n, int ml, int mt, int typ = 1) {
    UstawieniaWydruku u;
    u.typ_formularza = typ;
    u.uklad_strony = uklad;
    u.ilosc_odcinkow = n;
    u.margin_left = ml;
    u.margin_top = mt;
    return stan_druku(u);
}

// Where the drawn form itself puts the three reference corners, found among
// its recorded white fields: the top-left of the first 135 × 5.5 field (the
// recipient's name), the top-left of the 60 × 5.5 amount field and the
// bottom-right of the last 135 × 5.5 field (the title's second line).
QList<QPointF> rogi_formularza(const Strona& strona) {
    QList<QPointF> wynik;
    QList<const Operacja*> odcinki;
    for (const Operacja& o : strona.operacje)
        if (o.rodzaj == Operacja::Rodzaj::Prostokat && blisko(o.x2 - o.x1, 149.86) &&
            blisko(o.y2 - o.y1, 105.83))
            odcinki << &o;
    for (const Operacja* s : odcinki) {
        const auto w_odcinku = [s](const Operacja& o) {
            return o.rodzaj == Operacja::Rodzaj::Prostokat && o.x1 >= s->x1 && o.x2 <= s->x2 &&
                   o.y1 >= s->y1 && o.y2 <= s->y2 && blisko(o.y2 - o.y1, 5.5) &&
                   o.pedzel.Color == kolory::bialy;
        };
        const Operacja* pierwsze = nullptr;
        const Operacja* ostatnie = nullptr;
        const Operacja* kwota = nullptr;
        for (const Operacja& o : strona.operacje) {
            if (!w_odcinku(o)) continue;
            if (blisko(o.x2 - o.x1, 135)) {
                if (!pierwsze || o.y1 < pierwsze->y1) pierwsze = &o;
                if (!ostatnie || o.y1 > ostatnie->y1) ostatnie = &o;
            }
            if (blisko(o.x2 - o.x1, 60)) kwota = &o;
        }
        if (!pierwsze || !kwota) return {};
        wynik << QPointF(pierwsze->x1, pierwsze->y1) << QPointF(kwota->x1, kwota->y1)
              << QPointF(ostatnie->x2, ostatnie->y2);
    }
    return wynik;
}

// Centres of the crosshairs: a horizontal and a vertical arm crossing at their middles.
QList<QPointF> krzyzyki(const Strona& strona) {
    QList<QPointF> wynik;
    const double dl = 2 * ramie_krzyzyka;
    for (const Operacja& p : strona.operacje) {
        if (p.rodzaj != Operacja::Rodzaj::Linia || !blisko(p.y1, p.y2) ||
            !blisko(std::abs(p.x2 - p.x1), dl))
            continue;
        const QPointF srodek((p.x1 + p.x2) / 2, p.y1);
        for (const Operacja& q : strona.operacje)
            if (q.rodzaj == Operacja::Rodzaj::Linia && blisko(q.x1, q.x2) &&
                blisko(q.x1, srodek.x()) && blisko((q.y1 + q.y2) / 2, srodek.y()) &&
                blisko(std::abs(q.y2 - q.y1), dl))
                wynik << srodek;
    }
    return wynik;
}

bool te_same(QList<QPointF> a, QList<QPointF> b) {
    const auto wg = [](QPointF p, QPointF q) {
        return std::pair(p.y(), p.x()) < std::pair(q.y(), q.x());
    };
    std::sort(a.begin(), a.end(), wg);
    std::sort(b.begin(), b.end(), wg);
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!blisko(a[i].x(), b[i].x()) || !blisko(a[i].y(), b[i].y())) return false;
    return true;
}

QString punkty(const QList<QPointF>& l) {
    QStringList t;
    for (const QPointF& p : l) t << u"(%1; %2)"_s.arg(p.x()).arg(p.y());
    return t.join(u' ');
}

}  // namespace

class TestKalibracja : public QObject {
    Q_OBJECT

  private slots:
    void krzyzyki_na_rogach_formularza_data() {
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("odcinki");
        QTest::addColumn<int>("ml");
        QTest::addColumn<int>("mt");
        QTest::addColumn<int>("ile");  // crosshairs on the one sheet
        QTest::newRow("pionowo, 1, marginesy 0") << u"portrait"_s << 1 << 0 << 0 << 3;
        QTest::newRow("pionowo, 2, 50/50") << u"portrait"_s << 2 << 50 << 50 << 6;
        QTest::newRow("pionowo, 4: miejsca 1 i 2") << u"portrait"_s << 4 << 12 << 30 << 6;
        QTest::newRow("poziomo, 1") << u"landscape"_s << 1 << 20 << 20 << 3;
        QTest::newRow("poziomo, 2, lewy 20") << u"landscape"_s << 2 << 20 << 70 << 6;
        QTest::newRow("poziomo, 4") << u"landscape"_s << 4 << 5 << 5 << 12;
    }
    void krzyzyki_na_rogach_formularza() {
        QFETCH(QString, uklad);
        QFETCH(int, odcinki);
        QFETCH(int, ml);
        QFETCH(int, mt);
        QFETCH(int, ile);

        const Dokument arkusz = generuj_kalibracje(stan(uklad, odcinki, ml, mt));
        QCOMPARE(arkusz.strony.size(), 1);
        QCOMPARE(arkusz.orientacja, stan(uklad, odcinki, ml, mt).orientacja);
        const QList<QPointF> narysowane = krzyzyki(arkusz.strony.first());

        // The drawn form of the same layout: every sheet it prints (the
        // second page of four portrait stubs repeats the first one's places).
        const Dokument formularz = generuj_wydruk(stan(uklad, odcinki, ml, mt), ZmienneDruku{});
        const QList<QPointF> rogi = rogi_formularza(formularz.strony.first());
        QCOMPARE(rogi.size(), ile);
        if (formularz.strony.size() == 2)
            QVERIFY(te_same(rogi_formularza(formularz.strony.at(1)), rogi));
        QVERIFY2(te_same(narysowane, rogi),
                 qPrintable(u"krzyżyki: "_s + punkty(narysowane) + u"\nrogi: "_s + punkty(rogi)));
    }

    // Every outline of the sheet lies exactly on a box of the drawn form.
    void ramki_jak_na_formularzu() {
        const StanDruku s = stan(u"portrait"_s, 2, 17, 33);
        const Strona formularz = generuj_wydruk(s, ZmienneDruku{}).strony.first();
        int ramki = 0;
        const Strona arkusz = generuj_kalibracje(s).strony.first();
        for (const Operacja& o : arkusz.operacje) {
            if (o.rodzaj != Operacja::Rodzaj::Prostokat) continue;
            ++ramki;
            QVERIFY(o.pedzel.Style == StylPedzla::bsClear);  // outlines only
            const bool jest = std::any_of(
                formularz.operacje.begin(), formularz.operacje.end(), [&](const Operacja& f) {
                    return f.rodzaj == Operacja::Rodzaj::Prostokat && blisko(f.x1, o.x1) &&
                           blisko(f.y1, o.y1) && blisko(f.x2, o.x2) && blisko(f.y2, o.y2);
                });
            QVERIFY2(jest,
                     qPrintable(u"(%1; %2) – (%3; %4)"_s.arg(o.x1).arg(o.y1).arg(o.x2).arg(o.y2)));
        }
        QCOMPARE(ramki, 2 * 17);
    }

    // The program writes the sheet as an A4 PDF: the crosshair sits on paper
    // where its label says, on the current layout's margins.
    void pdf_z_programu() {
        for (const char* narzedzie : {"pdftoppm", "pdftotext", "pdfinfo"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(narzedzie)).isEmpty())
                QSKIP("poppler-utils are not installed");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        zapisz_plik(folder.filePath(u"config.ini"_s),
                    "[SETTINGS]\r\nilosc_odcinkow=2\r\nuklad_strony=portrait\r\n"
                    "margin_left=20\r\nmargin_top=40\r\n");
        const QString pdf = folder.filePath(u"kalibracja.pdf"_s);

        const auto uruchom = [&](const QStringList& argumenty) {
            QProcess program;
            QProcessEnvironment otoczenie = QProcessEnvironment::systemEnvironment();
            otoczenie.insert(u"VANDORIA_DIR"_s, folder.path());
            program.setProcessEnvironment(otoczenie);
            program.start(QStringLiteral(VANDORIA_EXE), argumenty);
            program.waitForFinished(60000);
            return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
        };
        QCOMPARE(uruchom({u"--kalibracja"_s, pdf}), 0);
        // A transfer file's name is a swapped argument, never overwritten.
        zapisz_plik(folder.filePath(u"zlecenia.p2"_s), "x");
        QCOMPARE(uruchom({u"--kalibracja"_s, folder.filePath(u"zlecenia.p2"_s)}), 1);
        QCOMPARE(czytaj_plik(folder.filePath(u"zlecenia.p2"_s)), QByteArray("x"));
        QCOMPARE(uruchom({u"--kalibracja"_s}), 1);

        QProcess info;
        info.start(u"pdfinfo"_s, {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(u"595 x 842 pts (A4)"_s));

        QProcess tekst;
        tekst.start(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY(tekst.waitForFinished());
        const QString napisy = QString::fromUtf8(tekst.readAllStandardOutput());
        QVERIFY2(napisy.contains(u"Wydruk kalibracyjny"_s), qPrintable(napisy));
        QVERIFY2(napisy.contains(u"A (27,43; 43,63)"_s), qPrintable(napisy));

        // 254 dpi: ten pixels a millimetre.
        QCOMPARE(QProcess::execute(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-png"_s, u"-singlefile"_s,
                                                   pdf, folder.filePath(u"strona"_s)}),
                 0);
        const QImage strona(folder.filePath(u"strona.png"_s));
        // A4 in whole points is a hair taller than 297 mm.
        QCOMPARE(strona.width(), 2100);
        QVERIFY(std::abs(strona.height() - 2970) <= 1);
        const auto ciemno = [&](double x, double y) {
            // Within a pixel of the spot: a hairline may fall on either side.
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (qGray(strona.pixel(int(std::lround(x * 10)) + dx,
                                           int(std::lround(y * 10)) + dy)) < 160)
                        return true;
            return false;
        };
        // Point B of stub 2: (20 + 82.43; 40 + 106 + 29.13), its arms 4 mm out, and a blank spot
        // beside.
        const double bx = 102.43, by = 175.13;
        QVERIFY(ciemno(bx, by));
        QVERIFY(ciemno(bx - 4, by));
        QVERIFY(ciemno(bx, by + 4));
        QVERIFY(!ciemno(bx - 3.5, by + 3.5));
    }
};

QTEST_MAIN(TestKalibracja)
#include "test_kalibracja.moc"
