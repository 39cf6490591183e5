#include "addressbook/komunikaty_bazy.h"
#include "addressbook/lista.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "app/glowny.h"
#include "rekord_wpisu.h"
#include "widgets/dialogi.h"
#include "widgets/pola_numerow.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString blad_zapisu = u"Nie udało sie zapisać zmian!"_s;
const QString blad_odczytu = u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s;
const QString puste_pole = u"Nie wypełniłeś niezbędnych pól! Uzupełnij pole „Tytułem”."_s;

// What a newly typed entry holds: the masked fields' blanks.
QByteArray rekord_nowy(const std::string& nazwa1) {
    return rekord(nazwa1, "", "  ", std::string(9, ' '), std::string(19, ' '));
}

QStringList pozycje(const Tlista_wpisow& lista) {
    QStringList wynik;
    for (int i = 0; i < lista.lista_z_bazy->topLevelItemCount(); ++i)
        wynik << lista.lista_z_bazy->topLevelItem(i)->text(0);
    return wynik;
}

// Adds one entry through "Dodaj" and the entry editor.
void dodaj(Tlista_wpisow* lista, const QString& nazwa1) {
    PrzyOknieModalnym<Tnowy_wpis> przy([&](Tnowy_wpis* edytor) {
        QCOMPARE(edytor->windowTitle(), u"Nowy wpis"_s);
        QTest::keyClicks(edytor->nazwa_odbiorcy1_wpis, nazwa1);
        edytor->b_zapisz->click();
    });
    lista->dodaj_wpis->click();
    QVERIFY(przy.otwarte());
}

}  // namespace

class TestOknaBaz : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

    QString plik(const QString& nazwa) const { return katalog_.filePath(nazwa); }

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        // an unexpected message box must not wait for a human
        Dialogi::Test::wlacz();
    }

    void init() {
        Dialogi::Test::wyczysc();
        for (const QString& nazwa : QDir(katalog_.path()).entryList(QDir::Files))
            QFile::remove(plik(nazwa));
    }

    // Tests that expect messages check and clear them themselves.
    void cleanup() { QCOMPARE(Dialogi::Test::teksty(), QStringList()); }

    void zarzadzanie_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK zapisuje") << true;
        QTest::newRow("Anuluj zostawia plik") << false;
    }
    void zarzadzanie() {
        QFETCH(bool, ok);
        SeamDialogow seam;
        const QByteArray stary = rekord("Zenon");
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), stary);
        Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, false);
        QCOMPARE(lista.windowTitle(), u"Baza odbiorców"_s);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            QVERIFY(l->zapisz_zmiany->isEnabled());
            QVERIFY(!l->edytuj_wpis->isEnabled());
            QVERIFY(!l->edytuj_zaznaczony->isEnabled());
            QVERIFY(!l->usun_zaznaczony->isEnabled());
            dodaj(l, u"beta"_s);
            dodaj(l, u"alfa"_s);
            QCOMPARE(pozycje(*l), (QStringList{u"Alfa"_s, u"Beta"_s, u"Zenon"_s}));
            (ok ? l->zapisz_zmiany : l->anuluj)->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        QVERIFY(!lista.isVisible());
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)),
                 ok ? rekord_nowy("Alfa") + rekord_nowy("Beta") + stary : stary);
        QVERIFY(Dialogi::Test::teksty().isEmpty());
    }

    void wybieranie_data() {
        QTest::addColumn<RodzajBazy>("rodzaj");
        QTest::addColumn<QString>("sposob");
        QTest::addColumn<QString>("konto");
        QTest::newRow("odbiorca kliknięciem i OK") << RodzajBazy::odbiorcy << u"OK"_s << QString();
        QTest::newRow("nadawca dwuklikiem")
            << RodzajBazy::nadawcy << u"dwuklik"_s << u"99 8888 7777 6666 5555 4444 3333"_s;
        QTest::newRow("tytuł klawiaturą") << RodzajBazy::tytuly << u"Enter"_s << QString();
    }
    void wybieranie() {
        QFETCH(RodzajBazy, rodzaj);
        QFETCH(QString, sposob);
        QFETCH(QString, konto);
        SeamDialogow seam;
        const QByteArray dane = rekord("Adam", "pierwszy") +
                                rekord("Bogdan", "drugi", "99", "8888 7777", "6666 5555 4444 3333");
        zapisz_plik(plik(plik_bazy(rodzaj)), dane);
        int wybrano = -1;
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* lista) {
            QSignalSpy sygnal(lista, &Tlista_wpisow::wybrano);
            QVERIFY(lista->wybor());
            QVERIFY(!lista->zapisz_zmiany->isEnabled());
            QTest::keyClick(lista->lista_z_bazy, Qt::Key_Return);  // nothing selected yet
            QVERIFY(lista->isVisible());
            if (sposob == u"Enter") {
                QTest::keyClick(lista->lista_z_bazy, Qt::Key_Down);
                QTest::keyClick(lista->lista_z_bazy, Qt::Key_Down);
                QCOMPARE(lista->zaznaczony_el_w_bazie(), 2);
                QVERIFY(lista->edytuj_wpis->isEnabled());
                QVERIFY(lista->zapisz_zmiany->isEnabled());  // the keyboard chooses too
                QTest::keyClick(lista->lista_z_bazy, Qt::Key_Return);
            } else if (sposob == u"dwuklik") {
                // the test's double click brings no press of its own
                kliknij_pozycje(lista, 1);
                const QTreeWidget* l = lista->lista_z_bazy;
                QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                                   l->visualItemRect(l->topLevelItem(1)).center());
            } else {
                kliknij_pozycje(lista, 1);
                QVERIFY(lista->zapisz_zmiany->isEnabled());
                QVERIFY(lista->usun_zaznaczony->isEnabled());
                lista->zapisz_zmiany->click();
            }
            wybrano = int(sygnal.size());
        });
        const std::optional<Twpis_bazy> wpis = wybor_wpisu(nullptr, rodzaj);
        QVERIFY(przy.otwarte());
        QVERIFY(wpis.has_value());
        QCOMPARE(wybrano, 1);
        QCOMPARE(wpis->nazwa1, "Bogdan");
        QCOMPARE(wpis->nazwa2, "drugi");
        if (!konto.isEmpty()) QCOMPARE(konto_nadawcy(*wpis), konto);
        QCOMPARE(czytaj_plik(plik(plik_bazy(rodzaj))), dane);
    }

    void wybieranie_anulowane() {
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), rekord("Adam"));
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* lista) {
            kliknij_pozycje(lista, 0);
            lista->anuluj->click();
        });
        QVERIFY(!wybor_wpisu(nullptr, RodzajBazy::odbiorcy).has_value());
        QVERIFY(przy.otwarte());
    }

    void ksiegi_data() {
        QTest::addColumn<RodzajBazy>("rodzaj");
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label4");
        QTest::addColumn<bool>("numery");
        QTest::newRow("odbiorcy") << RodzajBazy::odbiorcy << u"baza_odbiorcow.dat"_s
                                  << u"Baza odbiorców"_s << u"Nazwa odbiorcy:"_s
                                  << u"Nr banku odbiorcy:"_s << true;
        QTest::newRow("nadawcy") << RodzajBazy::nadawcy << u"baza_nadawcow.dat"_s
                                 << u"Baza nadawców"_s << u"Nazwa nadawcy:"_s
                                 << u"Nr banku nadawcy:"_s << true;
        QTest::newRow("tytuły") << RodzajBazy::tytuly << u"baza_tytulow.dat"_s << u"Baza tytułów"_s
                                << u"Tytułem:"_s << u"Nr banku:"_s << false;
    }
    // Each book has its own file, caption and labels; the titles book
    // switches the number fields off.
    void ksiegi() {
        QFETCH(RodzajBazy, rodzaj);
        QFETCH(QString, plik);
        QFETCH(QString, tytul);
        QFETCH(QString, label1);
        QFETCH(QString, label4);
        QFETCH(bool, numery);
        QCOMPARE(plik_bazy(rodzaj), plik);
        zapisz_plik(this->plik(plik), rekord("Jedyny"));
        Tlista_wpisow lista(nullptr, rodzaj, false);
        QCOMPARE(lista.windowTitle(), tytul);
        QCOMPARE(pozycje(lista), QStringList{u"Jedyny"_s});

        Tnowy_wpis edytor(nullptr, rodzaj);
        QCOMPARE(edytor.Label1->text(), label1);
        QCOMPARE(edytor.Label4->text(), label4);
        QCOMPARE(edytor.Label3->text(), u"Lk.:"_s);
        const QColor tlo =
            numery ? QApplication::palette().color(QPalette::Base) : kolor_pol_nieaktywnych;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 edytor.lk_wpis, edytor.nr_banku_odbiorcy_wpis, edytor.nr_rach_odbiorcy_wpis}) {
            QCOMPARE(w->isEnabled(), numery);
            QCOMPARE(w->palette().color(QPalette::Base), tlo);
        }
        for (QWidget* w :
             std::initializer_list<QWidget*>{edytor.Label3, edytor.Label4, edytor.Label5})
            QCOMPARE(w->isEnabled(), numery);
    }

    // A new entry: passing the empty account marks nothing; "Zapisz" marks
    // every gap even when it stops at the missing name.
    void nowy_wpis_oznacza_braki_dopiero_przy_zapisie() {
        SeamDialogow seam;
        Tnowy_wpis edytor(nullptr, RodzajBazy::odbiorcy);
        edytor.show();
        QVERIFY(QTest::qWaitForWindowActive(&edytor));
        edytor.lk_wpis->setFocus();
        for (QWidget* p : {static_cast<QWidget*>(edytor.lk_wpis),
                           static_cast<QWidget*>(edytor.nr_banku_odbiorcy_wpis),
                           static_cast<QWidget*>(edytor.nr_rach_odbiorcy_wpis)})
            QTest::keyClick(p, Qt::Key_Tab);
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QVERIFY(!edytor.konto->brak(c));
        edytor.b_zapiszClick();
        QVERIFY(edytor.isVisible());
        for (PoleKonta::Czesc c : {PoleKonta::lk, PoleKonta::bank, PoleKonta::rach})
            QVERIFY(edytor.konto->brak(c));
    }

    void edycja_pokazuje_niepelny_numer_na_czerwono() {
        const std::string dluga(120, 'n');
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), rekord(dluga, "cd.", "12", "1020 555 "));
        Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, false);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            kliknij_pozycje(l, 0);
            PrzyOknieModalnym<Tnowy_wpis> edycja([&](Tnowy_wpis* edytor) {
                QCOMPARE(edytor->windowTitle(), u"Edycja wpisu"_s);
                QVERIFY(edytor->konto->brak(PoleKonta::bank));
                QVERIFY(!edytor->konto->brak(PoleKonta::lk));
                QVERIFY(!edytor->konto->brak(PoleKonta::rach));
                QCOMPARE(edytor->nazwa_odbiorcy1_wpis->text().size(), 120);
                QTest::keyClicks(edytor->nazwa_odbiorcy2_wpis, u" dalej"_s);
                edytor->b_zapisz->click();
            });
            l->edytuj_wpis->click();
            QVERIFY(edycja.otwarte());
            // a new entry starts without the edited entry's marks
            PrzyOknieModalnym<Tnowy_wpis> nowy([&](Tnowy_wpis* edytor) {
                QVERIFY(!edytor->konto->brak(PoleKonta::bank));
                QCOMPARE(edytor->nr_banku_odbiorcy_wpis->tekst(), QString(9, u' '));
                edytor->b_anuluj->click();
            });
            l->dodaj_wpis->click();
            QVERIFY(nowy.otwarte());
            l->zapisz_zmiany->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)),
                 rekord("N" + dluga.substr(1), "cd. dalej", "12", "1020 555 "));
    }

    void usuwanie_klawiszem_i_anuluj() {
        zapisz_plik(plik(u"baza_tytulow.dat"_s), rekord("A") + rekord("B") + rekord("C"));
        Tlista_wpisow lista(nullptr, RodzajBazy::tytuly, false);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Delete);  // nothing selected
            QCOMPARE(pozycje(*l), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
            kliknij_pozycje(l, 1);
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Delete);
            QCOMPARE(pozycje(*l), (QStringList{u"A"_s, u"C"_s}));
            QVERIFY(!l->usun_wpis->isEnabled());
            l->anuluj->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        Tlista_wpisow ponownie(nullptr, RodzajBazy::tytuly, false);
        QCOMPARE(pozycje(ponownie), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    }

    // Escape is "Anuluj" in both windows, asking first when something was
    // changed, so that the book's unsaved changes never go silently.
    void escape() {
        zapisz_plik(plik(u"baza_tytulow.dat"_s), rekord("A") + rekord("B"));
        Tlista_wpisow lista(nullptr, RodzajBazy::tytuly, false);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            kliknij_pozycje(l, 0);
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Delete);
            Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
            QTest::keyClick(l->lista_z_bazy, Qt::Key_Escape);
            QVERIFY(l->isVisible());
            QCOMPARE(pozycje(*l), QStringList{u"B"_s});
            QCOMPARE(Dialogi::Test::teksty(), QStringList{u"Porzucić zmiany?"_s});
            Dialogi::Test::wyczysc();
            PrzyOknieModalnym<Tnowy_wpis> wpisane([&](Tnowy_wpis* edytor) {
                QTest::keyClicks(edytor->nazwa_odbiorcy1_wpis, u"Abc"_s);
                Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
                QTest::keyClick(edytor->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(edytor->isVisible());
                QCOMPARE(edytor->nazwa_odbiorcy1_wpis->text(), u"Abc"_s);
                Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Tak);
                QTest::keyClick(edytor->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(!edytor->isVisible());
            });
            l->dodaj_wpis->click();
            QVERIFY(wpisane.otwarte());
            QCOMPARE(Dialogi::Test::teksty(),
                     (QStringList{u"Porzucić zmiany?"_s, u"Porzucić zmiany?"_s}));
            Dialogi::Test::wyczysc();
            QCOMPARE(pozycje(*l), QStringList{u"B"_s});
            // Nothing typed: no question.
            PrzyOknieModalnym<Tnowy_wpis> puste([&](Tnowy_wpis* edytor) {
                QTest::keyClick(edytor->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(!edytor->isVisible());
            });
            l->dodaj_wpis->click();
            QVERIFY(puste.otwarte());
            QCOMPARE(Dialogi::Test::teksty(), QStringList());
            l->anuluj->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        QVERIFY(!lista.isVisible());
    }

    void pierwsza_litera_po_wyjsciu_z_pola_data() {
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("po_wyjsciu");
        QTest::newRow("mała ASCII") << u"warszawa"_s << u"Warszawa"_s;
        QTest::newRow("polska litera") << u"łódź"_s << u"łódź"_s;
        QTest::newRow("cyfra") << u"1 Maja"_s << u"1 Maja"_s;
    }
    void pierwsza_litera_po_wyjsciu_z_pola() {
        QFETCH(QString, wpisane);
        QFETCH(QString, po_wyjsciu);
        Tnowy_wpis edytor(nullptr, RodzajBazy::odbiorcy);
        PrzyOknieModalnym<Tnowy_wpis> przy([&](Tnowy_wpis* e) {
            wpisz(e->nazwa_odbiorcy1_wpis, wpisane);
            QCOMPARE(e->nazwa_odbiorcy1_wpis->text(), wpisane);
            QTest::keyClick(e->nazwa_odbiorcy1_wpis, Qt::Key_Tab);
            QCOMPARE(e->nazwa_odbiorcy1_wpis->text(), po_wyjsciu);
            e->b_anuluj->click();
        });
        QCOMPARE(edytor.exec(), int(QDialog::Rejected));
        QVERIFY(przy.otwarte());
    }

    void wpisywanie_numeru_i_enter_zapisuje() {
        Tlista_wpisow lista(nullptr, RodzajBazy::nadawcy, false);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            PrzyOknieModalnym<Tnowy_wpis> edycja([&](Tnowy_wpis* edytor) {
                QTest::keyClicks(edytor->nazwa_odbiorcy1_wpis, u"Jan"_s);
                edytor->lk_wpis->setFocus();
                QTest::keyClicks(edytor->lk_wpis, u"12"_s);
                QVERIFY(edytor->nr_banku_odbiorcy_wpis->hasFocus());
                QTest::keyClicks(edytor->nr_banku_odbiorcy_wpis, u"10205558"_s);
                QVERIFY(edytor->nr_rach_odbiorcy_wpis->hasFocus());
                QTest::keyClicks(edytor->nr_rach_odbiorcy_wpis, u"111122223333444"_s);
                QTest::keyClick(edytor->nr_rach_odbiorcy_wpis, Qt::Key_Return);
            });
            l->dodaj_wpis->click();
            QVERIFY(edycja.otwarte());
            QCOMPARE(pozycje(*l), QStringList{u"Jan"_s});
            l->zapisz_zmiany->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        QCOMPARE(czytaj_plik(plik(u"baza_nadawcow.dat"_s)),
                 rekord("Jan", "", "12", "1020 5558", "1111 2222 3333 444 "));
    }

    // A whole number pasted into any number field fills all three; Enter in
    // a name line saves, as "Zapisz" (Alt+Z) does.
    void wklejony_numer_i_enter_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wklejany");
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<int>("modyfikator");
        QTest::newRow("do L.k., Enter") << u"lk_wpis"_s << u"PL61 1090 1014 0000 0712 1981 2874"_s
                                        << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("do banku, Alt+Z")
            << u"nr_banku_odbiorcy_wpis"_s << u"61-1090-1014-0000-0712-1981-2874"_s
            << int(Qt::Key_Z) << int(Qt::AltModifier);
        QTest::newRow("do konta, Enter")
            << u"nr_rach_odbiorcy_wpis"_s << u"61109010140000071219812874"_s << int(Qt::Key_Return)
            << int(Qt::NoModifier);
    }
    void wklejony_numer_i_enter() {
        QFETCH(QString, pole);
        QFETCH(QString, wklejany);
        QFETCH(int, klawisz);
        QFETCH(int, modyfikator);
        Tnowy_wpis edytor(nullptr, RodzajBazy::odbiorcy);
        PrzyOknieModalnym<Tnowy_wpis> przy([&](Tnowy_wpis* e) {
            QTest::keyClicks(e->nazwa_odbiorcy1_wpis, u"Jan"_s);
            auto* p = e->findChild<PoleMaskowane*>(pole);
            p->setFocus();
            QApplication::clipboard()->setText(wklejany);
            QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
            e->nazwa_odbiorcy2_wpis->setFocus();
            QTest::keyClick(e->nazwa_odbiorcy2_wpis, Qt::Key(klawisz),
                            Qt::KeyboardModifiers(modyfikator));
            QTRY_VERIFY(!e->isVisible());  // a mnemonic presses its button animated
        });
        QCOMPARE(edytor.exec(), int(QDialog::Accepted));
        QVERIFY(przy.otwarte());
        QCOMPARE(edytor.wpis(), Twpis_bazy::z_tekstow(u"Jan"_s, {}, u"61"_s, u"1090 1014"_s,
                                                      u"0000 0712 1981 2874"_s));
    }

    void pusta_pierwsza_linia() {
        SeamDialogow seam;
        Tnowy_wpis edytor(nullptr, RodzajBazy::tytuly);
        PrzyOknieModalnym<Tnowy_wpis> przy([&](Tnowy_wpis* e) {
            QTest::keyClicks(e->nazwa_odbiorcy1_wpis, u"   "_s);
            QTest::keyClicks(e->nazwa_odbiorcy2_wpis, u"druga linia"_s);
            e->b_zapisz->click();
            QVERIFY(e->isVisible());
            QCOMPARE(Dialogi::Test::teksty(), QStringList{puste_pole});
            e->b_anuluj->click();
        });
        QCOMPARE(edytor.exec(), int(QDialog::Rejected));
        QVERIFY(przy.otwarte());
    }

    void tylko_znaki_windows_1250() {
        Tnowy_wpis edytor(nullptr, RodzajBazy::odbiorcy);
        QLineEdit* pole = edytor.nazwa_odbiorcy1_wpis;
        wpisz(pole, u"Zażółć €"_s);
        wpisz(pole, u"中"_s);
        QCOMPARE(pole->text(), u"Zażółć €"_s);
        QCOMPARE(pole->maxLength(), 150);
    }

    void nieudany_zapis_zostawia_okno_otwarte() {
        SeamDialogow seam;
        const QString sciezka = plik(u"baza_odbiorcow.dat"_s);
        zapisz_plik(sciezka, rekord("Stary"));
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::ReadUser);
        Tlista_wpisow lista(nullptr, RodzajBazy::odbiorcy, false);
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* l) {
            dodaj(l, u"Nowy"_s);
            l->zapisz_zmiany->click();
            QVERIFY(l->isVisible());
            QCOMPARE(pozycje(*l), (QStringList{u"Nowy"_s, u"Stary"_s}));
            const auto pokazany = Dialogi::Test::pokazane().value(0);
            QCOMPARE(pokazany.tekst, blad_zapisu);
            QCOMPARE(pokazany.tytul, u"Błąd zapisu"_s);
            QCOMPARE(pokazany.ikona, Dialogi::Ikona::Blad);
            l->anuluj->click();
        });
        lista.exec();
        QVERIFY(przy.otwarte());
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(czytaj_plik(sciezka), rekord("Stary"));
    }

    void komunikaty_odczytu_data() {
        QTest::addColumn<bool>("katalog");
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<int>("wpisow");
        QTest::newRow("nieczytelny plik") << true << u"Błąd odczytu!"_s << 0;
        QTest::newRow("ponad 1000 rekordów") << false << u"Zbyt duża baza"_s << 1000;
    }
    void komunikaty_odczytu() {
        QFETCH(bool, katalog);
        QFETCH(QString, tytul);
        QFETCH(int, wpisow);
        SeamDialogow seam;
        if (katalog) {
            QVERIFY(QDir(katalog_.path()).mkdir(u"baza_nadawcow.dat"_s));
        } else {
            QByteArray dane;
            for (int i = 0; i < 1001; ++i) dane += rekord(std::to_string(1000 + i));
            zapisz_plik(plik(u"baza_nadawcow.dat"_s), dane);
        }
        Tlista_wpisow lista(nullptr, RodzajBazy::nadawcy, false);
        if (katalog) QVERIFY(QDir(katalog_.path()).rmdir(u"baza_nadawcow.dat"_s));
        const QList<Dialogi::Test::Pokazany> pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane[0].tytul, tytul);
        if (katalog) {
            QCOMPARE(pokazane[0].tekst, blad_odczytu);
            QCOMPARE(pokazane[0].ikona, Dialogi::Ikona::Blad);
        }
        QCOMPARE(lista.lista_z_bazy->topLevelItemCount(), wpisow);

        // a full book takes no new entry: the editor is not even opened
        if (wpisow == 1000) {
            PrzyOknieModalnym<Tnowy_wpis> edytor([](Tnowy_wpis*) {});
            lista.dodaj_wpis->click();
            QVERIFY(!edytor.otwarte());
            QCOMPARE(Dialogi::Test::teksty().size(), 2);
        }
    }

    void dopisanie_z_komunikatami_data() {
        QTest::addColumn<QString>("przeszkoda");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("bez przeszkód") << QString() << QString();
        QTest::newRow("tylko do odczytu") << u"odczyt"_s << blad_zapisu;
        QTest::newRow("nieczytelny") << u"katalog"_s << blad_odczytu;
        QTest::newRow("pełna")
            << u"pelna"_s
            << u"Baza może zawierać najwyżej 1000 wpisów.\nNie można dodać nowego wpisu."_s;
    }
    void dopisanie_z_komunikatami() {
        QFETCH(QString, przeszkoda);
        QFETCH(QString, komunikat);
        SeamDialogow seam;
        const QString sciezka = plik(u"baza_tytulow.dat"_s);
        QByteArray stare = rekord("Czynsz");
        if (przeszkoda == u"pelna")
            for (int i = 1; i < 1000; ++i) stare += rekord("Czynsz");
        if (przeszkoda == u"katalog")
            QVERIFY(QDir(katalog_.path()).mkdir(u"baza_tytulow.dat"_s));
        else
            zapisz_plik(sciezka, stare);
        if (przeszkoda == u"odczyt") QFile::setPermissions(sciezka, QFileDevice::ReadOwner);

        const bool zapisany = dopisz_do_bazy(nullptr, RodzajBazy::tytuly, u"Abonament"_s, u"RTV"_s);
        QFile::setPermissions(sciezka, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(zapisany, przeszkoda.isEmpty());
        QCOMPARE(Dialogi::Test::teksty(),
                 komunikat.isEmpty() ? QStringList() : QStringList{komunikat});
        if (przeszkoda == u"katalog")
            QVERIFY(QDir(katalog_.path()).rmdir(u"baza_tytulow.dat"_s));
        else
            QCOMPARE(czytaj_plik(sciezka),
                     zapisany ? rekord("Abonament", "RTV", "", "", "") + stare : stare);
    }

    void polecenia_glownego_okna_data() {
        QTest::addColumn<QString>("akcja");
        QTest::addColumn<QString>("tytul");
        QTest::newRow("przycisk odbiorców") << u"baza_odb"_s << u"Baza odbiorców"_s;
        QTest::newRow("menu nadawców") << u"Bazanadawcow1"_s << u"Baza nadawców"_s;
        QTest::newRow("menu tytułów") << u"Bazatytulow1"_s << u"Baza tytułów"_s;
    }
    void polecenia_glownego_okna() {
        QFETCH(QString, akcja);
        QFETCH(QString, tytul);
        Tglowne_okno glowne;
        QAction* a = akcja == u"baza_odb"        ? glowne.baza_odb
                     : akcja == u"Bazanadawcow1" ? glowne.Bazanadawcow1
                                                 : glowne.Bazatytulow1;
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* lista) {
            QCOMPARE(lista->windowTitle(), tytul);
            QCOMPARE(lista->parentWidget(), &glowne);
            QVERIFY(!lista->wybor());
            QVERIFY(lista->zapisz_zmiany->isEnabled());
            lista->anuluj->click();
        });
        a->trigger();
        QVERIFY(przy.otwarte());
        QVERIFY(!przy.okno());  // created for the command, gone after it
    }
};

QTEST_MAIN(TestOknaBaz)
#include "test_okna_baz.moc"
