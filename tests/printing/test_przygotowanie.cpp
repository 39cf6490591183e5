#include "printing/przygotowanie.h"
#include "register/pola_przelewu.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

Tprzelew pelny_przelew() {
    Tprzelew p;
    p.nazwa_odbiorcy1 = w1250("Wodociągi Łódź");
    p.nazwa_odbiorcy2 = w1250("ul. Wierzbowa 1");
    p.lk = "12";
    p.nr_banku_odbiorcy = "1020 3040";
    p.nr_rach_odbiorcy = "1111 2222 3333 4444";
    p.kwota = "12";
    p.kwota100 = "5";
    p.data = "2024-05-01";
    p.nr_rach_nadawcy = "98 7654 3210 1111 2222 3333 4444";
    p.nazwa_nadawcy1 = w1250("Jan Kowalski");
    p.nazwa_nadawcy2 = w1250("ul. Różana 2");
    p.tytulem1 = w1250("Woda za maj");
    p.tytulem2 = "FV 1/2024";
    p.czy_przelew = 1;
    p.symbol = "06";
    p.dodatkowe = "pilne";
    return p;
}

std::unique_ptr<TablicaPrzelewow> tablica(const Tprzelew& p) {
    auto t = std::make_unique<TablicaPrzelewow>();
    t->dopisz(przelew("pierwszy"));
    t->dopisz(p);
    return t;
}

}  // namespace

class TestPrzygotowanie : public QObject {
    Q_OBJECT
  private slots:
    void stan_z_ustawien_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("tlo");  // 0xRRGGBB
        QTest::addColumn<int>("linie");
        QTest::addColumn<bool>("pionowo");
        QTest::newRow("kolorowy") << 1 << u"portrait"_s << 0xF8C7C7 << 0xCD1D1D << true;
        QTest::newRow("czarno-bialy") << 2 << u"landscape"_s << 0xE1E1E1 << 0x818181 << false;
        QTest::newRow("oryginalny") << 3 << u"portrait"_s << 0xE1E1E1 << 0x818181 << true;
        QTest::newRow("typ spoza zakresu") << 7 << u"portrait"_s << 0xE1E1E1 << 0x818181 << true;
    }

    void stan_z_ustawien() {
        QFETCH(int, typ);
        QFETCH(QString, uklad);
        QFETCH(int, tlo);
        QFETCH(int, linie);
        QFETCH(bool, pionowo);
        UstawieniaWydruku u;
        u.typ_formularza = typ;
        u.uklad_strony = uklad;
        const StanDruku s = stan_druku(u);
        auto rgb = [](KolorRGB k) { return k.r << 16 | k.g << 8 | k.b; };
        QCOMPARE(rgb(s.kolor_tla), tlo);
        QCOMPARE(rgb(s.kolor_linii), linie);
        QCOMPARE(s.pionowo(), pionowo);
        QCOMPARE(s.tytul_odcinka(1), u"Odcinek dla zleceniodawcy"_s);
        QCOMPARE(s.tytul_odcinka(2), u"Odcinek dla banku zleceniodawcy"_s);
        QCOMPARE(s.tytul_odcinka(3), u"Odcinek dla odbiorcy"_s);
        QCOMPARE(s.tytul_odcinka(4), u"Odcinek dla banku odbiorcy"_s);
    }

    void oplata_data() {
        QTest::addColumn<QString>("oplata");
        QTest::addColumn<QString>("pola");
        QTest::newRow("2") << u"2"_s << u" 200"_s;
        QTest::newRow("2,5") << u"2,5"_s << u" 250"_s;
        QTest::newRow("10") << u"10"_s << u"1000"_s;
        QTest::newRow("12,5") << u"12,5"_s << u"1250"_s;
        QTest::newRow("0") << u"0"_s << u" 000"_s;
        QTest::newRow("2,55 traci drugie miejsce") << u"2,55"_s << u" 250"_s;
        QTest::newRow("99,9") << u"99,9"_s << u"9990"_s;
        QTest::newRow("za dluga z reki") << u"100"_s << u"1000"_s;
        QTest::newRow("pusta") << QString() << u" 000"_s;
    }

    void oplata() {
        QFETCH(QString, oplata);
        QFETCH(QString, pola);
        QCOMPARE(tekst_oplaty(oplata), pola);

        UstawieniaWydruku u;
        u.oplata_wart = oplata;
        u.drukuj_oplate = true;
        QCOMPARE(stan_druku(u).oplata_wart, pola);
        u.drukuj_oplate = false;
        QCOMPARE(stan_druku(u).oplata_wart, oplata);
    }

    void przelew_z_listy() {
        auto t = tablica(pelny_przelew());
        const ZmienneDruku z = przypisanie_zmiennych_do_temp(*t, 2);
        QCOMPARE(z.temp_nazwa_odbiorcy1,
                 u"Wodociągi Łódź"_s);  // capitals come later, in the report
        QCOMPARE(z.temp_nazwa_odbiorcy2, u"ul. Wierzbowa 1"_s);
        QCOMPARE(z.temp_lk, u"12"_s);
        QCOMPARE(z.temp_nr_banku_odbiorcy, u"1020 3040"_s);
        QCOMPARE(z.temp_nr_rach_odbiorcy, u"1111 2222 3333 4444"_s);
        QCOMPARE(z.temp_kwota, u"**12,05"_s);
        QCOMPARE(z.temp_nr_rach_nadawcy, u"98 7654 3210 1111 2222 3333 4444"_s);
        QCOMPARE(z.temp_nazwa_nadawcy1, u"Jan Kowalski"_s);
        QCOMPARE(z.temp_nazwa_nadawcy2, u"ul. Różana 2"_s);
        QCOMPARE(z.temp_tytulem1, u"Woda za maj"_s);
        QCOMPARE(z.temp_tytulem2, u"FV 1/2024"_s);
        QCOMPARE(z.temp_data, u"2024-05-01"_s);
        QCOMPARE(z.temp_symbol, u"06"_s);
        QVERIFY(z.temp_czy_przelew);
        QCOMPARE(z.temp_dodatkowe, u"pilne"_s);
        // The completion stays in the row and is saved with the file.
        QCOMPARE((*t)[2].kwota100, "05");
        QCOMPARE((*t)[1].kwota100, "00");
    }

    void kwota_data() {
        QTest::addColumn<QString>("zlote");
        QTest::addColumn<QString>("grosze");
        QTest::addColumn<bool>("wplata");
        QTest::addColumn<QString>("zlote_po");
        QTest::addColumn<QString>("grosze_po");
        QTest::addColumn<QString>("kwota");
        QTest::addColumn<QString>("linia_nadawcy");
        QTest::newRow("wplata slownie") << u"1205"_s << u"50"_s << true << u"1205"_s << u"50"_s
                                        << u"**1205,50"_s << u"jed*dwazer*pie* 50/100"_s;
        QTest::newRow("puste teksty") << QString() << QString() << true << u"0"_s << u"00"_s
                                      << u"**0,00"_s << u"zer* 00/100"_s;
        QTest::newRow("jeden grosz cyfra")
            << u"7"_s << u"5"_s << true << u"7"_s << u"05"_s << u"**7,05"_s << u"sie* 05/100"_s;
        QTest::newRow("grosze 0 zostaja") << u"3"_s << u"0"_s << false << u"3"_s << u"0"_s
                                          << u"**3,00"_s << u"98 7654 3210 1111 2222 3333 4444"_s;
    }

    // The same completion for the list and the editor, and the words form of a
    // deposit in place of the sender's account.
    void kwota() {
        QFETCH(QString, zlote);
        QFETCH(QString, grosze);
        QFETCH(bool, wplata);
        QFETCH(QString, zlote_po);
        QFETCH(QString, grosze_po);
        QFETCH(QString, kwota);
        QFETCH(QString, linia_nadawcy);

        Tprzelew p = pelny_przelew();
        p.kwota = Tekst<6>::z_unicode(zlote);
        p.kwota100 = Tekst<2>::z_unicode(grosze);
        p.czy_przelew = wplata ? 0 : 1;
        auto t = tablica(p);
        const ZmienneDruku z = przypisanie_zmiennych_do_temp(*t, 2);
        QCOMPARE(z.temp_kwota, kwota);
        QCOMPARE(z.temp_nr_rach_nadawcy, linia_nadawcy);
        QCOMPARE(z.temp_czy_przelew, !wplata);
        QCOMPARE((*t)[2].kwota.na_unicode(), zlote_po);
        QCOMPARE((*t)[2].kwota100.na_unicode(), grosze_po);
    }

    // An order printed from the editor prints exactly as the same order
    // printed from the list.
    void edytor_i_lista_daja_to_samo() {
        for (std::uint8_t rodzaj : {1, 0}) {
            Tprzelew p = pelny_przelew();
            p.czy_przelew = rodzaj;
            auto t = tablica(p);
            const ZmienneDruku z_listy = przypisanie_zmiennych_do_temp(*t, 2);

            // The texts as an editor's controls show them, taken field by field.
            const QStringList teksty = {u"Wodociągi Łódź"_s,
                                        u"ul. Wierzbowa 1"_s,
                                        u"12"_s,
                                        u"1020 3040"_s,
                                        u"1111 2222 3333 4444"_s,
                                        u"12"_s,
                                        u"5"_s,
                                        u"2024-05-01"_s,
                                        u"98 7654 3210 1111 2222 3333 4444"_s,
                                        u"Jan Kowalski"_s,
                                        u"ul. Różana 2"_s,
                                        u"Woda za maj"_s,
                                        u"FV 1/2024"_s,
                                        u"06"_s,
                                        u"pilne"_s};
            Tprzelew e;
            for (std::size_t i = 0; i < pola_tekstowe.size(); ++i)
                pola_tekstowe[i].ustaw_tekst(e, teksty[qsizetype(i)]);
            e.czy_przelew = rodzaj;
            QCOMPARE(zmienne_druku(e), z_listy);
            QCOMPARE(e.kwota100.na_unicode(), u"05"_s);  // the editor shows the completed grosze
        }
    }

    void wielkie_litery_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("Łódź") << u"Łódź"_s << u"ŁÓDŹ"_s;
        QTest::newRow("polskie litery") << u"zażółć gęślą jaźń"_s << u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ"_s;
        QTest::newRow("inne litery strony kodowej") << u"šťžľ äöü"_s << u"ŠŤŽĽ ÄÖÜ"_s;
        QTest::newRow("bez wielkiej w stronie kodowej") << u"ß µ 1/2"_s << u"ß µ 1/2"_s;
    }

    void wielkie_litery() {
        QFETCH(QString, tekst);
        QFETCH(QString, wynik);
        QCOMPARE(::wielkie_litery(tekst), wynik);
    }
};

QTEST_GUILESS_MAIN(TestPrzygotowanie)
#include "test_przygotowanie.moc"
