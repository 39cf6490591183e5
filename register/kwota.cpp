#include "register/kwota.h"

#include "register/przelew.h"

#include <algorithm>
#include <limits>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

int cyfra_hex(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

template <typename Znaki>
std::optional<std::int32_t> czytaj(const Znaki& t) {
    const auto n = static_cast<std::size_t>(t.size());
    auto znak = [&](std::size_t i) -> char16_t {
        if constexpr (std::is_same_v<Znaki, QStringView>)
            return t[static_cast<qsizetype>(i)].unicode();
        else
            return static_cast<char16_t>(static_cast<unsigned char>(t[i]));
    };
    std::size_t i = 0;
    while (i < n && znak(i) == ' ') ++i;
    bool ujemna = false;
    if (i < n && (znak(i) == '+' || znak(i) == '-')) {
        ujemna = znak(i) == '-';
        ++i;
    }
    int podstawa = 10;
    if (i < n && (znak(i) == '$' || znak(i) == 'x' || znak(i) == 'X')) {
        podstawa = 16;
        ++i;
    } else if (i + 1 < n && znak(i) == '0' && (znak(i + 1) == 'x' || znak(i + 1) == 'X')) {
        podstawa = 16;
        i += 2;
    }
    if (i >= n) return std::nullopt;
    std::int64_t wartosc = 0;
    for (; i < n; ++i) {
        const int d = cyfra_hex(znak(i));
        if (d < 0 || d >= podstawa) return std::nullopt;
        wartosc = wartosc * podstawa + d;
        // Hexadecimal texts may spell the bit pattern of a negative number.
        const std::int64_t granica =
            podstawa == 16 ? 0xFFFFFFFFLL : (ujemna ? 0x80000000LL : 0x7FFFFFFFLL);
        if (wartosc > granica) return std::nullopt;
    }
    if (podstawa == 16) {
        auto bity = static_cast<std::uint32_t>(wartosc);
        auto w = static_cast<std::int32_t>(bity);
        if (ujemna) {
            if (w == std::numeric_limits<std::int32_t>::min()) return w;
            return -w;
        }
        return w;
    }
    return static_cast<std::int32_t>(ujemna ? -wartosc : wartosc);
}

}  // namespace

std::optional<std::int32_t> liczba_calkowita(std::string_view tekst) { return czytaj(tekst); }
std::optional<std::int32_t> liczba_calkowita(QStringView tekst) { return czytaj(tekst); }

std::optional<std::int64_t> kwota_w_groszach(std::string_view zlote, std::string_view grosze) {
    const auto z = liczba_calkowita(zlote);
    const auto g = liczba_calkowita(grosze);
    if (!z || !g) return std::nullopt;
    return std::int64_t{*z} * 100 + *g;
}

std::optional<std::int64_t> kwota_w_groszach(const Tprzelew& przelew) {
    return kwota_w_groszach(przelew.kwota.bajty(), przelew.kwota100.bajty());
}

QString grosze_do_pokazania(const QString& grosze) {
    if (grosze.size() == 1 && grosze[0] >= u'0' && grosze[0] <= u'9') return u'0' + grosze;
    return grosze;
}

QString forma_listy(const QString& zlote, const QString& grosze) {
    return zlote + u',' + grosze_do_pokazania(grosze) + u" zł"_s;
}

QString forma_druku(const QString& zlote, const QString& grosze) {
    return u"**"_s + zlote + u',' + grosze_do_pokazania(grosze);
}

QString forma_slowna(const QString& zlote, const QString& grosze) {
    static const char16_t* const slowa[10] = {u"zer*", u"jed*", u"dwa",  u"trz*", u"czt*",
                                              u"pie*", u"sze*", u"sie*", u"osi*", u"dzi*"};
    QString wynik;
    for (QChar z : zlote) {
        if (z >= u'0' && z <= u'9') wynik += QString::fromUtf16(slowa[z.unicode() - u'0']);
    }
    return wynik + u' ' + grosze + u"/100"_s;
}

QString forma_eksportu(const QString& zlote, const QString& grosze) {
    return przytnij(zlote) + u',' + grosze_do_pokazania(przytnij(grosze));
}

QString forma_listy(const Tprzelew& przelew) {
    return forma_listy(przelew.kwota.na_unicode(), przelew.kwota100.na_unicode());
}

namespace {

bool cyfra(QChar z) { return z >= u'0' && z <= u'9'; }

bool same_cyfry(QStringView t) {
    return std::all_of(t.begin(), t.end(), [](QChar z) { return cyfra(z); });
}

// Blanks that may group thousands: a space, and the no-break spaces a
// spreadsheet or a bank's page puts there.
bool odstep(QChar z) { return z == u' ' || z == QChar(0x00A0) || z == QChar(0x202F); }

// "1 234" or "1.234" or "1234": the digits, or nothing when the groups are
// not one to three digits followed by groups of exactly three.
std::optional<QString> cyfry_z_grupami(QStringView t, QChar separator_grup) {
    QString cyfry;
    qsizetype grupa = 0;
    qsizetype grup = 0;
    for (const QChar z : t) {
        if (cyfra(z)) {
            cyfry += z;
            ++grupa;
            continue;
        }
        const bool grupujacy = odstep(z) || (!separator_grup.isNull() && z == separator_grup);
        if (!grupujacy || grupa == 0 || (grup == 0 ? grupa > 3 : grupa != 3)) return std::nullopt;
        ++grup;
        grupa = 0;
    }
    if (grup > 0 && grupa != 3) return std::nullopt;
    return cyfry;
}

QString bez_zer_z_przodu(const QString& cyfry) {
    qsizetype i = 0;
    while (i + 1 < cyfry.size() && cyfry[i] == u'0') ++i;
    return cyfry.mid(i);
}

OdczytKwoty odmowa(const QString& powod) { return {std::nullopt, powod}; }

}  // namespace

OdczytKwoty czytaj_kwote(const QString& tekst) {
    QString t = tekst.trimmed();
    for (const QString& waluta : {u"zł"_s, u"zl"_s, u"pln"_s})
        if (t.endsWith(waluta, Qt::CaseInsensitive)) {
            t.chop(waluta.size());
            t = t.trimmed();
            break;
        }
    const QString nie_kwota = u"„%1” nie jest kwotą."_s.arg(tekst.trimmed());
    if (t.isEmpty()) return odmowa(nie_kwota);

    // The last comma or full stop separates the grosze; the other one of the
    // two may only group thousands before it.
    const qsizetype przecinek = std::max(t.lastIndexOf(u','), t.lastIndexOf(u'.'));
    QStringView calosc(t);
    QStringView ulamek;
    QChar separator_grup;
    const bool z_przecinkiem = przecinek >= 0;
    if (z_przecinkiem) {
        separator_grup = t[przecinek] == u',' ? u'.' : u',';
        calosc = QStringView(t).left(przecinek);
        ulamek = QStringView(t).mid(przecinek + 1);
        if (ulamek.size() > 2 || !same_cyfry(ulamek)) return odmowa(nie_kwota);
    }
    const std::optional<QString> cyfry = cyfry_z_grupami(calosc, separator_grup);
    if (!cyfry || (cyfry->isEmpty() && ulamek.isEmpty())) return odmowa(nie_kwota);
    const QString zlote = cyfry->isEmpty() ? QString() : bez_zer_z_przodu(*cyfry);
    if (zlote.size() > najwiecej_cyfr_zlotych)
        return odmowa(u"Kwota „%1” jest za duża: przelew mieści najwyżej 999999,99 zł."_s.arg(
            tekst.trimmed()));
    QString grosze = ulamek.toString();
    if (grosze.size() == 1) grosze += u'0';  // ",5" is fifty grosze, as written
    return {KwotaTekstem{zlote, grosze, z_przecinkiem}, {}};
}

bool wpis_zlotych(QStringView tekst) {
    return tekst.size() <= najwiecej_cyfr_zlotych && same_cyfry(tekst);
}

bool wpis_groszy(QStringView tekst) { return tekst.size() <= 2 && same_cyfry(tekst); }

bool zwykla_liczba(QStringView tekst) {
    const QStringView t = tekst.trimmed();
    return !t.isEmpty() && same_cyfry(t);
}

std::optional<QString> kwota_nie_liczba(const Tprzelew& p) {
    const QString zlote = przytnij(p.kwota.na_unicode());
    const QString grosze = przytnij(p.kwota100.na_unicode());
    const bool zlote_ok = zlote.isEmpty() || zwykla_liczba(zlote);
    const bool grosze_ok = grosze.isEmpty() || zwykla_liczba(grosze);
    if (zlote_ok && grosze_ok) return std::nullopt;
    return grosze_ok ? zlote : zlote + u',' + grosze;
}

std::optional<std::int64_t> kwota_w_groszach_liczbowo(const Tprzelew& p) {
    if (kwota_nie_liczba(p)) return std::nullopt;
    const QString zlote = przytnij(p.kwota.na_unicode());
    const QString grosze = przytnij(p.kwota100.na_unicode());
    return std::int64_t{zlote.toInt()} * 100 + grosze.toInt();
}

QString opis_kwoty_nie_liczby(const QString& kwota) {
    return u"Kwota „%1” nie jest liczbą"_s.arg(kwota);
}

QString uzupelnij_zlote(const QString& zlote) { return zlote.isEmpty() ? u"0"_s : zlote; }

QString uzupelnij_grosze(const QString& grosze, Uzupelnianie kontekst) {
    if (grosze.isEmpty()) return u"00"_s;
    if (grosze == u"0"_s) return kontekst == Uzupelnianie::Druk ? grosze : u"00"_s;
    if (grosze.size() == 1) return u'0' + grosze;
    return grosze;
}

QString przygotowanie_temp_nr_rach_nadawcy(const QString& zlote, const QString& grosze) {
    return forma_slowna(zlote, grosze);
}
