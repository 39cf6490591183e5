#include "register/data.h"
#include "editor/nowy_edycja_przelewu.h"
#include "editor/pole_maskowane.h"
#include "editor/sprawdzanie_konta.h"
#include "ui/dialogi.h"
#include "ui/main/glowny.h"
#include "ui/main/lista_przelewow.h"
#include "ui/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString tekst_pustego = u"Nie wypełniłeś niezbędnych pól! Uzupełnij pierwsze pole."_s;

// An order as the editor stores it.
Tprzelew zapisany(const char* odbiorca = "Zenon") {
    Tprzelew p = przelew(odbiorca, "12", "50", "Czynsz", "15.03.2008");
    // Both numbers with right check digits: saving them asks nothing.
    p.lk = "45";
    p.nr_banku_odbiorcy = "1020 5558";
    p.nr_rach_odbiorcy = "1111 2222 3333 4444";
    p.nr_rach_nadawcy = "88 5678 9012 3456 7890 1234 5678";
    p.nazwa_nadawcy1 = "Jan";
    return p;
}

template <std::size_t N>
QByteArray b(const Tekst<N>& t) {
    return QByteArray(t.bajty().data(), qsizetype(t.bajty().size()));
}

// keyClicks knows only ASCII; Polish letters go in as the text of a key press.
void wpisz(QWidget* pole, const QString& tekst) {
    for (const QChar z : tekst) {
        if (z.unicode() < 128) {
            QTest::keyClick(pole, char(z.unicode()));
            continue;
        }
        QKeyEvent nacisniety(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
        QApplication::sendEvent(pole, &nacisniety);
        QKeyEvent puszczony(QEvent::KeyRelease, 0, Qt::NoModifier, QString(z));
        QApplication::sendEvent(pole, &puszczony);
    }
}

QStringList wiersz_listy(Tglowne_okno& okno, int nr) {
    QStringList wynik;
    for (int k = 0; k < 5; ++k) wynik << okno.model_listy->index(nr - 1, k).data().toString();
    return wynik;
}

// The x of a point inside the field at which a click puts the caret at `znak`.
int x_znaku(QLineEdit* pole, int znak) {
    const int y = pole->height() / 2;
    for (int x = 0; x < pole->width(); ++x)
        if (pole->cursorPositionAt(QPoint(x, y)) >= znak) return x;
    return pole->width() - 2;
}

void kliknij_znak(QLineEdit* pole, int znak) {
    QTest::mouseClick(pole, Qt::LeftButton, {}, QPoint(x_znaku(pole, znak), pole->height() / 2));
}

}  // namespace

class TestEdytor : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<Tglowne_okno> glowne_;
    std::unique_ptr<Tnowy_edycja_przelewow> edytor_;

    Rejestr& rejestr() { return glowne_->rejestr; }
    const Tprzelew& wiersz(int nr) { return glowne_->rejestr.przelew(nr); }

    void z_wierszami(std::initializer_list<Tprzelew> wiersze) {
        for (const auto& w : wiersze) rejestr().dopisz(w);
        glowne_->odswiezanie();
    }

    void pokaz() {
        edytor_->show();
        QVERIFY(QTest::qWaitForWindowActive(edytor_.get()));
    }

    void otworz_nowy() {
        edytor_->przygotuj_nowy();
        pokaz();
    }

    void otworz_wiersz(int nr) {
        glowne_->zaznacz_wiersz(nr);
        QVERIFY(edytor_->przygotuj_edycje());
        pokaz();
    }

    // As after exec(): the main window is active again until the next opening.
    void schowaj() {
        edytor_->hide();
        glowne_->show();
        glowne_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(glowne_.get()));
    }

    void zapisz() { QTest::mouseClick(edytor_->zapisz_edycja, Qt::LeftButton); }

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void init() {
        glowne_ = std::make_unique<Tglowne_okno>();
        okna().glowne = glowne_.get();
        edytor_ = std::make_unique<Tnowy_edycja_przelewow>();
        okna().edytor = edytor_.get();
    }

    void cleanup() {
        okna().edytor = nullptr;
        okna().glowne = nullptr;
        edytor_.reset();
        glowne_.reset();
    }

    void nowy_przelew_z_sama_nazwa() {
        SeamDialogow seam;
        otworz_nowy();
        QCOMPARE(edytor_->windowTitle(), u"Nowy przelew"_s);
        QVERIFY(!edycja_przelewu);
        QCOMPARE(QApplication::focusWidget(), edytor_->nazwa_odbiorcy1);
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        zapisz();

        QVERIFY(!edytor_->isVisible());
        QCOMPARE(edytor_->result(), int(QDialog::Accepted));
        QCOMPARE(rejestr().ilosc(), 1);
        const Tprzelew& p = wiersz(1);
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
        QCOMPARE(wiersz_listy(*glowne_, 1),
                 (QStringList{u"Jan"_s, QString(), QString(32, u' '), u"0,00 zł"_s, QString()}));
        QVERIFY(rejestr().zmieniony());
        QVERIFY(rejestr().plik_ma_nazwe);
        QVERIFY(glowne_->FileSaveItem->isEnabled());
        QVERIFY(glowne_->btn_zapisz_do_pliku->isEnabled());
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

        const Tprzelew& p = wiersz(1);
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
        QCOMPARE(
            wiersz_listy(*glowne_, 1).mid(1, 3),
            (QStringList{u"Czynsz"_s, u"12 1020 5558 1111 2222 3333 44  "_s, u"125,07 zł"_s}));
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
        z_wierszami({zapisany()});
        if (edycja) {
            otworz_wiersz(1);
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
        QCOMPARE(edytor_->kwota100->text(), u"05"_s);  // completion ran before the check
        QCOMPARE(rejestr().ilosc(), 1);
        QCOMPARE(wiersz(1), zapisany());
        QVERIFY(!rejestr().zmieniony());
    }

    // What counts as a change when an edited order is saved.
    void wykrywanie_zmian_data() {
        QTest::addColumn<QString>("zmiana");
        QTest::addColumn<bool>("bylo");
        QTest::addColumn<bool>("jest");
        QTest::newRow("bez zmian") << QString() << false << false;
        QTest::newRow("bez zmian nie czysci") << QString() << true << true;
        QTest::newRow("tylko grosze") << u"grosze"_s << false << true;
        QTest::newRow("tylko symbol") << u"symbol"_s << false << true;
        QTest::newRow("tylko rodzaj") << u"rodzaj"_s << false << true;
        QTest::newRow("tylko data") << u"data"_s << false << true;
        QTest::newRow("konto nadawcy") << u"nadawca"_s << false << true;
    }
    void wykrywanie_zmian() {
        QFETCH(QString, zmiana);
        QFETCH(bool, bylo);
        QFETCH(bool, jest);
        SeamDialogow seam;
        z_wierszami({zapisany("Adam"), zapisany()});
        rejestr().ustaw_zmieniony(bylo);
        otworz_wiersz(2);
        QCOMPARE(edytor_->windowTitle(), u"Edycja przelewu"_s);
        QVERIFY(edycja_przelewu);
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
        QCOMPARE(rejestr().zmieniony(), jest);
        QCOMPARE(glowne_->FileSaveItem->isEnabled(), jest);
        QCOMPARE(rejestr().ilosc(), 2);
        QCOMPARE(wiersz(1), zapisany("Adam"));
        if (!zmiana.isEmpty()) QVERIFY(wiersz(2) != zapisany());
    }

    void zapis_edycji_odswieza_wiersz_listy() {
        SeamDialogow seam;
        z_wierszami({zapisany("Adam"), zapisany()});
        otworz_wiersz(2);
        edytor_->tytulem1->selectAll();
        wpisz(edytor_->tytulem1, u"Prąd"_s);
        QTest::keyClicks(edytor_->kwota, u"0"_s);
        zapisz();
        QCOMPARE(b(wiersz(2).tytulem1), QByteArray::fromStdString(w1250("Prąd")));
        QCOMPARE(b(wiersz(2).kwota), QByteArray("120"));
        QCOMPARE(wiersz_listy(*glowne_, 2),
                 (QStringList{u"Zenon"_s, u"Prąd"_s, u"45 1020 5558 1111 2222 3333 4444"_s,
                              u"120,50 zł"_s, u"15.03.2008"_s}));
        QCOMPARE(glowne_->zaznaczony_el(), 2);
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
        z_wierszami({p});
        otworz_wiersz(1);
        zapisz();
        QCOMPARE(b(wiersz(1).nazwa_odbiorcy1),
                 QByteArray::fromStdString(w1250(zapisana.constData())));
        QCOMPARE(b(wiersz(1).tytulem1), QByteArray::fromStdString(w1250(zapisana.constData())));
        QCOMPARE(rejestr().zmieniony(), zmiana);
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
        QCOMPARE(edytor_->kwota->maxLength(), 6);
        QCOMPARE(edytor_->kwota100->maxLength(), 2);
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
        QCOMPARE(wiersz(1).czy_przelew, 0);
        QCOMPARE(b(wiersz(1).nr_rach_nadawcy).left(2), QByteArray("12"));
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
        z_wierszami({p});
        otworz_wiersz(1);
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

    void data_z_kalendarza() {
        otworz_nowy();
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), QDate::currentDate());
        QTest::mouseClick(edytor_->kalendarz_button, Qt::LeftButton);
        QVERIFY(edytor_->MonthCalendar1->isVisible());
        QCOMPARE(edytor_->MonthCalendar1->size(), QSize(169, 153));
        const QSize potrzebny = edytor_->MonthCalendar1->minimumSizeHint();
        QVERIFY(potrzebny.width() <= 169 && potrzebny.height() <= 153);
        edytor_->MonthCalendar1->setSelectedDate(QDate(2010, 2, 3));
        edytor_->MonthCalendar1Click();
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
        QCOMPARE(edytor_->data_label->text(), tekst_daty(QDate(2010, 2, 3)));
        QTest::mouseClick(edytor_->btn_usun_date, Qt::LeftButton);
        QVERIFY(edytor_->data_label->text().isEmpty());
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), QDate(2010, 2, 3));
        QTest::mouseClick(edytor_->kalendarz_button, Qt::LeftButton);
        QTest::mouseClick(edytor_->kalendarz_button, Qt::LeftButton);
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
    }

    void data_przy_otwarciu_data() {
        QTest::addColumn<QByteArray>("zapisana");
        QTest::addColumn<QString>("etykieta");
        QTest::addColumn<QDate>("kalendarz");
        QTest::addColumn<QByteArray>("w_wierszu");
        QTest::newRow("jedna spacja")
            << QByteArray(" ") << QString() << QDate::currentDate() << QByteArray();
        QTest::newRow("pusta") << QByteArray() << QString() << QDate::currentDate() << QByteArray();
        QTest::newRow("z kropkami") << QByteArray("15.03.2008") << u"15.03.2008"_s
                                    << QDate(2008, 3, 15) << QByteArray("15.03.2008");
        // Unreadable: the calendar keeps the date it had.
        QTest::newRow("nie data") << QByteArray("kiedys") << u"kiedys"_s << QDate(2001, 1, 1)
                                  << QByteArray("kiedys");
    }
    void data_przy_otwarciu() {
        QFETCH(QByteArray, zapisana);
        QFETCH(QString, etykieta);
        QFETCH(QDate, kalendarz);
        QFETCH(QByteArray, w_wierszu);
        Tprzelew p = zapisany();
        p.data = zapisana.toStdString();
        z_wierszami({p});
        edytor_->MonthCalendar1->setSelectedDate(QDate(2001, 1, 1));
        otworz_wiersz(1);
        QCOMPARE(edytor_->data_label->text(), etykieta);
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), kalendarz);
        QCOMPARE(b(wiersz(1).data), w_wierszu);
    }

    void pelna_tablica_odmawia_nowego() {
        SeamDialogow seam;
        for (int i = 0; i < TablicaPrzelewow::pojemnosc; ++i)
            rejestr().dopisz(zapisany());
        glowne_->odswiezanie();
        otworz_nowy();
        wpisz(edytor_->nazwa_odbiorcy1, u"Tysiąc pierwszy"_s);
        zapisz();
        QCOMPARE(
            Dialogi::Test::teksty(),
            QStringList{
                u"Lista przelewów jest pełna: można w niej przechowywać najwyżej 1000 przelewów."_s});
        QVERIFY(edytor_->isVisible());
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Tysiąc pierwszy"_s);
        QCOMPARE(rejestr().ilosc(), 1000);
        QCOMPARE(wiersz(1000), zapisany());
        QCOMPARE(glowne_->model_listy->rowCount(), 1000);
        QVERIFY(!rejestr().zmieniony());
    }

    void anuluj_i_zamkniecie_nic_nie_zmieniaja_data() {
        QTest::addColumn<bool>("krzyzyk");
        QTest::newRow("Anuluj") << false;
        QTest::newRow("zamkniecie okna") << true;
    }
    void anuluj_i_zamkniecie_nic_nie_zmieniaja() {
        QFETCH(bool, krzyzyk);
        z_wierszami({zapisany()});
        otworz_wiersz(1);
        edytor_->nazwa_odbiorcy1->selectAll();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Inny"_s);
        if (krzyzyk)
            edytor_->close();
        else
            QTest::mouseClick(edytor_->anuluj_edycja, Qt::LeftButton);
        QVERIFY(!edytor_->isVisible());
        QCOMPARE(wiersz(1), zapisany());
        QCOMPARE(wiersz_listy(*glowne_, 1).first(), u"Zenon"_s);
        QVERIFY(!rejestr().zmieniony());
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
        z_wierszami({zapisany()});
        if (edycja)
            otworz_wiersz(1);
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
        }
        // Escape never stores anything.
        QCOMPARE(rejestr().ilosc(), 1);
        QCOMPARE(wiersz(1), zapisany());
        QVERIFY(!rejestr().zmieniony());
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
        QCOMPARE(rejestr().ilosc(), zapisany ? 1 : 0);
        if (zapisany) QCOMPARE(wiersz(1).nazwa_odbiorcy1.na_unicode(), u"Jan"_s);
    }

    // --- account parts while typing and leaving them

    void przejscia_przy_pisaniu_konta() {
        otworz_nowy();
        edytor_->lk->setFocus();
        QTest::keyClicks(edytor_->lk, u"1"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->lk);
        QTest::keyClick(edytor_->lk, Qt::Key_Tab);
        QVERIFY(czy_czerwone(edytor_->lk));
        // The second digit later carries on to the bank number, painting lk normal on the way out.
        edytor_->lk->setFocus();
        edytor_->lk->setCursorPosition(1);
        QTest::keyClicks(edytor_->lk, u"2"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_banku_odbiorcy);
        QCOMPARE(edytor_->nr_banku_odbiorcy->cursorPosition(), 0);
        QVERIFY(!czy_czerwone(edytor_->lk));

        QTest::keyClicks(edytor_->nr_banku_odbiorcy, u"1020555"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_banku_odbiorcy);
        QTest::keyClick(edytor_->nr_banku_odbiorcy, Qt::Key_Tab);
        QVERIFY(!wynik_sprawdzenia);
        QVERIFY(czy_czerwone(edytor_->nr_banku_odbiorcy));
        edytor_->nr_banku_odbiorcy->setFocus();
        edytor_->nr_banku_odbiorcy->setCursorPosition(8);
        QTest::keyClicks(edytor_->nr_banku_odbiorcy, u"8"_s);
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_rach_odbiorcy);
        QCOMPARE(edytor_->nr_rach_odbiorcy->cursorPosition(), 0);
        QVERIFY(!czy_czerwone(edytor_->nr_banku_odbiorcy));

        // The account was passed through on the way back to the bank number.
        QVERIFY(czy_czerwone(edytor_->nr_rach_odbiorcy));
        QTest::keyClicks(edytor_->nr_rach_odbiorcy, u"111122223333444"_s);
        QVERIFY(czy_czerwone(edytor_->nr_rach_odbiorcy));
        QTest::keyClicks(edytor_->nr_rach_odbiorcy, u"4"_s);
        QVERIFY(!czy_czerwone(edytor_->nr_rach_odbiorcy));  // normal with the 16th digit
        QCOMPARE(QApplication::focusWidget(), edytor_->nr_rach_odbiorcy);
        QTest::keyClick(edytor_->nr_rach_odbiorcy, Qt::Key_Backspace);
        QVERIFY(!czy_czerwone(edytor_->nr_rach_odbiorcy));  // never red while typing
        QTest::keyClick(edytor_->nr_rach_odbiorcy, Qt::Key_Tab);
        QVERIFY(czy_czerwone(edytor_->nr_rach_odbiorcy));
    }

    void aktywacja_koloruje_konto_edytowanego() {
        Tprzelew p = zapisany();
        p.nr_banku_odbiorcy = "1020 555 ";
        Tprzelew dobry = zapisany("Adam");
        dobry.lk = "97";  // wrong check digits look complete
        z_wierszami({p, dobry});
        otworz_wiersz(1);
        QCOMPARE(QApplication::focusWidget(), edytor_->nazwa_odbiorcy1);  // filling moved no focus
        QVERIFY(!czy_czerwone(edytor_->lk));
        QVERIFY(czy_czerwone(edytor_->nr_banku_odbiorcy));
        QVERIFY(!czy_czerwone(edytor_->nr_rach_odbiorcy));
        schowaj();

        otworz_wiersz(2);
        for (QWidget* pole :
             {static_cast<QWidget*>(edytor_->lk), static_cast<QWidget*>(edytor_->nr_banku_odbiorcy),
              static_cast<QWidget*>(edytor_->nr_rach_odbiorcy)})
            QVERIFY(!czy_czerwone(pole));
        maluj_na_czerwono(edytor_->nr_rach_odbiorcy);
        schowaj();
        otworz_nowy();  // a new order starts with all three normal
        QVERIFY(!czy_czerwone(edytor_->nr_rach_odbiorcy));
    }

    // --- typing and pasting account numbers

    PoleMaskowane* pole_konta(const QString& nazwa) {
        return edytor_->findChild<PoleMaskowane*>(nazwa);
    }

    // A click past the typed digits continues where they end; End does the same.
    void klik_i_pisanie_w_koncie_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("znak");  // where the click aims; -1: End instead of a click
        QTest::addColumn<QString>("klawisze");
        QTest::addColumn<QString>("zapisany");
        const QString rach = u"nr_rach_odbiorcy"_s;
        const QString bank = u"nr_banku_odbiorcy"_s;
        QTest::newRow("puste konto, klik w srodku") << rach << QString() << 10 << u"1234"_s
                                                    << u"1234               "_s;
        QTest::newRow("puste konto, klik na koncu") << rach << QString() << 19 << u"12345"_s
                                                    << u"1234 5             "_s;
        QTest::newRow("czesciowe konto, klik za cyframi")
            << rach << u"1234 56"_s << 16 << u"78"_s << u"1234 5678          "_s;
        QTest::newRow("klik na cyfrze nadpisuje")
            << rach << u"1234 5678"_s << 1 << u"9"_s << u"1934 5678          "_s;
        QTest::newRow("klik w dziure przed cyframi")
            << bank << u"12 4 5678"_s << 2 << u"3"_s << u"1234 5678"_s;
        QTest::newRow("ostatnia cyfra przez klik na koncu")
            << bank << u"1234 567"_s << 9 << u"8"_s << u"1234 5678"_s;
        QTest::newRow("ostatnia cyfra przez End") << bank << u"1234 567"_s << -1 << u"8"_s
                                                  << u"1234 5678"_s;
        QTest::newRow("End w pustym polu") << bank << QString() << -1 << u"12"_s
                                           << u"12       "_s;
        QTest::newRow("dziura po pelnym koncu, klik na koncu")
            << bank << u"1 34 5678"_s << 9 << u"2"_s << u"1234 5678"_s;
        QTest::newRow("L.k. pusty, klik na koncu") << u"lk"_s << QString() << 2 << u"1"_s << u"1 "_s;
        QTest::newRow("L.k. z jedna cyfra, klik na koncu")
            << u"lk"_s << u"4"_s << 2 << u"7"_s << u"47"_s;
    }
    void klik_i_pisanie_w_koncie() {
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(int, znak);
        QFETCH(QString, klawisze);
        QFETCH(QString, zapisany);
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        PoleMaskowane* p = pole_konta(pole);
        p->ustaw_tekst(tekst);
        if (znak < 0) {
            p->setFocus();
            p->setCursorPosition(0);
            QTest::keyClick(p, Qt::Key_End);
        } else {
            kliknij_znak(p, znak);
        }
        QCOMPARE(QApplication::focusWidget(), p);
        QTest::keyClicks(p, klawisze);
        zapisz();
        const Tprzelew& w = wiersz(1);
        const QString zapisane = pole == u"lk"_s                  ? w.lk.na_unicode()
                                 : pole == u"nr_banku_odbiorcy"_s ? w.nr_banku_odbiorcy.na_unicode()
                                                                  : w.nr_rach_odbiorcy.na_unicode();
        QCOMPARE(zapisane, zapisany);
    }

    // The slots of an account field are as wide as its digits.
    void konto_czcionka_stalej_szerokosci() {
        otworz_nowy();
        for (PoleMaskowane* p : {edytor_->lk, edytor_->nr_banku_odbiorcy, edytor_->nr_rach_odbiorcy,
                                 edytor_->nr_rach_nadawcy}) {
            QCOMPARE(p->fontMetrics().horizontalAdvance(u' '),
                     p->fontMetrics().horizontalAdvance(u'8'));
            QCOMPARE(p->font().pixelSize(), 11);
        }
    }

    // A whole number pasted anywhere fills all three parts; a part pasted
    // into its own field fills that field.
    void wklejanie_konta_data() {
        QTest::addColumn<QString>("wklejany");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("sposob");  // "ctrl+v", "menu", "srodkowy"
        QTest::addColumn<QStringList>("zapisane");  // lk, bank, account
        const QStringList caly = {u"61"_s, u"1090 1014"_s, u"0000 0712 1981 2874"_s};
        const QString rach = u"nr_rach_odbiorcy"_s;
        QTest::newRow("same cyfry do L.k.")
            << u"61109010140000071219812874"_s << u"lk"_s << u"ctrl+v"_s << caly;
        QTest::newRow("ze spacjami do banku")
            << u"61 1090 1014 0000 0712 1981 2874"_s << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s
            << caly;
        QTest::newRow("z PL i spacjami do konta")
            << u"PL61 1090 1014 0000 0712 1981 2874"_s << rach << u"ctrl+v"_s << caly;
        QTest::newRow("z myslnikami, menu") << u"61-1090-1014-0000-0712-1981-2874"_s << rach
                                             << u"menu"_s << caly;
        QTest::newRow("z pl i spacjami dookola, menu")
            << u"  pl61109010140000071219812874\n"_s << u"lk"_s << u"menu"_s << caly;
        QTest::newRow("caly numer srodkowym przyciskiem")
            << u"61 1090 1014 0000 0712 1981 2874"_s << rach << u"srodkowy"_s << caly;
        QTest::newRow("sam bank do banku")
            << u"1090 1014"_s << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s
            << QStringList{u"  "_s, u"1090 1014"_s, QString(19, u' ')};
        QTest::newRow("samo konto do konta")
            << u"0000-0712-1981-2874"_s << rach << u"ctrl+v"_s
            << QStringList{u"  "_s, QString(9, u' '), u"0000 0712 1981 2874"_s};
        QTest::newRow("samo L.k. do L.k.")
            << u"61"_s << u"lk"_s << u"menu"_s
            << QStringList{u"61"_s, QString(9, u' '), QString(19, u' ')};
        // 25 digits are not a whole number: only what fits from the caret.
        QTest::newRow("25 cyfr do banku")
            << u"6110901014000007121981287"_s << u"nr_banku_odbiorcy"_s << u"ctrl+v"_s
            << QStringList{u"  "_s, u"6110 9010"_s, QString(19, u' ')};
        QTest::newRow("numer z litera w srodku")
            << u"61 1090 1014 0000 0712 1981 287A"_s << u"lk"_s << u"ctrl+v"_s
            << QStringList{u"61"_s, QString(9, u' '), QString(19, u' ')};
    }
    void wklejanie_konta() {
        QFETCH(QString, wklejany);
        QFETCH(QString, pole);
        QFETCH(QString, sposob);
        QFETCH(QStringList, zapisane);
        QClipboard* schowek = QApplication::clipboard();
        if (sposob == u"srodkowy"_s && !schowek->supportsSelection())
            QSKIP("Ten system nie ma schowka zaznaczenia.");
        SeamDialogow seam;
        otworz_nowy();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        PoleMaskowane* p = pole_konta(pole);
        p->setFocus();
        p->setCursorPosition(0);
        if (sposob == u"srodkowy"_s) {
            schowek->setText(wklejany, QClipboard::Selection);
            QTest::mouseClick(p, Qt::MiddleButton, {}, QPoint(4, p->height() / 2));
        } else if (sposob == u"menu"_s) {
            schowek->setText(wklejany);
            QTimer::singleShot(0, this, [] {
                QWidget* menu = QApplication::activePopupWidget();
                QVERIFY(menu);
                QAction* wklej = nullptr;
                for (QAction* a : menu->actions())
                    if (a->text().startsWith(QLineEdit::tr("&Paste"))) wklej = a;
                QVERIFY(wklej);
                wklej->trigger();
                menu->close();
            });
            QContextMenuEvent zdarzenie(QContextMenuEvent::Mouse, QPoint(4, 4),
                                        p->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(p, &zdarzenie);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        } else {
            schowek->setText(wklejany);
            QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
        }
        zapisz();
        const Tprzelew& w = wiersz(1);
        QCOMPARE((QStringList{w.lk.na_unicode(), w.nr_banku_odbiorcy.na_unicode(),
                              w.nr_rach_odbiorcy.na_unicode()}),
                 zapisane);
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
        for (QPushButton* b :
             {edytor_->drukuj_w_edycji_przelew, edytor_->podglad_wydruku_w_edycji,
              edytor_->zapisz_edycja, edytor_->anuluj_edycja})
            QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        for (QPushButton* b :
             {edytor_->drukuj_w_edycji_przelew, edytor_->podglad_wydruku_w_edycji,
              edytor_->b_dodaj_do_bazy_odbiorcow, edytor_->b_dodaj_do_bazy_nadawcow,
              edytor_->b_dodaj_do_bazy_tytulow, edytor_->wybierz_wpis_odb,
              edytor_->wybierz_wpis_nad, edytor_->wybierz_tytul})
            QVERIFY(b->isEnabled());
        QVERIFY(!edytor_->drukuj_w_edycji_przelew->icon().isNull());
        QCOMPARE(edytor_->podglad_wydruku_w_edycji->text(), u"&Podgląd wydruku"_s);
        QCOMPARE(edytor_->kalendarz_button->toolTip(), u"Ustal date dla tego przelewu"_s);
        QCOMPARE(edytor_->wybierz_wpis_nad->toolTip(), u"Wybierz nadawcę z bazy nadawców"_s);
        QCOMPARE(edytor_->anuluj_edycja->toolTip(), u"Anuluj tworzenie przelewu"_s);
        // ...but never shown.
        QWidget* przycisk = edytor_->kalendarz_button;
        QHelpEvent pytanie(QEvent::ToolTip, QPoint(2, 2), przycisk->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(przycisk, &pytanie);
        QVERIFY(!QToolTip::isVisible());
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
                                            edytor_->zapisz_edycja,
                                            edytor_->anuluj_edycja};
        QList<QWidget*> odwiedzone;
        for (int i = 0; i < oczekiwana.size(); ++i) {
            odwiedzone << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(odwiedzone, oczekiwana);
    }

    // Nothing is cut off with whatever font stands in for Tahoma.
    void nic_nie_jest_uciete() {
        otworz_nowy();
        const QRect wnetrze = edytor_->rect();
        for (QWidget* w : edytor_->findChildren<QWidget*>()) {
            if (w->parentWidget() != edytor_.get() || !w->isVisible()) continue;
            QVERIFY2(wnetrze.contains(w->geometry()), qPrintable(w->objectName()));
            if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty())
                QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
            if (auto* b = qobject_cast<QPushButton*>(w); b && b->text().size() > 3)
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        }
        for (PoleMaskowane* p : {edytor_->lk, edytor_->nr_banku_odbiorcy, edytor_->nr_rach_odbiorcy,
                                 edytor_->nr_rach_nadawcy, edytor_->symbol}) {
            p->ustaw_tekst(p->maska().pusty().replace(u' ', u'8'));
            const int tekst = p->fontMetrics().horizontalAdvance(p->tekst());
            QVERIFY2(tekst + 8 <= p->width(), qPrintable(p->objectName()));
        }
        // Widgets that overlap would hide one another (the calendar is meant to).
        const QList<QWidget*> dzieci = edytor_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : dzieci)
            for (QWidget* b : dzieci)
                if (a != b && a->isVisible() && b->isVisible())
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + u" / "_s + b->objectName()));
    }

    void tekst_spoza_strony_kodowej_sie_nie_wpisze() {
        otworz_nowy();
        wpisz(edytor_->nazwa_odbiorcy1, u"Żółć→€"_s);
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Żółć€"_s);
    }

    // --- the main window's commands

    void polecenia_glownego_okna() {
        SeamDialogow seam;
        z_wierszami({zapisany()});
        glowne_->zaznacz_wiersz(0);
        bool pokazany = false;
        QTimer::singleShot(0, this, [&] {
            pokazany = edytor_->isVisible();
            edytor_->close();
        });
        glowne_->edycja();  // nothing selected: no window
        QVERIFY(!pokazany);
        QCoreApplication::processEvents();

        QTimer::singleShot(0, this, [&] {
            pokazany = edytor_->isVisible();
            QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"Nowy"_s);
            QTest::mouseClick(edytor_->zapisz_edycja, Qt::LeftButton);
        });
        glowne_->ListViewNew();
        QVERIFY(pokazany);
        QCOMPARE(rejestr().ilosc(), 2);
        QCOMPARE(wiersz_listy(*glowne_, 2).first(), u"Nowy"_s);

        glowne_->zaznacz_wiersz(1);
        QTimer::singleShot(0, this, [&] {
            pokazany = edytor_->isVisible() && edytor_->nazwa_odbiorcy1->text() == u"Zenon"_s;
            QTest::mouseClick(edytor_->anuluj_edycja, Qt::LeftButton);
        });
        glowne_->edycja();
        QVERIFY(pokazany);
    }
};

QTEST_MAIN(TestEdytor)
#include "test_edytor.moc"
