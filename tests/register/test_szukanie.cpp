#include "register/magazyn_ustawien.h"
#include "register/ostatnie_pliki.h"
#include "register/szukanie.h"
#include "wspolne/rdzen.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSzukanie : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        MagazynUstawien::ustaw_plik(katalog_.filePath(u"ustawienia.ini"_s));
    }

    void skladanie_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("zlozony");
        QTest::newRow("polskie wielkie") << u"ŁÓDŹ ŻÓŁĆ"_s << u"lodz zolc"_s;
        QTest::newRow("polskie małe") << u"ąćęłńóśźż"_s << u"acelnoszz"_s;
        QTest::newRow("ascii") << u"Zakład 12/B"_s << u"zaklad 12/b"_s;
        QTest::newRow("inne znaki diakrytyczne") << u"Müller Čáp"_s << u"muller cap"_s;
        QTest::newRow("pusty") << QString() << QString();
    }
    void skladanie() {
        QFETCH(QString, tekst);
        QFETCH(QString, zlozony);
        QCOMPARE(zloz_do_szukania(tekst), zlozony);
    }

    void dopasowanie_data() {
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<bool>("pasuje");
        QTest::newRow("odbiorca bez polskich liter") << u"lodz"_s << true;
        QTest::newRow("odbiorca wielkimi") << u"ŁÓDŹ"_s << true;
        QTest::newRow("druga linia nazwy") << u"oddział"_s << true;
        QTest::newRow("tytuł") << u"czynsz"_s << true;
        QTest::newRow("druga linia tytułu") << u"marzec"_s << true;
        QTest::newRow("cyfry konta w grupach") << u"1090 1014"_s << true;
        QTest::newRow("cyfry konta ciągiem") << u"10901014"_s << true;
        QTest::newRow("kwota z przecinkiem") << u"120,5"_s << true;
        QTest::newRow("kwota z kropką") << u"120.50"_s << true;
        QTest::newRow("spacje wokół") << u"  lodz "_s << true;
        QTest::newRow("pusty pasuje do wszystkiego") << QString() << true;
        QTest::newRow("obcy tekst") << u"gdańsk"_s << false;
        QTest::newRow("cyfry spoza konta i kwoty") << u"5555"_s << false;
        // The blanks of a partly typed account are not digits.
        QTest::newRow("cyfry i litera") << u"1090 x"_s << false;
    }
    void dopasowanie() {
        QFETCH(QString, wpisane);
        QFETCH(bool, pasuje);
        Tprzelew p = przelew("Zakład Energetyczny Łódź", "120", "50", "Czynsz");
        p.nazwa_odbiorcy2 = Tekst<150>(w1250("Oddział Bałuty"));
        p.tytulem2 = Tekst<150>(w1250("za marzec"));
        p.lk = Tekst<2>("12");
        p.nr_banku_odbiorcy = Tekst<9>("1090 1014");
        p.nr_rach_odbiorcy = Tekst<19>("0000 0712 1981 2874");
        QCOMPARE(pasuje_do_wzorca(p, WzorzecSzukania(wpisane)), pasuje);
    }

    void ostatnie_pliki_najnowszy_pierwszy() {
        QStringList lista;
        for (int i = 1; i <= 10; ++i)
            lista = OstatniePliki::dodaj(lista, u"/dane/plik%1.p2"_s.arg(i));
        QCOMPARE(lista.size(), OstatniePliki::najwiecej);
        QCOMPARE(lista.constFirst(), u"/dane/plik10.p2"_s);
        QCOMPARE(lista.constLast(), u"/dane/plik3.p2"_s);
        // The same file reached by another path moves up instead of doubling.
        lista = OstatniePliki::dodaj(lista, u"/dane/../dane/plik5.p2"_s);
        QCOMPARE(lista.size(), OstatniePliki::najwiecej);
        QCOMPARE(lista.constFirst(), u"/dane/plik5.p2"_s);
        QCOMPARE(lista.count(u"/dane/plik5.p2"_s), 1);
        QCOMPARE(OstatniePliki::dodaj(lista, u"/dane/zły\nplik.p2"_s), lista);
        QCOMPARE(OstatniePliki::dodaj(lista, QString()), lista);
    }

    void ostatnie_pliki_przez_magazyn() {
        QVERIFY(OstatniePliki::wczytaj().isEmpty());
        const QStringList lista{u"/dane/żółw.p2"_s, u"/dane/b.vando"_s};
        QVERIFY(OstatniePliki::zapisz(lista));
        QCOMPARE(OstatniePliki::wczytaj(), lista);
    }
};

QTEST_GUILESS_MAIN(TestSzukanie)
#include "test_szukanie.moc"
