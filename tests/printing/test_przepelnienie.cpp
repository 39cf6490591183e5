#include "printing/przepelnienie.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every character as wide as one 27th of a name field, so 27 of them fill it exactly.
double miara_kratkowa(const Czcionka&, const QString& tekst) {
    return static_cast<double>(tekst.size()) * (142.43 - 8.8) / 27;
}

UstawieniaWydruku ustawienia(bool boxes, bool capitals) {
    UstawieniaWydruku u;
    u.boxes = boxes;
    u.capitals = capitals;
    return u;
}

QString razy(const QString& s, int n) { return s.repeated(n); }

}  // namespace

class TestPrzepelnienie : public QObject {
    Q_OBJECT

  private slots:
    void wykrywanie_data() {
        QTest::addColumn<int>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("boxes");
        QTest::addColumn<bool>("capitals");
        QTest::addColumn<bool>("prawdziwa_miara");  // the report's font metrics
        // Empty: fits. Measured with the report's fonts only the start is
        // compared, the millimetres depend on the installed font.
        QTest::addColumn<QString>("opis");

        const int nazwa = int(PoleTekstowe::nazwa_odbiorcy1);
        const int tytul = int(PoleTekstowe::tytulem1);
        const int kwota = int(PoleTekstowe::kwota);
        const int slownie = int(PoleTekstowe::kwota_slownie);
        const QString polskie = u"ąćęłńóśźż"_s;

        QTest::newRow("kratki: pusty") << nazwa << QString() << true << true << false << QString();
        QTest::newRow("kratki: dokładnie 27")
            << nazwa << razy(u"a"_s, 27) << true << true << false << QString();
        QTest::newRow("kratki: 28, o jeden za dużo")
            << nazwa << razy(u"a"_s, 28) << true << true << false
            << u"Tekst w polu „nazwa odbiorcy” nie zmieści się na formularzu (28 znaków z 27)"_s;
        // Characters are counted, not the bytes of any encoding.
        QTest::newRow("kratki: polskie litery, 27")
            << tytul << razy(polskie, 3) << true << true << false << QString();
        QTest::newRow("kratki: polskie litery, 34")
            << tytul << razy(polskie, 3) + u"ŁÓDŹ ąę"_s << true << false << false
            << u"Tekst w polu „tytułem” nie zmieści się na formularzu (34 znaki z 27)"_s;
        QTest::newRow("kratki: kwota bez gwiazdek, 12")
            << kwota << u"**1234567890,1"_s << true << true << false << QString();
        QTest::newRow("kratki: kwota, 13")
            << kwota << u"**1234567890,12"_s << true << true << false
            << u"Tekst w polu „kwota” nie zmieści się na formularzu (13 znaków z 12)"_s;

        QTest::newRow("swobodnie: dokładnie pełne")
            << nazwa << razy(u"a"_s, 27) << false << false << false << QString();
        QTest::newRow("swobodnie: o jeden za szeroki")
            << nazwa << razy(u"a"_s, 28) << false << false << false
            << u"Tekst w polu „nazwa odbiorcy” nie zmieści się na formularzu (138,6 mm z 133,6 mm)"_s;
        // In Arial 12 a "W" is about 4 mm wide: 33 of them fit, 34 run over the edge.
        QTest::newRow("swobodnie, czcionka raportu: 33 W")
            << tytul << razy(u"W"_s, 33) << false << false << true << QString();
        QTest::newRow("swobodnie, czcionka raportu: 34 W")
            << tytul << razy(u"W"_s, 34) << false << false << true
            << u"Tekst w polu „tytułem” nie zmieści się na formularzu (13"_s;
        // Capitals are wider than the small letters typed.
        QTest::newRow("swobodnie, małe litery mieszczą się")
            << tytul << razy(u"ż"_s, 53) << false << false << true << QString();
        QTest::newRow("swobodnie, te same wielkimi nie")
            << tytul << razy(u"ż"_s, 53) << false << true << true
            << u"Tekst w polu „tytułem” nie zmieści się na formularzu (1"_s;
        // The amount in words always prints freely, in Arial 11, without surrounding blanks.
        QTest::newRow("słownie: krótka kwota")
            << slownie << u"  jed*dwa*zer* 50/100  "_s << true << true << true << QString();
        QTest::newRow("słownie: za długa")
            << slownie << razy(u"sie*"_s, 22) << true << true << true
            << u"Tekst w polu „kwota słownie” nie zmieści się na formularzu (1"_s;
    }

    void wykrywanie() {
        QFETCH(int, pole);
        QFETCH(QString, tekst);
        QFETCH(bool, boxes);
        QFETCH(bool, capitals);
        QFETCH(bool, prawdziwa_miara);
        QFETCH(QString, opis);

        const MiaraTekstu miara =
            prawdziwa_miara ? MiaraTekstu(szerokosc_tekstu_mm) : MiaraTekstu(miara_kratkowa);
        const auto wynik =
            sprawdz_pole(PoleTekstowe(pole), tekst, ustawienia(boxes, capitals), miara);
        const QString wynik_opis = wynik ? opis_przepelnienia(*wynik) : QString();
        if (prawdziwa_miara && !opis.isEmpty())
            QVERIFY2(wynik_opis.startsWith(opis), qPrintable(wynik_opis));
        else
            QCOMPARE(wynik_opis, opis);
    }

    // What the check says agrees with the printed page: a title it calls too
    // wide has ink past the field's right edge, one it lets through has none.
    void zgodnie_z_wydrukiem_data() {
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<bool>("przepelnione");
        QTest::newRow("33 W") << razy(u"W"_s, 33) << false;
        QTest::newRow("34 W") << razy(u"W"_s, 34) << true;
        QTest::newRow("polskie litery w zapasie") << razy(u"Ż"_s, 48) << false;
        QTest::newRow("polskie litery za szeroko") << razy(u"Ż"_s, 54) << true;
    }
    void zgodnie_z_wydrukiem() {
        QFETCH(QString, tytul);
        QFETCH(bool, przepelnione);

        UstawieniaWydruku u = ustawienia(false, false);
        u.typ_formularza = 3;  // only the values: any ink is the text
        u.ilosc_odcinkow = 1;
        u.margin_left = 10;
        u.margin_top = 10;
        const StanDruku stan = stan_druku(u);
        ZmienneDruku z;
        z.temp_tytulem1 = tytul;

        const QList<Przepelnienie> lista = sprawdz_przepelnienie(stan, z, szerokosc_tekstu_mm);
        QCOMPARE(lista.size(), przepelnione ? 1 : 0);
        if (przepelnione) QCOMPARE(lista.first().pole, PoleTekstowe::tytulem1);

        constexpr double dpi = 300;
        const QImage strona = obraz_strony(generuj_wydruk(stan, z), 1, dpi);
        const auto px = [](double mm) { return static_cast<int>(mm * dpi / 25.4); };
        // The title's baseline is at 67.5 mm; capitals rise about 3 mm above it.
        bool za_krawedzia = false;
        for (int x = px(10 + 142.43 + 0.2); x < px(10 + 160); ++x)
            for (int y = px(10 + 63.5); y <= px(10 + 67.5); ++y)
                if (qGray(strona.pixel(x, y)) < 128) za_krawedzia = true;
        QCOMPARE(za_krawedzia, przepelnione);
    }

    void wplata_sprawdza_kwote_slownie() {
        const StanDruku stan = stan_druku(ustawienia(true, true));
        ZmienneDruku z;
        z.temp_nr_rach_nadawcy = razy(u"sie*"_s, 22);
        QCOMPARE(sprawdz_przepelnienie(stan, z, szerokosc_tekstu_mm).size(), 0);  // a transfer
        z.temp_czy_przelew = false;
        const QList<Przepelnienie> lista = sprawdz_przepelnienie(stan, z, szerokosc_tekstu_mm);
        QCOMPARE(lista.size(), 1);
        QCOMPARE(lista.first().pole, PoleTekstowe::kwota_slownie);
        QVERIFY(pytanie_o_przepelnienie(lista).endsWith(u"Czy mimo to drukować?"_s));
    }
};

QTEST_MAIN(TestPrzepelnienie)
#include "test_przepelnienie.moc"
