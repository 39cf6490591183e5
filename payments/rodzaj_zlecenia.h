#pragma once

// What kind of payment an order is, read from its account and title as a
// bank reads them: a tax transfer, a split payment, a social-insurance
// contribution, or an ordinary transfer.

#include "payments/tytuly.h"

#include <QString>

struct Tprzelew;

enum class RodzajZlecenia { zwykle, podatek, podzielona, skladka_zus };

// The two title lines as a bank joins them.
QString tytul_zlecenia(const Tprzelew& przelew);

RodzajZlecenia rodzaj_zlecenia(const Tprzelew& przelew);

// The last field of an Elixir-0 line: "71" a tax, "53" a split payment, "51"
// every other transfer (a contribution to ZUS too).
QString kod_elixir(RodzajZlecenia rodzaj);

// The list's tag: "US", "MPP", or empty.
QString znacznik_zlecenia(RodzajZlecenia rodzaj);

// A title that starts as a tax or split-payment title ("/TI/", "/VAT/") but
// cannot be read as one: why (Polish), or an empty text. Such an order would
// reach a bank that books it to nobody.
QString blad_budowy_tytulu(const Tprzelew& przelew);

// What the tax window chose, put into the order: the title lines, the name
// "Urząd Skarbowy" when there is none, and the micro-account when asked for
// and the identifier gives one.
void zastosuj_tytul_podatkowy(Tprzelew& przelew, const TytulPodatkowy& tytul,
                              bool na_mikrorachunek);
void zastosuj_tytul_podzielonej(Tprzelew& przelew, const TytulPodzielonej& tytul);
