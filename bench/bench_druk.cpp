// How long a print takes: reading the settings, recording four stubs, then
// turning them into a PDF and into a 300 dpi page image (the size of a
// printer's page).
#include "printing/raport.h"
#include "printing/ustawienia_wydruku.h"
#include "printing/wypelnianie.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

StanDruku cztery_odcinki(const QString& uklad) {
    UstawieniaWydruku u;
    u.typ_formularza = 1;
    u.ilosc_odcinkow = 4;
    u.uklad_strony = uklad;
    u.boxes = true;
    u.drukuj_oplate = true;
    return stan_druku(u);
}

ZmienneDruku zmienne() {
    ZmienneDruku z;
    z.temp_nazwa_odbiorcy1 = u"Przedsiębiorstwo Wodociągów i Kanalizacji"_s;
    z.temp_nazwa_odbiorcy2 = u"ul. Wierzbowa 12, 90-001 Łódź"_s;
    z.temp_lk = u"12"_s;
    z.temp_nr_banku_odbiorcy = u"1020 3040"_s;
    z.temp_nr_rach_odbiorcy = u"1111 2222 3333 4444"_s;
    z.temp_kwota = u"**1234,56"_s;
    z.temp_nr_rach_nadawcy = u"98 7654 3210 1111 2222 3333 4444"_s;
    z.temp_nazwa_nadawcy1 = u"Jan Kowalski"_s;
    z.temp_nazwa_nadawcy2 = u"ul. Różana 2, Kraków"_s;
    z.temp_tytulem1 = u"Opłata za wodę"_s;
    z.temp_tytulem2 = u"maj 2024"_s;
    z.temp_data = u"2024-05-01"_s;
    z.temp_symbol = u"06"_s;
    z.temp_dodatkowe = u"ABCDEFGHIJKLMNOPQRST"_s;
    return z;
}

}  // namespace

class BenchDruk : public QObject {
    Q_OBJECT
  private slots:
    void nagranie() {
        const StanDruku s = cztery_odcinki(u"portrait"_s);
        const ZmienneDruku z = zmienne();
        QBENCHMARK {
            const Dokument d = generuj_wydruk(s, z);
            QCOMPARE(d.strony.size(), 2);
        }
    }

    void pdf_data() {
        QTest::addColumn<QString>("uklad");
        QTest::newRow("pionowo") << u"portrait"_s;
        QTest::newRow("poziomo") << u"landscape"_s;
    }

    void pdf() {
        QFETCH(QString, uklad);
        const StanDruku s = cztery_odcinki(uklad);
        const ZmienneDruku z = zmienne();
        QBENCHMARK {
            QByteArray wynik;
            QBuffer bufor(&wynik);
            bufor.open(QIODevice::WriteOnly);
            QVERIFY(zapisz_pdf(generuj_wydruk(s, z), bufor));
        }
    }

    void obraz_300_dpi() {
        const StanDruku s = cztery_odcinki(u"landscape"_s);
        const ZmienneDruku z = zmienne();
        QBENCHMARK {
            const QImage obraz = obraz_strony(generuj_wydruk(s, z), 1, 300);
            QCOMPARE(obraz.width(), 3508);
        }
    }

    // A config.ini of 50 000 keys, hand-made or damaged; read before every print.
    void config_50000_kluczy() {
        QByteArray tresc = "[SETTINGS]\r\n";
        for (int i = 0; i < 50000; ++i) tresc += "klucz" + QByteArray::number(i) + "=1\r\n";
        tresc += "ilosc_odcinkow=4\r\n";
        QBENCHMARK {
            const PlikIni ini = PlikIni::z_tekstu(tresc);
            QCOMPARE(czytaj_ustawienia_wydruku(&ini).ilosc_odcinkow, 4);
        }
    }
};

QTEST_MAIN(BenchDruk)
#include "bench_druk.moc"
