// The address-book window by keyboard alone: the selection chooses, Enter
// confirms, Escape cancels; the list shows the account beside the name.
#include "addressbook/lista.h"
#include "rekord_wpisu.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestKlawiaturaBaz : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        Dialogi::Test::wlacz();
        zapisz_plik(katalog_.filePath(u"baza_odbiorcow.dat"_s),
                    rekord("Alfa") + rekord("Beta", "", "34", "1090 1014", "0000 0712 1981 2874"));
    }

    void wybor_klawiatura_i_enter() {
        std::optional<Twpis_bazy> wybrany;
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            QVERIFY(!l->zapisz_zmiany->isEnabled());
            l->lista_z_bazy->setFocus();
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Down);
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Down);
            QVERIFY(l->zapisz_zmiany->isEnabled());
            // Tab to "OK" and Enter on it.
            l->zapisz_zmiany->setFocus(Qt::TabFocusReason);
            QTest::keyClick(l->zapisz_zmiany, Qt::Key_Return);
        });
        wybrany = wybor_wpisu(nullptr, RodzajBazy::odbiorcy);
        QVERIFY(przy.otwarte());
        QVERIFY(wybrany);
        QCOMPARE(wybrany->nazwa1, "Beta");
    }

    void escape_bez_zmian_zamyka() {
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Escape);
            QVERIFY(!l->isVisible());
        });
        QVERIFY(!wybor_wpisu(nullptr, RodzajBazy::odbiorcy));
        QVERIFY(przy.otwarte());
        QVERIFY(Dialogi::Test::teksty().isEmpty());
    }

    void konto_obok_nazwy_data() {
        QTest::addColumn<RodzajBazy>("rodzaj");
        QTest::addColumn<int>("kolumn");
        QTest::newRow("odbiorcy") << RodzajBazy::odbiorcy << 2;
        QTest::newRow("tytuły") << RodzajBazy::tytuly << 1;
    }
    void konto_obok_nazwy() {
        QFETCH(RodzajBazy, rodzaj);
        QFETCH(int, kolumn);
        zapisz_plik(katalog_.filePath(u"baza_tytulow.dat"_s), rekord("Czynsz"));
        Tlista_wpisow lista(nullptr, rodzaj, false);
        QCOMPARE(lista.lista_z_bazy->columnCount(), kolumn);
        if (kolumn == 2) {
            QCOMPARE(lista.lista_z_bazy->topLevelItem(1)->text(1),
                     u"34 1090 1014 0000 0712 1981 2874"_s);
            lista.show();
            QVERIFY(QTest::qWaitForWindowExposed(&lista));
            // The whole number is readable.
            const QRect obszar =
                lista.lista_z_bazy->visualItemRect(lista.lista_z_bazy->topLevelItem(1));
            QVERIFY(lista.lista_z_bazy->header()->sectionSize(1) >=
                    lista.lista_z_bazy->fontMetrics().horizontalAdvance(
                        u"34 1090 1014 0000 0712 1981 2874"_s));
            QVERIFY(obszar.right() <= lista.lista_z_bazy->viewport()->width());
        }
    }
};

QTEST_MAIN(TestKlawiaturaBaz)
#include "test_klawiatura_baz.moc"
