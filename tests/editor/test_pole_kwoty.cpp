// The amount fields' integer filter as the editor wires it.
#include "register/kwota.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPoleKwoty : public QObject {
    Q_OBJECT
  private slots:
    // The filter as the editor wires it: on every edit the user makes.
    void filtr_w_polu_data() {
        QTest::addColumn<QString>("poczatek");
        QTest::addColumn<int>("kursor");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("zostaje");
        QTest::addColumn<int>("kursor_po");
        QTest::newRow("1, 2, a") << QString() << 0 << u"12a"_s << u"12"_s << 2;
        QTest::newRow("x miedzy 1 a 2") << u"123"_s << 1 << u"x"_s << u"12"_s << 2;
        QTest::newRow("minus w pustym") << QString() << 0 << u"-"_s << QString() << 0;
        QTest::newRow("minus przed cyframi") << u"5"_s << 0 << u"-"_s << u"-5"_s << 1;
        QTest::newRow("spacja przed cyframi") << u"5"_s << 0 << u" "_s << u" 5"_s << 1;
        QTest::newRow("spacja za cyframi") << u"5"_s << 1 << u" "_s << u"5"_s << 1;
    }
    void filtr_w_polu() {
        QFETCH(QString, poczatek);
        QFETCH(int, kursor);
        QFETCH(QString, wpisane);
        QFETCH(QString, zostaje);
        QFETCH(int, kursor_po);
        QLineEdit pole;
        pole.setMaxLength(6);
        QObject::connect(&pole, &QLineEdit::textEdited, &pole, [&pole] {
            const WynikFiltraLiczby w = ::filtr_liczby(pole.text());
            if (!w.kursor) return;
            pole.setText(w.tekst);
            pole.setCursorPosition(int(*w.kursor));
        });
        pole.setText(poczatek);
        pole.setCursorPosition(kursor);
        QTest::keyClicks(&pole, wpisane);
        QCOMPARE(pole.text(), zostaje);
        QCOMPARE(pole.cursorPosition(), kursor_po);
    }
};

QTEST_MAIN(TestPoleKwoty)
#include "test_pole_kwoty.moc"
