#include "register/odcisk_pliku.h"

#include "register/odczyt_pliku.h"

#include <QFileInfo>
#include <QHash>

#include <array>

namespace {
// Far above any file the program writes (a thousand orders are under 1 MB).
constexpr qint64 najwiecej = 64LL * 1024 * 1024;

// Only ever compared with another taken by this program in the same run, to
// tell whether the bytes changed: no one forges a match here, so two of Qt's
// 64-bit hashes under fixed seeds serve, in a thirtieth of the time a
// cryptographic hash takes over a large file at every opening.
QByteArray skrot_bajtow(const QByteArray& bajty) {
    const std::array<quint64, 2> skrot = {qHash(QByteArrayView(bajty), size_t(0x9e3779b97f4a7c15)),
                                          qHash(QByteArrayView(bajty), size_t(0xc2b2ae3d27d4eb4f))};
    return QByteArray(reinterpret_cast<const char*>(skrot.data()), sizeof skrot);
}

}  // namespace

OdciskPliku odcisk_z_bajtow(const QString& sciezka, const QByteArray& bajty) {
    OdciskPliku o;
    o.istnieje = true;
    o.rozmiar = bajty.size();
    o.zmiana = QFileInfo(sciezka).lastModified();
    o.skrot = skrot_bajtow(bajty);
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
