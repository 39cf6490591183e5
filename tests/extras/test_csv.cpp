#include "app/glowny.h"
#include "extras/csv.h"
#include "register/przelew.h"
#include "widgets/dialogi.h"
#include "wspolne/pomocnicze.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

#include <memory>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <csignal>
#endif

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Tprzelew)

using Dialogi::Ikona;
using Dialogi::Odpowiedz;
using Dialogi::Przyciski;

namespace {

// Windows-1250 bytes written out by hand: 0xA3 is Ł, 0xB3 ł, 0xF3 ó.
const QByteArray naglowek =
    "\"DATA\";\"TYP\";\"KWOTA\";\"TYTU\xA3"
    "EM\";\"NAZWA ODBIORCY\";\"NR RACH. ODBIORCY\";"
    "\"NAZWA NADAWCY\";\"NR RACH. NADAWCY\"\r";

Tprzelew pelny() {
    Tprzelew p;
    p.nazwa_odbiorcy1 = w1250("Spółdzielnia");
    p.nazwa_odbiorcy2 = "ul. Lipowa 3";
    p.lk = "12";
    p.nr_banku_odbiorcy = "1020 5558";
    p.nr_rach_odbiorcy = "1111 2222 3333 4444";
    p.kwota = "125";
    p.kwota100 = "50";
    p.data = "2008-03-15";
    p.nr_rach_nadawcy = "99 8888 7777 6666 5555 4444 3333";
    p.nazwa_nadawcy1 = "Jan Nowak";
    p.nazwa_nadawcy2 = "Kielce";
    p.tytulem1 = "Czynsz";
    p.tytulem2 = "za marzec";
    p.czy_przelew = 1;
    p.symbol = "51";
    p.dodatkowe = "nie eksportowane";
    return p;
}

const QByteArray linia_pelnego =
    "\"2008-03-15\";\"przelew\";\"125,50\";\"Czynsz za marzec\";\"Sp\xF3\xB3"
    "dzielnia ul. Lipowa 3\";"
    "\"12 1020 5558 1111 2222 3333 4444\";\"Jan Nowak Kielce\";\"99 8888 7777 6666 5555 4444 "
    "3333\"";

QByteArray eksport(const TablicaPrzelewow& t, int ilosc) {
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    if (!pisz_csv(bufor, t, ilosc)) return "BŁĄD";
    return bufor.data();
}

std::unique_ptr<TablicaPrzelewow> tablica(std::initializer_list<Tprzelew> przelewy) {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (const Tprzelew& p : przelewy) t->dopisz(p);
    return t;
}

}  // namespace

class TestCsv : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString sciezka(const QString& nazwa) { return katalog_.filePath(nazwa); }

  private slots:
    void init() { QVERIFY(katalog_.isValid()); }

    void pusta_tabela_to_naglowek_i_jeden_cr() {
        const auto t = tablica({});
        QCOMPARE(eksport(*t, 0), naglowek);
    }

    void linia_przelewu_data() {
        QTest::addColumn<Tprzelew>("przelew");
        QTest::addColumn<QByteArray>("linia");

        QTest::newRow("przelew 125,50 z 2008-03-15") << pelny() << linia_pelnego;

        Tprzelew p = pelny();
        p.czy_przelew = 0;
        QTest::newRow("wpłata") << p
                                << QByteArray(linia_pelnego)
                                       .replace("\"przelew\"",
                                                "\"wp\xB3"
                                                "ata\"");
        p.czy_przelew = 2;
        QTest::newRow("inna wartość to też wpłata") << p
                                                    << QByteArray(linia_pelnego)
                                                           .replace("\"przelew\"",
                                                                    "\"wp\xB3"
                                                                    "ata\"");

        p = pelny();
        p.tytulem1 = "Faktura \"A\" i \"B\"";
        p.nazwa_odbiorcy1 = "Firma \"Sp\"";
        p.nazwa_nadawcy2 = "\"Kielce\"";
        QTest::newRow("cudzysłowy podwojone")
            << p
            << QByteArray(
                   "\"2008-03-15\";\"przelew\";\"125,50\";\"Faktura \"\"A\"\" i \"\"B\"\" za "
                   "marzec\";"
                   "\"Firma \"\"Sp\"\" ul. Lipowa 3\";\"12 1020 5558 1111 2222 3333 4444\";"
                   "\"Jan Nowak \"\"Kielce\"\"\";\"99 8888 7777 6666 5555 4444 3333\"");

        p = pelny();
        p.nazwa_odbiorcy1 = "   Firma";
        p.nazwa_odbiorcy2 = "\tul. Lipowa 3 \r\n";
        p.nazwa_nadawcy1 = "  Jan Nowak  ";
        p.tytulem1 = "  Czynsz";
        p.tytulem2 = "za marzec  ";
        p.data = " 2008-3-5 ";
        p.nr_rach_nadawcy = " 99 8888 ";
        QTest::newRow("nazwy przycięte, tytuł nie")
            << p
            << QByteArray(
                   "\"2008-3-5\";\"przelew\";\"125,50\";\"  Czynsz za marzec  \";\"Firma ul. "
                   "Lipowa 3\";"
                   "\"12 1020 5558 1111 2222 3333 4444\";\"Jan Nowak Kielce\";\"99 8888\"");

        p = pelny();
        p.nazwa_odbiorcy1.wyczysc();
        p.nazwa_odbiorcy2.wyczysc();
        p.tytulem2.wyczysc();
        p.nazwa_nadawcy2.wyczysc();
        p.data.wyczysc();
        QTest::newRow("puste drugie linie zostawiają spację")
            << p
            << QByteArray(
                   "\"\";\"przelew\";\"125,50\";\"Czynsz \";\" \";\"12 1020 5558 1111 2222 3333 "
                   "4444\";"
                   "\"Jan Nowak \";\"99 8888 7777 6666 5555 4444 3333\"");

        p = pelny();
        p.kwota = " 12";
        p.kwota100 = "5";
        QTest::newRow("grosze jednym znakiem z zerem")
            << p << QByteArray(linia_pelnego).replace("\"125,50\"", "\"12,05\"");

        p = pelny();
        p.lk = "  ";
        p.nr_banku_odbiorcy = "1020";
        p.nr_rach_odbiorcy.wyczysc();
        QTest::newRow("niepełny rachunek bez przycinania")
            << p
            << QByteArray(linia_pelnego)
                   .replace("\"12 1020 5558 1111 2222 3333 4444\"", "\"   1020 \"");

        p = pelny();
        p.data = "2008\"03";
        QTest::newRow("cudzysłów w dacie nie rozrywa wiersza")
            << p << QByteArray(linia_pelnego).replace("\"2008-03-15\"", "\"2008\"\"03\"");
    }
    void linia_przelewu() {
        QFETCH(Tprzelew, przelew);
        QFETCH(QByteArray, linia);
        const auto t = tablica({przelew});
        QCOMPARE(eksport(*t, 1), naglowek + linia);
    }

    void wiersze_w_kolejnosci_tabeli_bez_cr_na_koncu() {
        Tprzelew drugi = pelny();
        drugi.nazwa_odbiorcy1 = "Drugi";
        const auto t = tablica({pelny(), drugi, pelny()});
        const QByteArray linia_drugiego = QByteArray(linia_pelnego)
                                              .replace(
                                                  "Sp\xF3\xB3"
                                                  "dzielnia",
                                                  "Drugi");
        QCOMPARE(eksport(*t, 3),
                 naglowek + linia_pelnego + '\r' + linia_drugiego + '\r' + linia_pelnego);
        QCOMPARE(eksport(*t, 2), naglowek + linia_pelnego + '\r' + linia_drugiego);
    }

    void blad_zapisu_urzadzenia_data() {
        QTest::addColumn<qint64>("granica");
        QTest::newRow("od razu") << qint64(0);
        QTest::newRow("w nagłówku") << qint64(20);
        QTest::newRow("w drugim wierszu") << qint64(naglowek.size() + linia_pelnego.size() + 30);
    }
    void blad_zapisu_urzadzenia() {
        QFETCH(qint64, granica);
        const auto t = tablica({pelny(), pelny()});
        UrzadzenieZawodne urzadzenie({}, granica);
        urzadzenie.open(QIODevice::WriteOnly);
        QVERIFY(!pisz_csv(urzadzenie, *t, 2));
    }

    void nazwa_pliku_data() {
        QTest::addColumn<QString>("wybrana");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("bez rozszerzenia") << u"raport"_s << u"raport.csv"_s;
        QTest::newRow("z rozszerzeniem") << u"raport.csv"_s << u"raport.csv"_s;
        QTest::newRow("wielkie litery") << u"raport.CSV"_s << u"raport.CSV.csv"_s;
        QTest::newRow("csv w środku") << u"raport.csv.bak"_s << u"raport.csv.bak.csv"_s;
    }
    void nazwa_pliku() {
        QFETCH(QString, wybrana);
        QFETCH(QString, nazwa);
        QCOMPARE(nazwa_pliku_csv(wybrana), nazwa);
    }

    void zapis_zastepuje_caly_stary_plik() {
        const QString plik = sciezka(u"stary.csv"_s);
        zapisz_plik(plik, QByteArray(5000, 'x'));
        const auto t = tablica({pelny()});
        QVERIFY(zapisz_csv(plik, *t, 1));
        QCOMPARE(czytaj_plik(plik), naglowek + linia_pelnego);
    }

    void nieudany_zapis_nie_niszczy_starego_pliku() {
        const QString plik = sciezka(u"tylko_do_odczytu.csv"_s);
        zapisz_plik(plik, "stare");
        QFile::setPermissions(plik, QFileDevice::ReadOwner);
        const auto t = tablica({pelny()});
        QVERIFY(!zapisz_csv(plik, *t, 1));
        QFile::setPermissions(plik, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(czytaj_plik(plik), QByteArray("stare"));
        QVERIFY(!zapisz_csv(sciezka(u"nie_ma_folderu/raport.csv"_s), *t, 1));
    }

#ifdef Q_OS_LINUX
    // The disk fills up halfway through: the old file stays whole and no
    // temporary file is left beside it.
    void pelny_dysk_w_polowie_zapisu() {
        const QString plik = sciezka(u"dysk.csv"_s);
        zapisz_plik(plik, "stare");
        auto t = std::make_unique<TablicaPrzelewow>();
        for (int i = 0; i < 200; ++i) t->dopisz(pelny());

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit stary{};
        getrlimit(RLIMIT_FSIZE, &stary);
        rlimit maly = stary;
        maly.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &maly);
        const bool zapisany = zapisz_csv(plik, *t, 200);
        setrlimit(RLIMIT_FSIZE, &stary);

        QVERIFY(!zapisany);
        QCOMPARE(czytaj_plik(plik), QByteArray("stare"));
        QCOMPARE(QDir(katalog_.path()).entryList({u"dysk*"_s}, QDir::Files),
                 QStringList{u"dysk.csv"_s});
    }
#endif

    // --- the menu command

    void polecenie_z_menu_data() {
        QTest::addColumn<QString>("wybrana");
        QTest::addColumn<QString>("zapisana");
        QTest::newRow("raport") << u"raport"_s << u"raport.csv"_s;
        QTest::newRow("raport.csv") << u"raport.csv"_s << u"raport.csv"_s;
        QTest::newRow("raport.CSV") << u"raport.CSV"_s << u"raport.CSV.csv"_s;
    }
    void polecenie_z_menu() {
        QFETCH(QString, wybrana);
        QFETCH(QString, zapisana);
        SeamDialogow seam;
        Tglowne_okno okno;
        okno.rejestr.dopisz(pelny());
        Dialogi::Test::wybierz_plik(sciezka(wybrana));
        okno.EksportujdoCSV1Click();

        QCOMPARE(czytaj_plik(sciezka(zapisana)), naglowek + linia_pelnego);
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane[0].rodzaj, u"zapisz"_s);
        QCOMPARE(pokazane[0].tekst, u"arkusz kalkulacyjny (*.csv)|*.csv"_s);
        QCOMPARE(pokazane[0].tytul, QString());  // no default extension
        QVERIFY(!okno.rejestr.zmieniony());
        QFile::remove(sciezka(zapisana));
    }

    void anulowanie_niczego_nie_pisze() {
        SeamDialogow seam;
        Tglowne_okno okno;
        Dialogi::Test::wybierz_plik({});
        okno.EksportujdoCSV1Click();
        QCOMPARE(Dialogi::Test::pokazane().size(), 1);
    }

    void pytanie_o_nadpisanie_data() {
        QTest::addColumn<Odpowiedz>("odpowiedz");
        QTest::addColumn<bool>("nadpisany");
        QTest::newRow("Tak") << Odpowiedz::Tak << true;
        QTest::newRow("Nie") << Odpowiedz::Nie << false;
    }
    void pytanie_o_nadpisanie() {
        QFETCH(Odpowiedz, odpowiedz);
        QFETCH(bool, nadpisany);
        SeamDialogow seam;
        const QString plik = sciezka(u"istniejacy.csv"_s);
        zapisz_plik(plik, "stare");
        Tglowne_okno okno;
        Dialogi::Test::wybierz_plik(plik);
        Dialogi::Test::odpowiedz(odpowiedz);
        okno.EksportujdoCSV1Click();

        QCOMPARE(czytaj_plik(plik), nadpisany ? naglowek : QByteArray("stare"));
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 2);  // nothing after the answer
        QCOMPARE(pokazane[1].tekst, u"Podany plik już istnieje.\rNadpisać?"_s);
        QCOMPARE(pokazane[1].tytul, u"Zapisz jako..."_s);
        QCOMPARE(pokazane[1].ikona, Ikona::Pytanie);
        QCOMPARE(pokazane[1].przyciski, Przyciski::TakNie);
    }

    void blad_zapisu_pokazuje_komunikat() {
        SeamDialogow seam;
        Tglowne_okno okno;
        okno.rejestr.dopisz(pelny());
        Dialogi::Test::wybierz_plik(sciezka(u"nie_ma_folderu/raport"_s));
        okno.EksportujdoCSV1Click();
        QCOMPARE(Dialogi::Test::teksty(),
                 QStringList{u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s});
        QCOMPARE(Dialogi::Test::pokazane().last().ikona, Ikona::Brak);
        QVERIFY(!QFile::exists(sciezka(u"nie_ma_folderu/raport.csv"_s)));
    }
};

QTEST_MAIN(TestCsv)
#include "test_csv.moc"
