// Prints an order through the program's own print command onto a queue of a
// private CUPS server (its own configuration, spool and socket in a temporary
// folder, run by this test), and checks the page the queue writes.
#include "app/glowny.h"
#include "printing/formularz.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/przygotowanie.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kolejka = u"Vandoria_PDF"_s;

// A PDF printer: CUPS's own pdftopdf prepares the job, nothing after it. Like
// a real printer it cannot print the outer 12 points, so a job scaled to fit
// that area would show as a smaller form.
const char ppd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VANDPDF.PPD"
*Manufacturer: "Vandoria"
*Product: "(Vandoria PDF)"
*ModelName: "Vandoria PDF"
*ShortNickName: "Vandoria PDF"
*NickName: "Vandoria PDF"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

QString katalog_testu;  // set in main(), before the CUPS client library reads CUPS_SERVER

void na_kolejke(QPrinter& drukarka) { drukarka.setPrinterName(kolejka); }

QString uruchom(const QString& program, const QStringList& argumenty, int* kod = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumenty);
    if (!p.waitForFinished(30000)) p.kill();
    if (kod) *kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

// The inked box of a page rendered at 254 dpi (ten pixels a millimetre), in mm.
std::optional<QRectF> tusz_mm(const QImage& obraz) {
    int x0 = obraz.width(), y0 = obraz.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < obraz.height(); ++y) {
        const auto* linia = reinterpret_cast<const QRgb*>(obraz.constScanLine(y));
        for (int x = 0; x < obraz.width(); ++x)
            if (qGray(linia[x]) < 200) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    if (x1 < 0) return std::nullopt;
    return QRectF(QPointF(x0 / 10.0, y0 / 10.0), QPointF((x1 + 1) / 10.0, (y1 + 1) / 10.0));
}

}  // namespace

class TestDrukCups : public QObject {
    Q_OBJECT
    QString folder_;
    QProcess cupsd_;
    QString brak_;  // why the test cannot run here
    std::unique_ptr<Tglowne_okno> glowne_;
    int nr_wyjscia_ = 0;

    QString sciezka(const QString& nazwa) const { return folder_ + u'/' + nazwa; }
    QString log() const { return QString::fromUtf8(czytaj_plik(sciezka(u"log/error_log"_s))); }

    // Prints the selected order through "Drukuj" with the queue chosen in the
    // print dialog, and returns the PDF the queue wrote.
    QString drukuj_na_kolejke() {
        const QString wynik = sciezka(u"wyjscie/wydruk%1.pdf"_s.arg(++nr_wyjscia_));
        int kod = 0;
        const QString lpadmin = uruchom(u"lpadmin"_s,
                                        {u"-p"_s, kolejka, u"-E"_s, u"-v"_s, u"file://"_s + wynik,
                                         u"-P"_s, sciezka(u"vandoria.ppd"_s)},
                                        &kod);
        if (kod != 0) {
            qWarning("lpadmin: %s", qPrintable(lpadmin));
            return {};
        }
        {
            SeamDialogow seam;
            Dialogi::Test::potwierdz_druk(true);
            Dialogi::Test::przy_druku(na_kolejke);
            glowne_->drukowanieClick();
        }
        // The job is done when the queue has nothing left and the file is whole.
        const QDeadlineTimer termin(60000);
        while (!termin.hasExpired()) {
            const QString zadania = uruchom(u"lpstat"_s, {u"-o"_s, kolejka});
            int kod_info = -1;
            if (zadania.trimmed().isEmpty() && QFile::exists(wynik)) {
                uruchom(u"pdfinfo"_s, {wynik}, &kod_info);
                if (kod_info == 0) return wynik;
            }
            QThread::msleep(200);
        }
        qWarning("no output in time; scheduler log:\n%s", qPrintable(log()));
        return {};
    }

  public:
    explicit TestDrukCups(QString folder) : folder_(std::move(folder)) {}

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        for (const char* program :
             {"cupsd", "lpadmin", "lpstat", "pdfinfo", "pdftotext", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(program),
                                               {u"/usr/sbin"_s, u"/usr/bin"_s, u"/sbin"_s})
                    .isEmpty())
                brak_ += QString::fromLatin1(program) + u' ';
        if (!QFile::exists(u"/usr/lib/cups/filter/pdftopdf"_s)) brak_ += u"pdftopdf "_s;
        if (!brak_.isEmpty()) {
            brak_ = u"not installed (cups, cups-filters, poppler-utils): "_s + brak_;
            QSKIP(qPrintable(brak_));
        }

        for (const char* d : {"root", "spool", "cache", "state", "tmp", "log", "wyjscie"})
            QVERIFY(QDir(folder_).mkpath(QString::fromLatin1(d)));
        // Filters run as lp when the server is started by root: they must reach the folder.
        for (const QString& d : {folder_, sciezka(u"root"_s), sciezka(u"tmp"_s)})
            QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                         QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                         QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                         QFileDevice::ExeOther);
        zapisz_plik(sciezka(u"vandoria.ppd"_s), ppd);
        zapisz_plik(sciezka(u"root/cupsd.conf"_s),
                    "Listen " + sciezka(u"cups.sock"_s).toUtf8() +
                        "\nLogLevel info\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                        "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                        "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n"
                        "  </Limit>\n</Policy>\n");
        QByteArray pliki =
            "ServerRoot " + sciezka(u"root"_s).toUtf8() + "\nRequestRoot " +
            sciezka(u"spool"_s).toUtf8() + "\nCacheDir " + sciezka(u"cache"_s).toUtf8() +
            "\nStateDir " + sciezka(u"state"_s).toUtf8() + "\nTempDir " +
            sciezka(u"tmp"_s).toUtf8() + "\nErrorLog " + sciezka(u"log/error_log"_s).toUtf8() +
            "\nAccessLog " + sciezka(u"log/access_log"_s).toUtf8() + "\nPageLog " +
            sciezka(u"log/page_log"_s).toUtf8() + "\nPrintcap " + sciezka(u"printcap"_s).toUtf8() +
            "\nFileDevice Yes\n";
        // cupsd never runs filters as root: as root it hands them to lp; as
        // anyone else they run as that user.
        if (::geteuid() == 0) pliki += "User lp\nGroup lp\nSystemGroup root\n";
        zapisz_plik(sciezka(u"root/cups-files.conf"_s), pliki);

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.start(QStandardPaths::findExecutable(u"cupsd"_s, {u"/usr/sbin"_s, u"/sbin"_s}),
                     {u"-f"_s, u"-c"_s, sciezka(u"root/cupsd.conf"_s), u"-s"_s,
                      sciezka(u"root/cups-files.conf"_s)});
        QVERIFY2(cupsd_.waitForStarted(10000), qPrintable(cupsd_.errorString()));
        const QDeadlineTimer termin(15000);
        while (!QFile::exists(sciezka(u"cups.sock"_s)) && !termin.hasExpired() &&
               cupsd_.state() == QProcess::Running)
            QThread::msleep(50);
        QVERIFY2(QFile::exists(sciezka(u"cups.sock"_s)),
                 qPrintable(QString::fromUtf8(cupsd_.readAll()) + log()));

        MagazynUstawien::ustaw_plik(sciezka(u"magazyn.ini"_s));
        qputenv("VANDORIA_DIR", sciezka(u"program"_s).toUtf8());
        QVERIFY(QDir(folder_).mkpath(u"program"_s));
        zapisz_plik(sciezka(u"program/config.ini"_s),
                    "[SETTINGS]\r\ntyp_formularza=1\r\nilosc_odcinkow=1\r\n"
                    "uklad_strony=portrait\r\nmargin_left=20\r\nmargin_top=30\r\n");
        glowne_ = std::make_unique<Tglowne_okno>();
        glowne_->rejestr.dopisz(przelew("Zakład Energetyczny", "1234", "56", "Rachunek za prąd"));
        glowne_->odswiezanie();
        glowne_->zaznacz_wiersz(1);
    }

    void cleanupTestCase() {
        glowne_.reset();
        MagazynUstawien::ustaw_plik({});
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000)) {
                cupsd_.kill();
                cupsd_.waitForFinished(5000);
            }
        }
    }

    // A4, at 100 %: the stub's outline lands within 0.2 mm of where the form
    // draws it, all four sides; and the amount is on the page as text.
    void wydruk_na_kolejce_cups() {
        QElapsedTimer czas;
        czas.start();
        const QString pdf = drukuj_na_kolejke();
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        qInfo("printed through CUPS in %lld ms", static_cast<long long>(czas.elapsed()));

        const QString info = uruchom(u"pdfinfo"_s, {pdf});
        QVERIFY2(info.contains(u"595 x 842 pts (A4)"_s), qPrintable(info));
        QVERIFY2(info.contains(
                     QRegularExpression(u"^Pages: +1$"_s, QRegularExpression::MultilineOption)),
                 qPrintable(info));
        const QString tekst = uruchom(u"pdftotext"_s, {pdf, u"-"_s});
        QVERIFY2(tekst.contains(u"**1234,56"_s), qPrintable(tekst));

        QCOMPARE(uruchom(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-png"_s, u"-singlefile"_s, pdf,
                                         sciezka(u"strona"_s)}),
                 QString());
        const auto tusz = tusz_mm(QImage(sciezka(u"strona.png"_s)));
        QVERIFY(tusz);
        // The outline is the outermost ink: a 0.1 mm line centred on the form's edges.
        UstawieniaWydruku u;
        u.margin_left = 20;
        u.margin_top = 30;
        u.ilosc_odcinkow = 1;
        const StanDruku stan = stan_druku(u);
        const QRectF odcinek(odcinek_x(stan, 1, 1), odcinek_y(stan, 1), szerokosc_odcinka,
                             wysokosc_odcinka);
        const auto blisko = [](double a, double b) { return std::abs(a - b) <= 0.2; };
        const QString opis = u"tusz %1;%2 – %3;%4 mm"_s.arg(tusz->left())
                                 .arg(tusz->top())
                                 .arg(tusz->right())
                                 .arg(tusz->bottom());
        QVERIFY2(blisko(tusz->left(), odcinek.left()) && blisko(tusz->top(), odcinek.top()),
                 qPrintable(opis));
        QVERIFY2(blisko(tusz->right(), odcinek.right()) && blisko(tusz->bottom(), odcinek.bottom()),
                 qPrintable(opis));
    }

    // The shift measured for this queue moves its page, and only by that much.
    void przesuniecie_kolejki() {
        QVERIFY(zapisz_przesuniecie_drukarki(kolejka, {1.5, -2}));
        const QString pdf = drukuj_na_kolejke();
        QVERIFY(zapisz_przesuniecie_drukarki(kolejka, {}));
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        QCOMPARE(uruchom(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-png"_s, u"-singlefile"_s, pdf,
                                         sciezka(u"przesuniety"_s)}),
                 QString());
        const auto tusz = tusz_mm(QImage(sciezka(u"przesuniety.png"_s)));
        QVERIFY(tusz);
        QVERIFY2(std::abs(tusz->left() - 21.5) <= 0.2 && std::abs(tusz->top() - 28) <= 0.2,
                 qPrintable(u"%1; %2"_s.arg(tusz->left()).arg(tusz->top())));
    }
};

int main(int argc, char* argv[]) {
    // The CUPS client library reads CUPS_SERVER once, so it is set before
    // anything prints; the server itself is started by the test.
    QTemporaryDir folder(QDir::tempPath() + u"/vandoria-cups-XXXXXX"_s);
    if (!folder.isValid()) return 1;
    qputenv("CUPS_SERVER", (folder.path() + u"/cups.sock"_s).toUtf8());
    QApplication aplikacja(argc, argv);
    TestDrukCups test(folder.path());
    return QTest::qExec(&test, argc, argv);
}

#include "test_druk_cups.moc"
