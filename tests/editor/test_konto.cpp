#include "editor/konto.h"
#include "editor/maska.h"
#include "editor/pole_maskowane.h"
#include "editor/sprawdzanie_konta.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString maska_lk = u"!99;1; "_qs;
const QString maska_banku = u"!9999 9999;1; "_qs;
const QString maska_rachunku = u"!9999 9999 9999 9999;1; "_qs;
const QString maska_nadawcy = u"!99 9999 9999 9999 9999 9999 9999;1; "_qs;
}  // namespace

class TestKonto : public QObject {
    Q_OBJECT
  private slots:
    void kompletnosc_data() {
        QTest::addColumn<QString>("czesc");  // "lk", "bank", "rach"
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("kompletna");
        QTest::newRow("lk pelne") << u"lk"_qs << u"12"_qs << true;
        QTest::newRow("lk luka z przodu") << u"lk"_qs << u" 2"_qs << false;
        QTest::newRow("lk luka z tylu") << u"lk"_qs << u"1 "_qs << false;
        QTest::newRow("lk puste") << u"lk"_qs << u"  "_qs << false;
        QTest::newRow("bank pelny") << u"bank"_qs << u"1020 5558"_qs << true;
        QTest::newRow("bank luka w 1. grupie") << u"bank"_qs << u"10 0 5558"_qs << false;
        QTest::newRow("bank bez 8. cyfry") << u"bank"_qs << u"1020 555 "_qs << false;
        QTest::newRow("bank pusty") << u"bank"_qs << u"         "_qs << false;
        QTest::newRow("bank za krotki") << u"bank"_qs << u"1020 555"_qs << false;
        // Only digit positions count; a separator position is never looked at.
        QTest::newRow("bank z innym separatorem") << u"bank"_qs << u"1020-5558"_qs << true;
        QTest::newRow("rach pelny") << u"rach"_qs << u"1111 2222 3333 4444"_qs << true;
        QTest::newRow("rach luka w 1. grupie") << u"rach"_qs << u" 111 2222 3333 4444"_qs << false;
        QTest::newRow("rach luka w 2. grupie") << u"rach"_qs << u"1111 22 2 3333 4444"_qs << false;
        QTest::newRow("rach luka w 3. grupie") << u"rach"_qs << u"1111 2222 333  4444"_qs << false;
        QTest::newRow("rach luka w 4. grupie") << u"rach"_qs << u"1111 2222 3333 444 "_qs << false;
    }
    void kompletnosc() {
        QFETCH(QString, czesc);
        QFETCH(QString, tekst);
        QFETCH(bool, kompletna);
        const bool wynik = czesc == u"lk"_qs     ? lk_kompletny(tekst)
                           : czesc == u"bank"_qs ? nr_banku_kompletny(tekst)
                                                 : nr_rach_kompletny(tekst);
        QCOMPARE(wynik, kompletna);
    }

    void laczenie_i_dzielenie() {
        const QString jednolite =
            polacz_konto(u"12"_qs, u"1020 5558"_qs, u"1111 2222 3333 4444"_qs);
        QCOMPARE(jednolite, u"12 1020 5558 1111 2222 3333 4444"_qs);
        const CzesciKonta czesci = podziel_konto(jednolite);
        QCOMPARE(czesci.lk, u"12"_qs);
        QCOMPARE(czesci.bank, u"1020 5558"_qs);
        QCOMPARE(czesci.rach, u"1111 2222 3333 4444"_qs);
        const CzesciKonta puste = podziel_konto(QString(32, u' '));
        QCOMPARE(puste.lk, u"  "_qs);
        QCOMPARE(puste.bank, QString(9, u' '));
        QCOMPARE(puste.rach, QString(19, u' '));
    }

    // The checks read the text and paint the field; the shared result
    // is written only by the bank and account checks.
    void sprawdzenia_i_kolory() {
        QLineEdit lk, bank, rach;
        lk.setText(u"1 "_qs);
        sprawdzenie_lk(&lk);
        QVERIFY(czy_czerwone(&lk));
        lk.setText(u"97"_qs);  // wrong check digits are not noticed
        sprawdzenie_lk(&lk);
        QVERIFY(!czy_czerwone(&lk));
        QCOMPARE(lk.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

        bank.setText(u"1020 555 "_qs);
        sprawdzenie_nr_banku_odbiorcy(&bank);
        QVERIFY(!wynik_sprawdzenia);
        QVERIFY(!czy_czerwone(&bank));  // checking paints nothing
        gdy_poprawnie_lub_nie(&bank);
        QVERIFY(czy_czerwone(&bank));
        QCOMPARE(bank.palette().color(QPalette::Base), QColor(255, 0, 0));

        sprawdzenie_lk(&lk);  // leaves the result of the bank check
        QVERIFY(!wynik_sprawdzenia);
        gdy_poprawnie_lub_nie(&lk);
        QVERIFY(czy_czerwone(&lk));

        rach.setText(u"1111 2222 3333 4444"_qs);
        sprawdzenie_nr_rach_odbiorcy(&rach);
        QVERIFY(wynik_sprawdzenia);
        gdy_poprawnie_lub_nie(&bank);
        QVERIFY(!czy_czerwone(&bank));
    }

    void maska_pusta_i_pozycje() {
        const Maska m(maska_nadawcy);
        QCOMPARE(m.dlugosc(), 32);
        QCOMPARE(m.pusty(), QString(32, u' '));
        for (int separator : {3, 8, 13, 18, 23, 28}) QVERIFY(!m.cyfra_w(separator - 1));
        QVERIFY(m.cyfra_w(0) && m.cyfra_w(3) && m.cyfra_w(31));
        QCOMPARE(Maska(maska_lk).dlugosc(), 2);
        QCOMPARE(Maska(u"!99-99;1;_"_qs).pusty(), u"  -  "_qs);
    }

    void dopasowanie_data() {
        QTest::addColumn<QString>("maska");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("pelny") << maska_banku << u"1020 5558"_qs << u"1020 5558"_qs;
        QTest::newRow("z lukami zostaje na miejscu")
            << maska_banku << u"12   5678"_qs << u"12   5678"_qs;
        QTest::newRow("pusty") << maska_rachunku << QString() << QString(19, u' ');
        QTest::newRow("krotszy") << maska_banku << u"12"_qs << u"12       "_qs;
        QTest::newRow("dluzszy") << maska_lk << u"123"_qs << u"12"_qs;
        QTest::newRow("litera to luka") << maska_lk << u"1a"_qs << u"1 "_qs;
        QTest::newRow("separator zawsze maski")
            << maska_banku << u"1020x5558"_qs << u"1020 5558"_qs;
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
        QTest::newRow("cyfra na poczatku") << pusty << 0 << u"wpisz:1"_qs << u"1        "_qs << 1;
        QTest::newRow("czwarta cyfra przeskakuje separator")
            << u"123      "_qs << 3 << u"wpisz:4"_qs << u"1234     "_qs << 5;
        QTest::newRow("cyfra na separatorze idzie dalej")
            << u"1234     "_qs << 4 << u"wpisz:5"_qs << u"1234 5   "_qs << 6;
        QTest::newRow("nadpisuje") << u"1234 5678"_qs << 1 << u"wpisz:9"_qs << u"1934 5678"_qs << 2;
        QTest::newRow("ostatnia cyfra")
            << u"1234 567 "_qs << 8 << u"wpisz:8"_qs << u"1234 5678"_qs << 9;
        QTest::newRow("za koncem nic")
            << u"1234 5678"_qs << 9 << u"wpisz:1"_qs << u"1234 5678"_qs << 9;
        QTest::newRow("litera nic") << pusty << 0 << u"wpisz:a"_qs << pusty << 0;
        QTest::newRow("spacja wymazuje")
            << u"1234 5678"_qs << 0 << u"wpisz: "_qs << u" 234 5678"_qs << 1;
        QTest::newRow("cofnij") << u"1234 5678"_qs << 2 << u"cofnij"_qs << u"1 34 5678"_qs << 1;
        QTest::newRow("cofnij przez separator")
            << u"1234 5678"_qs << 5 << u"cofnij"_qs << u"123  5678"_qs << 3;
        QTest::newRow("cofnij na poczatku")
            << u"1234 5678"_qs << 0 << u"cofnij"_qs << u"1234 5678"_qs << 0;
        QTest::newRow("usun") << u"1234 5678"_qs << 1 << u"usun"_qs << u"1 34 5678"_qs << 2;
        QTest::newRow("usun na separatorze")
            << u"1234 5678"_qs << 4 << u"usun"_qs << u"1234  678"_qs << 6;
        QTest::newRow("wklej po kolei")
            << pusty << 0 << u"wklej:10 20-55"_qs << u"1020 55  "_qs << 7;
        QTest::newRow("wklej za dlugie")
            << pusty << 6 << u"wklej:123456"_qs << u"      123"_qs << 9;
        QTest::newRow("wyczysc zaznaczenie")
            << u"1234 5678"_qs << 0 << u"wyczysc:2-7"_qs << u"12     78"_qs << 2;
    }
    void edycja_maski() {
        QFETCH(QString, tekst);
        QFETCH(int, kursor);
        QFETCH(QString, dzialanie);
        QFETCH(QString, wynik);
        QFETCH(int, kursor_po);
        const Maska m(maska_banku);
        const QString arg = dzialanie.section(u':', 1);
        Maska::Wynik w;
        if (dzialanie.startsWith(u"wpisz"_qs))
            w = m.wpisz(tekst, kursor, arg.at(0));
        else if (dzialanie == u"cofnij"_qs)
            w = m.cofnij(tekst, kursor);
        else if (dzialanie == u"usun"_qs)
            w = m.usun(tekst, kursor);
        else if (dzialanie.startsWith(u"wklej"_qs))
            w = m.wklej(tekst, kursor, arg);
        else
            w = m.wyczysc(tekst, arg.section(u'-', 0, 0).toInt(), arg.section(u'-', 1).toInt());
        QCOMPARE(w.tekst, wynik);
        QCOMPARE(w.kursor, qsizetype(kursor_po));
    }

    void pole_zwraca_zapisany_tekst_na_swoich_miejscach() {
        PoleMaskowane pole(maska_banku);
        QCOMPARE(pole.tekst(), QString(9, u' '));
        QSignalSpy zmiany(&pole, &PoleMaskowane::zmieniony);
        pole.ustaw_tekst(u"12   5678"_qs);
        QCOMPARE(pole.tekst(), u"12   5678"_qs);
        QCOMPARE(pole.text(), pole.tekst());
        QCOMPARE(zmiany.count(), 1);
        pole.ustaw_tekst(u"12   5678"_qs);
        QCOMPARE(zmiany.count(), 1);  // no change, no signal
        PoleMaskowane lk(maska_lk);
        lk.ustaw_tekst(u" 7"_qs);
        QCOMPARE(lk.tekst(), u" 7"_qs);
        // Text put in past the mask's rules is laid back on it, and counts as a change.
        pole.setText(u"99"_qs);
        QCOMPARE(pole.tekst(), u"99       "_qs);
        QCOMPARE(zmiany.count(), 2);
    }

    void pole_pisanie_i_kasowanie() {
        PoleMaskowane pole(maska_rachunku);
        pole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pole));
        QSignalSpy zmiany(&pole, &PoleMaskowane::zmieniony);
        pole.setCursorPosition(0);
        QTest::keyClicks(&pole, u"12a345-6"_qs);
        QCOMPARE(pole.tekst(), u"1234 56            "_qs);
        QCOMPARE(zmiany.count(), 6);  // one per digit; the rest changes nothing
        QCOMPARE(pole.cursorPosition(), 7);

        QTest::keyClick(&pole, Qt::Key_Backspace);
        QTest::keyClick(&pole, Qt::Key_Backspace);
        QTest::keyClick(&pole, Qt::Key_Backspace);
        QCOMPARE(pole.tekst(), u"123                "_qs);
        QCOMPARE(pole.cursorPosition(), 3);

        QTest::keyClick(&pole, Qt::Key_Home);
        QTest::keyClick(&pole, Qt::Key_Delete);
        QCOMPARE(pole.tekst(), u" 23                "_qs);
        QTest::keyClick(&pole, Qt::Key_End);
        QCOMPARE(pole.cursorPosition(), 19);
        QTest::keyClick(&pole, Qt::Key_Left);
        QTest::keyClick(&pole, u'9');
        QCOMPARE(pole.tekst(), u" 23               9"_qs);
        QCOMPARE(pole.tekst().size(), 19);

        pole.selectAll();
        QTest::keyClick(&pole, u'5');
        QCOMPARE(pole.tekst(), u"5                  "_qs);
    }

    void pole_wklejanie_i_wycinanie() {
        PoleMaskowane pole(maska_nadawcy);
        pole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pole));
        QApplication::clipboard()->setText(u"PL 12 1020-5558 1111 2222 3333 4444"_qs);
        pole.setCursorPosition(0);
        QTest::keySequence(&pole, QKeySequence::Paste);
        QCOMPARE(pole.tekst(), u"12 1020 5558 1111 2222 3333 4444"_qs);

        pole.setSelection(3, 4);
        QTest::keySequence(&pole, QKeySequence::Cut);
        QCOMPARE(QApplication::clipboard()->text(), u"1020"_qs);
        QCOMPARE(pole.tekst(), u"12      5558 1111 2222 3333 4444"_qs);

        pole.setCursorPosition(3);
        QApplication::clipboard()->setText(u"98"_qs);
        QTest::keySequence(&pole, QKeySequence::Paste);
        QCOMPARE(pole.tekst(), u"12 98   5558 1111 2222 3333 4444"_qs);
        QCOMPARE(pole.cursorPosition(), 5);
    }

    void pole_zglasza_wyjscie() {
        QWidget okno;
        auto* pole = new PoleMaskowane(maska_lk, &okno);
        auto* inne = new QLineEdit(&okno);
        inne->move(0, 30);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QSignalSpy wyjscia(pole, &PoleMaskowane::opuszczony);
        pole->setFocus();
        inne->setFocus();
        QCOMPARE(wyjscia.count(), 1);
        // Another window taking the focus is not leaving the field.
        pole->setFocus();
        QWidget drugie;
        drugie.show();
        drugie.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&drugie));
        QVERIFY(!pole->hasFocus());
        QCOMPARE(wyjscia.count(), 1);
    }
};

QTEST_MAIN(TestKonto)
#include "test_konto.moc"
