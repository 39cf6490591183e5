#include "app/glowny.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/ustawienia_programu.h"
#include "printing/ustawienia_wydruku.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The keys of config.ini as written, in file order.
QStringList klucze(const QString& sciezka) {
    QStringList wynik;
    const QList<QByteArray> linie = czytaj_plik(sciezka).split('\n');
    for (QByteArray l : linie) {
        l = l.trimmed();
        if (!l.isEmpty() && !l.startsWith('[')) wynik << QString::fromLatin1(l);
    }
    return wynik;
}

QStringList zaznaczone(const Tpreferencje& okno) {
    QStringList wynik;
    for (const QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        if (b->isCheckable() && b->isChecked()) wynik << b->objectName();
    wynik.sort();
    return wynik;
}

QString wyjscie_drukarki;
void drukarka_pdf(QPrinter& drukarka) {
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(wyjscie_drukarki);
}

QString wyjscie(const QString& program, const QStringList& argumenty) {
    QProcess p;
    p.start(program, argumenty);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestPreferencje : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;

    QString config() const { return katalog_->filePath(u"config.ini"_s); }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
    }

    void pierwsze_otwarcie_bez_pliku() {
        Tpreferencje okno;
        okno.show();
        QCOMPARE(zaznaczone(okno),
                 (QStringList{u"chb_capitals"_s, u"kolorowy"_s, u"odc2"_s, u"pionowy"_s}));
        QCOMPARE(okno.margines_gorny->text(), u"50"_s);
        QCOMPARE(okno.margines_lewy->text(), u"50"_s);
        QCOMPARE(okno.oplata1->text(), u"2,50"_s);
        for (QWidget* w : {static_cast<QWidget*>(okno.oplata1), static_cast<QWidget*>(okno.opl_UP),
                           static_cast<QWidget*>(okno.opl_DOWN), static_cast<QWidget*>(okno.l_pln)})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!QFile::exists(config()));

        SeamDialogow seam;
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QVERIFY(!okno.isVisible());
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        // Byte for byte: other programs and older versions read this file.
        QCOMPARE(czytaj_plik(config()),
                 QByteArray("[SETTINGS]\r\ntyp_formularza=1\r\nilosc_odcinkow=2\r\n"
                            "uklad_strony=portrait\r\ncapitals=1\r\nboxes=0\r\nmargin_top=50\r\n"
                            "margin_left=50\r\ndrukuj_oplate=0\r\noplata_wart=2,5\r\n"));
        // And what it wrote is what printing reads.
        UstawieniaWydruku u;
        u.margin_top = u.margin_left = 50;
        u.oplata_wart = u"2,5"_s;
        QCOMPARE(czytaj_ustawienia_wydruku(config()), u);
    }

    void pokazuje_plik_data() {
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<QStringList>("zaznaczone");
        QTest::addColumn<QString>("gorny");
        QTest::addColumn<QString>("lewy");
        QTest::addColumn<QString>("oplata");

        QTest::newRow("pusta sekcja: wlasne wartosci domyslne okna")
            << QByteArray("[SETTINGS]\r\n")
            << QStringList{u"chb_capitals"_s, u"kolorowy"_s, u"odc2"_s, u"pionowy"_s} << u"50"_s
            << u"50"_s << u"2,5"_s;
        QTest::newRow("wszystko inaczej")
            << QByteArray(
                   "[SETTINGS]\ntyp_formularza=3\nilosc_odcinkow=4\nuklad_strony="
                   "landscape\ncapitals=0\n"
                   "boxes=1\nmargin_top=1000\nmargin_left=-7\ndrukuj_oplate=1\noplata_wart=12,5\n")
            << QStringList{u"brak"_s, u"chb_boxes"_s, u"chb_oplata"_s, u"odc4"_s, u"poziomy"_s}
            << u"1000"_s << u"-7"_s << u"12,5"_s;
        QTest::newRow("wartosci spoza zakresu")
            << QByteArray(
                   "[SETTINGS]\ntyp_formularza=7\nilosc_odcinkow=3\nuklad_strony=Portrait\n"
                   "margin_top=1001\nmargin_left=x\noplata_wart=abc\n")
            << QStringList{u"chb_capitals"_s, u"kolorowy"_s, u"odc2"_s, u"poziomy"_s} << u"50"_s
            << u"50"_s << u"2,5"_s;
        QTest::newRow("czarno-bialy, 1 odcinek, oplata w setnych")
            << QByteArray("[SETTINGS]\ntyp_formularza=2\nilosc_odcinkow=1\noplata_wart=2,55\n")
            << QStringList{u"chb_capitals"_s, u"czarnobialy"_s, u"odc1"_s, u"pionowy"_s} << u"50"_s
            << u"50"_s << u"2,55"_s;
    }

    void pokazuje_plik() {
        QFETCH(QByteArray, tresc);
        QFETCH(QStringList, zaznaczone);
        QFETCH(QString, gorny);
        QFETCH(QString, lewy);
        QFETCH(QString, oplata);
        zapisz_plik(config(), tresc);
        Tpreferencje okno;
        okno.show();
        QCOMPARE(::zaznaczone(okno), zaznaczone);
        QCOMPARE(okno.margines_gorny->text(), gorny);
        QCOMPARE(okno.margines_lewy->text(), lewy);
        QCOMPARE(okno.oplata1->text(), oplata);
        QCOMPARE(okno.oplata1->isEnabled(), okno.chb_oplata->isChecked());
    }

    // Without the file the margins and the boxes keep what the window showed last.
    void bez_pliku_marginesy_zostaja() {
        zapisz_plik(config(),
                    "[SETTINGS]\nmargin_top=12\nmargin_left=34\nboxes=1\ntyp_formularza=2\n");
        Tpreferencje okno;
        okno.show();
        QTest::mouseClick(okno.b_anuluj, Qt::LeftButton);
        QVERIFY(QFile::remove(config()));
        okno.show();
        QCOMPARE(okno.margines_gorny->text(), u"12"_s);
        QCOMPARE(okno.margines_lewy->text(), u"34"_s);
        QVERIFY(okno.chb_boxes->isChecked());
        QVERIFY(okno.kolorowy->isChecked());
    }

    void przyciski_oplaty_data() {
        QTest::addColumn<QString>("poczatek");
        QTest::addColumn<bool>("w_gore");
        QTest::addColumn<int>("razy");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("99,9 w gore zostaje") << u"99,9"_s << true << 1 << u"99,9"_s;
        QTest::newRow("99,8 w gore") << u"99,8"_s << true << 3 << u"99,9"_s;
        QTest::newRow("0,1 w dol do 0") << u"0,1"_s << false << 1 << u"0"_s;
        QTest::newRow("0 w dol zostaje") << u"0"_s << false << 1 << u"0"_s;
        QTest::newRow("0,2 w dol") << u"0,2"_s << false << 1 << u"0,1"_s;
        QTest::newRow("trzydziesci razy 0,1") << u"0"_s << true << 30 << u"3"_s;
        QTest::newRow("tysiac krokow bez bledu") << u"0"_s << true << 999 << u"99,9"_s;
        QTest::newRow("w dol do konca") << u"99,9"_s << false << 998 << u"0,1"_s;
        QTest::newRow("setne zostaja") << u"2,55"_s << true << 1 << u"2,65"_s;
        QTest::newRow("tysieczne bez klikniecia") << u"2,555"_s << true << 0 << u"2,555"_s;
        QTest::newRow("tysieczne zostaja") << u"2,555"_s << false << 1 << u"2,455"_s;
    }

    void przyciski_oplaty() {
        QFETCH(QString, poczatek);
        QFETCH(bool, w_gore);
        QFETCH(int, razy);
        QFETCH(QString, wynik);
        zapisz_plik(config(),
                    "[SETTINGS]\ndrukuj_oplate=1\noplata_wart=" + poczatek.toLatin1() + "\n");
        Tpreferencje okno;
        okno.show();
        QCOMPARE(okno.oplata1->text(), poczatek);
        for (int i = 0; i < razy; ++i)
            QTest::mouseClick(w_gore ? okno.opl_UP : okno.opl_DOWN, Qt::LeftButton);
        QCOMPARE(okno.oplata1->text(), wynik);

        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QCOMPARE(PlikIni::wczytaj(config()).tekst(u"oplata_wart"_s, {}), wynik);
    }

    void wylaczenie_oplaty_wyszarza() {
        Tpreferencje okno;
        okno.show();
        QTest::mouseClick(okno.chb_oplata, Qt::LeftButton);
        QVERIFY(okno.opl_UP->isEnabled() && okno.l_pln->isEnabled());
        QTest::mouseClick(okno.opl_UP, Qt::LeftButton);
        QCOMPARE(okno.oplata1->text(), u"2,6"_s);
        QTest::mouseClick(okno.chb_oplata, Qt::LeftButton);
        QVERIFY(!okno.opl_UP->isEnabled() && !okno.oplata1->isEnabled() &&
                !okno.l_pln->isEnabled());
    }

    void strzalki_marginesow_data() {
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<bool>("w_gore");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("w gore") << u"50"_s << true << u"51"_s;
        QTest::newRow("1000 w gore zostaje") << u"1000"_s << true << u"1000"_s;
        QTest::newRow("0 w dol zostaje") << u"0"_s << false << u"0"_s;
        QTest::newRow("wpisane 2000 w dol") << u"2000"_s << false << u"999"_s;
        QTest::newRow("litery: od ostatniej liczby") << u"abc"_s << true << u"51"_s;
    }

    void strzalki_marginesow() {
        QFETCH(QString, wpisane);
        QFETCH(bool, w_gore);
        QFETCH(QString, wynik);
        Tpreferencje okno;
        okno.show();
        okno.margines_gorny->setText(wpisane);
        QTest::mouseClick(w_gore ? okno.UpDown1->w_gore : okno.UpDown1->w_dol, Qt::LeftButton);
        QCOMPARE(okno.margines_gorny->text(), wynik);
        QCOMPARE(okno.margines_lewy->text(), u"50"_s);

        // The keyboard's arrows in the edit step it too.
        okno.margines_lewy->setText(wpisane);
        QTest::keyClick(okno.margines_lewy, w_gore ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(okno.margines_lewy->text(), wynik);
    }

    void zapis_marginesow_data() {
        QTest::addColumn<QString>("gorny");
        QTest::addColumn<QString>("lewy");
        QTest::addColumn<QStringList>("zapisane");
        QTest::newRow("poza zakresem zapisane jak wpisane")
            << u"2000"_s << u"-3"_s << QStringList{u"margin_top=2000"_s, u"margin_left=-3"_s};
        QTest::newRow("spacje przed liczba")
            << u" 7"_s << u"0"_s << QStringList{u"margin_top=7"_s, u"margin_left=0"_s};
    }

    void zapis_marginesow() {
        QFETCH(QString, gorny);
        QFETCH(QString, lewy);
        QFETCH(QStringList, zapisane);
        Tpreferencje okno;
        okno.show();
        okno.margines_gorny->setText(gorny);
        okno.margines_lewy->setText(lewy);
        SeamDialogow seam;
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        QCOMPARE(klucze(config()).mid(5, 2), zapisane);
    }

    // The keys before the failing one are written; it and those after keep their old values.
    void blad_zapisu_data() {
        QTest::addColumn<QString>("gorny");
        QTest::addColumn<QString>("lewy");
        QTest::addColumn<bool>("tylko_do_odczytu");
        QTest::addColumn<QStringList>("po");

        const QStringList stare{
            u"typ_formularza=2"_s, u"ilosc_odcinkow=4"_s, u"uklad_strony=landscape"_s,
            u"capitals=0"_s,       u"boxes=1"_s,          u"margin_top=20"_s,
            u"margin_left=30"_s,   u"drukuj_oplate=1"_s,  u"oplata_wart=5"_s};
        QStringList do_boxes = stare;
        do_boxes.replace(0, u"typ_formularza=1"_s);
        do_boxes.replace(1, u"ilosc_odcinkow=1"_s);
        do_boxes.replace(2, u"uklad_strony=portrait"_s);
        do_boxes.replace(3, u"capitals=1"_s);
        do_boxes.replace(4, u"boxes=0"_s);
        QStringList do_gornego = do_boxes;
        do_gornego.replace(5, u"margin_top=40"_s);

        QTest::newRow("litery w marginesie gornym") << u"abc"_s << u"40"_s << false << do_boxes;
        QTest::newRow("litery w marginesie lewym") << u"40"_s << u"4O"_s << false << do_gornego;
        QTest::newRow("pusty margines") << u""_s << u"40"_s << false << do_boxes;
        QTest::newRow("plik tylko do odczytu") << u"40"_s << u"40"_s << true << stare;
    }

    void blad_zapisu() {
        QFETCH(QString, gorny);
        QFETCH(QString, lewy);
        QFETCH(bool, tylko_do_odczytu);
        QFETCH(QStringList, po);
        zapisz_plik(
            config(),
            "[SETTINGS]\r\ntyp_formularza=2\r\nilosc_odcinkow=4\r\nuklad_strony=landscape\r\n"
            "capitals=0\r\nboxes=1\r\nmargin_top=20\r\nmargin_left=30\r\ndrukuj_oplate=1\r\n"
            "oplata_wart=5\r\n");
        if (tylko_do_odczytu)
            QVERIFY(QFile::setPermissions(config(), QFile::ReadOwner | QFile::ReadUser));

        Tpreferencje okno;
        okno.show();
        okno.kolorowy->setChecked(true);
        okno.odc1->setChecked(true);
        okno.pionowy->setChecked(true);
        okno.chb_capitals->setChecked(true);
        okno.chb_boxes->setChecked(false);
        okno.chb_oplata->setChecked(false);
        okno.margines_gorny->setText(gorny);
        okno.margines_lewy->setText(lewy);

        SeamDialogow seam;
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane[0].tekst, u"Nie udało sie zapisać zmian konfiguracyjnych!"_s);
        QCOMPARE(pokazane[0].tytul, u"Błąd zapisu"_s);
        QCOMPARE(pokazane[0].ikona, Dialogi::Ikona::Blad);
        QVERIFY(!okno.isVisible());
        QCOMPARE(klucze(config()), po);
    }

    void anuluj_nic_nie_zapisuje() {
        Tpreferencje okno;
        okno.show();
        okno.brak->setChecked(true);
        QTest::mouseClick(okno.b_anuluj, Qt::LeftButton);
        QVERIFY(!okno.isVisible());
        QVERIFY(!QFile::exists(config()));
    }

    void obrazki_typow_formularza() {
        Tpreferencje okno;
        const QImage kolorowy = okno.i_kolorowy->pixmap().toImage();
        const QImage szary = okno.i_czarnobialy->pixmap().toImage();
        const QImage pusty = okno.i_brak->pixmap().toImage();
        for (const QImage& i : {kolorowy, szary, pusty}) QCOMPARE(i.size(), QSize(91, 125));
        bool kolor = false, tylko_szarosci = true;
        for (int y = 0; y < 125; ++y) {
            for (int x = 0; x < 91; ++x) {
                const QRgb k = kolorowy.pixel(x, y);
                const QRgb s = szary.pixel(x, y);
                kolor |= qRed(k) - qGreen(k) > 40;
                tylko_szarosci &= qRed(s) == qGreen(s) && qGreen(s) == qBlue(s);
                QCOMPARE(pusty.pixel(x, y), qRgb(255, 255, 255));
            }
        }
        QVERIFY(kolor);
        QVERIFY(tylko_szarosci);
        // Stretched into a frame a little taller than the picture.
        QCOMPARE(okno.i_kolorowy->size(), QSize(91, 129));
        QVERIFY(okno.i_kolorowy->hasScaledContents());
    }

    void uklad_okna() {
        Tglowne_okno glowne;
        glowne.resize(700, 500);
        glowne.show();
        QVERIFY(QTest::qWaitForWindowExposed(&glowne));
        Tpreferencje okno(&glowne);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.minimumSize(), okno.maximumSize());
        QCOMPARE(okno.windowTitle(), u"Ustawienia programu"_s);
        const QPoint odstep = okno.frameGeometry().center() - glowne.frameGeometry().center();
        QVERIFY2(odstep.manhattanLength() <= 4,
                 qPrintable(u"%1, %2"_s.arg(odstep.x()).arg(odstep.y())));
        // The groups in their places: pictures on top, margins beside the page
        // layout, stubs beside the fee, the printer's shift and the buttons last.
        auto miejsce = [&](const QWidget* w) { return w->geometry(); };
        QVERIFY(miejsce(okno.gb_typ_formularza).bottom() < miejsce(okno.gb_form_2odc).top());
        QVERIFY(miejsce(okno.gb_form_2odc).right() < miejsce(okno.orinetacja).left());
        QVERIFY(miejsce(okno.gb_form_2odc).bottom() < miejsce(okno.gb_ilosc_odcinkow).top());
        QVERIFY(miejsce(okno.gb_ilosc_odcinkow).right() < miejsce(okno.gb_oplata).left());
        QVERIFY(miejsce(okno.gb_ilosc_odcinkow).bottom() < miejsce(okno.gb_inne).top());
        QVERIFY(miejsce(okno.gb_oplata).bottom() < miejsce(okno.gb_przesuniecie).top());
        QVERIFY(miejsce(okno.gb_przesuniecie).bottom() < miejsce(okno.b_ok).top());
        QVERIFY(miejsce(okno.b_ok).right() < miejsce(okno.b_anuluj).left());
        okno.close();
    }

    // Nothing cut off or overlapping, whatever the window shows and at a large font.
    void nic_nie_uciete_data() {
        QTest::addColumn<qreal>("punkty");  // the application's font; 0 leaves it
        QTest::addColumn<QByteArray>("tresc");
        const QByteArray kolorowy_pionowo("[SETTINGS]\ntyp_formularza=1\nuklad_strony=portrait\n");
        const QByteArray oryginalny_poziomo(
            "[SETTINGS]\ntyp_formularza=3\nuklad_strony=landscape\nilosc_odcinkow=4\n"
            "drukuj_oplate=1\noplata_wart=99,9\nmargin_top=1000\nmargin_left=-7\n");
        for (const qreal punkty : {qreal(0), qreal(13)}) {
            const char* czcionka = punkty > 0 ? "13 pt" : "czcionka pulpitu";
            QTest::addRow("kolorowy, pionowo, %s", czcionka) << punkty << kolorowy_pionowo;
            QTest::addRow("oryginalny, poziomo, %s", czcionka) << punkty << oryginalny_poziomo;
        }
    }

    void nic_nie_uciete() {
        QFETCH(qreal, punkty);
        QFETCH(QByteArray, tresc);
        zapisz_plik(config(), tresc);
        const QFont pulpit = QApplication::font();
        if (punkty > 0) {
            QFont f = pulpit;
            f.setPointSizeF(punkty);
            QApplication::setFont(f);
        }
        {
            Tpreferencje okno;
            okno.ustaw_drukarki({u"Drukarka_sieciowa_w_ksiegowosci_na_drugim_pietrze"_s}, {});
            sprawdz_czy_nic_nie_uciete(&okno);
        }
        QApplication::setFont(pulpit);
    }

    // The shift typed in is remembered for the printer chosen, in the user's
    // store; config.ini and the other printers are left alone.
    void przesuniecie_dla_wybranej_drukarki() {
        MagazynUstawien::ustaw_plik(katalog_->filePath(u"magazyn.ini"_s));
        QVERIFY(zapisz_przesuniecie_drukarki(u"Zebra"_s, {0.5, 0.5}));
        {
            Tpreferencje okno;
            okno.show();
            okno.ustaw_drukarki({u"HP"_s, u"Zebra"_s}, u"HP"_s);
            QCOMPARE(okno.przesuniecie_w_prawo->value(), 0.0);
            okno.przesuniecie_w_prawo->setValue(1.5);
            okno.przesuniecie_w_dol->setValue(-2.3);
            SeamDialogow seam;
            okno.b_ok->click();
        }
        QCOMPARE(przesuniecie_drukarki(u"HP"_s), Przesuniecie({1.5, -2.3}));
        QCOMPARE(przesuniecie_drukarki(u"Zebra"_s), Przesuniecie({0.5, 0.5}));
        QVERIFY(!czytaj_plik(config()).contains("1,5"));
        QCOMPARE(czytaj_ustawienia_wydruku(config()).margin_left, 50);

        Tpreferencje okno;
        okno.show();
        okno.ustaw_drukarki({u"HP"_s, u"Zebra"_s}, u"Zebra"_s);
        QCOMPARE(okno.przesuniecie_w_dol->value(), 0.5);
        okno.cb_drukarka->setCurrentIndex(0);
        QCOMPARE(okno.przesuniecie_w_prawo->value(), 1.5);
        QCOMPARE(okno.przesuniecie_w_dol->value(), -2.3);
        MagazynUstawien::ustaw_plik({});
    }

    // The sheet follows the layout the window shows, even before OK.
    void wydruk_kalibracyjny() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler-utils are not installed");
        wyjscie_drukarki = katalog_->filePath(u"kalibracja.pdf"_s);
        Tpreferencje okno;
        okno.show();
        okno.poziomy->setChecked(true);
        okno.odc4->setChecked(true);
        {
            SeamDialogow seam;
            Dialogi::Test::potwierdz_druk(true);
            Dialogi::Test::przy_druku(drukarka_pdf);
            okno.b_kalibracja->click();
        }
        QVERIFY(!QFile::exists(config()));
        const QString info = wyjscie(u"pdfinfo"_s, {wyjscie_drukarki});
        QVERIFY2(info.contains(u"842 x 595 pts (A4)"_s), qPrintable(info));
        QVERIFY2(info.contains(
                     QRegularExpression(u"^Pages: +1$"_s, QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const QString tekst = wyjscie(u"pdftotext"_s, {wyjscie_drukarki, u"-"_s});
        // Four stubs side by side: the last one's point B at (150 + 82,43; 106 + 29,13).
        QVERIFY2(tekst.contains(u"B (232,43; 135,13)"_s), qPrintable(tekst));
    }

    // Opened over the main window, modal, and gone once closed.
    void polecenie_otwiera_okno_modalnie() {
        Tglowne_okno glowne;
        bool modalne = false;
        const QWidget* rodzic = nullptr;
        PrzyOknieModalnym<Tpreferencje> przy([&](Tpreferencje* okno) {
            modalne = okno->isModal();
            rodzic = okno->parentWidget();
        });
        glowne.Ustawieniaprogramu1->trigger();
        QVERIFY(przy.otwarte());
        QVERIFY(modalne);
        QCOMPARE(rodzic, &glowne);
        QVERIFY(przy.okno().isNull());
        QVERIFY(glowne.findChildren<Tpreferencje*>().isEmpty());
    }
};

QTEST_MAIN(TestPreferencje)
#include "test_preferencje.moc"
