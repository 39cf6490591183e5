// Names and titles as banks take them: cleaning, parts of 35 characters, and
// the four encodings byte for byte.
#include "payments/tekst_bankowy.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(KodowanieBanku)

class TestTekstBankowy : public QObject {
    Q_OBJECT
  private slots:
    void czyszczenie_data() {
        QTest::addColumn<QString>("linia");
        QTest::addColumn<KodowanieBanku>("kodowanie");
        QTest::addColumn<QString>("wynik");
        const auto w1250 = KodowanieBanku::cp1250;
        QTest::newRow("CR LF nie zaczyna nowego rekordu")
            << u"Jan\r\n110,Kowalski"_s << w1250 << u"Jan 110,Kowalski"_s;
        QTest::newRow("TAB i DEL") << u"A\tB\u007fC"_s << w1250 << u"A B C"_s;
        QTest::newRow("znaki odrzucane przez banki")
            << u"Bank: \"Spółdzielczy\"; A&B @ $5 'x' + 1% | 2"_s << w1250
            << u"Bank Spółdzielczy A B 5 x 1 2"_s;
        QTest::newRow("dozwolone zostają") << u"Faktura nr 12/2026 (zaliczka), 3.5-7?"_s << w1250
                                           << u"Faktura nr 12/2026 (zaliczka), 3.5-7?"_s;
        QTest::newRow("spacje") << u"  wiele \u00a0  spacji  "_s << w1250 << u"wiele spacji"_s;
        QTest::newRow("bez znaków diakrytycznych")
            << u"Crème brûlée Erdoğan"_s << w1250 << u"Creme brulée Erdogan"_s;
        QTest::newRow("CP852 też")
            << u"Crème brûlée"_s << KodowanieBanku::cp852 << u"Creme brulée"_s;
        QTest::newRow("UTF-8 zostawia litery")
            << u"Crème Øre 東京"_s << KodowanieBanku::utf8 << u"Crème Øre 東京"_s;
        QTest::newRow("litera bez odpowiednika") << u"Øre 東京 Sp."_s << w1250 << u"re Sp."_s;
        QTest::newRow("same znaki zabronione") << u":;&@$\""_s << w1250 << QString();
    }
    void czyszczenie() {
        QFETCH(QString, linia);
        QFETCH(KodowanieBanku, kodowanie);
        QFETCH(QString, wynik);
        QCOMPARE(oczysc_linie(linia, kodowanie), wynik);
    }

    void czesci_data() {
        QTest::addColumn<QStringList>("linie");
        QTest::addColumn<QStringList>("czesci");
        QTest::addColumn<bool>("uciete");
        const QString a35(35, u'a');
        const QString b35(35, u'b');
        QTest::newRow("dwie krótkie") << QStringList{u"Jan"_s, u"Kowalski"_s}
                                      << QStringList{u"Jan"_s, u"Kowalski"_s} << false;
        QTest::newRow("pusta linia bez części")
            << QStringList{QString(), u"Kowalski"_s} << QStringList{u"Kowalski"_s} << false;
        QTest::newRow("dokładnie 35") << QStringList{a35} << QStringList{a35} << false;
        QTest::newRow("słowo 36 znaków")
            << QStringList{a35 + u'x'} << QStringList{a35, u"x"_s} << false;
        QTest::newRow("spacja na 36. miejscu")
            << QStringList{a35 + u" xyz"_s} << QStringList{a35, u"xyz"_s} << false;
        QTest::newRow("przy ostatniej spacji")
            << QStringList{u"Przedsiębiorstwo Wodociągów i Kanalizacji"_s, u"a b"_s}
            << QStringList{u"Przedsiębiorstwo Wodociągów i"_s, u"Kanalizacji"_s, u"a b"_s} << false;
        QTest::newRow("cztery pełne")
            << QStringList{a35 + b35 + a35, b35} << QStringList{a35, b35, a35, b35} << false;
        QTest::newRow("piąta ucięta") << QStringList{a35 + b35 + a35 + u" nr"_s, u"FV 12/2026"_s}
                                      << QStringList{a35, b35, a35, u"nr"_s} << true;
    }
    void czesci() {
        QFETCH(QStringList, linie);
        QFETCH(QStringList, czesci);
        QFETCH(bool, uciete);
        const Czesci c = podziel_na_czesci(linie);
        QCOMPARE(c.czesci, czesci);
        QCOMPARE(c.uciete, uciete);
    }

    void kodowania_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("bajty");
        QTest::newRow("cp1250") << u"cp1250"_s
                                << QByteArray::fromHex(
                                       "8c6cb97a616b20a3f3649f2c207a61bff3b3e620"
                                       "67ea9c6cb9206a619ff1");
        QTest::newRow("iso-8859-2") << u"iso-8859-2"_s
                                    << QByteArray::fromHex(
                                           "a66cb17a616b20a3f364bc2c207a61bff3b3"
                                           "e62067eab66cb1206a61bcf1");
        QTest::newRow("cp852") << u"CP852"_s
                               << QByteArray::fromHex(
                                      "976ca57a616b209da264ab2c207a61bea28886"
                                      "2067a9986ca5206a61abe4");
        QTest::newRow("utf-8 bez BOM")
            << u"utf-8"_s
            << QByteArray::fromHex(
                   "c59a6cc4857a616b20c581c3b364c5ba2c207a61c5bcc3b3c582c48720"
                   "67c499c59b6cc485206a61c5bac584");
    }
    void kodowania() {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, bajty);
        const std::optional<KodowanieBanku> k = kodowanie_z_nazwy(nazwa);
        QVERIFY(k);
        const QString polskie = u"Ślązak Łódź, zażółć gęślą jaźń"_s;
        QCOMPARE(oczysc_linie(polskie, *k), polskie);
        QCOMPARE(zakoduj(polskie, *k), bajty);
    }

    void nieznane_kodowanie() { QVERIFY(!kodowanie_z_nazwy(u"latin1"_s)); }
};

QTEST_GUILESS_MAIN(TestTekstBankowy)
#include "test_tekst_bankowy.moc"
