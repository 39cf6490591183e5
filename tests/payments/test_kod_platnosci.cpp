// The payment code of banking apps: its text for a table of orders, and the
// QR picture read back by a real decoder.
#include "payments/kod_platnosci.h"
#include "payments/kod_qr.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A valid number, 61 1090 1014 0000 0712 1981 2874.
Tprzelew zamowienie(const char* nazwa, const char* zlote, const char* grosze, const char* tytul1,
                    const char* tytul2 = "") {
    Tprzelew p = przelew(nazwa, zlote, grosze, tytul1);
    p.tytulem2 = w1250(tytul2);
    p.lk = "61";
    p.nr_banku_odbiorcy = "1090 1014";
    p.nr_rach_odbiorcy = "0000 0712 1981 2874";
    return p;
}

const QString konto = u"61109010140000071219812874"_s;

QString tresc(const QString& kwota, const QString& nazwa, const QString& tytul) {
    return u"|PL|"_s + konto + u'|' + kwota + u'|' + nazwa + u'|' + tytul + u"|||"_s;
}

// What zbarimg reads from a picture, or a null text when it is not installed.
// -Sbinary: the bytes as stored; without it zbar guesses a character set and
// may take UTF-8 Polish letters for Shift-JIS.
QString odczytaj(const QString& obraz) {
    const QString zbarimg = QStandardPaths::findExecutable(u"zbarimg"_s);
    if (zbarimg.isEmpty()) return {};
    QProcess proces;
    proces.start(zbarimg, {u"--raw"_s, u"-q"_s, u"-Sbinary"_s, obraz});
    if (!proces.waitForFinished(30000)) return u"(zbarimg nie skończył)"_s;
    QString wynik = QString::fromUtf8(proces.readAllStandardOutput());
    if (wynik.endsWith(u'\n')) wynik.chop(1);
    return wynik;
}

}  // namespace

Q_DECLARE_METATYPE(Tprzelew)

class TestKodPlatnosci : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void tresc_kodu_data() {
        QTest::addColumn<Tprzelew>("zlecenie");
        QTest::addColumn<QString>("oczekiwana");
        QTest::addColumn<bool>("kwota_do_wpisania");

        QTest::newRow("zwykły, nazwa cięta do 20")
            << zamowienie("Spółdzielnia Mieszkaniowa Łąka", "12", "05", "Czynsz za marzec",
                          "lokal 5")
            << tresc(u"001205"_s, u"Spółdzielnia Mieszka"_s, u"Czynsz za marzec lokal 5"_s)
            << false;
        QTest::newRow("jedna cyfra groszy to grosze")
            << zamowienie("Gaz", "12", "5", "Rachunek")
            << tresc(u"001205"_s, u"Gaz"_s, u"Rachunek"_s) << false;
        QTest::newRow("kwota zero") << zamowienie("Gaz", "0", "00", "Rachunek")
                                    << tresc(u"000000"_s, u"Gaz"_s, u"Rachunek"_s) << true;
        QTest::newRow("bez kwoty") << zamowienie("Gaz", "", "", "Rachunek")
                                   << tresc(u"000000"_s, u"Gaz"_s, u"Rachunek"_s) << true;
        QTest::newRow("9999,99 mieści się") << zamowienie("Gaz", "9999", "99", "Rachunek")
                                            << tresc(u"999999"_s, u"Gaz"_s, u"Rachunek"_s) << false;
        QTest::newRow("10000,00 za dużo") << zamowienie("Gaz", "10000", "00", "Rachunek")
                                          << tresc(u"000000"_s, u"Gaz"_s, u"Rachunek"_s) << true;
        QTest::newRow("tytuł cięty do 32")
            << zamowienie("Operator", "49", "99", "Faktura nr 2026/12/345 za usługi", "internetowe")
            << tresc(u"004999"_s, u"Operator"_s, u"Faktura nr 2026/12/345 za usługi"_s) << false;
        QTest::newRow("polskie litery, drugi wiersz pusty")
            << zamowienie("Żółć Gęślą Jaźń", "1", "00", "Opłata")
            << tresc(u"000100"_s, u"Żółć Gęślą Jaźń"_s, u"Opłata"_s) << false;
        // "|" would split the fields; quotes, & and the like are not allowed.
        QTest::newRow("znaki spoza dozwolonych")
            << zamowienie("  \"Zgoda\" & Co. | Sp. z o.o.", "7", "50", "Nr 12; \"pilne\"!",
                          "(kopia)")
            << tresc(u"000750"_s, u"Zgoda Co. Sp. z o.o."_s, u"Nr 12 pilne (kopia)"_s) << false;
        // Cut at 20, then trimmed again: no space at the end of a field.
        QTest::newRow("złamanie wiersza, spacja po cięciu")
            << zamowienie("Jan Kowalski\r\nSpółka z o.o.", "1", "00", "Opłata")
            << tresc(u"000100"_s, u"Jan Kowalski Spółka"_s, u"Opłata"_s) << false;
    }
    void tresc_kodu() {
        QFETCH(Tprzelew, zlecenie);
        QFETCH(QString, oczekiwana);
        QFETCH(bool, kwota_do_wpisania);
        const KodPlatnosci kod = kod_platnosci(zlecenie);
        QVERIFY2(kod.jest(), qPrintable(kod.powod));
        QCOMPARE(kod.tresc, oczekiwana);
        QCOMPARE(kod.pola.size(), 9);
        QCOMPARE(kod.kwota_do_wpisania, kwota_do_wpisania);
    }

    void bez_kodu_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("rach");
        QTest::addColumn<QString>("w_powodzie");
        QTest::newRow("pusty") << u"  "_s << u"         "_s << QString(19, u' ') << u"niepełny"_s;
        QTest::newRow("brak cyfry")
            << u"61"_s << u"1090 1014"_s << u"0000 0712 1981 287 "_s << u"niepełny"_s;
        QTest::newRow("zła cyfra kontrolna")
            << u"62"_s << u"1090 1014"_s << u"0000 0712 1981 2874"_s << u"sumę kontrolną"_s;
        QTest::newRow("przestawione cyfry")
            << u"61"_s << u"1090 1014"_s << u"0000 0712 1981 2847"_s << u"sumę kontrolną"_s;
    }
    void bez_kodu() {
        QFETCH(QString, lk);
        QFETCH(QString, bank);
        QFETCH(QString, rach);
        QFETCH(QString, w_powodzie);
        Tprzelew p = zamowienie("Gaz", "10", "00", "Rachunek");
        p.lk = Tekst<2>::z_unicode(lk);
        p.nr_banku_odbiorcy = Tekst<9>::z_unicode(bank);
        p.nr_rach_odbiorcy = Tekst<19>::z_unicode(rach);
        const KodPlatnosci kod = kod_platnosci(p);
        QVERIFY(!kod.jest());
        QVERIFY2(kod.powod.contains(w_powodzie), qPrintable(kod.powod));
        QVERIFY(kod.tresc.isEmpty());
    }

    // The code is UTF-8: letters of any language stay, whatever the record holds.
    void litery_innych_jezykow() {
        QCOMPARE(tekst_kodu(u"Ærø Købmand 東京 — «Ltd»"_s, 20), u"Ærø Købmand 東京 Ltd"_s);
    }

    // No code at all: the app would be handed a payment other than the order.
    void bez_kodu_z_tresci_data() {
        QTest::addColumn<Tprzelew>("zlecenie");
        QTest::addColumn<QString>("powod");
        QTest::newRow("nazwa z samych niedozwolonych znaków")
            << zamowienie("***", "1", "00", "Opłata") << u"Brak nazwy odbiorcy"_s;
        QTest::newRow("tytuł pusty po oczyszczeniu")
            << zamowienie("Gaz", "1", "00", "\"@;") << u"Brak tytułu"_s;
        QTest::newRow("kwota szesnastkowa")
            << zamowienie("Gaz", "$10", "00", "Opłata") << u"Kwota „$10” nie jest liczbą"_s;
        QTest::newRow("kwota ujemna")
            << zamowienie("Gaz", "-1", "00", "Opłata") << u"Kwota „-1” nie jest liczbą"_s;
    }
    void bez_kodu_z_tresci() {
        QFETCH(Tprzelew, zlecenie);
        QFETCH(QString, powod);
        const KodPlatnosci kod = kod_platnosci(zlecenie);
        QVERIFY(!kod.jest());
        QVERIFY2(kod.powod.startsWith(powod), qPrintable(kod.powod));
    }

    // The picture a decoder reads must give back exactly the code's text.
    void obraz_odczytany_data() { tresc_kodu_data(); }
    void obraz_odczytany() {
        QFETCH(Tprzelew, zlecenie);
        const KodPlatnosci kod = kod_platnosci(zlecenie);
        const std::optional<MacierzQr> macierz = koduj_qr(kod.tresc);
        QVERIFY(macierz);
        const QString png = katalog_.filePath(u"kod.png"_s);
        {
            QFile plik(png);
            QVERIFY(plik.open(QIODevice::WriteOnly));
            QVERIFY(pisz_qr(plik, *macierz, false));
        }
        const QString odczytane = odczytaj(png);
        if (odczytane.isNull()) QSKIP("zbarimg (zbar-tools) nie jest zainstalowany");
        QCOMPARE(odczytane, kod.tresc);
    }

    void svg_ma_moduly_kodu() {
        const std::optional<MacierzQr> m = koduj_qr(u"|PL|"_s + konto + u"|000100|Gaz|X|||"_s);
        QVERIFY(m);
        const QByteArray svg = svg_qr(*m);
        QVERIFY(svg.startsWith("<?xml"));
        QVERIFY(svg.contains("<svg"));
        // Every dark module lies in one of the drawn runs: count them back.
        int ciemnych = 0;
        for (const bool c : m->ciemne) ciemnych += c ? 1 : 0;
        int narysowanych = 0;
        for (const QByteArray& czesc : svg.split('h').mid(1)) {
            if (czesc.startsWith('-')) continue;
            narysowanych += czesc.left(czesc.indexOf('v')).toInt();
        }
        QCOMPARE(narysowanych, ciemnych);
    }
};

QTEST_MAIN(TestKodPlatnosci)
#include "test_kod_platnosci.moc"
