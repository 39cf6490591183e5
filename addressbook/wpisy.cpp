#include "addressbook/wpisy.h"

#include "register/bezpieczny_zapis.h"

#include "register/folder_programu.h"
#include "register/konto.h"
#include "register/odczyt_pliku.h"
#include "register/sortowanie.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A length byte larger than the slot reads as the slot's capacity.
template <std::size_t N>
void czytaj_pole(const char*& p, Tekst<N>& pole) {
    const std::size_t dl = std::min<std::size_t>(static_cast<unsigned char>(*p), N);
    pole.ustaw(std::string_view(p + 1, dl));
    p += 1 + N;
}

template <std::size_t N>
void pisz_pole(char*& p, const Tekst<N>& pole) {
    *p = static_cast<char>(pole.size());
    std::memcpy(p + 1, pole.bajty().data(), pole.size());
    std::memset(p + 1 + pole.size(), 0, N - pole.size());
    p += 1 + N;
}

void dekoduj(const char* p, Twpis_bazy& w) {
    czytaj_pole(p, w.nazwa1);
    czytaj_pole(p, w.nazwa2);
    czytaj_pole(p, w.lk);
    czytaj_pole(p, w.nr_banku);
    czytaj_pole(p, w.nr_rach);
}

void koduj(const Twpis_bazy& w, char* p) {
    pisz_pole(p, w.nazwa1);
    pisz_pole(p, w.nazwa2);
    pisz_pole(p, w.lk);
    pisz_pole(p, w.nr_banku);
    pisz_pole(p, w.nr_rach);
}

}  // namespace

Twpis_bazy Twpis_bazy::z_tekstow(const QString& nazwa1, const QString& nazwa2, const QString& lk,
                                 const QString& nr_banku, const QString& nr_rach) {
    Twpis_bazy w;
    w.nazwa1 = Tekst<150>::z_unicode(nazwa1);
    w.nazwa2 = Tekst<150>::z_unicode(nazwa2);
    w.lk = Tekst<2>::z_unicode(lk);
    w.nr_banku = Tekst<9>::z_unicode(nr_banku);
    w.nr_rach = Tekst<19>::z_unicode(nr_rach);
    return w;
}

void Twpis_bazy::wyczysc() {
    nazwa1.wyczysc();
    nazwa2.wyczysc();
    lk.wyczysc();
    nr_banku.wyczysc();
    nr_rach.wyczysc();
}

QString konto_nadawcy(const Twpis_bazy& wpis) {
    return polacz_konto(wpis.lk.na_unicode(), wpis.nr_banku.na_unicode(),
                        wpis.nr_rach.na_unicode());
}

void TablicaWpisow::sortowanie_listy() {
    const int n = ilosc_el_w_bazie();
    // Polish alphabetical order; each entry's collation key is computed once
    // and travels with it through the exchanges.
    std::vector<QCollatorSortKey> klucze;
    klucze.reserve(static_cast<std::size_t>(n) + 1);
    klucze.push_back(kolejnosc_polska().sortKey({}));  // position 0 is not an entry
    for (int i = 1; i <= n; ++i)
        klucze.push_back(kolejnosc_polska().sortKey((*this)[i].nazwa1.na_unicode()));
    for (int przebieg = 1; przebieg < n; ++przebieg) {
        for (int i = 1; i < n; ++i) {
            Twpis_bazy& a = (*this)[i];
            const auto k = static_cast<std::size_t>(i);
            if (a.nazwa1.empty()) {
                a.nazwa1 = " ";
                klucze[k] = kolejnosc_polska().sortKey(u" "_s);
            }
            if (klucze[k].compare(klucze[k + 1]) > 0) {
                std::swap(a, (*this)[i + 1]);
                std::swap(klucze[k], klucze[k + 1]);
            }
        }
    }
}

QString plik_bazy(RodzajBazy rodzaj) {
    switch (rodzaj) {
        case RodzajBazy::odbiorcy:
            return u"baza_odbiorcow.dat"_s;
        case RodzajBazy::nadawcy:
            return u"baza_nadawcow.dat"_s;
        case RodzajBazy::tytuly:
            break;
    }
    return u"baza_tytulow.dat"_s;
}

WynikOdczytu czytaj_wpisy(QIODevice& wejscie, TablicaWpisow& tablica) {
    WynikOdczytu wynik;
    char bufor[rozmiar_wpisu];
    // A file whose size is known must deliver all its whole records; a short
    // read before that is an input/output error, not the end.
    const qint64 rekordow = wejscie.isSequential() ? -1 : wejscie.size() / rozmiar_wpisu;
    int nr = 0;
    for (;;) {
        const qint64 przeczytane = wejscie.read(bufor, rozmiar_wpisu);
        if (przeczytane < 0 || (przeczytane < rozmiar_wpisu && nr < rekordow)) {
            wynik.stan = WynikOdczytu::blad_odczytu;
            break;
        }
        if (przeczytane < rozmiar_wpisu) break;  // a shorter tail is ignored
        if (nr == TablicaWpisow::pojemnosc) {
            Twpis_bazy nastepny;
            dekoduj(bufor, nastepny);
            wynik.za_duzo = !nastepny.pusty();
            break;
        }
        ++nr;
        dekoduj(bufor, tablica[nr]);
    }
    // Records after an empty one are not part of the book; keeping them out
    // of the table stops a later addition from bringing them back. They are
    // counted, so that no save drops them without the user's word.
    tablica.wyczysc_od(nr + 1);
    wynik.po_pustym = obecne_po_pustym(tablica, nr);
    wynik.wczytane = tablica.ilosc_el_w_bazie();
    tablica.wyczysc_od(wynik.wczytane + 1);
    if (wynik.wczytane < nr) wynik.za_duzo = false;
    return wynik;
}

bool pisz_wpisy(QIODevice& wyjscie, const TablicaWpisow& tablica) {
    char bufor[rozmiar_wpisu];
    const int n = tablica.ilosc_el_w_bazie();
    for (int i = 1; i <= n; ++i) {
        koduj(tablica[i], bufor);
        if (wyjscie.write(bufor, rozmiar_wpisu) != rozmiar_wpisu) return false;
    }
    return true;
}

WynikOdczytu otwieranie_bazy(const QString& nazwa_pliku, TablicaWpisow& tablica) {
    const QString sciezka = plik_programu(nazwa_pliku);
    QFile plik;
    switch (otworz_plik_zwykly(plik, sciezka)) {
        case StanOtwarcia::ok: {
            WynikOdczytu wynik = czytaj_wpisy(plik, tablica);
            wynik.odcisk = odcisk_pliku(sciezka);
            return wynik;
        }
        case StanOtwarcia::brak_pliku:
            // A link whose file is gone is not an empty book: the user's
            // entries are somewhere else, out of reach.
            if (QFileInfo(sciezka).isSymLink()) break;
            tablica.czyszczenie_tablicy();
            return {WynikOdczytu::brak_pliku, 0, false};
        case StanOtwarcia::nie_plik:  // a FIFO would block, a device never end
        case StanOtwarcia::blad:
            break;
    }
    tablica.czyszczenie_tablicy();
    return {WynikOdczytu::blad_odczytu, 0, false};
}

bool zapis_do_pliku_bazy(const QString& nazwa_pliku, const TablicaWpisow& tablica) {
    return zapisz_bezpiecznie(plik_programu(nazwa_pliku),
                              [&](QIODevice& plik) { return pisz_wpisy(plik, tablica); });
}

bool takie_same(const TablicaWpisow& a, const TablicaWpisow& b) {
    const int n = a.ilosc_el_w_bazie();
    if (n != b.ilosc_el_w_bazie()) return false;
    for (int i = 1; i <= n; ++i)
        if (!(a[i] == b[i])) return false;
    return true;
}

WynikDopisania dopisz_do_bazy(RodzajBazy rodzaj, const QString& nazwa1, const QString& nazwa2,
                              const QString& lk, const QString& nr_banku, const QString& nr_rach) {
    WynikDopisania wynik;
    const QString nazwa_pliku = plik_bazy(rodzaj);
    TablicaWpisow tablica;
    wynik.odczyt = otwieranie_bazy(nazwa_pliku, tablica);
    // Saving would drop the entries after a blank one (past the 1000th, the
    // book is full and refused below).
    if (wynik.odczyt.stan == WynikOdczytu::blad_odczytu || wynik.odczyt.po_pustym > 0) return wynik;
    if (!tablica.dodanie_elementu(Twpis_bazy::z_tekstow(nazwa1, nazwa2, lk, nr_banku, nr_rach))) {
        wynik.pelna = true;
        return wynik;
    }
    tablica.sortowanie_listy();
    wynik.zapisany = zapis_do_pliku_bazy(nazwa_pliku, tablica);
    return wynik;
}
