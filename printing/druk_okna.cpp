#include "printing/druk_okna.h"

#include "printing/drukarka.h"
#include "printing/monolit.h"
#include "printing/print_preview.h"
#include "printing/przepelnienie.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/raport.h"
#include "printing/wypelnianie.h"
#include "register/kwota.h"
#include "register/przelew.h"
#include "widgets/dialogi.h"

#include <QApplication>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The print goes on with the defaults; the user learns why it does not look as set.
void zglos_blad_odczytu_ustawien(QWidget* rodzic) {
    Dialogi::komunikat(rodzic,
                       u"Wystąpił błąd odczytu pliku ustawień wydruku (config.ini)!\n"
                       u"Użyte zostaną ustawienia domyślne."_s,
                       u"Błąd odczytu!"_s, Dialogi::Ikona::Blad);
}

// A text that will not fit its field is cut or runs over the next box, and a
// pre-printed form is wasted: the user may go back and shorten it.
bool drukowac_mimo_przepelnienia(QWidget* rodzic, const StanDruku& stan,
                                 const QList<ZmienneDruku>& wszystkie) {
    QList<Przepelnienie> lista;
    for (const ZmienneDruku& zmienne : wszystkie)
        lista += sprawdz_przepelnienie(stan, zmienne, szerokosc_tekstu_mm);
    if (lista.isEmpty()) return true;
    return Dialogi::komunikat(rodzic, pytanie_o_przepelnienie(lista), u"Za długi tekst"_s,
                              Dialogi::Ikona::Pytanie, Dialogi::Przyciski::TakNie,
                              Dialogi::Odpowiedz::Nie) == Dialogi::Odpowiedz::Tak;
}

}  // namespace

bool drukowac_mimo_kwot(QWidget* rodzic, const QList<Tprzelew>& zlecenia) {
    QStringList zle;
    for (const Tprzelew& p : zlecenia)
        if (const std::optional<QString> kwota = kwota_nie_liczba(p)) zle << *kwota;
    if (zle.isEmpty()) return true;
    const QString tekst = zle.size() == 1
                              ? opis_kwoty_nie_liczby(zle.constFirst())
                              : u"Kwoty „%1” nie są liczbami"_s.arg(zle.join(u"”, „"_s));
    return Dialogi::komunikat(rodzic,
                              tekst +
                                  u" — wydruk pokaże je tak, jak zapisano, a plik dla banku "
                                  u"i kod QR ich nie przyjmą.\nDrukować mimo to?"_s,
                              u"Kwota"_s, Dialogi::Ikona::Pytanie, Dialogi::Przyciski::TakNie,
                              Dialogi::Odpowiedz::Nie) == Dialogi::Odpowiedz::Tak;
}

namespace {

// The hourglass for the life of the object, whatever way the command ends.
class KursorCzekania {
  public:
    KursorCzekania() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KursorCzekania() { QApplication::restoreOverrideCursor(); }
    KursorCzekania(const KursorCzekania&) = delete;
    KursorCzekania& operator=(const KursorCzekania&) = delete;
};

// The outermost window: a print from the editor waits over the main window too.
QWidget* okno_glowne(QWidget* rodzic) {
    QWidget* nad = rodzic ? rodzic->window() : nullptr;
    while (nad && nad->parentWidget()) nad = nad->parentWidget()->window();
    return nad;
}

// The wait window for the preparation: up and painted from construction,
// gone with the object, whatever way the preparation ends.
class Czekanie {
  public:
    explicit Czekanie(QWidget* rodzic) : okno_(new Tmonolit_czekania(okno_glowne(rodzic))) {
        okno_->pokaz_nad(okno_glowne(rodzic));
    }
    // Guarded: closing the main window mid-job takes its child windows along.
    ~Czekanie() { delete okno_.data(); }
    Czekanie(const Czekanie&) = delete;
    Czekanie& operator=(const Czekanie&) = delete;

  private:
    QPointer<Tmonolit_czekania> okno_;
};

// The pages the print dialog's page range asks for; all of them when it asks for none.
Dokument strony_do_druku(const Dokument& dokument, int od_strony, int do_strony) {
    if (od_strony <= 0 && do_strony <= 0) return dokument;
    Dokument wynik;
    wynik.orientacja = dokument.orientacja;
    const int ostatnia =
        do_strony > 0 ? std::min<int>(do_strony, dokument.strony.size()) : dokument.strony.size();
    for (int nr = std::max(od_strony, 1); nr <= ostatnia; ++nr)
        wynik.strony.append(dokument.strony.at(nr - 1));
    return wynik;
}

// One document of every order's pages, one after another.
Dokument generuj_wiele(const StanDruku& stan, const QList<ZmienneDruku>& wszystkie) {
    Dokument dokument;
    for (const ZmienneDruku& zmienne : wszystkie) {
        const Dokument jeden = generuj_wydruk(stan, zmienne);
        dokument.orientacja = jeden.orientacja;
        dokument.strony += jeden.strony;
    }
    return dokument;
}

}  // namespace

WynikDruku drukuj(QWidget* rodzic, const PrzygotujZmienne& przygotuj) {
    return drukuj_wiele(rodzic, [&] { return QList<ZmienneDruku>{przygotuj()}; });
}

WynikDruku drukuj_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj) {
    StanDruku stan;
    QList<ZmienneDruku> zmienne;
    bool ustawienia_czytelne = true;
    {
        Czekanie czekanie(rodzic);
        KursorCzekania kursor;
        stan = stan_druku(czytaj_ustawienia_wydruku(&ustawienia_czytelne));
        zmienne = przygotuj();
    }
    if (!ustawienia_czytelne) zglos_blad_odczytu_ustawien(rodzic);
    if (!drukowac_mimo_przepelnienia(rodzic, stan, zmienne)) return WynikDruku::anulowany;

    // The layouts are drawn for A4; the dialog may still change the paper.
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    przygotuj_drukarke(drukarka, stan.orientacja);
    // The dialog waits for the user, so it gets the normal cursor. It goes
    // over the window the user is in: a print started from the preview must
    // not open behind it.
    QWidget* nad = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : rodzic;
    if (!Dialogi::drukuj(nad, drukarka)) return WynikDruku::anulowany;

    KursorCzekania kursor;
    Dokument dokument = generuj_wiele(stan, zmienne);
    if (drukarka.printRange() == QPrinter::PageRange)
        dokument = strony_do_druku(dokument, drukarka.fromPage(), drukarka.toPage());
    // A range past the last page asks for nothing; a blank sheet is not what the user wants.
    if (dokument.strony.isEmpty()) return WynikDruku::wydrukowany;
    // Only a real printer gets its measured shift; a PDF keeps the exact geometry.
    if (drukarka.outputFormat() == QPrinter::NativeFormat)
        dokument = dokument_dla_drukarki(std::move(dokument), drukarka.printerName());
    return drukuj_dokument(dokument, drukarka) ? WynikDruku::wydrukowany : WynikDruku::nieudany;
}

void podglad(QWidget* rodzic, const PrzygotujZmienne& przygotuj) {
    podglad_wiele(rodzic, [&] { return QList<ZmienneDruku>{przygotuj()}; });
}

void podglad_wiele(QWidget* rodzic, const PrzygotujWiele& przygotuj) {
    // A complete new print, its messages over the caller as for any print.
    Tpodglad_wydruku okno(rodzic, [rodzic, &przygotuj] { drukuj_wiele(rodzic, przygotuj); });
    bool ustawienia_czytelne = true;
    StanDruku stan;
    QList<ZmienneDruku> zmienne;
    {
        Czekanie czekanie(rodzic);
        KursorCzekania kursor;
        stan = stan_druku(czytaj_ustawienia_wydruku(&ustawienia_czytelne));
        zmienne = przygotuj();
        okno.ustaw_dokument(generuj_wiele(stan, zmienne), stan.ustawienia.ilosc_odcinkow,
                            stan.ustawienia.uklad_strony);
    }
    if (!ustawienia_czytelne) zglos_blad_odczytu_ustawien(rodzic);
    if (!drukowac_mimo_przepelnienia(rodzic, stan, zmienne)) return;
    // The page as the default printer will put it.
    okno.pokaz_przesuniecie(QPrinterInfo::defaultPrinterName());
    okno.exec();
}
