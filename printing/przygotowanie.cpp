#include "printing/przygotowanie.h"

#include "register/kwota.h"
#include "register/maska.h"
#include "register/pola_przelewu.h"
#include "register/przelew.h"

#include <utility>

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

namespace {

// The print variables that take a field as it stands.
constexpr std::pair<PolePrzelewu, QString ZmienneDruku::*> przepisywane[] = {
    {PolePrzelewu::nazwa_odbiorcy1, &ZmienneDruku::temp_nazwa_odbiorcy1},
    {PolePrzelewu::nazwa_odbiorcy2, &ZmienneDruku::temp_nazwa_odbiorcy2},
    {PolePrzelewu::lk, &ZmienneDruku::temp_lk},
    {PolePrzelewu::nr_banku_odbiorcy, &ZmienneDruku::temp_nr_banku_odbiorcy},
    {PolePrzelewu::nr_rach_odbiorcy, &ZmienneDruku::temp_nr_rach_odbiorcy},
    {PolePrzelewu::nazwa_nadawcy1, &ZmienneDruku::temp_nazwa_nadawcy1},
    {PolePrzelewu::nazwa_nadawcy2, &ZmienneDruku::temp_nazwa_nadawcy2},
    {PolePrzelewu::tytulem1, &ZmienneDruku::temp_tytulem1},
    {PolePrzelewu::tytulem2, &ZmienneDruku::temp_tytulem2},
    {PolePrzelewu::data, &ZmienneDruku::temp_data},
    {PolePrzelewu::symbol, &ZmienneDruku::temp_symbol},
    {PolePrzelewu::dodatkowe, &ZmienneDruku::temp_dodatkowe},
};

}  // namespace

ZmienneDruku zmienne_druku(Tprzelew& p) {
    ZmienneDruku z;
    for (const auto& [pole, zmienna] : przepisywane) z.*zmienna = opis_pola(pole).tekst(p);
    // Account digits go into the form's boxes by position: a number stored
    // without the mask's spaces is laid on it first.
    z.temp_lk = konto_do_pokazania(z.temp_lk, Maska(maski::lk));
    z.temp_nr_banku_odbiorcy = konto_do_pokazania(z.temp_nr_banku_odbiorcy, Maska(maski::bank));
    z.temp_nr_rach_odbiorcy = konto_do_pokazania(z.temp_nr_rach_odbiorcy, Maska(maski::rachunek));
    QString zlote = p.kwota.na_unicode();
    QString grosze = p.kwota100.na_unicode();
    uzupelnij_kwote_do_druku(zlote, grosze);
    p.kwota = decltype(p.kwota)::z_unicode(zlote);
    p.kwota100 = decltype(p.kwota100)::z_unicode(grosze);
    z.temp_kwota = forma_druku(zlote, grosze);
    z.temp_czy_przelew = p.czy_przelew != 0;
    z.temp_nr_rach_nadawcy = z.temp_czy_przelew ? konto_do_pokazania(p.nr_rach_nadawcy.na_unicode(),
                                                                     Maska(maski::nadawca))
                                                : forma_slowna(zlote, grosze);
    return z;
}

ZmienneDruku przypisanie_zmiennych_do_temp(TablicaPrzelewow& tablica, int k) {
    return zmienne_druku(tablica[k]);
}

QString wielkie_litery(const QString& tekst) {
    QString wynik = tekst;
    for (QChar& z : wynik) {
        std::uint8_t b;
        if (cp1250::z_znaku(z, b)) z = cp1250::na_znak(cp1250::wielka(b));
    }
    return wynik;
}
