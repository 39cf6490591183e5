// The icons by freedesktop name: the desktop's theme first, the program's own
// drawings where the theme has none.
#include "widgets/ikony.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The share of pixels that are not transparent: a drawing that reads as a
// shape covers a fair part of its square.
double pokrycie(const QImage& obraz) {
    int pelnych = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x)
            if (qAlpha(obraz.pixel(x, y)) > 64) ++pelnych;
    return double(pelnych) / (obraz.width() * obraz.height());
}

QImage obraz(const QIcon& i, int bok) {
    return i.pixmap(QSize(bok, bok), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

const QColor kolor_motywu(255, 0, 255);

}  // namespace

class TestIkony : public QObject {
    Q_OBJECT
    QTemporaryDir bez_motywow_;
    QTemporaryDir motywy_;

    // A small theme: "document-new" and "document-print" in plain magenta.
    void zrob_motyw() {
        QDir katalog(motywy_.path());
        QVERIFY(katalog.mkpath(u"probny/24x24/actions"_s));
        QFile index(katalog.filePath(u"probny/index.theme"_s));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write(
            "[Icon Theme]\nName=probny\nDirectories=24x24/actions\n\n"
            "[24x24/actions]\nSize=24\nContext=Actions\nType=Fixed\n");
        index.close();
        QImage wypelniony(24, 24, QImage::Format_ARGB32);
        wypelniony.fill(kolor_motywu);
        QVERIFY(wypelniony.save(katalog.filePath(u"probny/24x24/actions/document-new.png"_s)));
        QVERIFY(wypelniony.save(katalog.filePath(u"probny/24x24/actions/document-print.png"_s)));
    }

    void bez_motywu() {
        QIcon::setThemeSearchPaths({bez_motywow_.path()});
        QIcon::setFallbackSearchPaths({});
        QIcon::setThemeName(QString());
    }

  private slots:
    void initTestCase() {
        QVERIFY(bez_motywow_.isValid() && motywy_.isValid());
        zrob_motyw();
    }
    void init() { bez_motywu(); }

    void rysunek_zastepczy_data() {
        QTest::addColumn<QString>("nazwa");
        for (const char* n : {"document-new",
                              "document-open",
                              "document-save",
                              "document-save-as",
                              "document-print",
                              "document-print-preview",
                              "document-edit",
                              "document-export",
                              "edit-delete",
                              "edit-clear",
                              "edit-copy",
                              "edit-undo",
                              "preferences-system",
                              "help-contents",
                              "help-about",
                              "x-office-address-book",
                              "system-users",
                              "format-justify-left",
                              "office-chart-bar",
                              "list-add",
                              "x-office-calendar",
                              "application-exit",
                              "zoom-in",
                              "zoom-out",
                              "go-previous",
                              "go-next",
                              "vandoria"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    // With no theme every name still gives a drawing, sharp at every size a
    // menu, a tool bar or a doubled screen asks for.
    void rysunek_zastepczy() {
        QFETCH(QString, nazwa);
        const QIcon i = ikona(nazwa);
        QVERIFY(!i.isNull());
        for (const int bok : {16, 24, 48}) {
            QVERIFY2(i.availableSizes().contains(QSize(bok, bok)),
                     qPrintable(QString::number(bok)));
            const QImage o = obraz(i, bok);
            QCOMPARE(o.size(), QSize(bok, bok));
            QVERIFY2(pokrycie(o) > 0.15, qPrintable(u"prawie pusta przy %1 px"_s.arg(bok)));
        }
    }

    // A doubled screen gets a drawing of twice the pixels, marked as such, and
    // not one blown up from the smallest or made four times too large.
    void skalowany_ekran_data() {
        QTest::addColumn<int>("bok");
        QTest::addColumn<qreal>("skala");
        QTest::newRow("16 px, skala 1") << 16 << 1.0;
        QTest::newRow("16 px, skala 2") << 16 << 2.0;
        QTest::newRow("24 px, skala 2") << 24 << 2.0;
        QTest::newRow("32 px, skala 1,5") << 32 << 1.5;
    }
    void skalowany_ekran() {
        QFETCH(int, bok);
        QFETCH(qreal, skala);
        for (const QIcon& i : {ikona(u"document-print"_s), ikona_wlasna(u"document-print"_s)}) {
            const QPixmap p = i.pixmap(QSize(bok, bok), skala);
            QCOMPARE(p.size(), QSize(bok, bok) * skala);
            QCOMPARE(p.devicePixelRatio(), skala);
            QVERIFY(pokrycie(p.toImage().convertToFormat(QImage::Format_ARGB32)) > 0.15);
        }
    }

    // A disabled command's icon is drawn greyed, from the same drawing.
    void wylaczona() {
        const QIcon i = ikona(u"document-save"_s);
        const QImage zwykla = i.pixmap(QSize(24, 24), 1.0, QIcon::Normal).toImage();
        const QImage szara = i.pixmap(QSize(24, 24), 1.0, QIcon::Disabled).toImage();
        QCOMPARE(szara.size(), zwykla.size());
        QVERIFY(szara != zwykla);
    }

    void nieznana_nazwa() { QVERIFY(ikona(u"nie-ma-takiej-ikony"_s).isNull()); }

    void motyw_ma_pierwszenstwo_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("z_motywu");
        QTest::newRow("jest w motywie") << u"document-new"_s << true;
        QTest::newRow("brak w motywie") << u"edit-delete"_s << false;
        // The theme would give "document-print" for it, which means printing, not the preview.
        QTest::newRow("w motywie tylko krótsza nazwa") << u"document-print-preview"_s << false;
    }
    void motyw_ma_pierwszenstwo() {
        QFETCH(QString, nazwa);
        QFETCH(bool, z_motywu);
        QIcon::setThemeSearchPaths({motywy_.path()});
        QIcon::setThemeName(u"probny"_s);
        const QImage o = obraz(ikona(nazwa), 24);
        QVERIFY(!o.isNull());
        QCOMPARE(o.pixelColor(12, 12) == kolor_motywu, z_motywu);
        if (!z_motywu) QCOMPARE(o, obraz(ikona_wlasna(nazwa), 24));
    }
};

QTEST_MAIN(TestIkony)
#include "test_ikony.moc"
