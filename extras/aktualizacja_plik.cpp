#include "extras/aktualizacja_plik.h"

#include "register/folder_programu.h"
#include "register/magazyn_ustawien.h"
#include "register/odczyt_pliku.h"
#include "register/tekst.h"

#include <QList>
#include <QTemporaryFile>
#include <QUrl>

using namespace Qt::StringLiterals;

PlikAktualizacji czytaj_plik_aktualizacji(const QByteArray& dane) {
    QList<QByteArray> linie = dane.split('\n');
    for (QByteArray& linia : linie)
        if (linia.endsWith('\r')) linia.chop(1);
    auto linia = [&](qsizetype i) {
        return i < linie.size()
                   ? cp1250::na_unicode(std::string_view(linie[i].constData(), linie[i].size()))
                   : QString();
    };
    return {linia(0), linia(1), linia(2)};
}

std::optional<PlikAktualizacji> czytaj_plik_aktualizacji(const QString& sciezka, qint64 limit) {
    StanOtwarcia stan = StanOtwarcia::ok;
    const QByteArray dane = czytaj_plik_zwykly(sciezka, limit + 1, &stan);
    if (stan != StanOtwarcia::ok || dane.size() > limit) return std::nullopt;
    return czytaj_plik_aktualizacji(dane);
}

std::optional<PlikAktualizacji> przez_plik_aktualizacji(const QByteArray& dane) {
    // QTemporaryFile creates with O_EXCL: a link planted under the name is
    // never followed, and the only file removed is the one made here.
    QTemporaryFile plik(plik_programu(QString::fromUtf16(nazwa_pliku_aktualizacji)) + u".XXXXXX"_s);
    if (!plik.open() || plik.write(dane) != dane.size() || !plik.flush()) return std::nullopt;
    const auto wynik = czytaj_plik_aktualizacji(plik.fileName(), dane.size());
    // A full disk may have cut the file short.
    if (wynik && plik.size() != dane.size()) return std::nullopt;
    return wynik;
}

bool bezpieczny_adres_http(const QString& adres) {
    if (adres.isEmpty() || adres != adres.trimmed()) return false;
    const QUrl url(adres, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    const QString schemat = url.scheme();
    return (schemat == u"http" || schemat == u"https") && !url.host().isEmpty() &&
           url.userInfo().isEmpty();
}

bool bezpieczny_adres_https(const QString& adres) {
    return bezpieczny_adres_http(adres) && QUrl(adres).scheme() == u"https";
}

QString wersja_programu() { return QStringLiteral(VANDORIA_WERSJA); }

UstawieniaAktualizacji odczytaj_ustawienia() {
    // Nothing in a Linux install writes CurrentVersion; "0" would announce
    // every version as new, the installed one included.
    return {MagazynUstawien::czytaj_tekst(u"UpdateServerAdress"_s)
                .value_or(QString::fromUtf16(domyslny_adres_aktualizacji)),
            MagazynUstawien::czytaj_tekst(u"CurrentVersion"_s).value_or(wersja_programu())};
}

void zapisz_adres(const UstawieniaAktualizacji& ustawienia, const PlikAktualizacji& plik,
                  bool odpowiedz_przez_https) {
    const QString& nowy = plik.nowy_adres_aktualizacji;
    // An answer that came over plain http may have been forged on the way; it
    // must not move every later check to another host, not even to an https one.
    if (!odpowiedz_przez_https) return;
    if (nowy == ustawienia.adres_aktualizacji || !bezpieczny_adres_https(nowy)) return;
    MagazynUstawien::zapisz_tekst(u"UpdateServerAdress"_s, nowy);
}
