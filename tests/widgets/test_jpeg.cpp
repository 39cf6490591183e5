#include "widgets/jpeg.h"
#include "widgets/obrazki.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray ikonka() { return dane_zasobu(u"IKONKA"_s); }

bool wszystkie_szare(const QImage& obraz) {
    const QImage rgb = obraz.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) return false;
        }
    return true;
}

}  // namespace

class TestJpeg : public QObject {
    Q_OBJECT

  private slots:
    void ikonka_z_zasobow_data() {
        QTest::addColumn<bool>("szara");
        QTest::newRow("kolor") << false;
        QTest::newRow("skala szarości") << true;
    }
    void ikonka_z_zasobow() {
        QFETCH(bool, szara);
        const QImage obraz = dekoduj_jpeg(ikonka(), szara);
        QVERIFY(!obraz.isNull());
        QCOMPARE(obraz.size(), QSize(70, 70));
        QCOMPARE(wszystkie_szare(obraz), szara);
    }

    void uszkodzone_dane_data() {
        QTest::addColumn<QByteArray>("dane");
        const QByteArray dobre = ikonka();
        QTest::newRow("puste") << QByteArray();
        QTest::newRow("nie JPEG") << QByteArray("GIF89a to nie jest obrazek JPEG");
        QTest::newRow("sam znacznik początku") << QByteArray("\xff\xd8", 2);
        QTest::newRow("ucięty w nagłówku") << dobre.left(40);
        QTest::newRow("ucięty w danych") << dobre.left(dobre.size() / 2);
        QByteArray zepsuty = dobre;
        for (qsizetype i = zepsuty.size() / 2; i < zepsuty.size() / 2 + 64; ++i)
            zepsuty[i] = '\xff';
        QTest::newRow("zniszczony środek") << zepsuty;
    }
    void uszkodzone_dane() {
        QFETCH(QByteArray, dane);
        QVERIFY(dekoduj_jpeg(dane).isNull());
        QVERIFY(dekoduj_jpeg(dane, true).isNull());
    }

    void zapis_i_odczyt_data() {
        QTest::addColumn<QImage>("obraz");
        QImage kolor(12, 8, QImage::Format_ARGB32);
        kolor.fill(QColor(200, 40, 30));
        QImage szary(5, 9, QImage::Format_Grayscale8);
        szary.fill(128);
        QTest::newRow("kolorowy z kanałem alfa") << kolor;
        QTest::newRow("szary") << szary;
    }
    void zapis_i_odczyt() {
        QFETCH(QImage, obraz);
        const QByteArray jpeg = koduj_jpeg(obraz, 95);
        QVERIFY(jpeg.startsWith("\xff\xd8"));
        const QImage odczytany = dekoduj_jpeg(jpeg);
        QCOMPARE(odczytany.size(), obraz.size());
        const QColor oczekiwany = obraz.pixelColor(2, 2);
        const QColor jest = odczytany.pixelColor(2, 2);
        QVERIFY2(qAbs(jest.red() - oczekiwany.red()) <= 4 &&
                     qAbs(jest.green() - oczekiwany.green()) <= 4 &&
                     qAbs(jest.blue() - oczekiwany.blue()) <= 4,
                 qPrintable(jest.name()));
    }

    void pusty_obraz_nie_jest_kodowany() { QVERIFY(koduj_jpeg(QImage(), 90).isEmpty()); }
};

QTEST_MAIN(TestJpeg)
#include "test_jpeg.moc"
