#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// An HTTP server on 127.0.0.1 answering by hand, so that the update check
// meets real sockets, headers, redirects and servers that never answer.
// It runs on the thread that made it; that thread's event loop must turn.
class SerwerHttp : public QObject {
    Q_OBJECT

    struct Odpowiedz {
        int stan = 200;
        QByteArray tresc;
        QList<QPair<QByteArray, QByteArray>> naglowki;
        bool bez_dlugosci = false;
        bool milczy = false;  // reads the request and never answers
    };

  public:
    SerwerHttp();
    void ustaw(const QString& sciezka, const QByteArray& tresc) {
        odpowiedzi_[sciezka].tresc = tresc;
    }
    // The body ends when the connection closes, with no Content-Length.
    void ustaw_bez_dlugosci(const QString& sciezka, const QByteArray& tresc);
    void milcz(const QString& sciezka) { odpowiedzi_[sciezka].milczy = true; }
    void przekieruj(const QString& sciezka, const QString& dokad);
    QString adres(const QString& sciezka) const;          // http://127.0.0.1:port/sciezka
    QStringList zapytania() const { return zapytania_; }  // paths asked for, in order
    void wyczysc();

  private:
    void obsluz(class QTcpSocket* gniazdo);

    QTcpServer serwer_;
    QHash<QString, Odpowiedz> odpowiedzi_;
    QStringList zapytania_;
};
