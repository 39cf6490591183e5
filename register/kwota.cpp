#include "register/kwota.h"

#include "register/przelew.h"

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

WynikFiltraLiczby filtr_liczby(const QString& tekst) {
    // An empty text is no integer text either, but there is nothing to take away.
    if (tekst.isEmpty() || liczba_calkowita(QStringView(tekst))) return {tekst, std::nullopt};
    // The field is emptied and refilled one character at a time, each addition
    // itself filtered; a kept text is always an integer text, so re-filtering it
    // keeps it whole and the net effect is this single pass.
    QString zostaje;
    for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
        const QString proba = zostaje + tekst.at(i);
        if (liczba_calkowita(QStringView(proba))) zostaje = proba;
    }
    const qsizetype kursor = qMax<qsizetype>(0, qMin(tekst.size() - 1, zostaje.size()));
    return {zostaje, kursor};
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
