#include "register/magazyn_ustawien.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString& plik_testowy() {
    static QString sciezka;
    return sciezka;
}

std::unique_ptr<QSettings> otworz() {
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

}  // namespace

void MagazynUstawien::ustaw_plik(const QString& sciezka) { plik_testowy() = sciezka; }

bool MagazynUstawien::klucz_istnieje() {
#ifdef Q_OS_WIN
    if (plik_testowy().isEmpty()) {
        QSettings software(u"HKEY_CURRENT_USER\\Software"_s, QSettings::NativeFormat);
        return software.childGroups().contains(u"Vandoria"_s, Qt::CaseInsensitive);
    }
#endif

    return QFileInfo::exists(otworz()->fileName());
}

std::optional<QString> MagazynUstawien::czytaj_tekst(const QString& wartosc) {
    if (!klucz_istnieje()) return std::nullopt;
    const auto ustawienia = otworz();
    if (!ustawienia->contains(wartosc)) return std::nullopt;
    return ustawienia->value(wartosc).toString();
}

std::optional<bool> MagazynUstawien::czytaj_logiczna(const QString& wartosc) {
    if (!klucz_istnieje()) return std::nullopt;
    const auto ustawienia = otworz();
    if (!ustawienia->contains(wartosc)) return std::nullopt;
    bool liczba = false;
    const int n = ustawienia->value(wartosc).toInt(&liczba);
    if (liczba) return n != 0;
    return ustawienia->value(wartosc).toBool();
}

bool MagazynUstawien::zapisz_tekst(const QString& wartosc, const QString& tekst) {
    const auto ustawienia = otworz();
    ustawienia->setValue(wartosc, tekst);
    ustawienia->sync();
    return ustawienia->status() == QSettings::NoError;
}

bool MagazynUstawien::zapisz_logiczna(const QString& wartosc, bool tak) {
    const auto ustawienia = otworz();
    ustawienia->setValue(wartosc, tak ? 1 : 0);
    ustawienia->sync();
    return ustawienia->status() == QSettings::NoError;
}

bool MagazynUstawien::usun(const QString& wartosc) {
    if (!klucz_istnieje()) return true;
    const auto ustawienia = otworz();
    ustawienia->remove(wartosc);
    ustawienia->sync();
    return ustawienia->status() == QSettings::NoError;
}
