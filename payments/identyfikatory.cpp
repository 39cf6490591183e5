#include "payments/identyfikatory.h"

#include "register/konto.h"

using namespace Qt::StringLiterals;

namespace {

// The micro-account's fixed digits 3-13: the central bank's sort code and 222.
const QString mikro_stale = u"10100071222"_s;
const QString bank_zus = u"60000002"_s;

bool same_cyfry(const QString& tekst, qsizetype ile) {
    if (tekst.size() != ile) return false;
    for (const QChar z : tekst)
        if (z < u'0' || z > u'9') return false;
    return true;
}

int cyfra(QChar z) { return z.unicode() - u'0'; }

QString ile_cyfr(qsizetype n) {
    if (n == 1) return u"1 cyfrę"_s;
    const bool kilka = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
    return u"%1 %2"_s.arg(n).arg(kilka ? u"cyfry"_s : u"cyfr"_s);
}

}  // namespace

bool nip_poprawny(const QString& cyfry) {
    if (!same_cyfry(cyfry, 10)) return false;
    static constexpr int wagi[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int suma = 0;
    for (int i = 0; i < 9; ++i) suma += wagi[i] * cyfra(cyfry.at(i));
    const int reszta = suma % 11;
    return reszta != 10 && reszta == cyfra(cyfry.at(9));
}

bool pesel_poprawny(const QString& cyfry) {
    if (!same_cyfry(cyfry, 11)) return false;
    static constexpr int wagi[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int suma = 0;
    for (int i = 0; i < 10; ++i) suma += wagi[i] * cyfra(cyfry.at(i));
    return (10 - suma % 10) % 10 == cyfra(cyfry.at(10));
}

bool zla_cyfra_kontrolna(RodzajIdentyfikatora rodzaj, const QString& wpisany) {
    const QString cyfry = bez_lacznikow(wpisany);
    if (rodzaj == RodzajIdentyfikatora::nip) return same_cyfry(cyfry, 10) && !nip_poprawny(cyfry);
    if (rodzaj == RodzajIdentyfikatora::pesel)
        return same_cyfry(cyfry, 11) && !pesel_poprawny(cyfry);
    return false;
}

QChar kod_identyfikatora(RodzajIdentyfikatora rodzaj) {
    switch (rodzaj) {
        case RodzajIdentyfikatora::nip:
            return u'N';
        case RodzajIdentyfikatora::pesel:
            return u'P';
        case RodzajIdentyfikatora::regon:
            return u'R';
        case RodzajIdentyfikatora::dowod:
            return u'1';
        case RodzajIdentyfikatora::paszport:
            return u'2';
        case RodzajIdentyfikatora::inny:
            break;
    }
    return u'3';
}

std::optional<RodzajIdentyfikatora> identyfikator_z_kodu(QChar kod) {
    for (const auto r :
         {RodzajIdentyfikatora::nip, RodzajIdentyfikatora::pesel, RodzajIdentyfikatora::regon,
          RodzajIdentyfikatora::dowod, RodzajIdentyfikatora::paszport, RodzajIdentyfikatora::inny})
        if (kod_identyfikatora(r) == kod) return r;
    return std::nullopt;
}

QString nazwa_identyfikatora(RodzajIdentyfikatora rodzaj) {
    switch (rodzaj) {
        case RodzajIdentyfikatora::nip:
            return u"NIP"_s;
        case RodzajIdentyfikatora::pesel:
            return u"PESEL"_s;
        case RodzajIdentyfikatora::regon:
            return u"REGON"_s;
        case RodzajIdentyfikatora::dowod:
            return u"dowód osobisty"_s;
        case RodzajIdentyfikatora::paszport:
            return u"paszport"_s;
        case RodzajIdentyfikatora::inny:
            break;
    }
    return u"inny dokument"_s;
}

QString bez_lacznikow(const QString& tekst) {
    QString wynik = tekst.trimmed();
    wynik.remove(u'-');
    wynik.remove(u' ');
    return wynik;
}

QString mikrorachunek(RodzajIdentyfikatora rodzaj, const QString& cyfry) {
    QString bban;
    if (rodzaj == RodzajIdentyfikatora::nip && nip_poprawny(cyfry))
        bban = mikro_stale + u'2' + cyfry + u"00"_s;
    else if (rodzaj == RodzajIdentyfikatora::pesel && pesel_poprawny(cyfry))
        bban = mikro_stale + u'1' + cyfry + u'0';
    else
        return {};
    return cyfry_kontrolne_nrb(bban) + bban;
}

WynikMikrorachunku mikrorachunek_z_tekstu(const QString& tekst) {
    const QString cyfry = bez_lacznikow(tekst);
    for (const QChar z : cyfry)
        if (z < u'0' || z > u'9')
            return {{},
                    u"Identyfikator „%1” może zawierać tylko cyfry (w numerze NIP także "
                    u"łączniki)."_s.arg(tekst)};
    RodzajIdentyfikatora rodzaj = RodzajIdentyfikatora::nip;
    if (cyfry.size() == 11)
        rodzaj = RodzajIdentyfikatora::pesel;
    else if (cyfry.size() != 10)
        return {{},
                u"Identyfikator „%1” ma %2: NIP ma ich 10, PESEL 11."_s.arg(
                    tekst, ile_cyfr(cyfry.size()))};
    const QString konto = mikrorachunek(rodzaj, cyfry);
    if (konto.isEmpty())
        return {
            {},
            u"Numer %1 %2 ma błędną cyfrę kontrolną."_s.arg(nazwa_identyfikatora(rodzaj), tekst)};
    return {konto, {}};
}

QString rachunek_w_grupach(const QString& cyfry26) {
    QString wynik = cyfry26.left(2);
    for (qsizetype i = 2; i < cyfry26.size(); i += 4) wynik += u' ' + cyfry26.mid(i, 4);
    return wynik;
}

std::optional<OdczytanyMikrorachunek> czytaj_mikrorachunek(const QString& cyfry26) {
    if (cyfry26.size() != 26 || cyfry26.mid(2, 11) != mikro_stale) return std::nullopt;
    OdczytanyMikrorachunek m;
    const QChar typ = cyfry26.at(13);
    if (typ == u'1') {
        m.rodzaj = RodzajIdentyfikatora::pesel;
        m.identyfikator = cyfry26.mid(14, 11);
        m.poprawny = cyfry26.at(25) == u'0' && pesel_poprawny(m.identyfikator);
    } else {
        // Any other type digit is no identifier the office hands out.
        m.rodzaj = RodzajIdentyfikatora::nip;
        m.identyfikator = cyfry26.mid(14, 10);
        m.poprawny = typ == u'2' && cyfry26.right(2) == u"00"_s && nip_poprawny(m.identyfikator);
    }
    return m;
}

bool rachunek_skladkowy_zus(const QString& konto) {
    if (const QString cyfry = cyfry_konta(konto); !cyfry.isEmpty())
        return cyfry.mid(2, 8) == bank_zus;
    // The bank number alone decides, so the label shows before the rest is typed.
    return podziel_konto(konto).bank.remove(u' ') == bank_zus;
}

OpisRachunku opis_rachunku(const QString& konto) {
    if (rachunek_skladkowy_zus(konto))
        return {u"rachunek składkowy ZUS"_s,
                u"Indywidualny rachunek składkowy płatnika w ZUS: zwykły przelew, "
                u"tytuł dowolny."_s,
                false};
    const QString cyfry = cyfry_konta(konto);
    const std::optional<OdczytanyMikrorachunek> mikro = czytaj_mikrorachunek(cyfry);
    if (!mikro) return {};
    const QString kto = nazwa_identyfikatora(mikro->rodzaj) + u' ' + mikro->identyfikator;
    if (!mikro->poprawny)
        return {u"mikrorachunek z błędnym numerem %1"_s.arg(nazwa_identyfikatora(mikro->rodzaj)),
                u"Mikrorachunek podatkowy, ale %1 ma błędną cyfrę kontrolną — taka wpłata "
                u"nie trafi do żadnego podatnika."_s.arg(kto),
                true};
    return {u"mikrorachunek podatkowy"_s, u"Mikrorachunek podatkowy: %1."_s.arg(kto), false};
}
