#include "printing/przesuniecie_drukarki.h"
#include "printing/wypelnianie.h"
#include "register/magazyn_ustawien.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

Dokument formularz() {
    UstawieniaWydruku u;
    u.ilosc_odcinkow = 4;  // two pages
    return generuj_wydruk(stan_druku(u), ZmienneDruku{});
}

// How far every operation of b lies from the same one of a; nothing when they are not all moved
// alike.
std::optional<Przesuniecie> roznica(const Dokument& a, const Dokument& b) {
    if (a.strony.size() != b.strony.size()) return std::nullopt;
    std::optional<Przesuniecie> wynik;
    for (qsizetype s = 0; s < a.strony.size(); ++s) {
        const auto& oa = a.strony[s].operacje;
        const auto& ob = b.strony[s].operacje;
        if (oa.size() != ob.size()) return std::nullopt;
        for (qsizetype i = 0; i < oa.size(); ++i) {
            const Przesuniecie d{ob[i].x1 - oa[i].x1, ob[i].y1 - oa[i].y1};
            if (std::abs(ob[i].x2 - oa[i].x2 - d.w_prawo) > 1e-9 ||
                std::abs(ob[i].y2 - oa[i].y2 - d.w_dol) > 1e-9 || ob[i].tekst != oa[i].tekst)
                return std::nullopt;
            if (!wynik) wynik = d;
            if (std::abs(wynik->w_prawo - d.w_prawo) > 1e-9 ||
                std::abs(wynik->w_dol - d.w_dol) > 1e-9)
                return std::nullopt;
        }
    }
    return wynik;
}

}  // namespace

class TestPrzesuniecieDrukarki : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;

  private slots:
    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        MagazynUstawien::ustaw_plik(katalog_->filePath(u"magazyn.ini"_s));
    }
    void cleanup() { MagazynUstawien::ustaw_plik({}); }

    // Names with the store's separators stay apart: "/" and "\" must not
    // open subkeys that another printer's name would share.
    void przesuniecie_tylko_dla_swojej_drukarki_data() {
        QTest::addColumn<QString>("drukarka");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("zapamiętana") << u"Biuro/HP LaserJet"_s << 1.5 << -0.5;
        QTest::newRow("inna") << u"Biuro\\HP LaserJet"_s << 0.0 << 0.0;
        QTest::newRow("podobna nazwa") << u"Biuro"_s << 0.0 << 0.0;
        QTest::newRow("druga zapamiętana") << u"Kasa – Zebra"_s << -2.0 << 3.2;
        QTest::newRow("żadna (PDF)") << QString() << 0.0 << 0.0;
    }
    void przesuniecie_tylko_dla_swojej_drukarki() {
        QFETCH(QString, drukarka);
        QFETCH(double, x);
        QFETCH(double, y);
        QVERIFY(zapisz_przesuniecie_drukarki(u"Biuro/HP LaserJet"_s, {1.5, -0.5}));
        QVERIFY(zapisz_przesuniecie_drukarki(u"Kasa – Zebra"_s, {-2, 3.2}));

        const Dokument wzor = formularz();
        const Dokument wynik = dokument_dla_drukarki(wzor, drukarka);
        const auto d = roznica(wzor, wynik);
        QVERIFY(d.has_value());
        QVERIFY2(std::abs(d->w_prawo - x) < 1e-9 && std::abs(d->w_dol - y) < 1e-9,
                 qPrintable(u"%1; %2"_s.arg(d->w_prawo).arg(d->w_dol)));
        QCOMPARE(przesuniecie_drukarki(drukarka).has_value(), x != 0 || y != 0);
    }

    void zero_zapomina_drukarke() {
        QVERIFY(zapisz_przesuniecie_drukarki(u"HP"_s, {0.04, 1}));
        QCOMPARE(przesuniecie_drukarki(u"HP"_s), Przesuniecie({0, 1}));  // tenths of a mm
        QVERIFY(zapisz_przesuniecie_drukarki(u"HP"_s, {0.01, -0.02}));
        QVERIFY(!przesuniecie_drukarki(u"HP"_s));
        QCOMPARE(opis_przesuniecia(u"HP"_s), u"Drukarka „HP”: bez przesunięcia"_s);
    }

    void uszkodzony_zapis_nie_przesuwa_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("bez średnika") << u"1.5"_s;
        QTest::newRow("litery") << u"a;b"_s;
        QTest::newRow("metr w bok") << u"1000;0"_s;
    }
    void uszkodzony_zapis_nie_przesuwa() {
        QFETCH(QString, tekst);
        QVERIFY(MagazynUstawien::zapisz_tekst(u"Przesuniecia/HP"_s, tekst));
        QVERIFY(!przesuniecie_drukarki(u"HP"_s));
        const Dokument wzor = formularz();
        QCOMPARE(roznica(wzor, dokument_dla_drukarki(wzor, u"HP"_s)), Przesuniecie{});
    }

    void opis_w_podgladzie() {
        QVERIFY(zapisz_przesuniecie_drukarki(u"HP"_s, {1.5, -0.5}));
        QCOMPARE(opis_przesuniecia(u"HP"_s),
                 u"Drukarka „HP”: przesunięcie 1,5 mm w prawo, -0,5 mm w dół"_s);
        QCOMPARE(opis_przesuniecia({}), u"Bez przesunięcia drukarki"_s);
    }
};

QTEST_MAIN(TestPrzesuniecieDrukarki)
#include "test_przesuniecie_drukarki.moc"
