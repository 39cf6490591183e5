// The preview as the user drives it: it opens showing the page's whole width,
// keeps the zoom chosen for the next preview, and takes the usual keys.
#include "printing/print_preview.h"
#include "printing/przygotowanie.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Four stubs upright: two pages.
std::unique_ptr<Tpodglad_wydruku> podglad() {
    auto okno = std::make_unique<Tpodglad_wydruku>();
    UstawieniaWydruku u;
    u.ilosc_odcinkow = 4;
    okno->ustaw_dokument(generuj_wydruk(stan_druku(u), {}), u.ilosc_odcinkow, u.uklad_strony);
    okno->show();
    return okno;
}

}  // namespace

class TestPodgladKlawisze : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void init() {
        QVERIFY(katalog_.isValid());
        const QString plik = katalog_.filePath(u"ustawienia.ini"_s);
        QFile::remove(plik);
        MagazynUstawien::ustaw_plik(plik);
        Dialogi::Test::wlacz();
    }

    void otwiera_sie_na_szerokosc_strony() {
        auto okno = podglad();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        QVERIFY(okno->do_szerokosci());
        const int widok = okno->ScrollBox1->viewport()->width();
        QVERIFY2(okno->podglad_strony->width() <= widok &&
                     okno->podglad_strony->width() > widok * 8 / 10,
                 qPrintable(u"%1 / %2"_s.arg(okno->podglad_strony->width()).arg(widok)));
        QCOMPARE(okno->ScrollBox1->horizontalScrollBar()->maximum(), 0);
        // A wider window keeps showing the whole width.
        const int przed = okno->powiekszenie();
        okno->resize(okno->width() + 300, okno->height());
        QTRY_VERIFY(okno->powiekszenie() > przed);
        QCOMPARE(okno->b_poprz->text(), u"&Poprzednia"_s);
        QCOMPARE(okno->b_nast->text(), u"&Następna"_s);
    }

    void powiekszenie_klawiszami_i_zapamietane() {
        int wybrane = 0;
        {
            auto okno = podglad();
            QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
            const int szerokosc = okno->powiekszenie();
            QTest::keyClick(okno.get(), Qt::Key_Plus, Qt::ControlModifier);
            QVERIFY(okno->powiekszenie() > szerokosc);
            QVERIFY(!okno->do_szerokosci());
            QTest::keyClick(okno.get(), Qt::Key_Minus, Qt::ControlModifier);
            QTest::keyClick(okno.get(), Qt::Key_Minus, Qt::ControlModifier);
            QVERIFY(okno->powiekszenie() < szerokosc);
            QWheelEvent kolko(
                QPointF(10, 10), okno->ScrollBox1->viewport()->mapToGlobal(QPointF(10, 10)), {},
                QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            const int przed = okno->powiekszenie();
            QApplication::sendEvent(okno->ScrollBox1->viewport(), &kolko);
            QCOMPARE(okno->powiekszenie(), przed + Tpodglad_wydruku::krok_powiekszenia);
            wybrane = okno->powiekszenie();
        }
        {
            auto okno = podglad();
            QCOMPARE(okno->powiekszenie(), wybrane);
            QTest::keyClick(okno.get(), Qt::Key_0, Qt::ControlModifier);
            QVERIFY(okno->do_szerokosci());
        }
        auto okno = podglad();
        QVERIFY(okno->do_szerokosci());
    }

    void strony_klawiszami() {
        auto okno = podglad();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        QScrollBar* pionowy = okno->ScrollBox1->verticalScrollBar();
        QVERIFY(pionowy->maximum() > 0);  // at the width, a page is taller than the view
        QTest::keyClick(okno.get(), Qt::Key_PageDown);
        QCOMPARE(okno->biezaca_strona(), 1);  // the page is read to its end first
        QVERIFY(pionowy->value() > 0);
        while (pionowy->value() < pionowy->maximum()) QTest::keyClick(okno.get(), Qt::Key_PageDown);
        QTest::keyClick(okno.get(), Qt::Key_PageDown);
        QCOMPARE(okno->biezaca_strona(), 2);
        QCOMPARE(pionowy->value(), 0);
        QVERIFY(!okno->b_nast->isEnabled());
        QTest::keyClick(okno.get(), Qt::Key_Home);
        QCOMPARE(okno->biezaca_strona(), 1);
        QTest::keyClick(okno.get(), Qt::Key_End);
        QCOMPARE(okno->biezaca_strona(), 2);
        QTest::keyClick(okno.get(), Qt::Key_PageUp);
        QCOMPARE(okno->biezaca_strona(), 1);
        QCOMPARE(pionowy->value(), pionowy->maximum());  // the end of the page before
    }
};

QTEST_MAIN(TestPodgladKlawisze)
#include "test_podglad_klawisze.moc"
