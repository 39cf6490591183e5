#include "payments/tytuly.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString znacznik_ti = u"/TI/"_s;
const QString znacznik_okr = u"/OKR/"_s;
const QString znacznik_sfp = u"/SFP/"_s;
const QString znacznik_txt = u"/TXT/"_s;
const QString znacznik_vat = u"/VAT/"_s;
const QString znacznik_idc = u"/IDC/"_s;
const QString znacznik_inv = u"/INV/"_s;

QString dwie(int liczba) { return u"%1"_s.arg(liczba, 2, 10, QChar(u'0')); }

// The whole text is two digits; -1 otherwise.
int dwie_cyfry(QStringView tekst) {
    if (tekst.size() != 2 || !tekst.at(0).isDigit() || !tekst.at(1).isDigit()) return -1;
    return (tekst.at(0).unicode() - u'0') * 10 + (tekst.at(1).unicode() - u'0');
}

bool ascii_litery_cyfry(const QString& tekst, bool lacznik = false) {
    for (const QChar z : tekst)
        if (!((z >= u'A' && z <= u'Z') || (z >= u'0' && z <= u'9') || (lacznik && z == u'-')))
            return false;
    return true;
}

bool okres_istnieje(const OkresPodatkowy& o) {
    if (o.rodzaj == RodzajOkresu::brak) return true;
    if (o.rok < 0 || o.rok > 99) return false;
    switch (o.rodzaj) {
        case RodzajOkresu::rok:
            return true;
        case RodzajOkresu::polrocze:
            return o.numer >= 1 && o.numer <= 2;
        case RodzajOkresu::kwartal:
            return o.numer >= 1 && o.numer <= 4;
        case RodzajOkresu::miesiac:
            return o.numer >= 1 && o.numer <= 12;
        case RodzajOkresu::dekada:
            return o.numer >= 1 && o.numer <= 3 && o.miesiac >= 1 && o.miesiac <= 12;
        case RodzajOkresu::dzien:
            // Two digits of the year: this century's calendar decides 29 February.
            return QDate::isValid(2000 + o.rok, o.miesiac, o.numer);
        case RodzajOkresu::brak:
            break;
    }
    return true;
}

// The identifier as the title holds it.
QString identyfikator_tytulu(RodzajIdentyfikatora rodzaj, const QString& wpisany) {
    if (rodzaj == RodzajIdentyfikatora::nip || rodzaj == RodzajIdentyfikatora::pesel)
        return bez_lacznikow(wpisany);
    return wpisany.trimmed().toUpper();
}

// Where each marker starts, searched in their order; -1 for a missing one.
QList<qsizetype> znaczniki(const QString& tekst, const QStringList& kolejne) {
    QList<qsizetype> pozycje;
    qsizetype od = 0;
    for (const QString& z : kolejne) {
        const qsizetype p = tekst.indexOf(z, od);
        pozycje << p;
        if (p >= 0) od = p + z.size();
    }
    return pozycje;
}

QString miedzy(const QString& tekst, qsizetype poczatek, const QString& znacznik,
               qsizetype koniec) {
    const qsizetype od = poczatek + znacznik.size();
    return koniec < 0 ? tekst.mid(od) : tekst.mid(od, koniec - od);
}

}  // namespace

// --- periods ----------------------------------------------------------------------------

QString tekst_okresu(const OkresPodatkowy& o) {
    if (!okres_istnieje(o)) return {};
    switch (o.rodzaj) {
        case RodzajOkresu::brak:
            return u"0"_s;
        case RodzajOkresu::rok:
            return dwie(o.rok) + u'R';
        case RodzajOkresu::polrocze:
            return dwie(o.rok) + u'P' + dwie(o.numer);
        case RodzajOkresu::kwartal:
            return dwie(o.rok) + u'K' + dwie(o.numer);
        case RodzajOkresu::miesiac:
            return dwie(o.rok) + u'M' + dwie(o.numer);
        case RodzajOkresu::dekada:
            return dwie(o.rok) + u'D' + dwie(o.numer) + dwie(o.miesiac);
        case RodzajOkresu::dzien:
            return dwie(o.rok) + u'J' + dwie(o.numer) + dwie(o.miesiac);
    }
    return {};
}

std::optional<OkresPodatkowy> czytaj_okres(const QString& tekst) {
    if (tekst == u"0"_s) return OkresPodatkowy{};
    if (tekst.size() < 3) return std::nullopt;
    OkresPodatkowy o;
    o.rok = dwie_cyfry(QStringView(tekst).left(2));
    const QChar typ = tekst.at(2);
    const QStringView reszta = QStringView(tekst).mid(3);
    qsizetype dlugosc = 2;
    if (typ == u'R') {
        o.rodzaj = RodzajOkresu::rok;
        dlugosc = 0;
    } else if (typ == u'P') {
        o.rodzaj = RodzajOkresu::polrocze;
    } else if (typ == u'K') {
        o.rodzaj = RodzajOkresu::kwartal;
    } else if (typ == u'M') {
        o.rodzaj = RodzajOkresu::miesiac;
    } else if (typ == u'D' || typ == u'J') {
        o.rodzaj = typ == u'D' ? RodzajOkresu::dekada : RodzajOkresu::dzien;
        dlugosc = 4;
    } else {
        return std::nullopt;
    }
    if (o.rok < 0 || reszta.size() != dlugosc) return std::nullopt;
    if (dlugosc >= 2 && (o.numer = dwie_cyfry(reszta.left(2))) < 0) return std::nullopt;
    if (dlugosc == 4 && (o.miesiac = dwie_cyfry(reszta.mid(2))) < 0) return std::nullopt;
    if (!okres_istnieje(o)) return std::nullopt;
    return o;
}

OkresPodatkowy ten_miesiac(QDate dzis) {
    return {RodzajOkresu::miesiac, dzis.year() % 100, dzis.month(), 0};
}
OkresPodatkowy poprzedni_miesiac(QDate dzis) { return ten_miesiac(dzis.addMonths(-1)); }
OkresPodatkowy ten_kwartal(QDate dzis) {
    return {RodzajOkresu::kwartal, dzis.year() % 100, (dzis.month() - 1) / 3 + 1, 0};
}
OkresPodatkowy ten_rok(QDate dzis) { return {RodzajOkresu::rok, dzis.year() % 100, 0, 0}; }

// --- tax title --------------------------------------------------------------------------

QString symbol_formularza(const QString& wpisany) {
    QString s = wpisany.trimmed().toUpper();
    if (s.size() > najdluzszy_symbol) s.remove(u'-');
    return s;
}

QString blad_tytulu_podatkowego(const TytulPodatkowy& t) {
    const QString id = identyfikator_tytulu(t.rodzaj, t.identyfikator);
    const QString nazwa = nazwa_identyfikatora(t.rodzaj);
    if (id.isEmpty()) return u"Podaj numer identyfikatora (%1)."_s.arg(nazwa);
    if (t.rodzaj == RodzajIdentyfikatora::nip && !nip_poprawny(id))
        return id.size() == 10 && ascii_litery_cyfry(id)
                   ? u"Numer NIP ma błędną cyfrę kontrolną — sprawdź cyfry."_s
                   : u"NIP ma 10 cyfr (łączniki można pominąć)."_s;
    if (t.rodzaj == RodzajIdentyfikatora::pesel && !pesel_poprawny(id))
        return id.size() == 11 && ascii_litery_cyfry(id)
                   ? u"Numer PESEL ma błędną cyfrę kontrolną — sprawdź cyfry."_s
                   : u"PESEL ma 11 cyfr."_s;
    if (id.size() > najdluzszy_identyfikator || !ascii_litery_cyfry(id))
        return u"Identyfikator może mieć najwyżej 14 znaków: liter bez ogonków i cyfr."_s;
    if (tekst_okresu(t.okres).isEmpty()) return u"Taki okres nie istnieje."_s;
    const QString symbol = symbol_formularza(t.symbol);
    if (symbol.isEmpty()) return u"Podaj symbol formularza (np. PIT-4R, VAT-7)."_s;
    if (symbol.size() > najdluzszy_symbol || !ascii_litery_cyfry(symbol, true))
        return u"Symbol formularza ma najwyżej 6 znaków: liter, cyfr i łącznika."_s;
    if (t.identyfikacja.trimmed().size() > najdluzsza_identyfikacja)
        return u"Identyfikacja zobowiązania może mieć najwyżej 20 znaków."_s;
    return {};
}

LinieTytulu tytul_podatkowy(const TytulPodatkowy& t) {
    LinieTytulu linie;
    linie.linia1 = znacznik_ti + kod_identyfikatora(t.rodzaj) +
                   identyfikator_tytulu(t.rodzaj, t.identyfikator) + znacznik_okr +
                   tekst_okresu(t.okres) + znacznik_sfp + symbol_formularza(t.symbol);
    if (const QString id = t.identyfikacja.trimmed(); !id.isEmpty())
        linie.linia2 = znacznik_txt + id;
    return linie;
}

std::optional<TytulPodatkowy> czytaj_tytul_podatkowy(const QString& tytul) {
    if (!tytul.startsWith(znacznik_ti)) return std::nullopt;
    const QList<qsizetype> p =
        znaczniki(tytul, {znacznik_ti, znacznik_okr, znacznik_sfp, znacznik_txt});
    if (p[1] < 0 || p[2] < 0) return std::nullopt;
    const QString ti = miedzy(tytul, p[0], znacznik_ti, p[1]);
    const std::optional<RodzajIdentyfikatora> rodzaj =
        ti.isEmpty() ? std::nullopt : identyfikator_z_kodu(ti.at(0).toUpper());
    const std::optional<OkresPodatkowy> okres =
        czytaj_okres(miedzy(tytul, p[1], znacznik_okr, p[2]));
    TytulPodatkowy t;
    t.identyfikator = ti.mid(1);
    t.symbol = miedzy(tytul, p[2], znacznik_sfp, p[3]);
    if (p[3] >= 0) t.identyfikacja = miedzy(tytul, p[3], znacznik_txt, -1);
    if (!rodzaj || !okres || t.identyfikator.isEmpty() ||
        t.identyfikator.size() > najdluzszy_identyfikator || t.symbol.isEmpty())
        return std::nullopt;
    t.rodzaj = *rodzaj;
    t.okres = *okres;
    return t;
}

// --- split payment ----------------------------------------------------------------------

std::optional<qint64> czytaj_kwote_vat(const QString& tekst) {
    QString t = tekst;
    t.remove(u' ');
    t.remove(QChar(0xA0));
    t.replace(u'.', u',');
    static const QRegularExpression wzor(u"^(\\d{1,9})(?:,(\\d{0,2}))?$"_s);
    const QRegularExpressionMatch m = wzor.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const QString grosze = (m.captured(2) + u"00"_s).left(2);
    return m.captured(1).toLongLong() * 100 + grosze.toInt();
}

QString tekst_kwoty_vat(qint64 grosze) {
    return u"%1,%2"_s.arg(grosze / 100).arg(dwie(grosze % 100));
}

QString blad_tytulu_podzielonej(const TytulPodzielonej& t, std::optional<qint64> brutto) {
    if (t.vat_grosze < 0) return u"Podaj kwotę VAT, np. 23,00."_s;
    if (brutto && *brutto > 0 && t.vat_grosze > *brutto)
        return u"Kwota VAT jest większa niż kwota przelewu (brutto)."_s;
    const QString nip = bez_lacznikow(t.nip);
    if (!nip_poprawny(nip))
        return nip.size() == 10 && ascii_litery_cyfry(nip)
                   ? u"NIP dostawcy ma błędną cyfrę kontrolną — sprawdź cyfry."_s
                   : u"NIP dostawcy ma 10 cyfr (łączniki można pominąć)."_s;
    const QString faktura = t.faktura.trimmed();
    if (faktura.isEmpty()) return u"Podaj numer faktury."_s;
    if (faktura.size() > najdluzsza_faktura)
        return u"Numer faktury może mieć najwyżej 35 znaków."_s;
    return {};
}

LinieTytulu tytul_podzielonej(const TytulPodzielonej& t) {
    LinieTytulu linie;
    linie.linia1 =
        znacznik_vat + tekst_kwoty_vat(t.vat_grosze) + znacznik_idc + bez_lacznikow(t.nip);
    linie.linia2 = znacznik_inv + t.faktura.trimmed();
    if (const QString tekst = t.tekst.trimmed(); !tekst.isEmpty())
        linie.linia2 += znacznik_txt + tekst;
    return linie;
}

std::optional<TytulPodzielonej> czytaj_tytul_podzielonej(const QString& tytul) {
    if (!tytul.startsWith(znacznik_vat)) return std::nullopt;
    const QList<qsizetype> p =
        znaczniki(tytul, {znacznik_vat, znacznik_idc, znacznik_inv, znacznik_txt});
    if (p[1] < 0 || p[2] < 0) return std::nullopt;
    static const QRegularExpression kwota(u"^\\d{1,9},\\d\\d$"_s);
    const QString vat = miedzy(tytul, p[0], znacznik_vat, p[1]);
    if (!kwota.match(vat).hasMatch()) return std::nullopt;
    TytulPodzielonej t;
    t.vat_grosze = *czytaj_kwote_vat(vat);
    t.nip = miedzy(tytul, p[1], znacznik_idc, p[2]);
    t.faktura = miedzy(tytul, p[2], znacznik_inv, p[3]);
    if (p[3] >= 0) t.tekst = miedzy(tytul, p[3], znacznik_txt, -1);
    if (t.nip.isEmpty() || t.faktura.isEmpty()) return std::nullopt;
    return t;
}
