// The update file comes from the network: reading its lines never crashes,
// reads the same through the program's private file as from memory, and an
// address judged safe is always a plain http or https address.
#include "extras/aktualizacja_plik.h"
#include "plik_fuzz.h"

#include <QDir>

#include <QUrl>

#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const QByteArray tresc(reinterpret_cast<const char*>(dane), static_cast<qsizetype>(rozmiar));
    const PlikAktualizacji plik = czytaj_plik_aktualizacji(tresc);
    auto ten_sam = [&plik](const std::optional<PlikAktualizacji>& p) {
        return p && p->wersja_nowa == plik.wersja_nowa &&
               p->adres_pobierania == plik.adres_pobierania &&
               p->nowy_adres_aktualizacji == plik.nowy_adres_aktualizacji;
    };
    folder_fuzz();
    if (!ten_sam(przez_plik_aktualizacji(tresc))) __builtin_trap();
    // and the private file is gone again
    if (QDir(folder_fuzz()).entryList(QDir::Files | QDir::Hidden).size() > 1) __builtin_trap();
    if (!ten_sam(czytaj_plik_aktualizacji(zapisz_wejscie(u"odczyt.txt"_s, tresc), tresc.size())))
        __builtin_trap();
    for (const QString& adres : {plik.adres_pobierania, plik.nowy_adres_aktualizacji}) {
        if (!bezpieczny_adres_http(adres)) continue;
        const QUrl url(adres, QUrl::StrictMode);
        const QString schemat = url.scheme().toLower();
        if (schemat != u"http" && schemat != u"https") __builtin_trap();
        if (!url.userInfo().isEmpty() || url.host().isEmpty()) __builtin_trap();
    }
    return 0;
}
