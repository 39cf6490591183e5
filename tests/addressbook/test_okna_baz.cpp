#include "addressbook/komunikaty_bazy.h"
#include "addressbook/lista.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "editor/pole_maskowane.h"
#include "editor/sprawdzanie_konta.h"
#include "rekord_wpisu.h"
#include "ui/dialogi.h"
#include "ui/main/glowny.h"
#include "ui/obrazki.h"
#include "ui/okna.h"
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
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString blad_zapisu = u"Nie udało sie zapisać zmian!"_s;
const QString blad_odczytu = u"Wystąpił błąd odczytu!\nPlik bazy jest uszkodzony."_s;
const QString puste_pole = u"Nie wypełniłeś niezbędnych pól! Uzupełnij pierwsze pole."_s;

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

// Runs `krok` once the modal window is up. A failed check inside closes the
// window, so the test ends instead of waiting for a human.
void gdy_otwarte(QDialog* okno, std::function<void()> krok) {
    QTimer::singleShot(0, okno, [okno, krok] {
        if (!okno->isVisible()) {
            gdy_otwarte(okno, krok);
            return;
        }
        okno->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == okno);
        krok();
        if (QTest::currentTestFailed() && okno->isVisible()) okno->reject();
    });
}

// Typing character by character, Polish letters and all.
void wpisz(QWidget* pole, const QString& tekst) {
    for (const QChar z : tekst)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

void kliknij_pozycje(Tlista_wpisow& lista, int wiersz) {
    QTreeWidget* l = lista.lista_z_bazy;
    const QPoint srodek = l->visualItemRect(l->topLevelItem(wiersz)).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, srodek);
}

bool ma_obrazek(const QAction* akcja, const QString& nazwa) {
    const QPixmap wzor = obrazek(nazwa);
    return akcja->icon().pixmap(wzor.size()).toImage() == wzor.toImage();
}

}  // namespace

class TestOknaBaz : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<Tlista_wpisow> lista_;
    Tnowy_wpis* edytor_ = nullptr;

    QString plik(const QString& nazwa) const { return katalog_.filePath(nazwa); }

    // Adds one entry through "Dodaj" and the entry editor.
    void dodaj(const QString& nazwa1) {
        gdy_otwarte(edytor_, [this, nazwa1] {
            QCOMPARE(edytor_->windowTitle(), u"Nowy wpis"_s);
            QTest::keyClicks(edytor_->nazwa_odbiorcy1_wpis, nazwa1);
            edytor_->b_zapisz->click();
        });
        lista_->dodaj_wpis->click();
    }

    void otworz(const QString& rodzaj, bool wybor) {
        rodzaj_bazy = rodzaj;
        wybor_z_bazy = wybor;
        lista_->przypisanie_label();
    }

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        // an unexpected message box must not wait for a human
        Dialogi::Test::wlacz();
        lista_ = std::make_unique<Tlista_wpisow>();
        edytor_ = new Tnowy_wpis(lista_.get());
        okna().lista_wpisow = lista_.get();
        okna().nowy_wpis = edytor_;
    }

    void cleanupTestCase() {
        okna() = {};
        lista_.reset();
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
        otworz(u"odbiorcy"_s, false);
        QCOMPARE(lista_->windowTitle(), u"Baza odbiorców"_s);
        gdy_otwarte(lista_.get(), [&] {
            QVERIFY(lista_->zapisz_zmiany->isEnabled());
            QVERIFY(!lista_->edytuj_wpis->isEnabled());
            QVERIFY(!lista_->usun_zaznaczony->isEnabled());
            QVERIFY(ma_obrazek(lista_->edytuj_zaznaczony, u"EDIT_D"_s));
            dodaj(u"beta"_s);
            dodaj(u"alfa"_s);
            QCOMPARE(pozycje(*lista_), (QStringList{u"Alfa"_s, u"Beta"_s, u"Zenon"_s}));
            (ok ? lista_->zapisz_zmiany : lista_->anuluj)->click();
        });
        lista_->exec();
        QVERIFY(!lista_->isVisible());
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)),
                 ok ? rekord_nowy("Alfa") + rekord_nowy("Beta") + stary : stary);
        QCOMPARE(tablica_wpisow.ilosc_el_w_bazie(), ok ? 0 : 3);
        QVERIFY(Dialogi::Test::teksty().isEmpty());
    }

    void wybieranie_data() {
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("sposob");
        QTest::addColumn<QString>("konto");
        QTest::newRow("odbiorca kliknięciem i OK") << u"odbiorcy"_s << u"OK"_s << QString();
        QTest::newRow("nadawca dwuklikiem")
            << u"nadawcy"_s << u"dwuklik"_s << u"99 8888 7777 6666 5555 4444 3333"_s;
        QTest::newRow("tytuł klawiaturą") << u"tytuly"_s << u"Enter"_s << QString();
    }
    void wybieranie() {
        QFETCH(QString, rodzaj);
        QFETCH(QString, sposob);
        QFETCH(QString, konto);
        SeamDialogow seam;
        const QByteArray dane = rekord("Adam", "pierwszy") +
                                rekord("Bogdan", "drugi", "99", "8888 7777", "6666 5555 4444 3333");
        zapisz_plik(plik(plik_bazy(rodzaj)), dane);
        QSignalSpy wybrano(lista_.get(), &Tlista_wpisow::wybrano);
        gdy_otwarte(lista_.get(), [&] {
            QVERIFY(!lista_->zapisz_zmiany->isEnabled());
            QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Return);  // nothing selected yet
            QVERIFY(lista_->isVisible());
            if (sposob == u"Enter") {
                QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Down);
                QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Down);
                QCOMPARE(lista_->zaznaczony_el_w_bazie(), 2);
                QVERIFY(lista_->edytuj_wpis->isEnabled());
                QVERIFY(!lista_->zapisz_zmiany->isEnabled());  // only a click makes the choice
                QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Return);
            } else if (sposob == u"dwuklik") {
                // the test's double click brings no press of its own
                kliknij_pozycje(*lista_, 1);
                const QTreeWidget* l = lista_->lista_z_bazy;
                QTest::mouseDClick(l->viewport(), Qt::LeftButton, {},
                                   l->visualItemRect(l->topLevelItem(1)).center());
            } else {
                kliknij_pozycje(*lista_, 1);
                QVERIFY(lista_->zapisz_zmiany->isEnabled());
                QVERIFY(ma_obrazek(lista_->usun_zaznaczony, u"DELETE_E"_s));
                lista_->zapisz_zmiany->click();
            }
        });
        const std::optional<Twpis_bazy> wpis = wybor_wpisu(rodzaj);
        QVERIFY(wpis.has_value());
        QCOMPARE(wybrano.size(), 1);
        QCOMPARE(wpis->nazwa1, "Bogdan");
        QCOMPARE(wpis->nazwa2, "drugi");
        if (!konto.isEmpty()) QCOMPARE(konto_nadawcy(*wpis), konto);
        QCOMPARE(czytaj_plik(plik(plik_bazy(rodzaj))), dane);
    }

    void wybieranie_anulowane() {
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), rekord("Adam"));
        gdy_otwarte(lista_.get(), [&] {
            kliknij_pozycje(*lista_, 0);
            lista_->anuluj->click();
        });
        QVERIFY(!wybor_wpisu(u"odbiorcy"_s).has_value());
    }

    void pola_numerow_wedlug_bazy() {
        struct Krok {
            const char16_t* rodzaj;
            const char16_t* tytul;
            const char16_t* label1;
            const char16_t* label4;
            bool numery;
        };
        // The titles book switches the numbers off; the next book switches them back.
        for (const Krok& k :
             {Krok{u"tytuly", u"Baza tytułów", u"Tytułem:", u"Nr banku:", false},
              Krok{u"odbiorcy", u"Baza odbiorców", u"Nazwa odbiorcy:", u"Nr banku odbiorcy:", true},
              Krok{u"tytuly", u"Baza tytułów", u"Tytułem:", u"Nr banku:", false},
              Krok{u"nadawcy", u"Baza nadawców", u"Nazwa nadawcy:", u"Nr banku nadawcy:", true}}) {
            otworz(QString::fromUtf16(k.rodzaj), false);
            QCOMPARE(lista_->windowTitle(), QString::fromUtf16(k.tytul));
            QCOMPARE(edytor_->Label1->text(), QString::fromUtf16(k.label1));
            QCOMPARE(edytor_->Label4->text(), QString::fromUtf16(k.label4));
            QCOMPARE(edytor_->Label3->text(), u"Lk.:"_s);
            const QColor tlo =
                k.numery ? QApplication::palette().color(QPalette::Base) : kolor_pol_nieaktywnych;
            for (QWidget* w :
                 std::initializer_list<QWidget*>{edytor_->lk_wpis, edytor_->nr_banku_odbiorcy_wpis,
                                                 edytor_->nr_rach_odbiorcy_wpis}) {
                QCOMPARE(w->isEnabled(), k.numery);
                QCOMPARE(w->palette().color(QPalette::Base), tlo);
            }
            for (QWidget* w :
                 std::initializer_list<QWidget*>{edytor_->Label3, edytor_->Label4, edytor_->Label5})
                QCOMPARE(w->isEnabled(), k.numery);
        }
    }

    void edycja_pokazuje_niepelny_numer_na_czerwono() {
        const std::string dluga(120, 'n');
        zapisz_plik(plik(u"baza_odbiorcow.dat"_s), rekord(dluga, "cd.", "12", "1020 555 "));
        otworz(u"odbiorcy"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            kliknij_pozycje(*lista_, 0);
            gdy_otwarte(edytor_, [&] {
                QCOMPARE(edytor_->windowTitle(), u"Edycja wpisu"_s);
                QVERIFY(czy_czerwone(edytor_->nr_banku_odbiorcy_wpis));
                QVERIFY(!czy_czerwone(edytor_->lk_wpis));
                QVERIFY(!czy_czerwone(edytor_->nr_rach_odbiorcy_wpis));
                QCOMPARE(edytor_->nazwa_odbiorcy1_wpis->text().size(), 120);
                QTest::keyClicks(edytor_->nazwa_odbiorcy2_wpis, u" dalej"_s);
                edytor_->b_zapisz->click();
            });
            lista_->edytuj_wpis->click();
            // a new entry starts without the previous entry's marks
            gdy_otwarte(edytor_, [&] {
                QVERIFY(!czy_czerwone(edytor_->nr_banku_odbiorcy_wpis));
                QCOMPARE(edytor_->nr_banku_odbiorcy_wpis->tekst(), QString(9, u' '));
                edytor_->b_anuluj->click();
            });
            lista_->dodaj_wpis->click();
            lista_->zapisz_zmiany->click();
        });
        lista_->exec();
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)),
                 rekord("N" + dluga.substr(1), "cd. dalej", "12", "1020 555 "));
    }

    void usuwanie_klawiszem_i_anuluj() {
        zapisz_plik(plik(u"baza_tytulow.dat"_s), rekord("A") + rekord("B") + rekord("C"));
        otworz(u"tytuly"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Delete);  // nothing selected
            QCOMPARE(pozycje(*lista_), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
            kliknij_pozycje(*lista_, 1);
            QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Delete);
            QCOMPARE(pozycje(*lista_), (QStringList{u"A"_s, u"C"_s}));
            QVERIFY(!lista_->usun_wpis->isEnabled());
            lista_->anuluj->click();
        });
        lista_->exec();
        otworz(u"tytuly"_s, false);
        QCOMPARE(pozycje(*lista_), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    }

    // Escape never ends the book window, which would silently drop the book's
    // unsaved changes; in the entry editor it is "Anuluj", asking first when
    // something was typed.
    void escape() {
        zapisz_plik(plik(u"baza_tytulow.dat"_s), rekord("A") + rekord("B"));
        otworz(u"tytuly"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            kliknij_pozycje(*lista_, 0);
            QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Delete);
            QTest::keyClick(lista_->lista_z_bazy, Qt::Key_Escape);
            QVERIFY(lista_->isVisible());
            QCOMPARE(pozycje(*lista_), QStringList{u"B"_s});
            gdy_otwarte(edytor_, [&] {
                QTest::keyClicks(edytor_->nazwa_odbiorcy1_wpis, u"Abc"_s);
                Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Nie);
                QTest::keyClick(edytor_->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(edytor_->isVisible());
                QCOMPARE(edytor_->nazwa_odbiorcy1_wpis->text(), u"Abc"_s);
                Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Tak);
                QTest::keyClick(edytor_->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(!edytor_->isVisible());
            });
            lista_->dodaj_wpis->click();
            QCOMPARE(Dialogi::Test::teksty(),
                     (QStringList{u"Porzucić zmiany?"_s, u"Porzucić zmiany?"_s}));
            Dialogi::Test::wyczysc();
            QCOMPARE(pozycje(*lista_), QStringList{u"B"_s});
            // Nothing typed: no question.
            gdy_otwarte(edytor_, [&] {
                QTest::keyClick(edytor_->nazwa_odbiorcy1_wpis, Qt::Key_Escape);
                QVERIFY(!edytor_->isVisible());
            });
            lista_->dodaj_wpis->click();
            QCOMPARE(Dialogi::Test::teksty(), QStringList());
            lista_->anuluj->click();
        });
        lista_->exec();
        QVERIFY(!lista_->isVisible());
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
        otworz(u"odbiorcy"_s, false);
        edycja_wpisu = false;
        edytor_->wyczysc_pola();
        gdy_otwarte(edytor_, [&] {
            wpisz(edytor_->nazwa_odbiorcy1_wpis, wpisane);
            QCOMPARE(edytor_->nazwa_odbiorcy1_wpis->text(), wpisane);
            QTest::keyClick(edytor_->nazwa_odbiorcy1_wpis, Qt::Key_Tab);
            QCOMPARE(edytor_->nazwa_odbiorcy1_wpis->text(), po_wyjsciu);
            edytor_->b_anuluj->click();
        });
        edytor_->exec();
        QCOMPARE(tablica_wpisow.ilosc_el_w_bazie(), 0);
    }

    void wpisywanie_numeru_i_enter_zapisuje() {
        otworz(u"nadawcy"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            gdy_otwarte(edytor_, [&] {
                QTest::keyClicks(edytor_->nazwa_odbiorcy1_wpis, u"Jan"_s);
                edytor_->lk_wpis->setFocus();
                QTest::keyClicks(edytor_->lk_wpis, u"12"_s);
                QVERIFY(edytor_->nr_banku_odbiorcy_wpis->hasFocus());
                QTest::keyClicks(edytor_->nr_banku_odbiorcy_wpis, u"10205558"_s);
                QVERIFY(edytor_->nr_rach_odbiorcy_wpis->hasFocus());
                QTest::keyClicks(edytor_->nr_rach_odbiorcy_wpis, u"111122223333444"_s);
                QTest::keyClick(edytor_->nr_rach_odbiorcy_wpis, Qt::Key_Return);
            });
            lista_->dodaj_wpis->click();
            QCOMPARE(pozycje(*lista_), QStringList{u"Jan"_s});
            lista_->zapisz_zmiany->click();
        });
        lista_->exec();
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
        otworz(u"odbiorcy"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            gdy_otwarte(edytor_, [&] {
                QTest::keyClicks(edytor_->nazwa_odbiorcy1_wpis, u"Jan"_s);
                auto* p = edytor_->findChild<PoleMaskowane*>(pole);
                p->setFocus();
                QApplication::clipboard()->setText(wklejany);
                QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
                edytor_->nazwa_odbiorcy2_wpis->setFocus();
                QTest::keyClick(edytor_->nazwa_odbiorcy2_wpis, Qt::Key(klawisz),
                                Qt::KeyboardModifiers(modyfikator));
                QTRY_VERIFY(!edytor_->isVisible());  // a mnemonic presses its button animated
            });
            lista_->dodaj_wpis->click();
            lista_->zapisz_zmiany->click();
        });
        lista_->exec();
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)),
                 rekord("Jan", "", "61", "1090 1014", "0000 0712 1981 2874"));
    }

    void pusta_pierwsza_linia() {
        SeamDialogow seam;
        otworz(u"tytuly"_s, false);
        edycja_wpisu = false;
        edytor_->wyczysc_pola();
        gdy_otwarte(edytor_, [&] {
            QTest::keyClicks(edytor_->nazwa_odbiorcy1_wpis, u"   "_s);
            QTest::keyClicks(edytor_->nazwa_odbiorcy2_wpis, u"druga linia"_s);
            edytor_->b_zapisz->click();
            QVERIFY(edytor_->isVisible());
            QCOMPARE(Dialogi::Test::teksty(), QStringList{puste_pole});
            edytor_->b_anuluj->click();
        });
        edytor_->exec();
        QCOMPARE(tablica_wpisow.ilosc_el_w_bazie(), 0);
    }

    void tylko_znaki_windows_1250() {
        QLineEdit* pole = edytor_->nazwa_odbiorcy1_wpis;
        pole->clear();
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
        otworz(u"odbiorcy"_s, false);
        gdy_otwarte(lista_.get(), [&] {
            dodaj(u"Nowy"_s);
            lista_->zapisz_zmiany->click();
            QVERIFY(lista_->isVisible());
            QCOMPARE(pozycje(*lista_), (QStringList{u"Nowy"_s, u"Stary"_s}));
            const auto pokazany = Dialogi::Test::pokazane().value(0);
            QCOMPARE(pokazany.tekst, blad_zapisu);
            QCOMPARE(pokazany.tytul, u"Błąd zapisu"_s);
            QCOMPARE(pokazany.ikona, Dialogi::Ikona::Blad);
            lista_->anuluj->click();
        });
        lista_->exec();
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
        otworz(u"nadawcy"_s, false);
        if (katalog) QVERIFY(QDir(katalog_.path()).rmdir(u"baza_nadawcow.dat"_s));
        const QList<Dialogi::Test::Pokazany> pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), 1);
        QCOMPARE(pokazane[0].tytul, tytul);
        if (katalog) {
            QCOMPARE(pokazane[0].tekst, blad_odczytu);
            QCOMPARE(pokazane[0].ikona, Dialogi::Ikona::Blad);
        }
        QCOMPARE(lista_->lista_z_bazy->topLevelItemCount(), wpisow);

        // a full book takes no new entry: the editor is not even opened
        if (wpisow == 1000) {
            gdy_otwarte(lista_.get(), [&] {
                lista_->dodaj_wpis->click();
                QVERIFY(!edytor_->isVisible());
                QCOMPARE(Dialogi::Test::teksty().size(), 2);
                lista_->anuluj->click();
            });
            lista_->exec();
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

        const bool zapisany = dopisz_do_bazy(nullptr, u"tytuly"_s, u"Abonament"_s, u"RTV"_s);
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
        wybor_z_bazy = true;
        gdy_otwarte(lista_.get(), [&] {
            QCOMPARE(lista_->windowTitle(), tytul);
            QVERIFY(!wybor_z_bazy);
            QVERIFY(lista_->zapisz_zmiany->isEnabled());
            lista_->anuluj->click();
        });
        a->trigger();
        QVERIFY(!lista_->isVisible());
    }
};

QTEST_MAIN(TestOknaBaz)
#include "test_okna_baz.moc"
