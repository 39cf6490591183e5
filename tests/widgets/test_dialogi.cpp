#include "widgets/dialogi.h"
#include "widgets/tlumaczenia.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestDialogi : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        QStandardPaths::setTestModeEnabled(true);
    }

    // Qt's own texts come from the distribution's Polish catalogue.
    void teksty_qt_po_polsku() {
        QVERIFY(wczytaj_tlumaczenia_qt());
        QVERIFY(wczytaj_tlumaczenia_qt());  // a second call loads nothing twice
        QCOMPARE(QLineEdit::tr("&Paste"), u"&Wklej"_s);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "&Open"), u"&Otwórz"_s);
    }

    // A real box, shown: what the user sees is the point.
    void komunikat_ikona_i_szerokosc_data() {
        QTest::addColumn<Dialogi::Ikona>("ikona");
        QTest::addColumn<Dialogi::Przyciski>("przyciski");
        QTest::addColumn<int>("oczekiwana");
        QTest::newRow("pytanie z ikoną informacji")
            << Dialogi::Ikona::Informacja << Dialogi::Przyciski::TakNie
            << int(QMessageBox::Question);
        QTest::newRow("pytanie bez ikony")
            << Dialogi::Ikona::Brak << Dialogi::Przyciski::TakNieAnuluj
            << int(QMessageBox::Question);
        QTest::newRow("ostrzeżenie")
            << Dialogi::Ikona::Ostrzezenie << Dialogi::Przyciski::Ok << int(QMessageBox::Warning);
        QTest::newRow("informacja") << Dialogi::Ikona::Informacja << Dialogi::Przyciski::Ok
                                    << int(QMessageBox::Information);
    }
    void komunikat_ikona_i_szerokosc() {
        QFETCH(Dialogi::Ikona, ikona);
        QFETCH(Dialogi::Przyciski, przyciski);
        QFETCH(int, oczekiwana);
        const QString tytul = u"Zamykanie programu — bardzo długi tytuł okna z pytaniem"_s;
        bool widziane = false;
        QTimer::singleShot(50, [&] {
            auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(okno);
            widziane = true;
            QCOMPARE(int(okno->icon()), oczekiwana);
            const QFontMetrics miara(QApplication::font("QMdiSubWindowTitleBar"));
            QVERIFY(okno->width() > miara.horizontalAdvance(tytul));
            okno->reject();
        });
        Dialogi::komunikat(nullptr, u"Porzucić zmiany?"_s, tytul, ikona, przyciski);
        QVERIFY(widziane);
    }

    // Alt and a letter answer every box, whichever buttons it has.
    void komunikat_z_literami_data() {
        QTest::addColumn<int>("przyciski");
        QTest::addColumn<bool>("z_zewnatrz");  // the box with buttons of its own
        using P = Dialogi::Przyciski;
        QTest::newRow("OK") << int(P::Ok) << false;
        QTest::newRow("Tak/Nie") << int(P::TakNie) << false;
        QTest::newRow("Tak/Nie/Anuluj") << int(P::TakNieAnuluj) << false;
        QTest::newRow("zmiana z zewnątrz") << 0 << true;
    }
    void komunikat_z_literami() {
        QFETCH(int, przyciski);
        QFETCH(bool, z_zewnatrz);
        Dialogi::Test::wylacz();
        QStringList bledy{u"nie pokazano"_s};
        QTimer::singleShot(50, [&] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno) return;
            bledy = bledy_mnemonikow(okno);
            okno->close();
        });
        if (z_zewnatrz)
            Dialogi::pytanie_o_zmiane_z_zewnatrz(nullptr, u"Plik zmienił inny program."_s, {});
        else
            Dialogi::komunikat(nullptr, u"Porzucić zmiany?"_s, {}, Dialogi::Ikona::Pytanie,
                               Dialogi::Przyciski(przyciski));
        QVERIFY2(bledy.isEmpty(), qPrintable(bledy.join(u"; "_s)));
    }

    // The print dialog and its properties, as a user opens them: none of the
    // texts Qt's catalogue leaves in English.
    void okno_drukowania_po_polsku() {
        QVERIFY(wczytaj_tlumaczenia_qt());
        QPrinter drukarka;
        QPrintDialog okno(&drukarka);
        QStringList teksty;
        auto zbierz = [&teksty](QWidget* w) {
            for (QWidget* k : w->findChildren<QWidget*>()) {
                if (auto* l = qobject_cast<QLabel*>(k)) teksty << l->text();
                if (auto* b = qobject_cast<QAbstractButton*>(k)) teksty << b->text();
                if (auto* g = qobject_cast<QGroupBox*>(k)) teksty << g->title();
                if (auto* t = qobject_cast<QTabWidget*>(k))
                    for (int i = 0; i < t->count(); ++i) teksty << t->tabText(i);
            }
        };
        bool wlasciwosci = false;
        QTimer::singleShot(100, [&] {
            zbierz(&okno);
            auto* przycisk = okno.findChild<QPushButton*>(u"properties"_s);
            if (!przycisk || !przycisk->isEnabled()) return okno.reject();
            QTimer::singleShot(100, [&] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (w == &okno || !w->isVisible()) continue;
                    wlasciwosci = true;
                    zbierz(w);
                    if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
                }
                okno.reject();
            });
            przycisk->click();
        });
        okno.exec();
        QVERIFY(wlasciwosci);
        for (const QString& angielski :
             {u"Double Sided Printing"_s, u"Off"_s, u"Long side binding"_s, u"Short side binding"_s,
              u"Pages"_s, u"Advanced"_s})
            QVERIFY2(!teksty.contains(angielski), qPrintable(angielski));
        QVERIFY(teksty.contains(u"Druk dwustronny"_s));
        QVERIFY(teksty.contains(u"Zaawansowane"_s));
    }

    void katalog_startowy_data() {
        QTest::addColumn<QString>("biezacy");
        QTest::addColumn<bool>("z_pliku");
        QTest::newRow("brak pliku") << QString() << false;
        QTest::newRow("plik w istniejacym folderze") << u"zbior.p2"_s << true;
        QTest::newRow("plik jeszcze nie zapisany w folderze") << u"nowy.p2"_s << true;
        QTest::newRow("folder usuniety") << u"nie_ma/zbior.p2"_s << false;
    }
    void katalog_startowy() {
        QFETCH(QString, biezacy);
        QFETCH(bool, z_pliku);
        if (biezacy == u"zbior.p2"_s) zapisz_plik(katalog_.filePath(biezacy), "x");
        const QString sciezka = biezacy.isEmpty() ? QString() : katalog_.filePath(biezacy);
        const QString wynik = Dialogi::katalog_startowy(sciezka);
        if (z_pliku) {
            QCOMPARE(wynik, katalog_.path());
        } else {
            const QString dokumenty =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            QCOMPARE(wynik, QDir(dokumenty).exists() ? dokumenty : QDir::homePath());
        }
    }

    // Every file dialog is told where to start.
    void okna_plikow_startuja_w_folderze_pliku() {
        SeamDialogow seam;
        const QString plik = katalog_.filePath(u"zbior.p2"_s);
        Dialogi::Test::wybierz_plik({});
        Dialogi::Test::wybierz_plik({});
        Dialogi::otworz_plik(nullptr, u"zbiór|*.p2"_s, plik);
        Dialogi::zapisz_plik(nullptr, u"zbiór|*.p2"_s, u"p2"_s, plik);
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 2);
        QCOMPARE(pokazane.at(0).katalog, katalog_.path());
        QCOMPARE(pokazane.at(1).katalog, katalog_.path());
    }

    // The real message box: Enter presses the button the caller named, so a
    // question whose Tak throws work away can be answered safely by Enter.
    void enter_naciska_domyslny_data() {
        QTest::addColumn<int>("przyciski");
        QTest::addColumn<int>("domyslna");
        QTest::addColumn<int>("odpowiedz");
        using P = Dialogi::Przyciski;
        using O = Dialogi::Odpowiedz;
        QTest::newRow("Tak/Nie, Tak") << int(P::TakNie) << int(O::Tak) << int(O::Tak);
        QTest::newRow("Tak/Nie, Nie") << int(P::TakNie) << int(O::Nie) << int(O::Nie);
        QTest::newRow("Tak/Nie/Anuluj, Anuluj")
            << int(P::TakNieAnuluj) << int(O::Anuluj) << int(O::Anuluj);
    }
    void enter_naciska_domyslny() {
        QFETCH(int, przyciski);
        QFETCH(int, domyslna);
        QFETCH(int, odpowiedz);
        Dialogi::Test::wylacz();  // the real box, answered by the key
        QTimer::singleShot(0, [] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno) return;
            QTest::keyClick(okno, Qt::Key_Return);
        });
        const Dialogi::Odpowiedz o =
            Dialogi::komunikat(nullptr, u"Porzucić zmiany?"_s, {}, Dialogi::Ikona::Pytanie,
                               Dialogi::Przyciski(przyciski), Dialogi::Odpowiedz(domyslna));
        QCOMPARE(int(o), odpowiedz);
    }
};

QTEST_MAIN(TestDialogi)
#include "test_dialogi.moc"
