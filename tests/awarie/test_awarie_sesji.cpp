// Files other programs, other copies of this program and other times wrote:
// two copies saving one file, a file changed under an open window, accounts
// stored without spaces, blank records, books that must not be written by a
// mere pick, a settings store that is a FIFO. Each leaves every byte of the
// user's data as it was unless the user said otherwise.
#include "addressbook/lista.h"
#include "addressbook/wpisy.h"
#include "app/glowny.h"
#include "app/start.h"
#include "editor/nowy_edycja_przelewu.h"
#include "printing/ustawienia_programu.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "register/sesja_pliku.h"
#include "widgets/dialogi.h"
#include "widgets/pole_maskowane.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Dialogi::Odpowiedz)

namespace {

std::unique_ptr<Tglowne_okno> okno;

// The names of the orders in a transfer file, in order.
QStringList odbiorcy(const QString& sciezka) {
    auto t = std::make_unique<TablicaPrzelewow>();
    czytaj_przelewy(sciezka, *t);
    QStringList n;
    for (int i = 1; i <= t->ilosc_el(); ++i) n << (*t)[i].nazwa_odbiorcy1.na_unicode();
    return n;
}

// The main window over `sciezka`, opened as "Otwórz" does.
void otworz_w_oknie(const QString& sciezka) {
    okno = std::make_unique<Tglowne_okno>();
    okno->otwieranie_pliku(sciezka);
    okno->rejestr.plik_ma_nazwe = true;
    okno->rejestr.ustaw_zmieniony(false);
}

void dopisz_w_oknie(const char* odbiorca) {
    okno->rejestr.dopisz(przelew(odbiorca));
    okno->rejestr.ustaw_zmieniony(true);
}

// The second copy, in a process of its own; its lines of output.
struct DrugaKopia {
    QProcess proces;
    DrugaKopia(const QString& plik, const QString& odbiorca, bool czekaj, const QString& odp) {
        QStringList a{plik, odbiorca};
        if (czekaj) a << u"czekaj"_s;
        proces.start(QStringLiteral(DRUGA_KOPIA), a << odp);
    }
    QStringList linie;
    bool czekaj_na(const QString& linia) {
        QElapsedTimer zegar;
        zegar.start();
        while (!linie.contains(linia) && zegar.elapsed() < 20000) {
            if (!proces.canReadLine() && !proces.waitForReadyRead(200) &&
                proces.state() == QProcess::NotRunning && !proces.canReadLine())
                break;
            while (proces.canReadLine()) linie << QString::fromUtf8(proces.readLine()).trimmed();
        }
        return linie.contains(linia);
    }
    void dalej() { proces.write("\n"); }
    ~DrugaKopia() { proces.waitForFinished(20000); }
};

const QString tekst_zmiany = u"został zmieniony poza programem"_s;

}  // namespace

class TestAwarieSesji : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { okno.reset(); }

    // Two copies of the program on one file, each in its own process. The
    // copy that saves second is asked; whatever it answers, the first copy's
    // order is not lost without a word.
    void dwie_kopie_zapisuja_jeden_plik_data() {
        QTest::addColumn<QString>("odpowiedz");  // the second copy's answer
        QTest::addColumn<QStringList>("potem");  // the file afterwards
        QTest::newRow("anuluj") << u"anuluj"_s << QStringList{u"stary"_s, u"A"_s};
        QTest::newRow("otwórz ponownie")
            << u"otworz_ponownie"_s << QStringList{u"stary"_s, u"A"_s, u"B"_s};
    }
    void dwie_kopie_zapisuja_jeden_plik() {
        QFETCH(QString, odpowiedz);
        QFETCH(QStringList, potem);
        SeamDialogow seam;
        QTemporaryDir katalog;
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("stary"));
        QVERIFY(zapisz_przelewy(sciezka, *t, 1));
        otworz_w_oknie(sciezka);

        DrugaKopia b(sciezka, u"B"_s, true, odpowiedz);
        QVERIFY(b.czekaj_na(u"gotowy"_s));
        // The second copy is told who holds the file.
        QCOMPARE(b.linie.value(0), u"zajety %1"_s.arg(QCoreApplication::applicationPid()));
        dopisz_w_oknie("A");
        QVERIFY(okno->FileSave1Execute());
        QCOMPARE(odbiorcy(sciezka), (QStringList{u"stary"_s, u"A"_s}));

        b.dalej();
        QVERIFY(b.proces.waitForFinished(20000));
        b.czekaj_na({});
        QVERIFY2(b.linie.contains(u"pytanie %1"_s.arg(int(SesjaPliku::Pytanie::zmiana_z_zewnatrz))),
                 qPrintable(b.linie.join(u'|')));
        QCOMPARE(odbiorcy(sciezka), potem);
        QVERIFY(Dialogi::Test::teksty().isEmpty());
        okno.reset();  // its lock goes before its folder
    }

    // A second window opening a file the first holds is told so; read-only,
    // its "Zapisz" asks for a name instead of writing over the file.
    void druga_kopia_tylko_do_odczytu() {
        SeamDialogow seam;
        QTemporaryDir katalog;
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("stary"));
        QVERIFY(zapisz_przelewy(sciezka, *t, 1));
        const QByteArray przed = czytaj_plik(sciezka);
        otworz_w_oknie(sciezka);
        Tglowne_okno druga;
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Tak);  // "Tylko do odczytu"
        druga.otwieranie_pliku(sciezka);
        druga.rejestr.plik_ma_nazwe = true;
        QVERIFY(Dialogi::Test::teksty().value(0).contains(u"jest już otwarty w innej kopii"_s));
        QCOMPARE(druga.ilosc_el(), 1);
        druga.rejestr.dopisz(przelew("B"));
        druga.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::wybierz_plik({});  // the save dialog, cancelled
        QVERIFY(!druga.FileSave1Execute());
        QCOMPARE(Dialogi::Test::pokazane().last().rodzaj, u"zapisz"_s);
        QCOMPARE(czytaj_plik(sciezka), przed);
        okno.reset();
    }

    // Another process writes the file under an open window: "Zapisz" asks
    // (Anuluj by default), and nothing of the other writer is lost.
    void plik_zmieniony_pod_otwartym_oknem_data() {
        QTest::addColumn<Dialogi::Odpowiedz>("odpowiedz");
        QTest::addColumn<QStringList>("plik_potem");
        QTest::addColumn<QStringList>("lista_potem");
        const QStringList obcy{u"stary"_s, u"B"_s};
        QTest::newRow("anuluj") << Dialogi::Odpowiedz::Anuluj << obcy
                                << QStringList{u"stary"_s, u"A"_s};
        QTest::newRow("otwórz ponownie") << Dialogi::Odpowiedz::Nie << obcy << obcy;
        QTest::newRow("zapisz mimo to")
            << Dialogi::Odpowiedz::Tak << QStringList{u"stary"_s, u"A"_s}
            << QStringList{u"stary"_s, u"A"_s};
    }
    void plik_zmieniony_pod_otwartym_oknem() {
        QFETCH(Dialogi::Odpowiedz, odpowiedz);
        QFETCH(QStringList, plik_potem);
        QFETCH(QStringList, lista_potem);
        SeamDialogow seam;
        QTemporaryDir katalog;
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("stary"));
        QVERIFY(zapisz_przelewy(sciezka, *t, 1));
        otworz_w_oknie(sciezka);

        DrugaKopia b(sciezka, u"B"_s, false, u"tak"_s);
        QVERIFY(b.czekaj_na(u"zapisano"_s));
        dopisz_w_oknie("A");
        Dialogi::Test::odpowiedz(odpowiedz);
        QCOMPARE(okno->FileSave1Execute(), odpowiedz == Dialogi::Odpowiedz::Tak);
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QVERIFY(pokazane[0].tekst.contains(tekst_zmiany));
        QCOMPARE(pokazane[0].przyciski, Dialogi::Przyciski::TakNieAnuluj);
        QCOMPARE(odbiorcy(sciezka), plik_potem);
        QStringList lista;
        for (int i = 1; i <= okno->ilosc_el(); ++i)
            lista << okno->rejestr.przelew(i).nazwa_odbiorcy1.na_unicode();
        QCOMPARE(lista, lista_potem);
        // Unsaved changes stay unsaved unless written or given up on purpose.
        QCOMPARE(okno->rejestr.zmieniony(), odpowiedz == Dialogi::Odpowiedz::Anuluj);
        okno.reset();
    }

    // Account numbers written by other programs without the mask's spaces
    // (or with too many digits): opening the order, Enter in the editor and
    // Ctrl+S leave the file byte for byte; the editor shows every digit.
    void konta_bez_odstepow_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("rach");
        QTest::addColumn<QString>("nadawca");
        QTest::addColumn<QString>("pokazany_bank");
        QTest::addColumn<QString>("pokazany_nadawca");
        const QString nadawca = u"61109010140000071219812874"_s;
        const QString pokazany = u"61 1090 1014 0000 0712 1981 2874"_s;
        QTest::newRow("bez odstępów") << u"61"_s << u"10901014"_s << u"0000071219812874"_s
                                      << nadawca << u"1090 1014"_s << pokazany;
        QTest::newRow("kreski") << u"61"_s << u"1090-1014"_s << u"0000-0712-1981-2874"_s
                                << u"61-1090-1014-0000-0712-1981-2874"_s << u"1090 1014"_s
                                << pokazany;
        QTest::newRow("za dużo cyfr") << u"61"_s << u"109010149"_s << u"0000071219812874"_s
                                      << nadawca + u"999"_s << u"1090 1014"_s << pokazany;
    }
    void konta_bez_odstepow() {
        QFETCH(QString, lk);
        QFETCH(QString, bank);
        QFETCH(QString, rach);
        QFETCH(QString, nadawca);
        QFETCH(QString, pokazany_bank);
        QFETCH(QString, pokazany_nadawca);
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        Tprzelew p = przelew("Odbiorca", "12", "50", "Czynsz");
        p.lk = Tekst<2>::z_unicode(lk);
        p.nr_banku_odbiorcy = Tekst<9>::z_unicode(bank);
        p.nr_rach_odbiorcy = Tekst<19>::z_unicode(rach);
        p.nr_rach_nadawcy = Tekst<32>::z_unicode(nadawca);
        p.czy_przelew = 1;
        t->dopisz(p);
        QVERIFY(zapisz_przelewy(sciezka, *t, 1));
        const QByteArray przed = czytaj_plik(sciezka);
        SeamDialogow seam;
        otworz_w_oknie(sciezka);
        okno->zaznacz_wiersz(1);
        QString bank_w_oknie, nadawca_w_oknie;
        {
            PrzyOknieModalnym<Tnowy_edycja_przelewow> przy([&](Tnowy_edycja_przelewow* e) {
                bank_w_oknie = e->nr_banku_odbiorcy->tekst();
                nadawca_w_oknie = e->nr_rach_nadawcy->tekst();
                QTest::keyClick(e, Qt::Key_Return);
            });
            okno->edycja();
            QVERIFY(przy.otwarte());
        }
        QCOMPARE(bank_w_oknie, pokazany_bank);
        QCOMPARE(nadawca_w_oknie, pokazany_nadawca);
        okno->rejestr.ustaw_zmieniony(true);
        QVERIFY(okno->FileSave1Execute());
        QCOMPARE(czytaj_plik(sciezka), przed);
        okno.reset();
        qunsetenv("VANDORIA_DIR");
    }

    // A book that must not be written by picking: a blank entry in the
    // middle, more than 1000 entries, a read-only file. Picking an entry
    // leaves it byte for byte; changing it and "OK" asks first (Enter says
    // "Nie"), and "Nie" leaves it too.
    void ksiazka_nietykalna_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("komunikat_otwarcia");  // part of it; empty: none
        QTest::newRow("pusty wpis w środku") << u"pusty"_s << u"(2)"_s;
        QTest::newRow("ponad 1000 wpisów") << u"ponad_1000"_s << u"więcej niż 1000"_s;
        QTest::newRow("tylko do odczytu") << u"do_odczytu"_s << QString();
    }
    void ksiazka_nietykalna() {
        QFETCH(QString, rodzaj);
        QFETCH(QString, komunikat_otwarcia);
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        const QString sciezka = katalog.filePath(u"baza_odbiorcow.dat"_s);
        auto t = std::make_unique<TablicaWpisow>();
        QByteArray dane;
        for (const char* n : {"Adam", "Beata", "Cezary"}) {
            t->wyczysc();
            t->dodanie_elementu(Twpis_bazy::z_tekstow(QString::fromLatin1(n)));
            QVERIFY(zapis_do_pliku_bazy(u"baza_odbiorcow.dat"_s, *t));
            dane += czytaj_plik(sciezka);
        }
        if (rodzaj == u"pusty") dane.insert(rozmiar_wpisu, QByteArray(rozmiar_wpisu, '\0'));
        if (rodzaj == u"ponad_1000")
            for (int i = 0; i < 999; ++i) dane += dane.left(rozmiar_wpisu);
        zapisz_plik(sciezka, dane);
        if (rodzaj == u"do_odczytu") QFile::setPermissions(sciezka, QFile::ReadOwner);
        SeamDialogow seam;
        {
            Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, true);
            const QStringList otwarcie = Dialogi::Test::teksty();
            QCOMPARE(otwarcie.size(), komunikat_otwarcia.isEmpty() ? 0 : 1);
            if (!komunikat_otwarcia.isEmpty())
                QVERIFY2(otwarcie[0].contains(komunikat_otwarcia), qPrintable(otwarcie[0]));
            lista.show();
            kliknij_pozycje(&lista, 0);
            lista.zapisz_zmianyClick();
            QCOMPARE(lista.result(), int(QDialog::Accepted));
            QCOMPARE(lista.wybrany_wpis().value().nazwa1, Tekst<150>("Adam"));
        }
        QCOMPARE(Dialogi::Test::teksty().size(), komunikat_otwarcia.isEmpty() ? 0 : 1);
        QCOMPARE(czytaj_plik(sciezka), dane);
        if (rodzaj != u"do_odczytu") {
            Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, false);
            lista.tablica().wyedytowanie_elementu(1, Twpis_bazy::z_tekstow(u"Nowy"_s));
            Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
            lista.zapisz_zmianyClick();
            QCOMPARE(lista.result(), int(QDialog::Rejected));  // still open, changes kept
            QCOMPARE(Dialogi::Test::pokazane().last().przyciski, Dialogi::Przyciski::TakNie);
            QCOMPARE(czytaj_plik(sciezka), dane);
        }
        QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::WriteOwner);
        qunsetenv("VANDORIA_DIR");
    }

    // A book changed by another program while its window is open: "OK"
    // asks, and "Otwórz ponownie" shows the other program's entries.
    void ksiazka_zmieniona_pod_oknem() {
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        const QString sciezka = katalog.filePath(u"baza_tytulow.dat"_s);
        auto t = std::make_unique<TablicaWpisow>();
        t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Czynsz"_s));
        QVERIFY(zapis_do_pliku_bazy(u"baza_tytulow.dat"_s, *t));
        SeamDialogow seam;
        Tlista_wpisow lista(nullptr, RodzajBazy::tytuly, false);
        t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Prąd"_s));
        QVERIFY(zapis_do_pliku_bazy(u"baza_tytulow.dat"_s, *t));
        const QByteArray obce = czytaj_plik(sciezka);
        lista.tablica().dodanie_elementu(Twpis_bazy::z_tekstow(u"Gaz"_s));
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Anuluj);
        lista.zapisz_zmianyClick();
        QVERIFY(Dialogi::Test::teksty().value(0).contains(u"zmieniony poza programem"_s));
        QCOMPARE(czytaj_plik(sciezka), obce);
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
        lista.zapisz_zmianyClick();
        QCOMPARE(lista.tablica().ilosc_el_w_bazie(), 2);
        QCOMPARE(lista.tablica()[2].nazwa1, Tekst<150>::z_unicode(u"Prąd"_s));
        QCOMPARE(czytaj_plik(sciezka), obce);
        qunsetenv("VANDORIA_DIR");
    }

    // A blank record among the orders: opening says how many follow it, and
    // "Zapisz" (Enter says "Nie") leaves them in the file.
    void pusty_rekord_w_pliku_przelewow() {
        QTemporaryDir katalog;
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        for (const char* n : {"A", "B", "C"}) t->dopisz(przelew(n));
        QVERIFY(zapisz_przelewy(sciezka, *t, 3));
        QByteArray dane = czytaj_plik(sciezka);
        dane.insert(rozmiar_rekordu_v2, QByteArray(rozmiar_rekordu_v2, '\0'));
        zapisz_plik(sciezka, dane);
        SeamDialogow seam;
        otworz_w_oknie(sciezka);
        QCOMPARE(okno->ilosc_el(), 1);
        QVERIFY(Dialogi::Test::teksty().value(0).contains(u"(2)"_s));
        dopisz_w_oknie("D");
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
        QVERIFY(!okno->FileSave1Execute());
        QCOMPARE(Dialogi::Test::pokazane().last().przyciski, Dialogi::Przyciski::TakNie);
        QCOMPARE(czytaj_plik(sciezka), dane);
        QVERIFY(okno->rejestr.zmieniony());
        okno.reset();
    }

    // config.ini changed by another program while the preferences window is
    // open: "OK" asks, "Anuluj" leaves the other program's file as it is.
    void config_ini_zmieniony_pod_oknem() {
        QTemporaryDir katalog;
        qputenv("VANDORIA_DIR", katalog.path().toLocal8Bit());
        const QString sciezka = katalog.filePath(u"config.ini"_s);
        zapisz_plik(sciezka, "[SETTINGS]\r\nmargin_top=33\r\n");
        SeamDialogow seam;
        Tpreferencje preferencje;
        preferencje.FormShow();
        zapisz_plik(sciezka, "[SETTINGS]\r\nmargin_top=44\r\n");
        const QByteArray obce = czytaj_plik(sciezka);
        preferencje.margines_gorny->setText(u"17"_s);
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Anuluj);
        preferencje.b_okClick();
        QVERIFY(Dialogi::Test::teksty().value(0).contains(tekst_zmiany));
        QCOMPARE(czytaj_plik(sciezka), obce);
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);  // "Otwórz ponownie"
        preferencje.b_okClick();
        QCOMPARE(preferencje.margines_gorny->text(), u"44"_s);
        preferencje.b_okClick();  // the file as shown now: no question
        QCOMPARE(Dialogi::Test::teksty().size(), 2);
        qunsetenv("VANDORIA_DIR");
    }

    // A settings store that is a FIFO: the start never waits on it, the file
    // named on the command line opens, the user is told, the FIFO stays.
    void magazyn_ustawien_fifo() {
        QTemporaryDir katalog;
        const QString fifo = katalog.filePath(u"Vandoria.ini"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        MagazynUstawien::ustaw_plik(fifo);
        const QString sciezka = katalog.filePath(u"konto.p2"_s);
        auto t = std::make_unique<TablicaPrzelewow>();
        t->dopisz(przelew("stary"));
        QVERIFY(zapisz_przelewy(sciezka, *t, 1));
        const QByteArray przed = czytaj_plik(sciezka);
        SeamDialogow seam;
        sprawdzaj_aktualizacje_przy_starcie(false);
        QElapsedTimer zegar;
        zegar.start();
        okno = std::make_unique<Tglowne_okno>();
        okno->argument_startowy = sciezka;
        okno->show();
        QTRY_VERIFY(start_zakonczony(*okno));
        QTRY_VERIFY(Dialogi::Test::teksty().filter(u"nie jest zwykłym plikiem"_s).size() == 1);
        QVERIFY(zegar.elapsed() < 5000);
        QCOMPARE(okno->ilosc_el(), 1);
        okno->close();
        okno.reset();
        MagazynUstawien::ustaw_plik({});
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QCOMPARE(czytaj_plik(sciezka), przed);
    }
};

QTEST_MAIN(TestAwarieSesji)
#include "test_awarie_sesji.moc"
