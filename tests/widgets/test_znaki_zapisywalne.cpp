// Text pasted into a field that stores Windows-1250: decomposed letters are
// composed and kept, what cannot be stored is refused with a hint.
#include "widgets/znaki_zapisywalne.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestZnakiZapisywalne : public QObject {
    Q_OBJECT
  private slots:
    void wklejanie_data() {
        QTest::addColumn<QString>("wklejany");
        QTest::addColumn<QString>("w_polu");
        QTest::addColumn<QString>("odrzucony");  // the character named by the hint
        const QString zazolc = u"zażółć gęślą jaźń"_s;
        QTest::newRow("złożone") << zazolc << zazolc << QString();
        QTest::newRow("rozłożone (NFD, jak z PDF)")
            << zazolc.normalized(QString::NormalizationForm_D) << zazolc << QString();
        QTest::newRow("emoji") << u"Czynsz \U0001F600"_s << QString() << u"\U0001F600"_s;
        QTest::newRow("cyrylica") << u"Жилье"_s << QString() << u"Ж"_s;
        QTest::newRow("rozłożone bez odpowiednika") << u"n\u0303"_s << QString() << u"ñ"_s;
    }
    void wklejanie() {
        QFETCH(QString, wklejany);
        QFETCH(QString, w_polu);
        QFETCH(QString, odrzucony);
        QLineEdit pole;
        pole.setValidator(new ZnakiZapisywalne(&pole));
        pole.insert(wklejany);
        QCOMPARE(pole.text(), w_polu);
        QCOMPARE(pole.property("odrzucony_znak").toString(),
                 odrzucony.isEmpty() ? QString() : ZnakiZapisywalne::podpowiedz(odrzucony));
    }
};

QTEST_MAIN(TestZnakiZapisywalne)
#include "test_znaki_zapisywalne.moc"
