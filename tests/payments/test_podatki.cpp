// Taxes, ZUS and split payment without any window: identifiers, the
// micro-account, the two title structures both ways, what kind an order is
// and what the bank file and the payment code make of it.
#include "payments/elixir.h"
#include "payments/identyfikatory.h"
#include "payments/kod_platnosci.h"
#include "payments/rodzaj_zlecenia.h"
#include "payments/tytuly.h"
#include "register/konto.h"
#include "register/przelew.h"
#include "wspolne/rdzen.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Tprzelew)
Q_DECLARE_METATYPE(OkresPodatkowy)
Q_DECLARE_METATYPE(TytulPodatkowy)
Q_DECLARE_METATYPE(TytulPodzielonej)
Q_DECLARE_METATYPE(RodzajZlecenia)

namespace {

using RI = RodzajIdentyfikatora;
using RO = RodzajOkresu;

Tprzelew zlecenie(const char* odbiorca, const char* konto, const char* zlote, const char* grosze,
                  const char* tytul1, const char* tytul2 = "") {
    Tprzelew p = przelew(odbiorca, zlote, grosze, tytul1);
    p.tytulem2 = w1250(tytul2);
    const std::string k = konto;  // "CC BBBB BBBB AAAA AAAA AAAA AAAA"
    p.lk = k.substr(0, 2);
    p.nr_banku_odbiorcy = k.substr(3, 9);
    p.nr_rach_odbiorcy = k.substr(13);
    p.nr_rach_nadawcy = "51 1140 2004 0000 3502 7456 3811";
    p.nazwa_nadawcy1 = "Jan Kowalski";
    return p;
}

const char* const mikro_nip = "56 1010 0071 2222 7831 9163 6600";
const char* const konto_zus = "27 6000 0002 0261 2378 3191 6366";
const char* const konto_zwykle = "61 1090 1014 0000 0712 1981 2874";

}  // namespace

class TestPodatki : public QObject {
    Q_OBJECT

  private slots:
    // Every single-digit change of a valid number must be caught.
    void cyfry_kontrolne_identyfikatorow_data() {
        QTest::addColumn<QString>("numer");
        QTest::newRow("NIP z przykładu") << u"7831916366"_s;
        QTest::newRow("NIP inny") << u"5260250274"_s;
        QTest::newRow("NIP z zerem na końcu") << u"1234563218"_s;
        QTest::newRow("PESEL z przykładu") << u"44051401359"_s;
        QTest::newRow("PESEL urodzony po 2000") << u"02070803628"_s;
    }
    void cyfry_kontrolne_identyfikatorow() {
        QFETCH(QString, numer);
        auto poprawny = [&](const QString& n) {
            return numer.size() == 10 ? nip_poprawny(n) : pesel_poprawny(n);
        };
        QVERIFY(poprawny(numer));
        for (int i = 0; i < numer.size(); ++i)
            for (char16_t c = u'0'; c <= u'9'; ++c) {
                if (numer.at(i) == QChar(c)) continue;
                QString zly = numer;
                zly[i] = QChar(c);
                QVERIFY2(!poprawny(zly), qPrintable(zly));
            }
        QVERIFY(!poprawny(numer.left(numer.size() - 1)));
        QVERIFY(!poprawny(numer + u'0'));
    }

    void nip_z_reszta_dziesiec_nigdy() {
        // 020000000: weighted sum 10, a remainder no tenth digit can match.
        for (char16_t c = u'0'; c <= u'9'; ++c) QVERIFY(!nip_poprawny(u"020000000"_s + QChar(c)));
    }

    void mikrorachunek_data() {
        QTest::addColumn<QString>("wpisany");
        QTest::addColumn<QString>("konto");  // empty: refused
        QTest::newRow("NIP") << u"7831916366"_s << u"56 1010 0071 2222 7831 9163 6600"_s;
        QTest::newRow("NIP z łącznikami 3-3-2-2")
            << u"783-191-63-66"_s << u"56 1010 0071 2222 7831 9163 6600"_s;
        QTest::newRow("NIP z łącznikami 3-2-2-3")
            << u"783-19-16-366"_s << u"56 1010 0071 2222 7831 9163 6600"_s;
        QTest::newRow("PESEL") << u"44051401359"_s << u"27 1010 0071 2221 4405 1401 3590"_s;
        QTest::newRow("NIP zła cyfra kontrolna") << u"7831916367"_s << QString();
        QTest::newRow("PESEL zła cyfra kontrolna") << u"44051401358"_s << QString();
        QTest::newRow("9 cyfr") << u"783191636"_s << QString();
        QTest::newRow("12 cyfr") << u"783191636600"_s << QString();
        QTest::newRow("litera") << u"78319l6366"_s << QString();
        QTest::newRow("znak plus") << u"+7831916366"_s << QString();
        QTest::newRow("pusty") << QString() << QString();
    }
    void mikrorachunek() {
        QFETCH(QString, wpisany);
        QFETCH(QString, konto);
        const WynikMikrorachunku w = mikrorachunek_z_tekstu(wpisany);
        QCOMPARE(rachunek_w_grupach(w.cyfry), konto);
        QCOMPARE(w.blad.isEmpty(), !konto.isEmpty());
        if (konto.isEmpty()) return;
        // The program's own account check takes it, and reads it back.
        QVERIFY(nrb_poprawny(w.cyfry));
        const auto odczyt = czytaj_mikrorachunek(w.cyfry);
        QVERIFY(odczyt && odczyt->poprawny);
        QCOMPARE(odczyt->identyfikator, bez_lacznikow(wpisany));
    }

    void opis_rachunku_data() {
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("ostrzezenie");
        QTest::newRow("zwykły") << QString::fromLatin1(konto_zwykle) << QString() << false;
        QTest::newRow("ZUS") << QString::fromLatin1(konto_zus) << u"rachunek składkowy ZUS"_s
                             << false;
        QTest::newRow("ZUS, reszta jeszcze nie wpisana")
            << u"   6000 0002                    "_s << u"rachunek składkowy ZUS"_s << false;
        QTest::newRow("mikrorachunek NIP")
            << QString::fromLatin1(mikro_nip) << u"mikrorachunek podatkowy"_s << false;
        QTest::newRow("mikrorachunek PESEL")
            << u"27 1010 0071 2221 4405 1401 3590"_s << u"mikrorachunek podatkowy"_s << false;
        // Check digits of the account right, of the NIP inside wrong.
        QTest::newRow("mikrorachunek błędny NIP")
            << u"72 1010 0071 2222 7831 9163 6700"_s << u"mikrorachunek z błędnym numerem NIP"_s
            << true;
        QTest::newRow("niepełny mikrorachunek")
            << u"56 1010 0071 2222 7831 9163 66  "_s << QString() << false;
    }
    void opis_rachunku() {
        QFETCH(QString, konto);
        QFETCH(QString, tekst);
        QFETCH(bool, ostrzezenie);
        const OpisRachunku o = ::opis_rachunku(konto);
        QCOMPARE(o.tekst, tekst);
        QCOMPARE(o.ostrzezenie, ostrzezenie);
    }

    void okres_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<OkresPodatkowy>("okres");
        QTest::newRow("brak") << u"0"_s << OkresPodatkowy{};
        QTest::newRow("rok") << u"24R"_s << OkresPodatkowy{RO::rok, 24, 0, 0};
        QTest::newRow("półrocze") << u"24P02"_s << OkresPodatkowy{RO::polrocze, 24, 2, 0};
        QTest::newRow("kwartał") << u"24K03"_s << OkresPodatkowy{RO::kwartal, 24, 3, 0};
        QTest::newRow("miesiąc") << u"24M01"_s << OkresPodatkowy{RO::miesiac, 24, 1, 0};
        QTest::newRow("dekada") << u"24D0205"_s << OkresPodatkowy{RO::dekada, 24, 2, 5};
        QTest::newRow("dzień") << u"24J0504"_s << OkresPodatkowy{RO::dzien, 24, 5, 4};
        QTest::newRow("29 lutego przestępnego")
            << u"24J2902"_s << OkresPodatkowy{RO::dzien, 24, 29, 2};
        QTest::newRow("rok 2000") << u"00M12"_s << OkresPodatkowy{RO::miesiac, 0, 12, 0};
    }
    void okres() {
        QFETCH(QString, tekst);
        QFETCH(OkresPodatkowy, okres);
        QCOMPARE(tekst_okresu(okres), tekst);
        const auto odczyt = czytaj_okres(tekst);
        QVERIFY(odczyt);
        QCOMPARE(*odczyt, okres);
    }

    void okres_nieistniejacy_data() {
        QTest::addColumn<QString>("tekst");
        for (const char* t : {"24M13", "24M00", "24K05", "24P03", "24D0405", "24D0213", "24J3104",
                              "23J2902", "24J0000", "24R01", "24M1", "24M011", "2M01", "24X01",
                              "AAM01", "24m01", "", "00", "0R"})
            QTest::newRow(*t ? t : "pusty") << QString::fromLatin1(t);
    }
    void okres_nieistniejacy() {
        QFETCH(QString, tekst);
        QVERIFY(!czytaj_okres(tekst));
    }

    void okresy_jednym_kliknieciem_data() {
        QTest::addColumn<QDate>("dzis");
        QTest::addColumn<QStringList>("okresy");  // this month, last month, quarter, year
        QTest::newRow("styczeń") << QDate(2025, 1, 15)
                                 << QStringList{u"25M01"_s, u"24M12"_s, u"25K01"_s, u"25R"_s};
        QTest::newRow("31 maja") << QDate(2024, 5, 31)
                                 << QStringList{u"24M05"_s, u"24M04"_s, u"24K02"_s, u"24R"_s};
        QTest::newRow("grudzień") << QDate(2099, 12, 1)
                                  << QStringList{u"99M12"_s, u"99M11"_s, u"99K04"_s, u"99R"_s};
    }
    void okresy_jednym_kliknieciem() {
        QFETCH(QDate, dzis);
        QFETCH(QStringList, okresy);
        QCOMPARE(
            (QStringList{tekst_okresu(ten_miesiac(dzis)), tekst_okresu(poprzedni_miesiac(dzis)),
                         tekst_okresu(ten_kwartal(dzis)), tekst_okresu(ten_rok(dzis))}),
            okresy);
    }

    // Built, the lines are as banks expect them; read back, the values are
    // as the builder wrote them.
    void tytul_podatkowy_w_obie_strony_data() {
        QTest::addColumn<TytulPodatkowy>("tytul");
        QTest::addColumn<QString>("linia1");
        QTest::addColumn<QString>("linia2");
        QTest::newRow("NIP z łącznikami, VAT-7")
            << TytulPodatkowy{RI::nip, u"783-191-63-66"_s, {RO::miesiac, 24, 1, 0}, u"vat-7"_s, {}}
            << u"/TI/N7831916366/OKR/24M01/SFP/VAT-7"_s << QString();
        QTest::newRow("PESEL, rok, identyfikacja z ukośnikami")
            << TytulPodatkowy{RI::pesel,
                              u"44051401359"_s,
                              {RO::rok, 23, 0, 0},
                              u"PIT-37"_s,
                              u"FV/1/2024"_s}
            << u"/TI/P44051401359/OKR/23R/SFP/PIT-37"_s << u"/TXT/FV/1/2024"_s;
        QTest::newRow("REGON, kwartał, symbol skrócony bez łącznika")
            << TytulPodatkowy{RI::regon, u"123456785"_s, {RO::kwartal, 24, 3, 0}, u"PIT-36L"_s, {}}
            << u"/TI/R123456785/OKR/24K03/SFP/PIT36L"_s << QString();
        QTest::newRow("dowód, półrocze")
            << TytulPodatkowy{RI::dowod, u"abc123456"_s, {RO::polrocze, 24, 1, 0}, u"PPL"_s, {}}
            << u"/TI/1ABC123456/OKR/24P01/SFP/PPL"_s << QString();
        QTest::newRow("paszport, dekada")
            << TytulPodatkowy{RI::paszport,
                              u"EA1234567"_s,
                              {RO::dekada, 24, 2, 5},
                              u"PIT-4R"_s,
                              u"zaległość"_s}
            << u"/TI/2EA1234567/OKR/24D0205/SFP/PIT-4R"_s << u"/TXT/zaległość"_s;
        QTest::newRow("inny dokument, dzień, 14 znaków")
            << TytulPodatkowy{RI::inny, u"ABCDEFGHIJ1234"_s, {RO::dzien, 24, 5, 4}, u"CIT-8"_s, {}}
            << u"/TI/3ABCDEFGHIJ1234/OKR/24J0504/SFP/CIT-8"_s << QString();
        QTest::newRow("bez okresu")
            << TytulPodatkowy{RI::nip, u"5260250274"_s, {}, u"PCC-3"_s, u"/TXT/ w środku"_s}
            << u"/TI/N5260250274/OKR/0/SFP/PCC-3"_s << u"/TXT//TXT/ w środku"_s;
    }
    void tytul_podatkowy_w_obie_strony() {
        QFETCH(TytulPodatkowy, tytul);
        QFETCH(QString, linia1);
        QFETCH(QString, linia2);
        QCOMPARE(blad_tytulu_podatkowego(tytul), QString());
        const LinieTytulu linie = tytul_podatkowy(tytul);
        QCOMPARE(linie.linia1, linia1);
        QCOMPARE(linie.linia2, linia2);
        const auto odczyt = czytaj_tytul_podatkowy(linie.linia1 + linie.linia2);
        QVERIFY(odczyt);
        QCOMPARE(odczyt->rodzaj, tytul.rodzaj);
        QCOMPARE(odczyt->okres, tytul.okres);
        QCOMPARE(odczyt->identyfikacja, tytul.identyfikacja);
        QCOMPARE(tytul_podatkowy(*odczyt), linie);
    }

    void tytul_podatkowy_nieczytelny_data() {
        QTest::addColumn<QString>("tytul");
        QTest::newRow("bez okresu") << u"/TI/N7831916366/SFP/VAT-7"_s;
        QTest::newRow("bez formularza") << u"/TI/N7831916366/OKR/24M01"_s;
        QTest::newRow("znaczniki zamienione") << u"/TI/N7831916366/SFP/VAT-7/OKR/24M01"_s;
        QTest::newRow("nieznany typ") << u"/TI/X7831916366/OKR/24M01/SFP/VAT-7"_s;
        QTest::newRow("sam typ") << u"/TI/N/OKR/24M01/SFP/VAT-7"_s;
        QTest::newRow("identyfikator 15 znaków") << u"/TI/3ABCDEFGHIJ12345/OKR/24M01/SFP/X"_s;
        QTest::newRow("miesiąc 13") << u"/TI/N7831916366/OKR/24M13/SFP/VAT-7"_s;
        QTest::newRow("pusty symbol") << u"/TI/N7831916366/OKR/24M01/SFP/"_s;
        QTest::newRow("tekst przed") << u"Podatek /TI/N7831916366/OKR/24M01/SFP/VAT-7"_s;
    }
    void tytul_podatkowy_nieczytelny() {
        QFETCH(QString, tytul);
        QVERIFY(!czytaj_tytul_podatkowy(tytul));
    }

    void tytul_podatkowy_odmowy_data() {
        QTest::addColumn<TytulPodatkowy>("tytul");
        QTest::addColumn<QString>("blad");
        const OkresPodatkowy m{RO::miesiac, 24, 1, 0};
        QTest::newRow("NIP zła cyfra")
            << TytulPodatkowy{RI::nip, u"7831916367"_s, m, u"VAT-7"_s, {}}
            << u"Numer NIP ma błędną cyfrę kontrolną"_s;
        QTest::newRow("NIP za krótki")
            << TytulPodatkowy{RI::nip, u"783191636"_s, m, u"VAT-7"_s, {}} << u"NIP ma 10 cyfr"_s;
        QTest::newRow("PESEL zła cyfra")
            << TytulPodatkowy{RI::pesel, u"44051401358"_s, m, u"PIT-37"_s, {}}
            << u"Numer PESEL ma błędną cyfrę kontrolną"_s;
        QTest::newRow("brak numeru")
            << TytulPodatkowy{RI::regon, u"  "_s, m, u"VAT-7"_s, {}} << u"Podaj numer"_s;
        QTest::newRow("ukośnik w identyfikatorze")
            << TytulPodatkowy{RI::inny, u"AB/12"_s, m, u"VAT-7"_s, {}} << u"najwyżej 14 znaków"_s;
        QTest::newRow("okres nie istnieje")
            << TytulPodatkowy{RI::nip, u"7831916366"_s, {RO::dzien, 23, 29, 2}, u"VAT-7"_s, {}}
            << u"okres nie istnieje"_s;
        QTest::newRow("brak symbolu")
            << TytulPodatkowy{RI::nip, u"7831916366"_s, m, u" "_s, {}} << u"Podaj symbol"_s;
        QTest::newRow("symbol za długi nawet bez łącznika")
            << TytulPodatkowy{RI::nip, u"7831916366"_s, m, u"VAT-UEKX"_s, {}} << u"najwyżej 6"_s;
        QTest::newRow("identyfikacja 21 znaków")
            << TytulPodatkowy{RI::nip, u"7831916366"_s, m, u"VAT-7"_s, QString(21, u'x')}
            << u"najwyżej 20"_s;
    }
    void tytul_podatkowy_odmowy() {
        QFETCH(TytulPodatkowy, tytul);
        QFETCH(QString, blad);
        const QString jest = blad_tytulu_podatkowego(tytul);
        QVERIFY2(jest.contains(blad, Qt::CaseInsensitive), qPrintable(jest));
    }

    void kwota_vat_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<qint64>("grosze");  // -1: refused
        QTest::newRow("całe") << u"23"_s << qint64(2300);
        QTest::newRow("przecinek") << u"23,00"_s << qint64(2300);
        QTest::newRow("kropka, jedna cyfra") << u"23.5"_s << qint64(2350);
        QTest::newRow("przecinek na końcu") << u"23,"_s << qint64(2300);
        QTest::newRow("odstęp tysięcy") << u"1 234,56"_s << qint64(123456);
        QTest::newRow("zero") << u"0"_s << qint64(0);
        QTest::newRow("trzy cyfry groszy") << u"23,001"_s << qint64(-1);
        QTest::newRow("minus") << u"-23"_s << qint64(-1);
        QTest::newRow("litery") << u"23 zł"_s << qint64(-1);
        QTest::newRow("pusty") << QString() << qint64(-1);
    }
    void kwota_vat() {
        QFETCH(QString, tekst);
        QFETCH(qint64, grosze);
        QCOMPARE(czytaj_kwote_vat(tekst).value_or(-1), grosze);
    }

    void tytul_podzielonej_w_obie_strony_data() {
        QTest::addColumn<TytulPodzielonej>("tytul");
        QTest::addColumn<QString>("linia1");
        QTest::addColumn<QString>("linia2");
        QTest::newRow("z tekstem, numer z ukośnikami")
            << TytulPodzielonej{2300, u"783-191-63-66"_s, u"FV/1/2024"_s, u"zamówienie 7/24"_s}
            << u"/VAT/23,00/IDC/7831916366"_s << u"/INV/FV/1/2024/TXT/zamówienie 7/24"_s;
        QTest::newRow("bez tekstu, grosze")
            << TytulPodzielonej{123405, u"5260250274"_s, u"12/2024"_s, {}}
            << u"/VAT/1234,05/IDC/5260250274"_s << u"/INV/12/2024"_s;
        QTest::newRow("numer faktury 35 znaków")
            << TytulPodzielonej{1, u"5260250274"_s, QString(35, u'F'), {}}
            << u"/VAT/0,01/IDC/5260250274"_s << u"/INV/"_s + QString(35, u'F');
    }
    void tytul_podzielonej_w_obie_strony() {
        QFETCH(TytulPodzielonej, tytul);
        QFETCH(QString, linia1);
        QFETCH(QString, linia2);
        QCOMPARE(blad_tytulu_podzielonej(tytul), QString());
        const LinieTytulu linie = tytul_podzielonej(tytul);
        QCOMPARE(linie.linia1, linia1);
        QCOMPARE(linie.linia2, linia2);
        const auto odczyt = czytaj_tytul_podzielonej(linie.linia1 + linie.linia2);
        QVERIFY(odczyt);
        QCOMPARE(odczyt->vat_grosze, tytul.vat_grosze);
        QCOMPARE(odczyt->faktura, tytul.faktura);
        QCOMPARE(odczyt->tekst, tytul.tekst);
        QCOMPARE(tytul_podzielonej(*odczyt), linie);
    }

    void tytul_podzielonej_nieczytelny_data() {
        QTest::addColumn<QString>("tytul");
        QTest::newRow("VAT bez groszy") << u"/VAT/23/IDC/7831916366/INV/1"_s;
        QTest::newRow("VAT z kropką") << u"/VAT/23.00/IDC/7831916366/INV/1"_s;
        QTest::newRow("bez IDC") << u"/VAT/23,00/INV/1"_s;
        QTest::newRow("bez INV") << u"/VAT/23,00/IDC/7831916366"_s;
        QTest::newRow("pusta faktura") << u"/VAT/23,00/IDC/7831916366/INV/"_s;
        QTest::newRow("pusty NIP") << u"/VAT/23,00/IDC//INV/1"_s;
    }
    void tytul_podzielonej_nieczytelny() {
        QFETCH(QString, tytul);
        QVERIFY(!czytaj_tytul_podzielonej(tytul));
    }

    void tytul_podzielonej_odmowy_data() {
        QTest::addColumn<TytulPodzielonej>("tytul");
        QTest::addColumn<qint64>("brutto");  // -1: unknown
        QTest::addColumn<QString>("blad");
        QTest::newRow("brak kwoty VAT")
            << TytulPodzielonej{-1, u"7831916366"_s, u"1"_s, {}} << qint64(-1) << u"kwotę VAT"_s;
        QTest::newRow("VAT większy niż brutto")
            << TytulPodzielonej{12301, u"7831916366"_s, u"1"_s, {}} << qint64(12300)
            << u"większa niż kwota przelewu"_s;
        QTest::newRow("NIP dostawcy zła cyfra")
            << TytulPodzielonej{2300, u"7831916367"_s, u"1"_s, {}} << qint64(-1)
            << u"błędną cyfrę kontrolną"_s;
        QTest::newRow("brak faktury") << TytulPodzielonej{2300, u"7831916366"_s, u" "_s, {}}
                                      << qint64(-1) << u"numer faktury"_s;
        QTest::newRow("faktura 36 znaków")
            << TytulPodzielonej{2300, u"7831916366"_s, QString(36, u'F'), {}} << qint64(-1)
            << u"najwyżej 35"_s;
    }
    void tytul_podzielonej_odmowy() {
        QFETCH(TytulPodzielonej, tytul);
        QFETCH(qint64, brutto);
        QFETCH(QString, blad);
        const QString jest = blad_tytulu_podzielonej(
            tytul, brutto < 0 ? std::nullopt : std::optional<qint64>(brutto));
        QVERIFY2(jest.contains(blad, Qt::CaseInsensitive), qPrintable(jest));
        // VAT equal to the gross amount is still a payment.
        QCOMPARE(blad_tytulu_podzielonej({12300, u"7831916366"_s, u"1"_s, {}}, 12300), QString());
    }

    // What a bank gets: the whole line of each kind, byte for byte.
    void rodzaj_i_linia_elixir_data() {
        QTest::addColumn<Tprzelew>("przelew");
        QTest::addColumn<RodzajZlecenia>("rodzaj");
        QTest::addColumn<QByteArray>("linia");
        QTest::newRow("podatek")
            << zlecenie("Urząd Skarbowy", mikro_nip, "1234", "00",
                        "/TI/N7831916366/OKR/26M11/SFP/VAT-7", "/TXT/FV/11/2026")
            << RodzajZlecenia::podatek
            << QByteArray(
                   "110,20261210,123400,11402004,0,\"51114020040000350274563811\","
                   "\"56101000712222783191636600\",\"Jan Kowalski\",\"Urz\xb9"
                   "d Skarbowy\","
                   "0,10100071,\"/TI/N7831916366/OKR/26M11/SFP/VAT-7|/TXT/FV/11/2026\","
                   "\"\",\"\",\"71\"\r\n");
        QTest::newRow("podzielona płatność")
            << zlecenie("Hurtownia Zefir", konto_zwykle, "123", "00", "/VAT/23,00/IDC/7831916366",
                        "/INV/FV/1/2026/TXT/zamowienie 7")
            << RodzajZlecenia::podzielona
            << QByteArray(
                   "110,20261210,12300,11402004,0,\"51114020040000350274563811\","
                   "\"61109010140000071219812874\",\"Jan Kowalski\",\"Hurtownia Zefir\","
                   "0,10901014,\"/VAT/23,00/IDC/7831916366|/INV/FV/1/2026/TXT/zamowienie 7\","
                   "\"\",\"\",\"53\"\r\n");
        QTest::newRow("składka ZUS")
            << zlecenie("ZUS", konto_zus, "1600", "32", "Skladki 11/2026")
            << RodzajZlecenia::skladka_zus
            << QByteArray(
                   "110,20261210,160032,11402004,0,\"51114020040000350274563811\","
                   "\"27600000020261237831916366\",\"Jan Kowalski\",\"ZUS\",0,60000002,"
                   "\"Skladki 11/2026\",\"\",\"\",\"51\"\r\n");
        QTest::newRow("zwykły z ukośnikiem w tytule")
            << zlecenie("Gaz", konto_zwykle, "10", "00", "Faktura /TI/ 7") << RodzajZlecenia::zwykle
            << QByteArray(
                   "110,20261210,1000,11402004,0,\"51114020040000350274563811\","
                   "\"61109010140000071219812874\",\"Jan Kowalski\",\"Gaz\",0,10901014,"
                   "\"Faktura /TI/ 7\",\"\",\"\",\"51\"\r\n");
    }
    void rodzaj_i_linia_elixir() {
        QFETCH(Tprzelew, przelew);
        QFETCH(RodzajZlecenia, rodzaj);
        QFETCH(QByteArray, linia);
        QCOMPARE(rodzaj_zlecenia(przelew), rodzaj);
        QCOMPARE(powod_pominiecia_elixir(przelew), QString());
        QCOMPARE(linia_elixir(przelew, QDate(2026, 12, 10)), linia);
    }

    // A title that starts as a structure but is not one would be paid and
    // booked to nobody: the bank file leaves it out and says why.
    void zepsuta_budowa_tytulu_pominieta_data() {
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<QString>("powod");
        QTest::newRow("podatek bez okresu") << u"/TI/N7831916366/SFP/VAT-7"_s << u"/TI/"_s;
        QTest::newRow("MPP bez faktury") << u"/VAT/23,00/IDC/7831916366"_s << u"/VAT/"_s;
    }
    void zepsuta_budowa_tytulu_pominieta() {
        QFETCH(QString, tytul);
        QFETCH(QString, powod);
        Tprzelew p = zlecenie("Urząd", konto_zwykle, "10", "00", "");
        p.tytulem1 = Tekst<150>::z_unicode(tytul);
        QCOMPARE(rodzaj_zlecenia(p), RodzajZlecenia::zwykle);
        QVERIFY(powod_pominiecia_elixir(p).contains(powod));
    }

    void kod_platnosci_nie_dla_podatku_i_mpp_data() {
        QTest::addColumn<Tprzelew>("przelew");
        QTest::addColumn<QString>("powod");  // empty: a code is given
        QTest::newRow("podatek") << zlecenie("US", mikro_nip, "10", "00",
                                             "/TI/N7831916366/OKR/26M11/SFP/VAT-7")
                                 << u"przelew podatkowy"_s;
        QTest::newRow("MPP") << zlecenie("Zefir", konto_zwykle, "10", "00",
                                         "/VAT/2,00/IDC/7831916366", "/INV/1")
                             << u"podzielona płatność"_s;
        QTest::newRow("ZUS, zwykły przelew")
            << zlecenie("ZUS", konto_zus, "10", "00", "Skladki") << QString();
    }
    void kod_platnosci_nie_dla_podatku_i_mpp() {
        QFETCH(Tprzelew, przelew);
        QFETCH(QString, powod);
        const KodPlatnosci kod = kod_platnosci(przelew);
        QCOMPARE(kod.jest(), powod.isEmpty());
        QVERIFY2(kod.powod.contains(powod), qPrintable(kod.powod));
    }

    void zastosowanie_tytulu_podatkowego_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<TytulPodatkowy>("tytul");
        QTest::addColumn<bool>("na_mikrorachunek");
        QTest::addColumn<QString>("nazwa_po");
        QTest::addColumn<QString>("konto_po");
        const OkresPodatkowy m{RO::miesiac, 26, 11, 0};
        const TytulPodatkowy nip{RI::nip, u"783-191-63-66"_s, m, u"VAT-7"_s, {}};
        QTest::newRow("pusta nazwa, mikrorachunek")
            << u" "_s << nip << true << u"Urząd Skarbowy"_s << QString::fromLatin1(mikro_nip);
        QTest::newRow("nazwa zostaje, konto zostaje bez mikrorachunku")
            << u"US Kraków"_s << nip << false << u"US Kraków"_s
            << QString::fromLatin1(konto_zwykle);
        QTest::newRow("REGON nie ma mikrorachunku")
            << u"US"_s << TytulPodatkowy{RI::regon, u"123456785"_s, m, u"CIT-8"_s, {}} << true
            << u"US"_s << QString::fromLatin1(konto_zwykle);
    }
    void zastosowanie_tytulu_podatkowego() {
        QFETCH(QString, nazwa);
        QFETCH(TytulPodatkowy, tytul);
        QFETCH(bool, na_mikrorachunek);
        QFETCH(QString, nazwa_po);
        QFETCH(QString, konto_po);
        Tprzelew p = zlecenie("", konto_zwykle, "10", "00", "stary tytuł", "druga linia");
        p.nazwa_odbiorcy1 = Tekst<150>::z_unicode(nazwa);
        zastosuj_tytul_podatkowy(p, tytul, na_mikrorachunek);
        QCOMPARE(p.nazwa_odbiorcy1.na_unicode(), nazwa_po);
        QCOMPARE(cp1250::na_unicode(p.konto_odbiorcy()), konto_po);
        QCOMPARE(p.tytulem1.na_unicode(), tytul_podatkowy(tytul).linia1);
        QCOMPARE(p.tytulem2.na_unicode(), QString());  // the old second line does not stay
        QCOMPARE(rodzaj_zlecenia(p), RodzajZlecenia::podatek);
    }
};

QTEST_GUILESS_MAIN(TestPodatki)
#include "test_podatki.moc"
