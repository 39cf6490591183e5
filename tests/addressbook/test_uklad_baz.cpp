#include "addressbook/lista.h"
#include "addressbook/nowy_edycja_wpisu_bazy.h"
#include "rekord_wpisu.h"
#include "widgets/dialogi.h"
#include "widgets/pole_maskowane.h"
#include "wspolne/okna.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The application font at `punkty` points for the life of the object; 0
// leaves it as it is.
class Czcionka {
  public:
    explicit Czcionka(int punkty) : przed_(QApplication::font()) {
        if (!punkty) return;
        QFont duza = przed_;
        duza.setPointSize(punkty);
        QApplication::setFont(duza);
    }
    ~Czcionka() { QApplication::setFont(przed_); }

  private:
    QFont przed_;
};

}  // namespace

class TestUkladBaz : public QObject {
    Q_OBJECT
    QTemporaryDir katalog_;

  private slots:
    void initTestCase() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toUtf8());
        Dialogi::Test::wlacz();
    }

    // Every caption whole and nothing outside its window, at the desktop's
    // font and at a large one.
    void uklad_data() {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<RodzajBazy>("rodzaj");
        QTest::addColumn<bool>("wybor");
        QTest::addColumn<int>("punkty");  // application font; 0 leaves it
        for (int punkty : {0, 13}) {
            const QString czcionka = punkty ? u", 13 pt"_s : QString();
            for (auto [rodzaj, nazwa] : {std::pair{RodzajBazy::odbiorcy, u"odbiorcy"_s},
                                         std::pair{RodzajBazy::nadawcy, u"nadawcy"_s},
                                         std::pair{RodzajBazy::tytuly, u"tytuły"_s}}) {
                for (bool wybor : {false, true})
                    QTest::newRow(qPrintable(u"lista "_s + nazwa +
                                             (wybor ? u", wybór"_s : u", zarządzanie"_s) +
                                             czcionka))
                        << u"lista"_s << rodzaj << wybor << punkty;
                QTest::newRow(qPrintable(u"wpis "_s + nazwa + czcionka))
                    << u"wpis"_s << rodzaj << false << punkty;
            }
        }
    }
    void uklad() {
        QFETCH(QString, okno);
        QFETCH(RodzajBazy, rodzaj);
        QFETCH(bool, wybor);
        QFETCH(int, punkty);
        zapisz_plik(katalog_.filePath(plik_bazy(rodzaj)),
                    rekord("Przedsiębiorstwo Wodociągów i Kanalizacji w Łodzi") + rekord("Adam"));
        const Czcionka czcionka(punkty);
        std::unique_ptr<QDialog> o;
        if (okno == u"lista")
            o = std::make_unique<Tlista_wpisow>(nullptr, rodzaj, wybor);
        else
            o = std::make_unique<Tnowy_wpis>(nullptr, rodzaj);
        sprawdz_czy_nic_nie_uciete(o.get());
    }

    // Switching books moves no field: the labels' column is as wide as the
    // longest caption of any book.
    void pola_w_tym_samym_miejscu_data() {
        QTest::addColumn<int>("punkty");
        QTest::newRow("czcionka pulpitu") << 0;
        QTest::newRow("13 pt") << 13;
    }
    void pola_w_tym_samym_miejscu() {
        QFETCH(int, punkty);
        QList<QList<QRect>> miejsca;
        const Czcionka czcionka(punkty);
        for (RodzajBazy rodzaj : {RodzajBazy::odbiorcy, RodzajBazy::nadawcy, RodzajBazy::tytuly}) {
            Tnowy_wpis edytor(nullptr, rodzaj);
            edytor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&edytor));
            QList<QRect> pola;
            for (QWidget* w : std::initializer_list<QWidget*>{
                     edytor.nazwa_odbiorcy1_wpis, edytor.nazwa_odbiorcy2_wpis, edytor.lk_wpis,
                     edytor.nr_banku_odbiorcy_wpis, edytor.nr_rach_odbiorcy_wpis})
                pola << w->geometry();
            miejsca << pola;
        }
        QCOMPARE(miejsca.value(1), miejsca.value(0));
        QCOMPARE(miejsca.value(2), miejsca.value(0));
    }
};

QTEST_MAIN(TestUkladBaz)
#include "test_uklad_baz.moc"
