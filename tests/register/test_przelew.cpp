#include "register/kwota.h"
#include "register/przelew.h"
#include "register/rejestr.h"
#include "register/sortowanie.h"
#include "wspolne/rdzen.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<TablicaPrzelewow> tablica(std::initializer_list<Tprzelew> wiersze) {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (const auto& w : wiersze) t->dopisz(w);
    return t;
}

QStringList odbiorcy(const TablicaPrzelewow& t) {
    QStringList wynik;
    for (int i = 1; i <= t.ilosc_el(); ++i) wynik << t[i].nazwa_odbiorcy1.na_unicode();
    return wynik;
}

QStringList kwoty(const TablicaPrzelewow& t) {
    QStringList wynik;
    for (int i = 1; i <= t.ilosc_el(); ++i) wynik << forma_listy(t[i]);
    return wynik;
}

// The rule as written: n - 1 passes of adjacent exchanges, descending, then
// ascending only when nothing moved. The program's sort must agree with it.
void sortuj_babelkowo(TablicaPrzelewow& t, auto mniejszy) {
    const int n = t.ilosc_el();
    int zamiany = 0;
    for (int p = 1; p < n; ++p)
        for (int j = 1; j < n; ++j)
            if (mniejszy(t[j], t[j + 1])) {
                t.sortowanie(j);
                ++zamiany;
            }
    if (zamiany) return;
    for (int p = 1; p < n; ++p)
        for (int j = 1; j < n; ++j)
            if (mniejszy(t[j + 1], t[j])) t.sortowanie(j);
}

}  // namespace

class TestPrzelew : public QObject {
    Q_OBJECT
  private slots:
    void tablica_poza_stosem() {
        // A table kept in a local variable or in a window on the stack must not
        // take a 1 MB thread stack.
        QVERIFY(sizeof(TablicaPrzelewow) < 1024);
        QVERIFY(sizeof(Rejestr) < 4096);
        TablicaPrzelewow a;
        a.dopisz(przelew("pierwsza"));
        TablicaPrzelewow b = a;
        b[1] = przelew("druga");
        QCOMPARE(a[1].nazwa_odbiorcy1, "pierwsza");
        a = b;
        b[1] = przelew("trzecia");
        QCOMPARE(a[1].nazwa_odbiorcy1, "druga");
        TablicaPrzelewow c = std::move(a);
        QCOMPARE(c[1].nazwa_odbiorcy1, "druga");
    }

    void liczenie() {
        auto t = tablica({});
        QCOMPARE(t->ilosc_el(), 0);
        (*t)[1].kwota100 = "5";  // any of the four key fields makes a row present
        QCOMPARE(t->ilosc_el(), 1);
        (*t)[3] = przelew("po przerwie");
        QCOMPARE(t->ilosc_el(), 1);  // an empty row in between ends the collection
        (*t)[2].tytulem1 = "tytul";
        (*t)[2].nr_rach_nadawcy = "12";
        QCOMPARE(t->ilosc_el(), 1);
        (*t)[2].lk = "  ";  // a stored order always has its 2-character lk
        QCOMPARE(t->ilosc_el(), 3);
    }

    void pelna_tablica() {
        auto t = std::make_unique<TablicaPrzelewow>();
        for (int i = 0; i < 1000; ++i) QVERIFY(t->dopisz(przelew("x")));
        QCOMPARE(t->ilosc_el(), 1000);
        QVERIFY(t->pelna());
        QVERIFY(!t->dopisz(przelew("tysiąc pierwszy")));
        QCOMPARE(t->ilosc_el(), 1000);
    }

    void usuwanie() {
        auto t = tablica({przelew("a"), przelew("b"), przelew("c")});
        t->usun(4);  // nothing selected
        QCOMPARE(odbiorcy(*t), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
        t->usun(3);
        QCOMPARE(odbiorcy(*t), (QStringList{u"a"_s, u"b"_s}));
        QVERIFY(!(*t)[3].obecny());
        t->usun(1);
        QCOMPARE(odbiorcy(*t), (QStringList{u"b"_s}));
    }

    void zamiana_przenosi_wszystkie_pola() {
        Tprzelew a = przelew("a"), b = przelew("b");
        a.czy_przelew = 0;
        a.symbol = "51";
        a.dodatkowe = "dodatkowe a";
        auto t = tablica({a, b});
        t->sortowanie(1);
        QVERIFY((*t)[2] == a);
        QVERIFY((*t)[1] == b);
    }

    void sortowanie_kolumn_data() {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<QStringList>("przed");
        QTest::addColumn<QStringList>("po_pierwszym");
        QTest::addColumn<QStringList>("po_drugim");
        // Polish alphabetical order, case ignored: Ł after L, before M; Z, Ź, Ż last.
        QTest::newRow("Odbiorca, Ł miedzy L a M")
            << 0 << QStringList{u"Zenon"_s, u"adam"_s, u"Łukasz"_s}
            << QStringList{u"Zenon"_s, u"Łukasz"_s, u"adam"_s}
            << QStringList{u"adam"_s, u"Łukasz"_s, u"Zenon"_s};
        QTest::newRow("Odbiorca, litery z ogonkami")
            << 0 << QStringList{u"Ala"_s,   u"Źrebię"_s, u"Ąbc"_s, u"Żuk"_s,
                                u"zenon"_s, u"Łoś"_s,    u"Lis"_s, u"Mak"_s}
            << QStringList{u"Żuk"_s, u"Źrebię"_s, u"zenon"_s, u"Mak"_s,
                           u"Łoś"_s, u"Lis"_s,    u"Ąbc"_s,   u"Ala"_s}
            << QStringList{u"Ala"_s, u"Ąbc"_s,   u"Lis"_s,    u"Łoś"_s,
                           u"Mak"_s, u"zenon"_s, u"Źrebię"_s, u"Żuk"_s};
        QTest::newRow("Odbiorca, wielkosc liter bez znaczenia")
            << 0 << QStringList{u"Beata"_s, u"ewa"_s, u"Ewa"_s, u"EWA"_s}
            << QStringList{u"ewa"_s, u"Ewa"_s, u"EWA"_s, u"Beata"_s}
            << QStringList{u"Beata"_s, u"ewa"_s, u"Ewa"_s, u"EWA"_s};
        QTest::newRow("Tytulem") << 1 << QStringList{u"Czynsz"_s, u"Ćwiczenia"_s, u"czesne"_s}
                                 << QStringList{u"Ćwiczenia"_s, u"Czynsz"_s, u"czesne"_s}
                                 << QStringList{u"czesne"_s, u"Czynsz"_s, u"Ćwiczenia"_s};
    }
    void sortowanie_kolumn() {
        QFETCH(int, kolumna);
        QFETCH(QStringList, przed);
        QFETCH(QStringList, po_pierwszym);
        QFETCH(QStringList, po_drugim);
        auto t = std::make_unique<TablicaPrzelewow>();
        for (const QString& tekst : przed) {
            Tprzelew p = przelew(tekst.toUtf8().constData());
            p.tytulem1 = Tekst<150>::z_unicode(tekst);
            t->dopisz(p);
        }
        sortuj_po_kolumnie(*t, kolumna);
        QCOMPARE(odbiorcy(*t), po_pierwszym);
        sortuj_po_kolumnie(*t, kolumna);
        QCOMPARE(odbiorcy(*t), po_drugim);
    }

    void sortowanie_kwot() {
        auto t =
            tablica({przelew("a", "5", "00"), przelew("b", "120", "50"), przelew("c", "30", "00")});
        sortuj_po_kolumnie(*t, 3);
        QCOMPARE(kwoty(*t), (QStringList{u"120,50 zł"_s, u"30,00 zł"_s, u"5,00 zł"_s}));
        sortuj_po_kolumnie(*t, 3);
        QCOMPARE(kwoty(*t), (QStringList{u"5,00 zł"_s, u"30,00 zł"_s, u"120,50 zł"_s}));
        sortuj_po_kolumnie(*t, 3);
        QCOMPARE(kwoty(*t), (QStringList{u"120,50 zł"_s, u"30,00 zł"_s, u"5,00 zł"_s}));
    }

    void jednoznakowe_grosze_to_grosze() {
        auto t = tablica({przelew("dwa", "2", "00"), przelew("dwanascie", "12", "5"),
                          przelew("dwanascie i pol", "12", "50")});
        sortuj_po_kolumnie(*t, 3);
        QCOMPARE(odbiorcy(*t), (QStringList{u"dwanascie i pol"_s, u"dwanascie"_s, u"dwa"_s}));
    }

    void kwoty_nieliczbowe_jak_zero() {
        Tprzelew pusty = przelew("pusta", "", "");
        pusty.lk = "  ";
        auto t = tablica({przelew("litery", "ab", "cd"), przelew("jeden", "1", "00"), pusty});
        sortuj_po_kolumnie(*t, 3);
        QCOMPARE(odbiorcy(*t), (QStringList{u"jeden"_s, u"litery"_s, u"pusta"_s}));
        QCOMPARE(t->ilosc_el(), 3);
    }

    void rowne_klucze_zachowuja_kolejnosc() {
        auto t = tablica({przelew("Ala", "1"), przelew("Ala", "2"), przelew("Ala", "3")});
        sortuj_po_kolumnie(*t, 0);
        QCOMPARE(kwoty(*t), (QStringList{u"1,00 zł"_s, u"2,00 zł"_s, u"3,00 zł"_s}));
        t = tablica({przelew("B", "1"), przelew("A", "2"), przelew("B", "3"), przelew("A", "4")});
        sortuj_po_kolumnie(*t, 0);  // descending: both B first, in their order
        QCOMPARE(kwoty(*t), (QStringList{u"1,00 zł"_s, u"3,00 zł"_s, u"2,00 zł"_s, u"4,00 zł"_s}));
        sortuj_po_kolumnie(*t, 0);
        QCOMPARE(kwoty(*t), (QStringList{u"2,00 zł"_s, u"4,00 zł"_s, u"1,00 zł"_s, u"3,00 zł"_s}));
    }

    void zgodnosc_z_sortowaniem_babelkowym_data() {
        QTest::addColumn<int>("kolumna");
        for (int k = 0; k < 5; ++k) QTest::newRow(qPrintable(QString::number(k))) << k;
    }
    void zgodnosc_z_sortowaniem_babelkowym() {
        QFETCH(int, kolumna);
        QRandomGenerator los(1234 + kolumna);
        auto t = std::make_unique<TablicaPrzelewow>();
        for (int i = 0; i < 60; ++i) {
            static const QStringList litery = {u"A"_s, u"a"_s, u"Ą"_s, u"B"_s,
                                               u"ł"_s, u"Ł"_s, u"z"_s, u"Ż"_s};
            const QByteArray imie =
                (litery.at(los.bounded(int(litery.size()))) + QString::number(los.bounded(3)))
                    .toUtf8();
            Tprzelew p = przelew(imie.constData(), QByteArray::number(los.bounded(5)).constData(),
                                 QByteArray::number(los.bounded(3)).constData(),
                                 QByteArray::number(los.bounded(4)).constData(),
                                 QByteArray::number(2000 + los.bounded(3)).constData());
            p.lk = QByteArray::number(10 + los.bounded(3)).constData();
            p.dodatkowe = QByteArray::number(i).constData();  // identity of the row
            t->dopisz(p);
        }
        auto wzor = std::make_unique<TablicaPrzelewow>(*t);
        auto klucz = [kolumna](const Tprzelew& p) -> std::string {
            switch (kolumna) {
                case 2:
                    return std::string(p.lk.bajty()) + std::string(p.nr_banku_odbiorcy.bajty()) +
                           std::string(p.nr_rach_odbiorcy.bajty());
                case 3: {
                    char s[32];
                    std::snprintf(s, sizeof s, "%020lld",
                                  static_cast<long long>(kwota_w_groszach(p).value_or(0)));
                    return s;
                }
                default:
                    return std::string(p.data.bajty());
            }
        };
        auto mniejszy = [&](const Tprzelew& a, const Tprzelew& b) {
            if (kolumna == 0)
                return kolejnosc_polska().compare(a.nazwa_odbiorcy1.na_unicode(),
                                                  b.nazwa_odbiorcy1.na_unicode()) < 0;
            if (kolumna == 1)
                return kolejnosc_polska().compare(a.tytulem1.na_unicode(),
                                                  b.tytulem1.na_unicode()) < 0;
            return klucz(a) < klucz(b);
        };
        for (int klik = 0; klik < 3; ++klik) {
            sortuj_babelkowo(*wzor, mniejszy);
            sortuj_po_kolumnie(*t, kolumna);
            for (int i = 1; i <= 60; ++i)
                QVERIFY2((*t)[i] == (*wzor)[i], qPrintable(QString::number(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrzelew)
#include "test_przelew.moc"
