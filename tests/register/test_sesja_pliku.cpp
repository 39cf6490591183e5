// The transfer file between opening and saving, without a window: which
// version its bytes are read in, what a save must ask before it drops or
// replaces anything, and the lock a second copy of the program sees.
#include "register/pliki_przelewow.h"
#include "register/sesja_pliku.h"
#include "wspolne/rdzen.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Pytanie = SesjaPliku::Pytanie;
using Decyzja = SesjaPliku::Decyzja;

std::unique_ptr<TablicaPrzelewow> przelewy(int ile, const char* nazwa = "Odbiorca") {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (int i = 0; i < ile; ++i) t->dopisz(przelew(nazwa, "12", "50", "Czynsz"));
    return t;
}

// Answers every question with `odpowiedz` and remembers what was asked.
struct Pytajacy {
    Decyzja odpowiedz = Decyzja::tak;
    QList<SesjaPliku::Kwestia> zadane = {};
    SesjaPliku::Pytajacy operator()() {
        return [this](const SesjaPliku::Kwestia& k) {
            zadane.append(k);
            return odpowiedz;
        };
    }
    QList<Pytanie> pytania() const {
        QList<Pytanie> p;
        for (const auto& k : zadane) p << k.pytanie;
        return p;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Decyzja)

class TestSesjaPliku : public QObject {
    Q_OBJECT
  private slots:
    // 997 x 424 bytes fit both versions: the bytes decide, the name only
    // when they cannot, and the version read is the version written back.
    void wersja_wedlug_zawartosci_data() {
        QTest::addColumn<int>("zapisana");  // the version the file was written in
        QTest::addColumn<int>("rekordow");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("997 ver.2 jako S.P2") << 2 << 997 << u"S.P2"_s;
        QTest::newRow("997 ver.2 jako s.p2") << 2 << 997 << u"s.p2"_s;
        QTest::newRow("424 ver.1 jako .p2") << 1 << 424 << u"k.p2"_s;
        QTest::newRow("424 ver.1 jako .vando") << 1 << 424 << u"k.vando"_s;
        QTest::newRow("848 ver.1 jako .p2") << 1 << 848 << u"k.p2"_s;
    }
    void wersja_wedlug_zawartosci() {
        QFETCH(int, zapisana);
        QFETCH(int, rekordow);
        QFETCH(QString, nazwa);
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(nazwa);
        auto t = przelewy(std::min(rekordow, 1000));
        QVERIFY(zapisz_przelewy(sciezka, *t, rekordow, zapisana));
        QVERIFY(rozmiar_pasuje_do_obu(QFileInfo(sciezka).size()));
        const QByteArray przed = czytaj_plik(sciezka);

        SesjaPliku sesja;
        auto wczytane = std::make_unique<TablicaPrzelewow>();
        const auto o = sesja.otworz(sciezka, *wczytane, false);
        QCOMPARE(o.odczyt.wersja, zapisana);
        QVERIFY(!o.odczyt.wersja_niepewna);
        QCOMPARE(o.wersja_inna_niz_nazwa, zapisana != typ_pliku(nazwa));
        QCOMPARE(wczytane->ilosc_el(), rekordow);
        QCOMPARE((*wczytane)[rekordow], (*t)[1]);
        Pytajacy p;
        QCOMPARE(sesja.zapisz(sciezka, *wczytane, rekordow, p()).stan, SesjaPliku::Zapis::zapisano);
        QCOMPARE(czytaj_plik(sciezka), przed);
    }

    // Zeroed bytes read as any version: the name decides and says so.
    void wersja_niepewna() {
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"zera.vando"_s);
        zapisz_plik(sciezka, QByteArray(rozmiar_rekordu_v1 * rozmiar_rekordu_v2, '\0'));
        auto t = std::make_unique<TablicaPrzelewow>();
        bool niepewna = false;
        QCOMPARE(wersja_z_zawartosci(sciezka, czytaj_plik(sciezka), &niepewna), 1);
        QVERIFY(niepewna);
        QVERIFY(!rozmiar_pasuje_do_obu(0));
    }

    // A blank record in the middle: the orders after it are counted, and a
    // save over the file writes nothing without the user's word.
    void pusty_rekord_data() {
        QTest::addColumn<Decyzja>("odpowiedz");
        QTest::newRow("nie") << Decyzja::anuluj;
        QTest::newRow("tak") << Decyzja::tak;
    }
    void pusty_rekord() {
        QFETCH(Decyzja, odpowiedz);
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"konto.p2"_s);
        auto t = przelewy(4);
        t->zastap(2, Tprzelew{});
        QVERIFY(zapisz_przelewy(sciezka, *t, 4));
        const QByteArray przed = czytaj_plik(sciezka);

        SesjaPliku sesja;
        auto wczytane = std::make_unique<TablicaPrzelewow>();
        const auto o = sesja.otworz(sciezka, *wczytane, false);
        QCOMPARE(o.odczyt.po_pustym, 2);
        QCOMPARE(wczytane->ilosc_el(), 1);
        Pytajacy p{odpowiedz};
        const auto z = sesja.zapisz(sciezka, *wczytane, 1, p());
        QCOMPARE(p.pytania(), QList<Pytanie>{Pytanie::puste_rekordy});
        QCOMPARE(p.zadane.value(0).ile, 2);
        if (odpowiedz == Decyzja::tak) {
            QCOMPARE(z.stan, SesjaPliku::Zapis::zapisano);
            QCOMPARE(QFileInfo(sciezka).size(), rozmiar_rekordu_v2);
        } else {
            QCOMPARE(z.stan, SesjaPliku::Zapis::anulowano);
            QCOMPARE(czytaj_plik(sciezka), przed);
        }
    }

    // Someone else wrote the file after it was read: the save asks, and only
    // "Zapisz mimo to" replaces their bytes. The same bytes written again (a
    // sync tool touching the file) ask nothing.
    void zmiana_z_zewnatrz_data() {
        QTest::addColumn<bool>("inne_bajty");
        QTest::addColumn<bool>("ten_sam_rozmiar");
        QTest::addColumn<Decyzja>("odpowiedz");
        QTest::addColumn<int>("stan");
        QTest::newRow("anuluj") << true << false << Decyzja::anuluj
                                << int(SesjaPliku::Zapis::anulowano);
        QTest::newRow("otwórz ponownie")
            << true << false << Decyzja::otworz_ponownie << int(SesjaPliku::Zapis::otworz_ponownie);
        QTest::newRow("zapisz mimo to")
            << true << false << Decyzja::tak << int(SesjaPliku::Zapis::zapisano);
        // Only the bytes can tell: one amount's digit changed, the size the same.
        QTest::newRow("jeden bajt inny, rozmiar ten sam")
            << true << true << Decyzja::anuluj << int(SesjaPliku::Zapis::anulowano);
        QTest::newRow("te same bajty")
            << false << false << Decyzja::anuluj << int(SesjaPliku::Zapis::zapisano);
    }
    void zmiana_z_zewnatrz() {
        QFETCH(bool, inne_bajty);
        QFETCH(bool, ten_sam_rozmiar);
        QFETCH(Decyzja, odpowiedz);
        QFETCH(int, stan);
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"konto.p2"_s);
        QVERIFY(zapisz_przelewy(sciezka, *przelewy(2), 2));
        SesjaPliku sesja;
        auto moje = std::make_unique<TablicaPrzelewow>();
        QCOMPARE(sesja.otworz(sciezka, *moje, false).odczyt.stan, WynikOdczytu::ok);
        moje->dopisz(przelew("Moje"));

        // Another writer, with a time stamp of its own.
        QByteArray obce = czytaj_plik(sciezka);
        if (inne_bajty && ten_sam_rozmiar)
            obce[obce.size() / 2] = char(obce.at(obce.size() / 2) ^ 1);
        else if (inne_bajty)
            obce += obce;
        QFile::remove(sciezka);
        zapisz_plik(sciezka, obce);

        Pytajacy p{odpowiedz};
        QCOMPARE(int(sesja.zapisz(sciezka, *moje, 3, p()).stan), stan);
        QCOMPARE(p.pytania(),
                 inne_bajty ? QList<Pytanie>{Pytanie::zmiana_z_zewnatrz} : QList<Pytanie>{});
        QCOMPARE(czytaj_plik(sciezka) == obce, stan != int(SesjaPliku::Zapis::zapisano));
        if (stan == int(SesjaPliku::Zapis::zapisano)) {
            // What was just written is the new measure: the next save asks nothing.
            Pytajacy drugi;
            QCOMPARE(sesja.zapisz(sciezka, *moje, 3, drugi()).stan, SesjaPliku::Zapis::zapisano);
            QVERIFY(drugi.zadane.isEmpty());
        }
    }

    // A file deleted since it was read is written anew without a question.
    void plik_usuniety() {
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"konto.p2"_s);
        QVERIFY(zapisz_przelewy(sciezka, *przelewy(1), 1));
        SesjaPliku sesja;
        auto t = std::make_unique<TablicaPrzelewow>();
        sesja.otworz(sciezka, *t, false);
        QVERIFY(QFile::remove(sciezka));
        Pytajacy p{Decyzja::anuluj};
        QCOMPARE(sesja.zapisz(sciezka, *t, 1, p()).stan, SesjaPliku::Zapis::zapisano);
        QVERIFY(p.zadane.isEmpty());
    }

    // The lock beside the file: a second holder sees who has it; closing
    // frees it; one left by a process that is gone is taken over.
    void blokada() {
        QTemporaryDir folder;
        const QString sciezka = folder.filePath(u"konto.p2"_s);
        QVERIFY(zapisz_przelewy(sciezka, *przelewy(1), 1));
        auto t = std::make_unique<TablicaPrzelewow>();
        SesjaPliku pierwsza, druga;
        QVERIFY(!druga.kto_trzyma(sciezka).zajety());
        pierwsza.otworz(sciezka, *t, false);
        QVERIFY(!pierwsza.kto_trzyma(sciezka).zajety());
        QCOMPARE(druga.kto_trzyma(sciezka).pid, qint64(QCoreApplication::applicationPid()));
        // Read-only holds no lock.
        QVERIFY(druga.otworz(sciezka, *t, true).tylko_do_odczytu);
        QVERIFY(druga.tylko_do_odczytu());
        pierwsza.zamknij();
        QVERIFY(!druga.kto_trzyma(sciezka).zajety());
        QVERIFY(!QFileInfo::exists(plik_blokady(sciezka)));

        // pid, program, host: the format QLockFile writes; no such process runs.
        zapisz_plik(plik_blokady(sciezka),
                    "999999999\nvandoria\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QVERIFY(!druga.kto_trzyma(sciezka).zajety());
    }

    // Version 1 with additional information: "Nie" writes the version-2 name
    // and leaves the old file alone.
    void wersja_1_z_dodatkowymi() {
        QTemporaryDir folder;
        const QString stara = folder.filePath(u"konto.vando"_s);
        auto t = przelewy(1);
        QVERIFY(zapisz_przelewy(stara, *t, 1));
        const QByteArray przed = czytaj_plik(stara);
        (*t)[1].dodatkowe = "faktura 7";
        SesjaPliku sesja;
        Pytajacy p{Decyzja::nie};
        const auto z = sesja.zapisz(stara, *t, 1, p());
        QCOMPARE(p.pytania(), QList<Pytanie>{Pytanie::format_bez_dodatkowych});
        QCOMPARE(z.stan, SesjaPliku::Zapis::zapisano);
        QCOMPARE(z.sciezka, folder.filePath(u"konto.p2"_s));
        QCOMPARE(z.wersja, 2);
        QCOMPARE(czytaj_plik(stara), przed);
        QCOMPARE(sesja.plik(), z.sciezka);
    }
};

QTEST_GUILESS_MAIN(TestSesjaPliku)
#include "test_sesja_pliku.moc"
