// Account fields as widgets: the masked field and the three-part account field.
#include "register/maska.h"
#include "widgets/pola_numerow.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPoleKonta : public QObject {
    Q_OBJECT
  private slots:
    // The number's state follows its parts and is announced once per change.
    void stan_i_sygnal() {
        QWidget okno;
        PoleKonta konto(&okno);
        QSignalSpy zmiany(&konto, &PoleKonta::stan_zmieniony);
        QCOMPARE(konto.stan(), StanPolaKonta::pusty);
        konto.czesc(PoleKonta::bank)->ustaw_tekst(u"1090 1014"_s);
        QCOMPARE(konto.stan(), StanPolaKonta::niepelny);
        konto.czesc(PoleKonta::rach)->ustaw_tekst(u"0000 0712 1981 2874"_s);
        QCOMPARE(zmiany.count(), 1);  // still incomplete: nothing new to tell
        konto.czesc(PoleKonta::lk)->ustaw_tekst(u"62"_s);
        QCOMPARE(konto.stan(), StanPolaKonta::bledna_suma);
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QCOMPARE(konto.oznaczenie(c), PoleKonta::Oznaczenie::bledna_suma);
        konto.czesc(PoleKonta::lk)->ustaw_tekst(u"61"_s);
        QCOMPARE(konto.stan(), StanPolaKonta::poprawny);
        QCOMPARE(konto.oznaczenie(PoleKonta::lk), PoleKonta::Oznaczenie::zwykle);
        konto.ustaw({}, {}, {});
        QCOMPARE(konto.stan(), StanPolaKonta::pusty);
        QCOMPARE(zmiany.count(), 5);
        QCOMPARE(zmiany.last().at(0).value<StanPolaKonta>(), StanPolaKonta::pusty);
    }

    // A part is marked when the user typed into it and left it incomplete, or
    // when every gap is asked for ("Zapisz"); passing an untouched part or
    // filling it from code marks nothing. A completed part loses its mark at once.
    // A stored part with more digits than its mask holds (a file from another
    // program) shows its first digits but is never taken as a valid number.
    void za_dlugi_zapisany_numer() {
        QWidget okno;
        PoleKonta konto(&okno);
        konto.ustaw(u"61"_s, u"1090 1014"_s, u"0000 0712 1981 28745"_s);
        QCOMPARE(konto.stan(), StanPolaKonta::niepelny);
        konto.oznacz_braki();
        QCOMPARE(konto.oznaczenie(PoleKonta::rach), PoleKonta::Oznaczenie::brak);
        QCOMPARE(konto.oznaczenie(PoleKonta::bank), PoleKonta::Oznaczenie::zwykle);
        QVERIFY(konto.czesc(PoleKonta::rach)->toolTip().contains(u"28745"_s));
        QCOMPARE(konto.czesc(PoleKonta::rach)->tekst_do_zapisu(), u"0000 0712 1981 28745"_s);
    }

    void oznaczenia_czesci() {
        QWidget okno;
        PoleKonta konto(&okno);
        auto* inne = new QLineEdit(&okno);
        auto* uklad = new QHBoxLayout(&okno);
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            uklad->addWidget(konto.czesc(c));
        uklad->addWidget(inne);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        PoleMaskowane* lk = konto.czesc(PoleKonta::lk);
        PoleMaskowane* bank = konto.czesc(PoleKonta::bank);

        for (PoleMaskowane* p : {lk, bank, konto.czesc(PoleKonta::rach)}) {
            p->setFocus();
            QTest::keyClick(p, Qt::Key_Tab);
        }
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QVERIFY(!konto.brak(c));

        lk->setFocus();
        lk->setCursorPosition(0);
        QTest::keyClick(lk, u'1');
        QCOMPARE(lk->tekst(), u"1 "_s);
        QTest::keyClick(lk, Qt::Key_Tab);
        QVERIFY(konto.brak(PoleKonta::lk));
        QCOMPARE(lk->palette().color(QPalette::Base), QColor(255, 0, 0));
        konto.ustaw(u"1 "_s, u"1020 555 "_s, {});  // from code: no mark stays
        QVERIFY(!konto.brak(PoleKonta::lk));
        QCOMPARE(lk->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));

        konto.oznacz_braki();
        QVERIFY(konto.brak(PoleKonta::lk));
        QVERIFY(konto.brak(PoleKonta::bank));
        QVERIFY(konto.brak(PoleKonta::rach));
        // The last digit of the bank number takes the mark off and the caret on.
        bank->setFocus();
        bank->setCursorPosition(8);
        QTest::keyClick(bank, u'8');
        QVERIFY(!konto.brak(PoleKonta::bank));
        QCOMPARE(QApplication::focusWidget(), konto.czesc(PoleKonta::rach));
    }

    // The titles book: the parts off, shown so, and never marked.
    void wylaczone() {
        QWidget okno;
        PoleKonta konto(&okno);
        konto.ustaw_wylaczone(true);
        konto.oznacz_braki();
        QVERIFY(!konto.czesc(PoleKonta::bank)->isEnabled());
        QCOMPARE(konto.oznaczenie(PoleKonta::bank), PoleKonta::Oznaczenie::wylaczone);
        QCOMPARE(konto.czesc(PoleKonta::bank)->palette().color(QPalette::Base),
                 kolor_pol_nieaktywnych);
    }

    void pole_zwraca_zapisany_tekst_na_swoich_miejscach() {
        PoleMaskowane pole(maski::bank);
        QCOMPARE(pole.tekst(), QString(9, u' '));
        QSignalSpy zmiany(&pole, &PoleMaskowane::zmieniony);
        pole.ustaw_tekst(u"12   5678"_s);
        QCOMPARE(pole.tekst(), u"12   5678"_s);
        QCOMPARE(pole.text(), pole.tekst());
        QCOMPARE(zmiany.count(), 1);
        pole.ustaw_tekst(u"12   5678"_s);
        QCOMPARE(zmiany.count(), 1);  // no change, no signal
        PoleMaskowane lk(maski::lk);
        lk.ustaw_tekst(u" 7"_s);
        QCOMPARE(lk.tekst(), u" 7"_s);
        // Text put in past the mask's rules is laid back on it, and counts as a change.
        pole.setText(u"99"_s);
        QCOMPARE(pole.tekst(), u"99       "_s);
        QCOMPARE(zmiany.count(), 2);
    }

    void pole_pisanie_i_kasowanie() {
        PoleMaskowane pole(maski::rachunek);
        pole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pole));
        QSignalSpy zmiany(&pole, &PoleMaskowane::zmieniony);
        pole.setCursorPosition(0);
        QTest::keyClicks(&pole, u"12a345-6"_s);
        QCOMPARE(pole.tekst(), u"1234 56            "_s);
        QCOMPARE(zmiany.count(), 6);  // one per digit; the rest changes nothing
        QCOMPARE(pole.cursorPosition(), 7);

        QTest::keyClick(&pole, Qt::Key_Backspace);
        QTest::keyClick(&pole, Qt::Key_Backspace);
        QTest::keyClick(&pole, Qt::Key_Backspace);
        QCOMPARE(pole.tekst(), u"123                "_s);
        QCOMPARE(pole.cursorPosition(), 3);

        QTest::keyClick(&pole, Qt::Key_Home);
        QTest::keyClick(&pole, Qt::Key_Delete);
        QCOMPARE(pole.tekst(), u" 23                "_s);
        // End goes to where typing carries on, not past the last blank slot.
        QTest::keyClick(&pole, Qt::Key_End);
        QCOMPARE(pole.cursorPosition(), 3);
        QTest::keyClick(&pole, u'9');
        QCOMPARE(pole.tekst(), u" 239               "_s);
        QCOMPARE(pole.tekst().size(), 19);

        pole.selectAll();
        QTest::keyClick(&pole, u'5');
        QCOMPARE(pole.tekst(), u"5                  "_s);
    }

    void pole_wklejanie_i_wycinanie() {
        PoleMaskowane pole(maski::nadawca);
        pole.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pole));
        QApplication::clipboard()->setText(u"PL 12 1020-5558 1111 2222 3333 4444"_s);
        pole.setCursorPosition(0);
        QTest::keySequence(&pole, QKeySequence::Paste);
        QCOMPARE(pole.tekst(), u"12 1020 5558 1111 2222 3333 4444"_s);

        pole.setSelection(3, 4);
        QTest::keySequence(&pole, QKeySequence::Cut);
        QCOMPARE(QApplication::clipboard()->text(), u"1020"_s);
        QCOMPARE(pole.tekst(), u"12      5558 1111 2222 3333 4444"_s);

        pole.setCursorPosition(3);
        QApplication::clipboard()->setText(u"98"_s);
        QTest::keySequence(&pole, QKeySequence::Paste);
        QCOMPARE(pole.tekst(), u"12 98   5558 1111 2222 3333 4444"_s);
        QCOMPARE(pole.cursorPosition(), 5);
    }

    void pole_zglasza_wyjscie() {
        QWidget okno;
        auto* pole = new PoleMaskowane(maski::lk, &okno);
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

QTEST_MAIN(TestPoleKonta)
#include "test_pole_konta.moc"
