// The amount and date fields of the editor as the user meets them: typed and
// pasted amounts, dates typed in, and the calendar driven by keys alone.
#include "editor/edytor_testowy.h"
#include "register/data.h"
#include "widgets/dialogi.h"
#include "wspolne/okna.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// Screenshots for a person to look at, only when asked for.
void zrzut(QWidget* okno, const QString& nazwa) {
    const QByteArray folder = qgetenv("VANDORIA_ZRZUTY");
    if (!folder.isEmpty()) okno->grab().save(QString::fromLocal8Bit(folder) + u'/' + nazwa);
}

}  // namespace

class TestPoleKwoty : public QObject, protected EdytorTestowy {
    Q_OBJECT
  private slots:
    void initTestCase() { przygotuj_katalog(); }
    void init() { utworz(); }
    void cleanup() { edytor_.reset(); }

    // Typed key by key into "Kwota", over an old amount or into an empty one;
    // then Enter. What is saved is what was typed.
    void pisanie_kwoty_data() {
        QTest::addColumn<QString>("stara");  // "złote,grosze" in the fields, selected; empty: none
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QByteArray>("zlote");
        QTest::addColumn<QByteArray>("grosze");
        QTest::newRow("przecinek")
            << QString() << u"245,67"_s << QByteArray("245") << QByteArray("67");
        QTest::newRow("kropka") << QString() << u"245.67"_s << QByteArray("245")
                                << QByteArray("67");
        QTest::newRow("na starej kwocie")
            << u"100,99"_s << u"245,67"_s << QByteArray("245") << QByteArray("67");
        QTest::newRow("bez groszy")
            << QString() << u"245"_s << QByteArray("245") << QByteArray("00");
        QTest::newRow("litera odrzucona")
            << QString() << u"1x2a"_s << QByteArray("12") << QByteArray("00");
        QTest::newRow("minus odrzucony")
            << QString() << u"-5"_s << QByteArray("5") << QByteArray("00");
        QTest::newRow("siódma cyfra odrzucona")
            << QString() << u"1234567"_s << QByteArray("123456") << QByteArray("00");
        QTest::newRow("same grosze")
            << QString() << u",75"_s << QByteArray("0") << QByteArray("75");
        QTest::newRow("jedna cyfra po przecinku to dziesiątki groszy")
            << QString() << u"12,5"_s << QByteArray("12") << QByteArray("50");
        QTest::newRow("trzecia cyfra groszy odrzucona")
            << QString() << u"1,234"_s << QByteArray("1") << QByteArray("23");
    }
    void pisanie_kwoty() {
        QFETCH(QString, stara);
        QFETCH(QString, wpisane);
        QFETCH(QByteArray, zlote);
        QFETCH(QByteArray, grosze);
        SeamDialogow seam;
        if (stara.isEmpty()) {
            otworz_nowy();
            wpisz(edytor_->nazwa_odbiorcy1, u"Jan"_s);
        } else {
            Tprzelew p = zapisany();
            p.kwota = stara.section(u',', 0, 0).toStdString();
            p.kwota100 = stara.section(u',', 1).toStdString();
            otworz(p);
        }
        edytor_->kwota->setFocus();
        edytor_->kwota->selectAll();
        for (const QChar z : wpisane) wpisz(edytor_->focusWidget(), QString(z));
        if (wpisane == u"245,67") zrzut(edytor_.get(), u"edytor_245_67.png"_s);
        QTest::keyClick(edytor_->focusWidget(), Qt::Key_Return);
        QCOMPARE(oddane_.size(), std::size_t(1));
        QCOMPARE(b(oddane_[0].kwota), zlote);
        QCOMPARE(b(oddane_[0].kwota100), grosze);
    }

    // Pasted into "Kwota": every common form fills both fields; a text that is
    // no amount, or too large for an order, is refused whole, with a word.
    void wklejanie_kwoty_data() {
        QTest::addColumn<QString>("wklejone");
        QTest::addColumn<QString>("zlote");  // "-": refused, the fields unchanged
        QTest::addColumn<QString>("grosze");
        QTest::newRow("spacja tysięcy") << u"1 234,56"_s << u"1234"_s << u"56"_s;
        QTest::newRow("kropka") << u"1234.56"_s << u"1234"_s << u"56"_s;
        QTest::newRow("z walutą") << u"1 234,56 zł"_s << u"1234"_s << u"56"_s;
        QTest::newRow("same złote") << u"1234"_s << u"1234"_s << u"99"_s;
        QTest::newRow("za duża") << u"1 234 567,00"_s << u"-"_s << QString();
        QTest::newRow("szesnastkowo") << u"$10"_s << u"-"_s << QString();
    }
    void wklejanie_kwoty() {
        QFETCH(QString, wklejone);
        QFETCH(QString, zlote);
        QFETCH(QString, grosze);
        otworz_nowy();
        edytor_->kwota->setText(u"7"_s);
        edytor_->kwota100->setText(u"99"_s);
        edytor_->kwota->setFocus();
        edytor_->kwota->selectAll();
        QToolTip::hideText();
        QGuiApplication::clipboard()->setText(wklejone);
        edytor_->kwota->paste();
        if (zlote == u"-") {
            QCOMPARE(edytor_->kwota->text(), u"7"_s);
            QCOMPARE(edytor_->kwota100->text(), u"99"_s);
            QVERIFY(!QToolTip::text().isEmpty());
            return;
        }
        QCOMPARE(edytor_->kwota->text(), zlote);
        QCOMPARE(edytor_->kwota100->text(), grosze);
    }

    void data_z_kalendarza() {
        otworz_nowy();
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), QDate::currentDate());
        QTest::mouseClick(edytor_->kalendarz_button, Qt::LeftButton);
        QVERIFY(edytor_->MonthCalendar1->isVisible());
        // As drawn, or as large as the desktop's font needs to show it whole.
        QCOMPARE(edytor_->MonthCalendar1->size(),
                 QSize(169, 153).expandedTo(edytor_->MonthCalendar1->minimumSizeHint()));
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
        QTest::addColumn<QByteArray>("oddana");  // "-": nothing handed back
        QTest::addColumn<bool>("pyta");          // the date is no real day: saving asks
        QTest::addColumn<bool>("tak");
        QTest::newRow("jedna spacja") << QByteArray(" ") << QString() << QDate::currentDate()
                                      << QByteArray() << false << false;
        QTest::newRow("pusta") << QByteArray() << QString() << QDate::currentDate() << QByteArray()
                               << false << false;
        // A stored date stays as stored, though another form is the user's.
        QTest::newRow("z kropkami")
            << QByteArray("15.03.2008") << u"15.03.2008"_s << QDate(2008, 3, 15)
            << QByteArray("15.03.2008") << false << false;
        // Unreadable: the calendar keeps the date it had, the field is red, and
        // saving asks, with Nie as the answer Enter gives.
        QTest::newRow("nie data, Tak") << QByteArray("kiedys") << u"kiedys"_s << QDate(2001, 1, 1)
                                       << QByteArray("kiedys") << true << true;
        QTest::newRow("30 lutego, Nie") << QByteArray("30.02.2099") << u"30.02.2099"_s
                                        << QDate(2001, 1, 1) << QByteArray("-") << true << false;
    }

    void data_przy_otwarciu() {
        QFETCH(QByteArray, zapisana);
        QFETCH(QString, etykieta);
        QFETCH(QDate, kalendarz);
        QFETCH(QByteArray, oddana);
        QFETCH(bool, pyta);
        QFETCH(bool, tak);
        SeamDialogow seam;
        Tprzelew p = zapisany();
        p.data = zapisana.toStdString();
        edytor_->MonthCalendar1->setSelectedDate(QDate(2001, 1, 1));
        otworz(p);
        QCOMPARE(edytor_->data_label->text(), etykieta);
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), kalendarz);
        QCOMPARE(edytor_->data_bledna(), pyta);
        if (pyta) Dialogi::Test::odpowiedz(tak ? Dialogi::Odpowiedz::Tak : Dialogi::Odpowiedz::Nie);
        zapisz();
        QCOMPARE(Dialogi::Test::pokazane().size(), pyta ? 1 : 0);
        if (pyta) QCOMPARE(Dialogi::Test::pokazane().at(0).domyslna, Dialogi::Odpowiedz::Nie);
        QCOMPARE(oddane_.size(), std::size_t(oddana == "-" ? 0 : 1));
        if (oddana != "-") QCOMPARE(b(oddane_[0].data), oddana);
    }

    // Dates typed in: a real day is written in the user's form and the
    // calendar follows; anything else stays as typed and is marked.
    void pisanie_daty_data() {
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QDate>("dzien");  // invalid: no real day
        QTest::newRow("z kropkami") << u"15.01.2027"_s << QDate(2027, 1, 15);
        QTest::newRow("osiem cyfr") << u"15012027"_s << QDate(2027, 1, 15);
        QTest::newRow("ISO") << u"2027-01-15"_s << QDate(2027, 1, 15);
        QTest::newRow("myślniki") << u"15-01-2027"_s << QDate();
        QTest::newRow("30 lutego") << u"30.02.2099"_s << QDate();
    }
    void pisanie_daty() {
        QFETCH(QString, wpisane);
        QFETCH(QDate, dzien);
        otworz_nowy();
        edytor_->data_label->setFocus();
        wpisz(edytor_->data_label, wpisane);
        QTest::keyClick(edytor_->data_label, Qt::Key_Tab);
        QCOMPARE(edytor_->data_label->text(), dzien.isValid() ? tekst_daty(dzien) : wpisane);
        QCOMPARE(edytor_->data_bledna(), !dzien.isValid());
        QCOMPARE(edytor_->data_label->palette().color(QPalette::Base) == QColor(255, 0, 0),
                 !dzien.isValid());
        if (dzien.isValid()) QCOMPARE(edytor_->MonthCalendar1->selectedDate(), dzien);
    }

    // The calendar by keys alone: Space opens it with the focus in it, arrows
    // move the day, Enter sets it and never saves the order, Escape closes it
    // with nothing changed and never closes the editor.
    void kalendarz_z_klawiatury() {
        otworz_nowy();
        edytor_->MonthCalendar1->setSelectedDate(QDate(2027, 1, 15));
        edytor_->kalendarz_button->setFocus();
        QTest::keyClick(edytor_->kalendarz_button, Qt::Key_Space);
        QVERIFY(edytor_->MonthCalendar1->isVisible());
        QWidget* w = edytor_->focusWidget();
        QVERIFY(w && edytor_->MonthCalendar1->isAncestorOf(w));
        QTest::keyClick(w, Qt::Key_Right);
        QTest::keyClick(w, Qt::Key_Down);
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), QDate(2027, 1, 23));
        zrzut(edytor_.get(), u"kalendarz_klawiatura.png"_s);
        QTest::keyClick(w, Qt::Key_Return);
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
        QCOMPARE(edytor_->data_label->text(), tekst_daty(QDate(2027, 1, 23)));
        QVERIFY(edytor_->isVisible());
        QVERIFY(oddane_.empty());
        QCOMPARE(edytor_->focusWidget(), edytor_->kalendarz_button);

        QTest::keyClick(edytor_->kalendarz_button, Qt::Key_Space);
        w = edytor_->focusWidget();
        QVERIFY(edytor_->MonthCalendar1->isAncestorOf(w));
        QTest::keyClick(w, Qt::Key_Left);
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!edytor_->MonthCalendar1->isVisible());
        QVERIFY(edytor_->isVisible());
        QCOMPARE(edytor_->data_label->text(), tekst_daty(QDate(2027, 1, 23)));
        QCOMPARE(edytor_->MonthCalendar1->selectedDate(), QDate(2027, 1, 23));
    }
};

QTEST_MAIN(TestPoleKwoty)
#include "test_pole_kwoty.moc"
