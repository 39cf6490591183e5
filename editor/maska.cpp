#include "editor/maska.h"

namespace {
bool cyfra_ascii(QChar z) { return z >= u'0' && z <= u'9'; }
}  // namespace

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

Maska::Wynik Maska::wklej(const QString& tekst, qsizetype kursor, const QString& wklejany) const {
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
