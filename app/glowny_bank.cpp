// The main window's commands for paying from a bank: the payment code, the
// Elixir-0 file, and repeating an order.
#include "app/glowny.h"
#include "payments/eksport_do_banku.h"
#include "payments/elixir.h"
#include "payments/zaplac_telefonem.h"
#include "register/bezpieczny_zapis.h"
#include "register/magazyn_ustawien.h"
#include "widgets/dialogi.h"

#include <QFileInfo>
#include <QIODevice>
#include <QItemSelectionModel>
#include <QTreeView>

#include <algorithm>

using namespace Qt::StringLiterals;

using Dialogi::Ikona;
using Dialogi::Odpowiedz;
using Dialogi::Przyciski;

QList<int> Tglowne_okno::zaznaczone_el() {
    QList<int> numery;
    const int n = ilosc_el();
    for (const QModelIndex& i : ListView->selectionModel()->selectedRows())
        if (const int k = wiersz_linii(i.row()); k >= 1 && k <= n) numery << k;
    std::sort(numery.begin(), numery.end());
    return numery;
}

bool Tglowne_okno::numery_do_eksportu(const QString& tytul, QList<int>& numery, int od_ilu) {
    const int n = ilosc_el();
    numery = zaznaczone_el();
    if (numery.size() < od_ilu) numery.clear();
    if (!numery.isEmpty() && numery.size() < n) {
        const Odpowiedz o = Dialogi::komunikat(
            this,
            u"Zapisać tylko zaznaczone przelewy (%1)?\nNie — zapisze wszystkie przelewy z listy."_s
                .arg(numery.size()),
            tytul, Ikona::Pytanie, Przyciski::TakNieAnuluj);
        if (o == Odpowiedz::Anuluj) return false;
        if (o == Odpowiedz::Nie) numery.clear();
    }
    if (numery.isEmpty())
        for (int nr = 1; nr <= n; ++nr) numery << nr;
    return true;
}

void Tglowne_okno::zaplac_telefonemClick() {
    const int s = zaznaczony_el();
    if (s > ilosc_el()) return;
    Tzaplac_telefonem okno(this);
    okno.pokaz_przelew(rejestr.przelew(s));
    okno.exec();
}

void Tglowne_okno::eksport_do_bankuClick() {
    const QString tytul = u"Eksport do banku"_s;
    const int n = ilosc_el();
    if (n == 0) {
        Dialogi::komunikat(this, u"Lista przelewów jest pusta."_s, tytul, Ikona::Informacja);
        return;
    }
    QList<int> numery;
    if (!numery_do_eksportu(tytul, numery, 1)) return;

    // The bank's character set, as chosen last time.
    const QString klucz_kodowania = u"KodowanieElixir"_s;
    Teksport_do_banku okno(
        this,
        kodowanie_z_nazwy(MagazynUstawien::czytaj_tekst(klucz_kodowania).value_or(QString()))
            .value_or(KodowanieBanku::cp1250),
        int(numery.size()));
    if (okno.exec() != QDialog::Accepted) return;
    const KodowanieBanku kodowanie = okno.kodowanie();
    MagazynUstawien::zapisz_tekst(klucz_kodowania, nazwa_kodowania(kodowanie));

    const PlikElixir plik =
        przygotuj_elixir(rejestr.tablica(), numery, QDate::currentDate(), kodowanie);
    // Everything left out or cut is said once, before anything is written.
    QString uwagi = opis_pominietych(rejestr.tablica(), plik.pominiete);
    if (const QString przyciete = opis_przycietych(plik.przyciete); !przyciete.isEmpty())
        uwagi += (uwagi.isEmpty() ? QString() : u"\n\n"_s) + przyciete;
    if (plik.zapisanych == 0) {
        Dialogi::komunikat(this, uwagi + u"\n\nNie ma czego zapisać."_s, tytul, Ikona::Informacja);
        return;
    }
    if (!uwagi.isEmpty() &&
        Dialogi::komunikat(this,
                           uwagi + u"\n\nZapisać plik z przelewami, które można wysłać (%1)?"_s.arg(
                                       plik.zapisanych),
                           tytul, Ikona::Pytanie, Przyciski::TakNie) != Odpowiedz::Tak)
        return;

    const QString wybrana = Dialogi::zapisz_plik(this, u"Plik dla banku Elixir-0 (*.pli)|*.pli"_s,
                                                 u"pli"_s, rejestr.sciezka());
    if (wybrana.isEmpty()) return;
    const QString nazwa = nazwa_pliku_elixir(wybrana);
    if (QFileInfo::exists(nazwa) &&
        Dialogi::komunikat(this, u"Podany plik już istnieje.\rNadpisać?"_s, u"Zapisz jako..."_s,
                           Ikona::Pytanie, Przyciski::TakNie, Odpowiedz::Nie) != Odpowiedz::Tak)
        return;
    if (!zapisz_bezpiecznie(nazwa,
                            [&](QIODevice& d) { return d.write(plik.dane) == plik.dane.size(); })) {
        Dialogi::komunikat(this, u"Wystąpił błąd zapisu.\nSpróbuj ponownie."_s);
        return;
    }
}
