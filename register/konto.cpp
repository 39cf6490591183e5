#include "register/konto.h"

bool czesc_kompletna(const QString& tekst, std::initializer_list<int> pozycje) {
    for (const int p : pozycje)
        if (p > tekst.size() || tekst.at(p - 1) == u' ') return false;
    return true;
}

bool lk_kompletny(const QString& tekst) { return !tekst.contains(u' '); }

bool nr_banku_kompletny(const QString& tekst) {
    return czesc_kompletna(tekst, {1, 2, 3, 4, 6, 7, 8, 9});
}

bool nr_rach_kompletny(const QString& tekst) {
    return czesc_kompletna(tekst, {1, 2, 3, 4, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 19});
}

QString polacz_konto(const QString& lk, const QString& bank, const QString& rach) {
    return (lk + u' ' + bank + u' ' + rach).left(32);
}

CzesciKonta podziel_konto(const QString& jednolite) {
    // The account is taken from the end, so a text shorter than 32 characters
    // still gives its last 19.
    return {jednolite.left(2), jednolite.mid(3, 9), jednolite.right(19)};
}

QString cyfry_konta(const QString& tekst) {
    QString cyfry;
    for (const QChar z : tekst) {
        if (z == u' ') continue;
        if (z < u'0' || z > u'9') return {};
        cyfry += z;
    }
    return cyfry.size() == 26 ? cyfry : QString();
}

namespace {

// Digits 3-26, then "PL" as 25 21, then the check digits, by 97; -1 when
// anything but a digit is there.
int reszta_nrb(const QString& cyfry24, const QString& kontrolne) {
    const QString liczba = cyfry24 + QStringLiteral("2521") + kontrolne;
    int reszta = 0;
    for (const QChar z : liczba) {
        if (z < u'0' || z > u'9') return -1;
        reszta = (reszta * 10 + (z.unicode() - u'0')) % 97;
    }
    return reszta;
}

}  // namespace

bool nrb_poprawny(const QString& cyfry26) {
    if (cyfry26.size() != 26) return false;
    return reszta_nrb(cyfry26.mid(2), cyfry26.left(2)) == 1;
}

QString cyfry_kontrolne_nrb(const QString& cyfry24) {
    if (cyfry24.size() != 24) return {};
    const int reszta = reszta_nrb(cyfry24, QStringLiteral("00"));
    if (reszta < 0) return {};
    return QStringLiteral("%1").arg(98 - reszta, 2, 10, QChar(u'0'));
}

StanKonta stan_konta(const QString& tekst) {
    const QString cyfry = cyfry_konta(tekst);
    if (cyfry.isEmpty()) return StanKonta::niepelny;
    return nrb_poprawny(cyfry) ? StanKonta::poprawny : StanKonta::bledny;
}
