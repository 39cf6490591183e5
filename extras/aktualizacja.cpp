#include "extras/aktualizacja.h"

#include <QCoreApplication>
#include <QLibrary>

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
    const WynikSprawdzania wynik = sprawdz_aktualizacje(ustawienia_);
    if (wynik.stan == WynikSprawdzania::inna_wersja)
        emit nowa_wersja(wynik.wersja_nowa, wynik.adres_pobierania);
}

watek_update* uruchom_sprawdzanie_aktualizacji(UstawieniaSprawdzania ustawienia) {
    // The system's connection state is asked here, on the user-interface
    // thread, where its notifier lives.
    const bool polaczenie =
        ustawienia.jest_polaczenie ? ustawienia.jest_polaczenie() : jest_polaczenie_z_siecia();
    ustawienia.jest_polaczenie = [polaczenie] { return polaczenie; };
    return new watek_update(std::move(ustawienia));
}

#ifndef VANDORIA_KATALOG_BIBLIOTEK
#define VANDORIA_KATALOG_BIBLIOTEK "lib/vandoria"
#endif

bool wywolaj_z_biblioteki(const QString& biblioteka, const char* procedura) {
    using Procedura = void (*)();
    // Beside the program first, then where an installed program keeps it.
    const QString folder = QCoreApplication::applicationDirPath();
    // A package keeps it under the multiarch folder, where ldconfig never looks.
    const QString zainstalowana =
        folder + u"/../"_s + QStringLiteral(VANDORIA_KATALOG_BIBLIOTEK) + u'/' + biblioteka;
    for (const QString& nazwa : {folder + u'/' + biblioteka, zainstalowana,
                                 folder + u"/../lib/vandoria/"_s + biblioteka, biblioteka}) {
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
