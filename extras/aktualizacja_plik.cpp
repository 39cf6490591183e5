#include "extras/aktualizacja_plik.h"

#include "register/magazyn_ustawien.h"
#include "register/tekst.h"

#include <QList>
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

bool bezpieczny_adres_http(const QString& adres) {
    if (adres.isEmpty() || adres != adres.trimmed()) return false;
    const QUrl url(adres, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return false;
    const QString schemat = url.scheme();
    return (schemat == u"http" || schemat == u"https") && !url.host().isEmpty() &&
           url.userInfo().isEmpty();
}

UstawieniaAktualizacji odczytaj_ustawienia() {
    return {MagazynUstawien::czytaj_tekst(u"UpdateServerAdress"_s)
                .value_or(QString::fromUtf16(domyslny_adres_aktualizacji)),
            MagazynUstawien::czytaj_tekst(u"CurrentVersion"_s).value_or(u"0"_s)};
}

void zapisz_adres(const UstawieniaAktualizacji& ustawienia, const PlikAktualizacji& plik) {
    const QString& nowy = plik.nowy_adres_aktualizacji;
    if (nowy == ustawienia.adres_aktualizacji || !bezpieczny_adres_http(nowy)) return;
    MagazynUstawien::zapisz_tekst(u"UpdateServerAdress"_s, nowy);
}
