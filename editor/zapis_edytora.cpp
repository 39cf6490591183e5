// The order between the editor's controls and the record, and "Zapisz".
#include "editor/nowy_edycja_przelewu.h"

#include "register/pola_przelewu.h"
#include "register/przelew.h"
#include "widgets/czy_puste.h"
#include "widgets/dialogi.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "widgets/suma_kontrolna.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// A masked field's text is its full masked text, blanks and all.
QString tekst_kontrolki(const QWidget* w) {
    if (const auto* m = qobject_cast<const PoleMaskowane*>(w)) return m->tekst_do_zapisu();
    if (const auto* p = qobject_cast<const QLineEdit*>(w)) return p->text();
    return static_cast<const QLabel*>(w)->text();
}

void ustaw_tekst_kontrolki(QWidget* w, const QString& tekst) {
    if (auto* m = qobject_cast<PoleMaskowane*>(w))
        m->ustaw_tekst(tekst);
    else if (auto* p = qobject_cast<QLineEdit*>(w))
        p->setText(tekst);
    else
        static_cast<QLabel*>(w)->setText(tekst);
}

}  // namespace

void Tnowy_edycja_przelewow::wypelnij_pola(const Tprzelew& wiersz) {
    for (const auto& [pole, kontrolka] : kontrolki_pol_)
        if (kontrolka != lk && kontrolka != nr_banku_odbiorcy && kontrolka != nr_rach_odbiorcy)
            ustaw_tekst_kontrolki(kontrolka, opis_pola(pole).tekst(wiersz));
    konto_odbiorcy->ustaw(opis_pola(PolePrzelewu::lk).tekst(wiersz),
                          opis_pola(PolePrzelewu::nr_banku_odbiorcy).tekst(wiersz),
                          opis_pola(PolePrzelewu::nr_rach_odbiorcy).tekst(wiersz));
}

Tprzelew Tnowy_edycja_przelewow::przelew_z_okna() const {
    Tprzelew p;
    for (const auto& [pole, kontrolka] : kontrolki_pol_)
        opis_pola(pole).ustaw_tekst(p, tekst_kontrolki(kontrolka));
    p.czy_przelew = rb_przelew->isChecked() ? 1 : 0;
    return p;
}

void Tnowy_edycja_przelewow::zapisz_edycjaClick() {
    kapitalizacja();
    uzupelnij_kwote(Uzupelnianie::Zapis);
    konto_odbiorcy->oznacz_braki();
    if (czy_puste(nazwa_odbiorcy1)) return;
    if (sprawdz_sumy_kontrolne() && !zapisac_mimo_bledu_sumy(this)) return;
    // "Zapisz" takes no focus, so the date field may not have been left yet.
    data_labelExit();
    if (data_bledna() &&
        Dialogi::komunikat(
            this,
            u"Data „%1” nie jest prawdziwym dniem — taki przelew nie trafi do "
            u"pliku dla banku.\nZapisać mimo to?"_s.arg(data_label->text().trimmed()),
            windowTitle(), Dialogi::Ikona::Pytanie, Dialogi::Przyciski::TakNie,
            Dialogi::Odpowiedz::Nie) != Dialogi::Odpowiedz::Tak) {
        data_label->setFocus();
        return;
    }
    // Refused only when the collection is full: the window stays open so
    // that nothing typed is lost.
    if (zapisz_ && !zapisz_(przelew_z_okna())) {
        Dialogi::komunikat(this,
                           u"Lista przelewów jest pełna: można w niej przechowywać najwyżej "
                           u"1000 przelewów."_s,
                           windowTitle(), Dialogi::Ikona::Blad);
        return;
    }
    accept();
}

void Tnowy_edycja_przelewow::anuluj_edycjaClick() { reject(); }
