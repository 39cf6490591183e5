#include "wspolne/rdzen.h"

#include <QFile>
#include <QTest>

qint64 UrzadzenieZawodne::readData(char* dokad, qint64 ile) {
    if (pozycja_ >= granica_) return -1;
    const qint64 n = std::min({ile, granica_ - pozycja_, qint64(dane_.size()) - pozycja_});
    if (n <= 0) return 0;
    std::memcpy(dokad, dane_.constData() + pozycja_, static_cast<std::size_t>(n));
    pozycja_ += n;
    return n;
}

qint64 UrzadzenieZawodne::writeData(const char* skad, qint64 ile) {
    if (pozycja_ >= granica_) return -1;
    const qint64 n = std::min(ile, granica_ - pozycja_);
    zapisane_.append(skad, n);
    pozycja_ += n;
    return n;
}

QByteArray slot(std::string_view bajty, int pojemnosc, int dlugosc) {
    QByteArray wynik(1 + pojemnosc, '\0');
    wynik[0] = static_cast<char>(dlugosc < 0 ? static_cast<int>(bajty.size()) : dlugosc);
    std::memcpy(wynik.data() + 1, bajty.data(), std::min<std::size_t>(bajty.size(), pojemnosc));
    return wynik;
}

std::string w1250(const char* utf8) { return cp1250::z_unicode(QString::fromUtf8(utf8)); }

Tprzelew przelew(const char* odbiorca, const char* zlote, const char* grosze, const char* tytul,
                 const char* data) {
    Tprzelew p;
    p.nazwa_odbiorcy1 = w1250(odbiorca);
    p.kwota = zlote;
    p.kwota100 = grosze;
    p.tytulem1 = w1250(tytul);
    p.data = data;
    p.lk = "  ";
    p.symbol = "06";
    return p;
}

QByteArray czytaj_plik(const QString& sciezka) {
    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly)) return {};
    return plik.readAll();
}

void zapisz_plik(const QString& sciezka, const QByteArray& dane) {
    QFile plik(sciezka);
    QVERIFY(plik.open(QIODevice::WriteOnly));
    QCOMPARE(plik.write(dane), dane.size());
}
