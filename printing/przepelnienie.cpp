#include "printing/przepelnienie.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Field geometry of the form (mm from the stub's left edge): every text field
// ends at 142.43; names and titles start at 8.8, the free amount at 86.
constexpr double koniec_pola = 142.43;
constexpr double poczatek_nazwy = 8.8;
constexpr double poczatek_kwoty = 86;
constexpr int kratki_pola = 27;
constexpr int kratki_kwoty = 12;
// Glyph edges are measured to a few hundredths; a text exactly as wide as its
// field still fits.
constexpr double tolerancja_mm = 0.005;

QString znaki(int n) {
    if (n == 1) return u"znak"_s;
    const int j = n % 10, d = n % 100;
    if (j >= 2 && j <= 4 && (d < 12 || d > 14)) return u"znaki"_s;
    return u"znaków"_s;
}

QString mm(double wartosc) { return QString::number(wartosc, 'f', 1).replace(u'.', u','); }

}  // namespace

QString nazwa_pola(PoleTekstowe pole) {
    switch (pole) {
        case PoleTekstowe::nazwa_odbiorcy1:
            return u"nazwa odbiorcy"_s;
        case PoleTekstowe::nazwa_odbiorcy2:
            return u"nazwa odbiorcy cd."_s;
        case PoleTekstowe::kwota:
            return u"kwota"_s;
        case PoleTekstowe::kwota_slownie:
            return u"kwota słownie"_s;
        case PoleTekstowe::nazwa_zleceniodawcy1:
            return u"nazwa zleceniodawcy"_s;
        case PoleTekstowe::nazwa_zleceniodawcy2:
            return u"nazwa zleceniodawcy cd."_s;
        case PoleTekstowe::tytulem1:
            return u"tytułem"_s;
        case PoleTekstowe::tytulem2:
            return u"tytułem cd."_s;
    }
    return {};
}

std::optional<Przepelnienie> sprawdz_pole(PoleTekstowe pole, const QString& tekst,
                                          const UstawieniaWydruku& ustawienia,
                                          const MiaraTekstu& miara) {
    Przepelnienie p;
    p.pole = pole;
    QString drukowany = tekst;
    Czcionka czcionka;
    czcionka.Name = u"Arial"_s;
    czcionka.Size = 12;
    double poczatek = poczatek_nazwy;
    if (pole == PoleTekstowe::kwota_slownie) {
        drukowany = tekst.trimmed();
        czcionka.Size = 11;
    } else if (pole == PoleTekstowe::kwota) {
        if (ustawienia.boxes) {
            // The two leading asterisks are not printed in cells.
            p.w_kratkach = true;
            p.znaki = static_cast<int>(std::max<qsizetype>(0, tekst.size() - 2));
            p.miejsca = kratki_kwoty;
        }
        poczatek = poczatek_kwoty;
    } else {
        if (ustawienia.capitals) drukowany = wielkie_litery(tekst);
        if (ustawienia.boxes) {
            p.w_kratkach = true;
            p.znaki = static_cast<int>(drukowany.size());
            p.miejsca = kratki_pola;
        }
    }
    if (p.w_kratkach) {
        if (p.znaki <= p.miejsca) return std::nullopt;
        return p;
    }
    if (drukowany.isEmpty() || !miara) return std::nullopt;
    p.szerokosc_mm = miara(czcionka, drukowany);
    p.miejsce_mm = koniec_pola - poczatek;
    if (p.szerokosc_mm <= p.miejsce_mm + tolerancja_mm) return std::nullopt;
    return p;
}

QList<Przepelnienie> sprawdz_przepelnienie(const StanDruku& stan, const ZmienneDruku& z,
                                           const MiaraTekstu& miara) {
    const UstawieniaWydruku& u = stan.ustawienia;
    QList<std::pair<PoleTekstowe, const QString*>> pola = {
        {PoleTekstowe::nazwa_odbiorcy1, &z.temp_nazwa_odbiorcy1},
        {PoleTekstowe::nazwa_odbiorcy2, &z.temp_nazwa_odbiorcy2},
        {PoleTekstowe::kwota, &z.temp_kwota},
    };
    if (!z.temp_czy_przelew) pola.append({PoleTekstowe::kwota_slownie, &z.temp_nr_rach_nadawcy});
    pola.append({{PoleTekstowe::nazwa_zleceniodawcy1, &z.temp_nazwa_nadawcy1},
                 {PoleTekstowe::nazwa_zleceniodawcy2, &z.temp_nazwa_nadawcy2},
                 {PoleTekstowe::tytulem1, &z.temp_tytulem1},
                 {PoleTekstowe::tytulem2, &z.temp_tytulem2}});
    QList<Przepelnienie> wynik;
    for (const auto& [pole, tekst] : pola)
        if (auto p = sprawdz_pole(pole, *tekst, u, miara)) wynik.append(*p);
    return wynik;
}

QString opis_przepelnienia(const Przepelnienie& p) {
    const QString miara = p.w_kratkach
                              ? u"%1 %2 z %3"_s.arg(p.znaki).arg(znaki(p.znaki)).arg(p.miejsca)
                              : u"%1 mm z %2 mm"_s.arg(mm(p.szerokosc_mm), mm(p.miejsce_mm));
    return u"Tekst w polu „%1” nie zmieści się na formularzu (%2)"_s.arg(nazwa_pola(p.pole), miara);
}

QString pytanie_o_przepelnienie(const QList<Przepelnienie>& lista) {
    QStringList linie;
    for (const Przepelnienie& p : lista) linie << opis_przepelnienia(p) + u'.';
    const auto jest = [&](bool w_kratkach) {
        return std::any_of(lista.begin(), lista.end(),
                           [&](const Przepelnienie& p) { return p.w_kratkach == w_kratkach; });
    };
    QString tekst = linie.join(u'\n') + u'\n';
    if (jest(true)) tekst += u"\nZnaki ponad liczbę kratek nie zostaną wydrukowane."_s;
    if (jest(false)) tekst += u"\nZbyt szeroki tekst wyjdzie poza pole."_s;
    tekst += u"\nCzy mimo to drukować?"_s;
    return tekst;
}
