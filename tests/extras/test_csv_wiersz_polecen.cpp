// `Vandoria --csv WYJSCIE.csv PLIK` run as a user would run it, with no display.
#include "app/glowny.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "widgets/dialogi.h"
#include "wspolne/pomocnicze.h"
#include "wspolne/program.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Wynik = WynikProgramu;

Wynik uruchom(const QStringList& argumenty) {
    return uruchom_program(QStringLiteral(VANDORIA_PROGRAM), QStringList{u"--csv"_s} + argumenty);
}

std::unique_ptr<TablicaPrzelewow> zbior() {
    auto t = std::make_unique<TablicaPrzelewow>();
    Tprzelew p = przelew("Spółdzielnia \"Zgoda\"", "125", "5", "Czynsz", "2008-03-15");
    p.nazwa_nadawcy1 = w1250("  Jan Łęcki");
    t->dopisz(p);
    Tprzelew w = przelew("Urząd", "1000", "00", "Podatek", "");
    w.czy_przelew = 0;
    t->dopisz(w);
    return t;
}

}  // namespace

class TestCsvWierszPolecen : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString sciezka(const QString& nazwa) { return katalog_.filePath(nazwa); }

  private slots:
    void takie_same_bajty_jak_z_menu_data() {
        QTest::addColumn<QString>("plik");
        QTest::newRow("p2") << u"zbior.p2"_s;
        QTest::newRow("vando") << u"zbior.vando"_s;
    }
    void takie_same_bajty_jak_z_menu() {
        QFETCH(QString, plik);
        const auto t = zbior();
        QVERIFY(zapisz_przelewy(sciezka(plik), *t, t->ilosc_el()));

        // The menu command on the same collection, as the window holds it after "Otwórz".
        QFile::remove(sciezka(u"z_menu.csv"_s));
        {
            SeamDialogow seam;
            Tglowne_okno okno;
            QCOMPARE(int(okno.rejestr.wczytaj(sciezka(plik)).stan), int(WynikOdczytu::ok));
            Dialogi::Test::wybierz_plik(sciezka(u"z_menu"_s));
            okno.EksportujdoCSV1Click();
        }
        const QByteArray z_menu = czytaj_plik(sciezka(u"z_menu.csv"_s));
        QVERIFY(
            z_menu.contains("wp\xB3"
                            "ata"));

        zapisz_plik(sciezka(u"wynik.csv"_s), "stara, dłuższa zawartość pliku wynikowego");
        const Wynik w = uruchom({sciezka(u"wynik.csv"_s), sciezka(plik)});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.bledy, QString());
        QCOMPARE(czytaj_plik(sciezka(u"wynik.csv"_s)), z_menu);
    }

    void bledy_data() {
        QTest::addColumn<QStringList>("argumenty");  // {dir} is the temporary folder
        QTest::addColumn<int>("kod");
        QTest::newRow("brak pliku") << QStringList{u"{dir}/wynik.csv"_s, u"{dir}/nie_ma.p2"_s} << 1;
        QTest::newRow("plik nieczytelny")
            << QStringList{u"{dir}/wynik.csv"_s, u"{dir}/folder.p2"_s} << 1;
        QTest::newRow("nie można zapisać")
            << QStringList{u"{dir}/nie_ma/wynik.csv"_s, u"{dir}/dobry.p2"_s} << 1;
        QTest::newRow("bez plików") << QStringList{} << 2;
        QTest::newRow("bez pliku wejściowego") << QStringList{u"{dir}/wynik.csv"_s} << 2;
    }
    void bledy() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QDir(katalog_.path()).mkpath(u"folder.p2"_s);
        const auto t = zbior();
        QVERIFY(zapisz_przelewy(sciezka(u"dobry.p2"_s), *t, t->ilosc_el()));
        QFile::remove(sciezka(u"wynik.csv"_s));
        argumenty.replaceInStrings(u"{dir}"_s, katalog_.path());

        const Wynik w = uruchom(argumenty);
        QCOMPARE(w.kod, kod);
        QVERIFY(!w.bledy.trimmed().isEmpty());
        QVERIFY(!QFile::exists(sciezka(u"wynik.csv"_s)));
    }
};

QTEST_MAIN(TestCsvWierszPolecen)
#include "test_csv_wiersz_polecen.moc"
