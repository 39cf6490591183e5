#include "register/odcisk_pliku.h"

#include "register/odczyt_pliku.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {
// Far above any file the program writes (a thousand orders are under 1 MB).
constexpr qint64 najwiecej = 64LL * 1024 * 1024;
}  // namespace

OdciskPliku odcisk_z_bajtow(const QString& sciezka, const QByteArray& bajty) {
    OdciskPliku o;
    o.istnieje = true;
    o.rozmiar = bajty.size();
    o.zmiana = QFileInfo(sciezka).lastModified();
    // Only ever compared with another taken by this program in the same run; a
    // hash twice as fast as SHA-256 keeps a large file's opening quick.
    o.skrot = QCryptographicHash::hash(bajty, QCryptographicHash::Blake2b_256);
    return o;
}

OdciskPliku odcisk_pliku(const QString& sciezka) {
    StanOtwarcia stan = StanOtwarcia::blad;
    const QByteArray bajty = czytaj_plik_zwykly(sciezka, najwiecej, &stan);
    if (stan != StanOtwarcia::ok) return {};
    return odcisk_z_bajtow(sciezka, bajty);
}

bool zmieniony_od(const OdciskPliku& zapamietany, const QString& sciezka) {
    const QFileInfo info(sciezka);
    // A file deleted since loses nothing by being written anew; what is not
    // a regular file is never replaced by a save anyway.
    if (!info.exists() || !info.isFile()) return false;
    if (!zapamietany.istnieje) return true;
    if (info.size() != zapamietany.rozmiar) return true;
    const OdciskPliku teraz = odcisk_pliku(sciezka);
    return teraz.skrot != zapamietany.skrot;
}
