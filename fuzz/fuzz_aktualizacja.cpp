// The update file comes from the network: reading its lines never crashes,
// and an address judged safe is always a plain http or https address.
#include "extras/aktualizacja_plik.h"

#include <QUrl>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const QByteArray tresc(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    const PlikAktualizacji plik = czytaj_plik_aktualizacji(tresc);
    for (const QString& adres : {plik.adres_pobierania, plik.nowy_adres_aktualizacji}) {
        if (!bezpieczny_adres_http(adres)) continue;
        const QUrl url(adres, QUrl::StrictMode);
        const QString schemat = url.scheme().toLower();
        if (schemat != u"http" && schemat != u"https") __builtin_trap();
        if (!url.userInfo().isEmpty() || url.host().isEmpty()) __builtin_trap();
    }
    return 0;
}
