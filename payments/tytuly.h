#pragma once

// The title structures banks read in a tax transfer and in a split payment.
// They live in the order's two title lines and nowhere else: a reader splits
// on the markers only, so a "/" inside a value stays as typed.

#include "payments/identyfikatory.h"

#include <QDate>
#include <QString>

#include <optional>

// --- the period of a tax ("/OKR/")

enum class RodzajOkresu { brak, rok, polrocze, kwartal, miesiac, dekada, dzien };

struct OkresPodatkowy {
    RodzajOkresu rodzaj = RodzajOkresu::brak;
    int rok = 0;      // the last two digits
    int numer = 0;    // half-year, quarter, month, decade (1-3) or day
    int miesiac = 0;  // the month of a decade or a day
    friend bool operator==(const OkresPodatkowy&, const OkresPodatkowy&) = default;
};

// "24R", "24P01", "24K03", "24M01", "24D0205", "24J0504", or "0" for none;
// an empty text for a period that does not exist (month 13, 31 April).
QString tekst_okresu(const OkresPodatkowy& okres);
std::optional<OkresPodatkowy> czytaj_okres(const QString& tekst);

// The periods one click away.
OkresPodatkowy ten_miesiac(QDate dzis);
OkresPodatkowy poprzedni_miesiac(QDate dzis);
OkresPodatkowy ten_kwartal(QDate dzis);
OkresPodatkowy ten_rok(QDate dzis);

// --- the tax transfer: /TI/ type and identifier /OKR/ period /SFP/ form [/TXT/ ...]

struct TytulPodatkowy {
    RodzajIdentyfikatora rodzaj = RodzajIdentyfikatora::nip;
    QString identyfikator;
    OkresPodatkowy okres;
    QString symbol;         // the form, "PIT-4R", "VAT-7"
    QString identyfikacja;  // of the liability, may be empty
    friend bool operator==(const TytulPodatkowy&, const TytulPodatkowy&) = default;
};

constexpr int najdluzszy_identyfikator = 14;
constexpr int najdluzszy_symbol = 6;
constexpr int najdluzsza_identyfikacja = 20;

// The form symbol as the title holds it: capitals, and without the hyphen
// when with it the symbol would be longer than 6 characters.
QString symbol_formularza(const QString& wpisany);

// Why these values make no tax title (Polish, for the user), or an empty text.
QString blad_tytulu_podatkowego(const TytulPodatkowy& tytul);

// The two title lines: line 1 "/TI/.../OKR/.../SFP/...", line 2 "/TXT/..."
// or empty. The values are written normalised (NIP without hyphens, symbol).
struct LinieTytulu {
    QString linia1;
    QString linia2;
    friend bool operator==(const LinieTytulu&, const LinieTytulu&) = default;
};
LinieTytulu tytul_podatkowy(const TytulPodatkowy& tytul);

// The title (both lines joined) read back, when it starts with "/TI/" and
// holds the markers in their order with readable values.
std::optional<TytulPodatkowy> czytaj_tytul_podatkowy(const QString& tytul);

// --- the split payment: /VAT/ amount /IDC/ supplier's NIP /INV/ invoice [/TXT/ ...]

struct TytulPodzielonej {
    qint64 vat_grosze = 0;
    QString nip;
    QString faktura;
    QString tekst;
    friend bool operator==(const TytulPodzielonej&, const TytulPodzielonej&) = default;
};

constexpr int najdluzsza_faktura = 35;

// "23,00" from what people type: "23", "23,5", "23.50", "1 234,56".
std::optional<qint64> czytaj_kwote_vat(const QString& tekst);
QString tekst_kwoty_vat(qint64 grosze);

// `brutto_grosze`: the order's amount when it has one; the VAT cannot exceed it.
QString blad_tytulu_podzielonej(const TytulPodzielonej& tytul,
                                std::optional<qint64> brutto_grosze = std::nullopt);

// Line 1 "/VAT/.../IDC/...", line 2 "/INV/..." and "/TXT/..." when given:
// each line then fits a 35-character part of the bank file for common values.
LinieTytulu tytul_podzielonej(const TytulPodzielonej& tytul);
std::optional<TytulPodzielonej> czytaj_tytul_podzielonej(const QString& tytul);
