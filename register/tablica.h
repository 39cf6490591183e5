#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <utility>

// A fixed number of rows numbered from 1; the records fill rows 1..count
// without gaps and the first row that is not present ends them. The count is
// always computed from the rows, never kept.
//
// T provides obecny() (the row counts) and wyczysc() (the row becomes empty).
// The rows live on the heap wherever the table itself lives: a window or a
// tool that keeps a table in a local variable would otherwise fill its stack.
template <class T, int Pojemnosc>
class Tablica {
    static_assert(Pojemnosc > 0);

  public:
    static constexpr int pojemnosc = Pojemnosc;

    Tablica() : wiersze_(std::make_unique<Wiersze>()) {}
    Tablica(const Tablica& inna) : wiersze_(std::make_unique<Wiersze>(*inna.wiersze_)) {}
    Tablica& operator=(const Tablica& inna) {
        *wiersze_ = *inna.wiersze_;
        return *this;
    }

    T& operator[](int nr) { return (*wiersze_)[static_cast<std::size_t>(nr - 1)]; }
    const T& operator[](int nr) const { return (*wiersze_)[static_cast<std::size_t>(nr - 1)]; }

    int ilosc_el() const {
        int n = 0;
        while (n < pojemnosc && (*this)[n + 1].obecny()) ++n;
        return n;
    }
    bool pelna() const { return ilosc_el() >= pojemnosc; }

    // Into row count + 1; false, and nothing stored, when every row is taken.
    bool dopisz(const T& wiersz) {
        const int n = ilosc_el();
        if (n >= pojemnosc) return false;
        (*this)[n + 1] = wiersz;
        return true;
    }

    // Over row k, 1 <= k <= count; any other k changes nothing.
    void zastap(int k, const T& wiersz) {
        if (k < 1 || k > ilosc_el()) return;
        (*this)[k] = wiersz;
    }

    // Exchanges the whole rows k and k + 1.
    void zamien(int k) { std::swap((*this)[k], (*this)[k + 1]); }

    // Rows k + 1..count move up one place and row count is emptied;
    // k = count + 1 (nothing selected) changes nothing.
    void usun(int k) {
        const int n = ilosc_el();
        if (k < 1 || k > n) return;
        for (int i = k; i < n; ++i) (*this)[i] = (*this)[i + 1];
        (*this)[n].wyczysc();
    }

    void wyczysc() { wyczysc_od(1); }
    void wyczysc_od(int pierwszy) {
        for (int i = pierwszy < 1 ? 1 : pierwszy; i <= pojemnosc; ++i) (*this)[i].wyczysc();
    }

  private:
    using Wiersze = std::array<T, static_cast<std::size_t>(Pojemnosc)>;
    // Never null: no move leaves an empty table behind, a copy is made instead.
    std::unique_ptr<Wiersze> wiersze_;
};
