// The transfer editor on its own, handed an order and a routine that keeps
// what it hands back.
#include "editor/edytor_testowy.h"
#include "register/data.h"
#include "register/pola_przelewu.h"
#include "widgets/dialogi.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "wspolne/okna.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolTip>

#include <memory>

Q_DECLARE_METATYPE(PolePrzelewu)

using namespace Qt::StringLiterals;

namespace {

const QString tekst_pustego = u"Nie wypełniłeś niezbędnych pól! Uzupełnij pole „Nazwa odbiorcy”."_s;

}  // namespace

class TestEdytor : public QObject, protected EdytorTestowy {
    Q_OBJECT
  private slots:
    void initTestCase() { przygotuj_katalog(); }
    void init() { utworz(); }
    void cleanup() { edytor_.reset(); }

    void nowy_przelew_z_sama_nazwa() {
        SeamDialogow seam;
        otworz_nowy();
        QCOMPARE(edytor_->windowTitle(), u"Nowy przelew"_s);
        QVERIFY(!edytor_->edycja());
        QCOMPARE(QApplication::focusWidget(), edytor_->nazwa_odbiorcy1);
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        zapisz();

        QVERIFY(!edytor_->isVisible());
        QCOMPARE(edytor_->result(), int(QDialog::Accepted));
        QCOMPARE(oddane_.size(), std::size_t(1));
        const Tprzelew& p = oddane_[0];
        QCOMPARE(b(p.nazwa_odbiorcy1), QByteArray("Jan"));
        QCOMPARE(b(p.lk), QByteArray("  "));
        QCOMPARE(b(p.nr_banku_odbiorcy), QByteArray(9, ' '));
        QCOMPARE(b(p.nr_rach_odbiorcy), QByteArray(19, ' '));
        QCOMPARE(b(p.nr_rach_nadawcy), QByteArray(32, ' '));
        QCOMPARE(b(p.kwota), QByteArray("0"));
        QCOMPARE(b(p.kwota100), QByteArray("00"));
        QVERIFY(p.data.empty());
        QCOMPARE(b(p.symbol), QByteArray("06"));
        QCOMPARE(p.czy_przelew, 1);
        QVERIFY(p.tytulem1.empty() && p.nazwa_nadawcy1.empty() && p.dodatkowe.empty());
    }

    void wszystkie_pola_trafiaja_do_wiersza() {
        SeamDialogow seam;
        otworz_nowy();
        wpisz(edytor_->nazwa_odbiorcy1, u"Łukasz"_s);
        QTest::keyClicks(edytor_->nazwa_odbiorcy2, u"cd."_s);
        QTest::keyClicks(edytor_->lk, u"12"_s);
        QTest::keyClicks(edytor_->nr_banku_odbiorcy, u"10205558"_s);
        QTest::keyClicks(edytor_->nr_rach_odbiorcy, u"11112222333344"_s);
        QTest::keyClicks(edytor_->kwota, u"125"_s);
        QTest::keyClicks(edytor_->kwota100, u"7"_s);
        QTest::keyClicks(edytor_->nr_rach_nadawcy, u"34567890123456789012345678"_s);
        QTest::keyClicks(edytor_->nazwa_nadawcy1, u"Jan"_s);
        QTest::keyClicks(edytor_->nazwa_nadawcy2, u"Kowalski"_s);
        QTest::keyClicks(edytor_->tytulem1, u"czynsz"_s);
        QTest::keyClicks(edytor_->tytulem2, u"marzec"_s);
        QTest::keyClicks(edytor_->dodatkowe, u"inf"_s);
        edytor_->symbol->setCursorPosition(0);
        QTest::keyClicks(edytor_->symbol, u"51"_s);
        edytor_->MonthCalendar1->setSelectedDate(QDate(2008, 3, 15));
        edytor_->MonthCalendar1Click();
        // The sender's made-up number has wrong check digits: stored all the same.
        Dialogi::Test::odpowiedz(Dialogi::Odpowiedz::Tak);
        zapisz();

        QCOMPARE(oddane_.size(), std::size_t(1));
        const Tprzelew& p = oddane_[0];
        QCOMPARE(b(p.nazwa_odbiorcy1), QByteArray::fromStdString(w1250("Łukasz")));
        QCOMPARE(b(p.nazwa_odbiorcy2), QByteArray("cd."));
        QCOMPARE(b(p.lk), QByteArray("12"));
        QCOMPARE(b(p.nr_banku_odbiorcy), QByteArray("1020 5558"));
        QCOMPARE(b(p.nr_rach_odbiorcy), QByteArray("1111 2222 3333 44  "));
        QCOMPARE(b(p.kwota), QByteArray("125"));
        QCOMPARE(b(p.kwota100), QByteArray("07"));  // completed on saving, as on leaving the field
        QCOMPARE(p.data.na_unicode(), tekst_daty(QDate(2008, 3, 15)));
        QCOMPARE(b(p.nr_rach_nadawcy), QByteArray("34 5678 9012 3456 7890 1234 5678"));
        QCOMPARE(b(p.nazwa_nadawcy1), QByteArray("Jan"));
        QCOMPARE(b(p.nazwa_nadawcy2), QByteArray("Kowalski"));
        QCOMPARE(b(p.tytulem1), QByteArray("Czynsz"));
        QCOMPARE(b(p.tytulem2), QByteArray("marzec"));
        QCOMPARE(b(p.symbol), QByteArray("51"));
        QCOMPARE(b(p.dodatkowe), QByteArray("inf"));
        QCOMPARE(p.czy_przelew, 1);
    }

    void pusta_nazwa_odrzucona_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("edycja");
        QTest::newRow("pusta, nowy") << QString() << false;
        QTest::newRow("trzy spacje, nowy") << u"   "_s << false;
        QTest::newRow("spacje, edycja") << u"  "_s << true;
    }
    void pusta_nazwa_odrzucona() {
        QFETCH(QString, nazwa);
        QFETCH(bool, edycja);
        SeamDialogow seam;
        if (edycja) {
            otworz(zapisany());
            edytor_->nazwa_odbiorcy1->clear();
        } else {
            otworz_nowy();
        }
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, nazwa);
        edytor_->kwota100->selectAll();
        QTest::keyClicks(edytor_->kwota100, u"5"_s);
        zapisz();

        QCOMPARE(Dialogi::Test::teksty(), QStringList{tekst_pustego});
        QVERIFY(edytor_->isVisible());
        QCOMPARE(QApplication::focusWidget(), edytor_->nazwa_odbiorcy1);  // where it names
        QCOMPARE(edytor_->kwota100->text(), u"05"_s);  // completion ran before the check
        QVERIFY(oddane_.empty());
    }

    // What counts as a change when an edited order is saved.
    void wykrywanie_zmian_data() {
        QTest::addColumn<QString>("zmiana");
        QTest::addColumn<QList<PolePrzelewu>>("zmienione");
        using P = PolePrzelewu;
        QTest::newRow("bez zmian") << QString() << QList<P>{};
        QTest::newRow("tylko grosze") << u"grosze"_s << QList<P>{P::kwota100};
        QTest::newRow("tylko symbol") << u"symbol"_s << QList<P>{P::symbol};
        QTest::newRow("tylko rodzaj") << u"rodzaj"_s << QList<P>{P::czy_przelew};
        QTest::newRow("tylko data") << u"data"_s << QList<P>{P::data};
        QTest::newRow("konto nadawcy") << u"nadawca"_s << QList<P>{P::nr_rach_nadawcy};
    }
    void wykrywanie_zmian() {
        QFETCH(QString, zmiana);
        QFETCH(QList<PolePrzelewu>, zmienione);
        SeamDialogow seam;
        otworz(zapisany());
        QCOMPARE(edytor_->windowTitle(), u"Edycja przelewu"_s);
        QVERIFY(edytor_->edycja());
        if (zmiana == u"grosze"_s) {
            edytor_->kwota100->selectAll();
            QTest::keyClicks(edytor_->kwota100, u"51"_s);
        } else if (zmiana == u"symbol"_s) {
            edytor_->symbol->setCursorPosition(1);
            QTest::keyClicks(edytor_->symbol, u"7"_s);
        } else if (zmiana == u"rodzaj"_s) {
            QTest::mouseClick(edytor_->rb_wplata, Qt::LeftButton);
        } else if (zmiana == u"data"_s) {
            QTest::mouseClick(edytor_->btn_usun_date, Qt::LeftButton);
        } else if (zmiana == u"nadawca"_s) {
            edytor_->nr_rach_nadawcy->setCursorPosition(31);
            QTest::keyClick(edytor_->nr_rach_nadawcy, Qt::Key_Backspace);
        }
        zapisz();
        QVERIFY(!edytor_->isVisible());
        QCOMPARE(oddane_.size(), std::size_t(1));
        const std::vector<PolePrzelewu> roznice = zmienione_pola(zapisany(), oddane_[0]);
        QCOMPARE(QList<PolePrzelewu>(roznice.begin(), roznice.end()), zmienione);
    }

    void wielka_litera_data() {
        QTest::addColumn<QByteArray>("nazwa");
        QTest::addColumn<QByteArray>("zapisana");
        QTest::addColumn<bool>("zmiana");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("Abc") << true;
        QTest::newRow("łódź") << QByteArray("łódź") << QByteArray("łódź") << false;
        QTest::newRow("cyfra") << QByteArray("1abc") << QByteArray("1abc") << false;
    }
    void wielka_litera() {
        QFETCH(QByteArray, nazwa);
        QFETCH(QByteArray, zapisana);
        QFETCH(bool, zmiana);
        SeamDialogow seam;
        Tprzelew p = zapisany(nazwa.constData());
        p.tytulem1 = w1250(nazwa.constData());
        otworz(p);
        zapisz();
        QCOMPARE(oddane_.size(), std::size_t(1));
        const Tprzelew& w = oddane_[0];
        QCOMPARE(b(w.nazwa_odbiorcy1), QByteArray::fromStdString(w1250(zapisana.constData())));
        QCOMPARE(b(w.tytulem1), QByteArray::fromStdString(w1250(zapisana.constData())));
        QCOMPARE(przelew_zmieniony(p, w), zmiana);
    }

    void wielka_litera_po_wyjsciu_z_pola() {
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"zenon"_s);
        QTest::keyClick(edytor_->nazwa_odbiorcy1, Qt::Key_Tab);
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Zenon"_s);
        edytor_->tytulem1->setFocus();
        QTest::keyClicks(edytor_->tytulem1, u"czynsz"_s);
        QCOMPARE(edytor_->tytulem1->text(), u"czynsz"_s);
        edytor_->tytulem2->setFocus();
        QCOMPARE(edytor_->tytulem1->text(), u"Czynsz"_s);
    }

    void kwoty_w_polach() {
        otworz_nowy();
        edytor_->kwota->setFocus();
        QTest::keyClicks(edytor_->kwota, u"1x2a"_s);
        QCOMPARE(edytor_->kwota->text(), u"12"_s);
        edytor_->kwota->clear();
        QTest::keyClick(edytor_->kwota, Qt::Key_Tab);  // into kwota100
        QCOMPARE(edytor_->kwota->text(), u"0"_s);
        QTest::keyClicks(edytor_->kwota100, u"5"_s);
        QTest::keyClick(edytor_->kwota100, Qt::Key_Tab);
        QCOMPARE(edytor_->kwota100->text(), u"05"_s);
    }

    void wplata_wylacza_konto_nadawcy_ale_je_zachowuje() {
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        QTest::keyClicks(edytor_->nr_rach_nadawcy, u"12"_s);
        QCOMPARE(edytor_->nr_rach_nadawcy->palette().color(QPalette::Base), QColor(255, 255, 255));
        QTest::mouseClick(edytor_->rb_wplata, Qt::LeftButton);
        QVERIFY(edytor_->rb_wplata->isChecked() && !edytor_->rb_przelew->isChecked());
        QVERIFY(!edytor_->nr_rach_nadawcy->isEnabled());
        QCOMPARE(edytor_->nr_rach_nadawcy->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Button));
        QCOMPARE(edytor_->nr_rach_nadawcy->tekst().left(2), u"12"_s);
        zapisz();
        QCOMPARE(oddane_.size(), std::size_t(1));
        QCOMPARE(oddane_[0].czy_przelew, 0);
        QCOMPARE(b(oddane_[0].nr_rach_nadawcy).left(2), QByteArray("12"));
    }

    void przelew_wlacza_konto_nadawcy() {
        otworz_nowy();
        QTest::mouseClick(edytor_->rb_wplata, Qt::LeftButton);
        QTest::mouseClick(edytor_->rb_przelew, Qt::LeftButton);
        QVERIFY(edytor_->nr_rach_nadawcy->isEnabled());
        QCOMPARE(edytor_->nr_rach_nadawcy->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    void otwarcie_wplaty() {
        Tprzelew p = zapisany();
        p.czy_przelew = 0;
        otworz(p);
        QVERIFY(edytor_->rb_wplata->isChecked() && !edytor_->rb_przelew->isChecked());
        QVERIFY(!edytor_->nr_rach_nadawcy->isEnabled());
        QCOMPARE(edytor_->nr_rach_nadawcy->tekst(), u"88 5678 9012 3456 7890 1234 5678"_s);
        // A new order afterwards starts as a transfer again.
        schowaj();
        otworz_nowy();
        QVERIFY(edytor_->rb_przelew->isChecked() && edytor_->nr_rach_nadawcy->isEnabled());
        QCOMPARE(edytor_->nr_rach_nadawcy->tekst(), QString(32, u' '));
        QCOMPARE(edytor_->symbol->tekst(), u"06"_s);
    }

    void pelna_tablica_odmawia_nowego() {
        SeamDialogow seam;
        przyjmuje_ = false;
        otworz_nowy();
        wpisz(edytor_->nazwa_odbiorcy1, u"Tysiąc pierwszy"_s);
        zapisz();
        QCOMPARE(
            Dialogi::Test::teksty(),
            QStringList{
                u"Lista przelewów jest pełna: można w niej przechowywać najwyżej 1000 przelewów."_s});
        QVERIFY(edytor_->isVisible());
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Tysiąc pierwszy"_s);
        QCOMPARE(edytor_->result(), int(QDialog::Rejected));
    }

    void anuluj_i_zamkniecie_nic_nie_zmieniaja_data() {
        QTest::addColumn<bool>("krzyzyk");
        QTest::newRow("Anuluj") << false;
        QTest::newRow("zamkniecie okna") << true;
    }
    void anuluj_i_zamkniecie_nic_nie_zmieniaja() {
        QFETCH(bool, krzyzyk);
        otworz(zapisany());
        edytor_->nazwa_odbiorcy1->selectAll();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Inny"_s);
        if (krzyzyk)
            edytor_->close();
        else
            QTest::mouseClick(edytor_->anuluj_edycja, Qt::LeftButton);
        QVERIFY(!edytor_->isVisible());
        QCOMPARE(edytor_->result(), int(QDialog::Rejected));
        QVERIFY(oddane_.empty());
    }

    // Escape is "Anuluj", asking first only when something would be lost.
    void escape_data() {
        QTest::addColumn<bool>("edycja");
        QTest::addColumn<QString>("zmiana");  // the field typed into, or nothing
        QTest::addColumn<int>("odpowiedz");   // -1: no question expected
        QTest::addColumn<bool>("zamkniete");
        const int tak = int(Dialogi::Odpowiedz::Tak), nie = int(Dialogi::Odpowiedz::Nie);
        QTest::newRow("nowy bez zmian") << false << QString() << -1 << true;
        QTest::newRow("nowy z nazwa, Tak") << false << u"nazwa_odbiorcy1"_s << tak << true;
        QTest::newRow("nowy z nazwa, Nie") << false << u"nazwa_odbiorcy1"_s << nie << false;
        QTest::newRow("nowy z kontem, Nie") << false << u"nr_rach_odbiorcy"_s << nie << false;
        QTest::newRow("edycja bez zmian") << true << QString() << -1 << true;
        QTest::newRow("edycja z kwota, Tak") << true << u"kwota"_s << tak << true;
        QTest::newRow("edycja z tytulem, Nie") << true << u"tytulem2"_s << nie << false;
    }
    void escape() {
        QFETCH(bool, edycja);
        QFETCH(QString, zmiana);
        QFETCH(int, odpowiedz);
        QFETCH(bool, zamkniete);
        SeamDialogow seam;
        if (edycja)
            otworz(zapisany());
        else
            otworz_nowy();
        QWidget* pole = edytor_->nazwa_odbiorcy1;
        if (!zmiana.isEmpty()) {
            pole = edytor_->findChild<QWidget*>(zmiana);
            pole->setFocus();
            QTest::keyClicks(pole, u"7"_s);
        }
        if (odpowiedz >= 0) Dialogi::Test::odpowiedz(Dialogi::Odpowiedz(odpowiedz));
        QTest::keyClick(pole, Qt::Key_Escape);
        QCOMPARE(!edytor_->isVisible(), zamkniete);
        const auto pokazane = Dialogi::Test::pokazane();
        QCOMPARE(pokazane.size(), odpowiedz >= 0 ? 1 : 0);
        if (odpowiedz >= 0) {
            QCOMPARE(pokazane.first().tekst, u"Porzucić zmiany?"_s);
            QCOMPARE(pokazane.first().przyciski, Dialogi::Przyciski::TakNie);
            QCOMPARE(pokazane.first().ikona, Dialogi::Ikona::Pytanie);
            QCOMPARE(pokazane.first().domyslna, Dialogi::Odpowiedz::Nie);
        }
        // Escape never stores anything.
        QVERIFY(oddane_.empty());
    }

    // Enter outside the calendar is "Zapisz"; Alt and a letter press a button.
    void klawisze_zapisu_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<int>("modyfikator");
        QTest::addColumn<bool>("zapisany");
        const int enter = Qt::Key_Return, alt = Qt::AltModifier, brak = Qt::NoModifier;
        QTest::newRow("Enter w nazwie") << u"nazwa_odbiorcy1"_s << enter << brak << true;
        QTest::newRow("Enter z klawiatury numerycznej w tytule")
            << u"tytulem1"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Enter w koncie") << u"nr_rach_odbiorcy"_s << enter << brak << true;
        QTest::newRow("Enter w kwocie") << u"kwota"_s << enter << brak << true;
        QTest::newRow("Enter na przycisku Anuluj") << u"anuluj_edycja"_s << enter << brak << false;
        QTest::newRow("Alt+Z") << u"dodatkowe"_s << int(Qt::Key_Z) << alt << true;
        QTest::newRow("Alt+A") << u"nazwa_odbiorcy2"_s << int(Qt::Key_A) << alt << false;
    }
    void klawisze_zapisu() {
        QFETCH(QString, pole);
        QFETCH(int, klawisz);
        QFETCH(int, modyfikator);
        QFETCH(bool, zapisany);
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        auto* w = edytor_->findChild<QWidget*>(pole);
        w->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), w);
        QTest::keyClick(w, Qt::Key(klawisz), Qt::KeyboardModifiers(modyfikator));
        QTRY_VERIFY(!edytor_->isVisible());  // a mnemonic presses its button animated
        QCOMPARE(oddane_.size(), std::size_t(zapisany ? 1 : 0));
        if (zapisany) QCOMPARE(oddane_[0].nazwa_odbiorcy1.na_unicode(), u"Jan"_s);
    }

    // --- the window itself

    void okno_i_kontrolki() {
        otworz_nowy();
        QVERIFY(edytor_->windowFlags() & Qt::Tool);
        QVERIFY(!(edytor_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(edytor_->height(), 330);
        QVERIFY(edytor_->width() >= 517);
        QCOMPARE(edytor_->lk->tekst(), u"  "_s);
        QCOMPARE(edytor_->nr_rach_nadawcy->tekst().size(), 32);
        QCOMPARE(edytor_->symbol->tekst(), u"06"_s);
        for (QLineEdit* p :
             {edytor_->nazwa_odbiorcy1, edytor_->nazwa_odbiorcy2, edytor_->nazwa_nadawcy1,
              edytor_->nazwa_nadawcy2, edytor_->tytulem1, edytor_->tytulem2})
            QCOMPARE(p->maxLength(), 150);
        QCOMPARE(edytor_->dodatkowe->maxLength(), 20);

        // Picture buttons never take the focus by a click; those of the
        // bottom row are reached by Tab.
        for (QPushButton* b :
             {edytor_->b_dodaj_do_bazy_odbiorcow, edytor_->b_dodaj_do_bazy_nadawcow,
              edytor_->b_dodaj_do_bazy_tytulow, edytor_->btn_usun_date})
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        for (QPushButton* b : {edytor_->drukuj_w_edycji_przelew, edytor_->podglad_wydruku_w_edycji,
                               edytor_->zapisz_edycja, edytor_->anuluj_edycja})
            QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        for (QPushButton* b :
             {edytor_->drukuj_w_edycji_przelew, edytor_->podglad_wydruku_w_edycji,
              edytor_->b_dodaj_do_bazy_odbiorcow, edytor_->b_dodaj_do_bazy_nadawcow,
              edytor_->b_dodaj_do_bazy_tytulow, edytor_->wybierz_wpis_odb,
              edytor_->wybierz_wpis_nad, edytor_->wybierz_tytul})
            QVERIFY(b->isEnabled());
        // Buttons with only a picture say in Polish what they do, and show it.
        for (QPushButton* b :
             {edytor_->b_dodaj_do_bazy_odbiorcow, edytor_->b_dodaj_do_bazy_nadawcow,
              edytor_->b_dodaj_do_bazy_tytulow, edytor_->btn_usun_date}) {
            QVERIFY(b->text().isEmpty());
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        }
        QCOMPARE(edytor_->b_dodaj_do_bazy_nadawcow->toolTip(), u"Dodaj nadawcę do bazy nadawców"_s);
        QCOMPARE(edytor_->btn_usun_date->toolTip(), u"Usuń datę"_s);
        QCOMPARE(edytor_->podglad_wydruku_w_edycji->text(), u"&Podgląd wydruku"_s);
        QCOMPARE(edytor_->kalendarz_button->toolTip(), u"Ustal date dla tego przelewu"_s);
        QCOMPARE(edytor_->wybierz_wpis_nad->toolTip(), u"Wybierz nadawcę z bazy nadawców"_s);
        QCOMPARE(edytor_->anuluj_edycja->toolTip(), u"Anuluj tworzenie przelewu"_s);
        // ...but never shown.
        QWidget* przycisk = edytor_->kalendarz_button;
        QHelpEvent pytanie(QEvent::ToolTip, QPoint(2, 2), przycisk->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(przycisk, &pytanie);
        QVERIFY(!QToolTip::isVisible());
        // A picture alone needs its words.
        QWidget* obrazek = edytor_->btn_usun_date;
        QHelpEvent pytanie_obrazka(QEvent::ToolTip, QPoint(2, 2),
                                   obrazek->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(obrazek, &pytanie_obrazka);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"Usuń datę"_s);
        QToolTip::hideText();
    }

    void kolejnosc_tabulacji() {
        otworz_nowy();
        // Enabled stops in the order the user meets them; the hidden calendar is skipped.
        const QList<QWidget*> oczekiwana = {edytor_->nazwa_odbiorcy1,
                                            edytor_->nazwa_odbiorcy2,
                                            edytor_->lk,
                                            edytor_->nr_banku_odbiorcy,
                                            edytor_->nr_rach_odbiorcy,
                                            edytor_->rb_przelew,
                                            edytor_->kwota,
                                            edytor_->kwota100,
                                            edytor_->data_label,
                                            edytor_->kalendarz_button,
                                            edytor_->nr_rach_nadawcy,
                                            edytor_->nazwa_nadawcy1,
                                            edytor_->nazwa_nadawcy2,
                                            edytor_->tytulem1,
                                            edytor_->tytulem2,
                                            edytor_->symbol,
                                            edytor_->wybierz_wpis_odb,
                                            edytor_->wybierz_wpis_nad,
                                            edytor_->wybierz_tytul,
                                            edytor_->dodatkowe,
                                            edytor_->drukuj_w_edycji_przelew,
                                            edytor_->podglad_wydruku_w_edycji,
                                            edytor_->b_zaplac_telefonem,
                                            edytor_->zapisz_edycja,
                                            edytor_->anuluj_edycja};
        QList<QWidget*> odwiedzone;
        for (int i = 0; i < oczekiwana.size(); ++i) {
            odwiedzone << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(odwiedzone, oczekiwana);
    }

    // Nothing is cut off and nothing touches, at the desktop's font and at a
    // larger one, for each way the window opens.
    void nic_nie_jest_uciete_data() {
        QTest::addColumn<bool>("edycja");
        QTest::addColumn<bool>("wplata");
        QTest::addColumn<qreal>("punkty");  // the application's font; 0: as it is
        for (const qreal punkty : {0.0, 13.0})
            for (const bool edycja : {false, true})
                for (const bool wplata : {false, true})
                    QTest::addRow("%s, %s, %s", edycja ? "edycja" : "nowy",
                                  wplata ? "wplata" : "przelew", punkty > 0 ? "13 pt" : "pulpit")
                        << edycja << wplata << punkty;
    }
    void nic_nie_jest_uciete() {
        QFETCH(bool, edycja);
        QFETCH(bool, wplata);
        QFETCH(qreal, punkty);
        const QFont dawna = QApplication::font();
        const auto przywroc = qScopeGuard([&] { QApplication::setFont(dawna); });
        if (punkty > 0) {
            QFont czcionka = dawna;
            czcionka.setPointSizeF(punkty);
            QApplication::setFont(czcionka);
        }
        // Built with that font, as on a desktop that has it.
        edytor_ = std::make_unique<Tnowy_edycja_przelewow>();
        Tprzelew p = zapisany();
        p.czy_przelew = wplata ? 0 : 1;
        if (edycja) {
            edytor_->przygotuj_edycje(p);
        } else {
            edytor_->przygotuj_nowy();
            if (wplata) edytor_->rb_wplata->click();
        }
        sprawdz_czy_nic_nie_uciete(edytor_.get());
        if (QTest::currentTestFailed()) return;
        QVERIFY(edytor_->width() >= 517 && edytor_->height() >= 330);

        for (PoleMaskowane* m : {edytor_->lk, edytor_->nr_banku_odbiorcy, edytor_->nr_rach_odbiorcy,
                                 edytor_->nr_rach_nadawcy, edytor_->symbol}) {
            m->ustaw_tekst(m->maska().pusty().replace(u' ', u'8'));
            const int tekst = m->fontMetrics().horizontalAdvance(m->tekst());
            QVERIFY2(tekst + 8 <= m->width(), qPrintable(m->objectName()));
        }
        // Controls that touch would hide one another (the calendar is meant to).
        const QList<QWidget*> dzieci = edytor_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : dzieci)
            for (QWidget* b : dzieci)
                if (a != b && a->isVisible() && b->isVisible())
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + u" / "_s + b->objectName()));
        // The calendar opens inside the window, under its button.
        QTest::mouseClick(edytor_->kalendarz_button, Qt::LeftButton);
        QVERIFY(edytor_->MonthCalendar1->isVisible());
        QVERIFY(edytor_->rect().contains(edytor_->MonthCalendar1->geometry()));
        QVERIFY(edytor_->MonthCalendar1->y() >= edytor_->kalendarz_button->geometry().bottom());
        const QSize potrzebny = edytor_->MonthCalendar1->minimumSizeHint();
        QVERIFY(edytor_->MonthCalendar1->width() >= potrzebny.width());
        QVERIFY(edytor_->MonthCalendar1->height() >= potrzebny.height());
    }

    void tekst_spoza_strony_kodowej_sie_nie_wpisze() {
        otworz_nowy();
        wpisz(edytor_->nazwa_odbiorcy1, u"Żółć→€"_s);
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Żółć€"_s);
    }
};

QTEST_MAIN(TestEdytor)
#include "test_edytor.moc"
