// The tax and split-payment windows, reached from the editor, the account
// note beside the recipient's number and the list's "US" / "MPP" tags.
#include "app/lista_przelewow.h"
#include "editor/nowy_edycja_przelewu.h"
#include "payments/podzielona_platnosc.h"
#include "payments/przelew_podatkowy.h"
#include "payments/rodzaj_zlecenia.h"
#include "payments/zaplac_telefonem.h"
#include "register/rejestr.h"
#include "widgets/pole_maskowane.h"
#include "widgets/suma_kontrolna.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QDate dzis(2026, 12, 10);

Tprzelew zlecenie(const char* tytul1, const char* tytul2 = "",
                  const char* konto = "61 1090 1014 0000 0712 1981 2874") {
    Tprzelew p = przelew("Odbiorca", "123", "00", tytul1);
    p.tytulem2 = w1250(tytul2);
    const std::string k = konto;
    p.lk = k.substr(0, 2);
    p.nr_banku_odbiorcy = k.substr(3, 9);
    p.nr_rach_odbiorcy = k.substr(13);
    return p;
}

void zrzut(QWidget* okno, const QString& nazwa) {
    const QByteArray folder = qgetenv("VANDORIA_ZRZUTY");
    if (!folder.isEmpty()) okno->grab().save(QString::fromLocal8Bit(folder) + u'/' + nazwa);
}

QString konto_w_edytorze(const Tnowy_edycja_przelewow& e) {
    return e.lk->tekst() + u' ' + e.nr_banku_odbiorcy->tekst() + u' ' + e.nr_rach_odbiorcy->tekst();
}

}  // namespace

class TestOknaPodatkowe : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<Tnowy_edycja_przelewow> edytor_;

    void pokaz_edytor() {
        edytor_->show();
        edytor_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(edytor_.get()));
    }

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { edytor_ = std::make_unique<Tnowy_edycja_przelewow>(nullptr); }
    void cleanup() { edytor_.reset(); }

    // Typed as a bookkeeper types: a wrong digit is marked and holds OK back,
    // the period is one click, and OK fills the order.
    void podatek_z_edytora() {
        edytor_->przygotuj_nowy();
        pokaz_edytor();
        edytor_->tytulem2->setText(u"stary tytuł"_s);
        bool sprawdzone = false;
        PrzyOknieModalnym<Tprzelew_podatkowy> krok([&](Tprzelew_podatkowy* okno) {
            QVERIFY(okno->chb_mikrorachunek->isChecked());
            wpisz(okno->e_identyfikator, u"783-191-63-67"_s);
            QVERIFY(czy_pomaranczowe(okno->e_identyfikator));
            QVERIFY(okno->l_uwaga->text().contains(u"błędną cyfrę kontrolną"_s));
            QVERIFY(!okno->b_ok->isEnabled());
            okno->e_identyfikator->setText(u"783-191-63-66"_s);
            QVERIFY(!czy_pomaranczowe(okno->e_identyfikator));
            okno->b_ten_kwartal->click();
            okno->cb_symbol->setEditText(u"vat-7k"_s);
            wpisz(okno->e_identyfikacja, u"FV/11/2026"_s);
            QCOMPARE(okno->l_mikrorachunek->text(), u"56 1010 0071 2222 7831 9163 6600"_s);
            QCOMPARE(okno->l_tytul->text().remove(QChar(0x200B)),
                     u"/TI/N7831916366/OKR/26K04/SFP/VAT-7K\n/TXT/FV/11/2026"_s);
            QVERIFY(okno->b_ok->isEnabled());
            sprawdz_czy_nic_nie_uciete(okno);
            zrzut(okno, u"przelew_podatkowy.png"_s);
            sprawdzone = true;
            okno->b_ok->click();
        });
        edytor_->przelew_podatkowyClick();
        QVERIFY(sprawdzone);
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Urząd Skarbowy"_s);
        QCOMPARE(konto_w_edytorze(*edytor_), u"56 1010 0071 2222 7831 9163 6600"_s);
        QCOMPARE(edytor_->tytulem1->text(), u"/TI/N7831916366/OKR/26K04/SFP/VAT-7K"_s);
        QCOMPARE(edytor_->tytulem2->text(), u"/TXT/FV/11/2026"_s);
        QVERIFY(edytor_->l_rodzaj_rachunku->isVisible());
        QCOMPARE(edytor_->l_rodzaj_rachunku->text(),
                 u"Rachunek odbiorcy: mikrorachunek podatkowy"_s);
        sprawdz_czy_nic_nie_uciete(edytor_.get());
        zrzut(edytor_.get(), u"edytor_podatek.png"_s);
    }

    // Opened on an order that holds a tax title, the window shows its parts;
    // an order paid to the office's own account keeps it.
    void podatek_wczytany_z_tytulu_data() {
        QTest::addColumn<Tprzelew>("przelew");
        QTest::addColumn<bool>("mikrorachunek");
        QTest::newRow("na mikrorachunek")
            << zlecenie("/TI/P44051401359/OKR/24J0504/SFP/PIT-37", "/TXT/a/b",
                        "27 1010 0071 2221 4405 1401 3590")
            << true;
        QTest::newRow("na rachunek urzędu")
            << zlecenie("/TI/P44051401359/OKR/24J0504/SFP/PIT-37", "/TXT/a/b") << false;
    }
    void podatek_wczytany_z_tytulu() {
        QFETCH(Tprzelew, przelew);
        QFETCH(bool, mikrorachunek);
        Tprzelew_podatkowy okno(nullptr, dzis);
        okno.pokaz_przelew(przelew);
        QCOMPARE(okno.cb_rodzaj_identyfikatora->currentText(), u"PESEL"_s);
        QCOMPARE(okno.e_identyfikator->text(), u"44051401359"_s);
        QCOMPARE(okno.cb_rodzaj_okresu->currentText(), u"dzień"_s);
        QCOMPARE(okno.sb_numer->value(), 5);
        QCOMPARE(okno.sb_miesiac->value(), 4);
        QCOMPARE(okno.sb_rok->value(), 2024);
        QCOMPARE(okno.cb_symbol->currentText(), u"PIT-37"_s);
        QCOMPARE(okno.e_identyfikacja->text(), u"a/b"_s);
        QCOMPARE(okno.na_mikrorachunek(), mikrorachunek);
        QCOMPARE(tytul_podatkowy(okno.tytul()).linia1,
                 u"/TI/P44051401359/OKR/24J0504/SFP/PIT-37"_s);
    }

    void podatek_okresy() {
        Tprzelew_podatkowy okno(nullptr, dzis);
        okno.e_identyfikator->setText(u"7831916366"_s);
        okno.cb_symbol->setEditText(u"PIT-4R"_s);
        const auto okres = [&] { return tekst_okresu(okno.tytul().okres); };
        QCOMPARE(okres(), u"26M11"_s);  // last month: what is paid most often
        okno.b_ten_miesiac->click();
        QCOMPARE(okres(), u"26M12"_s);
        okno.b_ten_rok->click();
        QCOMPARE(okres(), u"26R"_s);
        QVERIFY(!okno.sb_numer->isVisible() || !okno.sb_numer->isEnabled());
        okno.cb_rodzaj_okresu->setCurrentIndex(okno.cb_rodzaj_okresu->findText(u"dzień"_s));
        okno.sb_numer->setValue(31);
        okno.sb_miesiac->setValue(4);
        QVERIFY(!okno.b_ok->isEnabled());
        QVERIFY(okno.l_uwaga->text().contains(u"okres nie istnieje"_s));
        okno.sb_numer->setValue(30);
        QCOMPARE(okres(), u"26J3004"_s);
        QVERIFY(okno.b_ok->isEnabled());
        // Only a NIP or PESEL has a micro-account.
        okno.cb_rodzaj_identyfikatora->setCurrentIndex(1 + 1);
        okno.e_identyfikator->setText(u"123456785"_s);
        QVERIFY(!okno.chb_mikrorachunek->isEnabled());
        QVERIFY(!okno.na_mikrorachunek());
    }

    void mpp_z_edytora() {
        edytor_->przygotuj_nowy();
        pokaz_edytor();
        edytor_->nazwa_odbiorcy1->setText(u"Hurtownia"_s);
        edytor_->kwota->setText(u"123"_s);
        edytor_->kwota100->setText(u"00"_s);
        bool sprawdzone = false;
        PrzyOknieModalnym<Tpodzielona_platnosc> krok([&](Tpodzielona_platnosc* okno) {
            QVERIFY(okno->l_brutto->text().contains(u"123,00 zł"_s));
            wpisz(okno->e_vat, u"130"_s);
            wpisz(okno->e_nip, u"7831916367"_s);
            wpisz(okno->e_faktura, u"FV/1/2026"_s);
            QVERIFY(czy_pomaranczowe(okno->e_nip));
            QVERIFY(!okno->b_ok->isEnabled());
            okno->e_nip->setText(u"783-191-63-66"_s);
            QVERIFY(okno->l_uwaga->text().contains(u"większa niż kwota przelewu"_s));
            QVERIFY(!okno->b_ok->isEnabled());
            okno->e_vat->setText(u"23"_s);
            QVERIFY(okno->b_ok->isEnabled());
            sprawdz_czy_nic_nie_uciete(okno);
            zrzut(okno, u"podzielona_platnosc.png"_s);
            sprawdzone = true;
            okno->b_ok->click();
        });
        edytor_->podzielona_platnoscClick();
        QVERIFY(sprawdzone);
        QCOMPARE(edytor_->nazwa_odbiorcy1->text(), u"Hurtownia"_s);
        QCOMPARE(edytor_->tytulem1->text(), u"/VAT/23,00/IDC/7831916366"_s);
        QCOMPARE(edytor_->tytulem2->text(), u"/INV/FV/1/2026"_s);
    }

    void mpp_wczytana_z_tytulu() {
        Tpodzielona_platnosc okno;
        okno.pokaz_przelew(zlecenie("/VAT/23,00/IDC/7831916366", "/INV/FV/1/2026/TXT/a/b"));
        QCOMPARE(okno.e_vat->text(), u"23,00"_s);
        QCOMPARE(okno.e_nip->text(), u"7831916366"_s);
        QCOMPARE(okno.e_faktura->text(), u"FV/1/2026"_s);
        QCOMPARE(okno.e_tekst->text(), u"a/b"_s);
        QVERIFY(okno.b_ok->isEnabled());
    }

    void anulowane_okno_nic_nie_zmienia() {
        edytor_->przygotuj_edycje(zlecenie("Czynsz"));
        pokaz_edytor();
        const Tprzelew przed = edytor_->przelew_z_okna();
        PrzyOknieModalnym<Tprzelew_podatkowy> krok([](Tprzelew_podatkowy* okno) {
            okno->e_identyfikator->setText(u"7831916366"_s);
            okno->cb_symbol->setEditText(u"PIT-4R"_s);
            okno->b_anuluj->click();
        });
        edytor_->przelew_podatkowyClick();
        QVERIFY(krok.otwarte());
        QVERIFY(edytor_->przelew_z_okna() == przed);
    }

    void opis_rachunku_w_edytorze_data() {
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("opis");
        QTest::addColumn<bool>("ostrzezenie");
        QTest::newRow("zwykły") << u"61 1090 1014 0000 0712 1981 2874"_s << QString() << false;
        QTest::newRow("ZUS") << u"27 6000 0002 0261 2378 3191 6366"_s << u"rachunek składkowy ZUS"_s
                             << false;
        QTest::newRow("mikrorachunek z błędnym NIP")
            << u"72 1010 0071 2222 7831 9163 6700"_s << u"mikrorachunek z błędnym numerem NIP"_s
            << true;
    }
    void opis_rachunku_w_edytorze() {
        QFETCH(QString, konto);
        QFETCH(QString, opis);
        QFETCH(bool, ostrzezenie);
        edytor_->przygotuj_edycje(zlecenie("Składki", "", qPrintable(konto)));
        pokaz_edytor();
        QCOMPARE(edytor_->l_rodzaj_rachunku->isVisible(), !opis.isEmpty());
        QCOMPARE(edytor_->l_rodzaj_rachunku->text(),
                 opis.isEmpty() ? opis : u"Rachunek odbiorcy: "_s + opis);
        QCOMPARE(
            edytor_->l_rodzaj_rachunku->palette().color(QPalette::WindowText) == QColor(160, 70, 0),
            ostrzezenie);
        // Typing another bank number takes the note away.
        edytor_->nr_banku_odbiorcy->ustaw_tekst(u"1090 1014"_s);
        QVERIFY(!edytor_->l_rodzaj_rachunku->isVisible());
    }

    // No code for a structure the banking apps' code cannot carry, and the
    // window says why instead.
    void bez_kodu_qr_dla_podatku() {
        Tzaplac_telefonem okno;
        okno.pokaz_przelew(zlecenie("/TI/N7831916366/OKR/26M11/SFP/VAT-7", "",
                                    "56 1010 0071 2222 7831 9163 6600"));
        QVERIFY(okno.i_kod->pixmap().isNull());
        QVERIFY(okno.i_kod->text().contains(u"przelew podatkowy"_s));
        QVERIFY(!okno.b_kopiuj_rachunek->isEnabled());
        sprawdz_czy_nic_nie_uciete(&okno);
        zrzut(&okno, u"qr_podatek.png"_s);
    }

    void znaczniki_listy() {
        Rejestr rejestr;
        rejestr.dopisz(zlecenie("/TI/N7831916366/OKR/26M11/SFP/VAT-7"));
        rejestr.dopisz(zlecenie("/VAT/23,00/IDC/7831916366", "/INV/1"));
        rejestr.dopisz(zlecenie("Składki", "", "27 6000 0002 0261 2378 3191 6366"));
        rejestr.dopisz(zlecenie("/TI/ bez reszty"));
        ModelListyPrzelewow model(rejestr);
        const auto znacznik = [&](int wiersz) {
            return model.data(model.index(wiersz, 1), Qt::DecorationRole);
        };
        const QPixmap us = znacznik(0).value<QPixmap>();
        const QPixmap mpp = znacznik(1).value<QPixmap>();
        QVERIFY(!us.isNull() && !mpp.isNull());
        // Wider than tall: a view shows a pixmap at its own size, not squeezed into an icon.
        QVERIFY(mpp.deviceIndependentSize().width() > us.deviceIndependentSize().width());
        QVERIFY(us.deviceIndependentSize().width() > us.deviceIndependentSize().height());
        QVERIFY(model.data(model.index(1, 1), Qt::ToolTipRole).toString().contains(u"MPP"_s));
        QVERIFY(!znacznik(2).isValid());
        QVERIFY(!znacznik(3).isValid());
        QVERIFY(!model.data(model.index(3, 1), Qt::ToolTipRole).isValid());
    }
};

QTEST_MAIN(TestOknaPodatkowe)
#include "test_okna_podatkowe.moc"
