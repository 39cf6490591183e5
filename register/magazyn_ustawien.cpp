#include "register/magazyn_ustawien.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString& plik_testowy() {
    static QString sciezka;
    return sciezka;
}

std::unique_ptr<QSettings> otworz_zawsze() {
    if (!plik_testowy().isEmpty())
        return std::make_unique<QSettings>(plik_testowy(), QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(u"HKEY_CURRENT_USER\\Software\\Vandoria"_s,
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, u"Vandoria"_s,
                                       u"Vandoria"_s);
#endif
}

// QSettings opens and reads its file at once and would wait for ever on a
// FIFO, or read a device without end: only a regular file (or none yet) is
// handed to it; anything else leaves the store unusable for the run.
std::unique_ptr<QSettings> otworz() {
    const QString plik = MagazynUstawien::sciezka_pliku();
    if (!plik.isEmpty()) {
        const QFileInfo info(plik);
        if ((info.exists() || info.isSymLink()) && !info.isFile()) return nullptr;
    }
    return otworz_zawsze();
}

// A value already there is not written again: each write is a synced rewrite
// of the whole store, and a start would make several (the file, the recent
// list, the window's place).
bool zapisz(const QString& wartosc, const QVariant& nowa) {
    const auto ustawienia = otworz();
    if (!ustawienia) return false;
    if (ustawienia->status() == QSettings::NoError && ustawienia->contains(wartosc) &&
        ustawienia->value(wartosc).toString() == nowa.toString())
        return true;
    ustawienia->setValue(wartosc, nowa);
    ustawienia->sync();
    return ustawienia->status() == QSettings::NoError;
}

}  // namespace

void MagazynUstawien::ustaw_plik(const QString& sciezka) { plik_testowy() = sciezka; }

QString MagazynUstawien::sciezka_pliku() {
    if (!plik_testowy().isEmpty()) return plik_testowy();
#ifdef Q_OS_WIN
    return {};
#else
    // Where QSettings puts a user-scope INI store; asking QSettings itself
    // would read the file already.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Vandoria/Vandoria.ini"_s;
#endif
}

QString MagazynUstawien::problem() {
    if (otworz()) return {};
    return u"Plik ustawień programu %1 nie jest zwykłym plikiem.\n"
           u"Zapamiętane ustawienia (ostatnio otwarty plik, adres aktualizacji) zostały "
           u"pominięte i nie zostaną zapisane."_s.arg(sciezka_pliku());
}

bool MagazynUstawien::klucz_istnieje() {
#ifdef Q_OS_WIN
    if (plik_testowy().isEmpty()) {
        QSettings software(u"HKEY_CURRENT_USER\\Software"_s, QSettings::NativeFormat);
        return software.childGroups().contains(u"Vandoria"_s, Qt::CaseInsensitive);
    }
#endif
    const auto ustawienia = otworz();
    return ustawienia && QFileInfo::exists(ustawienia->fileName());
}

std::optional<QString> MagazynUstawien::czytaj_tekst(const QString& wartosc) {
    if (!klucz_istnieje()) return std::nullopt;
    const auto ustawienia = otworz();
    if (!ustawienia || !ustawienia->contains(wartosc)) return std::nullopt;
    return ustawienia->value(wartosc).toString();
}

std::optional<bool> MagazynUstawien::czytaj_logiczna(const QString& wartosc) {
    if (!klucz_istnieje()) return std::nullopt;
    const auto ustawienia = otworz();
    if (!ustawienia || !ustawienia->contains(wartosc)) return std::nullopt;
    bool liczba = false;
    const int n = ustawienia->value(wartosc).toInt(&liczba);
    if (liczba) return n != 0;
    return ustawienia->value(wartosc).toBool();
}

bool MagazynUstawien::zapisz_tekst(const QString& wartosc, const QString& tekst) {
    return zapisz(wartosc, tekst);
}

bool MagazynUstawien::zapisz_logiczna(const QString& wartosc, bool tak) {
    return zapisz(wartosc, tak ? 1 : 0);
}

bool MagazynUstawien::usun(const QString& wartosc) {
    if (!klucz_istnieje()) return true;
    const auto ustawienia = otworz();
    if (!ustawienia) return false;
    ustawienia->remove(wartosc);
    ustawienia->sync();
    return ustawienia->status() == QSettings::NoError;
}
