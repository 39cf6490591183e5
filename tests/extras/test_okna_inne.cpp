#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "extras/darowizna.h"
#include "extras/first_run_form.h"
#include "extras/pomoc.h"
#include "extras/pomoc_plik.h"
#include "extras/statystyki.h"
#include "payments/zaplac_telefonem.h"
#include "widgets/czcionki.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrlQuery>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Context 1 sits between two long ones, so showing it has to scroll.
QByteArray pomoc_trzy_konteksty() {
    QByteArray wiersze;
    for (int i = 0; i < 200; ++i) wiersze += "<p>wiersz</p>";
    return "<html><body><h2><a name=\"kontekst-2\"></a>Drugi</h2>" + wiersze +
           "<h2><a name=\"kontekst-1\"></a>Pierwszy kontekst</h2>" + wiersze +
           "<h2><a name=\"kontekst-3\"></a>Trzeci</h2>" + wiersze + "</body></html>";
}

QString tekst_na_gorze(QTextBrowser* przegladarka) {
    return przegladarka->cursorForPosition(QPoint(4, 4)).block().text();
}

// The windows of this folder, each with what it shows filled in, so that
// their longest texts are on screen.
std::unique_ptr<QWidget> zrob_okno(const QString& nazwa, const TablicaPrzelewow& tablica) {
    if (nazwa == u"Tpomoc_okno") return std::make_unique<Tpomoc_okno>();
    if (nazwa == u"Tmonolit_first_run") return std::make_unique<Tmonolit_first_run>();
    if (nazwa == u"TFstatystyki") return std::make_unique<TFstatystyki>(tablica);
    if (nazwa == u"Tzaplac_telefonem") {
        auto okno = std::make_unique<Tzaplac_telefonem>();
        Tprzelew p = darowizna::przelew_do_autora();
        p.lk = "61";  // an account the code accepts
        p.nr_banku_odbiorcy = "1090 1014";
        p.nr_rach_odbiorcy = "0000 0712 1981 2874";
        p.kwota = "12000";  // over the code's limit: the note below the fields shows
        okno->pokaz_przelew(p);
        return okno;
    }
    auto okno = std::make_unique<Tokno_pomocy>();
    okno->tresc->setHtml(QString::fromUtf8(pomoc_trzy_konteksty()));
    return okno;
}

}  // namespace

class TestOknaInne : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;
    std::unique_ptr<Tglowne_okno> glowne_;
    QList<QUrl> otwarte_;

    QString sciezka(const QString& nazwa) const { return katalog_->filePath(nazwa); }

  public slots:
    // Receives what the program asks the system to open, so no mail program starts.
    void otworz_adres(const QUrl& adres) { otwarte_ << adres; }

  private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(u"mailto"_s, this, "otworz_adres"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"mailto"_s); }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
        ustaw_plik_pomocy({});
        glowne_ = std::make_unique<Tglowne_okno>();
        otwarte_.clear();
    }

    void cleanup() { glowne_.reset(); }

    // The window's button reaches the main window's list while the window
    // stays open; each press adds one order.
    void o_programie_dodaje_przelew_do_listy() {
        int wierszy_przy_otwartym = -1;
        PrzyOknieModalnym<Tpomoc_okno> przy_oknie([&](Tpomoc_okno* okno) {
            okno->Button1->click();
            okno->Button1->click();
            QVERIFY(okno->isVisible());
            wierszy_przy_otwartym = glowne_->model_listy->rowCount();
            okno->b_ok->click();
        });
        glowne_->o_programie->trigger();
        QVERIFY(przy_oknie.otwarte());
        QCOMPARE(wierszy_przy_otwartym, 2);
        QCOMPARE(glowne_->model_listy->index(1, 3).data().toString(), u"10,00 zł"_s);
        QVERIFY(glowne_->rejestr.zmieniony());
        // Created for each opening and gone after it.
        QVERIFY(glowne_->findChildren<Tpomoc_okno*>().isEmpty());
    }

    void okno_o_programie() {
        Tpomoc_okno okno;
        const QPixmap obrazek = okno.i_ikonka_prog->pixmap();
        QVERIFY(!obrazek.isNull());
        QCOMPARE(obrazek.size(), QSize(70, 70));
    }

    void przycisk_prosi_o_przelew_a_okno_zostaje() {
        Tpomoc_okno okno;
        QSignalSpy prosby(&okno, &Tpomoc_okno::dodaj_przelew_do_autora);
        okno.show();
        QTest::mouseClick(okno.Button1, Qt::LeftButton);
        QTest::mouseClick(okno.Button1, Qt::LeftButton);
        QVERIFY(okno.isVisible());
        QCOMPARE(prosby.size(), 2);
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QVERIFY(!okno.isVisible());
        QCOMPARE(prosby.size(), 2);
    }

    // Every window at the desktop's font and at a large one: nothing cut off
    // or overlapping, and every control in the application's font family.
    void uklad_okien_data() {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<qreal>("punkty");  // 0: the application's font as it is
        for (const char* okno : {"Tpomoc_okno", "Tmonolit_first_run", "TFstatystyki",
                                 "Tzaplac_telefonem", "Tokno_pomocy"}) {
            QTest::addRow("%s, domyślna", okno) << QString::fromLatin1(okno) << qreal(0);
            QTest::addRow("%s, 13 pt", okno) << QString::fromLatin1(okno) << qreal(13);
        }
    }
    void uklad_okien() {
        QFETCH(QString, okno);
        QFETCH(qreal, punkty);
        const QFont przedtem = QApplication::font();
        const auto przywroc = qScopeGuard([&] { QApplication::setFont(przedtem); });
        if (punkty > 0) {
            QFont duza = przedtem;
            duza.setPointSizeF(punkty);
            QApplication::setFont(duza);
        }
        auto tablica = std::make_unique<TablicaPrzelewow>();
        Tprzelew p = darowizna::przelew_do_autora();
        p.data = "2008-03-15";
        p.nazwa_nadawcy1 = w1250("Przedsiębiorstwo Wielobranżowe Zażółć Gęślą Jaźń");
        tablica->dopisz(p);
        const std::unique_ptr<QWidget> w = zrob_okno(okno, *tablica);
        sprawdz_czy_nic_nie_uciete(w.get());
        const QString rodzina = QApplication::font().family();
        for (const QWidget* c : w->findChildren<QWidget*>())
            QVERIFY2(c->font().family() == rodzina,
                     qPrintable(c->objectName() + u": "_s + c->font().family()));
        if (punkty > 0) QVERIFY(QFontInfo(w->font()).pointSizeF() >= punkty - 0.5);
    }

    // One family everywhere, and one that exists: what the window asks for
    // is what it gets, in menus and message boxes too.
    void czcionka_aplikacji() {
        const QFont przedtem = QApplication::font();
        const auto przywroc = qScopeGuard([&] { QApplication::setFont(przedtem); });
        QApplication::setFont(QFont(u"Sans Serif"_s, 9), "QMenu");
        ustaw_czcionke_aplikacji();
        const QFont aplikacji = QApplication::font();
        QCOMPARE(QFontInfo(aplikacji).family(), aplikacji.family());
        QCOMPARE(aplikacji.pointSizeF(), przedtem.pointSizeF());
        QMenu menu;
        QMessageBox komunikat;
        Tpomoc_okno okno;
        for (const QWidget* w : std::initializer_list<const QWidget*>{&menu, &komunikat, &okno})
            QCOMPARE(QFontInfo(w->font()).family(), aplikacji.family());
    }

    void okno_pierwszego_uruchomienia() {
        PrzyOknieModalnym<Tmonolit_first_run> przy_oknie([](Tmonolit_first_run* okno) {
            QVERIFY(okno->windowFlags() & Qt::WindowStaysOnTopHint);
            QTest::mouseClick(okno->b_ok, Qt::LeftButton);
            QVERIFY(!okno->isVisible());
        });
        pokaz_pierwsze_uruchomienie(glowne_.get());
        QVERIFY(przy_oknie.otwarte());
    }

    void adres_pocztowy_podkresla_sie_pod_mysza() {
        Tpomoc_okno okno;
        okno.show();
        QLabel* mail = okno.l_mail;
        QVERIFY(!mail->font().underline());
        const QPointF srodek = QRectF(mail->rect()).center();

        QEnterEvent wejscie(srodek, mail->mapTo(&okno, srodek), mail->mapToGlobal(srodek));
        QApplication::sendEvent(mail, &wejscie);
        QVERIFY(mail->font().underline());
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);

        QEvent wyjscie(QEvent::Leave);
        QApplication::sendEvent(mail, &wyjscie);
        QVERIFY(!mail->font().underline());
        QCOMPARE(mail->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(mail->font().italic() && mail->font().bold());
    }

    void klikniecie_adresu_otwiera_poczte_z_tematem() {
        Tpomoc_okno okno;
        okno.show();
        QTest::mouseClick(okno.l_mail, Qt::LeftButton);
        QCOMPARE(otwarte_.size(), 1);
        const QUrl adres = otwarte_.constFirst();
        QCOMPARE(adres.scheme(), u"mailto"_s);
        QCOMPARE(adres.path(), okno.l_mail->text());
        QCOMPARE(QUrlQuery(adres).queryItemValue(u"subject"_s, QUrl::FullyDecoded),
                 u"\"VANDORIA - pytania, błędy, sugestie\""_s);
        // What the mail program receives: quotes, spaces and Polish letters percent-encoded.
        QVERIFY2(adres.toEncoded().endsWith(
                     "?subject=%22VANDORIA%20-%20pytania,%20b%C5%82%C4%99dy,%20sugestie%22"),
                 adres.toEncoded().constData());
    }

    void pomoc_pokazuje_kontekst_1() {
        zapisz_plik(sciezka(u"HELP.HLP"_s), pomoc_trzy_konteksty());
        glowne_->Pomoc1->trigger();
        auto* okno = glowne_->findChild<Tokno_pomocy*>();
        QVERIFY(okno);
        QVERIFY(QTest::qWaitForWindowExposed(okno));
        QVERIFY(okno->tresc->verticalScrollBar()->value() > 0);
        QCOMPARE(tekst_na_gorze(okno->tresc), u"Pierwszy kontekst"_s);

        // A second F1 reuses the viewer.
        okno->tresc->verticalScrollBar()->setValue(0);
        glowne_->ToolButton8->trigger();
        QCOMPARE(glowne_->findChildren<Tokno_pomocy*>().size(), 1);
        QCOMPARE(tekst_na_gorze(okno->tresc), u"Pierwszy kontekst"_s);
    }

    // Whatever stands under the help file's name, the message comes at once.
    void nieczytelny_plik_pomocy_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::newRow("brak") << QString();
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("katalog") << u"katalog"_s;
        QTest::newRow("link do /dev/zero") << u"zero"_s;
    }
    void nieczytelny_plik_pomocy() {
        QFETCH(QString, rodzaj);
        const QString plik = katalog_->filePath(u"HELP.HLP"_s);
        if (rodzaj == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(plik).constData(), 0600), 0);
        else if (rodzaj == u"katalog")
            QVERIFY(QDir().mkdir(plik));
        else if (rodzaj == u"zero")
            QVERIFY(QFile::link(u"/dev/zero"_s, plik));
        ustaw_plik_pomocy(plik);
        SeamDialogow seam;
        QElapsedTimer czas;
        czas.start();
        glowne_->Pomoc1Click();
        QVERIFY(czas.elapsed() < 1000);
        const QList<Dialogi::Test::Pokazany> pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane.first().ikona, Dialogi::Ikona::Blad);
        QVERIFY(pokazane.first().tekst.contains(u"HELP.HLP"_s));
        for (auto* okno : glowne_->findChildren<Tokno_pomocy*>()) QVERIFY(!okno->isVisible());
    }

    // The help file shipped with the program: context 1 opens at its top and
    // every link between contexts leads somewhere.
    void dostarczony_plik_pomocy() {
        const QString plik = QString::fromUtf8(PLIK_POMOCY);
        ustaw_plik_pomocy(plik);
        Tokno_pomocy* okno = pokaz_pomoc(glowne_.get(), 1);
        QVERIFY(okno);
        QVERIFY(QTest::qWaitForWindowExposed(okno));
        QCOMPARE(tekst_na_gorze(okno->tresc), u"Vandoria - pomoc"_s);

        const QString html = QString::fromUtf8(czytaj_plik(plik));
        QSet<QString> kotwice;
        for (const auto& m : QRegularExpression(u"name=\"(kontekst-\\d+)\""_s).globalMatch(html))
            kotwice.insert(m.captured(1));
        QVERIFY(kotwice.contains(u"kontekst-1"_s));
        for (const auto& m : QRegularExpression(u"href=\"#([^\"]+)\""_s).globalMatch(html))
            QVERIFY2(kotwice.contains(m.captured(1)), qPrintable(m.captured(1)));
    }
};

QTEST_MAIN(TestOknaInne)
#include "test_okna_inne.moc"
