// A real drag under X: a file dragged from another program's window onto
// the main window goes through the X server's drag-and-drop protocol, not a
// made-up event. Needs Xvfb and xdotool; without them the test is skipped.
#include "app/glowny.h"
#include "app/start.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "register/rejestr.h"
#include "widgets/dialogi.h"
#include "wspolne/rdzen.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QProcess* xvfb = nullptr;

QString wyswietlacz() { return u":%1"_s.arg(90 + QCoreApplication::applicationPid() % 9); }

}  // namespace

class TestPrzeciaganieX11 : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void initTestCase() {
        if (!xvfb) QSKIP("no Xvfb or xdotool");
        QStandardPaths::setTestModeEnabled(true);
        sprawdzaj_aktualizacje_przy_starcie(false);
        MagazynUstawien::ustaw_plik(katalog_.filePath(u"ustawienia.ini"_s));
        zapisz_plik(katalog_.filePath(u"ustawienia.ini"_s), "[General]\nFirstRun=0\n");
        Dialogi::Test::wlacz();
    }

    void plik_przeciagniety_z_innego_programu() {
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("Przeciągnięty"));
        const QString plik = katalog_.filePath(u"przeciagany.p2"_s);
        QVERIFY(zapisz_przelewy(plik, *t, 1));

        Tglowne_okno okno;
        okno.setGeometry(10, 10, 800, 500);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));

        QProcess zrodlo;
        zrodlo.start(qEnvironmentVariable("VANDORIA_ZRODLO_PRZECIAGANIA"),
                     {plik, u"900"_s, u"100"_s});
        QVERIFY(zrodlo.waitForStarted());
        QTRY_VERIFY(zrodlo.canReadLine());
        QCOMPARE(zrodlo.readLine().trimmed(), QByteArray("gotowe"));
        QTest::qWait(300);

        const QPoint cel = okno.geometry().center();
        QProcess mysz;
        mysz.start(u"xdotool"_s, {u"mousemove"_s,
                                  u"960"_s,
                                  u"160"_s,
                                  u"sleep"_s,
                                  u"0.3"_s,
                                  u"mousedown"_s,
                                  u"1"_s,
                                  u"sleep"_s,
                                  u"0.3"_s,
                                  u"mousemove"_s,
                                  u"940"_s,
                                  u"160"_s,
                                  u"sleep"_s,
                                  u"0.3"_s,
                                  u"mousemove"_s,
                                  QString::number(cel.x() + 20),
                                  QString::number(cel.y()),
                                  u"sleep"_s,
                                  u"0.3"_s,
                                  u"mousemove"_s,
                                  QString::number(cel.x()),
                                  QString::number(cel.y()),
                                  u"sleep"_s,
                                  u"0.5"_s,
                                  u"mouseup"_s,
                                  u"1"_s});
        QVERIFY(mysz.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(mysz.state(), QProcess::NotRunning, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(okno.rejestr.sciezka(), plik, 10000);
        QCOMPARE(okno.rejestr.przelew(1).nazwa_odbiorcy1.na_unicode(), u"Przeciągnięty"_s);
        QTRY_VERIFY(zrodlo.canReadLine());
        QCOMPARE(zrodlo.readLine().trimmed(), QByteArray("upuszczono 1"));  // a copy
        zrodlo.kill();
        zrodlo.waitForFinished();
    }
};

int main(int argc, char* argv[]) {
    // The X server comes before the application that talks to it.
    const bool sa_narzedzia = !QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty() &&
                              !QStandardPaths::findExecutable(u"xdotool"_s).isEmpty();
    QProcess serwer;
    if (sa_narzedzia) {
        const QString nr = wyswietlacz();
        serwer.start(u"Xvfb"_s,
                     {nr, u"-screen"_s, u"0"_s, u"1280x1024x24"_s, u"-nolisten"_s, u"tcp"_s});
        if (serwer.waitForStarted()) {
            qputenv("DISPLAY", nr.toLatin1());
            qputenv("QT_QPA_PLATFORM", "xcb");
            QThread::msleep(700);
            xvfb = &serwer;
        }
    }
    if (!xvfb) qputenv("QT_QPA_PLATFORM", "offscreen");
    int wynik = 0;
    {
        QApplication aplikacja(argc, argv);
        TestPrzeciaganieX11 test;
        wynik = QTest::qExec(&test, argc, argv);
    }
    if (xvfb) {
        serwer.terminate();
        serwer.waitForFinished();
    }
    return wynik;
}

#include "test_przeciaganie_x11.moc"
