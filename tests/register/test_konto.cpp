// Account numbers without a window: completeness, check digits, joining
// and splitting, and the masks the fields are typed through.
#include "register/konto.h"
#include "register/maska.h"
#include "register/stan_pola_konta.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestKonto : public QObject {
    Q_OBJECT
  private slots:
    // Account parts as other programs store them, laid on the field's mask:
    // no digit lost, a half-typed part keeping its gaps, too many digits
    // never cut, and the stored text itself written back while unchanged.
    void konto_w_masce_data() {
        QTest::addColumn<QString>("maska");
        QTest::addColumn<QString>("zapisany");
        QTest::addColumn<QString>("pokazany");
        QTest::addColumn<bool>("za_duzo");
        QTest::addColumn<QString>("do_pokazania");
        QTest::newRow("bank bez odstępu")
            << maski::bank << u"10901014"_s << u"1090 1014"_s << false << u"1090 1014"_s;
        QTest::newRow("bank w masce")
            << maski::bank << u"1090 1014"_s << u"1090 1014"_s << false << u"1090 1014"_s;
        QTest::newRow("bank niedokończony")
            << maski::bank << u"1090 1"_s << u"1090 1   "_s << false << u"1090 1"_s;
        QTest::newRow("rachunek bez odstępów")
            << maski::rachunek << u"1234567890123456"_s << u"1234 5678 9012 3456"_s << false
            << u"1234 5678 9012 3456"_s;
        QTest::newRow("rachunek z kreskami")
            << maski::rachunek << u"1234-5678-9012-3456"_s << u"1234 5678 9012 3456"_s << false
            << u"1234 5678 9012 3456"_s;
        QTest::newRow("nadawca bez odstępów") << maski::nadawca << u"61109010140000071219812874"_s
                                              << u"61 1090 1014 0000 0712 1981 2874"_s << false
                                              << u"61 1090 1014 0000 0712 1981 2874"_s;
        QTest::newRow("bank za długi")
            << maski::bank << u"109010149"_s << u"1090 1014"_s << true << u"109010149"_s;
        QTest::newRow("pusty") << maski::lk << QString() << u"  "_s << false << QString();
    }
    void konto_w_masce() {
        QFETCH(QString, maska);
        QFETCH(QString, zapisany);
        QFETCH(QString, pokazany);
        QFETCH(bool, za_duzo);
        QFETCH(QString, do_pokazania);
        const Maska m(maska);
        const KontoWMasce w = ::konto_w_masce(zapisany, m);
        QCOMPARE(w.tekst, pokazany);
        QCOMPARE(w.za_duzo, za_duzo);
        QCOMPARE(konto_do_pokazania(zapisany, m), do_pokazania);
        // Unchanged: a text out of the mask's layout goes back as it was.
        QCOMPARE(konto_do_zapisu(zapisany, pokazany, m),
                 do_pokazania == zapisany && m.w_ukladzie(zapisany) ? pokazany : zapisany);
        // Once the user typed, the field's text is what goes back.
        const QString zmieniony = m.wpisz(pokazany, 0, u'7').tekst;
        QCOMPARE(konto_do_zapisu(zapisany, zmieniony, m), zmieniony);
    }

    void kompletnosc_data() {
        QTest::addColumn<QString>("czesc");  // "lk", "bank", "rach"
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("kompletna");
        QTest::newRow("lk pelne") << u"lk"_s << u"12"_s << true;
        QTest::newRow("lk luka z przodu") << u"lk"_s << u" 2"_s << false;
        QTest::newRow("lk luka z tylu") << u"lk"_s << u"1 "_s << false;
        QTest::newRow("lk puste") << u"lk"_s << u"  "_s << false;
        QTest::newRow("bank pelny") << u"bank"_s << u"1020 5558"_s << true;
        QTest::newRow("bank luka w 1. grupie") << u"bank"_s << u"10 0 5558"_s << false;
        QTest::newRow("bank bez 8. cyfry") << u"bank"_s << u"1020 555 "_s << false;
        QTest::newRow("bank pusty") << u"bank"_s << u"         "_s << false;
        QTest::newRow("bank za krotki") << u"bank"_s << u"1020 555"_s << false;
        // Only digit positions count; a separator position is never looked at.
        QTest::newRow("bank z innym separatorem") << u"bank"_s << u"1020-5558"_s << true;
        QTest::newRow("rach pelny") << u"rach"_s << u"1111 2222 3333 4444"_s << true;
        QTest::newRow("rach luka w 1. grupie") << u"rach"_s << u" 111 2222 3333 4444"_s << false;
        QTest::newRow("rach luka w 2. grupie") << u"rach"_s << u"1111 22 2 3333 4444"_s << false;
        QTest::newRow("rach luka w 3. grupie") << u"rach"_s << u"1111 2222 333  4444"_s << false;
        QTest::newRow("rach luka w 4. grupie") << u"rach"_s << u"1111 2222 3333 444 "_s << false;
    }
    void kompletnosc() {
        QFETCH(QString, czesc);
        QFETCH(QString, tekst);
        QFETCH(bool, kompletna);
        const bool wynik = czesc == u"lk"_s     ? lk_kompletny(tekst)
                           : czesc == u"bank"_s ? nr_banku_kompletny(tekst)
                                                : nr_rach_kompletny(tekst);
        QCOMPARE(wynik, kompletna);
    }

    // Every single-digit change and every swap of two adjacent different
    // digits of a valid number must be caught.
    void cyfry_kontrolne_data() {
        QTest::addColumn<QString>("numer");
        QTest::newRow("bank z przykladu") << u"61109010140000071219812874"_s;
        QTest::newRow("inny bank") << u"51114020040000350274563811"_s;
        QTest::newRow("same zera po cyfrach kontrolnych") << u"04000000000000000000000000"_s;
        QTest::newRow("cyfry kontrolne 02") << u"02249000050000000530174380"_s;
        QTest::newRow("powtarzane grupy") << u"45102055581111222233334444"_s;
    }
    void cyfry_kontrolne() {
        QFETCH(QString, numer);
        QVERIFY(nrb_poprawny(numer));
        // Computing the check digits gives back the ones the number holds.
        QCOMPARE(cyfry_kontrolne_nrb(numer.mid(2)), numer.left(2));
        for (int i = 0; i < 26; ++i) {
            for (char16_t c = u'0'; c <= u'9'; ++c) {
                if (numer.at(i) == QChar(c)) continue;
                QString zly = numer;
                zly[i] = QChar(c);
                QVERIFY2(!nrb_poprawny(zly), qPrintable(zly));
            }
        }
        for (int i = 0; i + 1 < 26; ++i) {
            if (numer.at(i) == numer.at(i + 1)) continue;
            QString zly = numer;
            std::swap(zly[i], zly[i + 1]);
            QVERIFY2(!nrb_poprawny(zly), qPrintable(zly));
        }
    }

    void stan_numeru_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("stan");
        const int niepelny = int(StanKonta::niepelny), poprawny = int(StanKonta::poprawny),
                  bledny = int(StanKonta::bledny);
        QTest::newRow("jednolity poprawny") << u"61 1090 1014 0000 0712 1981 2874"_s << poprawny;
        QTest::newRow("same cyfry") << u"61109010140000071219812874"_s << poprawny;
        QTest::newRow("zla cyfra kontrolna") << u"62 1090 1014 0000 0712 1981 2874"_s << bledny;
        QTest::newRow("luka w masce") << u"61 1090 1014 0000 0712 1981 287 "_s << niepelny;
        QTest::newRow("pusta maska") << QString(32, u' ') << niepelny;
        QTest::newRow("27 cyfr") << u"611090101400000712198128740"_s << niepelny;
        QTest::newRow("litera") << u"61 1090 1014 0000 0712 1981 287A"_s << niepelny;
        QTest::newRow("pusty") << QString() << niepelny;
    }
    void stan_numeru() {
        QFETCH(QString, tekst);
        QFETCH(int, stan);
        QCOMPARE(int(stan_konta(tekst)), stan);
    }
    void stan_z_trzech_czesci() {
        QCOMPARE(stan_konta(u"61"_s, u"1090 1014"_s, u"0000 0712 1981 2874"_s),
                 StanKonta::poprawny);
        QCOMPARE(stan_konta(u"61"_s, u"1090 1014"_s, u"0000 0712 1981 2847"_s), StanKonta::bledny);
        QCOMPARE(stan_konta(u"6 "_s, u"1090 1014"_s, u"0000 0712 1981 2874"_s),
                 StanKonta::niepelny);
    }

    void laczenie_i_dzielenie() {
        const QString jednolite = polacz_konto(u"12"_s, u"1020 5558"_s, u"1111 2222 3333 4444"_s);
        QCOMPARE(jednolite, u"12 1020 5558 1111 2222 3333 4444"_s);
        const CzesciKonta czesci = podziel_konto(jednolite);
        QCOMPARE(czesci.lk, u"12"_s);
        QCOMPARE(czesci.bank, u"1020 5558"_s);
        QCOMPARE(czesci.rach, u"1111 2222 3333 4444"_s);
        const CzesciKonta puste = podziel_konto(QString(32, u' '));
        QCOMPARE(puste.lk, u"  "_s);
        QCOMPARE(puste.bank, QString(9, u' '));
        QCOMPARE(puste.rach, QString(19, u' '));
    }

    void maska_pusta_i_pozycje() {
        const Maska m(maski::nadawca);
        QCOMPARE(m.dlugosc(), 32);
        QCOMPARE(m.pusty(), QString(32, u' '));
        for (int separator : {3, 8, 13, 18, 23, 28}) QVERIFY(!m.cyfra_w(separator - 1));
        QVERIFY(m.cyfra_w(0) && m.cyfra_w(3) && m.cyfra_w(31));
        QCOMPARE(Maska(maski::lk).dlugosc(), 2);
        QCOMPARE(Maska(u"!99-99;1;_"_s).pusty(), u"  -  "_s);
    }

    void dopasowanie_data() {
        QTest::addColumn<QString>("maska");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("pelny") << maski::bank << u"1020 5558"_s << u"1020 5558"_s;
        QTest::newRow("z lukami zostaje na miejscu")
            << maski::bank << u"12   5678"_s << u"12   5678"_s;
        QTest::newRow("pusty") << maski::rachunek << QString() << QString(19, u' ');
        QTest::newRow("krotszy") << maski::bank << u"12"_s << u"12       "_s;
        QTest::newRow("dluzszy") << maski::lk << u"123"_s << u"12"_s;
        QTest::newRow("litera to luka") << maski::lk << u"1a"_s << u"1 "_s;
        QTest::newRow("separator zawsze maski") << maski::bank << u"1020x5558"_s << u"1020 5558"_s;
    }
    void dopasowanie() {
        QFETCH(QString, maska);
        QFETCH(QString, tekst);
        QFETCH(QString, wynik);
        QCOMPARE(Maska(maska).dopasuj(tekst), wynik);
    }

    // Editing steps on the bank mask "9999 9999" (separator at index 4).
    void edycja_maski_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("kursor");
        QTest::addColumn<QString>("dzialanie");  // wpisz:X, cofnij, usun, wklej:..., wyczysc:od-do
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("kursor_po");
        const QString pusty(9, u' ');
        QTest::newRow("cyfra na poczatku") << pusty << 0 << u"wpisz:1"_s << u"1        "_s << 1;
        QTest::newRow("czwarta cyfra przeskakuje separator")
            << u"123      "_s << 3 << u"wpisz:4"_s << u"1234     "_s << 5;
        QTest::newRow("cyfra na separatorze idzie dalej")
            << u"1234     "_s << 4 << u"wpisz:5"_s << u"1234 5   "_s << 6;
        QTest::newRow("nadpisuje") << u"1234 5678"_s << 1 << u"wpisz:9"_s << u"1934 5678"_s << 2;
        QTest::newRow("ostatnia cyfra")
            << u"1234 567 "_s << 8 << u"wpisz:8"_s << u"1234 5678"_s << 9;
        QTest::newRow("za koncem nic")
            << u"1234 5678"_s << 9 << u"wpisz:1"_s << u"1234 5678"_s << 9;
        QTest::newRow("litera nic") << pusty << 0 << u"wpisz:a"_s << pusty << 0;
        QTest::newRow("spacja wymazuje")
            << u"1234 5678"_s << 0 << u"wpisz: "_s << u" 234 5678"_s << 1;
        QTest::newRow("cofnij") << u"1234 5678"_s << 2 << u"cofnij"_s << u"1 34 5678"_s << 1;
        QTest::newRow("cofnij przez separator")
            << u"1234 5678"_s << 5 << u"cofnij"_s << u"123  5678"_s << 3;
        QTest::newRow("cofnij na poczatku")
            << u"1234 5678"_s << 0 << u"cofnij"_s << u"1234 5678"_s << 0;
        QTest::newRow("usun") << u"1234 5678"_s << 1 << u"usun"_s << u"1 34 5678"_s << 2;
        QTest::newRow("usun na separatorze")
            << u"1234 5678"_s << 4 << u"usun"_s << u"1234  678"_s << 6;
        QTest::newRow("wklej po kolei") << pusty << 0 << u"wklej:10 20-55"_s << u"1020 55  "_s << 7;
        QTest::newRow("wklej cala czesc z kursorem w srodku")
            << u"99       "_s << 6 << u"wklej:1020-5558"_s << u"1020 5558"_s << 9;
        QTest::newRow("wklej za dlugie") << pusty << 6 << u"wklej:123456"_s << u"      123"_s << 9;
        QTest::newRow("wyczysc zaznaczenie")
            << u"1234 5678"_s << 0 << u"wyczysc:2-7"_s << u"12     78"_s << 2;
    }
    void edycja_maski() {
        QFETCH(QString, tekst);
        QFETCH(int, kursor);
        QFETCH(QString, dzialanie);
        QFETCH(QString, wynik);
        QFETCH(int, kursor_po);
        const Maska m(maski::bank);
        const QString arg = dzialanie.section(u':', 1);
        Maska::Wynik w;
        if (dzialanie.startsWith(u"wpisz"_s))
            w = m.wpisz(tekst, kursor, arg.at(0));
        else if (dzialanie == u"cofnij"_s)
            w = m.cofnij(tekst, kursor);
        else if (dzialanie == u"usun"_s)
            w = m.usun(tekst, kursor);
        else if (dzialanie.startsWith(u"wklej"_s))
            w = m.wklej(tekst, kursor, arg);
        else
            w = m.wyczysc(tekst, arg.section(u'-', 0, 0).toInt(), arg.section(u'-', 1).toInt());
        QCOMPARE(w.tekst, wynik);
        QCOMPARE(w.kursor, qsizetype(kursor_po));
    }

    // What the three parts typed so far amount to.
    void stan_trzech_czesci_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("rach");
        QTest::addColumn<StanPolaKonta>("stan");
        const QString rach = u"0000 0712 1981 2874"_s;
        QTest::newRow("puste") << u"  "_s << u"    "_s << QString(19, u' ') << StanPolaKonta::pusty;
        QTest::newRow("puste, krotkie teksty")
            << QString() << QString() << QString() << StanPolaKonta::pusty;
        QTest::newRow("sama cyfra kontrolna")
            << u"6 "_s << u"         "_s << QString() << StanPolaKonta::niepelny;
        QTest::newRow("brak ostatniej cyfry")
            << u"61"_s << u"1090 1014"_s << u"0000 0712 1981 287 "_s << StanPolaKonta::niepelny;
        QTest::newRow("poprawny") << u"61"_s << u"1090 1014"_s << rach << StanPolaKonta::poprawny;
        QTest::newRow("bledna suma")
            << u"62"_s << u"1090 1014"_s << rach << StanPolaKonta::bledna_suma;
        QTest::newRow("litera w banku")
            << u"61"_s << u"10A0 1014"_s << rach << StanPolaKonta::nie_cyfry;
        QTest::newRow("litera przy brakach")
            << u"6x"_s << u"    "_s << QString() << StanPolaKonta::nie_cyfry;
    }
    void stan_trzech_czesci() {
        QFETCH(QString, lk);
        QFETCH(QString, bank);
        QFETCH(QString, rach);
        QFETCH(StanPolaKonta, stan);
        QCOMPARE(stan_pola_konta(lk, bank, rach), stan);
    }
};

QTEST_GUILESS_MAIN(TestKonto)
#include "test_konto.moc"
