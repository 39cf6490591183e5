#pragma once

// Texts as the files keep them: Windows-1250 bytes of a fixed capacity.
// Records hold bytes, never QString, so capacities, byte-wise sorting and
// file round trips are exact; conversion to what a window shows happens only
// through z_unicode()/na_unicode() below.

#include <QString>

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace cp1250 {

// Every byte has a character: the five bytes Windows-1250 leaves undefined
// map to the C1 control of the same value, so no byte is ever lost.
QChar na_znak(std::uint8_t bajt);

// The byte of a character, or nothing when Windows-1250 cannot store it.
bool z_znaku(QChar znak, std::uint8_t& bajt);

inline bool da_sie_zapisac(QChar znak) {
    std::uint8_t b;
    return z_znaku(znak, b);
}

QString na_unicode(std::string_view bajty);

// The first character of `tekst` Windows-1250 cannot store (a whole
// surrogate pair for an emoji), or an empty text when it stores them all.
// Text pasted from a PDF often comes decomposed ("a" + combining ogonek):
// callers bring it to NFC first, where Polish letters are single characters.
QString pierwszy_niezapisywalny(const QString& tekst);

// Characters Windows-1250 cannot store are dropped.
std::string z_unicode(const QString& tekst);

// Capital of a byte under the Windows-1250 letter rules (ą -> Ą, ż -> Ż);
// a letter without a capital in the code page stays as it is.
std::uint8_t wielka(std::uint8_t bajt);

}  // namespace cp1250

template <std::size_t N>
class Tekst {
    static_assert(N > 0 && N < 256, "the length is kept in one byte");

  public:
    static constexpr std::size_t pojemnosc = N;

    Tekst() = default;
    // Keeps the first N bytes of a longer text.
    Tekst(std::string_view bajty) { ustaw(bajty); }  // NOLINT: texts convert freely
    Tekst(const char* bajty) : Tekst(std::string_view(bajty)) {}
    Tekst(const std::string& bajty) : Tekst(std::string_view(bajty)) {}

    template <std::size_t M>
    Tekst(const Tekst<M>& inny) : Tekst(inny.bajty()) {}  // NOLINT: capacity cut is the rule

    void ustaw(std::string_view bajty) {
        dl_ = static_cast<std::uint8_t>(std::min(bajty.size(), N));
        std::memcpy(dane_.data(), bajty.data(), dl_);
        std::fill(dane_.begin() + dl_, dane_.end(), '\0');
    }

    static Tekst z_unicode(const QString& tekst) { return Tekst(cp1250::z_unicode(tekst)); }
    QString na_unicode() const { return cp1250::na_unicode(bajty()); }

    std::string_view bajty() const { return {dane_.data(), dl_}; }
    std::size_t size() const { return dl_; }
    bool empty() const { return dl_ == 0; }
    char operator[](std::size_t i) const { return dane_[i]; }

    void wyczysc() {
        dl_ = 0;
        dane_.fill('\0');
    }

    // Byte by byte on unsigned codes; a prefix is smaller.
    friend std::strong_ordering operator<=>(const Tekst& a, const Tekst& b) {
        return porownaj(a.bajty(), b.bajty());
    }
    friend bool operator==(const Tekst& a, const Tekst& b) { return a.bajty() == b.bajty(); }
    friend bool operator==(const Tekst& a, std::string_view b) { return a.bajty() == b; }
    friend bool operator==(const Tekst& a, const char* b) {
        return a.bajty() == std::string_view(b);
    }

    static std::strong_ordering porownaj(std::string_view a, std::string_view b) {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const auto x = static_cast<unsigned char>(a[i]);
            const auto y = static_cast<unsigned char>(b[i]);
            if (x != y) return x <=> y;
        }
        return a.size() <=> b.size();
    }

  private:
    std::uint8_t dl_ = 0;
    std::array<char, N> dane_{};
};

// Byte-wise comparison of two Windows-1250 texts of any capacity.
inline std::strong_ordering porownaj_bajty(std::string_view a, std::string_view b) {
    return Tekst<1>::porownaj(a, b);
}

// Leading and trailing blanks and control characters (codes up to 32) removed,
// as the program trims everywhere.
std::string_view przytnij(std::string_view bajty);
QString przytnij(const QString& tekst);

// The first-letter rule of names and titles: a first letter a-z becomes its
// capital; anything else, Polish letters included, stays as it is.
inline QString pierwsza_wielka(const QString& tekst) {
    if (tekst.isEmpty() || tekst.at(0) < u'a' || tekst.at(0) > u'z') return tekst;
    QString wynik = tekst;
    wynik[0] = QChar(tekst.at(0).unicode() - u'a' + u'A');
    return wynik;
}
