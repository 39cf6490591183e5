// The main list's own cell drawing looks exactly as the style's, whatever the
// cell holds and however it stands.
#include "app/malarz_wierszy.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QStyle>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

struct Stan {
    int szerokosc_kolumny = 160;
    bool zaznaczony = false;
    bool z_fokusem = false;
    bool z_ikona = false;
    Qt::LayoutDirection kierunek = Qt::LeftToRight;
    bool wylaczony = false;
};

}  // namespace

Q_DECLARE_METATYPE(Stan)

namespace {

QImage namaluj(QAbstractItemDelegate* malarz, const Stan& s) {
    QStandardItemModel model(3, 2);
    const QStringList teksty = {u"Miejskie Przedsiębiorstwo Wodociągów Łódź"_s, u"Faktura 7"_s,
                                u"1 234,56 zł"_s};
    for (int w = 0; w < 3; ++w) {
        auto* nazwa = new QStandardItem(teksty.at(w));
        if (s.z_ikona && w != 1)
            nazwa->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning));
        model.setItem(w, 0, nazwa);
        auto* kwota = new QStandardItem(teksty.at(2 - w));
        kwota->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.setItem(w, 1, kwota);
    }
    QTreeView widok;
    widok.setLayoutDirection(s.kierunek);
    widok.setRootIsDecorated(false);
    widok.setUniformRowHeights(true);
    widok.setIconSize(QSize(12, 12));
    widok.setAllColumnsShowFocus(true);
    widok.setSelectionBehavior(QAbstractItemView::SelectRows);
    widok.setModel(&model);
    widok.setItemDelegate(malarz);
    widok.header()->resizeSection(0, s.szerokosc_kolumny);
    widok.resize(400, 120);
    widok.setEnabled(!s.wylaczony);
    widok.show();
    if (!QTest::qWaitForWindowActive(&widok)) return {};
    if (s.z_fokusem) {
        widok.setFocus();
        widok.setCurrentIndex(model.index(1, 0));
    }
    if (s.zaznaczony)
        widok.selectionModel()->select(model.index(1, 0),
                                       QItemSelectionModel::Rows | QItemSelectionModel::Select);
    if (!s.z_fokusem) widok.clearFocus();
    return widok.viewport()->grab().toImage();
}

}  // namespace

class TestMalarzWierszy : public QObject {
    Q_OBJECT
  private slots:
    void jak_styl_data() {
        QTest::addColumn<Stan>("stan");
        QTest::newRow("zwykły") << Stan{};
        QTest::newRow("obcięty z wielokropkiem") << Stan{.szerokosc_kolumny = 90};
        QTest::newRow("zaznaczony") << Stan{.zaznaczony = true};
        QTest::newRow("bieżący z fokusem") << Stan{.zaznaczony = true, .z_fokusem = true};
        QTest::newRow("ze znakiem ostrzeżenia") << Stan{.szerokosc_kolumny = 110, .z_ikona = true};
        QTest::newRow("znak w zaznaczonym")
            << Stan{.zaznaczony = true, .z_fokusem = true, .z_ikona = true};
        QTest::newRow("od prawej do lewej")
            << Stan{.szerokosc_kolumny = 110, .z_ikona = true, .kierunek = Qt::RightToLeft};
        QTest::newRow("wyłączony") << Stan{.z_ikona = true, .wylaczony = true};
    }
    void jak_styl() {
        QFETCH(Stan, stan);
        QStyledItemDelegate stylu;
        MalarzWierszy nasz;
        const QImage oczekiwany = namaluj(&stylu, stan);
        QVERIFY(!oczekiwany.isNull());
        QCOMPARE(namaluj(&nasz, stan), oczekiwany);
    }
};

QTEST_MAIN(TestMalarzWierszy)
#include "test_malarz_wierszy.moc"
