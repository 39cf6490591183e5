#include "register/data.h"
#include "register/kwota.h"

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

    // T is the text right after a change; the caret -1 means "left alone".
    void filtr_liczby_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("zostaje");
        QTest::addColumn<int>("kursor");
        QTest::newRow("liczba zostaje") << u"12"_s << u"12"_s << -1;
        QTest::newRow("pusty zostaje") << QString() << QString() << -1;
        QTest::newRow("litera na koncu") << u"12a"_s << u"12"_s << 2;
        QTest::newRow("x w srodku zabiera ostatnia") << u"1x23"_s << u"12"_s << 2;
        QTest::newRow("wklejone 1 000") << u"1 000"_s << u"100"_s << 3;
        QTest::newRow("minus w pustym") << u"-"_s << QString() << 0;
        QTest::newRow("minus przed cyframi") << u"-5"_s << u"-5"_s << -1;
        QTest::newRow("spacja przed cyframi") << u" 5"_s << u" 5"_s << -1;
        QTest::newRow("spacja po cyfrach") << u"5 "_s << u"5"_s << 1;
        QTest::newRow("przedrostek nie przejdzie pisaniem") << u"0x"_s << u"0"_s << 1;
        QTest::newRow("znak bez cyfr sie nie utrzyma") << u"-5a"_s << u"5"_s << 1;
        QTest::newRow("przekroczenie zakresu") << u"21474836470"_s << u"2147483647"_s << 10;
    }
    void filtr_liczby() {
        QFETCH(QString, tekst);
        QFETCH(QString, zostaje);
        QFETCH(int, kursor);
        const WynikFiltraLiczby wynik = ::filtr_liczby(tekst);
        QCOMPARE(wynik.tekst, zostaje);
        QCOMPARE(wynik.kursor.has_value(), kursor >= 0);
        if (kursor >= 0) QCOMPARE(*wynik.kursor, qsizetype(kursor));
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
