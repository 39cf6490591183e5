#include "register/tekst.h"
#include "wspolne/rdzen.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTekst : public QObject {
    Q_OBJECT
  private slots:
    void dluzszy_tekst_traci_koniec() {
        Tekst<5> t("abcdefgh");
        QCOMPARE(t.size(), 5u);
        QCOMPARE(QByteArray(t.bajty().data(), 5), QByteArray("abcde"));
        Tekst<150> imie(std::string(151, 'x'));
        QCOMPARE(imie.size(), 150u);
    }

    void kazdy_bajt_wraca_przez_unicode() {
        std::string wszystkie;
        for (int b = 1; b < 256; ++b) wszystkie.push_back(static_cast<char>(b));
        QCOMPARE(cp1250::z_unicode(cp1250::na_unicode(wszystkie)), wszystkie);
    }

    void polskie_litery_data() {
        QTest::addColumn<QString>("znak");
        QTest::addColumn<int>("bajt");
        const struct {
            const char* znak;
            int bajt;
        } przypadki[] = {{"ą", 0xB9}, {"ć", 0xE6}, {"ę", 0xEA}, {"ł", 0xB3}, {"ń", 0xF1},
                         {"ó", 0xF3}, {"ś", 0x9C}, {"ź", 0x9F}, {"ż", 0xBF}, {"Ą", 0xA5},
                         {"Ć", 0xC6}, {"Ę", 0xCA}, {"Ł", 0xA3}, {"Ń", 0xD1}, {"Ó", 0xD3},
                         {"Ś", 0x8C}, {"Ź", 0x8F}, {"Ż", 0xAF}, {"€", 0x80}};
        for (const auto& p : przypadki)
            QTest::newRow(p.znak) << QString::fromUtf8(p.znak) << p.bajt;
    }
    void polskie_litery() {
        QFETCH(QString, znak);
        QFETCH(int, bajt);
        QCOMPARE(cp1250::z_unicode(znak), std::string(1, static_cast<char>(bajt)));
        QCOMPARE(cp1250::na_unicode(std::string(1, static_cast<char>(bajt))), znak);
    }

    void znaki_spoza_strony_kodowej_znikaja() {
        QCOMPARE(cp1250::z_unicode(QString::fromUtf8("a中b😀c")), std::string("abc"));
        QVERIFY(!cp1250::da_sie_zapisac(QChar(0x4E2D)));
    }

    void wielkie_litery_data() {
        QTest::addColumn<QString>("mala");
        QTest::addColumn<QString>("wielka");
        QTest::newRow("ą") << u"ą"_s << u"Ą"_s;
        QTest::newRow("ż") << u"ż"_s << u"Ż"_s;
        QTest::newRow("ł") << u"ł"_s << u"Ł"_s;
        QTest::newRow("ś") << u"ś"_s << u"Ś"_s;
        QTest::newRow("ź") << u"ź"_s << u"Ź"_s;
        QTest::newRow("a") << u"a"_s << u"A"_s;
        QTest::newRow("ß bez wielkiej") << u"ß"_s << u"ß"_s;
        QTest::newRow("µ bez wielkiej w 1250") << u"µ"_s << u"µ"_s;
        QTest::newRow("cyfra") << u"7"_s << u"7"_s;
    }
    void wielkie_litery() {
        QFETCH(QString, mala);
        QFETCH(QString, wielka);
        const auto b = static_cast<std::uint8_t>(cp1250::z_unicode(mala)[0]);
        QCOMPARE(cp1250::na_znak(cp1250::wielka(b)), wielka[0]);
    }

    void porownanie_po_bajtach() {
        // Capital ASCII letters first, then small ones, then Polish letters.
        const Tekst<10> z("Zenon"), a("adam"), l(w1250("Łukasz")), ab("ab"), abc("abc");
        QVERIFY(z < a);
        QVERIFY(a < l);
        QVERIFY(ab < abc);
        QVERIFY(Tekst<10>() < ab);
    }

    void przycinanie() {
        QCOMPARE(przytnij(std::string_view(" \t ab c\r\n")), std::string_view("ab c"));
        QCOMPARE(przytnij(std::string_view("   ")), std::string_view());
        QCOMPARE(przytnij(u"\t x "_s), u"x"_s);
    }
};

QTEST_GUILESS_MAIN(TestTekst)
#include "test_tekst.moc"
