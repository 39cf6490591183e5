#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

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

    void nowa_nazwa_dla_wersji_2() {
        QCOMPARE(nazwa_w_wersji_2(u"/dane/konto.vando"_s), u"/dane/konto.p2"_s);
        QCOMPARE(nazwa_w_wersji_2(u"/dane/konto.dat"_s), u"/dane/konto.p2"_s);
    }
};

QTEST_GUILESS_MAIN(TestPlikiPrzelewow)
#include "test_pliki_przelewow.moc"
