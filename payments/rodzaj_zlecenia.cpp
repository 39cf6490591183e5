#include "payments/rodzaj_zlecenia.h"

#include "register/konto.h"
#include "register/przelew.h"

using namespace Qt::StringLiterals;

QString tytul_zlecenia(const Tprzelew& p) {
    return p.tytulem1.na_unicode().trimmed() + p.tytulem2.na_unicode().trimmed();
}

RodzajZlecenia rodzaj_zlecenia(const Tprzelew& p) {
    const QString tytul = tytul_zlecenia(p);
    if (czytaj_tytul_podatkowy(tytul)) return RodzajZlecenia::podatek;
    if (czytaj_tytul_podzielonej(tytul)) return RodzajZlecenia::podzielona;
    if (rachunek_skladkowy_zus(cp1250::na_unicode(p.konto_odbiorcy())))
        return RodzajZlecenia::skladka_zus;
    return RodzajZlecenia::zwykle;
}

QString kod_elixir(RodzajZlecenia rodzaj) {
    switch (rodzaj) {
        case RodzajZlecenia::podatek:
            return u"71"_s;
        case RodzajZlecenia::podzielona:
            return u"53"_s;
        case RodzajZlecenia::zwykle:
        case RodzajZlecenia::skladka_zus:
            break;
    }
    return u"51"_s;
}

QString znacznik_zlecenia(RodzajZlecenia rodzaj) {
    switch (rodzaj) {
        case RodzajZlecenia::podatek:
            return u"US"_s;
        case RodzajZlecenia::podzielona:
            return u"MPP"_s;
        case RodzajZlecenia::zwykle:
        case RodzajZlecenia::skladka_zus:
            break;
    }
    return {};
}

QString blad_budowy_tytulu(const Tprzelew& p) {
    const QString tytul = tytul_zlecenia(p);
    if (tytul.startsWith(u"/TI/"_s) && !czytaj_tytul_podatkowy(tytul))
        return u"tytuł zaczyna się od /TI/, ale nie jest poprawnym tytułem przelewu "
               u"podatkowego"_s;
    if (tytul.startsWith(u"/VAT/"_s) && !czytaj_tytul_podzielonej(tytul))
        return u"tytuł zaczyna się od /VAT/, ale nie jest poprawnym tytułem podzielonej "
               u"płatności"_s;
    return {};
}

namespace {
void ustaw_tytul(Tprzelew& p, const LinieTytulu& linie) {
    p.tytulem1 = Tekst<150>::z_unicode(linie.linia1);
    p.tytulem2 = Tekst<150>::z_unicode(linie.linia2);
}
}  // namespace

void zastosuj_tytul_podatkowy(Tprzelew& p, const TytulPodatkowy& tytul, bool na_mikrorachunek) {
    ustaw_tytul(p, tytul_podatkowy(tytul));
    if (przytnij(p.nazwa_odbiorcy1.na_unicode()).isEmpty())
        p.nazwa_odbiorcy1 = Tekst<150>::z_unicode(u"Urząd Skarbowy"_s);
    if (!na_mikrorachunek) return;
    const QString konto = mikrorachunek(tytul.rodzaj, bez_lacznikow(tytul.identyfikator));
    if (konto.isEmpty()) return;
    const CzesciKonta czesci = podziel_konto(rachunek_w_grupach(konto));
    p.lk = Tekst<2>::z_unicode(czesci.lk);
    p.nr_banku_odbiorcy = Tekst<9>::z_unicode(czesci.bank);
    p.nr_rach_odbiorcy = Tekst<19>::z_unicode(czesci.rach);
}

void zastosuj_tytul_podzielonej(Tprzelew& p, const TytulPodzielonej& tytul) {
    ustaw_tytul(p, tytul_podzielonej(tytul));
}
