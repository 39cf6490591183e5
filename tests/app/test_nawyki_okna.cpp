// The habits of a desktop program in the main window: recent files and the
// window's place across starts, find, the sort arrow, mnemonics, dropping a file.
#include "app/filtr_listy.h"
#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "app/start.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "register/rejestr.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

void zapisz_kolekcje(const QString& sciezka, std::initializer_list<Tprzelew> wiersze) {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (const auto& w : wiersze) t->dopisz(w);
    QVERIFY(zapisz_przelewy(sciezka, *t, t->ilosc_el()));
}

QStringList widoczne(Tglowne_okno& okno, int k) {
    QStringList wynik;
    for (int i = 0; i < okno.filtr_listy->rowCount(); ++i)
        wynik << okno.filtr_listy->index(i, k).data().toString();
    return wynik;
}

QStringList pozycje_ostatnich(Tglowne_okno& okno) {
    okno.odswiez_menu_ostatnich();
    QStringList wynik;
    for (QAction* a : okno.menu_ostatnich->actions())
        if (!a->isSeparator())
            wynik << (a->isEnabled() ? u""_s : u"(szary) "_s) + a->text().section(u"  ("_s, 0, 0);
    return wynik;
}

std::unique_ptr<QMimeData> plik_do_upuszczenia(const QStringList& sciezki) {
    auto dane = std::make_unique<QMimeData>();
    QList<QUrl> adresy;
    for (const QString& s : sciezki) adresy << QUrl::fromLocalFile(s);
    dane->setUrls(adresy);
    return dane;
}

}  // namespace

class TestNawykiOkna : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

    QString sciezka(const QString& nazwa) const { return katalog_.filePath(nazwa); }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        sprawdzaj_aktualizacje_przy_starcie(false);
        zapisz_kolekcje(sciezka(u"a.p2"_s), {przelew("Alfa")});
        zapisz_kolekcje(sciezka(u"b.p2"_s), {przelew("Beta")});
        zapisz_kolekcje(sciezka(u"z & ampersandem.p2"_s), {przelew("Gamma")});
    }

    void init() {
        MagazynUstawien::ustaw_plik(sciezka(u"ustawienia.ini"_s));
        QFile::remove(sciezka(u"ustawienia.ini"_s));
        zapisz_plik(sciezka(u"ustawienia.ini"_s), "[General]\nFirstRun=false\n");
    }

    void ostatnie_pliki_przez_dwa_starty() {
        SeamDialogow seam;
        {
            Tglowne_okno okno;
            QCOMPARE(pozycje_ostatnich(okno),
                     (QStringList{u"(szary) (&brak)"_s, u"(szary) &Wyczyść listę"_s}));
            for (const QString& n : {u"a.p2"_s, u"z & ampersandem.p2"_s, u"b.p2"_s}) {
                Dialogi::Test::wybierz_plik(sciezka(n));
                okno.FileOpen1->trigger();
            }
            // Saving under a new name puts that name first too.
            Dialogi::Test::wybierz_plik(sciezka(u"c.p2"_s));
            QVERIFY(okno.FileSaveAs1Execute());
        }
        QFile::remove(sciezka(u"a.p2"_s));
        Tglowne_okno okno;
        QCOMPARE(pozycje_ostatnich(okno),
                 (QStringList{u"&1  c.p2"_s, u"&2  b.p2"_s, u"&3  z && ampersandem.p2"_s,
                              u"(szary) &4  a.p2"_s, u"&Wyczyść listę"_s}));
        // A recent file opens as "Otwórz" would, asking first about changes.
        okno.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Anuluj);
        okno.menu_ostatnich->actions().at(2)->trigger();
        QCOMPARE(okno.ilosc_el(), 0);
        okno.rejestr.ustaw_zmieniony(false);
        okno.menu_ostatnich->actions().at(2)->trigger();
        QCOMPARE(okno.rejestr.przelew(1).nazwa_odbiorcy1, "Gamma");
        QCOMPARE(pozycje_ostatnich(okno).constFirst(), u"&1  z && ampersandem.p2"_s);

        okno.menu_ostatnich->actions().constLast()->trigger();
        Tglowne_okno trzecie;
        QCOMPARE(pozycje_ostatnich(trzecie).size(), 2);
        zapisz_kolekcje(sciezka(u"a.p2"_s), {przelew("Alfa")});
    }

    void polozenie_przez_dwa_starty() {
        QRect polozenie;
        int szerokosc_tytulu = 0;
        {
            Tglowne_okno okno;
            okno.show();
            QVERIFY(QTest::qWaitForWindowExposed(&okno));
            okno.setGeometry(40, 50, 800, 500);
            okno.ListView->setColumnWidth(1, 333);
            polozenie = okno.geometry();
            szerokosc_tytulu = okno.ListView->columnWidth(1);
            okno.close();
        }
        Tglowne_okno okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QCOMPARE(okno.geometry(), polozenie);
        QCOMPARE(okno.ListView->columnWidth(1), szerokosc_tytulu);
        // The arrow of a sort made then does not come back over another list.
        QCOMPARE(okno.ListView->header()->sortIndicatorSection(), -1);
    }

    void szukanie_skladane_po_polsku() {
        SeamDialogow seam;
        Tglowne_okno okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        for (const char* n : {"Zakład Energetyczny Łódź", "Wodociągi Kraków", "Kraków Łódzka 5"})
            okno.rejestr.dopisz(przelew(n, "12", "50"));
        okno.rejestr.dopisz(przelew("Inny", "120", "50", "czynsz"));
        QVERIFY(!okno.pasek_szukania->isVisible());
        okno.ListView->setFocus();
        QTest::keyClick(okno.ListView, Qt::Key_Slash);
        QVERIFY(okno.pasek_szukania->isVisible());
        QVERIFY(okno.pole_szukania->hasFocus());
        QTest::keyClicks(okno.pole_szukania, u"lodz"_s);
        QCOMPARE(widoczne(okno, 0),
                 (QStringList{u"Zakład Energetyczny Łódź"_s, u"Kraków Łódzka 5"_s}));
        QCOMPARE(okno.l_znalezione->text(), u"2 z 4 przelewów"_s);
        QVERIFY(okno.l_znalezione->isVisible());

        // Commands act on the order under the cursor, not on the line's number.
        QTest::keyClick(okno.pole_szukania, Qt::Key_Down);
        QVERIFY(okno.ListView->hasFocus());
        QTest::keyClick(okno.ListView, Qt::Key_Down);
        QCOMPARE(okno.zaznaczony_el(), 3);
        QCOMPARE(okno.zaznaczone_el(), QList<int>{3});
        QTest::keyClick(okno.ListView, Qt::Key_Delete);
        QCOMPARE(okno.ilosc_el(), 3);
        QCOMPARE(widoczne(okno, 0), QStringList{u"Zakład Energetyczny Łódź"_s});
        QCOMPARE(okno.l_znalezione->text(), u"1 z 3 przelewów"_s);
        okno.zaznacz_wiersz(3);  // filtered out: nothing is selected
        QCOMPARE(okno.zaznaczony_el(), 4);
        okno.zaznacz_wiersz(1);
        QCOMPARE(okno.zaznaczony_el(), 1);

        // A new order that matches shows at once; one that does not, stays hidden.
        okno.rejestr.dopisz(przelew("Łódź Fabryczna"));
        okno.rejestr.dopisz(przelew("Gdynia"));
        QCOMPARE(okno.l_znalezione->text(), u"2 z 5 przelewów"_s);

        // Amounts and the decimal point the user types.
        okno.pole_szukania->setText(u"120.5"_s);
        QCOMPARE(widoczne(okno, 0), QStringList{u"Inny"_s});

        okno.pole_szukania->setFocus();
        QTest::keyClick(okno.pole_szukania, Qt::Key_Escape);
        QVERIFY(!okno.pasek_szukania->isVisible());
        QVERIFY(okno.pole_szukania->text().isEmpty());
        QCOMPARE(okno.filtr_listy->rowCount(), 5);
        QVERIFY(!okno.l_znalezione->isVisible());
        QVERIFY(okno.ListView->hasFocus());
        okno.rejestr.ustaw_zmieniony(false);
    }

    // The filter keeps each row's folded text and skips rows a shorter text
    // already hid. After every step the visible rows must be exactly those a
    // fresh comparison of the register's orders finds.
    void filtr_nadaza_za_zmianami_data() {
        QTest::addColumn<QStringList>("kroki");
        // t:text typed, e:N:name order N renamed, d:name appended, u:N order N
        // deleted, s:K sorted by column K.
        QTest::newRow("dłuższy tekst zawęża, krótszy poszerza") << QStringList{
            u"t:lo"_s, u"t:lod"_s, u"t:lodz"_s, u"t:lod"_s, u"t:lodk"_s, u"t:l"_s, u"t:"_s};
        QTest::newRow("ukryty wiersz zmieniony tak, że pasuje")
            << QStringList{u"t:lodz"_s, u"e:2:Łódź Kaliska"_s, u"t:lodz k"_s, u"e:1:Gdańsk"_s};
        QTest::newRow("wiersz zmieniony między literami")
            << QStringList{u"t:kr"_s, u"e:3:Krosno"_s, u"t:kro"_s, u"e:3:Gdynia"_s, u"t:kros"_s};
        QTest::newRow("dopisany, usunięty, posortowany") << QStringList{
            u"t:ó"_s, u"d:Opole Kółko"_s, u"t:ół"_s,        u"u:1"_s,      u"t:ółk"_s,
            u"s:0"_s, u"t:ó"_s,           u"e:1:Żółkiew"_s, u"t:zolkiew"_s};
        QTest::newRow("cyfry i kwota")
            << QStringList{u"t:12"_s, u"t:120"_s, u"t:120,"_s, u"t:120.5"_s, u"t:1"_s, u"t:1 2"_s};
    }
    void filtr_nadaza_za_zmianami() {
        QFETCH(QStringList, kroki);
        Rejestr rejestr;
        for (const char* n : {"Zakład Energetyczny Łódź", "Wodociągi Kraków", "Kraków Łódzka 5"})
            rejestr.dopisz(przelew(n, "12", "50"));
        rejestr.dopisz(przelew("Inny", "120", "50", "czynsz"));
        ModelListyPrzelewow model(rejestr);
        FiltrListy filtr(rejestr);
        filtr.setSourceModel(&model);
        QString tekst;
        for (const QString& krok : std::as_const(kroki)) {
            const QString arg = krok.mid(2);
            switch (krok.front().unicode()) {
                case u't':
                    tekst = arg;
                    filtr.ustaw_tekst(tekst);
                    break;
                case u'e': {
                    const int nr = arg.section(u':', 0, 0).toInt();
                    Tprzelew p = rejestr.przelew(nr);
                    p.nazwa_odbiorcy1 = Tekst<150>(w1250(qPrintable(arg.section(u':', 1))));
                    rejestr.zmien_wiersz(nr, p);
                    break;
                }
                case u'd':
                    rejestr.dopisz(przelew(qPrintable(arg)));
                    break;
                case u'u':
                    rejestr.usun({arg.toInt()});
                    break;
                case u's':
                    rejestr.sortuj(arg.toInt());
                    break;
            }
            const WzorzecSzukania wzorzec(tekst);
            QList<int> oczekiwane, widoczne;
            for (int nr = 1; nr <= rejestr.ilosc(); ++nr)
                if (pasuje_do_wzorca(rejestr.przelew(nr), wzorzec)) oczekiwane << nr;
            for (int i = 0; i < filtr.rowCount(); ++i)
                widoczne << filtr.mapToSource(filtr.index(i, 0)).row() + 1;
            QVERIFY2(widoczne == oczekiwane, qPrintable(krok));
        }
    }

    void skrot_szukania_bez_kolizji() {
        Tglowne_okno okno;
        QSet<QKeySequence> skroty;
        for (QAction* a : okno.findChildren<QAction*>()) {
            for (const QKeySequence& k : a->shortcuts()) {
                QVERIFY2(!skroty.contains(k), qPrintable(k.toString()));
                skroty.insert(k);
            }
        }
        QVERIFY(!okno.Znajdz1->shortcut().isEmpty());
    }

    void strzalka_sortu() {
        Tglowne_okno okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        for (const char* k : {"5", "120", "30"}) okno.rejestr.dopisz(przelew("a", k));
        QHeaderView* naglowek = okno.ListView->header();
        naglowek->sectionClicked(3);
        QCOMPARE(naglowek->sortIndicatorSection(), 3);
        QCOMPARE(naglowek->sortIndicatorOrder(), Qt::DescendingOrder);

        // Largest first reads as an arrow pointing down: wider at its top.
        const QRect sekcja(naglowek->sectionViewportPosition(3), 0, naglowek->sectionSize(3),
                           naglowek->height());
        const QImage obraz = naglowek->viewport()->grab(sekcja).toImage();
        const QColor tlo = obraz.pixelColor(obraz.width() / 2, obraz.height() / 2);
        int gora = -1, szer_gory = 0, szer_dolu = 0;
        for (int y = 2; y < obraz.height() - 2; ++y) {
            int ciemnych = 0;
            // The caption is right-aligned before it: the arrow has the section's end.
            for (int x = obraz.width() * 5 / 6; x < obraz.width() - 2; ++x)
                if (qGray(obraz.pixel(x, y)) < qGray(tlo.rgb()) - 40) ++ciemnych;
            if (ciemnych == 0) continue;
            if (gora < 0) {
                gora = y;
                szer_gory = ciemnych;
            }
            szer_dolu = ciemnych;
        }
        QVERIFY2(gora >= 0, "no arrow drawn");
        QVERIFY2(szer_gory > szer_dolu, qPrintable(u"%1 %2"_s.arg(szer_gory).arg(szer_dolu)));

        // An order that keeps the order keeps the arrow; one that breaks it ends it.
        okno.rejestr.dopisz(przelew("b", "1"));
        QCOMPARE(naglowek->sortIndicatorSection(), 3);
        okno.rejestr.dopisz(przelew("c", "500"));
        QCOMPARE(naglowek->sortIndicatorSection(), -1);
        okno.rejestr.ustaw_zmieniony(false);
    }

    void mnemoniki_jednoznaczne() {
        Tglowne_okno okno;
        okno.odswiez_menu_ostatnich();
        QList<QMenu*> menu{okno.listviewMENU};
        QSet<QChar> glowne;
        for (QAction* a : okno.menuBar()->actions()) {
            const QChar m = mnemonik(a->text());
            QVERIFY2(!m.isNull() && !glowne.contains(m), qPrintable(a->text()));
            glowne.insert(m);
            menu << a->menu();
        }
        menu << okno.menu_ostatnich;
        for (QMenu* m : menu) {
            QSet<QChar> litery;
            for (QAction* a : m->actions()) {
                // Greyed items too: the letter is found before the item is needed.
                if (a->isSeparator() || !a->isVisible()) continue;
                if (m == okno.menu_ostatnich &&
                    a->text().contains(QRegularExpression(u"^&\\d  "_s)))
                    continue;
                const QChar litera = mnemonik(a->text());
                QVERIFY2(!litera.isNull(), qPrintable(a->text()));
                QVERIFY2(!litery.contains(litera), qPrintable(a->text()));
                litery.insert(litera);
            }
        }
    }

    void upuszczanie_pliku_data() {
        QTest::addColumn<QStringList>("pliki");
        QTest::addColumn<bool>("przyjety");
        QTest::newRow(".p2") << QStringList{u"b.p2"_s} << true;
        QTest::newRow("dwa pliki") << QStringList{u"a.p2"_s, u"b.p2"_s} << false;
        QTest::newRow("inny typ") << QStringList{u"ustawienia.ini"_s} << false;
        QTest::newRow("brak pliku") << QStringList{u"nie_ma.p2"_s} << false;
    }
    void upuszczanie_pliku() {
        QFETCH(QStringList, pliki);
        QFETCH(bool, przyjety);
        SeamDialogow seam;
        Tglowne_okno okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QStringList sciezki;
        for (const QString& p : pliki) sciezki << sciezka(p);
        const auto dane = plik_do_upuszczenia(sciezki);
        const QPoint gdzie = okno.ListView->geometry().center();
        QDragEnterEvent wejscie(gdzie, Qt::CopyAction | Qt::MoveAction, dane.get(), Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(&okno, &wejscie);
        QCOMPARE(wejscie.isAccepted(), przyjety);
        if (!przyjety) return;
        QCOMPARE(wejscie.dropAction(), Qt::CopyAction);
        // Unsaved changes are asked about first, as with "Otwórz".
        okno.rejestr.dopisz(przelew("Niezapisany"));
        okno.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
        QDropEvent upuszczenie(gdzie, Qt::CopyAction, dane.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&okno, &upuszczenie);
        QVERIFY(upuszczenie.isAccepted());
        QTRY_COMPARE(okno.rejestr.przelew(1).nazwa_odbiorcy1, "Beta");
        QCOMPARE(okno.rejestr.sciezka(), sciezka(u"b.p2"_s));
        QVERIFY(Dialogi::Test::teksty().constFirst().contains(u"zmodyfikowana"_s));
    }
};

QTEST_MAIN(TestNawykiOkna)
#include "test_nawyki_okna.moc"
