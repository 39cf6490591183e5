#include "register/stan_pola_konta.h"

#include "register/konto.h"
#include "register/maska.h"

StanPolaKonta stan_pola_konta(const QString& lk, const QString& bank, const QString& rach) {
    bool jest_cyfra = false;
    bool brak_cyfry = false;
    const auto przejrzyj = [&](const QString& tekst, const QString& maska) {
        const Maska m(maska);
        for (qsizetype i = 0; i < m.dlugosc(); ++i) {
            if (!m.cyfra_w(i)) continue;
            const QChar znak = i < tekst.size() ? tekst.at(i) : u' ';
            if (znak == u' ')
                brak_cyfry = true;
            else if (znak >= u'0' && znak <= u'9')
                jest_cyfra = true;
            else
                return false;
        }
        return true;
    };
    if (!przejrzyj(lk, maski::lk) || !przejrzyj(bank, maski::bank) ||
        !przejrzyj(rach, maski::rachunek))
        return StanPolaKonta::nie_cyfry;
    if (!jest_cyfra) return StanPolaKonta::pusty;
    if (brak_cyfry) return StanPolaKonta::niepelny;
    return nrb_poprawny(lk + bank.left(4) + bank.mid(5, 4) + rach.left(4) + rach.mid(5, 4) +
                        rach.mid(10, 4) + rach.mid(15, 4))
               ? StanPolaKonta::poprawny
               : StanPolaKonta::bledna_suma;
}
