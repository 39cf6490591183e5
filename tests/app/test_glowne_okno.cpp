#include "app/glowny.h"
#include "app/lista_przelewow.h"
#include "app/start.h"
#include "register/magazyn_ustawien.h"
#include "register/pliki_przelewow.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

using Dialogi::Odpowiedz;

namespace {

const QString zmodyfikowana2 = u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s;

QStringList kolumna(Tglowne_okno& okno, int k) {
    QStringList wynik;
    for (int i = 0; i < okno.model_listy->rowCount(); ++i)
        wynik << okno.model_listy->index(i, k).data().toString();
    return wynik;
}

void zapisz_kolekcje(const QString& sciezka, std::initializer_list<Tprzelew> wiersze) {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (const auto& w : wiersze) t->dopisz(w);
    QVERIFY(zapisz_przelewy(sciezka, *t, t->ilosc_el()));
}

}  // namespace

class TestGlowneOkno : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<Tglowne_okno> okno_;

    QString sciezka(const QString& nazwa) const { return katalog_.filePath(nazwa); }

    Tglowne_okno& okno_z(std::initializer_list<Tprzelew> wiersze) {
        okno_ = std::make_unique<Tglowne_okno>();
        okno_->ustaw_filtry_dialogow();
        for (const auto& w : wiersze) okno_->rejestr.dopisz(w);
        return *okno_;
    }

  private slots:
    void initTestCase() {
        // Showing the window starts it: a user who has run it before, and no network.
        QStandardPaths::setTestModeEnabled(true);
        MagazynUstawien::ustaw_plik(sciezka(u"ustawienia.ini"_s));
        zapisz_plik(sciezka(u"ustawienia.ini"_s), "[General]\nFirstRun=false\n");
        sprawdzaj_aktualizacje_przy_starcie(false);
    }

    void init() { okno_.reset(); }

    void lista_pokazuje_kolumny() {
        Tprzelew p = przelew("Zenon", "125", "5", "Czynsz", "2008-03-15");
        p.lk = "12";
        p.nr_banku_odbiorcy = "1020 5558";
        p.nr_rach_odbiorcy = "1111 2222 3333 4444";
        auto& okno = okno_z({p});
        const QModelIndex w = okno.model_listy->index(0, 0);
        QCOMPARE(w.data().toString(), u"Zenon"_s);
        QCOMPARE(w.siblingAtColumn(1).data().toString(), u"Czynsz"_s);
        QCOMPARE(w.siblingAtColumn(2).data().toString(), u"12 1020 5558 1111 2222 3333 4444"_s);
        QCOMPARE(w.siblingAtColumn(3).data().toString(), u"125,05 zł"_s);
        QCOMPARE(w.siblingAtColumn(4).data().toString(), u"2008-03-15"_s);
        QCOMPARE(okno.model_listy->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
                 u"Kwota"_s);
        QVERIFY(w.siblingAtColumn(3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignRight);
    }

    void polecenia_zalezne_od_zaznaczenia() {
        auto& okno = okno_z({przelew("a"), przelew("b")});
        QCOMPARE(okno.zaznaczony_el(), 3);
        for (QAction* a : {okno.Printbutton, okno.Drukuj_menu, okno.Edytujprzelew1,
                           okno.usun_przycisk, okno.popup_edytuj, okno.popup_drukuj})
            QVERIFY(!a->isEnabled());
        QVERIFY(okno.popup_nowy->isEnabled());
        QVERIFY(!okno.FileSaveItem->isEnabled());

        okno.zaznacz_wiersz(2);
        QCOMPARE(okno.zaznaczony_el(), 2);
        for (QAction* a : {okno.Printbutton, okno.ToolButton6, okno.edycja_button_toolbar,
                           okno.usun_przycisk, okno.podglad_wydruku_menu, okno.Drukuj_menu,
                           okno.Edytujprzelew1, okno.Usuprzelew_menu, okno.popup_edytuj,
                           okno.popup_usun, okno.popup_podglad, okno.popup_drukuj})
            QVERIFY(a->isEnabled());
    }

    void podpowiedzi_na_pasku_stanu() {
        auto& okno = okno_z({});
        QCOMPARE(okno.btn_zapisz_do_pliku->toolTip(), u"Zapisz"_s);
        QCOMPARE(okno.btn_zapisz_do_pliku->statusTip(), u"Zapisz bieżący zbiór przelewów"_s);
        QCOMPARE(okno.FileSaveItem->statusTip(), u"Zapisz bieżący plik"_s);
        QCOMPARE(okno.ToolButton6->statusTip(), u"Pokaż podgląd wydruku zaznaczonego przelewu"_s);
        QCOMPARE(okno.btn_eksportCSV->toolTip(), u"Eksportuj do CSV"_s);
        QCOMPARE(okno.Drukuj_menu->shortcut(), QKeySequence(u"Ctrl+P"_s));
        QCOMPARE(okno.aktualizacje->shortcut(), QKeySequence(Qt::Key_F4));
    }

    void usuwanie_i_klawisze() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("a"), przelew("b"), przelew("c")});
        QTest::keyClick(okno.ListView, Qt::Key_Delete);  // nothing selected
        QCOMPARE(kolumna(okno, 0), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
        QVERIFY(okno.rejestr.zmieniony());
        QVERIFY(okno.FileSaveItem->isEnabled());

        okno.zaznacz_wiersz(2);
        QTest::keyClick(okno.ListView, Qt::Key_Delete);
        QCOMPARE(kolumna(okno, 0), (QStringList{u"a"_s, u"c"_s}));
        QCOMPARE(okno.zaznaczony_el(), 3);  // the rebuild clears the selection
        QVERIFY(!okno.Usuprzelew_menu->isEnabled());
        QVERIFY(!okno.rejestr.przelew(3).obecny());
    }

    void sortowanie_naglowkiem() {
        auto& okno = okno_z({przelew("a", "5"), przelew("b", "120", "50"), przelew("c", "30")});
        okno.zaznacz_wiersz(1);
        okno.ListView->header()->sectionClicked(3);
        QCOMPARE(kolumna(okno, 3), (QStringList{u"120,50 zł"_s, u"30,00 zł"_s, u"5,00 zł"_s}));
        QCOMPARE(okno.zaznaczony_el(), 4);
        okno.ListView->header()->sectionClicked(3);
        QCOMPARE(kolumna(okno, 3), (QStringList{u"5,00 zł"_s, u"30,00 zł"_s, u"120,50 zł"_s}));
        QCOMPARE(okno.rejestr.przelew(1).nazwa_odbiorcy1, "a");
    }

    void otwieranie_i_tytul() {
        SeamDialogow seam;
        const QString plik = sciezka(u"konto.p2"_s);
        zapisz_kolekcje(plik, {przelew("pierwszy"), przelew("drugi")});
        auto& okno = okno_z({});
        Dialogi::Test::wybierz_plik(plik);
        okno.FileOpen1Execute();
        QCOMPARE(kolumna(okno, 0), (QStringList{u"pierwszy"_s, u"drugi"_s}));
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + plik + u"][*]"_s);
        QVERIFY(okno.rejestr.plik_ma_nazwe);
        QVERIFY(!okno.rejestr.zmieniony());
        QCOMPARE(Dialogi::Test::pokazane().constFirst().tekst,
                 u"Wszystkie obsługiwane formaty (*.vando, *.p2)|*.vando;*.p2|Baza przelewów "
                 u"(*.vando)|*.vando|"
                 u"Baza przelewów ver.2 (*.p2)|*.p2"_s);
    }

    // The caption follows the register alone: its path, and Qt's "*" where
    // "[*]" stands while changes are unsaved; saving under a name shows both.
    void tytul_sledzi_rejestr() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("a")});
        okno.show();
        QVERIFY(!okno.isWindowModified());
        okno.rejestr.ustaw_zmieniony(true);
        QVERIFY(okno.isWindowModified());
        const QString plik = sciezka(u"tytul.p2"_s);
        Dialogi::Test::wybierz_plik(plik);
        QVERIFY(okno.FileSaveAs1Execute());
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + plik + u"][*]"_s);
        QVERIFY(!okno.isWindowModified());
        okno.rejestr.ustaw_sciezke({});
        QCOMPARE(okno.windowTitle(), u"Vandoria[*]"_s);
    }

    void otwieranie_znikajacego_pliku() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("stary")});
        okno.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        Dialogi::Test::wybierz_plik(sciezka(u"nie_ma.p2"_s));
        okno.FileOpen1Execute();
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane[0].tytul, u"Otwieranie pliku"_s);
        QCOMPARE(pokazane[0].tekst, zmodyfikowana2);
        QCOMPARE(pokazane[2].tekst, u"Podany plik nie istnieje lub jest uszkodzony!"_s);
        QCOMPARE(pokazane[2].tytul, u"Nie można otworzyć pliku."_s);
        QCOMPARE(pokazane[2].ikona, Dialogi::Ikona::Blad);
        QCOMPARE(kolumna(okno, 0), QStringList{u"stary"_s});
        QVERIFY(okno.rejestr.sciezka().isEmpty());
        QVERIFY(!okno.rejestr.zmieniony());
        QCOMPARE(okno.windowTitle(), u"Vandoria[*]"_s);
    }

    void blad_odczytu_i_za_duzy_plik() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("stary")});
        const QString folder = sciezka(u"folder.p2"_s);  // a folder cannot be read as a file
        QVERIFY(QDir().mkpath(folder));
        okno.otwieranie_pliku(folder);
        QCOMPARE(Dialogi::Test::teksty().constLast(),
                 u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s);
        QCOMPARE(Dialogi::Test::pokazane().constLast().tytul, u"Błąd odczytu!"_s);
        QVERIFY(okno.rejestr.sciezka().isEmpty());

        QByteArray duzo;
        for (int i = 0; i < 1001; ++i) duzo += QByteArray(424, '\0');
        for (int i = 0; i < 1001; ++i) duzo[i * 424] = 1, duzo[i * 424 + 1] = 'x';
        const QString plik = sciezka(u"duzo.p2"_s);
        zapisz_plik(plik, duzo);
        okno.otwieranie_pliku(plik);
        QCOMPARE(okno.model_listy->rowCount(), 1000);
        QVERIFY(Dialogi::Test::teksty().constLast().contains(u"1000"_s));
    }

    void nazwy_przy_zapisie_data() {
        QTest::addColumn<QString>("wybrana");
        QTest::addColumn<QString>("zapisana");
        QTest::newRow("bez rozszerzenia (okno dokleja p2)") << u"konto.p2"_s << u"konto.p2"_s;
        QTest::newRow("txt") << u"konto.txt"_s << u"konto.txt.p2"_s;
        QTest::newRow("wielkie litery") << u"KONTO.P2"_s << u"KONTO.P2.p2"_s;
        QTest::newRow("vando") << u"konto.vando"_s << u"konto.vando"_s;
    }
    void nazwy_przy_zapisie() {
        QFETCH(QString, wybrana);
        QFETCH(QString, zapisana);
        SeamDialogow seam;
        QTemporaryDir folder;
        auto& okno = okno_z({przelew("a")});
        Dialogi::Test::wybierz_plik(folder.filePath(wybrana));
        QVERIFY(okno.FileSave1Execute());
        QVERIFY(QFile::exists(folder.filePath(zapisana)));
        QCOMPARE(okno.rejestr.sciezka(), folder.filePath(zapisana));
        QCOMPARE(Dialogi::Test::pokazane().constFirst().tytul, u"p2"_s);  // the default extension
        QVERIFY(!okno.FileSaveItem->isEnabled());
    }

    void nadpisywanie_pyta_data() {
        QTest::addColumn<bool>("jako");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("Zapisz") << false << u"Podany plik już istnieje.\rNadpisać?"_s;
        QTest::newRow("Zapisz jako") << true << u"Podany plik juz istnieje.\rNadpisać?"_s;
    }
    void nadpisywanie_pyta() {
        QFETCH(bool, jako);
        QFETCH(QString, tekst);
        SeamDialogow seam;
        const QString plik = sciezka(jako ? u"jako.p2"_s : u"zwykly.p2"_s);
        zapisz_kolekcje(plik, {przelew("stary")});
        const QByteArray stare = czytaj_plik(plik);
        auto& okno = okno_z({przelew("nowy")});
        okno.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::wybierz_plik(plik);
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(!(jako ? okno.FileSaveAs1Execute() : okno.FileSave1Execute()));
        QCOMPARE(Dialogi::Test::teksty(), QStringList{tekst});
        QCOMPARE(czytaj_plik(plik), stare);
        QVERIFY(okno.rejestr.zmieniony());
    }

    void pytanie_o_wersje_1() {
        SeamDialogow seam;
        const QString vando = sciezka(u"wersja.vando"_s), p2 = sciezka(u"wersja.p2"_s);
        zapisz_kolekcje(vando, {przelew("stary")});
        const QByteArray stare = czytaj_plik(vando);
        Tprzelew p = przelew("z dodatkowymi");
        p.dodatkowe = "pilne";
        auto& okno = okno_z({p});
        okno.rejestr.ustaw_sciezke(vando);
        okno.rejestr.plik_ma_nazwe = true;
        okno.rejestr.ustaw_zmieniony(true);

        // "Nie" when the new name exists, then "Nie" to overwriting it: nothing written.
        zapisz_plik(p2, "x");
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(!okno.FileSave1Execute());
        QCOMPARE(Dialogi::Test::pokazane()[0].tytul, u"Zapisz jako..."_s);
        QVERIFY(Dialogi::Test::pokazane()[0].tekst.startsWith(u"Chcesz zapisać dane w formacie"_s));
        QCOMPARE(Dialogi::Test::pokazane()[1].tekst, u"Podany plik już istnieje.\rNadpisać?"_s);
        QCOMPARE(czytaj_plik(p2), QByteArray("x"));
        QCOMPARE(okno.rejestr.sciezka(), vando);

        QFile::remove(p2);
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(vando), stare);
        QCOMPARE(czytaj_plik(p2).size(), 424);
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + p2 + u"][*]"_s);

        // "Tak" keeps version 1; the table keeps the information.
        okno.rejestr.ustaw_sciezke(vando);
        Dialogi::Test::odpowiedz(Odpowiedz::Tak);
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(vando).size(), 997);
        QCOMPARE(okno.rejestr.przelew(1).dodatkowe, "pilne");
    }

    void nieudany_zapis_niczego_nie_traci() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("a")});
        okno.rejestr.ustaw_zmieniony(true);
        okno.ListViewClick();
        Dialogi::Test::wybierz_plik(sciezka(u"brak/folderu.p2"_s));
        QVERIFY(!okno.FileSave1Execute());
        QCOMPARE(Dialogi::Test::teksty(),
                 QStringList{u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s});
        QVERIFY(okno.rejestr.zmieniony());
        QVERIFY(okno.FileSaveItem->isEnabled());
        QVERIFY(okno.rejestr.sciezka().isEmpty());

        // read-only file: opens, the save fails, the file stays
        const QString plik = sciezka(u"tylko_odczyt.p2"_s);
        zapisz_kolekcje(plik, {przelew("zapisany")});
        const QByteArray stare = czytaj_plik(plik);
        QFile::setPermissions(plik, QFileDevice::ReadOwner);
        okno.rejestr.ustaw_zmieniony(false);
        Dialogi::Test::wybierz_plik(plik);
        okno.FileOpen1Execute();
        QCOMPARE(kolumna(okno, 0), QStringList{u"zapisany"_s});
        okno.rejestr.ustaw_zmieniony(true);
        QVERIFY(!okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(plik), stare);
        QVERIFY(okno.rejestr.zmieniony());
    }

    void nowy_pyta_i_zatrzymuje_sie_gdy_zapis_nie_wyszedl() {
        SeamDialogow seam;
        auto& okno = okno_z({przelew("niezapisany")});
        okno.rejestr.ustaw_zmieniony(true);
        Dialogi::Test::odpowiedz(Odpowiedz::Tak);
        Dialogi::Test::wybierz_plik({});  // the save dialog cancelled
        okno.FileNew1Execute();
        QCOMPARE(Dialogi::Test::pokazane()[0].tekst,
                 u"Baza przelewów została zmodyfikowana. Zapisać zmiany?"_s);
        QCOMPARE(Dialogi::Test::pokazane()[0].tytul, u"Nowy plik bazy"_s);
        QCOMPARE(kolumna(okno, 0), QStringList{u"niezapisany"_s});

        Dialogi::Test::odpowiedz(Odpowiedz::Anuluj);
        okno.FileNew1Execute();
        QCOMPARE(kolumna(okno, 0), QStringList{u"niezapisany"_s});

        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        okno.FileNew1Execute();
        QCOMPARE(okno.model_listy->rowCount(), 0);
        QCOMPARE(okno.rejestr.ilosc(), 0);
        QVERIFY(okno.rejestr.zmieniony());
        QVERIFY(!okno.rejestr.plik_ma_nazwe);
        QVERIFY(okno.FileSaveItem->isEnabled());
        QCOMPARE(okno.windowTitle(), u"Vandoria[*]"_s);
    }

    void zapis_istniejacego_pliku_bez_pytania() {
        SeamDialogow seam;
        const QString plik = sciezka(u"biezacy.p2"_s);
        zapisz_kolekcje(plik, {});
        auto& okno = okno_z({przelew("a"), przelew("b")});
        okno.rejestr.ustaw_sciezke(plik);
        okno.rejestr.plik_ma_nazwe = true;
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(plik).size(), 2 * 424);
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
    }

    void zapamietany_brakujacy_plik_to_zapisz_jako() {
        // A remembered file on an unplugged stick: the orders typed since must
        // not replace the file when the stick is back.
        SeamDialogow seam;
        const QString plik = sciezka(u"pendrive.p2"_s);
        QFile::remove(plik);
        auto& okno = okno_z({});
        okno.rejestr.ustaw_sciezke(plik);
        okno.watek_zakonczony();
        QCOMPARE(okno.rejestr.sciezka(), plik);
        okno.rejestr.dopisz(przelew("wpisany po starcie"));
        okno.Usun();  // nothing selected: only marks the collection changed and named
        QVERIFY(okno.rejestr.plik_ma_nazwe);

        zapisz_kolekcje(plik, {przelew("na pendrivie"), przelew("drugi")});
        const QByteArray stare = czytaj_plik(plik);
        Dialogi::Test::wybierz_plik({});
        QVERIFY(!okno.FileSave1Execute());
        QCOMPARE(Dialogi::Test::pokazane().constFirst().rodzaj, u"zapisz"_s);
        QCOMPARE(czytaj_plik(plik), stare);
        QVERIFY(okno.rejestr.zmieniony());

        // Chosen in the dialog, it is replaced only after the usual question.
        Dialogi::Test::wybierz_plik(plik);
        Dialogi::Test::odpowiedz(Odpowiedz::Tak);
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(plik).size(), 424);
        Dialogi::Test::wyczysc();
        okno.rejestr.ustaw_zmieniony(true);
        QVERIFY(okno.FileSave1Execute());  // saved in this run: no dialog any more
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
    }

    void plik_z_wiersza_polecen_ze_sciezka_bezwzgledna() {
        SeamDialogow seam;
        const QString plik = sciezka(u"argument.p2"_s);
        zapisz_kolekcje(plik, {przelew("z argumentu")});
        auto& okno = okno_z({});
        const QString poprzedni = QDir::currentPath();
        QVERIFY(QDir::setCurrent(katalog_.path()));
        okno.argument_startowy = u"./argument.p2"_s;
        okno.watek_zakonczony();
        QDir::setCurrent(poprzedni);
        QCOMPARE(okno.rejestr.sciezka(), plik);
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + plik + u"][*]"_s);
        QCOMPARE(kolumna(okno, 0), QStringList{u"z argumentu"_s});
        // The whole table lives on the heap, not in the window.
        QVERIFY(sizeof(Tglowne_okno) < 64 * 1024);
    }

    void ponad_tysiac_przelewow_nie_ginie_bez_pytania() {
        SeamDialogow seam;
        QByteArray duzo;
        for (int i = 0; i < 1005; ++i) {
            QByteArray r(424, '\0');
            r[0] = 1;
            r[1] = 'x';
            duzo += r;
        }
        const QString plik = sciezka(u"ponad_tysiac.p2"_s);
        zapisz_plik(plik, duzo);
        auto& okno = okno_z({});
        Dialogi::Test::wybierz_plik(plik);
        okno.FileOpen1Execute();
        QCOMPARE(okno.model_listy->rowCount(), 1000);
        QVERIFY(Dialogi::Test::teksty().constLast().contains(
            u"Przelewy po tysięcznym nie zostaną zachowane, jeśli zapiszesz ten plik."_s));
        okno.rejestr.ustaw_zmieniony(true);

        Dialogi::Test::wyczysc();
        Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(!okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(plik), duzo);
        QVERIFY(okno.rejestr.zmieniony());
        QCOMPARE(Dialogi::Test::pokazane().size(), 1);
        QVERIFY(Dialogi::Test::teksty().constFirst().startsWith(
            u"Plik "_s + plik + u" zawiera więcej niż 1000 przelewów"_s));

        Dialogi::Test::odpowiedz(Odpowiedz::Tak);
        QVERIFY(okno.FileSave1Execute());
        QCOMPARE(czytaj_plik(plik).size(), 1000 * 424);
        Dialogi::Test::wyczysc();
        okno.rejestr.ustaw_zmieniony(true);
        QVERIFY(okno.FileSave1Execute());  // the file now holds what the window holds
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
    }

    void za_dlugie_teksty_data() {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QStringList>("pytania");
        QTest::newRow("p2") << u"dlugie.p2"_s << QStringList{u"Zapisz"_s};
        QTest::newRow("vando, Nie w pytaniu o wersję 1")
            << u"dlugie.vando"_s << QStringList{u"Zapisz jako..."_s, u"Zapisz"_s};
    }
    void za_dlugie_teksty() {
        QFETCH(QString, plik);
        QFETCH(QStringList, pytania);
        SeamDialogow seam;
        QTemporaryDir folder;
        const QString sciezka_pliku = folder.filePath(plik);
        const QString p2 = folder.filePath(u"dlugie.p2"_s);
        zapisz_kolekcje(sciezka_pliku, {przelew("stary")});
        const QByteArray stare = czytaj_plik(sciezka_pliku);
        Tprzelew p = przelew(std::string(60, 'n').c_str());
        p.tytulem1 = std::string(52, 't');
        p.dodatkowe = "pilne";
        auto& okno = okno_z({p});
        okno.rejestr.ustaw_sciezke(sciezka_pliku);
        okno.rejestr.plik_ma_nazwe = true;
        okno.rejestr.ustaw_zmieniony(true);

        for (int i = 0; i < pytania.size(); ++i) Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        QVERIFY(!okno.FileSave1Execute());
        QStringList tytuly;
        for (const auto& d : Dialogi::Test::pokazane()) tytuly << d.tytul;
        QCOMPARE(tytuly, pytania);
        QVERIFY(Dialogi::Test::teksty().constLast().contains(
            u"Liczba tekstów, które zostaną skrócone do 51 znaków: 2."_s));
        QCOMPARE(czytaj_plik(sciezka_pliku), stare);
        if (sciezka_pliku != p2) QVERIFY(!QFile::exists(p2));
        QVERIFY(okno.rejestr.zmieniony());

        for (int i = 1; i < pytania.size(); ++i) Dialogi::Test::odpowiedz(Odpowiedz::Nie);
        Dialogi::Test::odpowiedz(Odpowiedz::Tak);
        QVERIFY(okno.FileSave1Execute());
        auto t = std::make_unique<TablicaPrzelewow>();
        QCOMPARE(czytaj_przelewy(p2, *t).stan, WynikOdczytu::ok);
        QCOMPARE((*t)[1].nazwa_odbiorcy1.size(), 51u);
        QCOMPARE((*t)[1].dodatkowe, "pilne");
    }

    void wersja_wg_zawartosci_data() {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<int>("wersja");  // the one the bytes fit
        QTest::newRow("RACHUNKI.P2 z rekordami p2") << u"RACHUNKI.P2"_s << 2;
        QTest::newRow("vando skopiowany z p2") << u"kopia.vando"_s << 2;
        QTest::newRow("p2 z rekordami vando") << u"stary.p2"_s << 1;
    }
    void wersja_wg_zawartosci() {
        QFETCH(QString, plik);
        QFETCH(int, wersja);
        SeamDialogow seam;
        QTemporaryDir folder;
        const QString sciezka_pliku = folder.filePath(plik);
        auto t = std::make_unique<TablicaPrzelewow>();
        Tprzelew p = przelew("pierwszy");
        if (wersja == 2) p.dodatkowe = "pilne";
        t->dopisz(p);
        t->dopisz(przelew("drugi"));
        QVERIFY(zapisz_przelewy(sciezka_pliku, *t, 2, wersja));

        auto& okno = okno_z({});
        Dialogi::Test::wybierz_plik(sciezka_pliku);
        okno.FileOpen1Execute();
        QCOMPARE(kolumna(okno, 0), (QStringList{u"pierwszy"_s, u"drugi"_s}));
        QVERIFY(okno.rejestr.przelew(1).dodatkowe == p.dodatkowe);
        QCOMPARE(Dialogi::Test::teksty().size(), 1);
        QVERIFY(Dialogi::Test::teksty().constFirst().contains(
            wersja == 2 ? u"ver.2 (*.p2)"_s : u"Baza przelewów (*.vando)"_s));
        QCOMPARE(Dialogi::Test::pokazane().constLast().ikona, Dialogi::Ikona::Informacja);

        // Saved twice, in the same version, without another word.
        for (int i = 0; i < 2; ++i) {
            okno.rejestr.dopisz(przelew("nowy"));
            okno.rejestr.ustaw_zmieniony(true);
            QVERIFY(okno.FileSave1Execute());
        }
        QCOMPARE(Dialogi::Test::teksty().size(), 1);
        QCOMPARE(czytaj_plik(sciezka_pliku).size(), 4 * rozmiar_rekordu(wersja));
        QCOMPARE(okno.windowTitle(), u"Vandoria - ["_s + sciezka_pliku + u"][*]"_s);

        // Another name chosen in the dialog says its own version.
        const QString inny = folder.filePath(u"inny.vando"_s);
        Dialogi::Test::wybierz_plik(inny);
        if (wersja == 2) Dialogi::Test::odpowiedz(Odpowiedz::Tak);  // keep version 1
        QVERIFY(okno.FileSaveAs1Execute());
        QCOMPARE(czytaj_plik(inny).size(), 4 * 997);
    }

    void nic_nie_uciete_data() {
        QTest::addColumn<qreal>("punkty");  // the application's font; 0: as it is
        QTest::addColumn<bool>("aktualizacja");
        QTest::newRow("zwykła czcionka") << 0.0 << false;
        QTest::newRow("zwykła czcionka, nowa wersja") << 0.0 << true;
        QTest::newRow("13 pt") << 13.0 << false;
        QTest::newRow("13 pt, nowa wersja") << 13.0 << true;
    }
    void nic_nie_uciete() {
        QFETCH(qreal, punkty);
        QFETCH(bool, aktualizacja);
        const QFont poprzednia = QApplication::font();
        if (punkty > 0) {
            QFont f = poprzednia;
            f.setPointSizeF(punkty);
            QApplication::setFont(f);
        }
        Tprzelew p = przelew("Przedsiębiorstwo Wodociągów i Kanalizacji", "1234", "56",
                             "Opłata za wodę i ścieki", "2024-12-31");
        p.lk = "12";
        p.nr_banku_odbiorcy = "1020 5558";
        p.nr_rach_odbiorcy = "1111 2222 3333 4444";
        auto& okno = okno_z({p, przelew("Zenon"), przelew("Łukasz")});
        if (aktualizacja)
            okno.pokaz_informacje_o_aktualizacji(u"2.0"_s, u"https://vandoria.example.org/"_s);
        sprawdz_czy_nic_nie_uciete(&okno);
        // The five columns fit the window without a scroll bar.
        QVERIFY(okno.ListView->header()->length() <= okno.ListView->viewport()->width());
        // A whole account number fits its column.
        QVERIFY(okno.ListView->columnWidth(2) >= okno.ListView->fontMetrics().horizontalAdvance(
                                                     u"12 1020 5558 1111 2222 3333 4444"_s));
        okno_.reset();
        QApplication::setFont(poprzednia);
    }

    void pusta_kolekcja_to_pusty_plik() {
        SeamDialogow seam;
        auto& okno = okno_z({});
        const QString plik = sciezka(u"pusta.vando"_s);
        Dialogi::Test::wybierz_plik(plik);
        QVERIFY(okno.FileSaveAs1Execute());
        QVERIFY(QFile::exists(plik));
        QCOMPARE(czytaj_plik(plik).size(), 0);
    }
};

QTEST_MAIN(TestGlowneOkno)
#include "test_glowne_okno.moc"
