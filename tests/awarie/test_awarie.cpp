// Every file the program writes, under the faults of a real disk: after each
// failure the previous file is intact byte for byte, no temporary file is
// left, the user was told, and a second try succeeds.
#include "addressbook/lista.h"
#include "addressbook/wpisy.h"
#include "printing/ustawienia_programu.h"
#include "register/pliki_przelewow.h"
#include "ui/dialogi.h"
#include "ui/main/glowny.h"
#include "wspolne/pomocnicze.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

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
                for (int i = 0; i < 20; ++i)
                    okno->rejestr.tablica_przelewow.dopisz(przelew("nowy"));
                okno->rejestr.sciezka_pliku = sciezka;
                okno->rejestr.plik_ma_nazwe = true;
                okno->rejestr.plik_zmieniony = true;
                if (!QFile::exists(sciezka)) Dialogi::Test::wybierz_plik(sciezka);
                const bool ok = okno->FileSave1Execute();
                if (!ok && !okno->rejestr.plik_zmieniony)
                    QTest::qFail("niezapisane zmiany zgubione", __FILE__, __LINE__);
                return ok;
            },
            u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s};
}

// A book is saved by "OK" of the address-book window into the program's folder.
Format ksiazka(const QString& rodzaj) {
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
                Tlista_wpisow lista;
                rodzaj_bazy = rodzaj;
                wybor_z_bazy = false;
                lista.przypisanie_label();
                Twpis_bazy w;
                w.nazwa1 = "nowy wpis";
                tablica_wpisow.dodanie_elementu(w);
                lista.zapisz_zmianyClick();
                // A failed save keeps the changes in the window for another try.
                const bool zapisano = tablica_wpisow.ilosc_el_w_bazie() == 0;
                if (!zapisano && tablica_wpisow.ilosc_el_w_bazie() == 0)
                    QTest::qFail("zmiany zgubione", __FILE__, __LINE__);
                tablica_wpisow.czyszczenie_tablicy();
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
                for (int i = 0; i < 200; ++i)
                    okno->rejestr.tablica_przelewow.dopisz(przelew("nowy"));
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
            ksiazka(u"odbiorcy"_s),
            ksiazka(u"nadawcy"_s),
            ksiazka(u"tytuly"_s),
            ustawienia_wydruku(),
            eksport_csv()};
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
            QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{f.nazwa});
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
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files | QDir::Hidden),
                 awaria == Awaria::brak_folderu ? QStringList{} : QStringList{f.nazwa});

        if (awaria == Awaria::brak_folderu) QVERIFY(QDir().mkpath(folder));
        QVERIFY(f.zapisz(sciezka));
        QVERIFY(czytaj_plik(sciezka) != stare);
    }
};

QTEST_MAIN(TestAwarie)
#include "test_awarie.moc"
