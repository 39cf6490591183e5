#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "printing/druk_okna.h"
#include "printing/monolit.h"
#include "printing/pdf_z_wiersza_polecen.h"
#include "printing/print_preview.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Where the test's PDF printer writes: the print dialog seam takes a plain function.
QString wyjscie_drukarki;
void drukarka_pdf(QPrinter& drukarka) {
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(wyjscie_drukarki);
}
void drukarka_pdf_strona_2(QPrinter& drukarka) {
    drukarka_pdf(drukarka);
    drukarka.setPrintRange(QPrinter::PageRange);
    drukarka.setFromTo(2, 2);
}

QByteArray config(int ilosc_odcinkow, const char* uklad, int typ = 1) {
    return "[SETTINGS]\r\ntyp_formularza=" + QByteArray::number(typ) +
           "\r\nilosc_odcinkow=" + QByteArray::number(ilosc_odcinkow) +
           "\r\nuklad_strony=" + uklad + "\r\nmargin_top=10\r\nmargin_left=10\r\n";
}

// The pages of a PDF as pdftoppm renders them.
QList<QImage> strony_pdf(const QString& pdf) {
    const QString przedrostek = pdf + u"-str"_s;
    QProcess::execute(u"pdftoppm"_s, {u"-r"_s, u"40"_s, u"-png"_s, pdf, przedrostek});
    QFileInfo info(przedrostek);
    QList<QImage> wynik;
    const QStringList pliki =
        QDir(info.path()).entryList({info.fileName() + u"-*.png"_s}, QDir::Files, QDir::Name);
    for (const QString& p : pliki) wynik << QImage(info.path() + u'/' + p);
    return wynik;
}

// The wait window of the job under way, if one is up or left behind.
Tmonolit_czekania* okno_czekania() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* okno = qobject_cast<Tmonolit_czekania*>(w)) return okno;
    return nullptr;
}

// The text of a PDF as pdftotext reads it.
QString tekst_pdf(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {pdf, u"-"_s});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The application's font for one test, the desktop's again afterwards.
class CzcionkaAplikacji {
  public:
    explicit CzcionkaAplikacji(qreal punkty) : poprzednia_(QApplication::font()) {
        if (punkty <= 0) return;
        QFont f = poprzednia_;
        f.setPointSizeF(punkty);
        QApplication::setFont(f);
    }
    ~CzcionkaAplikacji() { QApplication::setFont(poprzednia_); }
    CzcionkaAplikacji(const CzcionkaAplikacji&) = delete;
    CzcionkaAplikacji& operator=(const CzcionkaAplikacji&) = delete;

  private:
    QFont poprzednia_;
};

}  // namespace

class TestDrukOkna : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;
    std::unique_ptr<Tglowne_okno> glowne_;

    QString sciezka(const QString& nazwa) const { return katalog_->filePath(nazwa); }

    Tglowne_okno& okno_z(std::initializer_list<Tprzelew> wiersze, int zaznaczony = 1) {
        glowne_ = std::make_unique<Tglowne_okno>();
        for (const auto& w : wiersze) glowne_->rejestr.dopisz(w);
        glowne_->odswiezanie();
        glowne_->zaznacz_wiersz(zaznaczony);
        return *glowne_;
    }

    static Tprzelew wplata() {
        Tprzelew w = przelew("Odbiorca wpłaty", "1205", "50", "Darowizna", "2024-05-01");
        w.czy_przelew = 0;
        return w;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
        wyjscie_drukarki = sciezka(u"drukarka.pdf"_s);
    }

    void cleanup() {
        glowne_.reset();
        QVERIFY(!QApplication::overrideCursor());
        // The wait window lives for its job only.
        QVERIFY(!okno_czekania());
    }

    // The printer gets exactly the pages `Vandoria --pdf` writes for the same order.
    void druk_na_drukarce_pdf_data() {
        QTest::addColumn<QByteArray>("ustawienia");
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<int>("strony");
        QTest::newRow("bez config.ini") << QByteArray() << 1 << 1;
        QTest::newRow("wplata, 4 odcinki pionowo") << config(4, "portrait") << 2 << 2;
        QTest::newRow("4 odcinki poziomo, szary") << config(4, "landscape", 2) << 1 << 1;
    }

    void druk_na_drukarce_pdf() {
        QFETCH(QByteArray, ustawienia);
        QFETCH(int, wiersz);
        QFETCH(int, strony);
        if (QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty())
            QSKIP("pdftoppm is not installed");
        if (!ustawienia.isEmpty()) zapisz_plik(sciezka(u"config.ini"_s), ustawienia);

        const std::initializer_list<Tprzelew> wiersze = {przelew("Odbiorca", "12", "5", "Czynsz"),
                                                         wplata()};
        auto tablica = std::make_unique<TablicaPrzelewow>();
        for (const auto& w : wiersze) tablica->dopisz(w);
        QVERIFY(zapisz_przelewy(sciezka(u"zlecenia.p2"_s), *tablica, 2));

        auto& okno = okno_z(wiersze, wiersz);
        {
            SeamDialogow seam;
            Dialogi::Test::potwierdz_druk(true);
            Dialogi::Test::przy_druku(drukarka_pdf);
            okno.drukowanieClick();
        }
        const QString wzor = sciezka(u"wzor.pdf"_s);
        QCOMPARE(pdf_z_wiersza_polecen({u"Vandoria"_s, u"--pdf"_s, wzor, u"--przelew"_s,
                                        QString::number(wiersz), sciezka(u"zlecenia.p2"_s)}),
                 0);

        // The print job's title.
        QProcess pdfinfo;
        pdfinfo.start(u"pdfinfo"_s, {wyjscie_drukarki});
        QVERIFY(pdfinfo.waitForFinished());
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        QVERIFY2(info.contains(QRegularExpression(u"^Title: +Vandoria$"_s,
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));

        const QList<QImage> wydruk = strony_pdf(wyjscie_drukarki);
        const QList<QImage> oczekiwane = strony_pdf(wzor);
        QCOMPARE(wydruk.size(), strony);
        QCOMPARE(oczekiwane.size(), strony);
        for (int i = 0; i < strony; ++i) {
            QCOMPARE(wydruk[i].size(), oczekiwane[i].size());
            QVERIFY2(wydruk[i] == oczekiwane[i], qPrintable(u"strona %1"_s.arg(i + 1)));
        }
    }

    void zakres_stron_z_okna_drukowania() {
        if (QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty())
            QSKIP("pdftoppm is not installed");
        zapisz_plik(sciezka(u"config.ini"_s), config(4, "portrait"));
        auto& okno = okno_z({przelew("Odbiorca", "12", "5", "Czynsz")});
        SeamDialogow seam;
        Dialogi::Test::potwierdz_druk(true);
        Dialogi::Test::przy_druku(drukarka_pdf_strona_2);
        okno.drukowanieClick();

        const QList<QImage> wydruk = strony_pdf(wyjscie_drukarki);
        QCOMPARE(wydruk.size(), 1);
        Dialogi::Test::przy_druku(drukarka_pdf);
        wyjscie_drukarki = sciezka(u"calosc.pdf"_s);
        Dialogi::Test::potwierdz_druk(true);
        okno.drukowanieClick();
        QCOMPARE(wydruk.constFirst(), strony_pdf(wyjscie_drukarki).at(1));
    }

    void anulowany_druk() {
        auto& okno = okno_z({przelew("Odbiorca", "12", "5"), przelew("Drugi", "", "")}, 2);
        SeamDialogow seam;
        Dialogi::Test::potwierdz_druk(false);
        Dialogi::Test::przy_druku(drukarka_pdf);
        okno.drukowanieClick();

        QCOMPARE(Dialogi::Test::pokazane().size(), 1);
        QCOMPARE(Dialogi::Test::pokazane().constFirst().rodzaj, u"drukuj"_s);
        QVERIFY(!QFile::exists(wyjscie_drukarki));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!okno_czekania());
        // The amount completion of the preparation stays in the row, and in the list.
        const Tprzelew& w = okno.rejestr.przelew(2);
        QCOMPARE(w.kwota.na_unicode(), u"0"_s);
        QCOMPARE(w.kwota100.na_unicode(), u"00"_s);
        QCOMPARE(okno.model_listy->index(1, 3).data().toString(), u"0,00 zł"_s);
        QVERIFY(!okno.rejestr.zmieniony());
        QCOMPARE(okno.rejestr.przelew(1).kwota100.na_unicode(), u"5"_s);
    }

    // With no order selected the preparation would write "0" into the empty
    // row after the last one and so make an order of it.
    void bez_zaznaczenia_nic_sie_nie_dzieje_data() {
        QTest::addColumn<bool>("podglad");
        QTest::newRow("drukuj") << false;
        QTest::newRow("podglad") << true;
    }

    void bez_zaznaczenia_nic_sie_nie_dzieje() {
        QFETCH(bool, podglad);
        auto& okno = okno_z({przelew("Odbiorca")}, 0);
        QCOMPARE(okno.zaznaczony_el(), 2);
        SeamDialogow seam;
        if (podglad)
            okno.print_previewClick();
        else
            okno.drukowanieClick();
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        QCOMPARE(okno.ilosc_el(), 1);
    }

    // The wait window is up and painted, with the hourglass, while the order
    // is prepared, and gone before the dialog or the preview window.
    void okno_czekania_podczas_przygotowania_data() {
        QTest::addColumn<bool>("podglad");
        QTest::newRow("drukuj") << false;
        QTest::newRow("podglad") << true;
    }

    void okno_czekania_podczas_przygotowania() {
        QFETCH(bool, podglad);
        auto& okno = okno_z({przelew("Odbiorca")});
        okno.resize(600, 400);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));

        bool widoczne = false;
        QRect miejsce;
        QStringList napisy;
        Qt::CursorShape kursor = Qt::ArrowCursor;
        Qt::WindowFlags flagi;
        const auto przygotuj = [&] {
            Tmonolit_czekania* czekanie = okno_czekania();
            widoczne = czekanie && czekanie->isVisible();
            if (czekanie) {
                miejsce = czekanie->geometry();
                flagi = czekanie->windowFlags();
                for (const QLabel* l : czekanie->findChildren<QLabel*>()) napisy << l->text();
            }
            if (const QCursor* c = QApplication::overrideCursor()) kursor = c->shape();
            return ZmienneDruku{};
        };

        SeamDialogow seam;
        bool czekanie_przy_podgladzie = true;
        bool kursor_przy_podgladzie = true;
        if (podglad) {
            PrzyOknieModalnym<Tpodglad_wydruku> przy([&](Tpodglad_wydruku*) {
                czekanie_przy_podgladzie = okno_czekania() != nullptr;
                kursor_przy_podgladzie = QApplication::overrideCursor() != nullptr;
            });
            ::podglad(&okno, przygotuj);
            QVERIFY(przy.okno().isNull());  // destroyed on closing
        } else {
            Dialogi::Test::potwierdz_druk(false);
            drukuj(&okno, przygotuj);
            czekanie_przy_podgladzie = kursor_przy_podgladzie = false;
        }

        QVERIFY(widoczne);
        QCOMPARE(miejsce.size(), QSize(201, 73));
        QCOMPARE(miejsce.center(), okno.frameGeometry().center());
        QCOMPARE(napisy,
                 (QStringList{u"Proszę czekać...."_s, u"Trwa generowania formularza..."_s}));
        QCOMPARE(kursor, Qt::WaitCursor);
        QVERIFY(!czekanie_przy_podgladzie);
        QVERIFY(!kursor_przy_podgladzie);
        QVERIFY(!okno_czekania());
        QVERIFY(flagi & Qt::WindowStaysOnTopHint);
        QVERIFY(flagi & Qt::FramelessWindowHint);
    }

    void nawigacja_w_podgladzie_data() {
        QTest::addColumn<QByteArray>("ustawienia");
        QTest::addColumn<int>("strony");
        QTest::newRow("4 odcinki pionowo") << config(4, "portrait") << 2;
        QTest::newRow("4 odcinki poziomo") << config(4, "landscape") << 1;
        QTest::newRow("2 odcinki pionowo") << config(2, "portrait") << 1;
        QTest::newRow("1 odcinek pionowo") << config(1, "portrait") << 1;
        QTest::newRow("bez config.ini") << QByteArray() << 1;
    }

    void nawigacja_w_podgladzie() {
        QFETCH(QByteArray, ustawienia);
        QFETCH(int, strony);
        if (!ustawienia.isEmpty()) zapisz_plik(sciezka(u"config.ini"_s), ustawienia);
        auto& okno = okno_z({przelew("Odbiorca")});

        struct Stan {
            QString strona;
            bool poprz = false, nast = false;
            int strona_rysowana = 0;
            QString strona_z;
        };
        QList<Stan> stany;
        QString tytul;
        QSize rozmiar;
        int najmniejsza = 0;
        auto zapamietaj = [&](Tpodglad_wydruku* p) {
            stany.append({p->e_ilosc->text(), p->b_poprz->isEnabled(), p->b_nast->isEnabled(),
                          p->podglad_strony->strona(), p->l_strony->text()});
        };
        PrzyOknieModalnym<Tpodglad_wydruku> przy([&](Tpodglad_wydruku* p) {
            tytul = p->windowTitle();
            rozmiar = p->size();
            najmniejsza = p->minimumWidth();
            zapamietaj(p);
            if (p->b_nast->isEnabled()) {
                QTest::mouseClick(p->b_nast, Qt::LeftButton);
                zapamietaj(p);
                QTest::mouseClick(p->b_poprz, Qt::LeftButton);
                zapamietaj(p);
            }
        });
        okno.ToolButton6->trigger();

        QCOMPARE(tytul, u"Podgląd wydruku"_s);
        QCOMPARE(rozmiar, QSize(std::max(850, najmniejsza), 600));
        QCOMPARE(stany.size(), strony == 2 ? 3 : 1);
        QCOMPARE(stany[0].strona, u"1"_s);
        QCOMPARE(stany[0].strona_z, u"strona 1 z %1"_s.arg(strony));
        QVERIFY(!stany[0].poprz);
        QCOMPARE(stany[0].nast, strony == 2);
        if (strony == 2) {
            QCOMPARE(stany[1].strona, u"2"_s);
            QCOMPARE(stany[1].strona_z, u"strona 2 z 2"_s);
            QCOMPARE(stany[1].strona_rysowana, 2);
            QVERIFY(stany[1].poprz);
            QVERIFY(!stany[1].nast);
            QCOMPARE(stany[2].strona, u"1"_s);
            QVERIFY(!stany[2].poprz && stany[2].nast);
        }
    }

    void powiekszenie_data() {
        QTest::addColumn<int>("powieksz");
        QTest::addColumn<int>("pomniejsz");
        QTest::addColumn<int>("procent");
        QTest::newRow("od 100") << 0 << 0 << 100;
        QTest::newRow("powieksz") << 1 << 0 << 110;
        QTest::newRow("do 10") << 0 << 9 << 10;
        QTest::newRow("ponizej 10 nie schodzi") << 0 << 12 << 10;
        QTest::newRow("bez gornej granicy") << 60 << 0 << 700;
    }

    void powiekszenie() {
        QFETCH(int, powieksz);
        QFETCH(int, pomniejsz);
        QFETCH(int, procent);
        Tpodglad_wydruku okno;
        UstawieniaWydruku u;
        okno.ustaw_dokument(generuj_wydruk(stan_druku(u), {}), u.ilosc_odcinkow, u.uklad_strony);
        okno.show();
        okno.ustaw_powiekszenie(100);  // the steps counted from 100 %
        for (int i = 0; i < powieksz; ++i) QTest::mouseClick(okno.b_powieksz, Qt::LeftButton);
        for (int i = 0; i < pomniejsz; ++i) QTest::mouseClick(okno.b_pomniejsz, Qt::LeftButton);
        QCOMPARE(okno.powiekszenie(), procent);
        QCOMPARE(okno.l_powiekszenie->text(), QString::number(procent) + u" %"_s);
        const double dpi = okno.podglad_strony->logicalDpiX() * procent / 100.0;
        QCOMPARE(okno.podglad_strony->size(),
                 QSize(qRound(210 * dpi / 25.4), qRound(297 * dpi / 25.4)));
    }

    // The point of the page under the middle of the view stays there while zooming.
    void powiekszenie_trzyma_srodek_data() {
        QTest::addColumn<int>("na_start");  // clicks on "Powiększ" before
        QTest::addColumn<double>("x");      // where the view is scrolled, 0..1 of the range
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("powieksz");  // then: > 0 zoom in, < 0 zoom out, that many times
        QTest::newRow("100 %, gora, powieksz") << 0 << 0.0 << 0.0 << 1;
        QTest::newRow("100 %, srodek, powieksz 5") << 0 << 0.5 << 0.5 << 5;
        QTest::newRow("200 %, prawy dol, powieksz") << 10 << 1.0 << 1.0 << 1;
        QTest::newRow("200 %, lewa gora, pomniejsz") << 10 << 0.2 << 0.3 << -3;
        QTest::newRow("300 %, srodek, pomniejsz") << 20 << 0.6 << 0.4 << -5;
    }
    void powiekszenie_trzyma_srodek() {
        QFETCH(int, na_start);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(int, powieksz);
        Tpodglad_wydruku okno;
        UstawieniaWydruku u;
        okno.ustaw_dokument(generuj_wydruk(stan_druku(u), {}), u.ilosc_odcinkow, u.uklad_strony);
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        for (int i = 0; i < na_start; ++i) QTest::mouseClick(okno.b_powieksz, Qt::LeftButton);
        QScrollBar* poziomy = okno.ScrollBox1->horizontalScrollBar();
        QScrollBar* pionowy = okno.ScrollBox1->verticalScrollBar();
        poziomy->setValue(qRound(poziomy->maximum() * x));
        pionowy->setValue(qRound(pionowy->maximum() * y));
        QWidget* widok = okno.ScrollBox1->viewport();
        auto punkt = [&] {
            const QPoint p = okno.podglad_strony->mapFrom(widok, widok->rect().center());
            return QPointF(double(p.x()) / okno.podglad_strony->width(),
                           double(p.y()) / okno.podglad_strony->height());
        };
        // Only a point the view can show in its middle can stay there.
        auto osiagalny = [&](double ulamek, int strona, int widoku) {
            const double pol = widoku / 2.0 / strona;
            return std::clamp(ulamek, std::min(0.5, pol), std::max(0.5, 1 - pol));
        };
        const QPointF przed = punkt();
        for (int i = 0; i < std::abs(powieksz); ++i)
            QTest::mouseClick(powieksz > 0 ? okno.b_powieksz : okno.b_pomniejsz, Qt::LeftButton);
        const QPointF po = punkt();
        const QSize strona = okno.podglad_strony->size();
        // Each step puts the scroll bars on a whole pixel.
        const double tolerancja =
            (1.0 + std::abs(powieksz)) / std::min(strona.width(), strona.height());
        QVERIFY2(
            std::abs(po.x() - osiagalny(przed.x(), strona.width(), widok->width())) <= tolerancja,
            qPrintable(u"%1 -> %2"_s.arg(przed.x()).arg(po.x())));
        QVERIFY2(
            std::abs(po.y() - osiagalny(przed.y(), strona.height(), widok->height())) <= tolerancja,
            qPrintable(u"%1 -> %2"_s.arg(przed.y()).arg(po.y())));
    }

    // What the window paints is the page the report engine renders.
    void podglad_rysuje_biezaca_strone_data() {
        QTest::addColumn<int>("strona");
        QTest::addColumn<int>("procent");
        QTest::newRow("strona 1, 100%") << 1 << 100;
        QTest::newRow("strona 2, 50%") << 2 << 50;
    }

    void podglad_rysuje_biezaca_strone() {
        QFETCH(int, strona);
        QFETCH(int, procent);
        UstawieniaWydruku u;
        u.ilosc_odcinkow = 4;
        u.margin_left = u.margin_top = 0;
        ZmienneDruku z;
        z.temp_nazwa_odbiorcy1 = u"ODBIORCA"_s;
        const Dokument dokument = generuj_wydruk(stan_druku(u), z);

        Tpodglad_wydruku okno;
        okno.ustaw_dokument(dokument, u.ilosc_odcinkow, u.uklad_strony);
        okno.show();
        okno.ustaw_powiekszenie(100);  // the steps counted from 100 %
        while (okno.powiekszenie() > procent) QTest::mouseClick(okno.b_pomniejsz, Qt::LeftButton);
        while (okno.biezaca_strona() < strona) QTest::mouseClick(okno.b_nast, Qt::LeftButton);

        const QImage pokazane =
            okno.podglad_strony->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // On a scaled screen the page is drawn in device pixels, at that many more dots per inch.
        const QImage wzor = obraz_strony_w_powiekszeniu(
            dokument, strona, procent,
            okno.podglad_strony->logicalDpiX() * okno.podglad_strony->devicePixelRatioF());
        // The widget's size is rounded in logical pixels, the image's in device pixels.
        const QSize roznica = pokazane.size() - wzor.size();
        QVERIFY2(std::abs(roznica.width()) <= 1 && std::abs(roznica.height()) <= 1,
                 qPrintable(u"%1 x %2"_s.arg(roznica.width()).arg(roznica.height())));
        const QRect wspolne = pokazane.rect().intersected(wzor.rect());
        QVERIFY(pokazane.copy(wspolne) == wzor.copy(wspolne).convertToFormat(QImage::Format_RGB32));
    }

    // "Drukuj" runs a whole new print of the order the preview was made
    // for, while the preview keeps its own pages.
    void drukuj_z_podgladu_data() {
        QTest::addColumn<bool>("z_edycji");
        QTest::addColumn<QString>("wydrukowany");
        QTest::newRow("z listy") << false << u"ODBIORCA Z LISTY"_s;
        // Never the main list's order in place of the editor's.
        QTest::newRow("z edycji") << true << u"ODBIORCA W EDYCJI"_s;
    }

    void drukuj_z_podgladu() {
        QFETCH(bool, z_edycji);
        QFETCH(QString, wydrukowany);
        zapisz_plik(sciezka(u"config.ini"_s), config(4, "portrait"));
        auto& okno = okno_z({przelew("Odbiorca z listy", "12", "5")});

        SeamDialogow seam;
        Dialogi::Test::potwierdz_druk(true);
        Dialogi::Test::przy_druku(drukarka_pdf);
        qsizetype operacje_przed = -1, operacje_po = -2;
        bool otwarte = false;
        PrzyOknieModalnym<Tpodglad_wydruku> przy([&](Tpodglad_wydruku* p) {
            operacje_przed = p->dokument().strony.at(1).operacje.size();
            // Overwrite the settings: the new print reads them, the shown pages stay.
            zapisz_plik(sciezka(u"config.ini"_s), config(1, "portrait"));
            QTest::mouseClick(p->b_drukuj, Qt::LeftButton);
            operacje_po =
                p->dokument().strony.size() == 2 ? p->dokument().strony.at(1).operacje.size() : -3;
            otwarte = p->isVisible();
            QVERIFY(!QApplication::overrideCursor());
        });
        int przygotowania = 0;
        ::podglad(&okno, [&] {
            ++przygotowania;
            if (!z_edycji) return okno.rejestr.w_wierszu(1, przypisanie_zmiennych_do_temp);
            ZmienneDruku z;
            z.temp_nazwa_odbiorcy1 = u"Odbiorca w edycji"_s;
            return z;
        });

        QVERIFY(przy.otwarte());
        QVERIFY(otwarte);
        QCOMPARE(operacje_po, operacje_przed);
        QCOMPARE(przygotowania, 2);
        QVERIFY(QFile::exists(wyjscie_drukarki));
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) return;
        const QString tekst = tekst_pdf(wyjscie_drukarki);
        QVERIFY2(tekst.contains(wydrukowany), qPrintable(tekst));
        QVERIFY2(!tekst.contains(z_edycji ? u"Z LISTY"_s : u"W EDYCJI"_s), qPrintable(tekst));
    }

    // Nothing cut off or overlapping, at the desktop's font and at a large one.
    void nic_nie_uciete_data() {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<qreal>("punkty");  // the application's font; 0 leaves it
        for (const QString& okno : {u"podglad"_s, u"czekanie"_s}) {
            QTest::addRow("%s, czcionka pulpitu", qPrintable(okno)) << okno << qreal(0);
            QTest::addRow("%s, 13 pt", qPrintable(okno)) << okno << qreal(13);
        }
    }

    void nic_nie_uciete() {
        QFETCH(QString, okno);
        QFETCH(qreal, punkty);
        CzcionkaAplikacji czcionka(punkty);
        if (okno == u"czekanie") {
            Tmonolit_czekania czekanie;
            sprawdz_czy_nic_nie_uciete(&czekanie);
            return;
        }
        // A long queue name with a stored shift: the longest line the preview shows.
        MagazynUstawien::ustaw_plik(sciezka(u"magazyn.ini"_s));
        const QString drukarka = u"Drukarka_sieciowa_w_ksiegowosci_na_drugim_pietrze"_s;
        QVERIFY(zapisz_przesuniecie_drukarki(drukarka, {1.5, -0.5}));
        Tpodglad_wydruku podglad(nullptr, [] {});
        UstawieniaWydruku u;
        u.ilosc_odcinkow = 4;
        podglad.ustaw_dokument(generuj_wydruk(stan_druku(u), {}), u.ilosc_odcinkow, u.uklad_strony);
        podglad.pokaz_przesuniecie(drukarka);
        MagazynUstawien::ustaw_plik({});
        QVERIFY(podglad.l_przesuniecie->text().contains(drukarka));
        QCOMPARE(podglad.width(), std::max(850, podglad.minimumWidth()));
        podglad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&podglad));
        // A page larger than its view is scrolled, not cut: checked once it fits.
        while (
            !podglad.ScrollBox1->viewport()->rect().contains(podglad.podglad_strony->geometry()) &&
            podglad.powiekszenie() > Tpodglad_wydruku::krok_powiekszenia)
            QTest::mouseClick(podglad.b_pomniejsz, Qt::LeftButton);
        sprawdz_czy_nic_nie_uciete(&podglad);
        // The page is not pushed away by the line under it.
        QVERIFY(podglad.ScrollBox1->height() > podglad.height() / 2);
    }
};

QTEST_MAIN(TestDrukOkna)
#include "test_druk_okna.moc"
