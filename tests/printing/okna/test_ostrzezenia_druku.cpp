#include "app/glowny.h"
#include "editor/nowy_edycja_przelewu.h"
#include "printing/oznaczanie_przepelnienia.h"
#include "printing/print_preview.h"
#include "printing/przesuniecie_drukarki.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The question asked before a print or preview when a text will not fit its field.
class TestOstrzezeniaDruku : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;
    std::unique_ptr<Tglowne_okno> glowne_;

    Tglowne_okno& okno_z(const Tprzelew& wiersz) {
        glowne_ = std::make_unique<Tglowne_okno>();
        glowne_->rejestr.dopisz(wiersz);
        glowne_->odswiezanie();
        glowne_->zaznacz_wiersz(1);
        return *glowne_;
    }

    static int ile(const QString& rodzaj) {
        int n = 0;
        for (const auto& p : Dialogi::Test::pokazane()) n += p.rodzaj == rodzaj;
        return n;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
        zapisz_plik(katalog_->filePath(u"config.ini"_s),
                    "[SETTINGS]\r\ntyp_formularza=3\r\nboxes=1\r\ncapitals=0\r\n");
    }

    void cleanup() { glowne_.reset(); }

    void druk_data() {
        QTest::addColumn<QByteArray>("tytul");
        QTest::addColumn<bool>("pytanie");
        QTest::addColumn<bool>("tak");
        QTest::addColumn<bool>("okno_drukowania");
        QTest::newRow("mieści się: bez pytania") << QByteArray(27, 'a') << false << false << true;
        QTest::newRow("za długi, Nie wraca") << QByteArray(34, 'a') << true << false << false;
        QTest::newRow("za długi, Tak drukuje") << QByteArray(34, 'a') << true << true << true;
    }
    void druk() {
        QFETCH(QByteArray, tytul);
        QFETCH(bool, pytanie);
        QFETCH(bool, tak);
        QFETCH(bool, okno_drukowania);

        auto& okno = okno_z(przelew("Odbiorca", "12", "50", tytul.constData()));
        SeamDialogow seam;
        if (pytanie)
            Dialogi::Test::odpowiedz(tak ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);
        if (okno_drukowania) Dialogi::Test::potwierdz_druk(false);
        okno.drukowanieClick();

        QCOMPARE(ile(u"komunikat"_s), pytanie ? 1 : 0);
        QCOMPARE(ile(u"drukuj"_s), okno_drukowania ? 1 : 0);
        if (pytanie) {
            const auto p = Dialogi::Test::pokazane().first();
            QCOMPARE(p.przyciski, Dialogi::Przyciski::TakNie);
            QVERIFY2(p.tekst.startsWith(u"Tekst w polu „tytułem” nie zmieści się na formularzu "
                                        u"(34 znaki z 27)."_s),
                     qPrintable(p.tekst));
        }
    }

    void podglad_data() {
        QTest::addColumn<bool>("tak");
        QTest::newRow("Nie: bez podglądu") << false;
        QTest::newRow("Tak: podgląd") << true;
    }
    void podglad() {
        QFETCH(bool, tak);
        Tprzelew w = przelew("Odbiorca", "12", "50", "Czynsz");
        w.nazwa_nadawcy2 = decltype(w.nazwa_nadawcy2)::z_unicode(QString(30, u'ż'));
        auto& okno = okno_z(w);
        SeamDialogow seam;
        Dialogi::Test::odpowiedz(tak ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);

        PrzyOknieModalnym<Tpodglad_wydruku> przy([](Tpodglad_wydruku*) {});
        okno.print_previewClick();

        QCOMPARE(przy.otwarte(), tak);
        QVERIFY(Dialogi::Test::teksty().value(0).contains(u"„nazwa zleceniodawcy cd.”"_s));
    }

    // The editor marks a title as soon as it is one character too long, and
    // clears the mark when the character goes.
    void edytor_oznacza_podczas_pisania() {
        Tnowy_edycja_przelewow edytor;
        QLineEdit* pole = edytor.tytulem1;
        pole->setText(QString(26, u'a'));
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, u"ą"_s, Qt::NoModifier);
        QVERIFY(!oznaczone_przepelnienie(pole));
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, u"ż"_s, Qt::NoModifier);
        QVERIFY(oznaczone_przepelnienie(pole));
        QCOMPARE(pole->toolTip(),
                 u"Tekst w polu „tytułem” nie zmieści się na formularzu (28 znaków z 27)."_s);
        QTest::keyClick(pole, Qt::Key_Backspace);
        QVERIFY(!oznaczone_przepelnienie(pole));
        QVERIFY(pole->toolTip().isEmpty());

        // Without cells the same text fits the field easily.
        zapisz_plik(katalog_->filePath(u"config.ini"_s), "[SETTINGS]\r\nboxes=0\r\n");
        edytor.nazwa_nadawcy2->setText(QString(40, u'a'));
        QVERIFY(!oznaczone_przepelnienie(edytor.nazwa_nadawcy2));
        edytor.nazwa_nadawcy2->setText(QString(40, u'W'));
        QVERIFY(oznaczone_przepelnienie(edytor.nazwa_nadawcy2));
    }

    // The preview moves the page by the shift of the printer it names, and
    // by nothing for a printer without one.
    void podglad_pokazuje_przesuniecie_drukarki_data() {
        QTest::addColumn<QString>("drukarka");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("opis");
        QTest::newRow("z przesunięciem")
            << u"HP"_s << 11.5 << 9.5
            << u"Drukarka „HP”: przesunięcie 1,5 mm w prawo, -0,5 mm w dół"_s;
        QTest::newRow("bez przesunięcia")
            << u"Inna"_s << 10.0 << 10.0 << u"Drukarka „Inna”: bez przesunięcia"_s;
        QTest::newRow("bez drukarki")
            << QString() << 10.0 << 10.0 << u"Bez przesunięcia drukarki"_s;
    }
    void podglad_pokazuje_przesuniecie_drukarki() {
        QFETCH(QString, drukarka);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, opis);
        MagazynUstawien::ustaw_plik(katalog_->filePath(u"magazyn.ini"_s));
        QVERIFY(zapisz_przesuniecie_drukarki(u"HP"_s, {1.5, -0.5}));

        PlotnoNagrywajace plotno;
        plotno.Rectangle(10, 10, 20, 20);
        Tpodglad_wydruku okno;
        okno.ustaw_dokument(plotno.zabierz_dokument(), 1, u"portrait"_s);
        okno.pokaz_przesuniecie(drukarka);
        MagazynUstawien::ustaw_plik({});

        QCOMPARE(okno.l_przesuniecie->text(), opis);
        const Operacja& o = okno.dokument().strony.first().operacje.first();
        QCOMPARE(o.x1, x);
        QCOMPARE(o.y1, y);
    }
};

QTEST_MAIN(TestOstrzezeniaDruku)
#include "test_ostrzezenia_druku.moc"
