#include "extras/first_run_form.h"
#include "extras/pomoc.h"
#include "extras/pomoc_plik.h"
#include "ui/dialogi.h"
#include "ui/main/glowny.h"
#include "ui/main/lista_przelewow.h"
#include "ui/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include "wspolne/okna.h"
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
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
        okna().glowne = glowne_.get();
        otwarte_.clear();
    }

    void cleanup() {
        okna() = Okna{};
        glowne_.reset();
    }

    void o_programie_pokazuje_okno_modalnie() {
        QString pokazane;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                pokazane = w->objectName();
                w->close();
            }
        });
        glowne_->o_programie->trigger();
        QCOMPARE(pokazane, u"Tpomoc_okno"_s);
    }

    void okno_o_programie() {
        Tpomoc_okno okno(glowne_.get());
        const QPixmap obrazek = okno.i_ikonka_prog->pixmap();
        QVERIFY(!obrazek.isNull());
        QCOMPARE(obrazek.size(), QSize(70, 70));
        sprawdz_czy_nic_nie_uciete(&okno);
    }

    void przycisk_dodaje_przelew_a_okno_zostaje() {
        Tpomoc_okno okno(glowne_.get());
        okno.show();
        QTest::mouseClick(okno.Button1, Qt::LeftButton);
        QTest::mouseClick(okno.Button1, Qt::LeftButton);
        QVERIFY(okno.isVisible());
        QCOMPARE(glowne_->model_listy->rowCount(), 2);
        QCOMPARE(glowne_->model_listy->index(1, 3).data().toString(), u"10,00 zł"_s);
        QVERIFY(glowne_->rejestr.zmieniony());
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QVERIFY(!okno.isVisible());
    }

    void adres_pocztowy_podkresla_sie_pod_mysza() {
        Tpomoc_okno okno(glowne_.get());
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
        Tpomoc_okno okno(glowne_.get());
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

    void okno_pierwszego_uruchomienia() {
        Tmonolit_first_run okno(glowne_.get());
        QVERIFY(okno.windowFlags() & Qt::WindowStaysOnTopHint);
        sprawdz_czy_nic_nie_uciete(&okno);
        QTest::mouseClick(okno.b_ok, Qt::LeftButton);
        QVERIFY(!okno.isVisible());
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
