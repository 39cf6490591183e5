// The main window's commands that open the transfer editor: an editor made
// for each opening, its order written into the register.
#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "editor/edytor_testowy.h"
#include "register/pola_przelewu.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Where the test's PDF printer writes; the print dialog seam takes a plain function.
QString wyjscie_drukarki;
void drukarka_pdf(QPrinter& drukarka) {
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(wyjscie_drukarki);
}

QStringList wiersz_listy(Tglowne_okno& okno, int nr) {
    QStringList wynik;
    for (int k = 0; k < 5; ++k) wynik << okno.model_listy->index(nr - 1, k).data().toString();
    return wynik;
}

}  // namespace

class TestGlownyEdycja : public QObject, protected EdytorTestowy {
    Q_OBJECT
  private slots:
    void initTestCase() { przygotuj_katalog(); }

    // --- the main window's commands: an editor made for each opening

    void polecenia_glownego_okna() {
        SeamDialogow seam;
        Tglowne_okno glowne;
        glowne.rejestr.dopisz(zapisany());
        glowne.odswiezanie();
        glowne.zaznacz_wiersz(0);
        {
            PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([](Tnowy_edycja_przelewow*) {});
            glowne.edycja();  // nothing selected: no window
            QCoreApplication::processEvents();
            QVERIFY(!przy.otwarte());
        }
        {
            PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([](Tnowy_edycja_przelewow* e) {
                QCOMPARE(e->windowTitle(), u"Nowy przelew"_s);
                QTest::keyClicks(e->nazwa_odbiorcy1, u"Nowy"_s);
                QTest::mouseClick(e->zapisz_edycja, Qt::LeftButton);
            });
            glowne.ListViewNew();
            QVERIFY(przy.otwarte());
        }
        QCOMPARE(glowne.rejestr.ilosc(), 2);
        QCOMPARE(wiersz_listy(glowne, 2),
                 (QStringList{u"Nowy"_s, QString(), QString(32, u' '), u"0,00 zł"_s, QString()}));
        QVERIFY(glowne.rejestr.zmieniony());
        QVERIFY(glowne.rejestr.plik_ma_nazwe);
        QVERIFY(glowne.FileSaveItem->isEnabled());
        QVERIFY(glowne.btn_zapisz_do_pliku->isEnabled());

        glowne.zaznacz_wiersz(1);
        glowne.rejestr.ustaw_zmieniony(false);
        {
            PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([](Tnowy_edycja_przelewow* e) {
                QCOMPARE(e->nazwa_odbiorcy1->text(), u"Zenon"_s);
                e->nazwa_odbiorcy1->setText(u"Inny"_s);
                QTest::mouseClick(e->anuluj_edycja, Qt::LeftButton);
            });
            glowne.edycja();
            QVERIFY(przy.otwarte());
        }
        QCOMPARE(glowne.rejestr.przelew(1), zapisany());
        QVERIFY(!glowne.rejestr.zmieniony());
    }

    // Saving an edited order writes its row and list item; the collection
    // counts as changed only when the order did, and is never made clean.
    void zapis_edycji_w_glownym_oknie_data() {
        QTest::addColumn<QString>("tytul");  // typed over the title; empty: nothing typed
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("bylo");
        QTest::addColumn<bool>("jest");
        const QByteArray d("15.03.2008");
        QTest::newRow("bez zmian") << QString() << d << false << false;
        QTest::newRow("bez zmian nie czysci") << QString() << d << true << true;
        QTest::newRow("nowy tytul") << u"Prąd"_s << d << false << true;
        // A date of one blank is emptied on opening; that alone is no change.
        QTest::newRow("data jedna spacja") << QString() << QByteArray(" ") << false << false;
    }
    void zapis_edycji_w_glownym_oknie() {
        QFETCH(QString, tytul);
        QFETCH(QByteArray, data);
        QFETCH(bool, bylo);
        QFETCH(bool, jest);
        SeamDialogow seam;
        Tglowne_okno glowne;
        Tprzelew p = zapisany();
        p.data = data.toStdString();
        glowne.rejestr.dopisz(zapisany("Adam"));
        glowne.rejestr.dopisz(p);
        glowne.odswiezanie();
        glowne.zaznacz_wiersz(2);
        glowne.rejestr.ustaw_zmieniony(bylo);
        PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([&](Tnowy_edycja_przelewow* e) {
            QCOMPARE(e->windowTitle(), u"Edycja przelewu"_s);
            if (!tytul.isEmpty()) {
                e->tytulem1->selectAll();
                wpisz(e->tytulem1, tytul);
            }
            QTest::mouseClick(e->zapisz_edycja, Qt::LeftButton);
        });
        glowne.edycja();
        QVERIFY(przy.otwarte());

        const TablicaPrzelewow& t = glowne.rejestr.tablica();
        QCOMPARE(t.ilosc_el(), 2);
        QCOMPARE(t[1], zapisany("Adam"));
        Tprzelew oczekiwany = p;
        if (data == " ") oczekiwany.data.wyczysc();
        if (!tytul.isEmpty()) oczekiwany.tytulem1 = Tekst<150>::z_unicode(tytul);
        QCOMPARE(t[2], oczekiwany);
        QCOMPARE(wiersz_listy(glowne, 2),
                 (QStringList{u"Zenon"_s, tytul.isEmpty() ? u"Czynsz"_s : tytul,
                              u"45 1020 5558 1111 2222 3333 4444"_s, u"12,50 zł"_s,
                              oczekiwany.data.na_unicode()}));
        QCOMPARE(glowne.zaznaczony_el(), 2);
        QCOMPARE(glowne.rejestr.zmieniony(), jest);
        QCOMPARE(glowne.FileSaveItem->isEnabled(), jest);
    }

    // Repeating last month's order takes four keys besides the amount:
    // Ctrl+K, the amount typed over the old one, Enter, Ctrl+P and the print
    // dialog's Enter leave one new row, selected, and its print.
    void powiel_i_drukuj_z_klawiatury() {
        SeamDialogow seam;
        Tglowne_okno glowne;
        glowne.rejestr.dopisz(zapisany("Adam"));
        glowne.rejestr.dopisz(zapisany());
        glowne.odswiezanie();
        glowne.show();
        glowne.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&glowne));
        glowne.zaznacz_wiersz(2);
        glowne.ListView->setFocus();
        bool zaznaczona_kwota = false;
        PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([&](Tnowy_edycja_przelewow* e) {
            // The keys go to the editor's focus, as a keyboard's would once it is active.
            zaznaczona_kwota =
                e->focusWidget() == e->kwota && e->kwota->selectedText() == e->kwota->text();
            for (const QChar z : u"245,67"_s) wpisz(e->focusWidget(), QString(z));
            QTest::keyClick(e->focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(&glowne, Qt::Key_K, Qt::ControlModifier);
        QVERIFY(przy.otwarte());
        QVERIFY(zaznaczona_kwota);

        QCOMPARE(glowne.rejestr.ilosc(), 3);
        Tprzelew oczekiwany = zapisany();
        oczekiwany.kwota = "245";
        oczekiwany.kwota100 = "67";
        oczekiwany.data.wyczysc();
        QCOMPARE(glowne.rejestr.przelew(3), oczekiwany);
        QCOMPARE(glowne.rejestr.przelew(2), zapisany());
        QCOMPARE(glowne.zaznaczone_el(), QList<int>{3});
        QCOMPARE(glowne.zaznaczony_el(), 3);

        const QString pdf = katalog_.filePath(u"powielony.pdf"_s);
        wyjscie_drukarki = pdf;
        Dialogi::Test::potwierdz_druk(true);  // the print dialog's Enter
        Dialogi::Test::przy_druku(drukarka_pdf);
        // A window manager gives the main window back its activation; the
        // offscreen platform needs to be asked.
        glowne.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&glowne));
        QTest::keyClick(&glowne, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(QFile::exists(pdf));
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) nie jest zainstalowany");
        QProcess tekst;
        tekst.start(u"pdftotext"_s, {pdf, u"-"_s});
        tekst.waitForFinished();
        const QString wydruk = QString::fromUtf8(tekst.readAllStandardOutput());
        QVERIFY2(wydruk.contains(u"245,67"_s), qPrintable(wydruk));
        QVERIFY(!wydruk.contains(u"12,50"_s));
    }

    // A full collection refuses a new order: the editor says so and stays
    // open, and nothing of the collection changes.
    void pelna_tablica_w_glownym_oknie() {
        SeamDialogow seam;
        Tglowne_okno glowne;
        for (int i = 0; i < TablicaPrzelewow::pojemnosc; ++i) glowne.rejestr.dopisz(zapisany());
        glowne.odswiezanie();
        bool otwarte_po_zapisie = false;
        PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([&](Tnowy_edycja_przelewow* e) {
            wpisz(e->nazwa_odbiorcy1, u"Tysiąc pierwszy"_s);
            QTest::mouseClick(e->zapisz_edycja, Qt::LeftButton);
            otwarte_po_zapisie = e->isVisible();
        });
        glowne.ListViewNew();
        QVERIFY(przy.otwarte());
        QVERIFY(otwarte_po_zapisie);
        QCOMPARE(Dialogi::Test::teksty().size(), 1);
        QCOMPARE(glowne.rejestr.ilosc(), 1000);
        QCOMPARE(glowne.rejestr.przelew(1000), zapisany());
        QCOMPARE(glowne.model_listy->rowCount(), 1000);
        QVERIFY(!glowne.rejestr.zmieniony());
    }
};

QTEST_MAIN(TestGlownyEdycja)
#include "test_glowny_edycja.moc"
