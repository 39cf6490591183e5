#include "register/pliki_przelewow.h"
#include "register/rejestr.h"
#include "wspolne/pomocnicze.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Zmiana = std::function<bool(Rejestr&)>;

QStringList odbiorcy(const Rejestr& r) {
    QStringList wynik;
    for (int i = 1; i <= r.ilosc(); ++i) wynik << r.przelew(i).nazwa_odbiorcy1.na_unicode();
    return wynik;
}

// What the register announced, in order, in a form a table can hold.
class Dziennik : public QObject {
    Q_OBJECT
  public:
    explicit Dziennik(Rejestr& r) {
        connect(&r, &Rejestr::wiersz_dopisany, this,
                [this](int nr) { wpisy << u"dopisany %1"_s.arg(nr); });
        connect(&r, &Rejestr::wiersz_zmieniony, this,
                [this](int nr) { wpisy << u"zmieniony %1"_s.arg(nr); });
        connect(&r, &Rejestr::wiersze_zmienione, this, [this] { wpisy << u"wszystkie"_s; });
        connect(&r, &Rejestr::zmieniony_zmienil_sie, this,
                [this](bool tak) { wpisy << (tak ? u"niezapisane"_s : u"zapisane"_s); });
    }
    QStringList wpisy;
};

}  // namespace

Q_DECLARE_METATYPE(Zmiana)

class TestRejestr : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void sygnaly_zmian_data() {
        QTest::addColumn<int>("wierszy");  // orders a, b, c… before the change
        QTest::addColumn<Zmiana>("zmiana");
        QTest::addColumn<bool>("przyjeta");
        QTest::addColumn<QStringList>("sygnaly");
        QTest::addColumn<QStringList>("po");  // recipients afterwards; empty: not checked

        const Zmiana dopisz = [](Rejestr& r) { return r.dopisz(przelew("nowy")); };
        QTest::newRow("dopisanie") << 2 << dopisz << true << QStringList{u"dopisany 3"_s}
                                   << QStringList{u"a"_s, u"b"_s, u"nowy"_s};
        QTest::newRow("dopisanie do pełnej")
            << 1000 << dopisz << false << QStringList{} << QStringList{};
        QTest::newRow("zmiana wiersza")
            << 3 << Zmiana([](Rejestr& r) { return r.zmien_wiersz(2, przelew("B")), true; }) << true
            << QStringList{u"zmieniony 2"_s} << QStringList{u"a"_s, u"B"_s, u"c"_s};
        // A row past the count would become an order nobody appended.
        QTest::newRow("zmiana za ostatnim")
            << 2 << Zmiana([](Rejestr& r) { return r.zmien_wiersz(3, przelew("x")), true; }) << true
            << QStringList{} << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("uzupełnienie w miejscu") << 2 << Zmiana([](Rejestr& r) {
            return r.w_wierszu(1, [](TablicaPrzelewow& t, int nr) {
                t[nr].kwota100 = "50";
                return true;
            });
        }) << true << QStringList{u"zmieniony 1"_s}
                                                << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("usunięcie w dowolnej kolejności") << 4 << Zmiana([](Rejestr& r) {
            return r.usun({3, 1, 3}), true;
        }) << true << QStringList{u"wszystkie"_s} << QStringList{u"b"_s, u"d"_s};
        QTest::newRow("usunięcie niczego") << 2 << Zmiana([](Rejestr& r) {
            return r.usun({3, 0}), true;
        }) << true << QStringList{} << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("wstawienie na dawne miejsca")
            << 2 << Zmiana([](Rejestr& r) {
                   return r.wstaw({{1, przelew("x")}, {3, przelew("y")}, {9, przelew("z")}});
               })
            << true << QStringList{u"wszystkie"_s}
            << QStringList{u"x"_s, u"a"_s, u"y"_s, u"b"_s, u"z"_s};
        QTest::newRow("wstawienie do pełnej") << 999 << Zmiana([](Rejestr& r) {
            return r.wstaw({{1, przelew("x")}, {2, przelew("y")}});
        }) << false << QStringList{} << QStringList{};
        QTest::newRow("sortowanie")
            << 3 << Zmiana([](Rejestr& r) { return !r.sortuj(0); }) << false
            << QStringList{u"wszystkie"_s} << QStringList{u"c"_s, u"b"_s, u"a"_s};
        QTest::newRow("wyczyszczenie") << 3 << Zmiana([](Rejestr& r) { return r.wyczysc(), true; })
                                       << true << QStringList{u"wszystkie"_s} << QStringList{};
        QTest::newRow("oznaczenie zmian")
            << 1 << Zmiana([](Rejestr& r) { return r.ustaw_zmieniony(true), true; }) << true
            << QStringList{u"niezapisane"_s} << QStringList{u"a"_s};
        QTest::newRow("oznaczenie zapisu bez zmian")
            << 1 << Zmiana([](Rejestr& r) { return r.ustaw_zmieniony(false), true; }) << true
            << QStringList{} << QStringList{u"a"_s};
        QTest::newRow("dwa razy niezapisane, jeden sygnał") << 1 << Zmiana([](Rejestr& r) {
            r.ustaw_zmieniony(true);
            r.ustaw_zmieniony(true);
            r.ustaw_zmieniony(false);
            return true;
        }) << true << QStringList{u"niezapisane"_s, u"zapisane"_s}
                                                            << QStringList{u"a"_s};
    }
    void sygnaly_zmian() {
        QFETCH(int, wierszy);
        QFETCH(Zmiana, zmiana);
        QFETCH(bool, przyjeta);
        QFETCH(QStringList, sygnaly);
        QFETCH(QStringList, po);
        Rejestr r;
        for (int i = 0; i < wierszy; ++i) {
            const QByteArray nazwa(1, char('a' + i % 26));
            QVERIFY(r.dopisz(przelew(nazwa.constData())));
        }
        const TablicaPrzelewow przed = r.tablica();
        Dziennik dziennik(r);

        QCOMPARE(zmiana(r), przyjeta);
        QCOMPARE(dziennik.wpisy, sygnaly);
        if (!po.isEmpty() || sygnaly.contains(u"wszystkie"_s)) QCOMPARE(odbiorcy(r), po);
        // A refused change leaves every row as it was.
        if (!przyjeta && sygnaly.isEmpty())
            for (int i = 1; i <= TablicaPrzelewow::pojemnosc; ++i) QCOMPARE(r.przelew(i), przed[i]);
        // Only the caller says that something is worth saving.
        if (!sygnaly.contains(u"niezapisane"_s)) QVERIFY(!r.zmieniony());
    }

    void wczytanie_zastepuje_wiersze_data() {
        QTest::addColumn<bool>("plik_istnieje");
        QTest::newRow("plik") << true;
        QTest::newRow("brak pliku") << false;
    }
    void wczytanie_zastepuje_wiersze() {
        QFETCH(bool, plik_istnieje);
        const QString plik = katalog_.filePath(u"zbior.p2"_s);
        QFile::remove(plik);
        if (plik_istnieje) {
            auto t = std::make_unique<TablicaPrzelewow>();
            t->dopisz(przelew("z pliku"));
            QVERIFY(zapisz_przelewy(plik, *t, 1));
        }
        Rejestr r;
        r.dopisz(przelew("stary"));
        r.dopisz(przelew("drugi"));
        Dziennik dziennik(r);
        const WynikOdczytu wynik = r.wczytaj(plik);
        QCOMPARE(wynik.stan == WynikOdczytu::ok, plik_istnieje);
        QCOMPARE(dziennik.wpisy, QStringList{u"wszystkie"_s});
        // Never a mix of two collections; a file that is not there changes nothing.
        const QStringList po =
            plik_istnieje ? QStringList{u"z pliku"_s} : QStringList{u"stary"_s, u"drugi"_s};
        QCOMPARE(odbiorcy(r), po);
        QVERIFY(!r.zmieniony());
    }
};

QTEST_MAIN(TestRejestr)
#include "test_rejestr.moc"
