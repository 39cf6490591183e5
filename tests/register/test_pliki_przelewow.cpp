#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "wspolne/rdzen.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A record laid out by hand from the offset tables, not by the code under test.
QByteArray rekord(int wersja, const std::string& odbiorca, const std::string& dodatkowe = {}) {
    const int linia = wersja == 2 ? 51 : 150;
    QByteArray r;
    r += slot(odbiorca, linia);
    r += slot("cd.", linia);
    r += slot("12", 2);
    r += slot("1020 5558", 9);
    r += slot("1111 2222 3333 4444", 19);
    r += slot("125", 6);
    r += slot("50", 2);
    r += slot("2008-03-15", 10);
    r += slot("99 8888 7777 6666 5555 4444 3333", 32);
    r += slot("Nadawca", linia);
    r += slot("", linia);
    r += slot("Czynsz", linia);
    r += slot("za marzec", linia);
    r += char(0);  // cash deposit
    r += slot("51", 2);
    if (wersja == 2) r += slot(dodatkowe, 20);
    return r;
}

std::unique_ptr<TablicaPrzelewow> nowa() { return std::make_unique<TablicaPrzelewow>(); }

// A stream that never ends, repeating one record; counts what was taken from it.
class ZrodloBezKonca : public QIODevice {
    Q_OBJECT

  public:
    explicit ZrodloBezKonca(QByteArray rekord) : rekord_(std::move(rekord)) {}
    bool isSequential() const override { return true; }
    qint64 pobrane = 0;

  protected:
    qint64 readData(char* dokad, qint64 ile) override {
        for (qint64 i = 0; i < ile; ++i) dokad[i] = rekord_[(pobrane + i) % rekord_.size()];
        pobrane += ile;
        return ile;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray rekord_;
};

}  // namespace

class TestPlikiPrzelewow : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString sciezka(const QString& nazwa) { return katalog_.filePath(nazwa); }

  private slots:
    void rozpoznanie_wersji_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<int>("wersja");
        QTest::newRow("p2") << u"konto.p2"_s << 2;
        QTest::newRow("vando") << u"konto.vando"_s << 1;
        QTest::newRow("bez kropki") << u"rachunkip2"_s << 2;
        QTest::newRow("wielkie P2") << u"rachunki.P2"_s << 1;
        QTest::newRow("inne") << u"konto.dat"_s << 1;
        QTest::newRow("jeden znak") << u"2"_s << 1;
        QTest::newRow("pusta") << QString() << 1;
    }
    void rozpoznanie_wersji() {
        QFETCH(QString, nazwa);
        QFETCH(int, wersja);
        QCOMPARE(typ_pliku(nazwa), wersja);
    }

    void rozmiary_rekordow() {
        QCOMPARE(rekord(1, "x").size(), 997);
        QCOMPARE(rekord(2, "x").size(), 424);
    }

    void odczyt_recznie_ulozonych_rekordow_data() {
        QTest::addColumn<int>("wersja");
        QTest::newRow("vando") << 1;
        QTest::newRow("p2") << 2;
    }
    void odczyt_recznie_ulozonych_rekordow() {
        QFETCH(int, wersja);
        QByteArray dane = rekord(wersja, w1250("Łódź Sp."), "pilne") + rekord(wersja, "Drugi", "x");
        QBuffer bufor(&dane);
        bufor.open(QIODevice::ReadOnly);
        auto t = nowa();
        (*t)[3] = przelew("stary wiersz");
        const WynikOdczytu w = czytaj_przelewy(bufor, wersja, *t);
        QCOMPARE(w.stan, WynikOdczytu::ok);
        QCOMPARE(w.wczytane, 2);
        QCOMPARE(t->ilosc_el(), 2);
        const Tprzelew& p = (*t)[1];
        QCOMPARE(p.nazwa_odbiorcy1.na_unicode(), u"Łódź Sp."_s);
        QCOMPARE(p.nazwa_odbiorcy2, "cd.");
        QCOMPARE(p.lk, "12");
        QCOMPARE(p.nr_banku_odbiorcy, "1020 5558");
        QCOMPARE(p.nr_rach_odbiorcy, "1111 2222 3333 4444");
        QCOMPARE(p.kwota, "125");
        QCOMPARE(p.kwota100, "50");
        QCOMPARE(p.data, "2008-03-15");
        QCOMPARE(p.nr_rach_nadawcy, "99 8888 7777 6666 5555 4444 3333");
        QCOMPARE(p.nazwa_nadawcy1, "Nadawca");
        QCOMPARE(p.tytulem1, "Czynsz");
        QCOMPARE(p.tytulem2, "za marzec");
        QCOMPARE(p.czy_przelew, std::uint8_t(0));
        QCOMPARE(p.symbol, "51");
        QCOMPARE(p.dodatkowe, wersja == 2 ? "pilne" : "");
        QVERIFY(!(*t)[3].obecny());
    }

    void zapis_daje_te_same_bajty() {
        for (int wersja : {1, 2}) {
            QByteArray wzor = rekord(wersja, "Odbiorca", "dod");
            QBuffer wej(&wzor);
            wej.open(QIODevice::ReadOnly);
            auto t = nowa();
            czytaj_przelewy(wej, wersja, *t);
            QByteArray wynik;
            QBuffer wyj(&wynik);
            wyj.open(QIODevice::WriteOnly);
            QVERIFY(pisz_przelewy(wyj, wersja, *t, 1));
            QCOMPARE(wynik, wzor);
        }
    }

    void kazdy_bajt_przezywa_otwarcie_i_zapis() {
        std::string wszystkie;
        for (int b = 0; b < 150; ++b) wszystkie.push_back(static_cast<char>(b));
        std::string reszta;
        for (int b = 150; b < 256; ++b) reszta.push_back(static_cast<char>(b));
        QByteArray wzor = rekord(1, wszystkie);
        wzor.replace(842 + 1, 106, QByteArray(reszta.data(), 106));  // tytulem2 slot
        wzor[842] = char(106);
        const QString plik = sciezka(u"bajty.vando"_s);
        zapisz_plik(plik, wzor);
        auto t = nowa();
        QCOMPARE(czytaj_przelewy(plik, *t).stan, WynikOdczytu::ok);
        QVERIFY(zapisz_przelewy(plik, *t, t->ilosc_el()));
        QCOMPARE(czytaj_plik(plik), wzor);
    }

    void niepelny_ogon_pominiety() {
        QByteArray dane = rekord(1, "jeden") + 'x';  // 998 bytes
        QBuffer bufor(&dane);
        bufor.open(QIODevice::ReadOnly);
        auto t = nowa();
        QCOMPARE(czytaj_przelewy(bufor, 1, *t).wczytane, 1);
        QCOMPARE(t->ilosc_el(), 1);
    }

    void pusty_plik_to_pusta_kolekcja() {
        const QString plik = sciezka(u"pusty.p2"_s);
        zapisz_plik(plik, {});
        auto t = nowa();
        (*t)[1] = przelew("stary");
        QCOMPARE(czytaj_przelewy(plik, *t).stan, WynikOdczytu::ok);
        QCOMPARE(t->ilosc_el(), 0);
        QVERIFY(zapisz_przelewy(plik, *t, 0));
        QCOMPARE(czytaj_plik(plik).size(), 0);
    }

    void za_dlugi_bajt_dlugosci() {
        QByteArray dane = rekord(2, "x");
        dane[104] = char(200);  // lk slot claims 200 characters
        QBuffer bufor(&dane);
        bufor.open(QIODevice::ReadOnly);
        auto t = nowa();
        czytaj_przelewy(bufor, 2, *t);
        QCOMPARE((*t)[1].lk, "12");
    }

    void ponad_tysiac_rekordow() {
        QByteArray dane;
        for (int i = 0; i < 1001; ++i) dane += rekord(2, std::to_string(i));
        QBuffer bufor(&dane);
        bufor.open(QIODevice::ReadOnly);
        auto t = nowa();
        const WynikOdczytu w = czytaj_przelewy(bufor, 2, *t);
        QVERIFY(w.za_duzo);
        QCOMPARE(w.wczytane, 1000);
        QCOMPARE(t->ilosc_el(), 1000);
        QCOMPARE((*t)[1000].nazwa_odbiorcy1, "999");
    }

    void nic_poza_tysiacem_nie_jest_czytane() {
        ZrodloBezKonca zrodlo(rekord(2, "bez konca"));
        zrodlo.open(QIODevice::ReadOnly);
        auto t = nowa();
        const WynikOdczytu w = czytaj_przelewy(zrodlo, 2, *t);
        QVERIFY(w.za_duzo);
        QCOMPARE(t->ilosc_el(), 1000);
        // Qt's own read-ahead buffer is the only thing taken beyond the records.
        QVERIFY(zrodlo.pobrane <= 1000 * 424 + 16384);
    }

    void wersja_wg_rozmiaru_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<qint64>("rozmiar");
        QTest::addColumn<int>("wersja");
        QTest::newRow("p2") << u"konto.p2"_s << qint64(3 * 424) << 2;
        QTest::newRow("vando") << u"konto.vando"_s << qint64(2 * 997) << 1;
        QTest::newRow("P2 z rekordami p2") << u"RACHUNKI.P2"_s << qint64(2 * 424) << 2;
        QTest::newRow("vando skopiowany z p2") << u"konto.vando"_s << qint64(5 * 424) << 2;
        QTest::newRow("p2 z rekordami vando") << u"konto.p2"_s << qint64(2 * 997) << 1;
        QTest::newRow("pusty p2") << u"konto.p2"_s << qint64(0) << 2;
        QTest::newRow("pusty vando") << u"konto.vando"_s << qint64(0) << 1;
        QTest::newRow("oba, nazwa vando") << u"konto.vando"_s << qint64(997 * 424) << 1;
        QTest::newRow("oba, nazwa p2") << u"konto.p2"_s << qint64(997 * 424) << 2;
        QTest::newRow("zaden, nazwa vando") << u"konto.vando"_s << qint64(998) << 1;
        QTest::newRow("zaden, nazwa p2") << u"konto.p2"_s << qint64(425) << 2;
    }
    void wersja_wg_rozmiaru() {
        QFETCH(QString, nazwa);
        QFETCH(qint64, rozmiar);
        QFETCH(int, wersja);
        QCOMPARE(wersja_pliku(nazwa, rozmiar), wersja);
    }

    void plik_czytany_w_wersji_swoich_bajtow() {
        // A .vando copied from a .p2 keeps its additional information and goes
        // back in the same bytes.
        const QString plik = sciezka(u"kopia.vando"_s);
        const QByteArray bajty = rekord(2, "z p2", "pilne") + rekord(2, "drugi");
        zapisz_plik(plik, bajty);
        auto t = nowa();
        const WynikOdczytu w = czytaj_przelewy(plik, *t);
        QCOMPARE(w.stan, WynikOdczytu::ok);
        QCOMPARE(w.wersja, 2);
        QCOMPARE(t->ilosc_el(), 2);
        QCOMPARE((*t)[1].dodatkowe, "pilne");
        QVERIFY(zapisz_przelewy(plik, *t, 2, w.wersja));
        QCOMPARE(czytaj_plik(plik), bajty);
    }

    void tylko_zwykle_pliki_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<int>("stan");
        QTest::newRow("FIFO") << u"fifo"_s << int(WynikOdczytu::blad_odczytu);
        QTest::newRow("folder") << u"folder"_s << int(WynikOdczytu::blad_odczytu);
        QTest::newRow("urzadzenie") << u"/dev/zero"_s << int(WynikOdczytu::blad_odczytu);
        QTest::newRow("dowiazanie do FIFO") << u"link fifo"_s << int(WynikOdczytu::blad_odczytu);
        QTest::newRow("wiszace dowiazanie") << u"link"_s << int(WynikOdczytu::brak_pliku);
    }
    void tylko_zwykle_pliki() {
        QFETCH(QString, rodzaj);
        QFETCH(int, stan);
        QTemporaryDir folder;
        const QString plik = folder.filePath(u"konto.p2"_s);
        const QString fifo = folder.filePath(u"fifo"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (rodzaj == u"fifo") QCOMPARE(::mkfifo(QFile::encodeName(plik).constData(), 0600), 0);
        if (rodzaj == u"folder") QVERIFY(QDir().mkpath(plik));
        if (rodzaj == u"/dev/zero") QVERIFY(QFile::link(rodzaj, plik));
        if (rodzaj == u"link fifo") QVERIFY(QFile::link(fifo, plik));
        if (rodzaj == u"link") QVERIFY(QFile::link(folder.filePath(u"nie_ma.p2"_s), plik));

        auto t = nowa();
        (*t)[1] = przelew("stary");
        QElapsedTimer zegar;
        zegar.start();
        QCOMPARE(int(czytaj_przelewy(plik, *t).stan), stan);
        QVERIFY(zegar.elapsed() < 1000);
        QCOMPARE((*t)[1].nazwa_odbiorcy1, "stary");
    }

    void blad_w_polowie_nie_miesza_kolekcji() {
        QByteArray dane = rekord(1, "pierwszy") + rekord(1, "drugi") + rekord(1, "trzeci");
        UrzadzenieZawodne urzadzenie(dane, 997 + 500);
        urzadzenie.open(QIODevice::ReadOnly);
        auto t = nowa();
        for (int i = 1; i <= 5; ++i) (*t)[i] = przelew("stara kolekcja");
        const WynikOdczytu w = czytaj_przelewy(urzadzenie, 1, *t);
        QCOMPARE(w.stan, WynikOdczytu::blad_odczytu);
        QCOMPARE(t->ilosc_el(), 1);
        QCOMPARE((*t)[1].nazwa_odbiorcy1, "pierwszy");
        QVERIFY(!(*t)[3].obecny());
    }

    void zaokraglenie_linii_w_p2() {
        auto t = nowa();
        Tprzelew p = przelew(std::string(60, 'n').c_str());
        p.dodatkowe = "zostaje w p2";
        t->dopisz(p);
        const QString p2 = sciezka(u"r.p2"_s), v1 = sciezka(u"r.vando"_s);
        QVERIFY(zapisz_przelewy(p2, *t, 1));
        QVERIFY(zapisz_przelewy(v1, *t, 1));
        QCOMPARE(czytaj_plik(p2).size(), 424);
        QCOMPARE(czytaj_plik(v1).size(), 997);
        auto z_p2 = nowa();
        czytaj_przelewy(p2, *z_p2);
        QCOMPARE((*z_p2)[1].nazwa_odbiorcy1.size(), 51u);
        QCOMPARE((*z_p2)[1].dodatkowe, "zostaje w p2");
        auto z_v1 = nowa();
        czytaj_przelewy(v1, *z_v1);
        QCOMPARE((*z_v1)[1].nazwa_odbiorcy1.size(), 60u);
        QCOMPARE((*z_v1)[1].dodatkowe, "");
    }

    void nieudany_zapis_zostawia_stary_plik() {
        QVERIFY(QDir(katalog_.path()).mkpath(u"osobny"_s));
        const QString plik = sciezka(u"osobny/stary.p2"_s);
        const QByteArray stare = rekord(2, "stary");
        zapisz_plik(plik, stare);
        auto t = nowa();
        t->dopisz(przelew("nowy"));

        // read-only file: opens, but is not replaced
        QFile::setPermissions(plik, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        auto odczyt = nowa();
        QCOMPARE(czytaj_przelewy(plik, *odczyt).stan, WynikOdczytu::ok);
        QVERIFY(!zapisz_przelewy(plik, *t, 1));
        QCOMPARE(czytaj_plik(plik), stare);
        QFile::setPermissions(plik, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QVERIFY(!zapisz_przelewy(sciezka(u"brak/folderu.p2"_s), *t, 1));
        QCOMPARE(QDir(katalog_.filePath(u"osobny"_s)).entryList(QDir::Files),
                 QStringList{u"stary.p2"_s});
    }

    void blad_zapisu_urzadzenia() {
        auto t = nowa();
        t->dopisz(przelew("a"));
        t->dopisz(przelew("b"));
        UrzadzenieZawodne urzadzenie({}, 600);
        urzadzenie.open(QIODevice::WriteOnly);
        QVERIFY(!pisz_przelewy(urzadzenie, 1, *t, 2));

        QFile pelny(u"/dev/full"_s);
        if (pelny.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QVERIFY(!pisz_przelewy(pelny, 2, *t, 2));
    }

    void dodatkowe_informacje_data() {
        QTest::addColumn<QString>("dodatkowe");
        QTest::addColumn<bool>("pytac");
        QTest::newRow("puste") << QString() << false;
        QTest::newRow("spacje") << u"   "_s << false;
        QTest::newRow("tekst") << u" pilne "_s << true;
    }
    void dodatkowe_informacje() {
        QFETCH(QString, dodatkowe);
        QFETCH(bool, pytac);
        auto t = nowa();
        Tprzelew p = przelew("a");
        p.dodatkowe = Tekst<20>::z_unicode(dodatkowe);
        t->dopisz(p);
        QCOMPARE(ma_dodatkowe_informacje(*t, 1), pytac);
    }

    void teksty_do_obciecia_data() {
        QTest::addColumn<int>("wersja");
        QTest::addColumn<int>("dlugosc");    // of the long lines
        QTest::addColumn<int>("linii");      // how many of the six name and title lines
        QTest::addColumn<int>("przelewow");  // orders with such lines
        QTest::addColumn<int>("ile");
        QTest::newRow("krotkie") << 2 << 20 << 6 << 2 << 0;
        QTest::newRow("dokladnie 51") << 2 << 51 << 6 << 1 << 0;
        QTest::newRow("52 w jednej linii") << 2 << 52 << 1 << 1 << 1;
        QTest::newRow("wszystkie linie dwoch przelewow") << 2 << 150 << 6 << 2 << 12;
        QTest::newRow("wersja 1 miesci 150") << 1 << 150 << 6 << 2 << 0;
    }
    void teksty_do_obciecia() {
        QFETCH(int, wersja);
        QFETCH(int, dlugosc);
        QFETCH(int, linii);
        QFETCH(int, przelewow);
        QFETCH(int, ile);
        auto t = nowa();
        const std::string dlugi(static_cast<std::size_t>(dlugosc), 'x');
        for (int i = 0; i < przelewow; ++i) {
            Tprzelew p = przelew("krotki");
            Tekst<150>* linie[] = {&p.nazwa_odbiorcy1, &p.nazwa_odbiorcy2, &p.nazwa_nadawcy1,
                                   &p.nazwa_nadawcy2,  &p.tytulem1,        &p.tytulem2};
            for (int l = 0; l < linii; ++l) *linie[l] = dlugi;
            t->dopisz(p);
        }
        // Orders after the count are not written, so they are not counted.
        (*t)[przelewow + 2] = przelew(std::string(80, 'z').c_str());
        QCOMPARE(ile_tekstow_za_dlugich(*t, t->ilosc_el(), wersja), ile);
    }

    void nowa_nazwa_dla_wersji_2() {
        QCOMPARE(nazwa_w_wersji_2(u"/dane/konto.vando"_s), u"/dane/konto.p2"_s);
        QCOMPARE(nazwa_w_wersji_2(u"/dane/konto.dat"_s), u"/dane/konto.p2"_s);
    }
};

QTEST_GUILESS_MAIN(TestPlikiPrzelewow)
#include "test_pliki_przelewow.moc"
