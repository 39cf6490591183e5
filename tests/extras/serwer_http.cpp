#include "serwer_http.h"

#include <QTcpSocket>

using namespace Qt::StringLiterals;

SerwerHttp::SerwerHttp() {
    serwer_.listen(QHostAddress::LocalHost);
    connect(&serwer_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* gniazdo = serwer_.nextPendingConnection()) {
            connect(gniazdo, &QTcpSocket::readyRead, this, [this, gniazdo] { obsluz(gniazdo); });
            connect(gniazdo, &QTcpSocket::disconnected, gniazdo, &QObject::deleteLater);
        }
    });
}

QString SerwerHttp::adres(const QString& sciezka) const {
    return u"http://127.0.0.1:%1%2"_s.arg(serwer_.serverPort()).arg(sciezka);
}

void SerwerHttp::ustaw_bez_dlugosci(const QString& sciezka, const QByteArray& tresc) {
    Odpowiedz& o = odpowiedzi_[sciezka];
    o.tresc = tresc;
    o.bez_dlugosci = true;
}

void SerwerHttp::przekieruj(const QString& sciezka, const QString& dokad) {
    Odpowiedz& o = odpowiedzi_[sciezka];
    o.stan = 302;
    o.naglowki = {{"Location", dokad.toUtf8()}};
}

void SerwerHttp::wyczysc() {
    odpowiedzi_.clear();
    zapytania_.clear();
}

void SerwerHttp::obsluz(QTcpSocket* gniazdo) {
    // Requests on one kept-alive connection follow one another; a GET has no body.
    QByteArray bufor = gniazdo->property("bufor").toByteArray() + gniazdo->readAll();
    qsizetype koniec;
    while ((koniec = bufor.indexOf("\r\n\r\n")) >= 0) {
        const QByteArray zadanie = bufor.left(koniec);
        bufor.remove(0, koniec + 4);

        // "GET /sciezka HTTP/1.1"
        const QList<QByteArray> pierwsza = zadanie.left(zadanie.indexOf("\r\n")).split(' ');
        const QString sciezka = pierwsza.size() > 1 ? QString::fromUtf8(pierwsza.at(1)) : QString();
        zapytania_.append(sciezka);
        Odpowiedz nie_ma;
        nie_ma.stan = 404;
        const Odpowiedz o = odpowiedzi_.value(sciezka, nie_ma);
        if (o.milczy) break;

        QByteArray wynik = "HTTP/1.1 " + QByteArray::number(o.stan) + " X\r\n";
        for (const auto& [nazwa, wartosc] : o.naglowki) wynik += nazwa + ": " + wartosc + "\r\n";
        if (o.bez_dlugosci)
            wynik += "Connection: close\r\n";
        else
            wynik += "Content-Length: " + QByteArray::number(o.tresc.size()) + "\r\n";
        gniazdo->write(wynik + "\r\n" + o.tresc);
        if (o.bez_dlugosci) {
            gniazdo->disconnectFromHost();
            break;
        }
    }
    gniazdo->setProperty("bufor", bufor);
}
