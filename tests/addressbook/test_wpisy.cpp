#include "addressbook/wpisy.h"
#include "register/folder_programu.h"
#include "rekord_wpisu.h"
#include "wspolne/pomocnicze.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<TablicaWpisow> tablica(std::initializer_list<const char*> pierwsze_linie) {
    auto t = std::make_unique<TablicaWpisow>();
    for (const char* linia : pierwsze_linie) {
        Twpis_bazy w;
        w.nazwa1 = w1250(linia);
        w.nazwa2 = "x";  // keeps an entry with an empty first line in the book
        t->dodanie_elementu(w);
    }
    return t;
}

QStringList pierwsze_linie(const TablicaWpisow& t) {
    QStringList wynik;
    for (int i = 1; i <= t.ilosc_el_w_bazie(); ++i) wynik << t[i].nazwa1.na_unicode();
    return wynik;
}

QByteArray czytaj(QByteArray dane, TablicaWpisow& t, WynikOdczytu* wynik = nullptr) {
    QBuffer bufor(&dane);
    bufor.open(QIODevice::ReadOnly);
    const WynikOdczytu w = czytaj_wpisy(bufor, t);
    if (wynik) *wynik = w;
    return dane;
}

}  // namespace

class TestWpisy : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    QString plik(const QString& nazwa) const { return katalog_.filePath(nazwa); }

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        QCOMPARE(plik_programu(u"baza_tytulow.dat"_qs), plik(u"baza_tytulow.dat"_qs));
    }

    void init() {
        for (const QString& nazwa : QDir(katalog_.path()).entryList(QDir::Files))
            QFile::remove(plik(nazwa));
    }

    void pliki_ksiag_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("odbiorcy") << u"odbiorcy"_qs << u"baza_odbiorcow.dat"_qs;
        QTest::newRow("nadawcy") << u"nadawcy"_qs << u"baza_nadawcow.dat"_qs;
        QTest::newRow("tytuly") << u"tytuly"_qs << u"baza_tytulow.dat"_qs;
        QTest::newRow("inny napis") << u"Odbiorcy"_qs << u"baza_tytulow.dat"_qs;
    }
    void pliki_ksiag() {
        QFETCH(QString, rodzaj);
        QFETCH(QString, nazwa);
        QCOMPARE(plik_bazy(rodzaj), nazwa);
    }

    void rekord_recznie_ulozony() {
        const QByteArray wzor = rekord(w1250("Łódź Sp. z o.o."), "ul. Długa 1", "1 ", "1020 555 ");
        QCOMPARE(wzor.size(), rozmiar_wpisu);
        auto t = std::make_unique<TablicaWpisow>();
        czytaj(wzor, *t);
        QCOMPARE(t->ilosc_el_w_bazie(), 1);
        const Twpis_bazy& w = (*t)[1];
        QCOMPARE(w.nazwa1.na_unicode(), u"Łódź Sp. z o.o."_qs);
        QCOMPARE(w.nazwa2, "ul. Długa 1");
        QCOMPARE(w.lk, "1 ");
        QCOMPARE(w.nr_banku, "1020 555 ");
        QCOMPARE(w.nr_rach, "1111 2222 3333 4444");

        QByteArray zapisane;
        QBuffer wyjscie(&zapisane);
        wyjscie.open(QIODevice::WriteOnly);
        QVERIFY(pisz_wpisy(wyjscie, *t));
        QCOMPARE(zapisane, wzor);
    }

    void bajt_dlugosci_ponad_pojemnosc() {
        QByteArray dane = rekord("a");
        dane[302] = char(9);  // lk claims 9 characters of its 2
        dane[305] = char(5);  // nr_banku keeps its first 5
        auto t = std::make_unique<TablicaWpisow>();
        czytaj(dane, *t);
        QCOMPARE((*t)[1].lk, "12");
        QCOMPARE((*t)[1].nr_banku, "1020 ");
    }

    void rozmiar_pliku_data() {
        QTest::addColumn<QByteArray>("dane");
        QTest::addColumn<int>("wpisow");
        QTest::newRow("pusty") << QByteArray() << 0;
        QTest::newRow("670 bajtów") << rekord("a") + rekord("b") << 2;
        QTest::newRow("700 bajtów") << rekord("a") + rekord("b") + QByteArray(30, 'x') << 2;
        QTest::newRow("pusty wpis kończy") << rekord("a") + rekord("", "") + rekord("c") << 1;
        QTest::newRow("pusta pierwsza linia") << rekord("", "druga") + rekord("b") << 2;
    }
    void rozmiar_pliku() {
        QFETCH(QByteArray, dane);
        QFETCH(int, wpisow);
        zapisz_plik(plik(u"baza_odbiorcow.dat"_qs), dane);
        auto t = std::make_unique<TablicaWpisow>();
        (*t)[wpisow + 1].nazwa1 = "poprzednia księga";
        const WynikOdczytu w = otwieranie_bazy(u"baza_odbiorcow.dat"_qs, *t);
        QCOMPARE(w.stan, WynikOdczytu::ok);
        QVERIFY(!w.za_duzo);
        QCOMPARE(t->ilosc_el_w_bazie(), wpisow);
        // nothing past the book stays in the table to come back on the next addition
        QVERIFY((*t)[wpisow + 1].pusty());
        QVERIFY((*t)[wpisow + 2].pusty());
    }

    void brak_pliku_i_pusty_zapis() {
        auto t = tablica({"stara"});
        QCOMPARE(otwieranie_bazy(u"baza_nadawcow.dat"_qs, *t).stan, WynikOdczytu::brak_pliku);
        QCOMPARE(t->ilosc_el_w_bazie(), 0);
        QVERIFY(zapis_do_pliku_bazy(u"baza_nadawcow.dat"_qs, *t));
        QVERIFY(QFile::exists(plik(u"baza_nadawcow.dat"_qs)));
        QCOMPARE(czytaj_plik(plik(u"baza_nadawcow.dat"_qs)).size(), 0);
    }

    void blad_odczytu_w_polowie() {
        const QByteArray dane = rekord("pierwszy") + rekord("drugi") + rekord("trzeci");
        UrzadzenieZawodne urzadzenie(dane, rozmiar_wpisu + 100);
        urzadzenie.open(QIODevice::ReadOnly);
        auto t = tablica({"a", "b", "c", "d"});
        const WynikOdczytu w = czytaj_wpisy(urzadzenie, *t);
        QCOMPARE(w.stan, WynikOdczytu::blad_odczytu);
        QCOMPARE(pierwsze_linie(*t), QStringList{u"pierwszy"_qs});
    }

    void ponad_tysiac_rekordow_data() {
        QTest::addColumn<int>("rekordow");
        QTest::addColumn<bool>("ostatni_pusty");
        QTest::addColumn<bool>("za_duzo");
        QTest::newRow("1000") << 1000 << false << false;
        QTest::newRow("1001") << 1001 << false << true;
        QTest::newRow("1001, ostatni pusty") << 1001 << true << false;
    }
    void ponad_tysiac_rekordow() {
        QFETCH(int, rekordow);
        QFETCH(bool, ostatni_pusty);
        QFETCH(bool, za_duzo);
        QByteArray dane;
        for (int i = 1; i < rekordow; ++i) dane += rekord(std::to_string(i));
        dane += ostatni_pusty ? rekord("", "") : rekord("ostatni");
        auto t = std::make_unique<TablicaWpisow>();
        WynikOdczytu w;
        czytaj(dane, *t, &w);
        QCOMPARE(w.stan, WynikOdczytu::ok);
        QCOMPARE(w.za_duzo, za_duzo);
        QCOMPARE(t->ilosc_el_w_bazie(), 1000);
        QVERIFY(t->pelna());
        QVERIFY(!t->dodanie_elementu(Twpis_bazy::z_tekstow(u"tysiąc pierwszy"_qs)));
        QCOMPARE(t->ilosc_el_w_bazie(), 1000);
    }

    void sortowanie_data() {
        QTest::addColumn<QStringList>("przed");
        QTest::addColumn<QStringList>("po");
        QTest::newRow("bajty bez składania liter")
            << QStringList{u"beta"_qs, u"Alfa"_qs, u"alfa"_qs, u"Łąka"_qs, u"Zenon"_qs}
            << QStringList{u"Alfa"_qs, u"Zenon"_qs, u"alfa"_qs, u"beta"_qs, u"Łąka"_qs};
        QTest::newRow("przedrostek pierwszy") << QStringList{u"Nowak Jan"_qs, u"Nowak"_qs}
                                              << QStringList{u"Nowak"_qs, u"Nowak Jan"_qs};
        QTest::newRow("pusta pierwsza linia staje się spacją")
            << QStringList{QString(), u"Bank"_qs, u"1 Maja"_qs}
            << QStringList{u" "_qs, u"1 Maja"_qs, u"Bank"_qs};
        // the walk fills in only a line it stands on, so one that arrives at the
        // top in the last step stays empty, though it still sorts first
        QTest::newRow("pusta dochodzi na początek w ostatnim kroku")
            << QStringList{u"1 Maja"_qs, u"Bank"_qs, QString()}
            << QStringList{QString(), u"1 Maja"_qs, u"Bank"_qs};
        QTest::newRow("jeden wpis bez zmian") << QStringList{QString()} << QStringList{QString()};
    }
    void sortowanie() {
        QFETCH(QStringList, przed);
        QFETCH(QStringList, po);
        auto t = std::make_unique<TablicaWpisow>();
        for (const QString& linia : przed)
            t->dodanie_elementu(Twpis_bazy::z_tekstow(linia, u"x"_qs));
        t->sortowanie_listy();
        QCOMPARE(pierwsze_linie(*t), po);
    }

    void sortowanie_zachowuje_kolejnosc_rownych() {
        auto t = std::make_unique<TablicaWpisow>();
        for (const char* druga : {"pierwszy", "drugi", "trzeci"}) {
            t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Kowalski"_qs, QString::fromUtf8(druga)));
            t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Adamski"_qs, QString::fromUtf8(druga)));
        }
        t->sortowanie_listy();
        QStringList drugie;
        for (int i = 1; i <= 6; ++i)
            drugie << (*t)[i].nazwa1.na_unicode() + u'/' + (*t)[i].nazwa2.na_unicode();
        QCOMPARE(drugie, (QStringList{u"Adamski/pierwszy"_qs, u"Adamski/drugi"_qs,
                                      u"Adamski/trzeci"_qs, u"Kowalski/pierwszy"_qs,
                                      u"Kowalski/drugi"_qs, u"Kowalski/trzeci"_qs}));
    }

    void usuwanie_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("zostaje");
        QTest::newRow("ostatni") << 3 << QStringList{u"a"_qs, u"b"_qs};
        QTest::newRow("pierwszy") << 1 << QStringList{u"b"_qs, u"c"_qs};
        QTest::newRow("nic zaznaczone") << 4 << QStringList{u"a"_qs, u"b"_qs, u"c"_qs};
    }
    void usuwanie() {
        QFETCH(int, k);
        QFETCH(QStringList, zostaje);
        auto t = tablica({"a", "b", "c"});
        t->usuniecie_elementu(k);
        QCOMPARE(pierwsze_linie(*t), zostaje);
        QVERIFY((*t)[zostaje.size() + 1].pusty());
        QVERIFY((*t)[zostaje.size() + 1].lk.empty());
    }

    void wpis_bez_linii_nie_liczy_sie() {
        auto t = tablica({"a"});
        Twpis_bazy bez_linii = Twpis_bazy::z_tekstow({}, {}, u"12"_qs, u"1020 5558"_qs);
        QVERIFY(t->dodanie_elementu(bez_linii));
        QCOMPARE(t->ilosc_el_w_bazie(), 1);
        QVERIFY(zapis_do_pliku_bazy(u"baza_odbiorcow.dat"_qs, *t));
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_qs)).size(), rozmiar_wpisu);
    }

    void edycja_tylko_w_ksiedze() {
        auto t = tablica({"a", "b"});
        t->wyedytowanie_elementu(3, Twpis_bazy::z_tekstow(u"poza"_qs));
        QCOMPARE(pierwsze_linie(*t), (QStringList{u"a"_qs, u"b"_qs}));
        t->wyedytowanie_elementu(2, Twpis_bazy::z_tekstow(u"B"_qs));
        QCOMPARE(pierwsze_linie(*t), (QStringList{u"a"_qs, u"B"_qs}));
    }

    void konto_nadawcy_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("nr_banku");
        QTest::addColumn<QString>("nr_rach");
        QTest::addColumn<QString>("konto");
        QTest::newRow("pełne") << u"12"_qs << u"1020 5558"_qs << u"1111 2222 3333 4444"_qs
                               << u"12 1020 5558 1111 2222 3333 4444"_qs;
        QTest::newRow("puste pola")
            << u"  "_qs << u"         "_qs << QString(19, u' ') << QString(32, u' ');
        QTest::newRow("księga tytułów") << QString() << QString() << QString() << u"  "_qs;
    }
    void konto_nadawcy() {
        QFETCH(QString, lk);
        QFETCH(QString, nr_banku);
        QFETCH(QString, nr_rach);
        QFETCH(QString, konto);
        QCOMPARE(::konto_nadawcy(Twpis_bazy::z_tekstow(u"N"_qs, {}, lk, nr_banku, nr_rach)), konto);
    }

    void dopisanie_tnie_do_pojemnosci() {
        const QString dluga = QString(120, u'a') + QString(80, u'ż');
        const WynikDopisania w = dopisz_do_bazy(u"nadawcy"_qs, dluga, u"cd."_qs, u"123"_qs,
                                                u"1020 5558 9"_qs, u"1111 2222 3333 4444 55"_qs);
        QVERIFY(w.zapisany);
        const QByteArray dane = czytaj_plik(plik(u"baza_nadawcow.dat"_qs));
        QCOMPARE(dane.size(), rozmiar_wpisu);
        QCOMPARE(dane.left(151), slot(std::string(120, 'a') + std::string(30, '\xBF'), 150));
        QCOMPARE(dane.mid(302),
                 slot("12", 2) + slot("1020 5558", 9) + slot("1111 2222 3333 4444", 19));
    }

    void dopisanie_sortuje_i_zostawia_ksiege_w_tablicy() {
        zapisz_plik(plik(u"baza_tytulow.dat"_qs),
                    rekord("Czynsz", "", "", "", "") + rekord(w1250("Prąd"), "", "", "", ""));
        const WynikDopisania w = dopisz_do_bazy(u"tytuly"_qs, u"Gaz"_qs, u"za marzec"_qs);
        QVERIFY(w.zapisany);
        QCOMPARE(pierwsze_linie(tablica_wpisow),
                 (QStringList{u"Czynsz"_qs, u"Gaz"_qs, u"Prąd"_qs}));
        QCOMPARE(czytaj_plik(plik(u"baza_tytulow.dat"_qs)),
                 rekord("Czynsz", "", "", "", "") + rekord("Gaz", "za marzec", "", "", "") +
                     rekord(w1250("Prąd"), "", "", "", ""));
    }

    void dopisanie_tytulu_po_odrzuconej_ksiedze_odbiorcow() {
        const QByteArray odbiorcy = rekord("Odbiorca A") + rekord("Odbiorca B");
        zapisz_plik(plik(u"baza_odbiorcow.dat"_qs), odbiorcy);
        // the address-book window loaded the recipients, the user added one and cancelled
        tablica_wpisow.czyszczenie_tablicy();
        otwieranie_bazy(plik_bazy(u"odbiorcy"_qs));
        tablica_wpisow.dodanie_elementu(Twpis_bazy::z_tekstow(u"Niezapisany"_qs));

        QVERIFY(dopisz_do_bazy(u"tytuly"_qs, u"Abonament"_qs).zapisany);
        QCOMPARE(czytaj_plik(plik(u"baza_tytulow.dat"_qs)), rekord("Abonament", "", "", "", ""));
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_qs)), odbiorcy);
    }

    void dopisanie_do_pelnej_ksiegi() {
        QByteArray dane;
        for (int i = 0; i < 1001; ++i) dane += rekord(std::to_string(i));
        zapisz_plik(plik(u"baza_odbiorcow.dat"_qs), dane);
        const WynikDopisania w = dopisz_do_bazy(u"odbiorcy"_qs, u"Nowy"_qs);
        QVERIFY(w.odczyt.za_duzo);
        QVERIFY(w.pelna);
        QVERIFY(!w.zapisany);
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_qs)), dane);
    }

    void dopisanie_do_nieczytelnej_ksiegi() {
        // a book that cannot be read is not replaced by the one new entry
        QVERIFY(QDir(katalog_.path()).mkdir(u"baza_nadawcow.dat"_qs));
        const WynikDopisania w = dopisz_do_bazy(u"nadawcy"_qs, u"Nowy"_qs);
        QCOMPARE(w.odczyt.stan, WynikOdczytu::blad_odczytu);
        QVERIFY(!w.zapisany);
        QVERIFY(QFileInfo(plik(u"baza_nadawcow.dat"_qs)).isDir());
        QVERIFY(QDir(katalog_.path()).rmdir(u"baza_nadawcow.dat"_qs));
    }

    void nieudany_zapis_zostawia_stary_plik() {
        const QString sciezka = plik(u"baza_odbiorcow.dat"_qs);
        const QByteArray stare = rekord("Stary");
        zapisz_plik(sciezka, stare);
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const WynikDopisania w = dopisz_do_bazy(u"odbiorcy"_qs, u"Nowy"_qs);
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(w.odczyt.stan, WynikOdczytu::ok);
        QVERIFY(!w.zapisany);
        QCOMPARE(czytaj_plik(sciezka), stare);
        QCOMPARE(QDir(katalog_.path()).entryList(QDir::Files),
                 QStringList{u"baza_odbiorcow.dat"_qs});
    }

    void blad_zapisu_urzadzenia() {
        auto t = tablica({"a", "b"});
        UrzadzenieZawodne urzadzenie({}, rozmiar_wpisu + 10);
        urzadzenie.open(QIODevice::WriteOnly);
        QVERIFY(!pisz_wpisy(urzadzenie, *t));
    }
};

QTEST_GUILESS_MAIN(TestWpisy)
#include "test_wpisy.moc"
