// Every window read by a screen reader: each control the keyboard reaches has
// a name (its label's text, its caption or its tool tip), never just "edit".
#include "addressbook/lista.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "app/glowny.h"
#include "app/start.h"
#include "editor/nowy_edycja_przelewu.h"
#include "extras/first_run_form.h"
#include "extras/pomoc.h"
#include "extras/pomoc_plik.h"
#include "extras/statystyki.h"
#include "payments/eksport_do_banku.h"
#include "payments/podzielona_platnosc.h"
#include "payments/przelew_podatkowy.h"
#include "payments/zaplac_telefonem.h"
#include "printing/print_preview.h"
#include "printing/ustawienia_programu.h"
#include "widgets/dialogi.h"
#include "widgets/nazwy_dostepne.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

using Budowa = std::function<std::unique_ptr<QWidget>()>;
Q_DECLARE_METATYPE(Budowa)

class TestNazwyDostepne : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;
    std::unique_ptr<TablicaPrzelewow> tablica_ = std::make_unique<TablicaPrzelewow>();

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
        sprawdzaj_aktualizacje_przy_starcie(false);
        Dialogi::Test::wlacz();
        nazywaj_okna_przy_pokazaniu();
    }

    void kazda_kontrolka_ma_nazwe_data() {
        QTest::addColumn<Budowa>("budowa");
        auto dodaj = [](const char* nazwa, Budowa b) { QTest::newRow(nazwa) << b; };
        dodaj("główne okno", [] { return std::make_unique<Tglowne_okno>(); });
        dodaj("edytor przelewu", [] {
            return std::make_unique<Tnowy_edycja_przelewow>(nullptr,
                                                            [](const Tprzelew&) { return true; });
        });
        dodaj("baza odbiorców",
              [] { return std::make_unique<Tlista_wpisow>(nullptr, RodzajBazy::odbiorcy, true); });
        dodaj("wpis bazy",
              [] { return std::make_unique<Tnowy_wpis>(nullptr, RodzajBazy::odbiorcy); });
        dodaj("podgląd wydruku", [] { return std::make_unique<Tpodglad_wydruku>(); });
        dodaj("preferencje", [] { return std::make_unique<Tpreferencje>(); });
        dodaj("statystyki", [this] { return std::make_unique<TFstatystyki>(*tablica_); });
        dodaj("o programie", [] { return std::make_unique<Tpomoc_okno>(); });
        dodaj("pierwsze uruchomienie", [] { return std::make_unique<Tmonolit_first_run>(); });
        dodaj("pomoc", [] { return std::make_unique<Tokno_pomocy>(); });
        dodaj("zapłać telefonem", [] { return std::make_unique<Tzaplac_telefonem>(); });
        dodaj("przelew podatkowy", [] { return std::make_unique<Tprzelew_podatkowy>(); });
        dodaj("podzielona płatność", [] { return std::make_unique<Tpodzielona_platnosc>(); });
        dodaj("eksport do banku", [] {
            return std::make_unique<Teksport_do_banku>(nullptr, KodowanieBanku::cp1250, 3);
        });
    }
    void kazda_kontrolka_ma_nazwe() {
        QFETCH(Budowa, budowa);
        const auto okno = budowa();
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        QStringList bez_nazwy;
        for (QWidget* w : okno->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(okno.get()) || !w->isEnabled()) continue;
            if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(w)) continue;
            QAccessibleInterface* dostep = QAccessible::queryAccessibleInterface(w);
            QVERIFY(dostep);
            if (dostep->text(QAccessible::Name).trimmed().isEmpty())
                bez_nazwy << QString::fromLatin1(w->metaObject()->className()) + u' ' +
                                 w->objectName();
        }
        QVERIFY2(bez_nazwy.isEmpty(), qPrintable(bez_nazwy.join(u", "_s)));
    }

    // Alt and a letter reach every button, check box and radio button, and
    // every menu item; no letter answers twice in one window or one menu.
    void mnemoniki_w_oknie_data() { kazda_kontrolka_ma_nazwe_data(); }
    void mnemoniki_w_oknie() {
        QFETCH(Budowa, budowa);
        const auto okno = budowa();
        okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno.get()));
        const QStringList bledy = bledy_mnemonikow(okno.get());
        QVERIFY2(bledy.isEmpty(), qPrintable(bledy.join(u"; "_s)));
    }

    // A label beside a field is its buddy: Alt and the label's letter reach
    // it, and a screen reader reads the label. The field inside a spin box or
    // an editable list, which is what takes the keys, reads its owner's label.
    void pole_czyta_swoja_etykiete_data() {
        QTest::addColumn<Budowa>("budowa");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("nazwa");
        auto dodaj = [](const char* wiersz, Budowa b, const QString& pole, const QString& nazwa) {
            QTest::newRow(wiersz) << b << pole << nazwa;
        };
        dodaj(
            "edytor: nazwa odbiorcy",
            [] {
                return std::make_unique<Tnowy_edycja_przelewow>(
                    nullptr, [](const Tprzelew&) { return true; });
            },
            u"nazwa_odbiorcy1"_s, u"Nazwa odbiorcy:"_s);
        const Budowa podatkowy = [] { return std::make_unique<Tprzelew_podatkowy>(); };
        dodaj("podatkowy: numer identyfikatora", podatkowy, u"e_identyfikator"_s,
              u"Identyfikator:"_s);
        dodaj("podatkowy: pole roku", podatkowy, u"sb_rok/"_s, u"rok"_s);
        dodaj("podatkowy: symbol", podatkowy, u"cb_symbol/"_s, u"Symbol formularza"_s);
        dodaj(
            "MPP: kwota VAT", [] { return std::make_unique<Tpodzielona_platnosc>(); }, u"e_vat"_s,
            u"Kwota VAT:"_s);
    }
    void pole_czyta_swoja_etykiete() {
        QFETCH(Budowa, budowa);
        QFETCH(QString, pole);  // "name/": the text field inside that control
        QFETCH(QString, nazwa);
        const auto okno = budowa();
        okno->show();
        auto* w = okno->findChild<QWidget*>(pole.section(u'/', 0, 0));
        QVERIFY(w);
        if (pole.endsWith(u'/')) w = w->findChild<QLineEdit*>();
        QVERIFY(w);
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), nazwa);
    }
};

QTEST_MAIN(TestNazwyDostepne)
#include "test_nazwy_dostepne.moc"
