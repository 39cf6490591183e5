// `Vandoria --qr` and `Vandoria --elixir` run as a user would run them, with no display.
#include "payments/elixir.h"
#include "payments/kod_platnosci.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"
#include "wspolne/program.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Wynik = WynikProgramu;

Wynik uruchom(const QStringList& argumenty) {
    return uruchom_program(QStringLiteral(VANDORIA_PROGRAM), argumenty);
}

Tprzelew do_banku(const char* odbiorca, const char* zlote) {
    Tprzelew p = przelew(odbiorca, zlote, "00", "Faktura 12/2026");
    p.lk = "61";
    p.nr_banku_odbiorcy = "1090 1014";
    p.nr_rach_odbiorcy = "0000 0712 1981 2874";
    p.nr_rach_nadawcy = "51 1140 2004 0000 3502 7456 3811";
    p.nazwa_nadawcy1 = w1250("Jan Łęcki");
    return p;
}

// 1: a transfer; 2: a cash deposit; 3: an incomplete account.
std::unique_ptr<TablicaPrzelewow> zbior() {
    auto t = std::make_unique<TablicaPrzelewow>();
    t->dopisz(do_banku("Spółdzielnia Łąka", "125"));
    Tprzelew w = do_banku("Urząd", "1000");
    w.czy_przelew = 0;
    t->dopisz(w);
    Tprzelew n = do_banku("Gaz", "10");
    n.lk = " 1";
    t->dopisz(n);
    return t;
}

QString zbarimg_odczyt(const QString& obraz) {
    QProcess proces;
    proces.start(QStandardPaths::findExecutable(u"zbarimg"_s),
                 {u"--raw"_s, u"-q"_s, u"-Sbinary"_s, obraz});
    proces.waitForFinished(30000);
    // -Sbinary gives the bytes as stored, with no line end after them.
    return QString::fromUtf8(proces.readAllStandardOutput());
}

}  // namespace

class TestEksportWierszPolecen : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString sciezka(const QString& nazwa) { return katalog_.filePath(nazwa); }

  private slots:
    void init() {
        const auto t = zbior();
        QVERIFY(zapisz_przelewy(sciezka(u"zbior.p2"_s), *t, t->ilosc_el()));
        auto wplaty = std::make_unique<TablicaPrzelewow>();
        wplaty->dopisz((*t)[2]);
        QVERIFY(zapisz_przelewy(sciezka(u"same_wplaty.p2"_s), *wplaty, 1));
    }

    void elixir_zapisuje_przelewy_i_wymienia_pominiete() {
        const Wynik w = uruchom({u"--elixir"_s, sciezka(u"bank.pli"_s), sciezka(u"zbior.p2"_s)});
        QCOMPARE(w.kod, 0);
        const auto t = zbior();
        QCOMPARE(czytaj_plik(sciezka(u"bank.pli"_s)), linia_elixir((*t)[1], QDate::currentDate()));
        QVERIFY2(w.bledy.contains(u"2. Urząd — wpłata gotówkowa"_s), qPrintable(w.bledy));
        QVERIFY2(w.bledy.contains(u"3. Gaz — niepełny numer rachunku odbiorcy"_s),
                 qPrintable(w.bledy));
    }

    // The encoding named before the files; every skipped order on standard
    // error with its reason, the rest written, and success.
    void elixir_w_kodowaniu_i_powody_data() {
        QTest::addColumn<QString>("kodowanie");
        QTest::addColumn<int>("wartosc");  // KodowanieBanku
        QTest::newRow("domyślne") << QString() << int(KodowanieBanku::cp1250);
        QTest::newRow("cp1250") << u"cp1250"_s << int(KodowanieBanku::cp1250);
        QTest::newRow("iso-8859-2") << u"iso-8859-2"_s << int(KodowanieBanku::iso8859_2);
        QTest::newRow("cp852") << u"cp852"_s << int(KodowanieBanku::cp852);
        QTest::newRow("utf-8") << u"UTF-8"_s << int(KodowanieBanku::utf8);
    }
    void elixir_w_kodowaniu_i_powody() {
        QFETCH(QString, kodowanie);
        QFETCH(int, wartosc);
        auto t = zbior();
        t->dopisz(do_banku("Prąd", "$10"));
        Tprzelew nieczytelna = do_banku("Woda", "5");
        nieczytelna.data = "15-01-2027";
        t->dopisz(nieczytelna);
        Tprzelew bez_tytulu = do_banku("Śmieci", "5");
        bez_tytulu.tytulem1 = "\"@;";
        t->dopisz(bez_tytulu);
        QVERIFY(zapisz_przelewy(sciezka(u"obce.p2"_s), *t, t->ilosc_el()));

        QStringList argumenty{u"--elixir"_s};
        if (!kodowanie.isEmpty()) argumenty << u"--kodowanie"_s << kodowanie;
        argumenty << sciezka(u"bank.pli"_s) << sciezka(u"obce.p2"_s);
        const Wynik w = uruchom(argumenty);
        QCOMPARE(w.kod, 0);
        QCOMPARE(czytaj_plik(sciezka(u"bank.pli"_s)),
                 linia_elixir((*t)[1], QDate::currentDate(), nullptr, KodowanieBanku(wartosc)));
        for (const QString& powod :
             {u"2. Urząd — wpłata gotówkowa"_s, u"3. Gaz — niepełny numer rachunku odbiorcy"_s,
              u"4. Prąd — kwota „$10” nie jest liczbą"_s,
              u"5. Woda — data „15-01-2027” nie jest prawdziwym dniem"_s,
              u"6. Śmieci — brak tytułu"_s})
            QVERIFY2(w.bledy.contains(powod), qPrintable(w.bledy));
    }

    void elixir_na_standardowe_wyjscie() {
        const Wynik w = uruchom({u"--elixir"_s, u"-"_s, sciezka(u"zbior.p2"_s)});
        QCOMPARE(w.kod, 0);
        QVERIFY(w.wyjscie.startsWith("110,"));
        QVERIFY(w.wyjscie.endsWith("\"51\"\r\n"));
    }

    void qr_png_odczytany_i_svg_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("png") << u"kod.png"_s;
        QTest::newRow("svg") << u"kod.SVG"_s;
    }
    void qr_png_odczytany_i_svg() {
        QFETCH(QString, nazwa);
        const Wynik w =
            uruchom({u"--qr"_s, sciezka(nazwa), u"--przelew"_s, u"1"_s, sciezka(u"zbior.p2"_s)});
        QCOMPARE(w.kod, 0);
        const QByteArray dane = czytaj_plik(sciezka(nazwa));
        if (nazwa.endsWith(u".SVG"_s)) {
            QVERIFY(dane.contains("<svg"));
            return;
        }
        QVERIFY(dane.startsWith("\x89PNG"));
        if (QStandardPaths::findExecutable(u"zbarimg"_s).isEmpty())
            QSKIP("zbarimg (zbar-tools) nie jest zainstalowany");
        const auto t = zbior();
        QCOMPARE(zbarimg_odczyt(sciezka(nazwa)), kod_platnosci((*t)[1]).tresc);
    }

    // Refusals: a wrong call is 2, a file or order that cannot be used is 1;
    // nothing is written either way.
    void odmowy_data() {
        QTest::addColumn<QStringList>("argumenty");  // {dir} is the temporary folder
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("niezapisany");
        QTest::newRow("qr bez pliku")
            << QStringList{u"--qr"_s, u"{dir}/k.png"_s} << 2 << u"k.png"_s;
        QTest::newRow("qr zły numer")
            << QStringList{u"--qr"_s, u"{dir}/k.png"_s, u"--przelew"_s, u"x"_s, u"{dir}/zbior.p2"_s}
            << 2 << u"k.png"_s;
        QTest::newRow("qr numer poza zbiorem")
            << QStringList{u"--qr"_s, u"{dir}/k.png"_s, u"--przelew"_s, u"4"_s, u"{dir}/zbior.p2"_s}
            << 1 << u"k.png"_s;
        QTest::newRow("qr niepełny rachunek")
            << QStringList{u"--qr"_s, u"{dir}/k.png"_s, u"--przelew"_s, u"3"_s, u"{dir}/zbior.p2"_s}
            << 1 << u"k.png"_s;
        QTest::newRow("qr brak zbioru")
            << QStringList{u"--qr"_s, u"{dir}/k.png"_s, u"{dir}/nie_ma.p2"_s} << 1 << u"k.png"_s;
        QTest::newRow("qr na plik przelewów")
            << QStringList{u"--qr"_s, u"{dir}/inny.p2"_s, u"{dir}/zbior.p2"_s} << 2 << u"inny.p2"_s;
        QTest::newRow("elixir bez argumentów") << QStringList{u"--elixir"_s} << 2 << u"b.pli"_s;
        QTest::newRow("elixir nieznane kodowanie")
            << QStringList{u"--elixir"_s, u"--kodowanie"_s, u"latin1"_s, u"{dir}/b.pli"_s,
                           u"{dir}/zbior.p2"_s}
            << 2 << u"b.pli"_s;
        QTest::newRow("elixir kodowanie po plikach")
            << QStringList{u"--elixir"_s, u"{dir}/b.pli"_s, u"{dir}/zbior.p2"_s, u"--kodowanie"_s,
                           u"cp852"_s}
            << 2 << u"b.pli"_s;
        QTest::newRow("elixir nic do wysłania")
            << QStringList{u"--elixir"_s, u"{dir}/b.pli"_s, u"{dir}/same_wplaty.p2"_s} << 1
            << u"b.pli"_s;
        QTest::newRow("elixir brak zbioru")
            << QStringList{u"--elixir"_s, u"{dir}/b.pli"_s, u"{dir}/nie_ma.p2"_s} << 1
            << u"b.pli"_s;
        QTest::newRow("elixir na plik przelewów")
            << QStringList{u"--elixir"_s, u"{dir}/b.vando"_s, u"{dir}/zbior.p2"_s} << 2
            << u"b.vando"_s;
        QTest::newRow("elixir do folderu")
            << QStringList{u"--elixir"_s, u"{dir}/folder"_s, u"{dir}/zbior.p2"_s} << 2
            << u"folder/x"_s;
    }
    void odmowy() {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, niezapisany);
        QDir(katalog_.path()).mkpath(u"folder"_s);
        argumenty.replaceInStrings(u"{dir}"_s, katalog_.path());
        const Wynik w = uruchom(argumenty);
        QCOMPARE(w.kod, kod);
        QVERIFY(!w.bledy.trimmed().isEmpty());
        QVERIFY(!QFile::exists(sciezka(niezapisany)));
    }

    // The output named as the input: the collection must survive untouched.
    void wyjscie_rowne_wejsciu_data() {
        QTest::addColumn<QString>("opcja");
        QTest::newRow("qr") << u"--qr"_s;
        QTest::newRow("elixir") << u"--elixir"_s;
    }
    void wyjscie_rowne_wejsciu() {
        QFETCH(QString, opcja);
        const QByteArray przed = czytaj_plik(sciezka(u"zbior.p2"_s));
        QVERIFY(QFile::link(sciezka(u"zbior.p2"_s), sciezka(u"dowiazanie.png"_s)));
        const Wynik w = uruchom({opcja, sciezka(u"dowiazanie.png"_s), sciezka(u"zbior.p2"_s)});
        QCOMPARE(w.kod, 2);
        QCOMPARE(czytaj_plik(sciezka(u"zbior.p2"_s)), przed);
        QFile::remove(sciezka(u"dowiazanie.png"_s));
    }
};

QTEST_MAIN(TestEksportWierszPolecen)
#include "test_eksport_wiersz_polecen.moc"
