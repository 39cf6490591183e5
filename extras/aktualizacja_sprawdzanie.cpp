#include "extras/aktualizacja_sprawdzanie.h"

#include "extras/aktualizacja_plik.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace {

struct Pobrane {
    QByteArray dane;
    bool przez_https = false;  // the last hop, after redirects
};

// The update file's bytes, or nothing when the download failed, took too
// long, was redirected too often or to another scheme, or grew too big.
std::optional<Pobrane> pobierz(const QString& adres, const UstawieniaSprawdzania& u) {
    if (!bezpieczny_adres_http(adres)) return std::nullopt;
    QNetworkAccessManager siec;
    QNetworkRequest zadanie{QUrl(adres)};
    // Redirects stay on http and https (never from https down to http); Qt
    // refuses any other scheme on its own.
    zadanie.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    zadanie.setMaximumRedirectsAllowed(u.przekierowania);
    zadanie.setTransferTimeout(static_cast<int>(u.limit_czasu.count()));

    QNetworkReply* odpowiedz = siec.get(zadanie);
    const auto sprzatanie = qScopeGuard([odpowiedz] { delete odpowiedz; });
    QByteArray dane;
    bool za_duzo = false;
    QEventLoop petla;
    QTimer zegar;
    zegar.setSingleShot(true);
    QObject::connect(&zegar, &QTimer::timeout, odpowiedz, &QNetworkReply::abort);
    auto za_duzy = [&](qint64 rozmiar) {
        if (rozmiar <= u.najwiekszy_plik) return false;
        za_duzo = true;
        odpowiedz->abort();
        return true;
    };
    QObject::connect(odpowiedz, &QNetworkReply::metaDataChanged, odpowiedz, [&] {
        const QVariant dlugosc = odpowiedz->header(QNetworkRequest::ContentLengthHeader);
        if (dlugosc.isValid()) za_duzy(dlugosc.toLongLong());
    });
    QObject::connect(odpowiedz, &QNetworkReply::readyRead, odpowiedz, [&] {
        if (za_duzo) return;
        dane += odpowiedz->readAll();
        za_duzy(dane.size());
    });
    QObject::connect(odpowiedz, &QNetworkReply::finished, &petla, &QEventLoop::quit);
    zegar.start(u.limit_czasu);
    // No clicks while the check runs on the user-interface thread (the update
    // library): they could start it a second time from inside itself.
    if (!odpowiedz->isFinished() && !QThread::currentThread()->isInterruptionRequested())
        petla.exec(QEventLoop::ExcludeUserInputEvents);

    // Interrupted: the loop was left before the reply finished.
    if (!odpowiedz->isFinished()) {
        odpowiedz->abort();
        return std::nullopt;
    }
    if (za_duzo || odpowiedz->error() != QNetworkReply::NoError) return std::nullopt;
    const int stan = odpowiedz->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (stan < 200 || stan > 299) return std::nullopt;
    dane += odpowiedz->readAll();
    if (za_duzy(dane.size())) return std::nullopt;
    return Pobrane{dane, odpowiedz->url().scheme() == u"https"};
}

}  // namespace

bool jest_polaczenie_z_siecia() {
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    return QNetworkInformation::instance()->reachability() !=
           QNetworkInformation::Reachability::Disconnected;
}

WynikSprawdzania sprawdz_aktualizacje(const UstawieniaSprawdzania& u) {
    const bool polaczenie = u.jest_polaczenie ? u.jest_polaczenie() : jest_polaczenie_z_siecia();
    if (!polaczenie) return {};

    const UstawieniaAktualizacji ustawienia = odczytaj_ustawienia();
    const auto pobrane = pobierz(ustawienia.adres_aktualizacji, u);
    if (!pobrane) return {};
    const auto przeczytany = przez_plik_aktualizacji(pobrane->dane);
    if (!przeczytany) return {};
    const PlikAktualizacji& plik = *przeczytany;
    // An empty first line is no version at all (an empty reply, say).
    if (plik.wersja_nowa.isEmpty()) return {};

    zapisz_adres(ustawienia, plik, pobrane->przez_https);
    WynikSprawdzania wynik;
    wynik.stan = plik.wersja_nowa == ustawienia.wersja_biezaca ? WynikSprawdzania::ta_sama_wersja
                                                               : WynikSprawdzania::inna_wersja;
    wynik.wersja_nowa = plik.wersja_nowa;
    if (bezpieczny_adres_http(plik.adres_pobierania))
        wynik.adres_pobierania = plik.adres_pobierania;
    return wynik;
}
