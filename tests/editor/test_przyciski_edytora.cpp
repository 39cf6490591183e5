// The editor's print and preview buttons and its address-book buttons.
#include "addressbook/lista.h"
#include "addressbook/wpisy.h"
#include "editor/nowy_edycja_przelewu.h"
#include "printing/print_preview.h"
#include "printing/przygotowanie.h"
#include "printing/wypelnianie.h"
#include "widgets/dialogi.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString konto_nadawcy_tekst = u"34 5678 9012 3456 7890 1234 5678"_s;

// A 335-byte book record laid out by hand.
QByteArray rekord(const char* nazwa1, const char* nazwa2 = "", const char* lk = "",
                  const char* nr_banku = "", const char* nr_rach = "") {
    return slot(w1250(nazwa1), 150) + slot(w1250(nazwa2), 150) + slot(lk, 2) + slot(nr_banku, 9) +
           slot(nr_rach, 19);
}

// Where the test's PDF printer writes; the print dialog seam takes a plain function.
QString wyjscie_drukarki;
void drukarka_pdf(QPrinter& drukarka) {
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(wyjscie_drukarki);
}

QString tekst_pdf(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {pdf, u"-"_s});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList teksty(const Dokument& dokument) {
    QStringList wynik;
    for (const Strona& s : dokument.strony)
        for (const Operacja& o : s.operacje)
            if (!o.tekst.isEmpty()) wynik << o.tekst;
    return wynik;
}

}  // namespace

class TestPrzyciskiEdytora : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> katalog_;
    std::unique_ptr<Tnowy_edycja_przelewow> edytor_;
    int oddane_ = 0;  // orders "Zapisz" handed back

    QString plik(const QString& nazwa) const { return katalog_->filePath(nazwa); }

    // The stored order an editing opening is handed.
    static Tprzelew zapisany() { return przelew("Zapisany", "3", "5", "Prąd"); }

    void pokaz() {
        edytor_->show();
        QVERIFY(QTest::qWaitForWindowActive(edytor_.get()));
    }

    // A new order typed in full. The focus ends in the recipient's name and
    // the amount and title are typed without leaving their fields, so only
    // the button's own steps can capitalise and complete them.
    void wpisz_nowe(bool wplata, const QString& zlote, const QString& grosze) {
        edytor_->przygotuj_nowy();
        pokaz();
        edytor_->nazwa_odbiorcy2->setText(u"cd. odbiorcy"_s);
        edytor_->lk->ustaw_tekst(u"12"_s);
        edytor_->nr_banku_odbiorcy->ustaw_tekst(u"1020 5558"_s);
        edytor_->nr_rach_odbiorcy->ustaw_tekst(u"1111 2222 3333 4444"_s);
        edytor_->nr_rach_nadawcy->ustaw_tekst(konto_nadawcy_tekst);
        edytor_->nazwa_nadawcy1->setText(u"Anna Nowak"_s);
        edytor_->tytulem2->setText(u"za maj"_s);
        edytor_->dodatkowe->setText(u"pilne"_s);
        if (wplata) QTest::mouseClick(edytor_->rb_wplata, Qt::LeftButton);
        edytor_->nazwa_odbiorcy1->setFocus();
        QTest::keyClicks(edytor_->nazwa_odbiorcy1, u"jan kowalski"_s);
        QTest::keyClicks(edytor_->tytulem1, u"czynsz"_s);
        QTest::keyClicks(edytor_->kwota, zlote);
        QTest::keyClicks(edytor_->kwota100, grosze);
    }

    // Printing and the books store nothing: no order was handed back.
    void nic_nie_oddane() { QCOMPARE(oddane_, 0); }

    // Every single-line field of the editor by name, masked ones as their full text.
    QVariantMap pola() const {
        QVariantMap wynik;
        for (QLineEdit* p : edytor_->findChildren<QLineEdit*>()) {
            if (p->parentWidget() != edytor_.get()) continue;
            auto* m = qobject_cast<PoleMaskowane*>(p);
            wynik[p->objectName()] = m ? m->tekst() : p->text();
        }
        return wynik;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        katalog_ = std::make_unique<QTemporaryDir>();
        QVERIFY(katalog_->isValid());
        qputenv("VANDORIA_DIR", katalog_->path().toUtf8());
        wyjscie_drukarki = plik(u"drukarka.pdf"_s);
        oddane_ = 0;
        edytor_ = std::make_unique<Tnowy_edycja_przelewow>(nullptr, [this](const Tprzelew&) {
            ++oddane_;
            return true;
        });
        // As the main window hands it in.
        edytor_->ustaw_wybor_wpisu(wybor_wpisu);
    }

    void cleanup() {
        edytor_.reset();
        QVERIFY(!QApplication::overrideCursor());
    }

    // --- printing

    // The preview shows the order on screen, never saved, with the print's
    // own capitalisation and amount completion, which stay on screen.
    void podglad_nowego_zlecenia_data() {
        QTest::addColumn<bool>("wplata");
        QTest::addColumn<QString>("zlote");
        QTest::addColumn<QString>("grosze");
        QTest::addColumn<QString>("zlote_po");
        QTest::addColumn<QString>("grosze_po");
        QTest::addColumn<QString>("temp_kwota");
        QTest::addColumn<QString>("temp_nr_rach_nadawcy");
        QTest::newRow("przelew") << false << u"12"_s << u"5"_s << u"12"_s << u"05"_s << u"**12,05"_s
                                 << konto_nadawcy_tekst;
        QTest::newRow("pusta kwota") << false << QString() << QString() << u"0"_s << u"00"_s
                                     << u"**0,00"_s << konto_nadawcy_tekst;
        // "0" stays on screen; the printed form shows every grosze text with two digits.
        QTest::newRow("grosze 0 zostaja")
            << false << u"7"_s << u"0"_s << u"7"_s << u"0"_s << u"**7,00"_s << konto_nadawcy_tekst;
        // The account typed before "Wpłata" was chosen is kept but not printed.
        QTest::newRow("wplata z wpisanym kontem")
            << true << u"1205"_s << u"50"_s << u"1205"_s << u"50"_s << u"**1205,50"_s
            << u"jed*dwazer*pie* 50/100"_s;
    }

    void podglad_nowego_zlecenia() {
        QFETCH(bool, wplata);
        QFETCH(QString, zlote);
        QFETCH(QString, grosze);
        QFETCH(QString, zlote_po);
        QFETCH(QString, grosze_po);
        QFETCH(QString, temp_kwota);
        QFETCH(QString, temp_nr_rach_nadawcy);
        SeamDialogow seam;
        wpisz_nowe(wplata, zlote, grosze);

        ZmienneDruku z;
        z.temp_nazwa_odbiorcy1 = u"Jan kowalski"_s;
        z.temp_nazwa_odbiorcy2 = u"cd. odbiorcy"_s;
        z.temp_lk = u"12"_s;
        z.temp_nr_banku_odbiorcy = u"1020 5558"_s;
        z.temp_nr_rach_odbiorcy = u"1111 2222 3333 4444"_s;
        z.temp_kwota = temp_kwota;
        z.temp_nr_rach_nadawcy = temp_nr_rach_nadawcy;
        z.temp_nazwa_nadawcy1 = u"Anna Nowak"_s;
        z.temp_tytulem1 = u"Czynsz"_s;
        z.temp_tytulem2 = u"za maj"_s;
        z.temp_symbol = u"06"_s;
        z.temp_czy_przelew = !wplata;
        z.temp_dodatkowe = u"pilne"_s;
        const Dokument oczekiwany = generuj_wydruk(wczytanie_danych_do_druku(), z);

        QStringList pokazane;
        qsizetype strony = 0;
        PrzyOknieModalnym<Tpodglad_wydruku> przy([&](Tpodglad_wydruku* p) {
            pokazane = teksty(p->dokument());
            strony = p->dokument().strony.size();
        });
        QTest::mouseClick(edytor_->podglad_wydruku_w_edycji, Qt::LeftButton);

        QVERIFY(przy.otwarte());
        QCOMPARE(strony, oczekiwany.strony.size());
        QCOMPARE(pokazane, teksty(oczekiwany));
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Jan kowalski"_s);
        QCOMPARE(edytor_->tytulem1->text(), u"Czynsz"_s);
        QCOMPARE(edytor_->kwota->text(), zlote_po);
        QCOMPARE(edytor_->kwota100->text(), grosze_po);
        QCOMPARE(edytor_->nr_rach_nadawcy->tekst(), konto_nadawcy_tekst);
        QVERIFY(edytor_->isVisible());
        nic_nie_oddane();
    }

    // Printing goes through the print dialog; cancelling it prints nothing,
    // and "Anuluj" afterwards still discards the order.
    void druk_nowego_zlecenia_data() {
        QTest::addColumn<bool>("potwierdzony");
        QTest::newRow("wydrukowany") << true;
        QTest::newRow("okno drukowania anulowane") << false;
    }

    void druk_nowego_zlecenia() {
        QFETCH(bool, potwierdzony);
        {
            SeamDialogow seam;
            wpisz_nowe(false, u"12"_s, u"5"_s);
            Dialogi::Test::potwierdz_druk(potwierdzony);
            Dialogi::Test::przy_druku(drukarka_pdf);
            QTest::mouseClick(edytor_->drukuj_w_edycji_przelew, Qt::LeftButton);
            QCOMPARE(Dialogi::Test::pokazane().size(), 1);
            QCOMPARE(Dialogi::Test::pokazane().constFirst().rodzaj, u"drukuj"_s);
        }
        QCOMPARE(QFile::exists(wyjscie_drukarki), potwierdzony);
        QCOMPARE(edytor_->tytulem1->text(), u"Czynsz"_s);
        QCOMPARE(edytor_->kwota100->text(), u"05"_s);
        nic_nie_oddane();
        if (potwierdzony && !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            const QString wydruk = tekst_pdf(wyjscie_drukarki);
            QVERIFY2(wydruk.contains(u"JAN KOWALSKI"_s), qPrintable(wydruk));
            QVERIFY(!wydruk.contains(u"ZAPISANY"_s));
        }

        QTest::mouseClick(edytor_->anuluj_edycja, Qt::LeftButton);
        QVERIFY(!edytor_->isVisible());
        nic_nie_oddane();
    }

    // The preview's own "Drukuj" prints what the editor shows, not the
    // stored version of the order selected in the main list.
    void drukuj_w_podgladzie_z_edytora() {
        SeamDialogow seam;
        edytor_->przygotuj_edycje(zapisany());
        pokaz();
        edytor_->nazwa_odbiorcy1->setText(u"Zmieniony"_s);
        Dialogi::Test::potwierdz_druk(true);
        Dialogi::Test::przy_druku(drukarka_pdf);

        bool otwarte_po_druku = false;
        PrzyOknieModalnym<Tpodglad_wydruku> przy([&](Tpodglad_wydruku* p) {
            QTest::mouseClick(p->b_drukuj, Qt::LeftButton);
            otwarte_po_druku = p->isVisible();
        });
        QTest::mouseClick(edytor_->podglad_wydruku_w_edycji, Qt::LeftButton);

        QVERIFY(przy.otwarte());
        QVERIFY(otwarte_po_druku);
        QVERIFY(QFile::exists(wyjscie_drukarki));
        nic_nie_oddane();
        if (!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
            const QString wydruk = tekst_pdf(wyjscie_drukarki);
            QVERIFY2(wydruk.contains(u"ZMIENIONY"_s), qPrintable(wydruk));
            QVERIFY(!wydruk.contains(u"ZAPISANY"_s));
        }
    }

    // --- adding to the books

    void dodanie_do_bazy_data() {
        QTest::addColumn<int>("przycisk");  // recipients, senders, titles
        QTest::addColumn<QString>("odbiorca");
        QTest::addColumn<QString>("konto_nadawcy");
        QTest::addColumn<QString>("plik");
        QTest::addColumn<QString>("komunikat");
        QTest::addColumn<QStringList>("wpis");  // nazwa1, nazwa2, lk, nr_banku, nr_rach

        QTest::newRow("odbiorcy") << 0 << u"Odbiorca"_s << konto_nadawcy_tekst
                                  << u"baza_odbiorcow.dat"_s
                                  << u"Wpis został dodany do bazy odbiorców."_s
                                  << QStringList{u"Odbiorca"_s, u"ul. Łąkowa 3"_s, u"12"_s,
                                                 u"1020 5558"_s, u"1111 2222 3333 4444"_s};
        QTest::newRow("nadawcy") << 1 << u"Odbiorca"_s << konto_nadawcy_tekst
                                 << u"baza_nadawcow.dat"_s
                                 << u"Wpis został dodany do bazy nadawców."_s
                                 << QStringList{u"Nadawca"_s, u"ul. Polna 1"_s, u"34"_s,
                                                u"5678 9012"_s, u"3456 7890 1234 5678"_s};
        QTest::newRow("nadawcy bez konta")
            << 1 << u"Odbiorca"_s << QString() << u"baza_nadawcow.dat"_s
            << u"Wpis został dodany do bazy nadawców."_s
            << QStringList{u"Nadawca"_s, u"ul. Polna 1"_s, QString(2, u' '), QString(9, u' '),
                           QString(19, u' ')};
        // Each button requires the first line of its own entry only.
        QTest::newRow("nadawcy bez odbiorcy")
            << 1 << QString() << konto_nadawcy_tekst << u"baza_nadawcow.dat"_s
            << u"Wpis został dodany do bazy nadawców."_s
            << QStringList{u"Nadawca"_s, u"ul. Polna 1"_s, u"34"_s, u"5678 9012"_s,
                           u"3456 7890 1234 5678"_s};
        QTest::newRow("tytuly bez odbiorcy")
            << 2 << QString() << konto_nadawcy_tekst << u"baza_tytulow.dat"_s
            << u"Wpis został dodany do bazy tytułów."_s
            << QStringList{u"czynsz"_s, u"za maj"_s, QString(), QString(), QString()};
    }

    void dodanie_do_bazy() {
        QFETCH(int, przycisk);
        QFETCH(QString, odbiorca);
        QFETCH(QString, konto_nadawcy);
        QFETCH(QString, plik);
        QFETCH(QString, komunikat);
        QFETCH(QStringList, wpis);
        SeamDialogow seam;
        edytor_->przygotuj_nowy();
        pokaz();
        edytor_->nazwa_odbiorcy1->setText(odbiorca);
        edytor_->nazwa_odbiorcy2->setText(u"ul. Łąkowa 3"_s);
        edytor_->lk->ustaw_tekst(u"12"_s);
        edytor_->nr_banku_odbiorcy->ustaw_tekst(u"1020 5558"_s);
        edytor_->nr_rach_odbiorcy->ustaw_tekst(u"1111 2222 3333 4444"_s);
        edytor_->nr_rach_nadawcy->ustaw_tekst(konto_nadawcy);
        edytor_->nazwa_nadawcy1->setText(u"Nadawca"_s);
        edytor_->nazwa_nadawcy2->setText(u"ul. Polna 1"_s);
        edytor_->tytulem1->setText(u"czynsz"_s);
        edytor_->tytulem2->setText(u"za maj"_s);
        const QVariantMap przed = pola();

        QPushButton* przyciski[] = {edytor_->b_dodaj_do_bazy_odbiorcow,
                                    edytor_->b_dodaj_do_bazy_nadawcow,
                                    edytor_->b_dodaj_do_bazy_tytulow};
        QTest::mouseClick(przyciski[przycisk], Qt::LeftButton);

        QCOMPARE(Dialogi::Test::teksty(), QStringList{komunikat});
        for (const QString& inny :
             {u"baza_odbiorcow.dat"_s, u"baza_nadawcow.dat"_s, u"baza_tytulow.dat"_s})
            QCOMPARE(QFile::exists(this->plik(inny)), inny == plik);
        auto ksiazka = std::make_unique<TablicaWpisow>();
        otwieranie_bazy(plik, *ksiazka);
        QCOMPARE(ksiazka->ilosc_el_w_bazie(), 1);
        QCOMPARE((*ksiazka)[1], Twpis_bazy::z_tekstow(wpis[0], wpis[1], wpis[2], wpis[3], wpis[4]));
        // Adding stores nothing of the order and changes nothing on screen.
        QCOMPARE(pola(), przed);
        QVERIFY(edytor_->isVisible());
        nic_nie_oddane();
    }

    void dodanie_bez_pierwszej_linii_data() {
        QTest::addColumn<int>("przycisk");
        QTest::newRow("odbiorcy") << 0;
        QTest::newRow("nadawcy") << 1;
        QTest::newRow("tytuly") << 2;
    }

    void dodanie_bez_pierwszej_linii() {
        QFETCH(int, przycisk);
        SeamDialogow seam;
        edytor_->przygotuj_nowy();
        pokaz();
        QLineEdit* pierwsze[] = {edytor_->nazwa_odbiorcy1, edytor_->nazwa_nadawcy1,
                                 edytor_->tytulem1};
        QLineEdit* drugie[] = {edytor_->nazwa_odbiorcy2, edytor_->nazwa_nadawcy2,
                               edytor_->tytulem2};
        for (int i = 0; i < 3; ++i) {
            pierwsze[i]->setText(i == przycisk ? u"   "_s : u"Pierwsza"_s);
            drugie[i]->setText(u"Druga"_s);
        }
        QPushButton* przyciski[] = {edytor_->b_dodaj_do_bazy_odbiorcow,
                                    edytor_->b_dodaj_do_bazy_nadawcow,
                                    edytor_->b_dodaj_do_bazy_tytulow};
        QTest::mouseClick(przyciski[przycisk], Qt::LeftButton);

        const QString pola[] = {u"Nazwa odbiorcy"_s, u"Nazwa nadawcy"_s, u"Tytułem"_s};
        QCOMPARE(Dialogi::Test::teksty(),
                 QStringList{u"Nie wypełniłeś niezbędnych pól! Uzupełnij pole „%1”."_s.arg(
                     pola[przycisk])});
        QCOMPARE(QApplication::focusWidget(), pierwsze[przycisk]);
        QVERIFY(QDir(katalog_->path()).entryList({u"baza_*"_s}).isEmpty());
        QVERIFY(edytor_->isVisible());
    }

    void dwa_razy_dwa_rowne_wpisy() {
        SeamDialogow seam;
        edytor_->przygotuj_nowy();
        pokaz();
        edytor_->nazwa_odbiorcy1->setText(u"Odbiorca"_s);
        edytor_->lk->ustaw_tekst(u"12"_s);
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(edytor_->b_dodaj_do_bazy_odbiorcow, Qt::LeftButton);
        const QByteArray jeden =
            rekord("Odbiorca", "", "12", std::string(9, ' ').c_str(), std::string(19, ' ').c_str());
        QCOMPARE(czytaj_plik(plik(u"baza_odbiorcow.dat"_s)), jeden + jeden);
        QCOMPARE(Dialogi::Test::teksty(),
                 QStringList(2, u"Wpis został dodany do bazy odbiorców."_s));
    }

    // A book that refuses the entry says so itself; the confirmation would
    // then be a lie.
    void odmowa_bazy_data() {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::newRow("pelna") << rekord("Wpis").repeated(1000);
        QTest::newRow("uszkodzona") << QByteArray();  // a folder in the file's place
    }

    void odmowa_bazy() {
        QFETCH(QByteArray, zawartosc);
        SeamDialogow seam;
        const QString sciezka = plik(u"baza_tytulow.dat"_s);
        if (zawartosc.isEmpty())
            QVERIFY(QDir(katalog_->path()).mkdir(u"baza_tytulow.dat"_s));
        else
            zapisz_plik(sciezka, zawartosc);
        edytor_->przygotuj_nowy();
        pokaz();
        edytor_->tytulem1->setText(u"Czynsz"_s);
        QTest::mouseClick(edytor_->b_dodaj_do_bazy_tytulow, Qt::LeftButton);

        QCOMPARE(Dialogi::Test::teksty().size(), 1);
        QVERIFY(!Dialogi::Test::teksty().constFirst().startsWith(u"Wpis został dodany"_s));
        if (!zawartosc.isEmpty()) QCOMPARE(czytaj_plik(sciezka), zawartosc);
    }

    // --- picking from the books

    void wybor_z_bazy_data() {
        QTest::addColumn<int>("przycisk");  // recipients, senders, titles
        QTest::addColumn<QString>("plik");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QVariantMap>("zmiany");

        const QVariantMap odbiorca{{u"nazwa_odbiorcy1"_s, u"Odbiorca z bazy"_s},
                                   {u"nazwa_odbiorcy2"_s, u"ul. Leśna 2"_s},
                                   {u"lk"_s, u"98"_s},
                                   {u"nr_banku_odbiorcy"_s, u"7654 3210"_s},
                                   {u"nr_rach_odbiorcy"_s, u"1234 5678 9012 3456"_s}};
        const QVariantMap nadawca{{u"nazwa_nadawcy1"_s, u"Odbiorca z bazy"_s},
                                  {u"nazwa_nadawcy2"_s, u"ul. Leśna 2"_s},
                                  {u"nr_rach_nadawcy"_s, u"98 7654 3210 1234 5678 9012 3456"_s}};
        const QVariantMap tytul{{u"tytulem1"_s, u"Odbiorca z bazy"_s},
                                {u"tytulem2"_s, u"ul. Leśna 2"_s}};
        QTest::newRow("odbiorca") << 0 << u"baza_odbiorcow.dat"_s << true << odbiorca;
        QTest::newRow("nadawca") << 1 << u"baza_nadawcow.dat"_s << true << nadawca;
        QTest::newRow("tytul") << 2 << u"baza_tytulow.dat"_s << true << tytul;
        QTest::newRow("odbiorca anulowany")
            << 0 << u"baza_odbiorcow.dat"_s << false << QVariantMap();
        QTest::newRow("nadawca anulowany") << 1 << u"baza_nadawcow.dat"_s << false << QVariantMap();
        QTest::newRow("tytul anulowany") << 2 << u"baza_tytulow.dat"_s << false << QVariantMap();
    }

    void wybor_z_bazy() {
        QFETCH(int, przycisk);
        QFETCH(QString, plik);
        QFETCH(bool, ok);
        QFETCH(QVariantMap, zmiany);
        SeamDialogow seam;
        zapisz_plik(
            this->plik(plik),
            rekord("Inny wpis", "", "11", "1111 1111", "1111 1111 1111 1111") +
                rekord("Odbiorca z bazy", "ul. Leśna 2", "98", "7654 3210", "1234 5678 9012 3456"));
        edytor_->przygotuj_nowy();
        pokaz();
        int i = 0;
        for (QLineEdit* p : edytor_->findChildren<QLineEdit*>()) {
            if (p->parentWidget() != edytor_.get()) continue;
            if (auto* m = qobject_cast<PoleMaskowane*>(p))
                m->ustaw_tekst(m->maska().pusty().replace(u' ', u'5'));
            else
                p->setText(u"%1"_s.arg(++i));
        }
        QVariantMap oczekiwane = pola();
        for (auto z = zmiany.cbegin(); z != zmiany.cend(); ++z) oczekiwane[z.key()] = z.value();

        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* lista) {
            QCOMPARE(lista->lista_z_bazy->topLevelItemCount(), 2);
            // The picker opens over the editor, not wherever new windows go.
            QVERIFY(lista->frameGeometry().contains(edytor_->frameGeometry().center()));
            kliknij_pozycje(lista, 1);
            QTest::mouseClick(ok ? lista->zapisz_zmiany : lista->anuluj, Qt::LeftButton);
        });
        QPushButton* przyciski[] = {edytor_->wybierz_wpis_odb, edytor_->wybierz_wpis_nad,
                                    edytor_->wybierz_tytul};
        QTest::mouseClick(przyciski[przycisk], Qt::LeftButton);

        QVERIFY(przy.otwarte());
        QCOMPARE(pola(), oczekiwane);
        QVERIFY(Dialogi::Test::pokazane().isEmpty());
        nic_nie_oddane();
    }

    // Picking while editing paints the account parts by what was picked.
    void wybor_odbiorcy_przemalowuje_konto() {
        SeamDialogow seam;
        Tprzelew p = zapisany();
        p.lk = "1 ";
        p.nr_banku_odbiorcy = "1020 5558";
        p.nr_rach_odbiorcy = "1111 2222 3333 4444";
        edytor_->przygotuj_edycje(p);
        pokaz();
        QTRY_VERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::lk));
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::bank));

        zapisz_plik(plik(u"baza_odbiorcow.dat"_s),
                    rekord("Odbiorca", "", "98", "7654 32 0", "1234 5678 9012 3456"));
        PrzyOknieModalnym<Tlista_wpisow> przy([&](Tlista_wpisow* lista) {
            kliknij_pozycje(lista, 0);
            QTest::mouseClick(lista->zapisz_zmiany, Qt::LeftButton);
        });
        QTest::mouseClick(edytor_->wybierz_wpis_odb, Qt::LeftButton);

        QVERIFY(przy.otwarte());
        QCOMPARE(edytor_->nr_banku_odbiorcy->tekst(), u"7654 32 0"_s);
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::lk));
        QVERIFY(edytor_->konto_odbiorcy->brak(PoleKonta::bank));
        QVERIFY(!edytor_->konto_odbiorcy->brak(PoleKonta::rach));
    }
};

QTEST_MAIN(TestPrzyciskiEdytora)
#include "test_przyciski_edytora.moc"
