#include "printing/formularz.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Colours by their role on the form; the test data say what each is.
enum class Rola { linia, tlo, bialy, czarny, brak /* clear brush */ };

struct Oczekiwana {
    Operacja::Rodzaj rodzaj = Operacja::Rodzaj::Prostokat;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString tekst;
    Rola pioro = Rola::linia;
    int szerokosc = 1;
    bool kropki = false;
    Rola pedzel = Rola::bialy;
    QString czcionka;
    int rozmiar = 0;
    Rola kolor_tekstu = Rola::linia;
};

using R = Operacja::Rodzaj;

Oczekiwana prostokat(double x1, double y1, double x2, double y2, Rola pioro, Rola pedzel,
                     int szerokosc = 1) {
    Oczekiwana o;
    o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
    o.pioro = pioro;
    o.pedzel = pedzel;
    o.szerokosc = szerokosc;
    return o;
}

Oczekiwana napis(double x, double y, const QString& tekst, int rozmiar = 5,
                 Rola kolor = Rola::linia) {
    Oczekiwana o;
    o.rodzaj = R::Tekst;
    o.x1 = o.x2 = x;
    o.y1 = o.y2 = y;
    o.tekst = tekst;
    o.czcionka = u"Arial"_s;
    o.rozmiar = rozmiar;
    o.kolor_tekstu = kolor;
    return o;
}

// The form as its drawing is laid out, relative to the stub's origin.
QList<Oczekiwana> wzor_odcinka(const QString& tytul) {
    QList<Oczekiwana> w;
    const Rola L = Rola::linia, T = Rola::tlo, W = Rola::bialy;

    auto pole = [&](const QString& podpis, double szer, double px, double py) {
        w << prostokat(px, py, px + 135, py + 5.5, L, W);
        for (int i = 1; i <= 26; ++i)
            w << prostokat(px + 5 * i, py, px + 5 * i + 0.1, py + 5.5, L, L);
        w << prostokat(px + 2, py - 1, px + szer, py + 1, W, W);
        w << napis(px + 2.4, py + 0.5, podpis);
    };

    w << prostokat(0, 0, 149.86, 105.83, L, W);
    w << prostokat(7.43, 2.13, 142.43, 78.43, L, T);
    pole(u" nazwa odbiorcy"_s, 16, 7.43, 3.63);
    pole(u" nazwa odbiorcy cd."_s, 19, 7.43, 12.13);

    // account row and amount
    w << prostokat(7.43, 20.63, 136.93, 26.13, L, W);
    for (double x = 12.43; x < 133; x += 5) w << prostokat(x, 20.63, x + 0.1, 26.13, L, L);
    for (double x : {17.23, 37.23, 57.23, 77.23, 97.23, 117.23})
        w << prostokat(x, 23.38, x + 0.8, 26.13, L, L);
    w << prostokat(9.43, 19.63, 30.43, 21.63, W, W);
    w << napis(9.73, 21.13, u" numer rachunku odbiorcy"_s);
    w << prostokat(7.43, 19.13, 142.43, 26.33, L, Rola::brak, 5);
    w << prostokat(46.63, 29.83, 51.43, 34.63, L, W, 3) << napis(47.2, 33.83, u"W"_s, 10);
    w << prostokat(52.13, 29.83, 56.93, 34.63, L, W, 3) << napis(53.5, 33.83, u"P"_s, 10);
    w << prostokat(62.43, 29.13, 77.43, 34.63, L, W);
    w << prostokat(67.43, 29.13, 67.53, 34.63, L, L) << prostokat(72.43, 29.13, 72.53, 34.63, L, L);
    w << prostokat(64.43, 28.13, 71.43, 30.13, W, W) << napis(64.73, 29.63, u" waluta"_s);
    w << prostokat(82.43, 29.13, 142.43, 34.63, L, W);
    for (double x = 87.43; x < 138; x += 5) w << prostokat(x, 29.13, x + 0.1, 34.63, L, L);
    w << prostokat(84.43, 28.13, 90.43, 30.13, W, W) << napis(84.73, 29.63, u" kwota"_s);
    w << prostokat(82.43, 26.13, 142.43, 34.83, L, Rola::brak, 5);

    pole(u" numer rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)"_s, 55, 7.43, 37.63);
    pole(u" nazwa zleceniodawcy"_s, 20, 7.43, 46.13);
    pole(u" nazwa zleceniodawcy cd."_s, 23, 7.43, 54.63);
    pole(u" tytułem"_s, 10, 7.43, 63.13);
    pole(u" tytułem cd."_s, 12, 7.43, 71.63);

    w << prostokat(7.43, 78.43, 142.43, 86.23, L, T);
    w << prostokat(0, 78.43, 149.86, 78.43, L, T);
    w << prostokat(132.43, 78.33, 142.43, 84.93, L, W);
    w << prostokat(7.43, 79.83, 76.03, 103.43, L, W);
    w << napis(10.43, 102.43, u"pieczęć, data i podpis(y) zlecniodawcy"_s);
    w << prostokat(98.73, 79.73, 122.43, 103.43, L, W);
    Oczekiwana kolo = prostokat(102.73, 83.73, 118.43, 99.43, L, W);
    kolo.rodzaj = R::Elipsa;
    kolo.kropki = true;
    w << kolo;
    w << prostokat(77.38, 93.33, 97.38, 98.83, L, W);
    for (double x : {82.38, 87.38, 92.38}) w << prostokat(x, 93.33, x + 0.1, 98.83, L, L);
    w << prostokat(87.18, 93.33, 87.58, 98.83, L, L);
    w << napis(77.38, 91.33, u"Opłata:"_s);

    const double kreski[][4] = {{5.43, 2.13, 12.43, 2.13},    {5.43, 2.13, 5.43, 9.13},
                                {144.43, 2.13, 144.43, 9.13}, {144.43, 2.13, 137.43, 2.13},
                                {5.43, 79, 5.43, 72},         {5.43, 79, 12.43, 79}};
    for (const auto& k : kreski) {
        Oczekiwana o = prostokat(k[0], k[1], k[2], k[3], Rola::czarny, Rola::bialy, 5);
        o.rodzaj = R::Linia;
        w << o;
    }

    w << napis(91, 1.7, u"http://vandoria.example.org/Vandoria/VandoriaSetup.exe"_s, 5,
               Rola::czarny);
    auto pionowo = [&](const QString& t, double x, double y) {
        for (int j = 0; j < t.size(); ++j) {
            Oczekiwana o = napis(x, y + 1.6 * j, QString(t[j]), 5, Rola::czarny);
            o.rodzaj = R::TekstWysrodkowany;
            w << o;
        }
    };
    pionowo(u"Polecenie przelewu / wpłata gotówkowa"_s, 3, 12);
    pionowo(tytul, 146, 17);
    return w;
}

bool blisko(double a, double b) { return std::abs(a - b) < 1e-9; }

QString opis(const Operacja& o) {
    return u"%1 (%2, %3, %4, %5) \"%6\""_s.arg(int(o.rodzaj))
        .arg(o.x1)
        .arg(o.y1)
        .arg(o.x2)
        .arg(o.y2)
        .arg(o.tekst);
}

}  // namespace

class TestFormularz : public QObject {
    Q_OBJECT
  private slots:
    void poczatek_odcinka_data() {
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        const int ml = 20, mt = 30;
        for (int n : {1, 2, 4}) {
            for (int k = 1; k <= n; ++k) {
                const QByteArray nazwa =
                    "pionowo " + QByteArray::number(n) + '/' + QByteArray::number(k);
                QTest::newRow(nazwa)
                    << u"portrait"_s << n << k << double(ml) << (k % 2 ? mt : mt + 106.0);
            }
        }
        QTest::newRow("poziomo 1") << u"landscape"_s << 1 << 1 << 0.0 << 0.0;
        QTest::newRow("poziomo 2/1") << u"landscape"_s << 2 << 1 << double(ml) << 0.0;
        QTest::newRow("poziomo 2/2") << u"landscape"_s << 2 << 2 << double(ml) << 106.0;
        QTest::newRow("poziomo 4/1") << u"landscape"_s << 4 << 1 << 0.0 << 0.0;
        QTest::newRow("poziomo 4/2") << u"landscape"_s << 4 << 2 << 0.0 << 106.0;
        QTest::newRow("poziomo 4/3") << u"landscape"_s << 4 << 3 << 150.0 << 0.0;
        QTest::newRow("poziomo 4/4") << u"landscape"_s << 4 << 4 << 150.0 << 106.0;
    }

    void poczatek_odcinka() {
        QFETCH(QString, uklad);
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(double, x);
        QFETCH(double, y);
        UstawieniaWydruku u;
        u.uklad_strony = uklad;
        u.ilosc_odcinkow = n;
        u.margin_left = 20;
        u.margin_top = 30;
        const StanDruku s = stan_druku(u);
        QCOMPARE(odcinek_x(s, k, n), x);
        QCOMPARE(odcinek_y(s, k), y);
    }

    void odcinek_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("tlo");
        QTest::addColumn<int>("linia");
        QTest::addColumn<QString>("tytul");
        QTest::newRow("kolorowy, pierwszy")
            << 1 << u"portrait"_s << 2 << 1 << 20.0 << 30.0 << 0xF8C7C7 << 0xCD1D1D
            << u"Odcinek dla zleceniodawcy"_s;
        QTest::newRow("szary, drugi") << 2 << u"portrait"_s << 2 << 2 << 20.0 << 136.0 << 0xE1E1E1
                                      << 0x818181 << u"Odcinek dla banku zleceniodawcy"_s;
        QTest::newRow("nieznany typ, czwarty poziomo")
            << 7 << u"landscape"_s << 4 << 4 << 150.0 << 106.0 << 0xE1E1E1 << 0x818181
            << u"Odcinek dla banku odbiorcy"_s;
    }

    // Every shape and caption of the drawn form, in order (later ones cover
    // earlier ones), with the pen, brush and font it is drawn in.
    void odcinek() {
        QFETCH(int, typ);
        QFETCH(QString, uklad);
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, tlo);
        QFETCH(int, linia);
        QFETCH(QString, tytul);

        UstawieniaWydruku u;
        u.typ_formularza = typ;
        u.uklad_strony = uklad;
        u.ilosc_odcinkow = n;
        u.margin_left = 20;
        u.margin_top = 30;
        const StanDruku s = stan_druku(u);
        PlotnoNagrywajace p;
        rysuj_formularze(p, s, k);

        auto rgb = [](int v) {
            return KolorRGB{std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
        };
        auto kolor = [&](Rola r) {
            switch (r) {
                case Rola::linia:
                    return rgb(linia);
                case Rola::tlo:
                    return rgb(tlo);
                case Rola::czarny:
                    return kolory::czarny;
                default:
                    return kolory::bialy;
            }
        };

        const QList<Oczekiwana> wzor = wzor_odcinka(tytul);
        const QList<Operacja>& ops = p.dokument().strony.at(0).operacje;
        QCOMPARE(p.dokument().strony.size(), 1);
        for (qsizetype i = 0; i < std::min(wzor.size(), ops.size()); ++i) {
            const Oczekiwana& e = wzor[i];
            const Operacja& o = ops[i];
            const QByteArray gdzie = QByteArray::number(i) + ": " + opis(o).toUtf8();
            QVERIFY2(o.rodzaj == e.rodzaj && o.tekst == e.tekst && blisko(o.x1, x + e.x1) &&
                         blisko(o.y1, y + e.y1) && blisko(o.x2, x + e.x2) && blisko(o.y2, y + e.y2),
                     gdzie);
            if (e.rodzaj == R::Tekst || e.rodzaj == R::TekstWysrodkowany) {
                QVERIFY2(o.czcionka.Name == e.czcionka && o.czcionka.Size == e.rozmiar &&
                             o.czcionka.Color == kolor(e.kolor_tekstu),
                         gdzie);
            } else {
                QVERIFY2(o.pioro.Color == kolor(e.pioro) && o.pioro.Width == e.szerokosc &&
                             (o.pioro.Style == StylPiora::psDot) == e.kropki,
                         gdzie);
                if (e.rodzaj != R::Linia) {
                    const bool pusty = e.pedzel == Rola::brak;
                    QVERIFY2((o.pedzel.Style == StylPedzla::bsClear) == pusty, gdzie);
                    if (!pusty) QVERIFY2(o.pedzel.Color == kolor(e.pedzel), gdzie);
                }
            }
        }
        QCOMPARE(ops.size(), wzor.size());

        // What the filling starts from.
        QCOMPARE(p.pioro(), (Pioro{kolory::czarny, StylPiora::psSolid, 1}));
        QCOMPARE(p.pedzel(), (Pedzel{kolory::bialy, StylPedzla::bsSolid}));
        QCOMPARE(p.czcionka(), (Czcionka{u"Arial"_s, 5, kolory::czarny}));
    }

    void stan_poczatkowy_plotna() {
        PlotnoNagrywajace p;
        QCOMPARE(p.pioro(), (Pioro{kolory::czarny, StylPiora::psSolid, 1}));
        QCOMPARE(p.pedzel(), (Pedzel{kolory::bialy, StylPedzla::bsSolid}));
        QCOMPARE(p.czcionka().Color, kolory::czarny);
        p.SetBrushStyle(StylPedzla::bsClear);
        p.SetBrushColor({1, 2, 3});
        QCOMPARE(p.pedzel(), (Pedzel{{1, 2, 3}, StylPedzla::bsSolid}));
        p.SetFontColor({9, 9, 9});
        p.SetFont(u"Courier New"_s, 17);
        QCOMPARE(p.czcionka(), (Czcionka{u"Courier New"_s, 17, {9, 9, 9}}));
    }
};

QTEST_GUILESS_MAIN(TestFormularz)
#include "test_formularz.moc"
