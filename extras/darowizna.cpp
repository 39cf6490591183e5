#include "extras/darowizna.h"

#include "register/konto.h"

using namespace Qt::StringLiterals;

namespace darowizna {

QString autor() { return u"Jan Vandorski"_s; }
QString adres_autora() { return u"ul. Przykładowa 1, 00-001 Warszawa"_s; }

// A made-up number with a made-up bank (9999). Its check digits are the ones
// the program's own check accepts, so the order never greets a new user
// with a warning.
QString konto_autora() {
    const QString bez_kontrolnych = u"999900011234567890123456"_s;
    QString cyfry;
    for (int k = 0; k < 100 && !nrb_poprawny(cyfry); ++k)
        cyfry = u"%1"_s.arg(k, 2, 10, QChar(u'0')) + bez_kontrolnych;
    QString wynik = cyfry.left(2);
    for (qsizetype i = 2; i < cyfry.size(); i += 4) wynik += u' ' + cyfry.mid(i, 4);
    return wynik;
}
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
