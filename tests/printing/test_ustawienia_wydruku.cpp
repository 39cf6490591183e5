#include "printing/ustawienia_wydruku.h"
#include "wspolne/pomocnicze.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(UstawieniaWydruku)

namespace {

UstawieniaWydruku ustawienia(int typ, int odcinki, const char16_t* uklad, bool capitals, int mt,
                             int ml, bool oplata, const char16_t* oplata_wart, bool boxes) {
    UstawieniaWydruku u;
    u.typ_formularza = typ;
    u.ilosc_odcinkow = odcinki;
    u.uklad_strony = QString::fromUtf16(uklad);
    u.capitals = capitals;
    u.margin_top = mt;
    u.margin_left = ml;
    u.drukuj_oplate = oplata;
    u.oplata_wart = QString::fromUtf16(oplata_wart);
    u.boxes = boxes;
    return u;
}

// Something that is not a regular file: "fifo", "katalog", "urzadzenie" (a
// character device, root only), "zero" (a link to /dev/zero) or "wiszacy" (a
// link to `cel`, which does not exist).
bool utworz_nie_plik(const QString& rodzaj, const QString& sciezka, const QString& cel) {
    const QByteArray nazwa = QFile::encodeName(sciezka);
    if (rodzaj == u"fifo") return ::mkfifo(nazwa.constData(), 0600) == 0;
    if (rodzaj == u"katalog") return QDir().mkdir(sciezka);
    if (rodzaj == u"urzadzenie")
        return ::mknod(nazwa.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (rodzaj == u"zero") return QFile::link(u"/dev/zero"_s, sciezka);
    return QFile::link(cel, sciezka);
}

// What an empty [SETTINGS] section reads as: the defaults of missing keys.
UstawieniaWydruku bez_kluczy() {
    return ustawienia(2, 2, u"portrait", true, 50, 50, false, u"2,5", false);
}

}  // namespace

class TestUstawieniaWydruku : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    QString ini() const { return folder_.filePath(u"config.ini"_s); }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(folder_.isValid());
        qputenv("VANDORIA_DIR", folder_.path().toUtf8());
    }

    void init() { QFile::remove(ini()); }

    void brak_pliku() {
        const UstawieniaWydruku u = czytaj_ustawienia_wydruku();
        QCOMPARE(u, ustawienia(1, 2, u"portrait", true, 5, 5, false, u"2,50", false));
        QVERIFY(!QFile::exists(ini()));  // reading never creates it
    }

    void odczyt_data() {
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<UstawieniaWydruku>("oczekiwane");

        QTest::newRow("pusta sekcja") << QByteArray("[SETTINGS]\r\n") << bez_kluczy();
        QTest::newRow("pusty plik") << QByteArray() << bez_kluczy();
        QTest::newRow("znacznik UTF-8") << QByteArray("\xEF\xBB\xBF[SETTINGS]\nboxes=1\n") << [] {
            UstawieniaWydruku u = bez_kluczy();
            u.boxes = true;
            return u;
        }();
        QTest::newRow("inna sekcja") << QByteArray("[INNE]\nilosc_odcinkow=4\n") << bez_kluczy();
        QTest::newRow("komplet z przecinkiem")
            << QByteArray(
                   "[SETTINGS]\r\ntyp_formularza=3\r\nilosc_odcinkow=4\r\nuklad_strony="
                   "landscape\r\n"
                   "capitals=0\r\nboxes=1\r\nmargin_top=12\r\nmargin_left=7\r\ndrukuj_oplate=1\r\n"
                   "oplata_wart=12,5\r\n")
            << ustawienia(3, 4, u"landscape", false, 12, 7, true, u"12,5", true);

        auto jeden = [](const char* linia, auto zmien) {
            UstawieniaWydruku u = bez_kluczy();
            zmien(u);
            QTest::newRow(linia) << (QByteArray("[SETTINGS]\n") + linia + '\n') << u;
        };
        jeden("ilosc_odcinkow=3", [](auto&) {});
        jeden("ilosc_odcinkow=1", [](auto& u) { u.ilosc_odcinkow = 1; });
        jeden("uklad_strony=Portrait", [](auto& u) { u.uklad_strony = u"landscape"_s; });
        jeden("uklad_strony=", [](auto& u) { u.uklad_strony = u"landscape"_s; });
        jeden("margin_top=-1", [](auto&) {});
        jeden("margin_top=1001", [](auto&) {});
        jeden("margin_top=1000", [](auto& u) { u.margin_top = 1000; });
        jeden("margin_left=0", [](auto& u) { u.margin_left = 0; });
        jeden("margin_left=-1", [](auto&) {});
        jeden("margin_left=abc", [](auto&) {});
        jeden("margin_left=$14", [](auto& u) { u.margin_left = 20; });
        jeden("typ_formularza=7", [](auto& u) { u.typ_formularza = 7; });
        jeden("typ_formularza=1.5", [](auto&) {});
        jeden("capitals=5", [](auto&) {});
        jeden("capitals=nie", [](auto&) {});
        jeden("drukuj_oplate=-1", [](auto& u) { u.drukuj_oplate = true; });
        jeden("oplata_wart=2.5", [](auto&) {});
        jeden("oplata_wart=10", [](auto& u) { u.oplata_wart = u"10"_s; });
        jeden("oplata_wart=0", [](auto& u) { u.oplata_wart = u"0"_s; });
        jeden("oplata_wart=2,55", [](auto& u) { u.oplata_wart = u"2,55"_s; });
        jeden("oplata_wart=0,30000000000000004", [](auto& u) { u.oplata_wart = u"0,3"_s; });
        jeden("oplata_wart=dwa", [](auto&) {});
        jeden("  MARGIN_TOP = 8  ", [](auto& u) { u.margin_top = 8; });
        jeden("margin_top=\"9\"", [](auto& u) { u.margin_top = 9; });
        jeden("; margin_top=9", [](auto&) {});
    }

    void odczyt() {
        QFETCH(QByteArray, tresc);
        QFETCH(UstawieniaWydruku, oczekiwane);
        zapisz_plik(ini(), tresc);
        QCOMPARE(czytaj_ustawienia_wydruku(), oczekiwane);
    }

    void pierwsze_wystapienie_wygrywa() {
        zapisz_plik(ini(), "[SETTINGS]\nilosc_odcinkow=1\nilosc_odcinkow=4\n[settings]\nboxes=1\n");
        const UstawieniaWydruku u = czytaj_ustawienia_wydruku();
        QCOMPARE(u.ilosc_odcinkow, 1);
        QVERIFY(u.boxes);  // section names ignore case, as the system's INI files do
    }

    // Tens of thousands of keys, as a hand-made or damaged file may hold: the
    // nine that count are still found, and the first of a repeated key wins.
    void wiele_kluczy() {
        QByteArray tresc = "[SETTINGS]\r\nmargin_top=7\r\n";
        for (int i = 0; i < 50000; ++i) tresc += "klucz" + QByteArray::number(i) + "=1\r\n";
        tresc += "MARGIN_TOP=9\r\nboxes=1\r\n";
        zapisz_plik(ini(), tresc);
        const UstawieniaWydruku u = czytaj_ustawienia_wydruku();
        QCOMPARE(u.margin_top, 7);
        QVERIFY(u.boxes);
    }

    // Nothing past the cap is read, and a file too long to be read whole is
    // never rewritten from its beginning alone.
    void plik_ponad_limit() {
        QByteArray tresc = "[SETTINGS]\nmargin_top=7\n";
        tresc += "; " + QByteArray(PlikIni::najwiecej_bajtow, 'x') + "\nboxes=1\n";
        zapisz_plik(ini(), tresc);
        bool czytelny = false;
        const UstawieniaWydruku u = czytaj_ustawienia_wydruku(&czytelny);
        QVERIFY(czytelny);
        QCOMPARE(u.margin_top, 7);
        QVERIFY(!u.boxes);
        QVERIFY(!ZapisUstawien().zapisz_logiczna(u"capitals"_s, false));
        QCOMPARE(czytaj_plik(ini()), tresc);
    }

    // What is not a regular file is neither read (a FIFO would block) nor
    // replaced by one.
    void nie_plik_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("katalog") << u"katalog"_s;
        QTest::newRow("urządzenie") << u"urzadzenie"_s;
        QTest::newRow("link do /dev/zero") << u"zero"_s;
        QTest::newRow("wiszący link") << u"wiszacy"_s;
    }
    void nie_plik() {
        QFETCH(QString, rodzaj);
        if (!utworz_nie_plik(rodzaj, ini(), folder_.filePath(u"nie_ma.ini"_s)))
            QSKIP("nie można tu utworzyć takiego pliku (węzeł urządzenia tylko dla roota)");
        const QFileInfo przed(ini());

        QElapsedTimer czas;
        czas.start();
        bool czytelny = true;
        QCOMPARE(czytaj_ustawienia_wydruku(&czytelny),
                 ustawienia(1, 2, u"portrait", true, 5, 5, false, u"2,50", false));
        QVERIFY(!czytelny);
        QVERIFY(!ZapisUstawien().zapisz_logiczna(u"boxes"_s, true));
        QVERIFY(czas.elapsed() < 1000);

        const QFileInfo po(ini());
        QCOMPARE(po.isSymLink(), przed.isSymLink());
        QCOMPARE(po.isFile(), przed.isFile());
        QCOMPARE(po.isDir(), przed.isDir());
        QVERIFY(!QFile::exists(folder_.filePath(u"nie_ma.ini"_s)));
        if (rodzaj == u"katalog") QVERIFY(QDir().rmdir(ini()));
        if (rodzaj == u"zero") QVERIFY(QFileInfo(u"/dev/zero"_s).exists());
    }

    void tekst_liczby_data() {
        QTest::addColumn<double>("wartosc");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("2,5") << 2.5 << u"2,5"_s;
        QTest::newRow("10") << 10.0 << u"10"_s;
        QTest::newRow("0") << 0.0 << u"0"_s;
        QTest::newRow("-0") << -0.0 << u"0"_s;
        QTest::newRow("kroki po 0,1") << 0.1 + 0.2 << u"0,3"_s;
        QTest::newRow("99,9") << 99.9 << u"99,9"_s;
        QTest::newRow("2,55") << 2.55 << u"2,55"_s;
        QTest::newRow("bez wykladnika") << 0.00001 << u"0,00001"_s;
    }

    void tekst_liczby() {
        QFETCH(double, wartosc);
        QFETCH(QString, tekst);
        QCOMPARE(::tekst_liczby(wartosc), tekst);
    }

    void zapis_po_kolei_i_odczyt() {
        ZapisUstawien z;
        QVERIFY(z.zapisz_liczbe_calkowita(u"typ_formularza"_s, 3));
        QVERIFY(z.zapisz_liczbe_calkowita(u"ilosc_odcinkow"_s, 4));
        QVERIFY(z.zapisz_tekst(u"uklad_strony"_s, u"landscape"_s));
        QVERIFY(z.zapisz_logiczna(u"capitals"_s, false));
        QVERIFY(z.zapisz_logiczna(u"boxes"_s, true));
        QVERIFY(z.zapisz_liczbe_calkowita(u"margin_top"_s, 0));
        QVERIFY(z.zapisz_liczbe_calkowita(u"margin_left"_s, 20));
        QVERIFY(z.zapisz_logiczna(u"drukuj_oplate"_s, true));
        QVERIFY(z.zapisz_liczbe(u"oplata_wart"_s, 12.5));
        QCOMPARE(
            czytaj_plik(ini()),
            QByteArray(
                "[SETTINGS]\r\ntyp_formularza=3\r\nilosc_odcinkow=4\r\nuklad_strony=landscape\r\n"
                "capitals=0\r\nboxes=1\r\nmargin_top=0\r\nmargin_left=20\r\ndrukuj_oplate=1\r\n"
                "oplata_wart=12,5\r\n"));
        QCOMPARE(czytaj_ustawienia_wydruku(),
                 ustawienia(3, 4, u"landscape", false, 0, 20, true, u"12,5", true));
    }

    void zapis_zachowuje_reszte_pliku() {
        zapisz_plik(
            ini(),
            "; moje uwagi\n[INNE]\nboxes=7\n\n[Settings]\nBoxes=0\nwlasny=tak\n\n[KONIEC]\nx=1\n");
        ZapisUstawien z;
        QVERIFY(z.zapisz_logiczna(u"boxes"_s, true));
        QVERIFY(z.zapisz_liczbe_calkowita(u"margin_top"_s, 2000));
        QCOMPARE(
            czytaj_plik(ini()),
            QByteArray(
                "; moje uwagi\r\n[INNE]\r\nboxes=7\r\n\r\n[Settings]\r\nboxes=1\r\nwlasny=tak\r\n"
                "margin_top=2000\r\n\r\n[KONIEC]\r\nx=1\r\n"));
        // Written as typed; printing falls back to 50.
        QCOMPARE(czytaj_ustawienia_wydruku().margin_top, 50);
    }

    void zapis_bez_sekcji_dopisuje_ja() {
        zapisz_plik(ini(), "[INNE]\nx=1");
        QVERIFY(ZapisUstawien().zapisz_tekst(u"uklad_strony"_s, u"portrait"_s));
        QCOMPARE(czytaj_plik(ini()),
                 QByteArray("[INNE]\r\nx=1\r\n\r\n[SETTINGS]\r\nuklad_strony=portrait\r\n"));
    }

    // The preferences window stops at the first key that fails; the keys
    // before it must already be in the file.
    void nieudany_klucz_zostawia_wczesniejsze() {
        ZapisUstawien z;
        QVERIFY(z.zapisz_liczbe_calkowita(u"typ_formularza"_s, 2));
        QVERIFY(z.zapisz_liczbe_calkowita(u"ilosc_odcinkow"_s, 1));
        QFile::setPermissions(ini(), QFileDevice::ReadOwner);
        QVERIFY(!z.zapisz_tekst(u"uklad_strony"_s, u"landscape"_s));
        QFile::setPermissions(ini(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(czytaj_plik(ini()),
                 QByteArray("[SETTINGS]\r\ntyp_formularza=2\r\nilosc_odcinkow=1\r\n"));
    }

    void zapis_do_brakujacego_folderu() {
        ZapisUstawien z(folder_.filePath(u"nie/ma/config.ini"_s));
        QVERIFY(!z.zapisz_logiczna(u"boxes"_s, true));
        QVERIFY(!QFile::exists(folder_.filePath(u"nie/ma/config.ini"_s)));
    }
};

QTEST_GUILESS_MAIN(TestUstawieniaWydruku)
#include "test_ustawienia_wydruku.moc"
