#include "widgets/dialogi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QQueue>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace Dialogi {
namespace {

struct StanTestu {
    bool wlaczony = false;
    QQueue<Odpowiedz> odpowiedzi;
    QQueue<QString> pliki;
    QQueue<bool> druki;
    void (*przygotuj_drukarke)(QPrinter&) = nullptr;
    QList<Test::Pokazany> historia;
};

StanTestu& test() {
    static StanTestu stan;
    return stan;
}

[[noreturn]] void brak_odpowiedzi(const QString& co) {
    std::fprintf(stderr, "Dialogi: test nie przygotował odpowiedzi na: %s\n", qPrintable(co));
    std::abort();
}

// "opis|*.a;*.b|opis2|*.c" -> "opis (*.a *.b);;opis2 (*.c)"
QString filtr_qt(const QString& filtr) {
    const QStringList czesci = filtr.split(u'|');
    QStringList wynik;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2)
        wynik << czesci[i] + u" ("_s + QString(czesci[i + 1]).replace(u';', u' ') + u')';
    return wynik.join(u";;"_s);
}

QMessageBox::Icon ikona_qt(Ikona ikona) {
    switch (ikona) {
        case Ikona::Informacja:
            return QMessageBox::Information;
        case Ikona::Pytanie:
            return QMessageBox::Question;
        case Ikona::Ostrzezenie:
            return QMessageBox::Warning;
        case Ikona::Blad:
            return QMessageBox::Critical;
        case Ikona::Brak:
            break;
    }
    return QMessageBox::NoIcon;
}

// A box is only as wide as its text, and a short question under a long
// caption would cut the caption in the title bar.
void poszerz_dla_tytulu(QMessageBox& okno) {
    auto* siatka = qobject_cast<QGridLayout*>(okno.layout());
    if (!siatka) return;
    const QFontMetrics miara(QApplication::font("QMdiSubWindowTitleBar"));
    // Room for the title bar's icon and its buttons beside the caption.
    const int szerokosc = miara.horizontalAdvance(okno.windowTitle()) + 6 * miara.height() + 40;
    siatka->addItem(new QSpacerItem(szerokosc, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    siatka->rowCount(), 0, 1, siatka->columnCount());
}

}  // namespace

Odpowiedz komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul, Ikona ikona,
                    Przyciski przyciski, Odpowiedz domyslna) {
    // A box that asks is a question, not a notice, whatever icon was named.
    if (przyciski != Przyciski::Ok && (ikona == Ikona::Informacja || ikona == Ikona::Brak))
        ikona = Ikona::Pytanie;
    if (test().wlaczony) {
        test().historia.append({u"komunikat"_s,
                                tekst,
                                tytul,
                                ikona,
                                przyciski,
                                {},
                                przyciski == Przyciski::Ok ? Odpowiedz::Ok : domyslna});
        if (przyciski == Przyciski::Ok) return Odpowiedz::Ok;
        if (test().odpowiedzi.isEmpty()) brak_odpowiedzi(tekst);
        return test().odpowiedzi.dequeue();
    }
    QString linie = tekst;
    linie.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QMessageBox okno(ikona_qt(ikona), tytul.isEmpty() ? u"Vandoria"_s : tytul, linie,
                     QMessageBox::NoButton, rodzic);
    switch (przyciski) {
        case Przyciski::Ok:
            okno.setStandardButtons(QMessageBox::Ok);
            break;
        case Przyciski::TakNie:
            okno.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Przyciski::TakNieAnuluj:
            okno.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    if (auto* b = okno.button(QMessageBox::Ok)) b->setText(u"&OK"_s);
    if (auto* b = okno.button(QMessageBox::Yes)) b->setText(u"&Tak"_s);
    if (auto* b = okno.button(QMessageBox::No)) b->setText(u"&Nie"_s);
    if (auto* b = okno.button(QMessageBox::Cancel)) b->setText(u"&Anuluj"_s);
    const QMessageBox::StandardButton domyslny = domyslna == Odpowiedz::Nie ? QMessageBox::No
                                                 : domyslna == Odpowiedz::Anuluj
                                                     ? QMessageBox::Cancel
                                                     : QMessageBox::Yes;
    if (przyciski != Przyciski::Ok && okno.button(domyslny)) okno.setDefaultButton(domyslny);
    poszerz_dla_tytulu(okno);
    switch (okno.exec()) {
        case QMessageBox::Yes:
            return Odpowiedz::Tak;
        case QMessageBox::No:
            return Odpowiedz::Nie;
        case QMessageBox::Ok:
            return Odpowiedz::Ok;
        default:
            return przyciski == Przyciski::TakNie ? Odpowiedz::Nie : Odpowiedz::Anuluj;
    }
}

Odpowiedz pytanie_o_zmiane_z_zewnatrz(QWidget* rodzic, const QString& tekst, const QString& tytul) {
    return pytanie(rodzic, tekst, tytul,
                   {u"&Zapisz mimo to"_s, u"&Otwórz ponownie"_s, u"&Anuluj"_s}, Odpowiedz::Anuluj);
}

Odpowiedz pytanie(QWidget* rodzic, const QString& tekst, const QString& tytul,
                  const QStringList& przyciski, Odpowiedz domyslna) {
    const bool trzy = przyciski.size() > 2;
    if (test().wlaczony) {
        test().historia.append({u"komunikat"_s,
                                tekst,
                                tytul,
                                Ikona::Pytanie,
                                trzy ? Przyciski::TakNieAnuluj : Przyciski::TakNie,
                                {},
                                domyslna});
        if (test().odpowiedzi.isEmpty()) brak_odpowiedzi(tekst);
        return test().odpowiedzi.dequeue();
    }
    QString linie = tekst;
    linie.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QMessageBox okno(QMessageBox::Question, tytul.isEmpty() ? u"Vandoria"_s : tytul, linie,
                     QMessageBox::NoButton, rodzic);
    const Odpowiedz odpowiedzi[] = {Odpowiedz::Tak, Odpowiedz::Nie, Odpowiedz::Anuluj};
    const QMessageBox::ButtonRole role[] = {QMessageBox::AcceptRole, QMessageBox::DestructiveRole,
                                            QMessageBox::RejectRole};
    QList<QAbstractButton*> przyciski_okna;
    for (qsizetype i = 0; i < przyciski.size() && i < 3; ++i) {
        przyciski_okna << okno.addButton(przyciski[i],
                                         trzy || i == 0 ? role[i] : QMessageBox::RejectRole);
        if (odpowiedzi[i] == domyslna)
            okno.setDefaultButton(qobject_cast<QPushButton*>(przyciski_okna.last()));
    }
    okno.setEscapeButton(przyciski_okna.last());
    okno.exec();
    const qsizetype ktory = przyciski_okna.indexOf(okno.clickedButton());
    return ktory >= 0 ? odpowiedzi[ktory] : odpowiedzi[przyciski_okna.size() - 1];
}

QString katalog_startowy(const QString& biezacy) {
    if (!biezacy.isEmpty()) {
        const QFileInfo plik(biezacy);
        if (plik.absoluteDir().exists()) return plik.absolutePath();
    }
    const QString dokumenty = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumenty.isEmpty() && QDir(dokumenty).exists()) return dokumenty;
    return QDir::homePath();
}

QString otworz_plik(QWidget* rodzic, const QString& filtr, const QString& biezacy) {
    const QString katalog = katalog_startowy(biezacy);
    if (test().wlaczony) {
        test().historia.append({u"otworz"_s, filtr, {}, Ikona::Brak, Przyciski::Ok, katalog});
        if (test().pliki.isEmpty()) brak_odpowiedzi(u"okno otwierania pliku"_s);
        return test().pliki.dequeue();
    }
    // The descriptions carry their patterns already; Qt's own copy is hidden.
    return QFileDialog::getOpenFileName(rodzic, u"Otwórz"_s, katalog, filtr_qt(filtr), nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString zapisz_plik(QWidget* rodzic, const QString& filtr, const QString& domyslne_rozszerzenie,
                    const QString& biezacy) {
    const QString katalog = katalog_startowy(biezacy);
    if (test().wlaczony) {
        test().historia.append(
            {u"zapisz"_s, filtr, domyslne_rozszerzenie, Ikona::Brak, Przyciski::Ok, katalog});
        if (test().pliki.isEmpty()) brak_odpowiedzi(u"okno zapisu pliku"_s);
        return test().pliki.dequeue();
    }
    QFileDialog okno(rodzic, u"Zapisz jako"_s, katalog, filtr_qt(filtr));
    okno.setAcceptMode(QFileDialog::AcceptSave);
    okno.setFileMode(QFileDialog::AnyFile);
    okno.setOption(QFileDialog::DontConfirmOverwrite);
    okno.setOption(QFileDialog::HideNameFilterDetails);
    if (!domyslne_rozszerzenie.isEmpty()) okno.setDefaultSuffix(domyslne_rozszerzenie);
    if (okno.exec() != QDialog::Accepted || okno.selectedFiles().isEmpty()) return {};
    return okno.selectedFiles().constFirst();
}

bool drukuj(QWidget* rodzic, QPrinter& drukarka) {
    if (test().wlaczony) {
        test().historia.append({u"drukuj"_s, {}, {}, Ikona::Brak, Przyciski::Ok, {}});
        if (test().druki.isEmpty()) brak_odpowiedzi(u"okno drukowania"_s);
        const bool tak = test().druki.dequeue();
        if (tak && test().przygotuj_drukarke) test().przygotuj_drukarke(drukarka);
        return tak;
    }
    QPrintDialog okno(&drukarka, rodzic);
    okno.setWindowTitle(u"Drukuj"_s);
    return okno.exec() == QDialog::Accepted;
}

namespace Test {

void wlacz() { test().wlaczony = true; }
void wylacz() { test().wlaczony = false; }
bool wlaczony() { return test().wlaczony; }

void wyczysc() {
    auto& t = test();
    t.odpowiedzi.clear();
    t.pliki.clear();
    t.druki.clear();
    t.historia.clear();
    t.przygotuj_drukarke = nullptr;
}

void odpowiedz(Odpowiedz o) { test().odpowiedzi.enqueue(o); }
void wybierz_plik(const QString& nazwa) { test().pliki.enqueue(nazwa); }
void potwierdz_druk(bool tak) { test().druki.enqueue(tak); }
void przy_druku(void (*przygotuj)(QPrinter&)) { test().przygotuj_drukarke = przygotuj; }

QList<Pokazany> pokazane() { return test().historia; }

QStringList teksty() {
    QStringList wynik;
    for (const auto& p : test().historia)
        if (p.rodzaj == u"komunikat") wynik << p.tekst;
    return wynik;
}

int ile_odpowiedzi_czeka() {
    return static_cast<int>(test().odpowiedzi.size() + test().pliki.size() + test().druki.size());
}

}  // namespace Test
}  // namespace Dialogi
