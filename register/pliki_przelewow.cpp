#include "register/pliki_przelewow.h"

#include "register/bezpieczny_zapis.h"
#include "register/odczyt_pliku.h"
#include "register/przelew.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A text slot: one length byte, then the capacity's bytes. A length larger
// than the slot reads as the slot's capacity.
template <std::size_t N>
void czytaj_pole(const char*& p, Tekst<N>& pole, std::size_t pojemnosc = N) {
    const std::size_t dl = std::min<std::size_t>(static_cast<unsigned char>(*p), pojemnosc);
    pole.ustaw(std::string_view(p + 1, dl));
    p += 1 + pojemnosc;
}

template <std::size_t N>
void pisz_pole(char*& p, const Tekst<N>& pole, std::size_t pojemnosc = N) {
    const std::size_t dl = std::min(pole.size(), pojemnosc);
    *p = static_cast<char>(dl);
    std::memcpy(p + 1, pole.bajty().data(), dl);
    std::memset(p + 1 + dl, 0, pojemnosc - dl);
    p += 1 + pojemnosc;
}

// The same walk over the fields reads and writes a record of either version.
template <typename Pole>
void przejdz_rekord(Tprzelew& r, int wersja, Pole&& pole, auto&& bajt) {
    const std::size_t linia = wersja == 2 ? 51 : 150;
    pole(r.nazwa_odbiorcy1, linia);
    pole(r.nazwa_odbiorcy2, linia);
    pole(r.lk, 2);
    pole(r.nr_banku_odbiorcy, 9);
    pole(r.nr_rach_odbiorcy, 19);
    pole(r.kwota, 6);
    pole(r.kwota100, 2);
    pole(r.data, 10);
    pole(r.nr_rach_nadawcy, 32);
    pole(r.nazwa_nadawcy1, linia);
    pole(r.nazwa_nadawcy2, linia);
    pole(r.tytulem1, linia);
    pole(r.tytulem2, linia);
    bajt(r.czy_przelew);
    pole(r.symbol, 2);
    if (wersja == 2)
        pole(r.dodatkowe, 20);
    else
        r.dodatkowe.wyczysc();
}

void dekoduj(const char* p, int wersja, Tprzelew& r) {
    przejdz_rekord(
        r, wersja, [&](auto& pole, std::size_t poj) { czytaj_pole(p, pole, poj); },
        [&](std::uint8_t& b) { b = static_cast<std::uint8_t>(*p++); });
}

void koduj(const Tprzelew& wiersz, int wersja, char* p) {
    Tprzelew r = wiersz;  // the walk takes a mutable record; dodatkowe of v1 is not written
    przejdz_rekord(
        r, wersja, [&](auto& pole, std::size_t poj) { pisz_pole(p, pole, poj); },
        [&](std::uint8_t& b) { *p++ = static_cast<char>(b); });
}

}  // namespace

int typ_pliku(const QString& nazwa) { return nazwa.right(2) == u"p2" ? 2 : 1; }

int rozmiar_rekordu(int wersja) { return wersja == 2 ? rozmiar_rekordu_v2 : rozmiar_rekordu_v1; }

namespace {

// One record's slots checked against what a writer of the version makes.
class Sprawdzenie {
  public:
    Sprawdzenie(const char* p, bool scisle) : p_(p), scisle_(scisle) {}
    bool ok = true;
    void tekst(std::size_t pojemnosc, bool konto = false) {
        const auto dl = static_cast<unsigned char>(*p_);
        if (dl > pojemnosc) ok = false;
        for (std::size_t i = 1; ok && i <= pojemnosc; ++i) {
            const char z = p_[i];
            if (i <= dl && konto && !(z >= '0' && z <= '9') && z != ' ' && z != '-') ok = false;
            if (i > dl && scisle_ && z != 0) ok = false;
        }
        p_ += 1 + pojemnosc;
    }
    void flaga() {
        if (static_cast<unsigned char>(*p_) > 1) ok = false;
        ++p_;
    }

  private:
    const char* p_;
    bool scisle_;
};

}  // namespace

bool rekordy_zgodne(const QByteArray& bajty, int wersja, bool scisle) {
    const int rozmiar = rozmiar_rekordu(wersja);
    const std::size_t linia = wersja == 2 ? 51 : 150;
    for (qsizetype od = 0; od + rozmiar <= bajty.size(); od += rozmiar) {
        Sprawdzenie s(bajty.constData() + od, scisle);
        s.tekst(linia);
        s.tekst(linia);
        s.tekst(2, true);
        s.tekst(9, true);
        s.tekst(19, true);
        s.tekst(6);
        s.tekst(2);
        s.tekst(10);
        s.tekst(32, true);
        for (int i = 0; i < 4; ++i) s.tekst(linia);
        s.flaga();
        s.tekst(2);
        if (wersja == 2) s.tekst(20);
        if (!s.ok) return false;
    }
    return true;
}

int wersja_z_zawartosci(const QString& nazwa, const QByteArray& bajty, bool* niepewna) {
    if (niepewna) *niepewna = false;
    if (!rozmiar_pasuje_do_obu(bajty.size())) return wersja_pliku(nazwa, bajty.size());
    // Zeroed fillers tell this program's own files apart; other writers may
    // leave anything there, so consistency without them comes second.
    for (const bool scisle : {true, false}) {
        const bool v1 = rekordy_zgodne(bajty, 1, scisle);
        const bool v2 = rekordy_zgodne(bajty, 2, scisle);
        if (v1 != v2) return v1 ? 1 : 2;
        if (v1) break;  // both fit: the looser test cannot choose either
    }
    if (niepewna) *niepewna = true;
    return typ_pliku(nazwa);
}

bool rozmiar_pasuje_do_obu(qint64 rozmiar) {
    return rozmiar > 0 && rozmiar % rozmiar_rekordu_v1 == 0 && rozmiar % rozmiar_rekordu_v2 == 0;
}

int wersja_pliku(const QString& nazwa, qint64 rozmiar) {
    const int wg_nazwy = typ_pliku(nazwa);
    const int inna = wg_nazwy == 2 ? 1 : 2;
    const bool pasuje_wlasna = rozmiar % rozmiar_rekordu(wg_nazwy) == 0;
    const bool pasuje_inna = rozmiar % rozmiar_rekordu(inna) == 0;
    return pasuje_inna && !pasuje_wlasna ? inna : wg_nazwy;
}

WynikOdczytu czytaj_przelewy(QIODevice& wejscie, int wersja, TablicaPrzelewow& tablica) {
    WynikOdczytu wynik;
    wynik.wersja = wersja;
    const int rozmiar = rozmiar_rekordu(wersja);
    std::vector<char> bufor(static_cast<std::size_t>(rozmiar));
    // A file whose size is known must deliver all its whole records; a short
    // read before that is an input/output error, not the end.
    const qint64 rekordow = wejscie.isSequential() ? -1 : wejscie.size() / rozmiar;
    int wiersz = 0;
    for (;;) {
        if (wiersz == TablicaPrzelewow::pojemnosc) {
            // What lies beyond is never read: one byte tells a stream that goes on.
            char bajt;
            wynik.za_duzo = rekordow >= 0 ? rekordow > wiersz : wejscie.peek(&bajt, 1) == 1;
            break;
        }
        const qint64 przeczytane = wejscie.read(bufor.data(), rozmiar);
        if (przeczytane < 0 || (przeczytane < rozmiar && wiersz < rekordow)) {
            wynik.stan = WynikOdczytu::blad_odczytu;
            break;
        }
        if (przeczytane < rozmiar) break;  // a shorter tail is ignored
        ++wiersz;
        dekoduj(bufor.data(), wersja, tablica[wiersz]);
    }
    wynik.wczytane = wiersz;
    wynik.po_pustym = obecne_po_pustym(tablica, wiersz);
    tablica.wyczysc_od(wiersz + 1);
    return wynik;
}

WynikOdczytu czytaj_przelewy(const QString& sciezka, TablicaPrzelewow& tablica) {
    QFile plik;
    switch (otworz_plik_zwykly(plik, sciezka)) {
        case StanOtwarcia::ok: {
            // The whole file is read first: its bytes choose the version and
            // are remembered, to tell later whether someone else changed it.
            const qint64 limit = qint64(TablicaPrzelewow::pojemnosc + 1) * rozmiar_rekordu_v1 + 1;
            QByteArray bajty;
            // Read in place, into room for the whole file: growing by pieces
            // would copy a large file several times over.
            bajty.reserve(std::clamp<qint64>(plik.size(), 0, limit));
            bool blad = false;
            while (bajty.size() < limit) {
                const qint64 bylo = bajty.size();
                const qint64 kawalek = std::min<qint64>(limit - bylo, 65536);
                bajty.resize(bylo + kawalek);
                const qint64 przeczytane = plik.read(bajty.data() + bylo, kawalek);
                bajty.resize(bylo + std::max<qint64>(przeczytane, 0));
                if (przeczytane <= 0) {
                    blad = przeczytane < 0 || plik.error() != QFileDevice::NoError ||
                           bajty.size() < plik.size();
                    break;
                }
            }
            bool niepewna = false;
            const int wersja = blad ? wersja_pliku(sciezka, plik.size())
                                    : wersja_z_zawartosci(sciezka, bajty, &niepewna);
            QBuffer bufor(&bajty);
            bufor.open(QIODevice::ReadOnly);
            WynikOdczytu wynik = czytaj_przelewy(bufor, wersja, tablica);
            if (blad) {
                wynik.stan = WynikOdczytu::blad_odczytu;
                return wynik;
            }
            // More than fits in 1000 records of either version: only the
            // size says there is more.
            if (plik.size() > bajty.size()) wynik.za_duzo = true;
            wynik.wersja_niepewna = niepewna;
            wynik.odcisk = plik.size() == bajty.size() ? odcisk_z_bajtow(sciezka, bajty)
                                                       : odcisk_pliku(sciezka);
            return wynik;
        }
        case StanOtwarcia::brak_pliku:
            return {WynikOdczytu::brak_pliku, 0, false, typ_pliku(sciezka)};
        default:
            return {WynikOdczytu::blad_odczytu, 0, false, typ_pliku(sciezka)};
    }
}

bool pisz_przelewy(QIODevice& wyjscie, int wersja, const TablicaPrzelewow& tablica, int ilosc) {
    const int rozmiar = rozmiar_rekordu(wersja);
    std::vector<char> bufor(static_cast<std::size_t>(rozmiar));
    for (int i = 1; i <= ilosc; ++i) {
        koduj(tablica[i], wersja, bufor.data());
        if (wyjscie.write(bufor.data(), rozmiar) != rozmiar) return false;
    }
    return true;
}

bool zapisz_przelewy(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc,
                     int wersja) {
    if (wersja == 0) wersja = typ_pliku(sciezka);
    return zapisz_bezpiecznie(
        sciezka, [&](QIODevice& plik) { return pisz_przelewy(plik, wersja, tablica, ilosc); });
}

int ile_tekstow_za_dlugich(const TablicaPrzelewow& tablica, int ilosc, int wersja) {
    if (wersja != 2) return 0;  // version 1 keeps every text whole
    constexpr std::size_t linia_v2 = 51;
    int ile = 0;
    for (int i = 1; i <= ilosc; ++i) {
        const Tprzelew& r = tablica[i];
        for (const auto* pole : {&r.nazwa_odbiorcy1, &r.nazwa_odbiorcy2, &r.nazwa_nadawcy1,
                                 &r.nazwa_nadawcy2, &r.tytulem1, &r.tytulem2})
            if (pole->size() > linia_v2) ++ile;
    }
    return ile;
}

bool ma_dodatkowe_informacje(const TablicaPrzelewow& tablica, int ilosc) {
    for (int i = 1; i <= ilosc; ++i)
        if (!przytnij(tablica[i].dodatkowe.bajty()).empty()) return true;
    return false;
}

QString nazwa_w_wersji_2(const QString& sciezka) {
    const qsizetype obciecie = sciezka.endsWith(u".vando") ? 5 : 3;
    return sciezka.left(std::max<qsizetype>(0, sciezka.size() - obciecie)) + u"p2"_s;
}
