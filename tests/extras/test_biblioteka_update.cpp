// The update library loaded and called the way the program's menu command does.
#include "app/glowny.h"
#include "extras/aktualizacja.h"
#include "serwer_http.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBibliotekaUpdate : public QObject {
    Q_OBJECT
    QString dom_;
    QTemporaryDir katalog_;
    SerwerHttp serwer_;

    // The library keeps its own copy of the program's code, so it reads the
    // real per-user store: the test's home folder stands in for the user's.
    void ustaw_magazyn(const QString& adres, const QString& wersja) {
        QSettings magazyn(QSettings::IniFormat, QSettings::UserScope, u"Vandoria"_s, u"Vandoria"_s);
        QVERIFY(magazyn.fileName().startsWith(dom_));
        magazyn.setValue(u"UpdateServerAdress"_s, adres);
        magazyn.setValue(u"CurrentVersion"_s, wersja);
        magazyn.sync();
    }

    // Runs the library's procedure; returns its window's text and whether it
    // offered "Pobierz!". The window must show everything and keep its
    // buttons off the corner.
    std::pair<QString, bool> pokaz_update() {
        QString tekst;
        bool pobierz = false;
        PrzyOknieModalnym<QDialog> przy_oknie([&](QDialog* okno) {
            QCOMPARE(okno->objectName(), u"okno_aktualizacji"_s);
            tekst = okno->findChild<QLabel*>(u"wynik"_s)->text();
            pobierz = okno->findChild<QPushButton*>(u"pobierz"_s) != nullptr;
            sprawdz_czy_nic_nie_uciete(okno);
            sprawdz_przyciski_na_srodku(okno);
            const QStringList bledy = bledy_mnemonikow(okno);
            QVERIFY2(bledy.isEmpty(), qPrintable(bledy.join(u"; "_s)));
            okno->reject();
        });
        if (!wywolaj_z_biblioteki(QStringLiteral(BIBLIOTEKA_UPDATE), "pokaz_update"))
            return {u"nie wywołano"_s, false};
        return {tekst, pobierz};
    }

    static void sprawdz_przyciski_na_srodku(QDialog* okno) {
        QRect przyciski;
        for (const QPushButton* b : okno->findChildren<QPushButton*>())
            przyciski |= QRect(b->mapTo(okno, QPoint()), b->size());
        const int z_lewej = przyciski.left();
        const int z_prawej = okno->width() - przyciski.right() - 1;
        QVERIFY2(qAbs(z_lewej - z_prawej) <= 2,
                 qPrintable(u"%1 px z lewej, %2 px z prawej"_s.arg(z_lewej).arg(z_prawej)));
        QVERIFY(okno->height() - przyciski.bottom() - 1 >= 8);
    }

  public:
    explicit TestBibliotekaUpdate(QString dom) : dom_(std::move(dom)) {}

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
    }

    // Beside the tests there is no update library. First, before the library
    // is loaded: once loaded, it stays in the process under its name.
    void brak_biblioteki() {
        SeamDialogow seam;
        Tglowne_okno okno;
        okno.aktualizacjeClick();
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane[0].tekst, u"Nie można znaleźć proceudry w bibliotece!"_s);
        QCOMPARE(pokazane[0].tytul, u"Vandoria"_s);
        QCOMPARE(pokazane[0].ikona, Dialogi::Ikona::Blad);
    }

    void wynik_sprawdzenia_data() {
        QTest::addColumn<QByteArray>("tresc");  // empty: the server has no such file
        QTest::addColumn<QString>("wersja_biezaca");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("pobierz");
        QTest::newRow("nowsza") << QByteArray("1.9\r\nhttp://p.example.org/v19.exe\r\n") << u"1.7"_s
                                << u"Dostępna jest nowsza wersja programu: 1.9"_s << true;
        QTest::newRow("ta sama") << QByteArray("1.9\r\nhttp://p.example.org/v19.exe\r\n")
                                 << u"1.9"_s << u"Używasz najnowszej wersji programu."_s << false;
        QTest::newRow("niebezpieczny adres")
            << QByteArray("1.9\r\nfile:///C:/zlo.exe\r\n") << u"1.7"_s
            << u"Dostępna jest nowsza wersja programu: 1.9"_s << false;
        QTest::newRow("nieudane") << QByteArray() << u"1.7"_s
                                  << u"Nie udało się sprawdzić dostępności aktualizacji."_s
                                  << false;
    }
    void wynik_sprawdzenia() {
        QFETCH(QByteArray, tresc);
        QFETCH(QString, wersja_biezaca);
        QFETCH(QString, tekst);
        QFETCH(bool, pobierz);
        serwer_.wyczysc();
        if (!tresc.isEmpty()) serwer_.ustaw(u"/update.txt"_s, tresc);
        ustaw_magazyn(serwer_.adres(u"/update.txt"_s), wersja_biezaca);

        const auto [pokazany, z_przyciskiem] = pokaz_update();
        QCOMPARE(pokazany, tekst);
        QCOMPARE(z_przyciskiem, pobierz);
        QCOMPARE(serwer_.zapytania(), QStringList{u"/update.txt"_s});
        QVERIFY(!QFile::exists(katalog_.filePath(u"update.txt"_s)));
    }

    // The same window at a large desktop font.
    void wynik_przy_duzej_czcionce() {
        serwer_.wyczysc();
        serwer_.ustaw(u"/update.txt"_s, QByteArray("1.9\r\nhttp://p.example.org/v19.exe\r\n"));
        ustaw_magazyn(serwer_.adres(u"/update.txt"_s), u"1.7"_s);
        const QFont przedtem = QApplication::font();
        const auto przywroc = qScopeGuard([&] { QApplication::setFont(przedtem); });
        QFont duza = przedtem;
        duza.setPointSizeF(13);
        QApplication::setFont(duza);
        QCOMPARE(pokaz_update().second, true);
    }

    void brak_procedury() {
        QVERIFY(
            !wywolaj_z_biblioteki(QStringLiteral(BIBLIOTEKA_UPDATE), "nie_ma_takiej_procedury"));
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir dom;
    qputenv("HOME", dom.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dom.path() + u"/config"_s).toUtf8());
    QApplication aplikacja(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestBibliotekaUpdate test(dom.path());
    return QTest::qExec(&test, argc, argv);
}

#include "test_biblioteka_update.moc"
