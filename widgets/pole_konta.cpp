#include "widgets/pole_konta.h"

#include "register/konto.h"
#include "register/maska.h"
#include "widgets/pola_numerow.h"
#include "widgets/pole_maskowane.h"
#include "widgets/suma_kontrolna.h"

#include <QScopedValueRollback>

#include <algorithm>

using namespace Qt::StringLiterals;

PoleKonta::PoleKonta(QWidget* okno, const QString& przyrostek) : QObject(okno), okno_(okno) {
    const QString nazwy[] = {u"lk"_s, u"nr_banku_odbiorcy"_s, u"nr_rach_odbiorcy"_s};
    const QString maski_czesci[] = {maski::lk, maski::bank, maski::rachunek};
    for (Czesc c : {lk, bank, rach}) {
        auto* p = new PoleMaskowane(maski_czesci[c], okno);
        p->setObjectName(nazwy[c] + przyrostek);
        czesci_[c] = p;
        connect(p, &PoleMaskowane::zmieniony, this, [this, c] { po_zmianie(c); });
        connect(p, &PoleMaskowane::opuszczony, this, [this, c] { po_wyjsciu(c); });
    }
    polacz_pola_konta(czesci_[lk], czesci_[bank], czesci_[rach]);
}

PoleKonta::Oznaczenie PoleKonta::oznaczenie(Czesc c) const {
    if (wylaczone_) return Oznaczenie::wylaczone;
    if (stan_ == StanPolaKonta::bledna_suma) return Oznaczenie::bledna_suma;
    return brak_[c] ? Oznaczenie::brak : Oznaczenie::zwykle;
}

bool PoleKonta::kompletna(Czesc c) const {
    if (czesci_[c]->za_duzo_cyfr()) return false;
    const QString t = czesci_[c]->tekst();
    switch (c) {
        case lk:
            return lk_kompletny(t);
        case bank:
            return nr_banku_kompletny(t);
        case rach:
            break;
    }
    return nr_rach_kompletny(t);
}

// A part the user completes carries the caret on to the next one (only while
// the window is up, and never for a part code fills); a completed part loses
// its red at once, an incomplete one turns red only when it is left.
void PoleKonta::po_zmianie(Czesc c) {
    if (!wypelnianie_) wpisywana_[c] = true;
    if (kompletna(c)) brak_[c] = false;
    przelicz();
    if (wypelnianie_ || c == rach || !okno_->isVisible() || !kompletna(c)) return;
    PoleMaskowane* nastepna = czesci_[c + 1];
    nastepna->setFocus(Qt::TabFocusReason);
    nastepna->setCursorPosition(0);
}

void PoleKonta::po_wyjsciu(Czesc c) {
    if (wylaczone_) return;
    if (kompletna(c))
        brak_[c] = false;
    else if (wpisywana_[c])
        brak_[c] = true;
    maluj();
}

void PoleKonta::ustaw(const QString& lk_tekst, const QString& bank_tekst,
                      const QString& rach_tekst) {
    {
        const QScopedValueRollback wypelnia(wypelnianie_, true);
        czesci_[lk]->ustaw_tekst(lk_tekst);
        czesci_[bank]->ustaw_tekst(bank_tekst);
        czesci_[rach]->ustaw_tekst(rach_tekst);
    }
    wpisywana_ = {};
    brak_ = {};
    przelicz();
}

void PoleKonta::oznacz_braki() {
    if (wylaczone_) return;
    for (Czesc c : {lk, bank, rach}) brak_[c] = !kompletna(c);
    maluj();
}

void PoleKonta::ustaw_wylaczone(bool wylaczone) {
    wylaczone_ = wylaczone;
    for (PoleMaskowane* p : czesci_) p->setEnabled(!wylaczone);
    maluj();
}

void PoleKonta::przelicz() {
    const StanPolaKonta poprzedni = stan_;
    stan_ = stan_pola_konta(czesci_[lk]->tekst(), czesci_[bank]->tekst(), czesci_[rach]->tekst());
    const bool za_duzo = std::any_of(czesci_.begin(), czesci_.end(),
                                     [](const PoleMaskowane* p) { return p->za_duzo_cyfr(); });
    if (za_duzo) stan_ = StanPolaKonta::niepelny;
    maluj();
    if (stan_ != poprzedni) emit stan_zmieniony(stan_);
}

void PoleKonta::maluj() {
    for (Czesc c : {lk, bank, rach}) {
        const Oznaczenie o = oznaczenie(c);
        if (o == Oznaczenie::brak)
            maluj_na_czerwono(czesci_[c]);
        else if (o == Oznaczenie::bledna_suma)
            ::maluj(czesci_[c], kolor_bledu_sumy);
        else if (o == Oznaczenie::wylaczone)
            ::maluj(czesci_[c], kolor_pol_nieaktywnych);
        else
            maluj_normalnie(czesci_[c]);
        // A part showing a too long stored number keeps the tool tip naming it.
        if (!czesci_[c]->za_duzo_cyfr())
            czesci_[c]->setToolTip(o == Oznaczenie::bledna_suma ? tekst_bledu_sumy : QString());
    }
}
