#include "addressbook/wpisy.h"
#include "register/folder_programu.h"
#include "rekord_wpisu.h"
#include "wspolne/pomocnicze.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

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
        QCOMPARE(plik_programu(u"baza_tytulow.dat"_s), plik(u"baza_tytulow.dat"_s));
    }

    void init() {
        for (const QString& nazwa : QDir(katalog_.path()).entryList(QDir::Files))
            QFile::remove(plik(nazwa));
    }

    void pierwsza_wielka_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("mała ASCII") << u"warszawa"_s << u"Warszawa"_s;
        QTest::newRow("jedna litera") << u"a"_s << u"A"_s;
        QTest::newRow("z") << u"zenon"_s << u"Zenon"_s;
        QTest::newRow("polska litera zostaje") << u"łódź"_s << u"łódź"_s;
        QTest::newRow("ą zostaje") << u"ąb"_s << u"ąb"_s;
        QTest::newRow("wielka zostaje") << u"Adam"_s << u"Adam"_s;
        QTest::newRow("tylko pierwsza") << u"jan kowalski"_s << u"Jan kowalski"_s;
        QTest::newRow("cyfra") << u"1 maja"_s << u"1 maja"_s;
        QTest::newRow("spacja na początku") << u" adam"_s << u" adam"_s;
        QTest::newRow("znak przed a") << u"`a"_s << u"`a"_s;
        QTest::newRow("znak po z") << u"{a"_s << u"{a"_s;
        QTest::newRow("pusty") << QString() << QString();
    }
    void pierwsza_wielka() {
        QFETCH(QString, tekst);
        QFETCH(QString, wynik);
        QCOMPARE(::pierwsza_wielka(tekst), wynik);
    }

    void rekord_recznie_ulozony() {
        const QByteArray wzor = rekord(w1250("Łódź Sp. z o.o."), "ul. Długa 1", "1 ", "1020 555 ");
        QCOMPARE(wzor.size(), rozmiar_wpisu);
        auto t = std::make_unique<TablicaWpisow>();
        czytaj(wzor, *t);
        QCOMPARE(t->ilosc_el_w_bazie(), 1);
        const Twpis_bazy& w = (*t)[1];
        QCOMPARE(w.nazwa1.na_unicode(), u"Łódź Sp. z o.o."_s);
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
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), dane);
        auto t = std::make_unique<TablicaWpisow>();
        (*t)[wpisow + 1].nazwa1 = "poprzednia księga";
        const WynikOdczytu w = otwieranie_bazy(u"baza_odbiorcow.dat"_s, *t);
        QCOMPARE(w.stan, WynikOdczytu::ok);
        QVERIFY(!w.za_duzo);
        QCOMPARE(t->ilosc_el_w_bazie(), wpisow);
        // nothing past the book stays in the table to come back on the next addition
        QVERIFY((*t)[wpisow + 1].pusty());
        QVERIFY((*t)[wpisow + 2].pusty());
    }

    void brak_pliku_i_pusty_zapis() {
        auto t = tablica({"stara"});
        QCOMPARE(otwieranie_bazy(u"baza_nadawcow.dat"_s, *t).stan, WynikOdczytu::brak_pliku);
        QCOMPARE(t->ilosc_el_w_bazie(), 0);
        QVERIFY(zapis_do_pliku_bazy(u"baza_nadawcow.dat"_s, *t));
        QVERIFY(QFile::exists(plik(u"baza_nadawcow.dat"_s)));
        QCOMPARE(czytaj_plik(plik(u"baza_nadawcow.dat"_s)).size(), 0);
    }

    void blad_odczytu_w_polowie() {
        const QByteArray dane = rekord("pierwszy") + rekord("drugi") + rekord("trzeci");
        UrzadzenieZawodne urzadzenie(dane, rozmiar_wpisu + 100);
        urzadzenie.open(QIODevice::ReadOnly);
        auto t = tablica({"a", "b", "c", "d"});
        const WynikOdczytu w = czytaj_wpisy(urzadzenie, *t);
        QCOMPARE(w.stan, WynikOdczytu::blad_odczytu);
        QCOMPARE(pierwsze_linie(*t), QStringList{u"pierwszy"_s});
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
        QVERIFY(!t->dodanie_elementu(Twpis_bazy::z_tekstow(u"tysiąc pierwszy"_s)));
        QCOMPARE(t->ilosc_el_w_bazie(), 1000);
    }

    void sortowanie_data() {
        QTest::addColumn<QStringList>("przed");
        QTest::addColumn<QStringList>("po");
        // Wielkość liter bez znaczenia: równe zostają w swojej kolejności.
        QTest::newRow("polski alfabet")
            << QStringList{u"beta"_s, u"Alfa"_s, u"alfa"_s, u"Łąka"_s, u"Zenon"_s, u"lato"_s}
            << QStringList{u"Alfa"_s, u"alfa"_s, u"beta"_s, u"lato"_s, u"Łąka"_s, u"Zenon"_s};
        QTest::newRow("litery z ogonkami po swoich bazowych")
            << QStringList{u"Żaba"_s,   u"Źdźbło"_s, u"Zupa"_s,  u"Ćma"_s, u"Cyrk"_s,
                           u"Ósemka"_s, u"Owca"_s,   u"Śruba"_s, u"Sowa"_s}
            << QStringList{u"Cyrk"_s,  u"Ćma"_s,  u"Owca"_s,   u"Ósemka"_s, u"Sowa"_s,
                           u"Śruba"_s, u"Zupa"_s, u"Źdźbło"_s, u"Żaba"_s};
        QTest::newRow("przedrostek pierwszy")
            << QStringList{u"Nowak Jan"_s, u"Nowak"_s} << QStringList{u"Nowak"_s, u"Nowak Jan"_s};
        QTest::newRow("pusta pierwsza linia staje się spacją")
            << QStringList{QString(), u"Bank"_s, u"1 Maja"_s}
            << QStringList{u" "_s, u"1 Maja"_s, u"Bank"_s};
        // the walk fills in only a line it stands on, so one that arrives at the
        // top in the last step stays empty, though it still sorts first
        QTest::newRow("pusta dochodzi na początek w ostatnim kroku")
            << QStringList{u"1 Maja"_s, u"Bank"_s, QString()}
            << QStringList{QString(), u"1 Maja"_s, u"Bank"_s};
        QTest::newRow("jeden wpis bez zmian") << QStringList{QString()} << QStringList{QString()};
    }
    void sortowanie() {
        QFETCH(QStringList, przed);
        QFETCH(QStringList, po);
        auto t = std::make_unique<TablicaWpisow>();
        for (const QString& linia : przed)
            t->dodanie_elementu(Twpis_bazy::z_tekstow(linia, u"x"_s));
        t->sortowanie_listy();
        QCOMPARE(pierwsze_linie(*t), po);
    }

    void sortowanie_zachowuje_kolejnosc_rownych() {
        auto t = std::make_unique<TablicaWpisow>();
        for (const char* druga : {"pierwszy", "drugi", "trzeci"}) {
            t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Kowalski"_s, QString::fromUtf8(druga)));
            t->dodanie_elementu(Twpis_bazy::z_tekstow(u"Adamski"_s, QString::fromUtf8(druga)));
        }
        t->sortowanie_listy();
        QStringList drugie;
        for (int i = 1; i <= 6; ++i)
            drugie << (*t)[i].nazwa1.na_unicode() + u'/' + (*t)[i].nazwa2.na_unicode();
        QCOMPARE(drugie,
                 (QStringList{u"Adamski/pierwszy"_s, u"Adamski/drugi"_s, u"Adamski/trzeci"_s,
                              u"Kowalski/pierwszy"_s, u"Kowalski/drugi"_s, u"Kowalski/trzeci"_s}));
    }

    void usuwanie_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QStringList>("zostaje");
        QTest::newRow("ostatni") << 3 << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("pierwszy") << 1 << QStringList{u"b"_s, u"c"_s};
        QTest::newRow("nic zaznaczone") << 4 << QStringList{u"a"_s, u"b"_s, u"c"_s};
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
        Twpis_bazy bez_linii = Twpis_bazy::z_tekstow({}, {}, u"12"_s, u"1020 5558"_s);
        QVERIFY(t->dodanie_elementu(bez_linii));
        QCOMPARE(t->ilosc_el_w_bazie(), 1);
        QVERIFY(zapis_do_pliku_bazy(u"baza_odbiorcow.dat"_s, *t));
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)).size(), rozmiar_wpisu);
    }

    void edycja_tylko_w_ksiedze() {
        auto t = tablica({"a", "b"});
        t->wyedytowanie_elementu(3, Twpis_bazy::z_tekstow(u"poza"_s));
        QCOMPARE(pierwsze_linie(*t), (QStringList{u"a"_s, u"b"_s}));
        t->wyedytowanie_elementu(2, Twpis_bazy::z_tekstow(u"B"_s));
        QCOMPARE(pierwsze_linie(*t), (QStringList{u"a"_s, u"B"_s}));
    }

    void konto_nadawcy_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("nr_banku");
        QTest::addColumn<QString>("nr_rach");
        QTest::addColumn<QString>("konto");
        QTest::newRow("pełne") << u"12"_s << u"1020 5558"_s << u"1111 2222 3333 4444"_s
                               << u"12 1020 5558 1111 2222 3333 4444"_s;
        QTest::newRow("puste pola")
            << u"  "_s << u"         "_s << QString(19, u' ') << QString(32, u' ');
        QTest::newRow("księga tytułów") << QString() << QString() << QString() << u"  "_s;
    }
    void konto_nadawcy() {
        QFETCH(QString, lk);
        QFETCH(QString, nr_banku);
        QFETCH(QString, nr_rach);
        QFETCH(QString, konto);
        QCOMPARE(::konto_nadawcy(Twpis_bazy::z_tekstow(u"N"_s, {}, lk, nr_banku, nr_rach)), konto);
    }

    void dopisanie_tnie_do_pojemnosci() {
        const QString dluga = QString(120, u'a') + QString(80, u'ż');
        const WynikDopisania w = dopisz_do_bazy(RodzajBazy::nadawcy, dluga, u"cd."_s, u"123"_s,
                                                u"1020 5558 9"_s, u"1111 2222 3333 4444 55"_s);
        QVERIFY(w.zapisany);
        const QByteArray dane = czytaj_plik(plik(u"baza_nadawcow.dat"_s));
        QCOMPARE(dane.size(), rozmiar_wpisu);
        QCOMPARE(dane.left(151), slot(std::string(120, 'a') + std::string(30, '\xBF'), 150));
        QCOMPARE(dane.mid(302),
                 slot("12", 2) + slot("1020 5558", 9) + slot("1111 2222 3333 4444", 19));
    }

    void dopisanie_sortuje() {
        zapisz_plik(plik(u"baza_tytulow.dat"_s),
                    rekord("Czynsz", "", "", "", "") + rekord(w1250("Prąd"), "", "", "", ""));
        const WynikDopisania w = dopisz_do_bazy(RodzajBazy::tytuly, u"Gaz"_s, u"za marzec"_s);
        QVERIFY(w.zapisany);
        QCOMPARE(czytaj_plik(plik(u"baza_tytulow.dat"_s)),
                 rekord("Czynsz", "", "", "", "") + rekord("Gaz", "za marzec", "", "", "") +
                     rekord(w1250("Prąd"), "", "", "", ""));
    }

    void dopisanie_tytulu_po_odrzuconej_ksiedze_odbiorcow() {
        const QByteArray odbiorcy = rekord("Odbiorca A") + rekord("Odbiorca B");
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), odbiorcy);
        // the address-book window loaded the recipients, the user added one and cancelled
        TablicaWpisow okna;
        otwieranie_bazy(plik_bazy(RodzajBazy::odbiorcy), okna);
        okna.dodanie_elementu(Twpis_bazy::z_tekstow(u"Niezapisany"_s));

        QVERIFY(dopisz_do_bazy(RodzajBazy::tytuly, u"Abonament"_s).zapisany);
        QCOMPARE(czytaj_plik(plik(u"baza_tytulow.dat"_s)), rekord("Abonament", "", "", "", ""));
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)), odbiorcy);
    }

    void dopisanie_do_pelnej_ksiegi() {
        QByteArray dane;
        for (int i = 0; i < 1001; ++i) dane += rekord(std::to_string(i));
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), dane);
        const WynikDopisania w = dopisz_do_bazy(RodzajBazy::odbiorcy, u"Nowy"_s);
        QVERIFY(w.odczyt.za_duzo);
        QVERIFY(w.pelna);
        QVERIFY(!w.zapisany);
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)), dane);
    }

    void dopisanie_do_nieczytelnej_ksiegi() {
        // a book that cannot be read is not replaced by the one new entry
        QVERIFY(QDir(katalog_.path()).mkdir(u"baza_nadawcow.dat"_s));
        const WynikDopisania w = dopisz_do_bazy(RodzajBazy::nadawcy, u"Nowy"_s);
        QCOMPARE(w.odczyt.stan, WynikOdczytu::blad_odczytu);
        QVERIFY(!w.zapisany);
        QVERIFY(QFileInfo(plik(u"baza_nadawcow.dat"_s)).isDir());
        QVERIFY(QDir(katalog_.path()).rmdir(u"baza_nadawcow.dat"_s));
    }

    void nieudany_zapis_zostawia_stary_plik() {
        const QString sciezka = plik(u"baza_odbiorcow.dat"_s);
        const QByteArray stare = rekord("Stary");
        zapisz_plik(sciezka, stare);
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        const WynikDopisania w = dopisz_do_bazy(RodzajBazy::odbiorcy, u"Nowy"_s);
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(w.odczyt.stan, WynikOdczytu::ok);
        QVERIFY(!w.zapisany);
        QCOMPARE(czytaj_plik(sciezka), stare);
        QCOMPARE(QDir(katalog_.path()).entryList(QDir::Files),
                 QStringList{u"baza_odbiorcow.dat"_s});
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
