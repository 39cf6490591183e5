// Every file the program writes, under the faults of a real disk: after each
// failure the previous file is intact byte for byte, no temporary file is
// left, the user was told, and a second try succeeds. And every file it reads,
// when its name holds no regular file or its reading fails: the user is told
// at once and nothing is written.
#include "addressbook/lista.h"
#include "addressbook/wpisy.h"
#include "app/glowny.h"
#include "printing/druk_okna.h"
#include "printing/ustawienia_programu.h"
#include "register/pliki_przelewow.h"
#include "widgets/dialogi.h"
#include "wspolne/pomocnicze.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace {

enum class Awaria { zapis_w_polowie, podmiana, brak_folderu, plik_zniknal };

}  // namespace

Q_DECLARE_METATYPE(Awaria)

namespace {

struct Awarie {
    Awarie(Awaria a, const QString& folder, int po_bajtach) {
        if (a == Awaria::zapis_w_polowie) {
            qputenv("VANDORIA_AWARIA_PLIK", folder.toLocal8Bit());
            qputenv("VANDORIA_AWARIA_PO", QByteArray::number(po_bajtach));
        } else if (a == Awaria::podmiana) {
            qputenv("VANDORIA_AWARIA_PLIK", folder.toLocal8Bit());
            qputenv("VANDORIA_AWARIA_PO", "100000000");
            qputenv("VANDORIA_AWARIA_RENAME", "1");
        }
    }
    ~Awarie() { wylacz(); }
    static void wylacz() {
        qunsetenv("VANDORIA_AWARIA_PLIK");
        qunsetenv("VANDORIA_AWARIA_PO");
        qunsetenv("VANDORIA_AWARIA_RENAME");
    }
};

// One file format as the program saves it: the file's name, how to make its
// previous content, and the window command that saves the new one (true when
// it reported success).
struct Format {
    QString nazwa;
    std::function<void(const QString& sciezka)> przygotuj;
    std::function<bool(const QString& sciezka)> zapisz;
    QString komunikat;
    int po_bajtach = 300;  // where a write fails partway
};

std::unique_ptr<Tglowne_okno> okno;

Format plik_przelewow(const QString& nazwa) {
    return {nazwa,
            [](const QString& sciezka) {
                auto t = std::make_unique<TablicaPrzelewow>();
                t->dopisz(przelew("stary"));
                QVERIFY(zapisz_przelewy(sciezka, *t, 1));
            },
            [](const QString& sciezka) {
                okno = std::make_unique<Tglowne_okno>();
                for (int i = 0; i < 20; ++i) okno->rejestr.dopisz(przelew("nowy"));
                okno->rejestr.ustaw_sciezke(sciezka);
                okno->rejestr.plik_ma_nazwe = true;
                okno->rejestr.ustaw_zmieniony(true);
                if (!QFile::exists(sciezka)) Dialogi::Test::wybierz_plik(sciezka);
                const bool ok = okno->FileSave1Execute();
                if (!ok && !okno->rejestr.zmieniony())
                    QTest::qFail("niezapisane zmiany zgubione", __FILE__, __LINE__);
                return ok;
            },
            u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s};
}

// A book is saved by "OK" of the address-book window into the program's folder.
Format ksiazka(RodzajBazy rodzaj) {
    return {plik_bazy(rodzaj),
            [rodzaj](const QString& sciezka) {
                qputenv("VANDORIA_DIR", QFileInfo(sciezka).absolutePath().toLocal8Bit());
                auto t = std::make_unique<TablicaWpisow>();
                Twpis_bazy w;
                w.nazwa1 = "stary wpis";
                t->dodanie_elementu(w);
                QVERIFY(zapis_do_pliku_bazy(plik_bazy(rodzaj), *t));
            },
            [rodzaj](const QString& sciezka) {
                qputenv("VANDORIA_DIR", QFileInfo(sciezka).absolutePath().toLocal8Bit());
                Tlista_wpisow lista(nullptr, rodzaj, false);
                Twpis_bazy w;
                w.nazwa1 = "nowy wpis";
                lista.tablica().dodanie_elementu(w);
                lista.zapisz_zmianyClick();
                // A failed save keeps the changes in the window for another try.
                const bool zapisano = lista.result() == QDialog::Accepted;
                bool jest = false;
                for (int i = 1; i <= lista.tablica().ilosc_el_w_bazie(); ++i)
                    jest = jest || lista.tablica()[i].nazwa1 == "nowy wpis";
                if (!zapisano && !jest) QTest::qFail("zmiany zgubione", __FILE__, __LINE__);
                return zapisano;
            },
            u"Nie udało sie zapisać zmian!"_s};
}

// The print settings are written by "OK" of the preferences window.
Format ustawienia_wydruku() {
    return {u"config.ini"_s,
            [](const QString& sciezka) {
                qputenv("VANDORIA_DIR", QFileInfo(sciezka).absolutePath().toLocal8Bit());
                zapisz_plik(sciezka, "[SETTINGS]\r\ntyp_formularza=2\r\nmargin_top=33\r\n");
            },
            [](const QString& sciezka) {
                qputenv("VANDORIA_DIR", QFileInfo(sciezka).absolutePath().toLocal8Bit());
                Tpreferencje preferencje;
                preferencje.FormShow();
                preferencje.margines_gorny->setText(u"17"_s);
                const qsizetype przed = Dialogi::Test::teksty().size();
                preferencje.b_okClick();
                return Dialogi::Test::teksty().size() == przed;
            },
            u"Nie udało sie zapisać zmian konfiguracyjnych!"_s, 20};
}

// The CSV export of the main window, over an older export.
Format eksport_csv() {
    return {u"raport.csv"_s,
            [](const QString& sciezka) { zapisz_plik(sciezka, "\"DATA\";\"stary\"\r"); },
            [](const QString& sciezka) {
                okno = std::make_unique<Tglowne_okno>();
                for (int i = 0; i < 200; ++i) okno->rejestr.dopisz(przelew("nowy"));
                Dialogi::Test::wybierz_plik(sciezka);
                if (QFile::exists(sciezka)) Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Tak);
                const qsizetype przed = Dialogi::Test::teksty().size();
                okno->EksportujdoCSV1Click();
                return Dialogi::Test::teksty().filter(u"błąd"_s).size() ==
                       Dialogi::Test::teksty().mid(0, przed).filter(u"błąd"_s).size();
            },
            u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s};
}

QList<Format> formaty() {
    return {plik_przelewow(u"konto.p2"_s),
            plik_przelewow(u"konto.vando"_s),
            ksiazka(RodzajBazy::odbiorcy),
            ksiazka(RodzajBazy::nadawcy),
            ksiazka(RodzajBazy::tytuly),
            ustawienia_wydruku(),
            eksport_csv()};
}

// Something that is not a regular file under `sciezka`: "fifo", "urzadzenie"
// (a character device, root only), "katalog", "wiszacy" (a link to a file
// that is not there) or "zero" (a link to /dev/zero).
bool utworz_nie_plik(const QString& rodzaj, const QString& sciezka) {
    const QByteArray nazwa = QFile::encodeName(sciezka);
    if (rodzaj == u"fifo") return ::mkfifo(nazwa.constData(), 0600) == 0;
    if (rodzaj == u"urzadzenie")
        return ::mknod(nazwa.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (rodzaj == u"katalog") return QDir().mkdir(sciezka);
    if (rodzaj == u"zero") return QFile::link(u"/dev/zero"_s, sciezka);
    return QFile::link(sciezka + u".nie_ma"_s, sciezka);
}

// What stands at a path, to tell that nothing replaced it.
QString rodzaj_wpisu(const QString& sciezka) {
    const QFileInfo info(sciezka);
    struct stat st {};
    const int lstat_ok = ::lstat(QFile::encodeName(sciezka).constData(), &st);
    return QString::number(lstat_ok) + u' ' + QString::number(st.st_mode) + u' ' +
           info.symLinkTarget() + u' ' + QString::number(st.st_size);
}

const QString blad_odczytu_bazy = u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s;

// The address-book window over a book it could not read: "OK" after a new
// entry keeps the file as it is and says so.
void ksiazka_nie_do_odczytu_ok() {
    Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, false);
    QCOMPARE(Dialogi::Test::teksty().value(0), blad_odczytu_bazy);
    lista.tablica().dodanie_elementu(Twpis_bazy::z_tekstow(u"Nowy wpis"_s));
    lista.zapisz_zmianyClick();
    QCOMPARE(Dialogi::Test::pokazane().size(), 2);
    QCOMPARE(Dialogi::Test::pokazane().at(1).tytul, u"Baza nie została zapisana"_s);
}

// The files of a folder but the lock an open window keeps beside its file.
QStringList pliki_bez_blokady(const QString& folder) {
    QStringList pliki = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    pliki.removeIf([](const QString& n) { return n.startsWith(u'.') && n.endsWith(u".lock"); });
    return pliki;
}

}  // namespace

class TestAwarie : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        Awarie::wylacz();
        okno.reset();
    }

    void awaria_zapisu_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<Awaria>("awaria");
        const auto lista = formaty();
        for (int f = 0; f < lista.size(); ++f) {
            const QByteArray n = lista[f].nazwa.toUtf8();
            QTest::newRow(n + " zapis w połowie") << f << Awaria::zapis_w_polowie;
            QTest::newRow(n + " podmiana pliku") << f << Awaria::podmiana;
            QTest::newRow(n + " brak folderu") << f << Awaria::brak_folderu;
            QTest::newRow(n + " plik zniknął") << f << Awaria::plik_zniknal;
        }
    }
    void awaria_zapisu() {
        QFETCH(int, format);
        QFETCH(Awaria, awaria);
        const Format f = formaty()[format];
        SeamDialogow seam;
        QTemporaryDir katalog;
        const QString folder =
            awaria == Awaria::brak_folderu ? katalog.filePath(u"nie_ma"_s) : katalog.path();
        const QString sciezka = folder + u'/' + f.nazwa;
        if (awaria != Awaria::brak_folderu) f.przygotuj(sciezka);
        if (awaria == Awaria::plik_zniknal) {
            // Deleted behind the program's back: the save writes it anew.
            QVERIFY(QFile::remove(sciezka));
            QVERIFY(f.zapisz(sciezka));
            QVERIFY(!Dialogi::Test::teksty().contains(f.komunikat));
            QVERIFY(!czytaj_plik(sciezka).isEmpty());
            QCOMPARE(pliki_bez_blokady(katalog.path()), QStringList{f.nazwa});
            return;
        }
        const QByteArray stare = czytaj_plik(sciezka);
        {
            Awarie a(awaria, folder, f.po_bajtach);
            QVERIFY(!f.zapisz(sciezka));
        }
        QVERIFY2(Dialogi::Test::teksty().contains(f.komunikat),
                 qPrintable(Dialogi::Test::teksty().join(u"|"_s)));
        QCOMPARE(czytaj_plik(sciezka), stare);
        QCOMPARE(pliki_bez_blokady(katalog.path()),
                 awaria == Awaria::brak_folderu ? QStringList{} : QStringList{f.nazwa});

        if (awaria == Awaria::brak_folderu) QVERIFY(QDir().mkpath(folder));
        QVERIFY(f.zapisz(sciezka));
        QVERIFY(czytaj_plik(sciezka) != stare);
    }

    void odczyt_nie_pliku_data() {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QString>("rodzaj");
        for (const QString& plik : {u"konto.p2"_s, u"baza_odbiorcow.dat"_s, u"config.ini"_s})
            for (const QString& rodzaj :
                 {u"fifo"_s, u"urzadzenie"_s, u"katalog"_s, u"wiszacy"_s, u"zero"_s})
                QTest::newRow(qPrintable(plik + u' ' + rodzaj)) << plik << rodzaj;
    }
    void odczyt_nie_pliku() {
        QFETCH(QString, plik);
        QFETCH(QString, rodzaj);
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        const QString sciezka = katalog.filePath(plik);
        if (!utworz_nie_plik(rodzaj, sciezka)) QSKIP("węzeł urządzenia tylko dla roota");
        const QString przed = rodzaj_wpisu(sciezka);
        const QStringList pliki_przed =
            QDir(katalog.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        SeamDialogow seam;
        QElapsedTimer czas;
        czas.start();

        if (plik == u"konto.p2") {
            okno = std::make_unique<Tglowne_okno>();
            okno->otwieranie_pliku(sciezka);
            const auto pokazane = Dialogi::Test::pokazane();
            QCOMPARE(pokazane.size(), 1);
            QCOMPARE(pokazane[0].ikona, Dialogi::Ikona::Blad);
            QVERIFY2(pokazane[0].tekst == blad_odczytu_bazy ||
                         pokazane[0].tekst == u"Podany plik nie istnieje lub jest uszkodzony!"_s,
                     qPrintable(pokazane[0].tekst));
            QCOMPARE(okno->ilosc_el(), 0);
        } else if (plik == u"baza_odbiorcow.dat") {
            ksiazka_nie_do_odczytu_ok();
        } else {
            // A print tells that the settings could not be read, and the
            // preferences window will not put a file in the way.
            Dialogi::Test::potwierdz_druk(false);
            drukuj(nullptr, [] { return ZmienneDruku{}; });
            QCOMPARE(Dialogi::Test::pokazane().value(0).tytul, u"Błąd odczytu!"_s);
            QVERIFY(Dialogi::Test::teksty().value(0).contains(u"config.ini"_s));
            Tpreferencje preferencje;
            preferencje.FormShow();
            preferencje.b_okClick();
            QCOMPARE(Dialogi::Test::teksty().value(1),
                     u"Nie udało sie zapisać zmian konfiguracyjnych!"_s);
        }
        QVERIFY2(czas.elapsed() < 1000, qPrintable(QString::number(czas.elapsed())));
        QCOMPARE(rodzaj_wpisu(sciezka), przed);
        QCOMPARE(QDir(katalog.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden),
                 pliki_przed);
        qunsetenv("VANDORIA_DIR");
    }

    // A disk that fails while a book is read: the window keeps what it got,
    // and "OK" leaves the file byte for byte.
    void ksiazka_z_bledem_odczytu_nie_jest_zapisywana() {
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        auto t = std::make_unique<TablicaWpisow>();
        for (const char* nazwa : {"Adam", "Beata", "Cezary"})
            t->dodanie_elementu(Twpis_bazy::z_tekstow(QString::fromLatin1(nazwa)));
        QVERIFY(zapis_do_pliku_bazy(u"baza_odbiorcow.dat"_s, *t));
        const QString sciezka = katalog.filePath(u"baza_odbiorcow.dat"_s);
        const QByteArray stare = czytaj_plik(sciezka);
        SeamDialogow seam;
        qputenv("VANDORIA_AWARIA_ODCZYT", "baza_odbiorcow.dat");
        qputenv("VANDORIA_AWARIA_ODCZYT_PO", "335");
        ksiazka_nie_do_odczytu_ok();
        qunsetenv("VANDORIA_AWARIA_ODCZYT");
        qunsetenv("VANDORIA_AWARIA_ODCZYT_PO");
        QCOMPARE(czytaj_plik(sciezka), stare);
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"baza_odbiorcow.dat"_s});
        qunsetenv("VANDORIA_DIR");
    }
};

QTEST_MAIN(TestAwarie)
#include "test_awarie.moc"
