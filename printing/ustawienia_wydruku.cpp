#include "printing/ustawienia_wydruku.h"

#include "register/bezpieczny_zapis.h"

#include "register/folder_programu.h"
#include "register/kwota.h"
#include "register/odczyt_pliku.h"
#include "register/tekst.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString tekst(QByteArrayView bajty) {
    return cp1250::na_unicode(
        std::string_view(bajty.data(), static_cast<std::size_t>(bajty.size())));
}

QByteArrayList linie(QByteArray tresc) {
    // A file saved by an editor that marks UTF-8 still has plain ASCII keys.
    if (tresc.startsWith("\xEF\xBB\xBF")) tresc.remove(0, 3);
    QByteArrayList wynik = tresc.split('\n');
    for (QByteArray& l : wynik)
        if (l.endsWith('\r')) l.chop(1);
    if (!wynik.isEmpty() && wynik.last().isEmpty()) wynik.removeLast();
    return wynik;
}

// The section's name when the line opens a section.
std::optional<QString> naglowek_sekcji(const QByteArray& linia) {
    const QByteArray t = linia.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const qsizetype koniec = t.indexOf(']');
    if (koniec < 0) return std::nullopt;
    return tekst(QByteArrayView(t).sliced(1, koniec - 1)).trimmed();
}

// Key and value of a "key=value" line; comments and other lines give nothing.
std::optional<std::pair<QString, QString>> para(const QByteArray& linia) {
    const QByteArray t = linia.trimmed();
    if (t.isEmpty() || t.startsWith(';')) return std::nullopt;
    const qsizetype rowna = t.indexOf('=');
    if (rowna <= 0) return std::nullopt;
    const QByteArray k = t.left(rowna).trimmed();
    QByteArray w = t.mid(rowna + 1).trimmed();
    if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
        w = w.mid(1, w.size() - 2);
    return std::pair{tekst(k), tekst(w)};
}

// A missing file is no error; a link whose file is gone is one, since the
// user's settings are somewhere out of reach.
bool czytelny_stan(const QString& sciezka, StanOtwarcia stan) {
    if (stan == StanOtwarcia::brak_pliku) return !QFileInfo(sciezka).isSymLink();
    return stan == StanOtwarcia::ok;
}

// Keys compare without regard to case. Most are plain ASCII and need no
// conversion; any other is folded as text. The two kinds never meet: only the
// second holds bytes above 127.
QByteArray klucz_hasha(QByteArrayView cp1250) {
    if (std::all_of(cp1250.begin(), cp1250.end(), [](char c) { return c >= 0; }))
        return cp1250.toByteArray().toLower();
    return ::tekst(cp1250).toCaseFolded().toUtf8();
}

QByteArray klucz_hasha(const QString& klucz) {
    if (std::all_of(klucz.begin(), klucz.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return klucz.toLatin1().toLower();
    return klucz.toCaseFolded().toUtf8();
}

bool ta_sama_nazwa(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray bajty(const QString& tekst) {
    const std::string b = cp1250::z_unicode(tekst);
    return QByteArray(b.data(), static_cast<qsizetype>(b.size()));
}

}  // namespace

PlikIni PlikIni::z_tekstu(const QByteArray& tresc, const QString& sekcja) {
    // One pass over views of the text, a hash of keys, and values turned into
    // text only when asked for: a hand-made file of many thousands of keys
    // must read in linear time and with few allocations.
    PlikIni ini;
    ini.tresc_ = tresc;  // shared, not copied: the values are read from it
    QByteArrayView reszta(ini.tresc_);
    if (reszta.startsWith("\xEF\xBB\xBF")) reszta = reszta.sliced(3);
    bool w_sekcji = false;
    while (!reszta.isEmpty()) {
        const qsizetype koniec = reszta.indexOf('\n');
        const QByteArrayView linia = (koniec < 0 ? reszta : reszta.first(koniec)).trimmed();
        reszta = koniec < 0 ? QByteArrayView() : reszta.sliced(koniec + 1);
        if (linia.startsWith('[')) {
            const qsizetype zamkniecie = linia.indexOf(']');
            if (zamkniecie >= 0) {
                w_sekcji =
                    ta_sama_nazwa(::tekst(linia.sliced(1, zamkniecie - 1)).trimmed(), sekcja);
                continue;
            }
        }
        if (!w_sekcji || linia.isEmpty() || linia.startsWith(';')) continue;
        const qsizetype rowna = linia.indexOf('=');
        if (rowna <= 0) continue;
        QByteArray klucz = klucz_hasha(linia.first(rowna).trimmed());
        if (ini.klucze_.contains(klucz)) continue;
        QByteArrayView w = linia.sliced(rowna + 1).trimmed();
        if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
            w = w.sliced(1, w.size() - 2);
        ini.klucze_.insert(std::move(klucz), {w.data() - ini.tresc_.constData(), w.size()});
    }
    return ini;
}

PlikIni PlikIni::wczytaj(const QString& sciezka, const QString& sekcja, bool* czytelny) {
    StanOtwarcia stan = StanOtwarcia::ok;
    const QByteArray tresc = czytaj_plik_zwykly(sciezka, najwiecej_bajtow, &stan);
    if (czytelny) *czytelny = czytelny_stan(sciezka, stan);
    if (stan != StanOtwarcia::ok) return {};
    return z_tekstu(tresc, sekcja);
}

std::optional<QString> PlikIni::wartosc(const QString& klucz) const {
    const auto it = klucze_.constFind(klucz_hasha(klucz));
    if (it == klucze_.cend()) return std::nullopt;
    return ::tekst(QByteArrayView(tresc_).sliced(it->first, it->second));
}

QString PlikIni::tekst(const QString& klucz, const QString& domyslny) const {
    return wartosc(klucz).value_or(domyslny);
}

int PlikIni::liczba_calkowita(const QString& klucz, int domyslna) const {
    const auto w = wartosc(klucz);
    if (!w) return domyslna;
    return ::liczba_calkowita(QStringView(*w)).value_or(domyslna);
}

bool PlikIni::logiczna(const QString& klucz, bool domyslna) const {
    return liczba_calkowita(klucz, domyslna ? 1 : 0) != 0;
}

double PlikIni::liczba(const QString& klucz, double domyslna) const {
    const auto w = wartosc(klucz);
    if (!w) return domyslna;
    return czytaj_liczbe(*w).value_or(domyslna);
}

std::optional<double> czytaj_liczbe(const QString& tekst) {
    QString t = tekst.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString tekst_liczby(double wartosc) {
    // Fifteen significant digits hide the binary noise of repeated 0.1 steps
    // (0.1 + 0.2 is 0,3, not 0,30000000000000004).
    QString t = QString::number(wartosc, 'g', 15);
    if (t.contains(u'e')) {
        // Never an exponent: a hand-edited fee of 1e-5 still reads as digits.
        t = QString::number(wartosc, 'f', 15);
        if (t.contains(u'.')) {
            while (t.endsWith(u'0')) t.chop(1);
            if (t.endsWith(u'.')) t.chop(1);
        }
    }
    if (t == u"-0") t = u"0"_s;
    t.replace(u'.', u',');
    return t;
}

UstawieniaWydruku czytaj_ustawienia_wydruku(const QString& sciezka, bool* czytelny) {
    StanOtwarcia stan = StanOtwarcia::ok;
    const QByteArray tresc = czytaj_plik_zwykly(sciezka, PlikIni::najwiecej_bajtow, &stan);
    if (czytelny) *czytelny = czytelny_stan(sciezka, stan);
    if (stan != StanOtwarcia::ok)
        return czytaj_ustawienia_wydruku(static_cast<const PlikIni*>(nullptr));
    const PlikIni ini = PlikIni::z_tekstu(tresc);
    return czytaj_ustawienia_wydruku(&ini);
}

UstawieniaWydruku czytaj_ustawienia_wydruku(const PlikIni* ini) {
    UstawieniaWydruku u;  // the defaults of a missing file
    if (ini) {
        namespace k = klucze_ustawien;
        u.typ_formularza = ini->liczba_calkowita(k::typ_formularza, 2);
        u.ilosc_odcinkow = ini->liczba_calkowita(k::ilosc_odcinkow, 2);
        u.uklad_strony = ini->tekst(k::uklad_strony, k::pionowy);
        u.capitals = ini->logiczna(k::capitals, true);
        u.margin_top = ini->liczba_calkowita(k::margin_top, 50);
        u.margin_left = ini->liczba_calkowita(k::margin_left, 50);
        u.drukuj_oplate = ini->logiczna(k::drukuj_oplate, false);
        u.oplata_wart = tekst_liczby(ini->liczba(k::oplata_wart, 2.5));
        u.boxes = ini->logiczna(k::boxes, false);
    }

    if (u.ilosc_odcinkow != 1 && u.ilosc_odcinkow != 2 && u.ilosc_odcinkow != 4)
        u.ilosc_odcinkow = 2;
    if (u.uklad_strony != klucze_ustawien::poziomy && u.uklad_strony != klucze_ustawien::pionowy)
        u.uklad_strony = klucze_ustawien::poziomy;
    if (u.margin_top > 1000 || u.margin_top < 0) u.margin_top = 50;
    if (u.margin_left > 1000 || u.margin_left < 0) u.margin_left = 50;
    return u;
}

UstawieniaWydruku czytaj_ustawienia_wydruku(bool* czytelny) {
    return czytaj_ustawienia_wydruku(plik_programu(klucze_ustawien::plik), czytelny);
}

ZapisUstawien::ZapisUstawien(QString sciezka, QString sekcja)
    : sciezka_(std::move(sciezka)), sekcja_(std::move(sekcja)) {}

ZapisUstawien::ZapisUstawien() : ZapisUstawien(plik_programu(klucze_ustawien::plik)) {}

bool ZapisUstawien::zapisz_tekst(const QString& klucz, const QString& wartosc) {
    QByteArrayList l;
    QFile plik;
    switch (otworz_plik_zwykly(plik, sciezka_)) {
        case StanOtwarcia::brak_pliku:
            // A dangling link would be replaced by a file of its own name.
            if (QFileInfo(sciezka_).isSymLink()) return false;
            break;
        case StanOtwarcia::ok: {
            // A file the user made read-only is not replaced behind their back.
            if (!(QFileInfo(sciezka_).permissions() & QFileDevice::WriteOwner)) return false;
            const QByteArray tresc = plik.read(PlikIni::najwiecej_bajtow + 1);
            // Rewriting only the part that was read would cut the file.
            if (plik.error() != QFileDevice::NoError || tresc.size() > PlikIni::najwiecej_bajtow)
                return false;
            plik.close();
            l = linie(tresc);
            break;
        }
        case StanOtwarcia::nie_plik:  // a FIFO or a device is never turned into a file
        case StanOtwarcia::blad:
            return false;
    }

    const QByteArray nowa = bajty(klucz) + '=' + bajty(wartosc);
    qsizetype poczatek = -1;      // the section's header line
    qsizetype koniec = l.size();  // the line after the section's last key
    for (qsizetype i = 0; i < l.size(); ++i) {
        if (const auto nazwa = naglowek_sekcji(l[i])) {
            if (poczatek >= 0) break;
            if (ta_sama_nazwa(*nazwa, sekcja_)) {
                poczatek = i;
                koniec = i + 1;
            }
            continue;
        }
        if (poczatek < 0) continue;
        if (const auto p = para(l[i])) {
            if (ta_sama_nazwa(p->first, klucz)) {
                l[i] = nowa;
                koniec = -1;
                break;
            }
        }
        if (!l[i].trimmed().isEmpty()) koniec = i + 1;
    }
    if (poczatek < 0) {
        if (!l.isEmpty() && !l.last().trimmed().isEmpty()) l.append(QByteArray());
        l.append('[' + bajty(sekcja_) + ']');
        l.append(nowa);
    } else if (koniec >= 0) {
        l.insert(koniec, nowa);
    }

    return zapisz_bezpiecznie(sciezka_, [&](QIODevice& wyjscie) {
        for (const QByteArray& linia : l)
            if (wyjscie.write(linia + "\r\n") != linia.size() + 2) return false;
        return true;
    });
}

bool ZapisUstawien::zapisz_liczbe_calkowita(const QString& klucz, int wartosc) {
    return zapisz_tekst(klucz, QString::number(wartosc));
}

bool ZapisUstawien::zapisz_logiczna(const QString& klucz, bool wartosc) {
    return zapisz_tekst(klucz, wartosc ? u"1"_s : u"0"_s);
}

bool ZapisUstawien::zapisz_liczbe(const QString& klucz, double wartosc) {
    return zapisz_tekst(klucz, tekst_liczby(wartosc));
}
