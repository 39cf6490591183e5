#pragma once

#include "wspolne/pomocnicze.h"

#include <QByteArray>

#include <string>

// A 335-byte book record laid out by hand from the offset table, not by the
// code under test.
inline QByteArray rekord(const std::string& nazwa1, const std::string& nazwa2 = "cd.",
                         const std::string& lk = "12", const std::string& nr_banku = "1020 5558",
                         const std::string& nr_rach = "1111 2222 3333 4444") {
    return slot(nazwa1, 150) + slot(nazwa2, 150) + slot(lk, 2) + slot(nr_banku, 9) +
           slot(nr_rach, 19);
}
