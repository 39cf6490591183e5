// `Vandoria --rachunek-podatkowy` run as a user would run it, with no display.
#include "wspolne/program.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestRachunekWierszPolecen : public QObject {
    Q_OBJECT

  private slots:
    void mikrorachunek_data() {
        QTest::addColumn<QString>("identyfikator");
        QTest::addColumn<QByteArray>("wyjscie");
        QTest::newRow("NIP") << u"7831916366"_s << QByteArray("56 1010 0071 2222 7831 9163 6600\n");
        QTest::newRow("NIP z łącznikami")
            << u"783-191-63-66"_s << QByteArray("56 1010 0071 2222 7831 9163 6600\n");
        QTest::newRow("PESEL") << u"44051401359"_s
                               << QByteArray("27 1010 0071 2221 4405 1401 3590\n");
    }
    void mikrorachunek() {
        QFETCH(QString, identyfikator);
        QFETCH(QByteArray, wyjscie);
        const WynikProgramu w = uruchom_program(QStringLiteral(VANDORIA_PROGRAM),
                                                {u"--rachunek-podatkowy"_s, identyfikator});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.wyjscie, wyjscie);
        QCOMPARE(w.bledy, QString());
    }

    // Every refusal: 2, a Polish reason on standard error, nothing on standard output.
    void odmowy_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("powod");
        QTest::newRow("bez identyfikatora")
            << QStringList{u"--rachunek-podatkowy"_s} << u"Użycie"_s;
        QTest::newRow("dwa identyfikatory")
            << QStringList{u"--rachunek-podatkowy"_s, u"7831916366"_s, u"44051401359"_s}
            << u"Użycie"_s;
        QTest::newRow("9 cyfr") << QStringList{u"--rachunek-podatkowy"_s, u"783191636"_s}
                                << u"ma 9 cyfr"_s;
        QTest::newRow("12 cyfr") << QStringList{u"--rachunek-podatkowy"_s, u"783191636600"_s}
                                 << u"ma 12 cyfr"_s;
        QTest::newRow("3 cyfry") << QStringList{u"--rachunek-podatkowy"_s, u"7-8-3"_s}
                                 << u"ma 3 cyfry"_s;
        QTest::newRow("litera") << QStringList{u"--rachunek-podatkowy"_s, u"78319l6366"_s}
                                << u"tylko cyfry"_s;
        QTest::newRow("pusty") << QStringList{u"--rachunek-podatkowy"_s, QString()}
                               << u"ma 0 cyfr"_s;
        QTest::newRow("NIP zła cyfra kontrolna")
            << QStringList{u"--rachunek-podatkowy"_s, u"7831916367"_s}
            << u"NIP 7831916367 ma błędną cyfrę kontrolną"_s;
        QTest::newRow("PESEL zła cyfra kontrolna")
            << QStringList{u"--rachunek-podatkowy"_s, u"44051401358"_s}
            << u"PESEL 44051401358 ma błędną cyfrę kontrolną"_s;
    }
    void odmowy() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, powod);
        const WynikProgramu w = uruchom_program(QStringLiteral(VANDORIA_PROGRAM), argumenty);
        QCOMPARE(w.kod, 2);
        QCOMPARE(w.wyjscie, QByteArray());
        QVERIFY2(w.bledy.contains(powod), qPrintable(w.bledy));
        QVERIFY(w.bledy.endsWith(u'\n'));
    }
};

QTEST_GUILESS_MAIN(TestRachunekWierszPolecen)
#include "test_rachunek_wiersz_polecen.moc"
