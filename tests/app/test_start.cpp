#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "app/start.h"
#include "extras/darowizna.h"
#include "extras/first_run_form.h"
#include "register/konto.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "widgets/dialogi.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

using Dialogi::Odpowiedz;

namespace {

const QString tekst_pytania = u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s;

// Closes every modal window that comes up and remembers which it was: the
// first-run window is modal and would otherwise wait for a human.
class ZamykaczModalnych : public QObject {
    Q_OBJECT
  public:
    ZamykaczModalnych() {
        zegar_.setInterval(5);
        connect(&zegar_, &QTimer::timeout, this, [this] {
            if (QWidget* okno = QApplication::activeModalWidget()) {
                zamkniete << okno->objectName();
                okno->close();
            }
        });
        zegar_.start();
    }
    QStringList zamkniete;

  private:
    QTimer zegar_;
};

QStringList wiersz_listy(Tglowne_okno& okno, int nr) {
    QStringList wynik;
    for (int k = 0; k < 5; ++k) wynik << okno.model_listy->index(nr - 1, k).data().toString();
    return wynik;
}

// The 26 digits are a valid Polish account number when "PL" (25 21) moved
// behind them leaves 1 modulo 97.
bool poprawny_nrb(QString cyfry) {
    cyfry.remove(u' ');
    if (cyfry.size() != 26) return false;
    const QString liczba = cyfry.mid(2) + u"2521"_s + cyfry.left(2);
    int reszta = 0;
    for (QChar c : liczba) reszta = (reszta * 10 + c.digitValue()) % 97;
    return reszta == 1;
}

}  // namespace

class TestStart : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;
    std::unique_ptr<Tglowne_okno> okno_;
    std::unique_ptr<ZamykaczModalnych> modalne_;

    QString sciezka(const QString& nazwa) const { return katalog_->filePath(nazwa); }
    QString plik_ustawien() const { return sciezka(u"ustawienia.ini"_s); }

    void zapisz_ustawienia(const QByteArray& tresc) { zapisz_plik(plik_ustawien(), tresc); }

    QVariant wartosc(const QString& nazwa) const {
        return QSettings(plik_ustawien(), QSettings::IniFormat).value(nazwa);
    }

    void zapisz_zbior(const QString& nazwa, std::initializer_list<Tprzelew> wiersze) {
        auto t = std::make_unique<TablicaPrzelewow>();
        for (const auto& w : wiersze) t->dopisz(w);
        QVERIFY(zapisz_przelewy(sciezka(nazwa), *t, t->ilosc_el()));
    }

    // Starts the program as main() does and waits until its start-up has ended.
    Tglowne_okno& uruchom(const QString& argument = {}) {
        okno_ = std::make_unique<Tglowne_okno>();
        okno_->argument_startowy = argument;
        okno_->show();
        [&] { QTRY_VERIFY(start_zakonczony(*okno_)); }();
        return *okno_;
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        sprawdzaj_aktualizacje_przy_starcie(false);
    }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
        MagazynUstawien::ustaw_plik(plik_ustawien());
        modalne_ = std::make_unique<ZamykaczModalnych>();
    }

    void cleanup() {
        okno_.reset();
        modalne_.reset();
    }

    void flaga_pierwszego_uruchomienia_data() {
        QTest::addColumn<QByteArray>("ustawienia");  // empty: no key at all
        QTest::addColumn<bool>("pierwsze");
        QTest::addColumn<QVariant>("flaga_po_starcie");
        QTest::newRow("prawda") << QByteArray("[General]\nFirstRun=1\n") << true << QVariant(0);
        QTest::newRow("dowolna liczba niezerowa")
            << QByteArray("[General]\nFirstRun=7\n") << true << QVariant(0);
        QTest::newRow("fałsz") << QByteArray("[General]\nFirstRun=0\n") << false << QVariant(0);
        QTest::newRow("brak wartości")
            << QByteArray("[General]\nLastFilePath=\n") << false << QVariant();
        // A user with nothing stored yet: nothing in a Linux install sets FirstRun.
        QTest::newRow("brak klucza") << QByteArray() << true << QVariant(0);
    }
    void flaga_pierwszego_uruchomienia() {
        QFETCH(QByteArray, ustawienia);
        QFETCH(bool, pierwsze);
        QFETCH(QVariant, flaga_po_starcie);
        if (!ustawienia.isEmpty()) zapisz_ustawienia(ustawienia);
        SeamDialogow seam;

        Tglowne_okno& okno = uruchom();

        QCOMPARE(okno.pierwsze_uruchomienie, pierwsze);
        QCOMPARE(modalne_->zamkniete,
                 pierwsze ? QStringList{u"Tmonolit_first_run"_s} : QStringList{});
        QCOMPARE(okno.model_listy->rowCount(), pierwsze ? 1 : 0);
        QCOMPARE(okno.ilosc_el(), pierwsze ? 1 : 0);
        if (pierwsze) {
            QCOMPARE(okno.rejestr.przelew(1), darowizna::przelew_do_autora());
            // No warning greets a new user: the order's account passes the check.
            QCOMPARE(stan_konta(cp1250::na_unicode(okno.rejestr.przelew(1).konto_odbiorcy())),
                     StanKonta::poprawny);
            QVERIFY(!okno.model_listy->index(0, 0).data(Qt::DecorationRole).isValid());
        }
        QCOMPARE(okno.rejestr.zmieniony(), pierwsze);
        QCOMPARE(okno.FileSaveItem->isEnabled(), pierwsze);
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        // Start-up creates the key only to turn a first run off.
        QCOMPARE(QFile::exists(plik_ustawien()), !ustawienia.isEmpty() || pierwsze);
        QCOMPARE(wartosc(u"FirstRun"_s).isValid(), flaga_po_starcie.isValid());
        if (flaga_po_starcie.isValid())
            QCOMPARE(wartosc(u"FirstRun"_s).toInt(), flaga_po_starcie.toInt());

        // The donation order is an unsaved change: the first exit asks about it.
        if (pierwsze) Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(okno.close());
        QCOMPARE(Dialogi::Test::teksty(), pierwsze ? QStringList{tekst_pytania} : QStringList{});
        QCOMPARE(wartosc(u"LastFilePath"_s).toString(), QString());
    }

    // The first start of a new user shows the first-run window once; the next
    // start, after a clean exit or not, does not.
    void pierwszy_i_drugi_start_nowego_uzytkownika_data() {
        QTest::addColumn<bool>("zamkniety");
        QTest::newRow("po zamknięciu") << true;
        QTest::newRow("po przerwanym") << false;
    }
    void pierwszy_i_drugi_start_nowego_uzytkownika() {
        QFETCH(bool, zamkniety);
        SeamDialogow seam;
        QVERIFY(!QFile::exists(plik_ustawien()));
        uruchom();
        QCOMPARE(modalne_->zamkniete, QStringList{u"Tmonolit_first_run"_s});
        QCOMPARE(okno_->ilosc_el(), 1);
        if (zamkniety) {
            Dialogi::Test::odpowiedz(Odpowiedz::Nie);
            QVERIFY(okno_->close());
        }
        okno_.reset();
        Dialogi::Test::wyczysc();

        modalne_->zamkniete.clear();
        Tglowne_okno& drugie = uruchom();
        QVERIFY(!drugie.pierwsze_uruchomienie);
        QVERIFY(modalne_->zamkniete.isEmpty());
        QCOMPARE(drugie.ilosc_el(), 0);
        QVERIFY(drugie.close());
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
    }

    // Where nothing can be stored, a first run could never be turned off:
    // no start counts as one rather than every start.
    void magazyn_niezapisywalny() {
        MagazynUstawien::ustaw_plik(sciezka(u"plik/ustawienia.ini"_s));
        zapisz_plik(sciezka(u"plik"_s), "nie katalog");
        SeamDialogow seam;
        Tglowne_okno& okno = uruchom();
        QVERIFY(!okno.pierwsze_uruchomienie);
        QVERIFY(modalne_->zamkniete.isEmpty());
        QCOMPARE(okno.ilosc_el(), 0);
        QVERIFY(okno.close());
    }

    void drugi_start_otwiera_ostatni_plik() {
        zapisz_zbior(u"ostatni.p2"_s, {przelew("Adam", "12", "50"), przelew("Beata")});
        MagazynUstawien::zapisz_logiczna(u"FirstRun"_s, false);
        MagazynUstawien::zapisz_tekst(u"LastFilePath"_s, sciezka(u"ostatni.p2"_s));
        SeamDialogow seam;

        Tglowne_okno& okno = uruchom();

        QCOMPARE(okno.model_listy->rowCount(), 2);
        QCOMPARE(wiersz_listy(okno, 1).at(3), u"12,50 zł"_s);
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + sciezka(u"ostatni.p2"_s) + u"][*]"_s);
        QVERIFY(okno.rejestr.plik_ma_nazwe);
        QVERIFY(!okno.rejestr.zmieniony());
        QVERIFY(modalne_->zamkniete.isEmpty());
        QVERIFY(Dialogi::Test::pokazane().isEmpty());

        // "Wyjdź" with nothing unsaved asks nothing and remembers the file.
        okno.FileExit1->trigger();
        QVERIFY(!okno.isVisible());
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        QCOMPARE(wartosc(u"LastFilePath"_s).toString(), sciezka(u"ostatni.p2"_s));
    }

    // A start that changes nothing leaves the store untouched: every rewrite is
    // a synced write of the whole file, and a start would otherwise make several.
    void start_bez_zmian_nie_przepisuje_ustawien() {
        zapisz_zbior(u"ostatni.p2"_s, {przelew("Adam", "12", "50")});
        MagazynUstawien::zapisz_logiczna(u"FirstRun"_s, false);
        SeamDialogow seam;
        const auto i_wezel = [this] {
            struct stat s {};
            return ::stat(QFile::encodeName(plik_ustawien()).constData(), &s) == 0 ? s.st_ino
                                                                                   : ino_t(0);
        };
        for (int start = 1; start <= 2; ++start) {
            const ino_t przed = i_wezel();
            const QByteArray tresc_przed = czytaj_plik(plik_ustawien());
            Tglowne_okno& okno = uruchom(sciezka(u"ostatni.p2"_s));
            okno.FileExit1->trigger();
            QVERIFY(!okno.isVisible());
            QCOMPARE(wartosc(u"LastFilePath"_s).toString(), sciezka(u"ostatni.p2"_s));
            // The first start stores the file and the window; the second has nothing new.
            if (start == 2) {
                QCOMPARE(czytaj_plik(plik_ustawien()), tresc_przed);
                QCOMPARE(i_wezel(), przed);
            }
        }
    }

    void plik_z_wiersza_polecen_data() {
        QTest::addColumn<bool>("argument_istnieje");
        QTest::newRow("istniejący") << true;
        QTest::newRow("brakujący") << false;
    }
    void plik_z_wiersza_polecen() {
        QFETCH(bool, argument_istnieje);
        zapisz_zbior(u"ostatni.p2"_s, {przelew("Z ostatniego")});
        if (argument_istnieje)
            zapisz_zbior(u"argument.vando"_s, {przelew("Z argumentu"), przelew("Drugi")});
        MagazynUstawien::zapisz_tekst(u"LastFilePath"_s, sciezka(u"ostatni.p2"_s));
        SeamDialogow seam;

        Tglowne_okno& okno = uruchom(sciezka(u"argument.vando"_s));

        // The remembered file is never opened when a file is named.
        QCOMPARE(okno.model_listy->rowCount(), argument_istnieje ? 2 : 0);
        if (argument_istnieje) QCOMPARE(wiersz_listy(okno, 1).at(0), u"Z argumentu"_s);
        QCOMPARE(Dialogi::Test::teksty(),
                 argument_istnieje
                     ? QStringList{}
                     : QStringList{u"Podany plik nie istnieje lub jest uszkodzony!"_s});
        QVERIFY(okno.rejestr.plik_ma_nazwe);
        QVERIFY(okno.close());
        QCOMPARE(wartosc(u"LastFilePath"_s).toString(),
                 argument_istnieje ? sciezka(u"argument.vando"_s) : QString());
    }

    void usuniety_ostatni_plik_jest_pomijany_po_cichu() {
        const QString zniknal = sciezka(u"usuniety.p2"_s);
        MagazynUstawien::zapisz_tekst(u"LastFilePath"_s, zniknal);
        SeamDialogow seam;

        Tglowne_okno& okno = uruchom();

        QCOMPARE(okno.model_listy->rowCount(), 0);
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        QVERIFY(modalne_->zamkniete.isEmpty());
        QCOMPARE(okno.rejestr.sciezka(), zniknal);
        QCOMPARE(okno.windowTitle(), u"Vandoria[*]"_s);
        // Saved under that very name, the file is there and the caption names it.
        Dialogi::Test::wybierz_plik(zniknal);
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + zniknal + u"][*]"_s);
        QVERIFY(okno.close());
        QCOMPARE(wartosc(u"LastFilePath"_s).toString(), zniknal);
    }

    // Closed before the store was read, the program does not know the last
    // file yet and must not overwrite it with an empty path.
    void zamkniecie_przed_koncem_startu() {
        const QString ostatni = sciezka(u"ostatni.p2"_s);
        MagazynUstawien::zapisz_tekst(u"LastFilePath"_s, ostatni);
        okno_ = std::make_unique<Tglowne_okno>();
        okno_->show();
        QVERIFY(okno_->close());
        QCOMPARE(wartosc(u"LastFilePath"_s).toString(), ostatni);
        QTRY_VERIFY(start_zakonczony(*okno_));
    }

    // "Nowy" marks the new, empty collection as changed, so closing after it asks.
    void pytanie_przy_zamykaniu_data() {
        QTest::addColumn<Odpowiedz>("odpowiedz");
        QTest::addColumn<QString>("plik_z_okna");  // empty: no file dialog expected
        QTest::addColumn<bool>("zamkniete");
        QTest::addColumn<QString>("zapamietany");  // file name in the store afterwards
        QTest::newRow("Nie") << Odpowiedz::Nie << QString() << true << QString();
        QTest::newRow("Anuluj") << Odpowiedz::Anuluj << QString() << false << u"ostatni.p2"_s;
        QTest::newRow("Tak, zapisany") << Odpowiedz::Tak << u"nowy.p2"_s << true << u"nowy.p2"_s;
        QTest::newRow("Tak, okno zapisu anulowane")
            << Odpowiedz::Tak << u"-"_s << false << u"ostatni.p2"_s;
        QTest::newRow("Tak, zapis nieudany")
            << Odpowiedz::Tak << u"brak/nowy.p2"_s << false << u"ostatni.p2"_s;
    }
    void pytanie_przy_zamykaniu() {
        QFETCH(Odpowiedz, odpowiedz);
        QFETCH(QString, plik_z_okna);
        QFETCH(bool, zamkniete);
        QFETCH(QString, zapamietany);
        zapisz_zbior(u"ostatni.p2"_s, {przelew("Adam")});
        MagazynUstawien::zapisz_tekst(u"LastFilePath"_s, sciezka(u"ostatni.p2"_s));
        SeamDialogow seam;
        Tglowne_okno& okno = uruchom();
        okno.FileNew1Execute();
        const QByteArray magazyn_przed = czytaj_plik(plik_ustawien());

        Dialogi::Test::odpowiedz(odpowiedz);
        if (!plik_z_okna.isEmpty())
            Dialogi::Test::wybierz_plik(plik_z_okna == u"-" ? QString() : sciezka(plik_z_okna));
        QCOMPARE(okno.close(), zamkniete);

        const QList<Dialogi::Test::Pokazany> pokazane = Dialogi::Test::pokazane();
        QVERIFY(!pokazane.isEmpty());
        QCOMPARE(pokazane.first().tekst, tekst_pytania);
        QCOMPARE(pokazane.first().tytul, u"Zamykanie programu"_s);
        QCOMPARE(pokazane.first().przyciski, Dialogi::Przyciski::TakNieAnuluj);
        QCOMPARE(pokazane.first().ikona, Dialogi::Ikona::Pytanie);  // a question shows as one
        QCOMPARE(okno.isVisible(), !zamkniete);
        if (zamkniete) {
            QCOMPARE(wartosc(u"LastFilePath"_s).toString(),
                     zapamietany.isEmpty() ? QString() : sciezka(zapamietany));
        } else {
            // Kept open exactly as it was: unsaved, and the store not touched.
            QVERIFY(okno.rejestr.zmieniony());
            QCOMPARE(czytaj_plik(plik_ustawien()), magazyn_przed);
        }
    }

    void dodaj_mnie_dwa_razy() {
        Tglowne_okno okno;
        okno.rejestr.dopisz(przelew("Istniejący"));

        okno.dodaj_mnie_menu->trigger();
        okno.dodaj_mnie();

        QCOMPARE(okno.ilosc_el(), 3);
        QCOMPARE(okno.model_listy->rowCount(), 3);
        const Tprzelew& p = okno.rejestr.przelew(2);
        QCOMPARE(okno.rejestr.przelew(3), p);
        QCOMPARE(p.kwota.na_unicode(), u"10"_s);
        QCOMPARE(p.kwota100.na_unicode(), u"00"_s);
        QCOMPARE(int(p.czy_przelew), 0);
        QCOMPARE(p.symbol.na_unicode(), u"06"_s);
        QVERIFY(p.data.empty() && p.nr_rach_nadawcy.empty() && p.nazwa_nadawcy1.empty() &&
                p.nazwa_nadawcy2.empty() && p.tytulem2.empty() && p.dodatkowe.empty());
        QVERIFY(!p.nazwa_odbiorcy2.empty());

        for (int nr : {2, 3}) {
            const QStringList w = wiersz_listy(okno, nr);
            QCOMPARE(w.at(0), p.nazwa_odbiorcy1.na_unicode());
            QCOMPARE(w.at(1), u"dobrowolna wpłata za program Vandoria"_s);
            QVERIFY2(QRegularExpression(u"^\\d{2}( \\d{4}){6}$"_s).match(w.at(2)).hasMatch(),
                     qPrintable(w.at(2)));
            QCOMPARE(w.at(3), u"10,00 zł"_s);
            QCOMPARE(w.at(4), QString());
        }
        // A made-up number whose check digits pass: the list shows no warning for it.
        QVERIFY(poprawny_nrb(wiersz_listy(okno, 2).at(2)));
        QVERIFY(okno.rejestr.zmieniony());
        QVERIFY(okno.btn_zapisz_do_pliku->isEnabled() && okno.FileSaveItem->isEnabled());
    }

    void dodaj_mnie_przy_pelnej_liscie() {
        SeamDialogow seam;
        Tglowne_okno okno;
        for (int i = 1; i <= TablicaPrzelewow::pojemnosc; ++i)
            okno.rejestr.dopisz(przelew("Zapełniacz", "1"));
        const Tprzelew ostatni = okno.rejestr.przelew(TablicaPrzelewow::pojemnosc);

        okno.dodaj_mnie();

        QCOMPARE(
            Dialogi::Test::teksty(),
            QStringList{
                u"Lista przelewów jest pełna: można w niej przechowywać najwyżej 1000 przelewów."_s});
        QCOMPARE(okno.ilosc_el(), TablicaPrzelewow::pojemnosc);
        QCOMPARE(okno.model_listy->rowCount(), TablicaPrzelewow::pojemnosc);
        QCOMPARE(okno.rejestr.przelew(TablicaPrzelewow::pojemnosc), ostatni);
        QVERIFY(!okno.rejestr.zmieniony());
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
