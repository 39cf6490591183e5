#include "printing/formularz.h"
#include "printing/wypelnianie.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Napis {
    double x, y;  // relative to the stub's origin
    QString tekst;
    QString czcionka;
    int rozmiar;
};

bool operator==(const Napis& a, const Napis& b) {
    return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9 && a.tekst == b.tekst &&
           a.czcionka == b.czcionka && a.rozmiar == b.rozmiar;
}

char* toString(const Napis& n) {
    return qstrdup(u"(%1, %2) \"%3\" %4 %5"_s.arg(n.x)
                       .arg(n.y)
                       .arg(n.tekst, n.czcionka)
                       .arg(n.rozmiar)
                       .toUtf8());
}

using Napisy = QList<Napis>;

// One text per cell, 5 mm apart.
Napisy w_kratkach(const QString& znaki, double x0, double y, int rozmiar = 12) {
    Napisy n;
    for (int j = 0; j < znaki.size(); ++j)
        n << Napis{x0 + 5 * j, y, QString(znaki[j]), u"Arial"_s, rozmiar};
    return n;
}

ZmienneDruku zmienne() {
    ZmienneDruku z;
    z.temp_nazwa_odbiorcy1 = u"Odbiorca"_s;
    z.temp_nazwa_odbiorcy2 = u"Odbiorca cd"_s;
    z.temp_lk = u"12"_s;
    z.temp_nr_banku_odbiorcy = u"1020 3040"_s;
    z.temp_nr_rach_odbiorcy = u"1111 2222 3333 4444"_s;
    z.temp_kwota = u"**1234,56"_s;
    z.temp_nr_rach_nadawcy = u"98 7654 3210 1111 2222 3333 4444"_s;
    z.temp_nazwa_nadawcy1 = u"Nadawca"_s;
    z.temp_nazwa_nadawcy2 = u"Nadawca cd"_s;
    z.temp_tytulem1 = u"Tytul"_s;
    z.temp_tytulem2 = u"Tytul cd"_s;
    z.temp_data = u"2024-05-01"_s;
    z.temp_symbol = u"06"_s;
    z.temp_czy_przelew = true;
    return z;
}

UstawieniaWydruku ustawienia(int typ = 1, bool boxes = false) {
    UstawieniaWydruku u;
    u.typ_formularza = typ;
    u.boxes = boxes;
    u.ilosc_odcinkow = 2;
    u.margin_left = 20;
    u.margin_top = 30;
    return u;
}

// The texts uzupelnij_formularz prints into stub 2 (origin 20, 136),
// relative to that origin.
Napisy wypelnij(const UstawieniaWydruku& u, const ZmienneDruku& z) {
    PlotnoNagrywajace p;
    uzupelnij_formularz(p, stan_druku(u), z, 2);
    Napisy n;
    for (const Operacja& o : p.dokument().strony.at(0).operacje) {
        if (o.rodzaj != Operacja::Rodzaj::Tekst) continue;
        n << Napis{o.x1 - 20, o.y1 - 136, o.tekst, o.czcionka.Name, o.czcionka.Size};
    }
    return n;
}

Napisy na_linii(const Napisy& wszystkie, double y) {
    Napisy n;
    for (const Napis& t : wszystkie)
        if (std::abs(t.y - y) < 1e-9) n << t;
    return n;
}

QString* pole(ZmienneDruku& z, int nr) {
    QString* pola[] = {&z.temp_nazwa_odbiorcy1, &z.temp_nazwa_odbiorcy2, &z.temp_nazwa_nadawcy1,
                       &z.temp_nazwa_nadawcy2,  &z.temp_tytulem1,        &z.temp_tytulem2};
    return pola[nr];
}

}  // namespace

class TestWypelnianie : public QObject {
    Q_OBJECT
  private slots:
    void linie_nazw_data() {
        QTest::addColumn<int>("nr");
        QTest::addColumn<double>("y");
        QTest::newRow("nazwa odbiorcy") << 0 << 8.1;
        QTest::newRow("nazwa odbiorcy cd.") << 1 << 16.7;
        QTest::newRow("nazwa zleceniodawcy") << 2 << 50.5;
        QTest::newRow("nazwa zleceniodawcy cd.") << 3 << 59.0;
        QTest::newRow("tytułem") << 4 << 67.5;
        QTest::newRow("tytułem cd.") << 5 << 76.0;
    }

    // A 30-character line: in cells its first 27 characters, without cells
    // the whole text at once.
    void linie_nazw() {
        QFETCH(int, nr);
        QFETCH(double, y);
        ZmienneDruku z = zmienne();
        const QString tekst = u"ABCDEFGHIJ KLMNOPQRST UVWXYZ12"_s;
        *pole(z, nr) = tekst;

        QCOMPARE(na_linii(wypelnij(ustawienia(1, false), z), y),
                 (Napisy{{8.8, y, tekst, u"Arial"_s, 12}}));
        const Napisy kratki = w_kratkach(tekst.left(27), 8.8, y);
        QCOMPARE(na_linii(wypelnij(ustawienia(1, true), z), y), kratki);
        QCOMPARE(kratki.last().x, 8.8 + 26 * 5);
    }

    void kwota_data() {
        QTest::addColumn<bool>("boxes");
        QTest::addColumn<Napisy>("napisy");
        QTest::newRow("bez kratek") << false << Napisy{{86, 33.3, u"**1234,56"_s, u"Arial"_s, 12}};
        QTest::newRow("w kratkach") << true << w_kratkach(u"1234,56"_s, 84, 33.3);
    }

    void kwota() {
        QFETCH(bool, boxes);
        QFETCH(Napisy, napisy);
        QCOMPARE(na_linii(wypelnij(ustawienia(1, boxes), zmienne()), 33.3), napisy);
    }

    void rachunek_odbiorcy_data() {
        QTest::addColumn<QString>("lk");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<QString>("rachunek");
        QTest::addColumn<QString>("komorki");
        QTest::newRow("pelny") << u"12"_s << u"1020 3040"_s << u"1111 2222 3333 4444"_s
                               << u"12102030401111222233334444"_s;
        QTest::newRow("niepelny") << u" 1"_s << u"1020 3   "_s << u"1111 2222 33       "_s
                                  << u" 110203   1111222233      "_s;
        QTest::newRow("pusty") << u"  "_s << QString() << QString() << u"  "_s;
    }

    // Always in cells, even without boxes; the layout's blanks take no cell
    // but a missing digit keeps its place.
    void rachunek_odbiorcy() {
        QFETCH(QString, lk);
        QFETCH(QString, bank);
        QFETCH(QString, rachunek);
        QFETCH(QString, komorki);
        ZmienneDruku z = zmienne();
        z.temp_lk = lk;
        z.temp_nr_banku_odbiorcy = bank;
        z.temp_nr_rach_odbiorcy = rachunek;
        const Napisy n = na_linii(wypelnij(ustawienia(1, false), z), 25.2);
        QCOMPARE(n, w_kratkach(komorki, 8.6, 25.2));
        if (komorki.size() == 26) QCOMPARE(n.last().x, 133.6);
    }

    void linia_zleceniodawcy_data() {
        QTest::addColumn<bool>("przelew");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<Napisy>("napisy");
        QTest::addColumn<double>("znak_x");
        QTest::newRow("przelew") << true << u"98 7654 3210 1111 2222 3333 4444"_s
                                 << w_kratkach(u"98765432101111222233334444"_s, 8.6, 42) << 47.0;
        QTest::newRow("przelew, niepelny rachunek")
            << true << u"98 76  "_s << w_kratkach(u"9876  "_s, 8.6, 42) << 47.0;
        QTest::newRow("wplata slownie")
            << false << u" jed*dwazer*pie* 50/100 "_s
            << Napisy{{8.8, 42, u"jed*dwazer*pie* 50/100"_s, u"Arial"_s, 11}} << 52.8;
    }

    // The sender's account in cells for a transfer, the amount in words for a
    // deposit, and the mark in the W or the P box.
    void linia_zleceniodawcy() {
        QFETCH(bool, przelew);
        QFETCH(QString, tekst);
        QFETCH(Napisy, napisy);
        QFETCH(double, znak_x);
        ZmienneDruku z = zmienne();
        z.temp_czy_przelew = przelew;
        z.temp_nr_rach_nadawcy = tekst;
        const Napisy n = wypelnij(ustawienia(1, true), z);
        QCOMPARE(na_linii(n, 42), napisy);
        QCOMPARE(na_linii(n, 34.4), (Napisy{{znak_x, 34.4, u"X"_s, u"Arial"_s, 16}}));
    }

    void waluta_data_i_symbol_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("drukowane");
        QTest::newRow("kolorowy") << 1 << true;
        QTest::newRow("czarno-bialy") << 2 << true;
        QTest::newRow("oryginalny") << 3 << false;
    }

    // The pre-printed form has its own PLN and symbol.
    void waluta_data_i_symbol() {
        QFETCH(int, typ);
        QFETCH(bool, drukowane);
        const Napisy n = wypelnij(ustawienia(typ), zmienne());
        QCOMPARE(na_linii(n, 34), drukowane ? w_kratkach(u"PLN"_s, 63.2, 34, 14) : Napisy{});
        const Napisy symbol{{135, 83, u"06"_s, u"Arial"_s, 12}};
        QCOMPARE(na_linii(n, 83), drukowane ? symbol : Napisy{});
        QCOMPARE(na_linii(n, 84.5), (Napisy{{8.8, 84.5, u"2024-05-01"_s, u"Arial"_s, 12}}));
    }

    void oplata_data() {
        QTest::addColumn<QString>("oplata");
        QTest::addColumn<QString>("pola");
        QTest::newRow("2,5") << u"2,5"_s << u" 2,50"_s;
        QTest::newRow("12,5") << u"12,5"_s << u"12,50"_s;
        QTest::newRow("0") << u"0"_s << u" 0,00"_s;
        QTest::newRow("2,55") << u"2,55"_s << u" 2,50"_s;
    }

    void oplata() {
        QFETCH(QString, oplata);
        QFETCH(QString, pola);
        UstawieniaWydruku u = ustawienia();
        u.oplata_wart = oplata;
        u.drukuj_oplate = true;
        Napisy oczekiwane;
        const double x[] = {78.1, 83.1, 86.1, 88.1, 93.1};
        for (int i = 0; i < 5; ++i)
            oczekiwane << Napis{x[i], 97.9, QString(pola[i]), u"Courier New"_s, 17};
        QCOMPARE(na_linii(wypelnij(u, zmienne()), 97.9), oczekiwane);

        u.drukuj_oplate = false;
        QCOMPARE(na_linii(wypelnij(u, zmienne()), 97.9), Napisy{});
    }

    void dodatkowe_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("15 znakow") << u"ABCDEFGHIJklmno"_s;
        QTest::newRow("20 znakow") << u"ABCDEFGHIJklmnopqrst"_s;
        QTest::newRow("5 znakow") << u"ABCDE"_s;
    }

    // Ten characters a line, 1.9 mm apart, the second line 3.2 mm lower.
    void dodatkowe() {
        QFETCH(QString, tekst);
        ZmienneDruku z = zmienne();
        z.temp_dodatkowe = tekst;
        const Napisy n = wypelnij(ustawienia(), z);
        Napisy pierwsza, druga;
        for (int j = 0; j < tekst.size(); ++j) {
            (j < 10 ? pierwsza : druga) << Napis{77.6 + 1.9 * (j % 10), j < 10 ? 82.1 : 85.3,
                                                 QString(tekst[j]), u"Courier New"_s, 9};
        }
        QCOMPARE(na_linii(n, 82.1), pierwsza);
        QCOMPARE(na_linii(n, 85.3), druga);
    }

    // The values print in black over the coloured form.
    void wartosci_na_czarno() {
        const StanDruku s = stan_druku(ustawienia(1));
        ZmienneDruku z = zmienne();
        z.temp_dodatkowe = u"dod"_s;
        UstawieniaWydruku u = ustawienia(1);
        u.drukuj_oplate = true;
        PlotnoNagrywajace p;
        rysuj_formularze(p, s, 1);
        const qsizetype formularz = p.dokument().strony.at(0).operacje.size();
        uzupelnij_formularz(p, stan_druku(u), z, 1);
        const QList<Operacja> wartosci = p.dokument().strony.at(0).operacje.mid(formularz);
        QVERIFY(wartosci.size() > 50);
        for (const Operacja& o : wartosci) QCOMPARE(o.czcionka.Color, kolory::czarny);
    }

    void strony_data() {
        QTest::addColumn<QString>("uklad");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("typ");
        QTest::addColumn<QList<QPointF>>("strona1");  // stub origins, in order
        QTest::addColumn<QList<QPointF>>("strona2");
        using L = QList<QPointF>;
        QTest::newRow("pionowo 1") << u"portrait"_s << 1 << 1 << L{{20, 30}} << L{};
        QTest::newRow("pionowo 2") << u"portrait"_s << 2 << 2 << L{{20, 30}, {20, 136}} << L{};
        QTest::newRow("pionowo 4")
            << u"portrait"_s << 4 << 1 << L{{20, 30}, {20, 136}} << L{{20, 30}, {20, 136}};
        QTest::newRow("pionowo 4 oryginalny")
            << u"portrait"_s << 4 << 3 << L{{20, 30}, {20, 136}} << L{{20, 30}, {20, 136}};
        QTest::newRow("poziomo 1") << u"landscape"_s << 1 << 1 << L{{0, 0}} << L{};
        QTest::newRow("poziomo 2") << u"landscape"_s << 2 << 1 << L{{20, 0}, {20, 106}} << L{};
        QTest::newRow("poziomo 4")
            << u"landscape"_s << 4 << 2 << L{{0, 0}, {0, 106}, {150, 0}, {150, 106}} << L{};
    }

    // Where the stubs land and which copy each is; a pre-printed form gets
    // no shape and no title at all.
    void strony() {
        QFETCH(QString, uklad);
        QFETCH(int, n);
        QFETCH(int, typ);
        QFETCH(QList<QPointF>, strona1);
        QFETCH(QList<QPointF>, strona2);
        UstawieniaWydruku u = ustawienia(typ);
        u.uklad_strony = uklad;
        u.ilosc_odcinkow = n;
        const StanDruku s = stan_druku(u);
        const Dokument d = generuj_wydruk(s, zmienne());
        QCOMPARE(d.orientacja, s.orientacja);
        QCOMPARE(d.strony.size(), strona2.isEmpty() ? 1 : 2);

        const QStringList wszystkie_tytuly{
            u"Odcinek dla zleceniodawcy"_s, u"Odcinek dla banku zleceniodawcy"_s,
            u"Odcinek dla odbiorcy"_s, u"Odcinek dla banku odbiorcy"_s};
        int stub = 0;
        for (qsizetype nr = 0; nr < d.strony.size(); ++nr) {
            QList<QPointF> znaki;  // the order-kind mark lies at 47, 34.4 from each origin
            // Columns of upright characters, 1.6 mm apart, with where they start.
            QList<std::pair<QPointF, QString>> kolumny;
            bool ksztalty = false;
            for (const Operacja& o : d.strony[nr].operacje) {
                if (o.rodzaj == Operacja::Rodzaj::Tekst && o.tekst == u"X" && o.czcionka.Size == 16)
                    znaki << QPointF(o.x1 - 47, o.y1 - 34.4);
                if (o.rodzaj == Operacja::Rodzaj::TekstWysrodkowany) {
                    const bool dalej = !kolumny.isEmpty() &&
                                       std::abs(kolumny.last().first.x() - o.x1) < 1e-9 &&
                                       std::abs(kolumny.last().first.y() +
                                                1.6 * kolumny.last().second.size() - o.y1) < 1e-9;
                    if (dalej)
                        kolumny.last().second += o.tekst;
                    else
                        kolumny.append({QPointF(o.x1, o.y1), o.tekst});
                }
                if (o.rodzaj != Operacja::Rodzaj::Tekst &&
                    o.rodzaj != Operacja::Rodzaj::TekstWysrodkowany)
                    ksztalty = true;
            }
            const QList<QPointF>& oczekiwane = nr == 0 ? strona1 : strona2;
            auto zgodne = [](QPointF a, QPointF b) {
                return std::abs(a.x() - b.x()) < 1e-9 && std::abs(a.y() - b.y()) < 1e-9;
            };
            QCOMPARE(znaki.size(), oczekiwane.size());
            for (qsizetype i = 0; i < znaki.size(); ++i)
                QVERIFY2(
                    zgodne(znaki[i], oczekiwane[i]),
                    qPrintable(
                        u"odcinek %1 w (%2, %3)"_s.arg(i + 1).arg(znaki[i].x()).arg(znaki[i].y())));
            QCOMPARE(ksztalty, typ != 3);
            if (typ == 3) {
                QVERIFY(kolumny.isEmpty());
            } else {
                // Per stub: the form's title at 3, 12 and the copy's title at 146, 17.
                QCOMPARE(kolumny.size(), 2 * oczekiwane.size());
                for (qsizetype i = 0; i < oczekiwane.size(); ++i) {
                    QCOMPARE(kolumny[2 * i].second, u"Polecenie przelewu / wpłata gotówkowa"_s);
                    QVERIFY(zgodne(kolumny[2 * i].first, oczekiwane[i] + QPointF(3, 12)));
                    QCOMPARE(kolumny[2 * i + 1].second, wszystkie_tytuly[stub + i]);
                    QVERIFY(zgodne(kolumny[2 * i + 1].first, oczekiwane[i] + QPointF(146, 17)));
                }
            }
            stub += static_cast<int>(oczekiwane.size());
        }
    }

    void wielkie_litery() {
        ZmienneDruku z = zmienne();
        z.temp_nazwa_odbiorcy1 = u"Łódź"_s;
        z.temp_nazwa_odbiorcy2 = u"ąę"_s;
        z.temp_nazwa_nadawcy1 = u"żółw"_s;
        z.temp_nazwa_nadawcy2 = u"ść"_s;
        z.temp_tytulem1 = u"opłata"_s;
        z.temp_tytulem2 = u"za maj"_s;
        z.temp_czy_przelew = false;
        z.temp_nr_rach_nadawcy = u"jed*dwa 05/100"_s;
        z.temp_data = u"1 maj"_s;
        z.temp_dodatkowe = u"abc"_s;

        for (bool capitals : {true, false}) {
            UstawieniaWydruku u = ustawienia(3);
            u.capitals = capitals;
            u.ilosc_odcinkow = 1;
            const Dokument d = generuj_wydruk(stan_druku(u), z);
            QStringList teksty;
            for (const Operacja& o : d.strony.at(0).operacje) teksty << o.tekst;
            const QStringList nazwy =
                capitals
                    ? QStringList{u"ŁÓDŹ"_s, u"ĄĘ"_s, u"ŻÓŁW"_s, u"ŚĆ"_s, u"OPŁATA"_s, u"ZA MAJ"_s}
                    : QStringList{u"Łódź"_s, u"ąę"_s, u"żółw"_s, u"ść"_s, u"opłata"_s, u"za maj"_s};
            for (const QString& t : nazwy) QVERIFY2(teksty.contains(t), qPrintable(t));
            for (const QString& t : {u"jed*dwa 05/100"_s, u"1 maj"_s, u"a"_s, u"b"_s, u"c"_s})
                QVERIFY2(teksty.contains(t), qPrintable(t));
        }
    }
};

QTEST_GUILESS_MAIN(TestWypelnianie)
#include "test_wypelnianie.moc"
