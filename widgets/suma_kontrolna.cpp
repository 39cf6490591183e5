#include "widgets/suma_kontrolna.h"

#include "register/konto.h"
#include "widgets/dialogi.h"
#include "widgets/pola_numerow.h"
#include "widgets/pole_maskowane.h"

#include <QLabel>
#include <QPalette>

using namespace Qt::StringLiterals;

bool czy_pomaranczowe(const QWidget* pole) {
    return pole->palette().color(QPalette::Base) == kolor_bledu_sumy;
}

void oznacz_pomaranczowo(QWidget* pole, bool bledny, const QString& podpowiedz) {
    if (bledny) {
        maluj(pole, kolor_bledu_sumy);
        pole->setToolTip(podpowiedz);
    } else if (czy_pomaranczowe(pole)) {
        maluj_normalnie(pole);
        pole->setToolTip({});
    }
}

bool oznacz_sume_kontrolna(std::initializer_list<PoleMaskowane*> czesci) {
    QString numer;
    for (const PoleMaskowane* p : czesci) numer += p->tekst() + u' ';
    const bool bledny = stan_konta(numer) == StanKonta::bledny;
    for (PoleMaskowane* p : czesci) {
        if (bledny) {
            maluj(p, kolor_bledu_sumy);
            p->setToolTip(tekst_bledu_sumy);
        } else if (czy_pomaranczowe(p)) {
            maluj_normalnie(p);
            p->setToolTip({});
        }
    }
    return bledny;
}

void pokoloruj_uwage(QLabel* etykieta) {
    QPalette paleta = etykieta->palette();
    paleta.setColor(QPalette::WindowText, kolor_uwagi);
    etykieta->setPalette(paleta);
}

void przygotuj_notatke_sumy(QLabel* notatka) {
    notatka->setText(tekst_bledu_sumy);
    pokoloruj_uwage(notatka);
    notatka->hide();
}

bool zapisac_mimo_bledu_sumy(QWidget* okno) {
    return Dialogi::komunikat(okno, pytanie_o_blad_sumy, okno->windowTitle(),
                              Dialogi::Ikona::Pytanie, Dialogi::Przyciski::TakNie,
                              Dialogi::Odpowiedz::Nie) == Dialogi::Odpowiedz::Tak;
}
