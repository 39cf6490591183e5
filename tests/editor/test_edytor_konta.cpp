// Account numbers in the transfer editor: colours while typing, the caret
// after a click, pasting a whole number.
#include "editor/edytor_testowy.h"
#include "widgets/dialogi.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The x of a point inside the field at which a click puts the caret at `znak`.
int x_znaku(QLineEdit* pole, int znak) {
    const int y = pole->height() / 2;
    for (int x = 0; x < pole->width(); ++x)
        if (pole->cursorPositionAt(QPoint(x, y)) >= znak) return x;
    return pole->width() - 2;
}

void kliknij_znak(QLineEdit* pole, int znak) {
    QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(x_znaku(pole, znak), pole->height() / 2));
}

}  // namespace

class TestEdytorKonta : public QObject, protected EdytorTestowy {
    Q_OBJECT
  private slots:
    void initTestCase() { przygotuj_katalog(); }
    void init() { utworz(); }
    void cleanup() { edytor_.reset(); }

    // --- account parts while typing and leaving them

    void przejscia_przy_pisaniu_konta() {
        otworz_nowy();
        edytor_->lk->setFocus();
        QTest::keyClicks(edytor_->lk, u"1"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->lk);
        QTest::keyClick(edytor_->lk, Qt::Key_Tab);
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::lk));
        // The second digit later carries on to the bank number, painting lk normal on the way out.
        edytor_->lk->setFocus();
        edytor_->lk->setCursorPosition(1);
        QTest::keyClicks(edytor_->lk, u"2"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_banku_odbiorcy);
        QCOMPARE(edytor_->nr_banku_odbiorcy->cursorPosition(), 0);
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::lk));

        QTest::keyClicks(edytor_->nr_banku_odbiorcy, u"1020555"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_banku_odbiorcy);
        QTest::keyClick(edytor_->nr_banku_odbiorcy, Qt::Key_Tab);
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::bank));
        edytor_->nr_banku_odbiorcy->setFocus();
        edytor_->nr_banku_odbiorcy->setCursorPosition(8);
        QTest::keyClicks(edytor_->nr_banku_odbiorcy, u"8"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_rach_odbiorcy);
        QCOMPARE(edytor_->nr_rach_odbiorcy->cursorPosition(), 0);
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::bank));

        // The account was passed through on the way back to the bank number,
        // but nothing was typed into it: no mark.
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));
        QTest::keyClick(edytor_->nr_rach_odbiorcy, u'1');
        QTest::keyClick(edytor_->nr_rach_odbiorcy, Qt::Key_Tab);
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::rach));
        edytor_->nr_rach_odbiorcy->setFocus();
        edytor_->nr_rach_odbiorcy->setCursorPosition(1);
        QTest::keyClicks(edytor_->nr_rach_odbiorcy, u"11122223333444"_s);
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::rach));
        QTest::keyClicks(edytor_->nr_rach_odbiorcy, u"4"_s);
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));  // normal with the 16th digit
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_rach_odbiorcy);
        QTest::keyClick(edytor_->nr_rach_odbiorcy, Qt::Key_Backspace);
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));  // never red while typing
        QTest::keyClick(edytor_->nr_rach_odbiorcy, Qt::Key_Tab);
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::rach));
    }

    // Tabbing past the empty account marks nothing; "Zapisz" marks every gap,
    // even when it then stops at another field.
    void puste_konto_oznaczone_dopiero_przy_zapisie() {
        SeamDialogow seam;
        otworz_nowy();
        edytor_->lk->setFocus();
        for (QWidget* p : {edytor_->lk, edytor_->nr_banku_odbiorcy, edytor_->nr_rach_odbiorcy})
            QTest::keyClick(p, Qt::Key_Tab);
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QVERIFY(!edytor_->konto_odbiorcy->brak(c));
        zapisz();  // no recipient name: the window stays open
        QVERIFY(oddane_.empty());
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QVERIFY(edytor_->konto_odbiorcy->brak(c));
    }

    void aktywacja_koloruje_konto_edytowanego() {
        Tprzelew p = zapisany();
        p.nr_banku_odbiorcy = "1020 555 ";
        Tprzelew dobry = zapisany("Adam");
        dobry.lk = "97";  // wrong check digits look complete
        otworz(p);
        QCOMPARE(QApplication::focusWidget(), edytor_->nazwa_odbiorcy1);  // filling moved no focus
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::lk));
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::bank));
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));
        schowaj();

        otworz(dobry);
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QCOMPARE(edytor_->konto_odbiorcy->oznaczenie(c), PoleKonta::Oznaczenie::bledna_suma);
        edytor_->nr_rach_odbiorcy->ustaw_tekst(u"12"_s);
        edytor_->konto_odbiorcy->oznacz_braki();
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::rach));
        schowaj();
        otworz_nowy();  // a new order starts with all three normal
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));
    }

    // --- typing and pasting account numbers

    PoleMaskowane* pole_konta(const QString& nazwa) {
        return edytor_->findChild<PoleMaskowane*>(nazwa);
    }

    // A click past the typed digits continues where they end; End does the same.
    void klik_i_pisanie_w_koncie_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("znak");  // where the click aims; -1: End instead of a click
        QTest::addColumn<QString>("klawisze");
        QTest::addColumn<QString>("zapisany");
        const QString rach = u"nr_rach_odbiorcy"_s;
        const QString bank = u"nr_banku_odbiorcy"_s;
        QTest::newRow("puste konto, klik w srodku")
            << rach << QString() << 10 << u"1234"_s << u"1234               "_s;
        QTest::newRow("puste konto, klik na koncu")
            << rach << QString() << 19 << u"12345"_s << u"1234 5             "_s;
        QTest::newRow("czesciowe konto, klik za cyframi")
            << rach << u"1234 56"_s << 16 << u"78"_s << u"1234 5678          "_s;
        QTest::newRow("klik na cyfrze nadpisuje")
            << rach << u"1234 5678"_s << 1 << u"9"_s << u"1934 5678          "_s;
        QTest::newRow("klik w dziure przed cyframi")
            << bank << u"12 4 5678"_s << 2 << u"3"_s << u"1234 5678"_s;
        QTest::newRow("ostatnia cyfra przez klik na koncu")
            << bank << u"1234 567"_s << 9 << u"8"_s << u"1234 5678"_s;
        QTest::newRow("ostatnia cyfra przez End")
            << bank << u"1234 567"_s << -1 << u"8"_s << u"1234 5678"_s;
        QTest::newRow("End w pustym polu") << bank << QString() << -1 << u"12"_s << u"12       "_s;
        QTest::newRow("dziura po pelnym koncu, klik na koncu")
            << bank << u"1 34 5678"_s << 9 << u"2"_s << u"1234 5678"_s;
        QTest::newRow("L.k. pusty, klik na koncu")
            << u"lk"_s << QString() << 2 << u"1"_s << u"1 "_s;
        QTest::newRow("L.k. z jedna cyfra, klik na koncu")
            << u"lk"_s << u"4"_s << 2 << u"7"_s << u"47"_s;
    }
    void klik_i_pisanie_w_koncie() {
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(int, znak);
        QFETCH(QString, klawisze);
        QFETCH(QString, zapisany);
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        PoleMaskowane* p = pole_konta(pole);
        p->ustaw_tekst(tekst);
        if (znak < 0) {
            p->setFocus();
            p->setCursorPosition(0);
            QTest::keyClick(p, Qt::Key_End);
        } else {
            kliknij_znak(p, znak);
        }
        QCOMPARE(QApplication::focusWidget(), p);
        QTest::keyClicks(p, klawisze);
        zapisz();
        QCOMPARE(oddane_.size(), std::size_t(1));
        const Tprzelew& w = oddane_[0];
        const QString zapisane = pole == u"lk"_s                  ? w.lk.na_unicode()
                                 : pole == u"nr_banku_odbiorcy"_s ? w.nr_banku_odbiorcy.na_unicode()
                                                                  : w.nr_rach_odbiorcy.na_unicode();
        QCOMPARE(zapisane, zapisany);
    }

    // The slots of an account field are as wide as its digits.
    void konto_czcionka_stalej_szerokosci() {
        otworz_nowy();
        for (PoleMaskowane* p : {edytor_->lk, edytor_->nr_banku_odbiorcy, edytor_->nr_rach_odbiorcy,
                                 edytor_->nr_rach_nadawcy}) {
            QCOMPARE(p->fontMetrics().horizontalAdvance(u' '),
                     p->fontMetrics().horizontalAdvance(u'8'));
            // As large as the other fields, only of another family.
            QCOMPARE(p->font().pointSizeF(), edytor_->nazwa_odbiorcy1->font().pointSizeF());
        }
    }

    // A whole number pasted anywhere fills all three parts; a part pasted
    // into its own field fills that field.
    void wklejanie_konta_data() {
        QTest::addColumn<QString>("wklejany");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("sposob");        // "ctrl+v", "menu", "srodkowy"
        QTest::addColumn<QStringList>("zapisane");  // lk, bank, account
        const QStringList caly = {u"61"_s, u"1090 1014"_s, u"0000 0712 1981 2874"_s};
        const QString rach = u"nr_rach_odbiorcy"_s;
        QTest::newRow("same cyfry do L.k.")
            << u"61109010140000071219812874"_s << u"lk"_s << u"ctrl+v"_s << caly;
        QTest::newRow("ze spacjami do banku") << u"61 1090 1014 0000 0712 1981 2874"_s
                                              << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s << caly;
        QTest::newRow("z PL i spacjami do konta")
            << u"PL61 1090 1014 0000 0712 1981 2874"_s << rach << u"ctrl+v"_s << caly;
        QTest::newRow("z myslnikami, menu")
            << u"61-1090-1014-0000-0712-1981-2874"_s << rach << u"menu"_s << caly;
        QTest::newRow("z pl i spacjami dookola, menu")
            << u"  pl61109010140000071219812874\n"_s << u"lk"_s << u"menu"_s << caly;
        QTest::newRow("caly numer srodkowym przyciskiem")
            << u"61 1090 1014 0000 0712 1981 2874"_s << rach << u"srodkowy"_s << caly;
        QTest::newRow("sam bank do banku")
            << u"1090 1014"_s << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s
            << QStringList{u"  "_s, u"1090 1014"_s, QString(19, u' ')};
        QTest::newRow("samo konto do konta")
            << u"0000-0712-1981-2874"_s << rach << u"ctrl+v"_s
            << QStringList{u"  "_s, QString(9, u' '), u"0000 0712 1981 2874"_s};
        QTest::newRow("samo L.k. do L.k.")
            << u"61"_s << u"lk"_s << u"menu"_s
            << QStringList{u"61"_s, QString(9, u' '), QString(19, u' ')};
        // 25 digits are not a whole number: only what fits from the caret.
        QTest::newRow("25 cyfr do banku")
            << u"6110901014000007121981287"_s << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s
            << QStringList{u"  "_s, u"6110 9010"_s, QString(19, u' ')};
        QTest::newRow("numer z litera w srodku")
            << u"61 1090 1014 0000 0712 1981 287A"_s << u"lk"_s << u"ctrl+v"_s
            << QStringList{u"61"_s, QString(9, u' '), QString(19, u' ')};
    }
    void wklejanie_konta() {
        QFETCH(QString, wklejany);
        QFETCH(QString, pole);
        QFETCH(QString, sposob);
        QFETCH(QStringList, zapisane);
        QClipboard* schowek = QApplication::clipboard();
        if (sposob == u"srodkowy"_s && !schowek->supportsSelection())
            QSKIP("Ten system nie ma schowka zaznaczenia.");
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        PoleMaskowane* p = pole_konta(pole);
        p->setFocus();
        p->setCursorPosition(0);
        if (sposob == u"srodkowy"_s) {
            schowek->setText(wklejany, QClipboard::Selection);
            QTest::mouseClick(p, Qt::MiddleButton, {}, QPoint(4, p->height() / 2));
        } else if (sposob == u"menu"_s) {
            schowek->setText(wklejany);
            QTimer::singleShot(0, this, [] {
                QWidget* menu = QApplication::activePopupWidget();
                QVERIFY(menu);
                QAction* wklej = nullptr;
                for (QAction* a : menu->actions())
                    if (a->text().startsWith(QLineEdit::tr("&Paste"))) wklej = a;
                QVERIFY(wklej);
                wklej->trigger();
                menu->close();
            });
            QContextMenuEvent zdarzenie(QContextMenuEvent::Mouse, QPoint(4, 4),
                                        p->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(p, &zdarzenie);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        } else {
            schowek->setText(wklejany);
            QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
        }
        zapisz();
        QCOMPARE(oddane_.size(), std::size_t(1));
        const Tprzelew& w = oddane_[0];
        QCOMPARE((QStringList{w.lk.na_unicode(), w.nr_banku_odbiorcy.na_unicode(),
                              w.nr_rach_odbiorcy.na_unicode()}),
                 zapisane);
    }
};

QTEST_MAIN(TestEdytorKonta)
#include "test_edytor_konta.moc"
