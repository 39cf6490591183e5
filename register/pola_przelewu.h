#pragma once

// The fields of an order, described once: every mapping of an order (a
// window's controls, the print variables, the "changed?" question) walks this
// table instead of naming the fifteen texts again.

#include "register/przelew.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

enum class PolePrzelewu {
    nazwa_odbiorcy1,
    nazwa_odbiorcy2,
    lk,
    nr_banku_odbiorcy,
    nr_rach_odbiorcy,
    kwota,
    kwota100,
    data,
    nr_rach_nadawcy,
    nazwa_nadawcy1,
    nazwa_nadawcy2,
    tytulem1,
    tytulem2,
    symbol,
    dodatkowe,
    czy_przelew,  // the only field that is not a text
};

// How an edited field is told apart from the stored one. Account texts are
// masked: an empty part may be stored as blanks or as nothing, and both mean
// the same.
enum class Porownanie { dokladne, bez_odstepow };

struct OpisPola {
    PolePrzelewu pole;
    std::string_view nazwa;  // as in the record and the files
    std::size_t pojemnosc;
    Porownanie porownanie;
    std::string_view (*bajty)(const Tprzelew&);
    // Keeps the first `pojemnosc` bytes.
    void (*ustaw)(Tprzelew&, std::string_view);

    QString tekst(const Tprzelew& p) const { return cp1250::na_unicode(bajty(p)); }
    // Characters Windows-1250 cannot store are dropped, then the text is cut.
    void ustaw_tekst(Tprzelew& p, const QString& t) const { ustaw(p, cp1250::z_unicode(t)); }
};

namespace szczegoly {
template <auto czlon>
constexpr OpisPola opis(PolePrzelewu pole, std::string_view nazwa, Porownanie porownanie) {
    using T = std::remove_cvref_t<decltype(std::declval<Tprzelew&>().*czlon)>;
    return {pole,
            nazwa,
            T::pojemnosc,
            porownanie,
            [](const Tprzelew& p) { return (p.*czlon).bajty(); },
            [](Tprzelew& p, std::string_view b) { (p.*czlon).ustaw(b); }};
}
}  // namespace szczegoly

// The fifteen texts in the record's order; czy_przelew is compared beside them.
inline constexpr std::array<OpisPola, 15> pola_tekstowe = {
    szczegoly::opis<&Tprzelew::nazwa_odbiorcy1>(PolePrzelewu::nazwa_odbiorcy1, "nazwa_odbiorcy1",
                                                Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::nazwa_odbiorcy2>(PolePrzelewu::nazwa_odbiorcy2, "nazwa_odbiorcy2",
                                                Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::lk>(PolePrzelewu::lk, "lk", Porownanie::bez_odstepow),
    szczegoly::opis<&Tprzelew::nr_banku_odbiorcy>(PolePrzelewu::nr_banku_odbiorcy,
                                                  "nr_banku_odbiorcy", Porownanie::bez_odstepow),
    szczegoly::opis<&Tprzelew::nr_rach_odbiorcy>(PolePrzelewu::nr_rach_odbiorcy, "nr_rach_odbiorcy",
                                                 Porownanie::bez_odstepow),
    szczegoly::opis<&Tprzelew::kwota>(PolePrzelewu::kwota, "kwota", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::kwota100>(PolePrzelewu::kwota100, "kwota100", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::data>(PolePrzelewu::data, "data", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::nr_rach_nadawcy>(PolePrzelewu::nr_rach_nadawcy, "nr_rach_nadawcy",
                                                Porownanie::bez_odstepow),
    szczegoly::opis<&Tprzelew::nazwa_nadawcy1>(PolePrzelewu::nazwa_nadawcy1, "nazwa_nadawcy1",
                                               Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::nazwa_nadawcy2>(PolePrzelewu::nazwa_nadawcy2, "nazwa_nadawcy2",
                                               Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::tytulem1>(PolePrzelewu::tytulem1, "tytulem1", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::tytulem2>(PolePrzelewu::tytulem2, "tytulem2", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::symbol>(PolePrzelewu::symbol, "symbol", Porownanie::dokladne),
    szczegoly::opis<&Tprzelew::dodatkowe>(PolePrzelewu::dodatkowe, "dodatkowe",
                                          Porownanie::dokladne),
};

// The description of a text field; czy_przelew has none.
const OpisPola& opis_pola(PolePrzelewu pole);

// The fields in which an edited order differs from the stored one, in the
// table's order with czy_przelew last. Texts are compared byte by byte,
// case-sensitively; account texts without their leading and trailing blanks.
std::vector<PolePrzelewu> zmienione_pola(const Tprzelew& stary, const Tprzelew& nowy);

inline bool przelew_zmieniony(const Tprzelew& stary, const Tprzelew& nowy) {
    return !zmienione_pola(stary, nowy).empty();
}
