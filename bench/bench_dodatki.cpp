// CSV export and statistics on a full collection of 1000 orders.
#include "extras/csv.h"
#include "extras/statystyki.h"
#include "extras/statystyki_obliczenia.h"
#include "register/przelew.h"

#include <QBuffer>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

using namespace Qt::StringLiterals;

class BenchDodatki : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<TablicaPrzelewow> tablica_ = std::make_unique<TablicaPrzelewow>();

    // Long names and titles with Polish letters and quotes, dates over three
    // years, about 300 different recipients and senders.
    static void wypelnij(TablicaPrzelewow& t) {
        for (int i = 0; i < TablicaPrzelewow::pojemnosc; ++i) {
            Tprzelew p;
            p.nazwa_odbiorcy1 =
                cp1250::z_unicode(u"Spółdzielnia \"Zgoda\" nr %1"_s.arg((i * 7919) % 300));
            p.nazwa_odbiorcy2 = "ul. Lipowa " + std::to_string(i % 50);
            p.tytulem1 = cp1250::z_unicode(u"Opłata za miesiąc %1"_s.arg(i % 12 + 1));
            p.tytulem2 = "faktura " + std::to_string(i);
            p.nazwa_nadawcy1 = cp1250::z_unicode(u"  Łukasz Nowak %1"_s.arg((i * 31) % 300));
            p.lk = "12";
            p.nr_banku_odbiorcy = "1020 5558";
            p.nr_rach_odbiorcy = "1111 2222 3333 4444";
            p.nr_rach_nadawcy = "99 8888 7777 6666 5555 4444 3333";
            p.kwota = std::to_string((i * 7) % 999999);
            p.kwota100 = std::to_string(i % 100);
            p.data = u"%1-%2-%3"_s.arg(2006 + i % 3)
                         .arg(i % 12 + 1, 2, 10, QChar(u'0'))
                         .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                         .toStdString();
            p.czy_przelew = i % 4 == 0 ? 0 : 1;
            p.symbol = "51";
            t.dopisz(p);
        }
    }

  private slots:
    void initTestCase() { wypelnij(*tablica_); }

    void eksport_csv_do_pamieci() {
        QBENCHMARK {
            QBuffer bufor;
            bufor.open(QIODevice::WriteOnly);
            pisz_csv(bufor, *tablica_, TablicaPrzelewow::pojemnosc);
        }
    }

    void eksport_csv_do_pliku() {
        const QString cel = katalog_.filePath(u"eksport.csv"_s);
        QBENCHMARK { zapisz_csv(cel, *tablica_, TablicaPrzelewow::pojemnosc); }
    }

    void listy_kryteriow() {
        QBENCHMARK { listy_statystyk(*tablica_, TablicaPrzelewow::pojemnosc); }
    }

    void liczenie_data() {
        QTest::addColumn<bool>("z_kryteriami");
        QTest::newRow("wszystkie") << false;
        QTest::newRow("rok, miesiac, odbiorca") << true;
    }
    void liczenie() {
        QFETCH(bool, z_kryteriami);
        KryteriaStatystyk k;
        if (z_kryteriami) {
            k.rok = u"2007"_s;
            k.miesiac = 2;
            k.odbiorca = std::string((*tablica_)[2].nazwa_odbiorcy1.bajty());
        }
        QBENCHMARK { licz_statystyki(*tablica_, TablicaPrzelewow::pojemnosc, k); }
    }

    // What the user waits for when the window opens.
    void pokazanie_okna() {
        TFstatystyki okno(*tablica_);
        QBENCHMARK {
            okno.show();
            okno.hide();
        }
    }
};

QTEST_MAIN(BenchDodatki)
#include "bench_dodatki.moc"
