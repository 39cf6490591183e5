#include "register/przelew.h"

#include "register/maska.h"

#include <string>

void Tprzelew::wyczysc() {
    nazwa_odbiorcy1.wyczysc();
    nazwa_odbiorcy2.wyczysc();
    lk.wyczysc();
    nr_banku_odbiorcy.wyczysc();
    nr_rach_odbiorcy.wyczysc();
    kwota.wyczysc();
    kwota100.wyczysc();
    data.wyczysc();
    nr_rach_nadawcy.wyczysc();
    nazwa_nadawcy1.wyczysc();
    nazwa_nadawcy2.wyczysc();
    tytulem1.wyczysc();
    tytulem2.wyczysc();
    symbol.wyczysc();
    dodatkowe.wyczysc();
}

std::string Tprzelew::konto_odbiorcy() const {
    // Parts stored without the mask's spaces (by other programs) are laid on
    // it, so the three parts read as one number wherever they are shown.
    const auto czesc = [](const auto& pole, const QString& maska) {
        return cp1250::z_unicode(konto_do_pokazania(pole.na_unicode(), Maska(maska)));
    };
    std::string s = czesc(lk, maski::lk);
    s += ' ';
    s += czesc(nr_banku_odbiorcy, maski::bank);
    s += ' ';
    s += czesc(nr_rach_odbiorcy, maski::rachunek);
    return s;
}
