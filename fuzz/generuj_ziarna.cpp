// Writes the seed corpora of the fuzz targets, made by the program's own
// writers: 0, 1 and 1000 records of each file format.
#include "addressbook/wpisy.h"
#include "register/pliki_przelewow.h"
#include "register/przelew.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray przelewy(int wersja, int ilosc) {
    auto t = std::make_unique<TablicaPrzelewow>();
    for (int i = 0; i < ilosc; ++i) {
        Tprzelew p;
        p.nazwa_odbiorcy1 = "Odbiorca " + std::to_string(i);
        p.lk = "12";
        p.nr_banku_odbiorcy = "1020 5558";
        p.nr_rach_odbiorcy = "1111 2222 3333 4444";
        p.kwota = std::to_string(i);
        p.kwota100 = "50";
        p.data = "2026-12-09";
        p.symbol = "06";
        p.dodatkowe = "dodatkowe";
        p.czy_przelew = static_cast<std::uint8_t>(i % 2);
        t->dopisz(p);
    }
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    pisz_przelewy(bufor, wersja, *t, t->ilosc_el());
    return dane;
}

QByteArray wpisy(int ilosc) {
    auto t = std::make_unique<TablicaWpisow>();
    for (int i = 0; i < ilosc; ++i) {
        Twpis_bazy w;
        w.nazwa1 = "Wpis " + std::to_string(i);
        w.nazwa2 = "ul. Długa " + std::to_string(i);
        w.lk = "12";
        w.nr_banku = "1020 5558";
        w.nr_rach = "1111 2222 3333 4444";
        t->dodanie_elementu(w);
    }
    QByteArray dane;
    QBuffer bufor(&dane);
    bufor.open(QIODevice::WriteOnly);
    pisz_wpisy(bufor, *t);
    return dane;
}

void zapisz(const QString& folder, const QString& nazwa, const QByteArray& dane) {
    QDir().mkpath(folder);
    QFile plik(folder + u'/' + nazwa);
    if (plik.open(QIODevice::WriteOnly)) plik.write(dane);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication aplikacja(argc, argv);
    const QString cel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"ziarna"_s;
    for (int ilosc : {0, 1, 1000}) {
        const QString n = QString::number(ilosc);
        zapisz(cel + u"/fuzz_przelewy"_s, u"v1_"_s + n, QByteArray(1, '\0') + przelewy(1, ilosc));
        zapisz(cel + u"/fuzz_przelewy"_s, u"v2_"_s + n, QByteArray(1, '\1') + przelewy(2, ilosc));
        zapisz(cel + u"/fuzz_bazy"_s, n, wpisy(ilosc));
    }
    zapisz(cel + u"/fuzz_config"_s, u"pusty"_s, "[SETTINGS]\r\n");
    zapisz(cel + u"/fuzz_config"_s, u"pelny"_s,
           "[SETTINGS]\r\ntyp_formularza=1\r\nilosc_odcinkow=4\r\nuklad_strony="
           "landscape\r\ncapitals=1\r\n"
           "boxes=1\r\nmargin_top=50\r\nmargin_left=20\r\ndrukuj_oplate=1\r\noplata_wart=12,5\r\n");
    // Tens of thousands of keys, so the fuzzer starts where a slow reader shows.
    QByteArray wiele = "[SETTINGS]\r\n";
    for (int i = 0; i < 40000; ++i) wiele += "klucz" + QByteArray::number(i) + "=1\r\n";
    zapisz(cel + u"/fuzz_config"_s, u"wiele_kluczy"_s, wiele + "ilosc_odcinkow=4\r\n");
    zapisz(cel + u"/fuzz_aktualizacja"_s, u"nowa"_s,
           "1.9\r\nhttp://vandoria.example.org/Vandoria/VandoriaSetup.exe\r\nhttp://"
           "vandoria.example.org/Vandoria/update.txt\r\n");
    return 0;
}
