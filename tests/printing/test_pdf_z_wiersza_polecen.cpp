// Runs the real program with --pdf, as a user or a script would.
#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestPdfZWierszaPolecen : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString sciezka(const QString& nazwa) const { return folder_.filePath(nazwa); }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Odbiorca przelewu", "12", "5", "Czynsz"));
        Tprzelew wplata = przelew("Odbiorca wpłaty", "1205", "50", "Darowizna");
        wplata.czy_przelew = 0;
        t->dopisz(wplata);
        QVERIFY(zapisz_przelewy(sciezka(u"zlecenia.p2"_s), *t, 2));
        zapisz_plik(sciezka(u"uszkodzony.p2"_s), QByteArray(100, 'x'));
        QDir(folder_.path()).mkdir(u"katalog.p2"_s);
    }

    void uruchomienie_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("strony");  // 0: no PDF and a failure status

        const QByteArray cztery = "[SETTINGS]\nilosc_odcinkow=4\nuklad_strony=portrait\n";
        QTest::newRow("pierwszy przelew")
            << QStringList{u"--pdf"_s, u"WY"_s, u"zlecenia.p2"_s} << QByteArray() << 1;
        QTest::newRow("wplata, cztery odcinki")
            << QStringList{u"--pdf"_s, u"WY"_s, u"--przelew"_s, u"2"_s, u"zlecenia.p2"_s} << cztery
            << 2;
        QTest::newRow("plik przed opcjami")
            << QStringList{u"zlecenia.p2"_s, u"--przelew"_s, u"2"_s, u"--pdf"_s, u"WY"_s}
            << QByteArray() << 1;
        QTest::newRow("numer 0") << QStringList{u"--pdf"_s, u"WY"_s, u"--przelew"_s, u"0"_s,
                                                u"zlecenia.p2"_s}
                                 << QByteArray() << 0;
        QTest::newRow("numer za duzy")
            << QStringList{u"--pdf"_s, u"WY"_s, u"--przelew"_s, u"3"_s, u"zlecenia.p2"_s}
            << QByteArray() << 0;
        QTest::newRow("numer nie liczba")
            << QStringList{u"--pdf"_s, u"WY"_s, u"--przelew"_s, u"dwa"_s, u"zlecenia.p2"_s}
            << QByteArray() << 0;
        QTest::newRow("brak pliku")
            << QStringList{u"--pdf"_s, u"WY"_s, u"nie_ma.p2"_s} << QByteArray() << 0;
        QTest::newRow("uszkodzony plik")
            << QStringList{u"--pdf"_s, u"WY"_s, u"uszkodzony.p2"_s} << QByteArray() << 0;
        QTest::newRow("katalog zamiast pliku")
            << QStringList{u"--pdf"_s, u"WY"_s, u"katalog.p2"_s} << QByteArray() << 0;
        QTest::newRow("bez pliku") << QStringList{u"--pdf"_s, u"WY"_s} << QByteArray() << 0;
        QTest::newRow("bez wyjscia")
            << QStringList{u"zlecenia.p2"_s, u"--pdf"_s} << QByteArray() << 0;
        QTest::newRow("wyjscie w brakujacym folderze")
            << QStringList{u"--pdf"_s, u"brak/WY"_s, u"zlecenia.p2"_s} << QByteArray() << 0;
    }

    void uruchomienie() {
        QFETCH(QStringList, argumenty);
        QFETCH(QByteArray, config);
        QFETCH(int, strony);

        const QString wyjscie = sciezka(u"wynik.pdf"_s);
        QFile::remove(wyjscie);
        QFile::remove(sciezka(u"config.ini"_s));
        if (!config.isEmpty()) zapisz_plik(sciezka(u"config.ini"_s), config);
        for (QString& a : argumenty) {
            if (a.endsWith(u"WY"))
                a = sciezka(a.replace(u"WY"_s, u"wynik.pdf"_s));
            else if (a.endsWith(u".p2"))
                a = sciezka(a);
        }

        QProcess program;
        QProcessEnvironment otoczenie = QProcessEnvironment::systemEnvironment();
        otoczenie.insert(u"VANDORIA_DIR"_s, folder_.path());
        otoczenie.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(otoczenie);
        program.start(QStringLiteral(VANDORIA_EXE), argumenty);
        QVERIFY(program.waitForFinished(60000));
        const QByteArray bledy = program.readAllStandardError();

        if (strony == 0) {
            QVERIFY(program.exitCode() != 0);
            QVERIFY(!QFile::exists(wyjscie));
            QVERIFY(!bledy.trimmed().isEmpty());
        } else {
            QVERIFY2(program.exitCode() == 0, bledy.constData());
            const QByteArray pdf = czytaj_plik(wyjscie);
            QVERIFY(pdf.startsWith("%PDF"));
            QCOMPARE(pdf.count("/Type /Page\n"), strony);
        }
    }

    void plik_o_nazwie_jak_opcja_qt() {
        // Qt takes "-reverse" as its own option unless the program keeps it away.
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Odbiorca"));
        QVERIFY(zapisz_przelewy(sciezka(u"-reverse"_s), *t, 1));
        QFile::remove(sciezka(u"minus.pdf"_s));
        QProcess program;
        program.setWorkingDirectory(folder_.path());
        program.start(QStringLiteral(VANDORIA_EXE), {u"--pdf"_s, u"minus.pdf"_s, u"-reverse"_s});
        QVERIFY(program.waitForFinished(60000));
        QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
        QVERIFY(czytaj_plik(sciezka(u"minus.pdf"_s)).startsWith("%PDF"));
    }

    // A text too long for its field is named on standard error, as the
    // window's print question names it; a text that fits names nothing.
    void przepelnienie_na_standardowym_bledzie_data() {
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<bool>("ostrzezenie");
        QTest::newRow("mieści się") << u"Czynsz"_s << false;
        QTest::newRow("za długi tytuł") << QString(51, u'W') << true;
    }
    void przepelnienie_na_standardowym_bledzie() {
        QFETCH(QString, tytul);
        QFETCH(bool, ostrzezenie);
        auto t = std::make_unique<TablicaPrzelewow>();
        Tprzelew p = przelew("Odbiorca", "12", "50");
        p.tytulem1 = Tekst<150>::z_unicode(tytul);
        t->dopisz(p);
        QVERIFY(zapisz_przelewy(sciezka(u"tytul.p2"_s), *t, 1));
        QProcess program;
        program.setWorkingDirectory(folder_.path());
        program.start(QStringLiteral(VANDORIA_EXE), {u"--pdf"_s, u"tytul.pdf"_s, u"tytul.p2"_s});
        QVERIFY(program.waitForFinished(60000));
        const QString bledy = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(bledy.contains(u"„tytułem”"_s), ostrzezenie);
        QVERIFY(czytaj_plik(sciezka(u"tytul.pdf"_s)).startsWith("%PDF"));
    }

    void ponad_tysiac_przelewow_z_ostrzezeniem() {
        QByteArray duzo;
        for (int i = 0; i < 1001; ++i) {
            QByteArray r(424, '\0');
            r[0] = 1;
            r[1] = 'x';
            duzo += r;
        }
        zapisz_plik(sciezka(u"duzo.p2"_s), duzo);
        QProcess program;
        program.setWorkingDirectory(folder_.path());
        program.start(QStringLiteral(VANDORIA_EXE), {u"--pdf"_s, u"duzo.pdf"_s, u"duzo.p2"_s});
        QVERIFY(program.waitForFinished(60000));
        const QString bledy = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(bledy.contains(u"więcej niż 1000 przelewów"_s), qPrintable(bledy));
        QCOMPARE(czytaj_plik(sciezka(u"duzo.p2"_s)), duzo);
    }
};

QTEST_GUILESS_MAIN(TestPdfZWierszaPolecen)
#include "test_pdf_z_wiersza_polecen.moc"
