#include "register/data.h"
#include "register/kwota.h"
#include "register/przelew.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Uzupelnianie)

class TestKwota : public QObject {
    Q_OBJECT
  private slots:
    void liczba_calkowita_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("jest");
        QTest::addColumn<int>("wartosc");
        QTest::newRow("cyfry") << u"123"_s << true << 123;
        QTest::newRow("spacje z przodu") << u"  7"_s << true << 7;
        QTest::newRow("minus") << u"-5"_s << true << -5;
        QTest::newRow("plus") << u"+5"_s << true << 5;
        QTest::newRow("dolar") << u"$1F"_s << true << 31;
        QTest::newRow("0x") << u"0xff"_s << true << 255;
        QTest::newRow("X z minusem") << u"-Xa"_s << true << -10;
        QTest::newRow("najwieksza") << u"2147483647"_s << true << 2147483647;
        QTest::newRow("najmniejsza") << u"-2147483648"_s << true << int(-2147483648LL);
        QTest::newRow("za duza") << u"2147483648"_s << false << 0;
        QTest::newRow("pusty") << QString() << false << 0;
        QTest::newRow("sam znak") << u"-"_s << false << 0;
        QTest::newRow("sam prefiks") << u"0x"_s << false << 0;
        QTest::newRow("spacja na koncu") << u"5 "_s << false << 0;
        QTest::newRow("spacja w srodku") << u"1 000"_s << false << 0;
        QTest::newRow("dwa znaki") << u"--5"_s << false << 0;
        QTest::newRow("spacja po znaku") << u"- 5"_s << false << 0;
        QTest::newRow("litera") << u"12a"_s << false << 0;
        QTest::newRow("przecinek") << u"12,5"_s << false << 0;
    }
    void liczba_calkowita() {
        QFETCH(QString, tekst);
        QFETCH(bool, jest);
        QFETCH(int, wartosc);
        const auto wynik = ::liczba_calkowita(QStringView(tekst));
        QCOMPARE(wynik.has_value(), jest);
        if (jest) QCOMPARE(*wynik, wartosc);
        QCOMPARE(::liczba_calkowita(tekst.toStdString()), wynik);
    }

    // Typed and pasted amounts: złote and grosze, or a refusal with a word;
    // an amount is never cut to fit.
    void czytanie_kwoty_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("zlote");  // "-": refused
        QTest::addColumn<QString>("grosze");
        QTest::addColumn<bool>("z_przecinkiem");
        QTest::newRow("przecinek") << u"245,67"_s << u"245"_s << u"67"_s << true;
        QTest::newRow("kropka") << u"245.67"_s << u"245"_s << u"67"_s << true;
        QTest::newRow("spacja tysięcy") << u"1 234,56"_s << u"1234"_s << u"56"_s << true;
        QTest::newRow("twarda spacja i zł")
            << u"1\u00a0234,56 zł"_s << u"1234"_s << u"56"_s << true;
        QTest::newRow("PLN") << u" 1234.56 PLN "_s << u"1234"_s << u"56"_s << true;
        QTest::newRow("kropka tysięcy") << u"1.234,56"_s << u"1234"_s << u"56"_s << true;
        QTest::newRow("przecinek tysięcy") << u"1,234.56"_s << u"1234"_s << u"56"_s << true;
        QTest::newRow("same złote") << u"1234"_s << u"1234"_s << QString() << false;
        QTest::newRow("pisany przecinek") << u"245,"_s << u"245"_s << QString() << true;
        QTest::newRow("jedna cyfra groszy to dziesiątki")
            << u"12,5"_s << u"12"_s << u"50"_s << true;
        QTest::newRow("same grosze") << u",50"_s << QString() << u"50"_s << true;
        QTest::newRow("zera z przodu") << u"007"_s << u"7"_s << QString() << false;
        QTest::newRow("najwięcej") << u"999 999,99"_s << u"999999"_s << u"99"_s << true;
        QTest::newRow("siedem cyfr") << u"1234567"_s << u"-"_s << QString() << false;
        QTest::newRow("siedem cyfr z groszami")
            << u"1 234 567,00"_s << u"-"_s << QString() << false;
        QTest::newRow("trzy cyfry po przecinku") << u"1,234"_s << u"-"_s << QString() << false;
        QTest::newRow("minus") << u"-5"_s << u"-"_s << QString() << false;
        QTest::newRow("szesnastkowo") << u"x1F"_s << u"-"_s << QString() << false;
        QTest::newRow("dolar") << u"$10"_s << u"-"_s << QString() << false;
        QTest::newRow("złe grupy") << u"12 34,00"_s << u"-"_s << QString() << false;
        QTest::newRow("dwa przecinki") << u"1,2,3"_s << u"-"_s << QString() << false;
        QTest::newRow("sam przecinek") << u","_s << u"-"_s << QString() << false;
        QTest::newRow("pusty") << QString() << u"-"_s << QString() << false;
        QTest::newRow("litery") << u"abc"_s << u"-"_s << QString() << false;
    }
    void czytanie_kwoty() {
        QFETCH(QString, tekst);
        QFETCH(QString, zlote);
        QFETCH(QString, grosze);
        QFETCH(bool, z_przecinkiem);
        const OdczytKwoty odczyt = czytaj_kwote(tekst);
        if (zlote == u"-") {
            QVERIFY(!odczyt.kwota);
            QVERIFY(!odczyt.powod.isEmpty());
            return;
        }
        QVERIFY2(odczyt.kwota, qPrintable(odczyt.powod));
        QCOMPARE(odczyt.kwota->zlote, zlote);
        QCOMPARE(odczyt.kwota->grosze, grosze);
        QCOMPARE(odczyt.kwota->z_przecinkiem, z_przecinkiem);
    }

    void wpis_w_pola_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("zlote");
        QTest::addColumn<bool>("grosze");
        QTest::newRow("pusty") << QString() << true << true;
        QTest::newRow("dwie cyfry") << u"67"_s << true << true;
        QTest::newRow("trzy cyfry") << u"245"_s << true << false;
        QTest::newRow("sześć cyfr") << u"999999"_s << true << false;
        QTest::newRow("siedem cyfr") << u"1000000"_s << false << false;
        QTest::newRow("minus") << u"-5"_s << false << false;
        QTest::newRow("spacja") << u" 5"_s << false << false;
        QTest::newRow("szesnastkowo") << u"x1"_s << false << false;
    }
    void wpis_w_pola() {
        QFETCH(QString, tekst);
        QFETCH(bool, zlote);
        QFETCH(bool, grosze);
        QCOMPARE(wpis_zlotych(tekst), zlote);
        QCOMPARE(wpis_groszy(tekst), grosze);
    }

    // Stored texts from elsewhere: a bank or payment code is given only plain
    // numbers, and the message names the amount as stored.
    void kwota_zapisana_data() {
        QTest::addColumn<QByteArray>("zlote");
        QTest::addColumn<QByteArray>("grosze");
        QTest::addColumn<QString>("nie_liczba");  // empty: a number
        QTest::addColumn<qint64>("w_groszach");   // -1: none
        QTest::newRow("zwykła") << QByteArray("245") << QByteArray("67") << QString() << 24567LL;
        QTest::newRow("spacje dookoła")
            << QByteArray(" 12 ") << QByteArray("5") << QString() << 1205LL;
        QTest::newRow("puste") << QByteArray() << QByteArray() << QString() << 0LL;
        QTest::newRow("dolar") << QByteArray("$10") << QByteArray("00") << u"$10"_s << -1LL;
        QTest::newRow("x1F") << QByteArray("x1F") << QByteArray("00") << u"x1F"_s << -1LL;
        QTest::newRow("minus") << QByteArray("-1") << QByteArray("00") << u"-1"_s << -1LL;
        QTest::newRow("złe grosze") << QByteArray("10") << QByteArray("x1") << u"10,x1"_s << -1LL;
    }
    void kwota_zapisana() {
        QFETCH(QByteArray, zlote);
        QFETCH(QByteArray, grosze);
        QFETCH(QString, nie_liczba);
        QFETCH(qint64, w_groszach);
        Tprzelew p;
        p.kwota = zlote.toStdString();
        p.kwota100 = grosze.toStdString();
        QCOMPARE(kwota_nie_liczba(p).value_or(QString()), nie_liczba);
        QCOMPARE(kwota_w_groszach_liczbowo(p).value_or(-1), w_groszach);
    }

    void uzupelnianie_data() {
        QTest::addColumn<Uzupelnianie>("kontekst");
        QTest::addColumn<QString>("grosze");
        QTest::addColumn<QString>("wynik");
        const struct {
            const char* nazwa;
            Uzupelnianie kontekst;
        } konteksty[] = {{"wyjscie", Uzupelnianie::Wyjscie},
                         {"zapis", Uzupelnianie::Zapis},
                         {"druk", Uzupelnianie::Druk}};
        for (const auto& k : konteksty) {
            const bool druk = k.kontekst == Uzupelnianie::Druk;
            QTest::addRow("%s: pusty", k.nazwa) << k.kontekst << QString() << u"00"_s;
            QTest::addRow("%s: 0", k.nazwa) << k.kontekst << u"0"_s << (druk ? u"0"_s : u"00"_s);
            QTest::addRow("%s: 5", k.nazwa) << k.kontekst << u"5"_s << u"05"_s;
            QTest::addRow("%s: 50", k.nazwa) << k.kontekst << u"50"_s << u"50"_s;
            QTest::addRow("%s: 05", k.nazwa) << k.kontekst << u"05"_s << u"05"_s;
        }
    }
    void uzupelnianie() {
        QFETCH(Uzupelnianie, kontekst);
        QFETCH(QString, grosze);
        QFETCH(QString, wynik);
        QCOMPARE(uzupelnij_grosze(grosze, kontekst), wynik);
    }

    void uzupelnianie_zlotych() {
        QCOMPARE(uzupelnij_zlote(QString()), u"0"_s);
        QCOMPARE(uzupelnij_zlote(u"12"_s), u"12"_s);
    }

    void formy_data() {
        QTest::addColumn<QString>("zlote");
        QTest::addColumn<QString>("grosze");
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("druk");
        QTest::addColumn<QString>("eksport");
        QTest::addColumn<QString>("slownie");
        QTest::newRow("zwykla") << u"1234"_s << u"56"_s << u"1234,56 zł"_s << u"**1234,56"_s
                                << u"1234,56"_s << u"jed*dwatrz*czt* 56/100"_s;
        QTest::newRow("z zerem w srodku")
            << u"1205"_s << u"50"_s << u"1205,50 zł"_s << u"**1205,50"_s << u"1205,50"_s
            << u"jed*dwazer*pie* 50/100"_s;
        QTest::newRow("zero") << u"0"_s << u"00"_s << u"0,00 zł"_s << u"**0,00"_s << u"0,00"_s
                              << u"zer* 00/100"_s;
        QTest::newRow("jednoznakowe grosze") << u"12"_s << u"5"_s << u"12,05 zł"_s << u"**12,05"_s
                                             << u"12,05"_s << u"jed*dwa 5/100"_s;
        QTest::newRow("znak i spacje") << u" -7"_s << u"10"_s << u" -7,10 zł"_s << u"** -7,10"_s
                                       << u"-7,10"_s << u"sie* 10/100"_s;
    }
    void formy() {
        QFETCH(QString, zlote);
        QFETCH(QString, grosze);
        QFETCH(QString, lista);
        QFETCH(QString, druk);
        QFETCH(QString, eksport);
        QFETCH(QString, slownie);
        QCOMPARE(forma_listy(zlote, grosze), lista);
        QCOMPARE(forma_druku(zlote, grosze), druk);
        QCOMPARE(forma_eksportu(zlote, grosze), eksport);
        QCOMPARE(przygotowanie_temp_nr_rach_nadawcy(zlote, grosze), slownie);
    }

    void daty_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QDate>("data");
        QTest::newRow("z kropkami") << u"15.03.2008"_s << QDate(2008, 3, 15);
        QTest::newRow("ISO") << u"2008-03-15"_s << QDate(2008, 3, 15);
        QTest::newRow("pusty") << QString() << QDate();
        QTest::newRow("jedna spacja") << u" "_s << QDate();
        QTest::newRow("nie data") << u"jutro"_s << QDate();
        QTest::newRow("bez zer") << u"5.1.2027"_s << QDate(2027, 1, 5);
        QTest::newRow("osiem cyfr") << u"15012027"_s << QDate(2027, 1, 15);
        QTest::newRow("ISO wpisane") << u"2027-01-15"_s << QDate(2027, 1, 15);
        QTest::newRow("myślniki") << u"15-01-2027"_s << QDate();
        QTest::newRow("30 lutego") << u"30.02.2099"_s << QDate();
        QTest::newRow("13 miesiąc") << u"01.13.2027"_s << QDate();
        QTest::newRow("siedem cyfr") << u"1501202"_s << QDate();
    }
    void daty() {
        QFETCH(QString, tekst);
        QFETCH(QDate, data);
        QCOMPARE(czytaj_date(tekst).value_or(QDate()), data);
    }

    void data_w_formacie_uzytkownika_wraca_ta_sama() {
        for (const QDate d : {QDate(2000, 12, 28), QDate(1999, 1, 1), QDate(2031, 7, 9)}) {
            const QString t = tekst_daty(d);
            QVERIFY2(t.size() <= 10, qPrintable(t));
            QCOMPARE(czytaj_date(t).value_or(QDate()), d);
        }
    }
};

QTEST_GUILESS_MAIN(TestKwota)
#include "test_kwota.moc"
