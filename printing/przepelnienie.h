#pragma once

// Texts that will not fit their field on the form: in cells a field holds 27
// characters and the rest is lost; printed freely a text may run past the
// field's right edge over the next box. Found before a print so the user can
// shorten them instead of wasting a pre-printed form.

#include "printing/plotno.h"
#include "printing/przygotowanie.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Width in mm of a text printed in the given font, measured as the report
// engine prints it (raport.h: szerokosc_tekstu_mm).
using MiaraTekstu = std::function<double(const Czcionka& czcionka, const QString& tekst)>;

enum class PoleTekstowe {
    nazwa_odbiorcy1,
    nazwa_odbiorcy2,
    kwota,
    kwota_slownie,
    nazwa_zleceniodawcy1,
    nazwa_zleceniodawcy2,
    tytulem1,
    tytulem2,
};

struct Przepelnienie {
    PoleTekstowe pole = PoleTekstowe::tytulem1;
    bool w_kratkach = false;
    int znaki = 0;  // in cells: characters of the text and cells of the field
    int miejsca = 0;
    double szerokosc_mm = 0;  // printed freely: the text's width and the room it has
    double miejsce_mm = 0;
};

// The field's caption as the form prints it: "nazwa odbiorcy", "tytułem cd."...
QString nazwa_pola(PoleTekstowe pole);

// The text as it is typed (before capitals); nothing when it fits. Names and
// titles follow `boxes` and `capitals`; the amount in words always prints freely.
std::optional<Przepelnienie> sprawdz_pole(PoleTekstowe pole, const QString& tekst,
                                          const UstawieniaWydruku& ustawienia,
                                          const MiaraTekstu& miara);

// Every field of the print variables that will not fit, in the form's order.
QList<Przepelnienie> sprawdz_przepelnienie(const StanDruku& stan, const ZmienneDruku& z,
                                           const MiaraTekstu& miara);

// "Tekst w polu „tytułem” nie zmieści się na formularzu (34 znaki z 27)"
QString opis_przepelnienia(const Przepelnienie& p);
// The one question asked before a print or preview, naming every field.
QString pytanie_o_przepelnienie(const QList<Przepelnienie>& lista);
