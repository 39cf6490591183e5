#include "app/glowny.h"
#include "extras/statystyki.h"
#include "extras/statystyki_obliczenia.h"
#include "register/przelew.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(KryteriaStatystyk)

namespace {

Tprzelew zlecenie(const char* odbiorca, const char* nadawca, const char* zlote, const char* grosze,
                  const char* data, bool czy_przelew = true) {
    Tprzelew p = przelew(odbiorca, zlote, grosze, "", data);
    p.nazwa_nadawcy1 = w1250(nadawca);
    p.czy_przelew = czy_przelew ? 1 : 0;
    return p;
}

// Two spellings of one recipient, a deposit, an order without a date, dates
// in both of the forms files carry.
std::unique_ptr<TablicaPrzelewow> fikstura() {
    auto t = std::make_unique<TablicaPrzelewow>();
    t->dopisz(zlecenie("Zakład Energetyczny", "Jan", "10", "50", "2008-03-15"));
    t->dopisz(zlecenie("zakład energetyczny", "Anna", "0", "5", "15.07.2008"));
    t->dopisz(zlecenie("Urząd", "Jan", "100", "00", "2009-03-01", false));
    t->dopisz(zlecenie("Bez daty", "", "7", "00", ""));
    return t;
}

KryteriaStatystyk kryteria(const QString& rok, int miesiac = 0, const char* odbiorca = nullptr,
                           const char* nadawca = nullptr) {
    KryteriaStatystyk k;
    k.rok = rok;
    k.miesiac = miesiac;
    if (odbiorca) k.odbiorca = w1250(odbiorca);
    if (nadawca) k.nadawca = w1250(nadawca);
    return k;
}

QStringList pozycje(const QComboBox* lista) {
    QStringList wynik;
    for (int i = 0; i < lista->count(); ++i) wynik << lista->itemText(i);
    return wynik;
}

QStringList etykiety(const TFstatystyki& okno) {
    QStringList wynik;
    for (const QLabel* l : {okno.Lwypisanych, okno.LwypisanychWplat, okno.LwypisanychPrzelewow,
                            okno.Lkwota, okno.LkwotaWplat, okno.LkwotaPrzelewow})
        wynik << l->text();
    return wynik;
}

}  // namespace

class TestStatystyki : public QObject {
    Q_OBJECT

  private slots:
    void liczenie_wedlug_kryteriow_data() {
        QTest::addColumn<KryteriaStatystyk>("k");
        QTest::addColumn<int>("wplat");
        QTest::addColumn<int>("przelewow");
        QTest::addColumn<qint64>("kwota_wplat");
        QTest::addColumn<qint64>("kwota_przelewow");
        QTest::newRow("wszystkie") << kryteria({}) << 1 << 3 << qint64(10000) << qint64(1755);
        QTest::newRow("rok 2008") << kryteria(u"2008"_s) << 0 << 2 << qint64(0) << qint64(1055);
        QTest::newRow("rok 2009") << kryteria(u"2009"_s) << 1 << 0 << qint64(10000) << qint64(0);
        QTest::newRow("marzec każdego roku")
            << kryteria({}, 3) << 1 << 1 << qint64(10000) << qint64(1050);
        QTest::newRow("marzec 2008")
            << kryteria(u"2008"_s, 3) << 0 << 1 << qint64(0) << qint64(1050);
        QTest::newRow("odbiorca bez dat i rok")
            << kryteria(u"2008"_s, 0, "Bez daty") << 0 << 0 << qint64(0) << qint64(0);
        QTest::newRow("odbiorca bez dat i miesiąc")
            << kryteria({}, 1, "Bez daty") << 0 << 0 << qint64(0) << qint64(0);
        QTest::newRow("odbiorca z wielkiej litery")
            << kryteria({}, 0, "Zakład Energetyczny") << 0 << 1 << qint64(0) << qint64(1050);
        QTest::newRow("odbiorca z małej litery")
            << kryteria({}, 0, "zakład energetyczny") << 0 << 1 << qint64(0) << qint64(5);
        QTest::newRow("nadawca") << kryteria({}, 0, nullptr, "Jan") << 1 << 1 << qint64(10000)
                                 << qint64(1050);
        QTest::newRow("nadawca i odbiorca")
            << kryteria({}, 0, "Urząd", "Jan") << 1 << 0 << qint64(10000) << qint64(0);
    }
    void liczenie_wedlug_kryteriow() {
        QFETCH(KryteriaStatystyk, k);
        QFETCH(int, wplat);
        QFETCH(int, przelewow);
        QFETCH(qint64, kwota_wplat);
        QFETCH(qint64, kwota_przelewow);
        const auto t = fikstura();
        const WynikStatystyk w = licz_statystyki(*t, t->ilosc_el(), k);
        QVERIFY(!w.blad);
        QCOMPARE(w.wplat, wplat);
        QCOMPARE(w.przelewow, przelewow);
        QCOMPARE(w.kwota_wplat, kwota_wplat);
        QCOMPARE(w.kwota_przelewow, kwota_przelewow);
    }

    void listy_bez_powtorzen_i_posortowane() {
        auto t = fikstura();
        t->dopisz(zlecenie("  ", "Jan", "1", "00", "2008-01-01"));  // blank names are not offered
        const ListyStatystyk l = listy_statystyk(*t, t->ilosc_el());
        QVERIFY(!l.blad);
        QCOMPARE(l.lata, (QStringList{u"2008"_s, u"2009"_s}));
        QCOMPARE(l.nadawcy, (QStringList{u"Anna"_s, u"Jan"_s}));
        QCOMPARE(l.odbiorcy, (QStringList{u"Bez daty"_s, u"Urząd"_s, u"Zakład Energetyczny"_s}));
    }

    void nieczytelna_data_przerywa() {
        auto t = fikstura();
        (*t)[3].data = "32.13.2020";
        const QString komunikat = u"Przelew nr 3: nie można odczytać daty „32.13.2020”."_s;

        const WynikStatystyk w = licz_statystyki(*t, t->ilosc_el(), {});
        QVERIFY(w.blad);
        QCOMPARE(w.blad->komunikat(), komunikat);

        const ListyStatystyk l = listy_statystyk(*t, t->ilosc_el());
        QVERIFY(l.blad);
        QCOMPARE(l.blad->komunikat(), komunikat);
        QCOMPARE(l.lata, QStringList{u"2008"_s});  // what came before the bad row
    }

    void nieczytelna_kwota_tylko_gdy_liczona() {
        auto t = fikstura();
        (*t)[2].kwota = "12a";
        const WynikStatystyk w = licz_statystyki(*t, t->ilosc_el(), {});
        QVERIFY(w.blad);
        QCOMPARE(w.blad->komunikat(), u"Przelew nr 2: nie można odczytać kwoty „12a,5”."_s);
        QVERIFY(!licz_statystyki(*t, t->ilosc_el(), kryteria(u"2009"_s)).blad);
    }

    void forma_sumy_data() {
        QTest::addColumn<qint64>("grosze");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("zero") << qint64(0) << u"0,00"_s;
        QTest::newRow("5 groszy") << qint64(5) << u"0,05"_s;
        QTest::newRow("50 groszy") << qint64(50) << u"0,50"_s;
        QTest::newRow("2,50") << qint64(250) << u"2,50"_s;
        QTest::newRow("110,55") << qint64(11055) << u"110,55"_s;
        QTest::newRow("ponad 32 bity") << qint64(99999999000) << u"999999990,00"_s;
        QTest::newRow("ujemna") << qint64(-505) << u"-5,05"_s;
    }
    void forma_sumy() {
        QFETCH(qint64, grosze);
        QFETCH(QString, tekst);
        QCOMPARE(::forma_sumy(grosze), tekst);
    }

    void tysiac_najwiekszych_kwot() {
        auto t = std::make_unique<TablicaPrzelewow>();
        for (int i = 0; i < TablicaPrzelewow::pojemnosc; ++i)
            t->dopisz(zlecenie("Odbiorca", "", "999999", "99", ""));
        const WynikStatystyk w = licz_statystyki(*t, t->ilosc_el(), {});
        QCOMPARE(w.przelewow, 1000);
        QCOMPARE(::forma_sumy(w.kwota_przelewow), u"999999990,00"_s);
    }

    // --- the window

    void okno_po_pokazaniu() {
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(zlecenie("A", "X", "10", "50", "2008-03-15"));
        t->dopisz(zlecenie("B", "X", "0", "05", "2009-01-02"));
        t->dopisz(zlecenie("C", "Y", "100", "00", "", false));
        TFstatystyki okno(*t);
        okno.show();
        QCOMPARE(okno.windowTitle(), u"Statystyki bazy"_s);
        QCOMPARE(pozycje(okno.CBrok), (QStringList{u"--"_s, u"2008"_s, u"2009"_s}));
        QCOMPARE(pozycje(okno.CBmiesiac),
                 (QStringList{u"--"_s, u"styczeń"_s, u"luty"_s, u"marzec"_s, u"kwiecień"_s,
                              u"maj"_s, u"czerwiec"_s, u"lipiec"_s, u"sierpień"_s, u"wrzesień"_s,
                              u"październik"_s, u"listopad"_s, u"grudzień"_s}));
        QCOMPARE(pozycje(okno.CBnadawcy), (QStringList{u"--"_s, u"X"_s, u"Y"_s}));
        QCOMPARE(pozycje(okno.CBodbiorcy), (QStringList{u"--"_s, u"A"_s, u"B"_s, u"C"_s}));
        QCOMPARE(etykiety(okno),
                 (QStringList{u"3"_s, u"1"_s, u"2"_s, u"110,55"_s, u"100,00"_s, u"10,55"_s}));

        okno.CBrok->setCurrentIndex(1);
        QCOMPARE(etykiety(okno),
                 (QStringList{u"1"_s, u"0"_s, u"1"_s, u"10,50"_s, u"0,00"_s, u"10,50"_s}));
        okno.CBmiesiac->setCurrentIndex(1);  // styczeń 2008: nothing
        QCOMPARE(okno.Lwypisanych->text(), u"0"_s);
        okno.CBrok->setCurrentIndex(0);  // styczeń of any year
        QCOMPARE(etykiety(okno),
                 (QStringList{u"1"_s, u"0"_s, u"1"_s, u"0,05"_s, u"0,00"_s, u"0,05"_s}));
        okno.CBmiesiac->setCurrentIndex(0);
        okno.CBnadawcy->setCurrentIndex(2);
        QCOMPARE(etykiety(okno),
                 (QStringList{u"1"_s, u"1"_s, u"0"_s, u"100,00"_s, u"100,00"_s, u"0,00"_s}));

        // Shown again, it starts from the table as it is now and with no criteria.
        okno.hide();
        t->usun(3);
        okno.show();
        QCOMPARE(okno.CBnadawcy->currentIndex(), 0);
        QCOMPARE(etykiety(okno),
                 (QStringList{u"2"_s, u"0"_s, u"2"_s, u"10,55"_s, u"0,00"_s, u"10,55"_s}));
    }

    void pusta_tabela() {
        const auto t = std::make_unique<TablicaPrzelewow>();
        TFstatystyki okno(*t);
        okno.show();
        QCOMPARE(pozycje(okno.CBrok), QStringList{u"--"_s});
        QCOMPARE(pozycje(okno.CBodbiorcy), QStringList{u"--"_s});
        QCOMPARE(etykiety(okno),
                 (QStringList{u"0"_s, u"0"_s, u"0"_s, u"0,00"_s, u"0,00"_s, u"0,00"_s}));
    }

    void nazwy_rozne_wielkoscia_liter() {
        const auto t = fikstura();
        TFstatystyki okno(*t);
        okno.show();
        QCOMPARE(pozycje(okno.CBodbiorcy),
                 (QStringList{u"--"_s, u"Bez daty"_s, u"Urząd"_s, u"Zakład Energetyczny"_s}));
        okno.CBodbiorcy->setCurrentIndex(3);
        QCOMPARE(okno.Lwypisanych->text(), u"1"_s);
        QCOMPARE(okno.Lkwota->text(), u"10,50"_s);
    }

    void blad_zostawia_poprzednie_wartosci() {
        SeamDialogow seam;
        auto t = fikstura();
        TFstatystyki okno(*t);
        okno.show();
        const QStringList przed = etykiety(okno);
        (*t)[2].data = "32.13.2020";
        okno.CBrok->setCurrentIndex(1);
        QCOMPARE(etykiety(okno), przed);
        QCOMPARE(Dialogi::Test::teksty(),
                 QStringList{u"Przelew nr 2: nie można odczytać daty „32.13.2020”."_s});
        QCOMPARE(Dialogi::Test::pokazane().last().ikona, Dialogi::Ikona::Blad);

        // The same when the window is shown on such a table; the message
        // comes once the window is on screen.
        okno.hide();
        okno.show();
        QCOMPARE(etykiety(okno), przed);
        QTRY_COMPARE(Dialogi::Test::teksty().size(), 2);
    }

    // A real message box over the first showing: the window keeps the size
    // and the controls it has on a good table.
    void blad_przy_pierwszym_pokazaniu_nie_zwija_okna() {
        const auto dobra = fikstura();
        TFstatystyki wzor(*dobra);
        wzor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&wzor));

        auto t = fikstura();
        (*t)[2].data = "32.13.2020";
        TFstatystyki okno(*t);
        // the real message box, with its own event loop
        Dialogi::Test::wylacz();
        const auto seam_z_powrotem = qScopeGuard([] { Dialogi::Test::wlacz(); });
        QStringList komunikaty;
        PrzyOknieModalnym<QMessageBox> przy_komunikacie([&](QMessageBox* m) {
            // the window is already on screen, at its full size
            komunikaty << m->text();
            QVERIFY(okno.isVisible());
            QCOMPARE(okno.size(), wzor.size());
        });
        okno.show();
        QTRY_COMPARE(komunikaty.size(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.size(), wzor.size());
        for (QWidget* w :
             {static_cast<QWidget*>(okno.CBrok), static_cast<QWidget*>(okno.CBodbiorcy),
              static_cast<QWidget*>(okno.Lkwota)})
            QVERIFY(w->isVisible());
        QCOMPARE(okno.CBmiesiac->count(), 13);
    }

    void polecenie_glownego_okna() {
        Tglowne_okno glowne;
        glowne.rejestr.dopisz(zlecenie("A", "X", "10", "50", "2008-03-15"));
        QString etykieta;
        PrzyOknieModalnym<TFstatystyki> przy_oknie([&](TFstatystyki* okno) {
            QCOMPARE(okno->parent(), &glowne);
            etykieta = okno->Lkwota->text();
            okno->reject();
        });
        glowne.statystykiClick();
        QVERIFY(przy_oknie.otwarte());
        QCOMPARE(etykieta, u"10,50"_s);
        // Created for each opening: a second one counts the table as it is now.
        glowne.rejestr.dopisz(zlecenie("B", "X", "1", "00", "2008-03-16"));
        PrzyOknieModalnym<TFstatystyki> drugie(
            [&](TFstatystyki* okno) { etykieta = okno->Lkwota->text(); });
        glowne.statystykiClick();
        QCOMPARE(etykieta, u"11,50"_s);
        QVERIFY(glowne.findChildren<TFstatystyki*>().isEmpty());
    }
};

QTEST_MAIN(TestStatystyki)
#include "test_statystyki.moc"
