// Outputs named on the command line that must never be written: each run is
// refused with a message on standard error and a failure status, and every
// input and every special file is left exactly as it was.
#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"
#include "wspolne/program.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

using Wynik = WynikProgramu;

Wynik uruchom(const QString& folder, const QStringList& argumenty) {
    return uruchom_program(QStringLiteral(VANDORIA_PROGRAM), argumenty, folder);
}

mode_t rodzaj_pliku(const QString& sciezka) {
    struct stat st {};
    if (::lstat(QFile::encodeName(sciezka).constData(), &st) != 0) return 0;
    return st.st_mode & S_IFMT;
}

}  // namespace

class TestAwarieWierszPolecen : public QObject {
    Q_OBJECT

  private slots:
    void odmowa_zapisu_data() {
        QTest::addColumn<QString>("opcja");
        QTest::addColumn<QString>("wyjscie");  // as typed, in the folder of the files
        QTest::addColumn<QString>("wejscie");
        QTest::addColumn<QString>("przygotuj");  // what the output is before the run

        for (const QString& opcja : {u"--csv"_s, u"--pdf"_s}) {
            const QByteArray o = opcja.toUtf8();
            QTest::newRow(o + " ten sam plik przez dowiazanie")
                << opcja << u"wynik.csv"_s << u"konto.p2"_s << u"dowiazanie"_s;
            QTest::newRow(o + " ten sam plik z ./")
                << opcja << u"./konto.dat"_s << u"konto.dat"_s << QString();
            QTest::newRow(o + " zamienione argumenty")
                << opcja << u"konto.p2"_s << u"wynik.csv"_s << QString();
            QTest::newRow(o + " wielkie litery .VANDO")
                << opcja << u"KOPIA.VANDO"_s << u"konto.p2"_s << QString();
            QTest::newRow(o + " FIFO") << opcja << u"fifo"_s << u"konto.p2"_s << u"fifo"_s;
            QTest::newRow(o + " urzadzenie")
                << opcja << u"/dev/null"_s << u"konto.p2"_s << QString();
            QTest::newRow(o + " dowiazanie do urzadzenia")
                << opcja << u"null"_s << u"konto.p2"_s << u"null"_s;
            QTest::newRow(o + " folder") << opcja << u"folder"_s << u"konto.p2"_s << u"folder"_s;
        }
    }
    void odmowa_zapisu() {
        QFETCH(QString, opcja);
        QFETCH(QString, wyjscie);
        QFETCH(QString, wejscie);
        QFETCH(QString, przygotuj);
        QTemporaryDir folder;
        const auto sciezka = [&](const QString& n) { return folder.filePath(n); };

        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Odbiorca", "12", "50", "Czynsz"));
        for (const QString& plik : {u"konto.p2"_s, u"konto.dat"_s, u"KOPIA.VANDO"_s})
            QVERIFY(zapisz_przelewy(sciezka(plik), *t, 1));
        if (przygotuj == u"dowiazanie") QVERIFY(QFile::link(sciezka(wejscie), sciezka(wyjscie)));
        if (przygotuj == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(sciezka(wyjscie)).constData(), 0600), 0);
        if (przygotuj == u"null") QVERIFY(QFile::link(u"/dev/null"_s, sciezka(wyjscie)));
        if (przygotuj == u"folder") QVERIFY(QDir().mkdir(sciezka(wyjscie)));

        const auto wpisy = [&] {
            return QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        };
        const QStringList wpisy_przed = wpisy();
        QMap<QString, QByteArray> przed;
        for (const QString& n : wpisy_przed)
            if (rodzaj_pliku(sciezka(n)) == S_IFREG) przed[n] = czytaj_plik(sciezka(n));
        const QString cel = QFileInfo(wyjscie).isAbsolute() ? wyjscie : sciezka(wyjscie);
        const mode_t rodzaj_celu = rodzaj_pliku(cel);

        const Wynik w = uruchom(folder.path(), {opcja, wyjscie, wejscie});
        QVERIFY2(w.kod > 0, qPrintable(w.bledy));
        QVERIFY2(w.bledy.contains(u"Plik wyjściowy"_s), qPrintable(w.bledy));
        for (auto i = przed.cbegin(); i != przed.cend(); ++i)
            QVERIFY2(czytaj_plik(sciezka(i.key())) == i.value(), qPrintable(i.key()));
        QCOMPARE(rodzaj_pliku(cel), rodzaj_celu);
        // A device is never replaced by a plain file, also when running as root.
        QCOMPARE(rodzaj_pliku(u"/dev/null"_s), mode_t(S_IFCHR));
        QCOMPARE(wpisy(), wpisy_przed);  // no temporary file, no output
    }

    // The program's own files and transfer files behind a link: every option
    // that writes refuses them, and every byte in the folder stays.
    void odmowa_plikow_programu_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("link");  // "nazwa>cel", made before the run
        const QString konto = u"konto.p2"_s;
        QTest::newRow("--kalibracja config.ini")
            << QStringList{u"--kalibracja"_s, u"config.ini"_s} << QString();
        QTest::newRow("--pdf config.ini")
            << QStringList{u"--pdf"_s, u"config.ini"_s, konto} << QString();
        QTest::newRow("--csv książka")
            << QStringList{u"--csv"_s, u"baza_odbiorcow.dat"_s, konto} << QString();
        QTest::newRow("--csv książka tytułów")
            << QStringList{u"--csv"_s, u"baza_tytulow.dat"_s, konto} << QString();
        QTest::newRow("--csv przez link do pliku przelewów")
            << QStringList{u"--csv"_s, u"raport.csv"_s, konto} << u"raport.csv>inne.p2"_s;
        QTest::newRow("--kalibracja przez link do pliku przelewów")
            << QStringList{u"--kalibracja"_s, u"link.pdf"_s} << u"link.pdf>inne.p2"_s;
        QTest::newRow("--pdf przez link do config.ini")
            << QStringList{u"--pdf"_s, u"wynik.pdf"_s, konto} << u"wynik.pdf>config.ini"_s;
        QTest::newRow("--csv przez link do pliku, którego nie ma")
            << QStringList{u"--csv"_s, u"raport.csv"_s, konto} << u"raport.csv>nowe.vando"_s;
    }
    void odmowa_plikow_programu() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, link);
        QTemporaryDir folder;
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Odbiorca", "12", "50", "Czynsz"));
        QVERIFY(zapisz_przelewy(folder.filePath(u"konto.p2"_s), *t, 1));
        QVERIFY(zapisz_przelewy(folder.filePath(u"inne.p2"_s), *t, 1));
        zapisz_plik(folder.filePath(u"config.ini"_s), "[SETTINGS]\r\ntyp_formularza=2\r\n");
        zapisz_plik(folder.filePath(u"baza_odbiorcow.dat"_s), QByteArray(335, 'a'));
        zapisz_plik(folder.filePath(u"baza_tytulow.dat"_s), QByteArray(335, 'b'));
        if (!link.isEmpty())
            QVERIFY(QFile::link(link.section(u'>', 1), folder.filePath(link.section(u'>', 0, 0))));
        const auto stan = [&] {
            QMap<QString, QByteArray> pliki;
            for (const QFileInfo& i : QDir(folder.path())
                                          .entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                         QDir::System | QDir::NoDotAndDotDot))
                pliki[i.fileName()] =
                    i.isSymLink() ? i.symLinkTarget().toUtf8() : czytaj_plik(i.filePath());
            return pliki;
        };
        const auto przed = stan();
        const Wynik w = uruchom(folder.path(), argumenty);
        QVERIFY2(w.kod > 0, qPrintable(w.bledy));
        QVERIFY2(w.bledy.contains(u"Plik wyjściowy"_s), qPrintable(w.bledy));
        QCOMPARE(stan(), przed);
    }

    void wejscie_nie_bedace_plikiem_data() {
        QTest::addColumn<QString>("opcja");
        QTest::addColumn<QString>("rodzaj");
        for (const QString& opcja : {u"--csv"_s, u"--pdf"_s})
            for (const QString& rodzaj : {u"fifo"_s, u"folder"_s, u"/dev/zero"_s})
                QTest::newRow(qPrintable(opcja + u' ' + rodzaj)) << opcja << rodzaj;
    }
    void wejscie_nie_bedace_plikiem() {
        // A FIFO would block in open() and /dev/zero never ends: both are read errors at once.
        QFETCH(QString, opcja);
        QFETCH(QString, rodzaj);
        QTemporaryDir folder;
        const QString wejscie = folder.filePath(u"konto.p2"_s);
        if (rodzaj == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(wejscie).constData(), 0600), 0);
        else if (rodzaj == u"folder")
            QVERIFY(QDir().mkdir(wejscie));
        else
            QVERIFY(QFile::link(rodzaj, wejscie));
        QElapsedTimer zegar;
        zegar.start();
        const Wynik w = uruchom(folder.path(), {opcja, u"wynik"_s, u"konto.p2"_s});
        QVERIFY2(w.kod > 0, qPrintable(w.bledy));
        QVERIFY(zegar.elapsed() < 10000);
        QVERIFY(!QFileInfo::exists(folder.filePath(u"wynik"_s)));
    }

    void minus_to_standardowe_wyjscie_data() {
        QTest::addColumn<QString>("opcja");
        QTest::newRow("csv") << u"--csv"_s;
        QTest::newRow("pdf") << u"--pdf"_s;
    }
    void minus_to_standardowe_wyjscie() {
        QFETCH(QString, opcja);
        QTemporaryDir folder;
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Spółdzielnia", "12", "50", "Czynsz"));
        QVERIFY(zapisz_przelewy(folder.filePath(u"konto.p2"_s), *t, 1));

        const Wynik w = uruchom(folder.path(), {opcja, u"-"_s, u"konto.p2"_s});
        QVERIFY2(w.kod == 0, qPrintable(w.bledy));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"-"_s)));
        const Wynik do_pliku = uruchom(folder.path(), {opcja, u"wynik"_s, u"konto.p2"_s});
        QCOMPARE(do_pliku.kod, 0);
        if (opcja == u"--csv") {
            QCOMPARE(w.wyjscie, czytaj_plik(folder.filePath(u"wynik"_s)));
            QVERIFY(
                w.wyjscie.contains("Sp\xF3\xB3"
                                   "dzielnia"));  // Windows-1250
        } else {
            QVERIFY(w.wyjscie.startsWith("%PDF"));
            QVERIFY(w.wyjscie.trimmed().endsWith("%%EOF"));
        }
    }
};

QTEST_GUILESS_MAIN(TestAwarieWierszPolecen)
#include "test_awarie_wiersz_polecen.moc"
