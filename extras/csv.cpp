#include "extras/csv.h"

#include "register/bezpieczny_zapis.h"

#include "register/kwota.h"
#include "register/maska.h"
#include "register/przelew.h"

#include <QFileInfo>

#include <string>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// Doubled in every field: the date, amount and account fields hold no quotes
// when the editor wrote them, but a file from elsewhere must not break the
// line apart.
void dopisz_pole(std::string& linia, std::string_view tekst) {
    if (!linia.empty()) linia += ';';
    linia += '"';
    for (char c : tekst) {
        linia += c;
        if (c == '"') linia += '"';
    }
    linia += '"';
}

std::string dwie_linie(std::string_view pierwsza, std::string_view druga) {
    std::string wynik(pierwsza);
    wynik += ' ';
    wynik += druga;
    return wynik;
}

std::string linia_przelewu(const Tprzelew& p) {
    static const std::string przelew = cp1250::z_unicode(u"przelew"_s);
    static const std::string wplata = cp1250::z_unicode(u"wpłata"_s);
    std::string linia;
    dopisz_pole(linia, przytnij(p.data.bajty()));
    dopisz_pole(linia, p.czy_przelew == 1 ? przelew : wplata);
    dopisz_pole(linia,
                cp1250::z_unicode(forma_eksportu(p.kwota.na_unicode(), p.kwota100.na_unicode())));
    dopisz_pole(linia, dwie_linie(p.tytulem1.bajty(), p.tytulem2.bajty()));
    dopisz_pole(linia, dwie_linie(przytnij(p.nazwa_odbiorcy1.bajty()),
                                  przytnij(p.nazwa_odbiorcy2.bajty())));
    dopisz_pole(linia, p.konto_odbiorcy());
    dopisz_pole(linia,
                dwie_linie(przytnij(p.nazwa_nadawcy1.bajty()), przytnij(p.nazwa_nadawcy2.bajty())));
    const std::string nadawca = cp1250::z_unicode(
        konto_do_pokazania(p.nr_rach_nadawcy.na_unicode(), Maska(maski::nadawca)));
    dopisz_pole(linia, przytnij(nadawca));
    return linia;
}

bool pisz(QIODevice& wyjscie, const std::string& bajty) {
    const auto n = static_cast<qint64>(bajty.size());
    return wyjscie.write(bajty.data(), n) == n;
}

}  // namespace

bool pisz_csv(QIODevice& wyjscie, const TablicaPrzelewow& tablica, int ilosc) {
    std::string naglowek;
    for (const char16_t* pole : {u"DATA", u"TYP", u"KWOTA", u"TYTUŁEM", u"NAZWA ODBIORCY",
                                 u"NR RACH. ODBIORCY", u"NAZWA NADAWCY", u"NR RACH. NADAWCY"})
        dopisz_pole(naglowek, cp1250::z_unicode(QString::fromUtf16(pole)));
    naglowek += '\r';
    if (!pisz(wyjscie, naglowek)) return false;
    for (int r = 1; r <= ilosc; ++r) {
        std::string linia = linia_przelewu(tablica[r]);
        if (r < ilosc) linia += '\r';
        if (!pisz(wyjscie, linia)) return false;
    }
    return true;
}

bool zapisz_csv(const QString& sciezka, const TablicaPrzelewow& tablica, int ilosc) {
    return zapisz_bezpiecznie(sciezka,
                              [&](QIODevice& plik) { return pisz_csv(plik, tablica, ilosc); });
}

QString nazwa_pliku_csv(const QString& wybrana) {
    return wybrana.endsWith(u".csv"_s, Qt::CaseSensitive) ? wybrana : wybrana + u".csv"_s;
}
