#include "register/rejestr.h"

#include "register/sortowanie.h"

#include <algorithm>

Rejestr::Rejestr(QObject* rodzic) : QObject(rodzic) {}

bool Rejestr::dopisz(const Tprzelew& przelew) {
    if (!tablica_.dopisz(przelew)) return false;
    emit wiersz_dopisany(tablica_.ilosc_el());
    return true;
}

void Rejestr::zmien_wiersz(int nr, const Tprzelew& przelew) {
    if (nr < 1 || nr > tablica_.ilosc_el()) return;
    tablica_[nr] = przelew;
    emit wiersz_zmieniony(nr);
}

void Rejestr::usun(const QList<int>& numery) {
    QList<int> malejaco = numery;
    std::sort(malejaco.begin(), malejaco.end(), std::greater<>());
    malejaco.erase(std::unique(malejaco.begin(), malejaco.end()), malejaco.end());
    const int n = tablica_.ilosc_el();
    bool cos = false;
    // From the last, so that the rows still to go keep their numbers.
    for (const int k : std::as_const(malejaco)) {
        if (k < 1 || k > n) continue;
        tablica_.usun(k);
        cos = true;
    }
    if (cos) emit wiersze_zmienione();
}

bool Rejestr::wstaw(const QList<QPair<int, Tprzelew>>& wiersze) {
    if (wiersze.isEmpty()) return true;
    if (tablica_.ilosc_el() + wiersze.size() > TablicaPrzelewow::pojemnosc) return false;
    for (const auto& [nr, przelew] : wiersze) {
        const int n = tablica_.ilosc_el();
        const int k = std::clamp(nr, 1, n + 1);
        for (int i = n; i >= k; --i) tablica_[i + 1] = tablica_[i];
        tablica_[k] = przelew;
    }
    emit wiersze_zmienione();
    return true;
}

bool Rejestr::sortuj(int kolumna) {
    const bool malejaco = sortuj_po_kolumnie(tablica_, kolumna);
    emit wiersze_zmienione();
    return malejaco;
}

void Rejestr::wyczysc() {
    tablica_.wyczysc();
    emit wiersze_zmienione();
}

WynikOdczytu Rejestr::wczytaj(const QString& sciezka) {
    const WynikOdczytu wynik = czytaj_przelewy(sciezka, tablica_);
    emit wiersze_zmienione();
    return wynik;
}

SesjaPliku::Otwarcie Rejestr::otworz(const QString& sciezka, bool tylko_do_odczytu) {
    const SesjaPliku::Otwarcie wynik = sesja_.otworz(sciezka, tablica_, tylko_do_odczytu);
    emit wiersze_zmienione();
    return wynik;
}

SesjaPliku::Zapis Rejestr::zapisz(const QString& sciezka, const SesjaPliku::Pytajacy& pytaj) {
    const SesjaPliku::Zapis wynik = sesja_.zapisz(sciezka, tablica_, ilosc(), pytaj);
    if (wynik.stan == SesjaPliku::Zapis::zapisano) ustaw_sciezke(wynik.sciezka);
    return wynik;
}

void Rejestr::ustaw_sciezke(const QString& sciezka) {
    if (sciezka == sciezka_) return;
    sciezka_ = sciezka;
    emit sciezka_zmieniona(sciezka_);
}

void Rejestr::ustaw_zmieniony(bool tak) {
    if (tak == zmieniony_) return;
    zmieniony_ = tak;
    emit zmieniony_zmienil_sie(zmieniony_);
}
