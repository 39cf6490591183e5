// The order's field table and the "changed?" question asked when an edited
// order is saved.
#include "register/pola_przelewu.h"
#include "register/przelew.h"
#include "wspolne/rdzen.h"

#include <QTest>

#include <functional>
#include <set>

using namespace Qt::StringLiterals;

namespace {

Tprzelew pelny() {
    Tprzelew p = przelew("Zenon", "12", "50", "Czynsz", "15.03.2008");
    p.nazwa_odbiorcy2 = "ul. Polna 1";
    p.lk = "45";
    p.nr_banku_odbiorcy = "1020 5558";
    p.nr_rach_odbiorcy = "1111 2222 3333 4444";
    p.nr_rach_nadawcy = "88 5678 9012 3456 7890 1234 5678";
    p.nazwa_nadawcy1 = "Jan";
    p.nazwa_nadawcy2 = "Kowalski";
    p.tytulem2 = "marzec";
    p.dodatkowe = "pilne";
    return p;
}

struct Zmiana {
    const char* nazwa;
    std::function<void(Tprzelew&)> zmien;  // written straight into the record
    std::vector<PolePrzelewu> zmienione;
    std::function<void(Tprzelew&)> stary = [](Tprzelew&) {};  // the stored order, before both
};

using P = PolePrzelewu;

// Each change is made on the record's member itself, so a table row pointing
// at the wrong member is caught, not repeated.
const std::vector<Zmiana>& zmiany() {
    static const std::vector<Zmiana> z = {
        {"nic", [](Tprzelew&) {}, {}},
        {"nazwa_odbiorcy1", [](Tprzelew& p) { p.nazwa_odbiorcy1 = "Adam"; }, {P::nazwa_odbiorcy1}},
        {"nazwa_odbiorcy2",
         [](Tprzelew& p) { p.nazwa_odbiorcy2 = "ul. Leśna"; },
         {P::nazwa_odbiorcy2}},
        {"lk", [](Tprzelew& p) { p.lk = "46"; }, {P::lk}},
        {"nr_banku_odbiorcy",
         [](Tprzelew& p) { p.nr_banku_odbiorcy = "1020 5559"; },
         {P::nr_banku_odbiorcy}},
        {"nr_rach_odbiorcy",
         [](Tprzelew& p) { p.nr_rach_odbiorcy = "1111 2222 3333 4445"; },
         {P::nr_rach_odbiorcy}},
        {"kwota", [](Tprzelew& p) { p.kwota = "13"; }, {P::kwota}},
        {"kwota100", [](Tprzelew& p) { p.kwota100 = "51"; }, {P::kwota100}},
        {"data", [](Tprzelew& p) { p.data = "16.03.2008"; }, {P::data}},
        {"nr_rach_nadawcy",
         [](Tprzelew& p) { p.nr_rach_nadawcy = "88 5678 9012 3456 7890 1234 5679"; },
         {P::nr_rach_nadawcy}},
        {"nazwa_nadawcy1", [](Tprzelew& p) { p.nazwa_nadawcy1 = "Ewa"; }, {P::nazwa_nadawcy1}},
        {"nazwa_nadawcy2", [](Tprzelew& p) { p.nazwa_nadawcy2 = "Nowak"; }, {P::nazwa_nadawcy2}},
        {"tytulem1", [](Tprzelew& p) { p.tytulem1 = "Gaz"; }, {P::tytulem1}},
        {"tytulem2", [](Tprzelew& p) { p.tytulem2 = "kwiecień"; }, {P::tytulem2}},
        {"symbol", [](Tprzelew& p) { p.symbol = "51"; }, {P::symbol}},
        {"dodatkowe", [](Tprzelew& p) { p.dodatkowe = "zwykłe"; }, {P::dodatkowe}},
        {"czy_przelew", [](Tprzelew& p) { p.czy_przelew = 0; }, {P::czy_przelew}},
        {"wielka litera to zmiana",
         [](Tprzelew& p) { p.nazwa_odbiorcy1 = "ZENON"; },
         {P::nazwa_odbiorcy1}},
        {"odstep w nazwie to zmiana", [](Tprzelew& p) { p.tytulem1 = "Czynsz "; }, {P::tytulem1}},
        // Masked account texts: blanks around the digits mean nothing.
        {"puste L.k. z odstepami i bez",
         [](Tprzelew& p) { p.lk = ""; },
         {},
         [](Tprzelew& p) { p.lk = "  "; }},
        {"niepelny rachunek z odstepami na koncu",
         [](Tprzelew& p) { p.nr_rach_odbiorcy = "1111 2222 3333 44  "; },
         {},
         [](Tprzelew& p) { p.nr_rach_odbiorcy = "1111 2222 3333 44"; }},
        {"rachunek nadawcy w odstepach",
         [](Tprzelew& p) { p.nr_rach_nadawcy = "  88 5678       "; },
         {},
         [](Tprzelew& p) { p.nr_rach_nadawcy = "88 5678"; }},
        {"odstep w srodku rachunku to zmiana",
         [](Tprzelew& p) { p.nr_banku_odbiorcy = "1020  558"; },
         {P::nr_banku_odbiorcy}},
        // A date of one blank is compared as it stands; whoever opens such a
        // row empties it first.
        {"data jedna spacja wobec pustej",
         [](Tprzelew& p) { p.data = ""; },
         {P::data},
         [](Tprzelew& p) { p.data = " "; }},
        {"dwa pola naraz, w kolejnosci tabeli",
         [](Tprzelew& p) {
             p.czy_przelew = 0;
             p.kwota100 = "00";
         },
         {P::kwota100, P::czy_przelew}},
    };
    return z;
}

}  // namespace

class TestPolaPrzelewu : public QObject {
    Q_OBJECT
  private slots:
    void zmienione_pola_data() {
        QTest::addColumn<int>("nr");
        for (std::size_t i = 0; i < zmiany().size(); ++i)
            QTest::newRow(zmiany()[i].nazwa) << int(i);
    }
    void zmienione_pola() {
        QFETCH(int, nr);
        const Zmiana& z = zmiany()[std::size_t(nr)];
        Tprzelew stary = pelny();
        z.stary(stary);
        Tprzelew nowy = stary;
        z.zmien(nowy);
        QVERIFY(::zmienione_pola(stary, nowy) == z.zmienione);
        QCOMPARE(przelew_zmieniony(stary, nowy), !z.zmienione.empty());
        // The question is the same whichever side is the stored one.
        QVERIFY(::zmienione_pola(nowy, stary) == z.zmienione);
    }

    // Blank L.k. stored as two blanks and as nothing is the same L.k.
    void puste_konto_w_obu_postaciach() {
        Tprzelew a = pelny(), b = pelny();
        a.lk = "  ";
        b.lk = "";
        a.nr_rach_nadawcy = std::string(32, ' ');
        b.nr_rach_nadawcy = "";
        QVERIFY(!przelew_zmieniony(a, b));
    }

    // Every text of the record is in the table once, with its capacity; a
    // longer text is cut to it, and a text cut the same way is no change.
    void tabela_i_pojemnosci() {
        std::set<PolePrzelewu> widziane;
        std::set<std::string_view> nazwy;
        for (const OpisPola& o : pola_tekstowe) {
            QVERIFY(widziane.insert(o.pole).second);
            QVERIFY(nazwy.insert(o.nazwa).second);
            QCOMPARE(&opis_pola(o.pole), &o);
            Tprzelew p;
            o.ustaw_tekst(p, QString(300, u'ż'));
            QCOMPARE(o.bajty(p).size(), o.pojemnosc);
            QCOMPARE(o.tekst(p), QString(qsizetype(o.pojemnosc), u'ż'));
            Tprzelew q;
            o.ustaw_tekst(q, QString(qsizetype(o.pojemnosc) + 1, u'ż'));
            QVERIFY(!przelew_zmieniony(p, q));
        }
        QCOMPARE(widziane.size(), std::size_t(15));
        QVERIFY(!widziane.count(PolePrzelewu::czy_przelew));
        const Tprzelew p = pelny();
        QCOMPARE(opis_pola(PolePrzelewu::data).pojemnosc, decltype(p.data)::pojemnosc);
        QCOMPARE(opis_pola(PolePrzelewu::nr_rach_nadawcy).tekst(p),
                 u"88 5678 9012 3456 7890 1234 5678"_s);
    }

    // Characters the code page cannot hold are dropped, not turned into others.
    void tekst_spoza_strony_kodowej() {
        Tprzelew p;
        opis_pola(PolePrzelewu::tytulem1).ustaw_tekst(p, u"Żółć→€"_s);
        QCOMPARE(p.tytulem1.na_unicode(), u"Żółć€"_s);
    }
};

QTEST_GUILESS_MAIN(TestPolaPrzelewu)
#include "test_pola_przelewu.moc"
