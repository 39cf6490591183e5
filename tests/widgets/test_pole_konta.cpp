// Account fields as widgets: the masked field and the completeness marking.
#include "register/maska.h"
#include "widgets/pole_maskowane.h"
#include "widgets/sprawdzanie_konta.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPoleKonta : public QObject {
    Q_OBJECT
  private slots:
    // The checks read the text and paint nothing; painting follows the
    // result handed to it.
    void sprawdzenia_i_kolory() {
        QLineEdit lk, bank, rach;
        lk.setText(u"1 "_s);
        sprawdzenie_lk(&lk);
        QVERIFY(czy_czerwone(&lk));
        lk.setText(u"97"_s);  // wrong check digits are not noticed
        sprawdzenie_lk(&lk);
        QVERIFY(!czy_czerwone(&lk));
        QCOMPARE(lk.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

        bank.setText(u"1020 555 "_s);
        QVERIFY(!sprawdzenie_nr_banku_odbiorcy(&bank));
        QVERIFY(!czy_czerwone(&bank));  // checking paints nothing
        gdy_poprawnie_lub_nie(&bank, false);
        QVERIFY(czy_czerwone(&bank));
        QCOMPARE(bank.palette().color(QPalette::Base), QColor(255, 0, 0));

        rach.setText(u"1111 2222 3333 4444"_s);
        QVERIFY(sprawdzenie_nr_rach_odbiorcy(&rach));
        rach.setText(u"1111 2222 3333 444 "_s);
        QVERIFY(!sprawdzenie_nr_rach_odbiorcy(&rach));
        gdy_poprawnie_lub_nie(&bank, true);
        QVERIFY(!czy_czerwone(&bank));
    }

    // Leaving a part paints it by its own content, whatever was checked before.
    void wyjscie_maluje_wlasna_czesc() {
        QLineEdit bank, rach;
        bank.setText(u"1020 5558"_s);
        rach.setText(u"1111 2222 3333 444 "_s);
        po_wyjsciu_z_nr_rach(&rach);
        po_wyjsciu_z_nr_banku(&bank);
        QVERIFY(!czy_czerwone(&bank));
        QVERIFY(czy_czerwone(&rach));
        po_zmianie_nr_rach(&rach);  // incomplete while typing: stays as it was
        QVERIFY(czy_czerwone(&rach));
        rach.setText(u"1111 2222 3333 4444"_s);
        po_zmianie_nr_rach(&rach);
        QVERIFY(!czy_czerwone(&rach));
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
