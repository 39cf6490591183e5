#include "printing/przygotowanie.h"

#include "register/kwota.h"
#include "register/przelew.h"

using namespace Qt::StringLiterals;

StanDruku stan_druku(const UstawieniaWydruku& ustawienia) {
    StanDruku s;
    s.ustawienia = ustawienia;
    s.orientacja =
        ustawienia.uklad_strony == u"portrait" ? Orientacja::pionowa : Orientacja::pozioma;
    s.tytuly_odcinkow = {u"Odcinek dla zleceniodawcy"_s, u"Odcinek dla banku zleceniodawcy"_s,
                         u"Odcinek dla odbiorcy"_s, u"Odcinek dla banku odbiorcy"_s};
    if (ustawienia.typ_formularza == 1) {
        s.kolor_tla = {248, 199, 199};
        s.kolor_linii = {205, 29, 29};
    } else {
        s.kolor_tla = {225, 225, 225};
        s.kolor_linii = {129, 129, 129};
    }
    s.oplata_wart =
        ustawienia.drukuj_oplate ? tekst_oplaty(ustawienia.oplata_wart) : ustawienia.oplata_wart;
    return s;
}

StanDruku wczytanie_danych_do_druku() { return stan_druku(czytaj_ustawienia_wydruku()); }

QString tekst_oplaty(const QString& s) {
    // A hand-edited fee may be longer than the field; a place with nothing to
    // take prints 0.
    auto znak = [&](qsizetype i) { return i < s.size() ? s[i] : QChar(u'0'); };
    if (s.size() <= 1) return u' ' + QString(znak(0)) + u"00"_s;
    if (s.size() == 2 && s[1] != u',') return s + u"00"_s;
    if (s[1] == u',') return u' ' + QString(s[0]) + znak(2) + u'0';
    return s.left(2) + znak(3) + u'0';
}

void uzupelnij_kwote_do_druku(QString& zlote, QString& grosze) {
    if (zlote.isEmpty()) zlote = u"0"_s;
    if (grosze.isEmpty()) grosze = u"00"_s;
    if (grosze.size() == 1 && grosze != u"0") grosze.prepend(u'0');
}

ZmienneDruku zmienne_druku(TekstyZlecenia& t) {
    ZmienneDruku z;
    z.temp_nazwa_odbiorcy1 = t.nazwa_odbiorcy1;
    z.temp_nazwa_odbiorcy2 = t.nazwa_odbiorcy2;
    z.temp_lk = t.lk;
    z.temp_nr_banku_odbiorcy = t.nr_banku_odbiorcy;
    z.temp_nr_rach_odbiorcy = t.nr_rach_odbiorcy;
    uzupelnij_kwote_do_druku(t.kwota, t.kwota100);
    z.temp_kwota = forma_druku(t.kwota, t.kwota100);
    z.temp_nr_rach_nadawcy = t.przelew ? t.nr_rach_nadawcy : forma_slowna(t.kwota, t.kwota100);
    z.temp_czy_przelew = t.przelew;
    z.temp_nazwa_nadawcy1 = t.nazwa_nadawcy1;
    z.temp_nazwa_nadawcy2 = t.nazwa_nadawcy2;
    z.temp_tytulem1 = t.tytulem1;
    z.temp_tytulem2 = t.tytulem2;
    z.temp_data = t.data;
    z.temp_symbol = t.symbol;
    z.temp_dodatkowe = t.dodatkowe;
    return z;
}

ZmienneDruku przypisanie_zmiennych_do_temp(TablicaPrzelewow& tablica, int k) {
    Tprzelew& w = tablica[k];
    TekstyZlecenia t{
        .nazwa_odbiorcy1 = w.nazwa_odbiorcy1.na_unicode(),
        .nazwa_odbiorcy2 = w.nazwa_odbiorcy2.na_unicode(),
        .lk = w.lk.na_unicode(),
        .nr_banku_odbiorcy = w.nr_banku_odbiorcy.na_unicode(),
        .nr_rach_odbiorcy = w.nr_rach_odbiorcy.na_unicode(),
        .kwota = w.kwota.na_unicode(),
        .kwota100 = w.kwota100.na_unicode(),
        .nr_rach_nadawcy = w.nr_rach_nadawcy.na_unicode(),
        .nazwa_nadawcy1 = w.nazwa_nadawcy1.na_unicode(),
        .nazwa_nadawcy2 = w.nazwa_nadawcy2.na_unicode(),
        .tytulem1 = w.tytulem1.na_unicode(),
        .tytulem2 = w.tytulem2.na_unicode(),
        .data = w.data.na_unicode(),
        .symbol = w.symbol.na_unicode(),
        .dodatkowe = w.dodatkowe.na_unicode(),
        .przelew = w.czy_przelew != 0,
    };
    ZmienneDruku z = zmienne_druku(t);
    w.kwota = decltype(w.kwota)::z_unicode(t.kwota);
    w.kwota100 = decltype(w.kwota100)::z_unicode(t.kwota100);
    return z;
}

QString wielkie_litery(const QString& tekst) {
    QString wynik = tekst;
    for (QChar& z : wynik) {
        std::uint8_t b;
        if (cp1250::z_znaku(z, b)) z = cp1250::na_znak(cp1250::wielka(b));
    }
    return wynik;
}
