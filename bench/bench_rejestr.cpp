// The collection on 1000 orders: what one click on the main window costs.
#include "app/glowny.h"

#include <QLineEdit>
#include "app/start.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "register/sortowanie.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class BenchRejestr : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString plik_;

    static void wypelnij(TablicaPrzelewow& t) {
        for (int i = 0; i < TablicaPrzelewow::pojemnosc; ++i) {
            Tprzelew p;
            const std::string n = std::to_string((i * 7919) % 1000);
            p.nazwa_odbiorcy1 = "Odbiorca " + n;
            p.tytulem1 = "Tytuł " + std::to_string((i * 31) % 97);
            p.lk = "12";
            p.nr_banku_odbiorcy = "1020 " + std::to_string(1000 + i % 9000);
            p.nr_rach_odbiorcy = "1111 2222 3333 " + std::to_string(1000 + (i * 13) % 9000);
            p.kwota = std::to_string((i * 7) % 99999);
            p.kwota100 = std::to_string(i % 100);
            p.data = "2026-" + std::to_string(10 + i % 3) + "-1" + std::to_string(i % 10);
            p.symbol = "06";
            t.dopisz(p);
        }
    }

  private slots:
    void initTestCase() {
        plik_ = katalog_.filePath(u"tysiac.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        wypelnij(*t);
        QVERIFY(zapisz_przelewy(plik_, *t, t->ilosc_el()));
    }

    void otwarcie() {
        auto t = std::make_unique<TablicaPrzelewow>();
        QBENCHMARK { czytaj_przelewy(plik_, *t); }
    }

    void przebudowa_listy() {
        Tglowne_okno okno;
        okno.rejestr.wczytaj(plik_);
        okno.show();
        QBENCHMARK {
            emit okno.rejestr.wiersze_zmienione();
            QCoreApplication::processEvents();
        }
    }

    // One keystroke in the find field: the filter runs over all 1000 orders
    // and the view shows what is left. Each round types the next letter or
    // takes it back, so the filter always changes.
    void szukanie_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("nazwa, wiele trafień") << u"odbiorca 1"_s;
        QTest::newRow("bez trafień, polskie litery") << u"łódź"_s;
        QTest::newRow("cyfry konta") << u"3333 12"_s;
    }
    void szukanie() {
        QFETCH(QString, tekst);
        Tglowne_okno okno;
        okno.rejestr.wczytaj(plik_);
        okno.show();
        okno.pokaz_szukanie();
        int i = 0;
        QBENCHMARK {
            okno.pole_szukania->setText(++i % 2 ? tekst : tekst.chopped(1));
            QCoreApplication::processEvents();
        }
    }

    void sortowanie_data() {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<bool>("rosnaco");
        const char* nazwy[] = {"Odbiorca", "Tytulem", "Nr rachunku", "Kwota", "Data"};
        for (int k = 0; k < 5; ++k) {
            QTest::newRow((QByteArray(nazwy[k]) + " malejaco").constData()) << k << false;
            QTest::newRow((QByteArray(nazwy[k]) + " rosnaco").constData()) << k << true;
        }
    }
    void sortowanie() {
        QFETCH(int, kolumna);
        QFETCH(bool, rosnaco);
        auto wzor = std::make_unique<TablicaPrzelewow>();
        wypelnij(*wzor);
        auto t = std::make_unique<TablicaPrzelewow>();
        QBENCHMARK {
            *t = *wzor;
            if (rosnaco)
                sortuj_po_kolumnie(*t, kolumna);  // now descending: the click sorts ascending
            sortuj_po_kolumnie(*t, kolumna);
        }
    }

    // From creating the main window to its list showing a 1000-order file
    // named on the command line, with the start-up worker's round trip.
    void start_do_pokazanego_okna() {
        qputenv("VANDORIA_DIR", katalog_.path().toLocal8Bit());
        MagazynUstawien::ustaw_plik(katalog_.filePath(u"ustawienia.ini"_s));
        sprawdzaj_aktualizacje_przy_starcie(false);
        QBENCHMARK {
            Tglowne_okno okno;
            okno.argument_startowy = plik_;
            okno.show();
            while (!start_zakonczony(okno))
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QCoreApplication::processEvents();
            if (okno.ilosc_el() != 1000) QFAIL("plik nie został wczytany");
        }
    }

    void zapis() {
        auto t = std::make_unique<TablicaPrzelewow>();
        wypelnij(*t);
        const QString cel = katalog_.filePath(u"zapis.p2"_s);
        QBENCHMARK { zapisz_przelewy(cel, *t, t->ilosc_el()); }
    }
};

QTEST_MAIN(BenchRejestr)
#include "bench_rejestr.moc"
