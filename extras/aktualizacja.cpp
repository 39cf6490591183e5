#include "extras/aktualizacja.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

using namespace Qt::StringLiterals;

watek_update::watek_update(UstawieniaSprawdzania ustawienia) : ustawienia_(std::move(ustawienia)) {
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    // A check still waiting for the server must not outlive the application.
    if (auto* aplikacja = QCoreApplication::instance()) {
        connect(aplikacja, &QCoreApplication::aboutToQuit, this, [this] {
            requestInterruption();
            quit();
            wait();
        });
    }
    QMetaObject::invokeMethod(
        this, [this] { start(); }, Qt::QueuedConnection);
}

void watek_update::run() {
    const WynikSprawdzania wynik = ustawienia_.sprawdzanie(ustawienia_);
    if (wynik.stan == WynikSprawdzania::inna_wersja)
        emit nowa_wersja(wynik.wersja_nowa, wynik.adres_pobierania);
}

#ifndef VANDORIA_KATALOG_BIBLIOTEK
#define VANDORIA_KATALOG_BIBLIOTEK "lib/vandoria"
#endif

namespace {

// Beside the program first, then where an installed program keeps it.
QStringList miejsca_biblioteki(const QString& biblioteka) {
    const QString folder = QCoreApplication::applicationDirPath();
    // A package keeps it under the multiarch folder, where ldconfig never looks.
    const QString zainstalowana =
        folder + u"/../"_s + QStringLiteral(VANDORIA_KATALOG_BIBLIOTEK) + u'/' + biblioteka;
    return {folder + u'/' + biblioteka, zainstalowana, folder + u"/../lib/vandoria/"_s + biblioteka,
            biblioteka};
}

// The update library's background check, loaded once and kept: Qt Network
// and what it pulls in (Kerberos, libproxy) are then read only when the
// check starts, after the window is up, and never by a start without it.
struct SprawdzanieZBiblioteki {
    bool (*jest_polaczenie)() = nullptr;
    void (*sprawdz)(const UstawieniaSprawdzania*, WynikSprawdzania*) = nullptr;
};

SprawdzanieZBiblioteki sprawdzanie_z_biblioteki() {
    static const SprawdzanieZBiblioteki wynik = [] {
        SprawdzanieZBiblioteki c;
        static QLibrary modul;  // loaded for the program's life
        modul.setLoadHints(QLibrary::PreventUnloadHint);
        for (const QString& nazwa : miejsca_biblioteki(u"update"_s)) {
            modul.setFileName(nazwa);
            if (!modul.load()) continue;
            c.jest_polaczenie = reinterpret_cast<decltype(c.jest_polaczenie)>(
                modul.resolve("vandoria_jest_polaczenie"));
            c.sprawdz = reinterpret_cast<decltype(c.sprawdz)>(
                modul.resolve("vandoria_sprawdz_aktualizacje"));
            break;
        }
        return c;
    }();
    return wynik;
}

}  // namespace

watek_update* uruchom_sprawdzanie_aktualizacji(UstawieniaSprawdzania ustawienia) {
    if (!ustawienia.jest_polaczenie || !ustawienia.sprawdzanie) {
        const SprawdzanieZBiblioteki z_biblioteki = sprawdzanie_z_biblioteki();
        // Without the library there is nothing to check with: it ends quietly.
        if (!ustawienia.jest_polaczenie)
            ustawienia.jest_polaczenie = [f = z_biblioteki.jest_polaczenie] { return f && f(); };
        if (!ustawienia.sprawdzanie)
            ustawienia.sprawdzanie = [f = z_biblioteki.sprawdz](const UstawieniaSprawdzania& u) {
                WynikSprawdzania wynik;
                if (f) f(&u, &wynik);
                return wynik;
            };
    }
    // The system's connection state is asked here, on the user-interface
    // thread, where its notifier lives.
    const bool polaczenie = ustawienia.jest_polaczenie();
    ustawienia.jest_polaczenie = [polaczenie] { return polaczenie; };
    return new watek_update(std::move(ustawienia));
}

bool wywolaj_z_biblioteki(const QString& biblioteka, const char* procedura) {
    using Procedura = void (*)();
    for (const QString& nazwa : miejsca_biblioteki(biblioteka)) {
        QLibrary modul(nazwa);
        // Qt keeps some texts it is handed (settings keys among them) beyond
        // the call; they may point into the library, so its code stays mapped
        // after unload().
        modul.setLoadHints(QLibrary::PreventUnloadHint);
        if (!modul.load()) continue;
        const auto wywolanie = reinterpret_cast<Procedura>(modul.resolve(procedura));
        if (wywolanie) wywolanie();
        modul.unload();
        return wywolanie != nullptr;
    }
    return false;
}
