// The bank import file (Elixir-0): lines byte for byte, and which orders are left out.
#include "payments/elixir.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate dzis(2026, 12, 10);

// A transfer with valid accounts on both sides.
Tprzelew przelew_do_banku(const char* odbiorca, const char* zlote, const char* grosze,
                          const char* data = "") {
    Tprzelew p = przelew(odbiorca, zlote, grosze, "Czynsz", data);
    p.tytulem2 = w1250("grudzień");
    p.lk = "61";
    p.nr_banku_odbiorcy = "1090 1014";
    p.nr_rach_odbiorcy = "0000 0712 1981 2874";
    p.nr_rach_nadawcy = "51 1140 2004 0000 3502 7456 3811";
    p.nazwa_nadawcy1 = w1250("Jan Kowalski");
    p.nazwa_nadawcy2 = w1250("ul. Długa 5, Łódź");
    return p;
}

QByteArray linia(const char* utf8) { return QByteArray::fromStdString(w1250(utf8)); }

const char* const konta = R"("51114020040000350274563811","61109010140000071219812874")";

}  // namespace

Q_DECLARE_METATYPE(Tprzelew)

class TestElixir : public QObject {
    Q_OBJECT
  private slots:
    void linia_przelewu_data() {
        QTest::addColumn<Tprzelew>("zlecenie");
        QTest::addColumn<QByteArray>("oczekiwana");
        QTest::addColumn<bool>("przycieto");
        const QByteArray konta_b(konta);

        QTest::newRow("data w przyszłości, cudzysłów w nazwie")
            << przelew_do_banku("Spółdzielnia \"Zgoda\"", "125", "50", "2027-01-15")
            << "110,20270115,12550,11402004,0," + konta_b +
                   linia(
                       R"(,"Jan Kowalski|ul. Długa 5, Łódź","Spółdzielnia Zgoda",0,10901014,"Czynsz|grudzień","","","51")") +
                   "\r\n"
            << false;
        Tprzelew z_obcego_pliku = przelew_do_banku("Jan\r\n110,Nowak", "7", "00", "15012027");
        z_obcego_pliku.tytulem1 = w1250("Faktura: 12/2026;\tzaliczka");
        QTest::newRow("złamanie wiersza i znaki zabronione, data z ośmiu cyfr")
            << z_obcego_pliku
            << "110,20270115,700,11402004,0," + konta_b +
                   linia(
                       R"(,"Jan Kowalski|ul. Długa 5, Łódź","Jan 110,Nowak",0,10901014,"Faktura 12/2026 zaliczka|grudzień","","","51")") +
                   "\r\n"
            << false;
        QTest::newRow("data miniona: dziś")
            << przelew_do_banku("Gaz", "12", "5", "2026-01-01")
            << "110,20261210,1205,11402004,0," + konta_b +
                   linia(
                       R"(,"Jan Kowalski|ul. Długa 5, Łódź","Gaz",0,10901014,"Czynsz|grudzień","","","51")") +
                   "\r\n"
            << false;
        QTest::newRow("bez daty: dziś")
            << przelew_do_banku("Gaz", "9999", "99")
            << "110,20261210,999999,11402004,0," + konta_b +
                   linia(
                       R"(,"Jan Kowalski|ul. Długa 5, Łódź","Gaz",0,10901014,"Czynsz|grudzień","","","51")") +
                   "\r\n"
            << false;
        Tprzelew dlugi = przelew_do_banku("Przedsiębiorstwo Wodociągów i Kanalizacji", "10000",
                                          "00", "10.12.2026");
        dlugi.nazwa_odbiorcy2 = w1250("a|b");
        QTest::newRow("część dłuższa niż 35 znaków, kreska w tekście")
            << dlugi
            << "110,20261210,1000000,11402004,0," + konta_b +
                   linia(
                       R"(,"Jan Kowalski|ul. Długa 5, Łódź","Przedsiębiorstwo Wodociągów i|Kanalizacji|a b",0,10901014,"Czynsz|grudzień","","","51")") +
                   "\r\n"
            << false;
        Tprzelew piec_czesci = przelew_do_banku("Gaz", "1", "00");
        piec_czesci.tytulem1 = std::string(140, 'F');
        piec_czesci.tytulem2 = "nr 7";
        QTest::newRow("tytuł ponad cztery części")
            << piec_czesci
            << "110,20261210,100,11402004,0," + konta_b +
                   linia(",\"Jan Kowalski|ul. Długa 5, Łódź\",\"Gaz\",0,10901014,\"") +
                   QByteArray(35, 'F') + "|" + QByteArray(35, 'F') + "|" + QByteArray(35, 'F') +
                   "|" + QByteArray(35, 'F') + "\",\"\",\"\",\"51\"\r\n"
            << true;
    }
    void linia_przelewu() {
        QFETCH(Tprzelew, zlecenie);
        QFETCH(QByteArray, oczekiwana);
        QFETCH(bool, przycieto);
        QCOMPARE(powod_pominiecia_elixir(zlecenie), QString());
        bool ciete = !przycieto;
        QCOMPARE(linia_elixir(zlecenie, dzis, &ciete), oczekiwana);
        QCOMPARE(ciete, przycieto);
    }

    void pominiete_data() {
        QTest::addColumn<Tprzelew>("zlecenie");
        QTest::addColumn<QString>("powod");
        Tprzelew wplata = przelew_do_banku("Urząd", "10", "00");
        wplata.czy_przelew = 0;
        QTest::newRow("wpłata") << wplata << u"wpłata gotówkowa"_s;
        Tprzelew odb_niepelny = przelew_do_banku("Urząd", "10", "00");
        odb_niepelny.nr_rach_odbiorcy = "0000 0712 1981 287 ";
        QTest::newRow("niepełny odbiorca") << odb_niepelny << u"niepełny numer rachunku odbiorcy"_s;
        Tprzelew odb_zly = przelew_do_banku("Urząd", "10", "00");
        odb_zly.lk = "16";
        QTest::newRow("zły odbiorca") << odb_zly << u"błędna suma kontrolna rachunku odbiorcy"_s;
        Tprzelew nad_pusty = przelew_do_banku("Urząd", "10", "00");
        nad_pusty.nr_rach_nadawcy = std::string(32, ' ');
        QTest::newRow("bez nadawcy") << nad_pusty << u"niepełny numer rachunku nadawcy"_s;
        Tprzelew nad_zly = przelew_do_banku("Urząd", "10", "00");
        nad_zly.nr_rach_nadawcy = "51 1140 2004 0000 3502 7456 3812";
        QTest::newRow("zły nadawca") << nad_zly << u"błędna suma kontrolna rachunku nadawcy"_s;
        QTest::newRow("kwota zero") << przelew_do_banku("Urząd", "0", "00") << u"brak kwoty"_s;
        QTest::newRow("bez kwoty") << przelew_do_banku("Urząd", "", "") << u"brak kwoty"_s;
        QTest::newRow("kwota szesnastkowa")
            << przelew_do_banku("Urząd", "$10", "00") << u"kwota „$10” nie jest liczbą"_s;
        QTest::newRow("kwota ujemna")
            << przelew_do_banku("Urząd", "-1", "00") << u"kwota „-1” nie jest liczbą"_s;
        QTest::newRow("data nieczytelna") << przelew_do_banku("Urząd", "10", "00", "15-01-2027")
                                          << u"data „15-01-2027” nie jest prawdziwym dniem"_s;
        QTest::newRow("30 lutego") << przelew_do_banku("Urząd", "10", "00", "30.02.2099")
                                   << u"data „30.02.2099” nie jest prawdziwym dniem"_s;
        QTest::newRow("nazwa z samych znaków zabronionych")
            << przelew_do_banku("\"@:;\"", "10", "00") << u"brak nazwy odbiorcy"_s;
        Tprzelew bez_tytulu = przelew_do_banku("Urząd", "10", "00");
        bez_tytulu.tytulem1 = " \t ";
        bez_tytulu.tytulem2.wyczysc();
        QTest::newRow("bez tytułu") << bez_tytulu << u"brak tytułu"_s;
    }
    void pominiete() {
        QFETCH(Tprzelew, zlecenie);
        QFETCH(QString, powod);
        QCOMPARE(powod_pominiecia_elixir(zlecenie), powod);
    }

    void plik_z_pominietymi() {
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew_do_banku("Gaz", "12", "05"));
        Tprzelew wplata = przelew_do_banku("Urząd Skarbowy", "10", "00");
        wplata.czy_przelew = 0;
        t->dopisz(wplata);
        Tprzelew zly = przelew_do_banku("Prąd", "10", "00");
        zly.lk = "16";
        t->dopisz(zly);
        t->dopisz(przelew_do_banku("Woda", "1", "00"));

        // Rows in the order given, as for a selection taken in list order.
        const PlikElixir plik = przygotuj_elixir(*t, {4, 2, 3, 1}, dzis);
        QCOMPARE(plik.zapisanych, 2);
        QCOMPARE(plik.dane, linia_elixir((*t)[4], dzis) + linia_elixir((*t)[1], dzis));
        QCOMPARE(plik.dane.count("\r\n"), 2);
        QVERIFY(plik.przyciete.isEmpty());
        QCOMPARE(opis_pominietych(*t, plik.pominiete),
                 u"Tych przelewów nie można wysłać do banku i nie będzie ich w pliku:\n"
                 u"2. Urząd Skarbowy — wpłata gotówkowa\n"
                 u"3. Prąd — błędna suma kontrolna rachunku odbiorcy"_s);
    }

    // The encoding chosen reaches every text of the line; the rest is ASCII.
    void linia_w_kodowaniu() {
        const Tprzelew p = przelew_do_banku("Łąka", "1", "00");
        const QByteArray utf8 = linia_elixir(p, dzis, nullptr, KodowanieBanku::utf8);
        QVERIFY(utf8.startsWith("110,"));
        QVERIFY(utf8.contains(u"\"Łąka\""_s.toUtf8()));
        for (const OpisKodowania& k : kodowania_banku())
            QCOMPARE(linia_elixir(p, dzis, nullptr, k.kodowanie),
                     zakoduj(QString::fromUtf8(utf8), k.kodowanie));
    }

    void nazwa_pliku_data() {
        QTest::addColumn<QString>("wybrana");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("bez rozszerzenia") << u"bank"_s << u"bank.pli"_s;
        QTest::newRow("z rozszerzeniem") << u"bank.pli"_s << u"bank.pli"_s;
        QTest::newRow("wielkie litery") << u"bank.PLI"_s << u"bank.PLI"_s;
        QTest::newRow("inne") << u"bank.txt"_s << u"bank.txt.pli"_s;
    }
    void nazwa_pliku() {
        QFETCH(QString, wybrana);
        QFETCH(QString, nazwa);
        QCOMPARE(nazwa_pliku_elixir(wybrana), nazwa);
    }
};

QTEST_MAIN(TestElixir)
#include "test_elixir.moc"
