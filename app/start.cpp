// Start-up and closing of the main window.
#include "app/start.h"

#include "app/glowny.h"
#include "extras/aktualizacja.h"
#include "extras/first_run_form.h"
#include "extras/pomoc_plik.h"
#include "register/folder_programu.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"
#include "widgets/pamiec_okien.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QShowEvent>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

const QString pierwsze = u"FirstRun"_s;
const QString ostatni_plik = u"LastFilePath"_s;
constexpr char wlasnosc_zakonczenia[] = "vandoria_start_zakonczony";
bool sprawdzanie_aktualizacji = true;

// For timing a start: ends the program once the list has been painted with the
// starting file in it, so that the measured start includes the first frame.
class KoniecPoNamalowaniu : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(obiekt, zdarzenie);
    }
};

}  // namespace

WynikStartu czytaj_ustawienia_startu() {
    WynikStartu wynik;
    wynik.problem_magazynu = MagazynUstawien::problem();
    if (!wynik.problem_magazynu.isEmpty()) return wynik;
    if (!MagazynUstawien::klucz_istnieje()) {
        // Nothing in a Linux install sets FirstRun, so a user with nothing
        // stored yet starts for the first time. The key is made now: a run
        // that never reaches a clean exit must not make the next start a
        // first run again. Where nothing can be stored, no start counts,
        // rather than every one.
        wynik.pierwsze_uruchomienie = MagazynUstawien::zapisz_logiczna(pierwsze, false);
        return wynik;
    }
    if (const auto tak = MagazynUstawien::czytaj_logiczna(pierwsze)) {
        wynik.pierwsze_uruchomienie = *tak;
        // Rewriting a false flag would only cost every start a synced file write.
        if (*tak) MagazynUstawien::zapisz_logiczna(pierwsze, false);
    }
    if (const auto sciezka = MagazynUstawien::czytaj_tekst(ostatni_plik))
        wynik.sciezka_pliku = *sciezka;
    return wynik;
}

void watek::run() { *wynik_ = czytaj_ustawienia_startu(); }

void sprawdzaj_aktualizacje_przy_starcie(bool tak) { sprawdzanie_aktualizacji = tak; }

bool start_zakonczony(const Tglowne_okno& glowne) {
    return glowne.property(wlasnosc_zakonczenia).toBool();
}

void Tglowne_okno::showEvent(QShowEvent* zdarzenie) {
    QMainWindow::showEvent(zdarzenie);
    if (pokazane_) return;
    pokazane_ = true;
    FormShow();
}

void Tglowne_okno::FormShow() {
    // Widgets belong to the user-interface thread: the worker only reads the store.
    ustaw_filtry_dialogow();
    ustaw_plik_pomocy(plik_dostarczony(u"HELP.HLP"_s));
    rejestr.plik_ma_nazwe = false;
    rejestr.ustaw_zmieniony(false);

    auto wynik = std::make_shared<WynikStartu>();
    auto* w = new watek(wynik);
    connect(w, &QThread::finished, w, &QObject::deleteLater);
    connect(w, &QThread::finished, this, [this, wynik] {
        pierwsze_uruchomienie = wynik->pierwsze_uruchomienie;
        rejestr.ustaw_sciezke(wynik->sciezka_pliku);
        watek_zakonczony();
        // Told once the file is open: the start goes on without the store.
        if (!wynik->problem_magazynu.isEmpty())
            QTimer::singleShot(0, this, [this, problem = wynik->problem_magazynu] {
                Dialogi::komunikat(this, problem, u"Ustawienia programu"_s,
                                   Dialogi::Ikona::Informacja);
            });
        setProperty(wlasnosc_zakonczenia, true);
        if (qEnvironmentVariableIsSet("VANDORIA_ZAKONCZ_PO_POKAZANIU")) {
            ListView->viewport()->installEventFilter(new KoniecPoNamalowaniu(this));
            ListView->viewport()->update();
        }
        // Asking the system about the network loads plugins and talks to its
        // services: the window and its file come first, the check a moment later.
        if (sprawdzanie_aktualizacji)
            QTimer::singleShot(std::chrono::seconds(1), this, [this] {
                connect(uruchom_sprawdzanie_aktualizacji(), &watek_update::nowa_wersja, this,
                        &Tglowne_okno::pokaz_informacje_o_aktualizacji);
            });
    });
    w->start();

    ListViewClick();
}

void Tglowne_okno::watek_zakonczony() {
    if (!argument_startowy.isEmpty()) {
        // Remembered for the next start, which may run in another folder.
        rejestr.ustaw_sciezke(QFileInfo(argument_startowy).absoluteFilePath());
        otwieranie_pliku(rejestr.sciezka());
        rejestr.plik_ma_nazwe = true;
    } else if (QFileInfo(rejestr.sciezka()).isFile()) {
        otwieranie_pliku(rejestr.sciezka());
        rejestr.plik_ma_nazwe = true;
    } else if (!rejestr.sciezka().isEmpty()) {
        // A remembered file that is gone is skipped without a word; its path
        // stays and is written back on exit, but "Zapisz" asks for a name.
        rejestr.sciezka_nieotwarta = true;
        // The caption shows only a file that is open; the flag announces nothing.
        ustaw_tytul();
    }

    if (pierwsze_uruchomienie) {
        dodaj_mnie();
        pokaz_pierwsze_uruchomienie(this);
    }
}

void Tglowne_okno::closeEvent(QCloseEvent* zdarzenie) {
    // A cancelled or failed save keeps the program open and the store untouched.
    if (!zapytaj_o_zapis(u"Zamykanie programu"_s,
                         u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s)) {
        zdarzenie->ignore();
        return;
    }
    // Closed before the store was read, the path is not known yet: keep the remembered one.
    if (start_zakonczony(*this)) MagazynUstawien::zapisz_tekst(ostatni_plik, rejestr.sciezka());
    PamiecOkien::zapamietaj(this, objectName());
    PamiecOkien::zapamietaj_kolumny(ListView->header(), objectName());
    zdarzenie->accept();
}

void Tglowne_okno::FileExit1Execute() { close(); }
