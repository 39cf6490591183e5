#include "extras/darowizna.h"

using namespace Qt::StringLiterals;

namespace darowizna {

// The check digits 00 are never given to a Polish account number, so no
// payment made from this order can reach anyone's real account.
QString autor() { return u"Jan Vandorski"_s; }
QString adres_autora() { return u"ul. Przykładowa 1, 00-001 Warszawa"_s; }
QString konto_autora() { return u"00 9999 0001 1234 5678 9012 3456"_s; }
QString mail_autora() { return u"autor@vandoria.example.org"_s; }
QString tytul() { return u"dobrowolna wpłata za program Vandoria"_s; }

Tprzelew przelew_do_autora() {
    const QString konto = konto_autora();
    Tprzelew p;
    p.nazwa_odbiorcy1 = Tekst<150>::z_unicode(autor());
    p.nazwa_odbiorcy2 = Tekst<150>::z_unicode(adres_autora());
    p.lk = Tekst<2>::z_unicode(konto.left(2));
    p.nr_banku_odbiorcy = Tekst<9>::z_unicode(konto.mid(3, 9));
    p.nr_rach_odbiorcy = Tekst<19>::z_unicode(konto.mid(13));
    p.kwota = "10";
    p.kwota100 = "00";
    p.tytulem1 = Tekst<150>::z_unicode(tytul());
    p.czy_przelew = 0;
    p.symbol = "06";
    return p;
}

}  // namespace darowizna
