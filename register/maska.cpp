#include "register/maska.h"

using namespace Qt::StringLiterals;

namespace {
bool cyfra_ascii(QChar z) { return z >= u'0' && z <= u'9'; }
}  // namespace

QString cyfry_calego_konta(const QString& wklejany) {
    QString t = wklejany.trimmed();
    if (t.startsWith(u"PL"_s, Qt::CaseInsensitive)) t.remove(0, 2);
    QString cyfry;
    for (const QChar z : t) {
        if (cyfra_ascii(z))
            cyfry.append(z);
        else if (!z.isSpace() && z != u'-' && z != QChar(0x2013) && z != QChar(0x2012))
            return {};
    }
    return cyfry.size() == 26 ? cyfry : QString();
}

Maska::Maska(const QString& maska) {
    // Only the first section describes positions; a leading "!" merely says
    // how blanks are shown, which here is always as spaces.
    QString wzor = maska.section(u';', 0, 0);
    if (wzor.startsWith(u'!')) wzor.remove(0, 1);
    for (qsizetype i = 0; i < wzor.size(); ++i) {
        QChar z = wzor.at(i);
        const bool cyfra = z == u'9' || z == u'0';
        if (z == u'\\' && i + 1 < wzor.size()) z = wzor.at(++i);
        cyfry_.append(cyfra);
        wzor_.append(cyfra ? QChar(u' ') : z);
    }
}

bool Maska::cyfra_w(qsizetype pozycja) const {
    return pozycja >= 0 && pozycja < cyfry_.size() && cyfry_.at(pozycja);
}

QString Maska::pusty() const { return wzor_; }

QString Maska::dopasuj(const QString& tekst) const {
    QString wynik = pusty();
    for (qsizetype i = 0; i < wzor_.size() && i < tekst.size(); ++i)
        if (cyfra_w(i) && cyfra_ascii(tekst.at(i))) wynik[i] = tekst.at(i);
    return wynik;
}

qsizetype Maska::nastepna_cyfra(qsizetype pozycja) const {
    for (qsizetype i = qMax<qsizetype>(pozycja, 0); i < wzor_.size(); ++i)
        if (cyfra_w(i)) return i;
    return wzor_.size();
}

qsizetype Maska::poprzednia_cyfra(qsizetype pozycja) const {
    for (qsizetype i = qMin(pozycja, wzor_.size()) - 1; i >= 0; --i)
        if (cyfra_w(i)) return i;
    return -1;
}

Maska::Wynik Maska::wpisz(const QString& tekst, qsizetype kursor, QChar znak) const {
    Wynik wynik{dopasuj(tekst), qBound<qsizetype>(0, kursor, dlugosc())};
    if (!cyfra_ascii(znak) && znak != u' ') return wynik;
    const qsizetype gdzie = nastepna_cyfra(wynik.kursor);
    if (gdzie >= dlugosc()) return wynik;
    wynik.tekst[gdzie] = znak;
    wynik.kursor = nastepna_cyfra(gdzie + 1);
    return wynik;
}

Maska::Wynik Maska::cofnij(const QString& tekst, qsizetype kursor) const {
    Wynik wynik{dopasuj(tekst), qBound<qsizetype>(0, kursor, dlugosc())};
    const qsizetype gdzie = poprzednia_cyfra(wynik.kursor);
    if (gdzie < 0) {
        wynik.kursor = 0;
        return wynik;
    }
    wynik.tekst[gdzie] = u' ';
    wynik.kursor = gdzie;
    return wynik;
}

Maska::Wynik Maska::usun(const QString& tekst, qsizetype kursor) const {
    Wynik wynik{dopasuj(tekst), qBound<qsizetype>(0, kursor, dlugosc())};
    const qsizetype gdzie = nastepna_cyfra(wynik.kursor);
    if (gdzie >= dlugosc()) return wynik;
    wynik.tekst[gdzie] = u' ';
    wynik.kursor = nastepna_cyfra(gdzie + 1);
    return wynik;
}

Maska::Wynik Maska::wyczysc(const QString& tekst, qsizetype od, qsizetype do_) const {
    Wynik wynik{dopasuj(tekst), qBound<qsizetype>(0, qMin(od, do_), dlugosc())};
    const qsizetype koniec = qBound<qsizetype>(0, qMax(od, do_), dlugosc());
    for (qsizetype i = wynik.kursor; i < koniec; ++i)
        if (cyfra_w(i)) wynik.tekst[i] = u' ';
    return wynik;
}

qsizetype Maska::ile_cyfr() const { return cyfry_.count(true); }

qsizetype Maska::miejsce_pisania(const QString& tekst) const {
    const QString t = dopasuj(tekst);
    qsizetype za_ostatnia = 0;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (cyfra_w(i) && t.at(i) != u' ') za_ostatnia = i + 1;
    for (qsizetype i = nastepna_cyfra(za_ostatnia); i < t.size(); i = nastepna_cyfra(i + 1))
        if (t.at(i) == u' ') return i;
    for (qsizetype i = nastepna_cyfra(0); i < t.size(); i = nastepna_cyfra(i + 1))
        if (t.at(i) == u' ') return i;
    return t.size();
}

Maska::Wynik Maska::wklej(const QString& tekst, qsizetype kursor, const QString& wklejany) const {
    qsizetype cyfr = 0;
    for (const QChar z : wklejany)
        if (cyfra_ascii(z)) ++cyfr;
    // A whole part copied from elsewhere replaces the part, not its tail.
    if (cyfr == ile_cyfr()) kursor = 0;
    Wynik wynik{dopasuj(tekst), qBound<qsizetype>(0, kursor, dlugosc())};
    for (const QChar z : wklejany) {
        if (!cyfra_ascii(z)) continue;
        const qsizetype gdzie = nastepna_cyfra(wynik.kursor);
        if (gdzie >= dlugosc()) break;
        wynik.tekst[gdzie] = z;
        wynik.kursor = nastepna_cyfra(gdzie + 1);
    }
    return wynik;
}

bool Maska::w_ukladzie(const QString& tekst) const {
    if (tekst.size() > dlugosc()) return false;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar z = tekst.at(i);
        if (z == u' ') continue;
        if (cyfra_w(i) ? !cyfra_ascii(z) : z != wzor_.at(i)) return false;
    }
    return true;
}

KontoWMasce konto_w_masce(const QString& zapisany, const Maska& maska) {
    if (maska.w_ukladzie(zapisany)) return {maska.dopasuj(zapisany), false};
    KontoWMasce wynik{maska.pusty(), false};
    qsizetype gdzie = maska.nastepna_cyfra(0);
    for (const QChar z : zapisany) {
        if (!cyfra_ascii(z)) continue;
        if (gdzie >= maska.dlugosc()) {
            wynik.za_duzo = true;
            break;
        }
        wynik.tekst[gdzie] = z;
        gdzie = maska.nastepna_cyfra(gdzie + 1);
    }
    return wynik;
}

QString konto_do_zapisu(const QString& zapisany, const QString& pole, const Maska& maska) {
    // A text in the mask's own layout goes back as the field has it, blanks
    // and all, as it always did.
    if (maska.w_ukladzie(zapisany)) return pole;
    return konto_w_masce(zapisany, maska).tekst == pole ? zapisany : pole;
}

QString konto_do_pokazania(const QString& zapisany, const Maska& maska) {
    if (maska.w_ukladzie(zapisany)) return zapisany;
    const KontoWMasce w = konto_w_masce(zapisany, maska);
    return w.za_duzo ? zapisany : w.tekst;
}
