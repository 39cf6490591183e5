#include "editor/nowy_edycja_przelewu.h"

#include "widgets/wysrodkuj.h"
#include "widgets/zdarzenia_okien.h"

#include "payments/oznaczenia.h"
#include "register/data.h"
#include "register/konto.h"
#include "register/przelew.h"
#include "widgets/pola_numerow.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "widgets/suma_kontrolna.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

Tnowy_edycja_przelewow::Tnowy_edycja_przelewow(QWidget* rodzic, ZapisPrzelewu zapisz)
    : QDialog(rodzic,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      zapisz_(std::move(zapisz)) {
    setObjectName(u"Tnowy_edycja_przelewow"_s);
    setWindowTitle(u"Nowy przelew / edycja istniejacego przelewu"_s);
    setModal(true);
    zbuduj();
}

Tnowy_edycja_przelewow::~Tnowy_edycja_przelewow() {
    // The fields die after this object; their last focus change must not
    // reach handlers of a window that is already gone.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
    }
}

// --- opening ----------------------------------------------------------------------------

void Tnowy_edycja_przelewow::przygotuj_nowy() {
    edycja_ = false;
    for (QLineEdit* p : {nazwa_odbiorcy1, nazwa_odbiorcy2, kwota, kwota100, nazwa_nadawcy1,
                         nazwa_nadawcy2, tytulem1, tytulem2, dodatkowe})
        p->clear();
    konto_odbiorcy->ustaw({}, {}, {});
    nr_rach_nadawcy->ustaw_tekst({});
    data_label->clear();
    maluj_normalnie(data_label);
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    MonthCalendar1->hide();
    symbol->ustaw_tekst(u"06"_s);
    rb_wplata->setChecked(false);
    rb_przelew->setChecked(true);
    ustaw_konto_nadawcy(true);
    nazwa_odbiorcy1->setFocus();
    setWindowTitle(u"Nowy przelew"_s);
}

void Tnowy_edycja_przelewow::przygotuj_kopie(const Tprzelew& wzor) {
    przygotuj_nowy();
    wypelnij_pola(wzor);
    // A repeated payment gets its own date.
    data_label->clear();
    const bool przelew = wzor.czy_przelew == 1;
    rb_przelew->setChecked(przelew);
    rb_wplata->setChecked(!przelew);
    ustaw_konto_nadawcy(przelew);
    // What changes from month to month is the amount: typing replaces it.
    kwota->setFocus();
    kwota->selectAll();
}

void Tnowy_edycja_przelewow::przygotuj_edycje(const Tprzelew& zapisany) {
    edycja_ = true;
    // A date of one blank is no date.
    Tprzelew wiersz = zapisany;
    if (wiersz.data == " ") wiersz.data.wyczysc();
    wypelnij_pola(wiersz);

    // An unreadable date leaves the calendar where it was.
    if (wiersz.data.empty())
        MonthCalendar1->setSelectedDate(QDate::currentDate());
    else if (const auto odczytana = czytaj_date(wiersz.data.na_unicode()))
        MonthCalendar1->setSelectedDate(*odczytana);
    MonthCalendar1->hide();
    data_labelChange();

    const bool przelew = wiersz.czy_przelew == 1;
    rb_przelew->setChecked(przelew);
    rb_wplata->setChecked(!przelew);
    ustaw_konto_nadawcy(przelew);
    nazwa_odbiorcy1->setFocus();
    setWindowTitle(u"Edycja przelewu"_s);
}

void Tnowy_edycja_przelewow::ustaw_konto_nadawcy(bool dostepne) {
    nr_rach_nadawcy->setEnabled(dostepne);
    QPalette paleta = nr_rach_nadawcy->palette();
    paleta.setColor(QPalette::Base, dostepne ? QColor(255, 255, 255)
                                             : QApplication::palette().color(QPalette::Button));
    nr_rach_nadawcy->setPalette(paleta);
    sprawdz_sumy_kontrolne();
}

// --- events -----------------------------------------------------------------------------

bool Tnowy_edycja_przelewow::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(zdarzenie);
}

bool Tnowy_edycja_przelewow::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::ToolTip) return true;
    if (zdarzenie->type() == QEvent::FocusOut &&
        wyjscie_z_pola(static_cast<QFocusEvent*>(zdarzenie))) {
        if (obiekt == nazwa_odbiorcy1)
            nazwa_odbiorcy1Exit();
        else if (obiekt == tytulem1)
            tytulem1Exit();
        else if (obiekt == kwota)
            kwotaExit();
        else if (obiekt == kwota100)
            kwota100Exit();
        else if (obiekt == data_label)
            data_labelExit();
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void Tnowy_edycja_przelewow::showEvent(QShowEvent* zdarzenie) {
    // Over the window it was opened from; with none, at the screen's top-left.
    if (parentWidget() && parentWidget()->isVisible())
        wysrodkuj_na(this, parentWidget()->window());
    else if (QScreen* ekran = screen())
        move(ekran->availableGeometry().topLeft());
    przy_otwarciu_ = std::make_unique<Tprzelew>(przelew_z_okna());
    QDialog::showEvent(zdarzenie);
}

void Tnowy_edycja_przelewow::keyPressEvent(QKeyEvent* zdarzenie) {
    // Escape in the open calendar closes only the calendar.
    if (MonthCalendar1->isVisible() && zdarzenie->matches(QKeySequence::Cancel)) {
        zamknij_kalendarz(false);
        zdarzenie->accept();
        return;
    }
    const bool zmienione = !przy_otwarciu_ || przelew_z_okna() != *przy_otwarciu_;
    if (!escape_anuluje(zdarzenie, this, zmienione)) QDialog::keyPressEvent(zdarzenie);
}

void Tnowy_edycja_przelewow::FormActivate() {
    if (!isVisible() || !edycja_) return;
    // A stored number shows its gaps as soon as the window opens.
    konto_odbiorcy->oznacz_braki();
    sprawdz_sumy_kontrolne();
}

namespace {
void wielka_pierwsza(QLineEdit* pole) {
    const QString t = pole->text();
    const QString poprawiony = pierwsza_wielka(t);
    if (poprawiony != t) pole->setText(poprawiony);
}
}  // namespace

void Tnowy_edycja_przelewow::nazwa_odbiorcy1Exit() { wielka_pierwsza(nazwa_odbiorcy1); }
void Tnowy_edycja_przelewow::tytulem1Exit() { wielka_pierwsza(tytulem1); }

void Tnowy_edycja_przelewow::kapitalizacja() {
    nazwa_odbiorcy1Exit();
    tytulem1Exit();
}

void Tnowy_edycja_przelewow::rb_przelewClick() {
    if (rb_wplata->isChecked()) {
        ustaw_konto_nadawcy(false);
        nr_rach_nadawcy->ustaw_tekst({});
    } else {
        ustaw_konto_nadawcy(true);
    }
}

void Tnowy_edycja_przelewow::rb_wplataClick() {
    if (rb_wplata->isChecked()) ustaw_konto_nadawcy(false);
}

bool Tnowy_edycja_przelewow::sprawdz_sumy_kontrolne() {
    if (!l_suma_kontrolna) return false;
    bool bledny = konto_odbiorcy->stan() == StanPolaKonta::bledna_suma;
    // A deposit's sender account is neither printed nor sent anywhere.
    if (rb_przelew->isChecked()) bledny = oznacz_sume_kontrolna({nr_rach_nadawcy}) || bledny;
    l_suma_kontrolna->setVisible(bledny);
    pokaz_opis_rachunku(l_rodzaj_rachunku, polacz_konto(lk->tekst(), nr_banku_odbiorcy->tekst(),
                                                        nr_rach_odbiorcy->tekst()));
    if (bledny) l_rodzaj_rachunku->hide();
    return bledny;
}
