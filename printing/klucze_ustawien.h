#pragma once

// The names in config.ini, shared by the print preparation that reads the
// file and the preferences window that writes it: a name spelt differently
// in one of them would silently fall back to a default.

#include <QString>

namespace klucze_ustawien {

inline const QString plik = QStringLiteral("config.ini");
inline const QString sekcja = QStringLiteral("SETTINGS");

inline const QString typ_formularza = QStringLiteral("typ_formularza");
inline const QString ilosc_odcinkow = QStringLiteral("ilosc_odcinkow");
inline const QString uklad_strony = QStringLiteral("uklad_strony");
inline const QString capitals = QStringLiteral("capitals");
inline const QString boxes = QStringLiteral("boxes");
inline const QString margin_top = QStringLiteral("margin_top");
inline const QString margin_left = QStringLiteral("margin_left");
inline const QString drukuj_oplate = QStringLiteral("drukuj_oplate");
inline const QString oplata_wart = QStringLiteral("oplata_wart");

// The two values of uklad_strony.
inline const QString pionowy = QStringLiteral("portrait");
inline const QString poziomy = QStringLiteral("landscape");

}  // namespace klucze_ustawien
