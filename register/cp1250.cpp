#include "register/tekst.h"

#include <unordered_map>

namespace {

// Unicode of bytes 0x80..0xFF.
constexpr std::uint16_t gorna_polowa[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const std::unordered_map<char16_t, std::uint8_t>& odwrotna() {
    static const auto mapa = [] {
        std::unordered_map<char16_t, std::uint8_t> m;
        for (int i = 0; i < 128; ++i)
            m.emplace(gorna_polowa[i], static_cast<std::uint8_t>(0x80 + i));
        return m;
    }();
    return mapa;
}

}  // namespace

namespace cp1250 {

QChar na_znak(std::uint8_t bajt) {
    return bajt < 0x80 ? QChar(char16_t(bajt)) : QChar(gorna_polowa[bajt - 0x80]);
}

bool z_znaku(QChar znak, std::uint8_t& bajt) {
    const char16_t u = znak.unicode();
    if (u < 0x80) {
        bajt = static_cast<std::uint8_t>(u);
        return true;
    }
    const auto& m = odwrotna();
    const auto it = m.find(u);
    if (it == m.end()) return false;
    bajt = it->second;
    return true;
}

QString na_unicode(std::string_view bajty) {
    QString wynik;
    wynik.reserve(static_cast<qsizetype>(bajty.size()));
    for (char c : bajty) wynik.append(na_znak(static_cast<std::uint8_t>(c)));
    return wynik;
}

std::string z_unicode(const QString& tekst) {
    std::string wynik;
    wynik.reserve(static_cast<std::size_t>(tekst.size()));
    for (QChar z : tekst) {
        std::uint8_t b;
        if (z_znaku(z, b)) wynik.push_back(static_cast<char>(b));
    }
    return wynik;
}

std::uint8_t wielka(std::uint8_t bajt) {
    const QChar gorna = na_znak(bajt).toUpper();
    std::uint8_t wynik;
    return z_znaku(gorna, wynik) ? wynik : bajt;
}

}  // namespace cp1250

std::string_view przytnij(std::string_view bajty) {
    auto pusty = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!bajty.empty() && pusty(bajty.front())) bajty.remove_prefix(1);
    while (!bajty.empty() && pusty(bajty.back())) bajty.remove_suffix(1);
    return bajty;
}

QString przytnij(const QString& tekst) {
    qsizetype a = 0, b = tekst.size();
    while (a < b && tekst[a].unicode() <= 32) ++a;
    while (b > a && tekst[b - 1].unicode() <= 32) --b;
    return tekst.mid(a, b - a);
}

QString cp1250::pierwszy_niezapisywalny(const QString& tekst) {
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        if (da_sie_zapisac(tekst.at(i))) continue;
        const bool para = tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() &&
                          tekst.at(i + 1).isLowSurrogate();
        return tekst.mid(i, para ? 2 : 1);
    }
    return {};
}
