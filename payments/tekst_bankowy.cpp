#include "payments/tekst_bankowy.h"

#include "register/tekst.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

using namespace Qt::StringLiterals;

namespace {

const char* nazwa_qt(KodowanieBanku k) {
    switch (k) {
        case KodowanieBanku::cp1250:
            return "windows-1250";
        case KodowanieBanku::iso8859_2:
            return "ISO-8859-2";
        case KodowanieBanku::cp852:
            return "IBM852";
        case KodowanieBanku::utf8:
            break;
    }
    return "UTF-8";
}

// The characters of a one-byte code page, byte by byte, from Qt's own
// converter (ICU); Windows-1250 comes from the program's table, as the files
// have it.
struct KodStronicowy {
    std::array<char32_t, 256> znaki{};
    bool jest = false;
};

KodStronicowy strona(KodowanieBanku k) {
    KodStronicowy s;
    QStringDecoder dekoder(nazwa_qt(k));
    if (!dekoder.isValid()) return s;
    for (int b = 0; b < 256; ++b) {
        const char bajt = char(b);
        const QString z = dekoder.decode(QByteArrayView(&bajt, 1));
        s.znaki[b] = z.size() == 1 ? z.at(0).unicode() : 0;
    }
    s.jest = true;
    return s;
}

const KodStronicowy& strona_kodowa(KodowanieBanku k) {
    static const KodStronicowy iso = strona(KodowanieBanku::iso8859_2);
    static const KodStronicowy dos = strona(KodowanieBanku::cp852);
    return k == KodowanieBanku::cp852 ? dos : iso;
}

bool dozwolony_znak(char32_t z) {
    return (z >= U'0' && z <= U'9') || z == U' ' || z == U'.' || z == U',' || z == U'-' ||
           z == U'/' || z == U'(' || z == U')' || z == U'?';
}

// The letter without its diacritics when the encoding stores what is left.
QString bez_znakow_diakrytycznych(char32_t litera, KodowanieBanku k) {
    const QString rozlozona =
        QString::fromUcs4(&litera, 1).normalized(QString::NormalizationForm_D);
    QString wynik;
    for (const char32_t z : rozlozona.toUcs4()) {
        if (QChar::category(z) == QChar::Mark_NonSpacing) continue;
        if (!QChar::isLetter(z) || !da_sie_zakodowac(z, k)) return {};
        wynik += QString::fromUcs4(&z, 1);
    }
    return wynik;
}

}  // namespace

const QList<OpisKodowania>& kodowania_banku() {
    // A Qt built without ICU has no converter for the two; they are not offered.
    static const QList<OpisKodowania> lista = [] {
        QList<OpisKodowania> wszystkie{
            {KodowanieBanku::cp1250, u"cp1250"_s, u"Windows-1250 (większość banków)"_s},
            {KodowanieBanku::iso8859_2, u"iso-8859-2"_s, u"ISO-8859-2 (Latin-2)"_s},
            {KodowanieBanku::cp852, u"cp852"_s, u"CP852 (DOS Latin-2)"_s},
            {KodowanieBanku::utf8, u"utf-8"_s, u"UTF-8 (bez BOM)"_s},
        };
        wszystkie.removeIf([](const OpisKodowania& o) {
            return (o.kodowanie == KodowanieBanku::iso8859_2 ||
                    o.kodowanie == KodowanieBanku::cp852) &&
                   !strona_kodowa(o.kodowanie).jest;
        });
        return wszystkie;
    }();
    return lista;
}

QString nazwa_kodowania(KodowanieBanku kodowanie) {
    for (const OpisKodowania& o : kodowania_banku())
        if (o.kodowanie == kodowanie) return o.nazwa;
    return {};
}

std::optional<KodowanieBanku> kodowanie_z_nazwy(const QString& nazwa) {
    for (const OpisKodowania& o : kodowania_banku())
        if (o.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0) return o.kodowanie;
    return std::nullopt;
}

bool da_sie_zakodowac(char32_t znak, KodowanieBanku k) {
    if (k == KodowanieBanku::utf8) return znak <= 0x10FFFF && !QChar::isSurrogate(znak);
    if (k == KodowanieBanku::cp1250)
        return znak <= 0xFFFF && cp1250::da_sie_zapisac(QChar(char16_t(znak)));
    const KodStronicowy& s = strona_kodowa(k);
    for (const char32_t z : s.znaki)
        if (z == znak) return true;
    return false;
}

QByteArray zakoduj(const QString& tekst, KodowanieBanku k) {
    if (k == KodowanieBanku::utf8) return tekst.toUtf8();
    if (k == KodowanieBanku::cp1250) return QByteArray::fromStdString(cp1250::z_unicode(tekst));
    QStringEncoder koder(nazwa_qt(k));
    return koder.encode(tekst);
}

QString oczysc_linie(const QString& linia, KodowanieBanku k) {
    QString wynik;
    auto spacja = [&wynik] {
        if (!wynik.isEmpty() && !wynik.endsWith(u' ')) wynik += u' ';
    };
    for (const char32_t z : linia.toUcs4()) {
        if (dozwolony_znak(z)) {
            if (z == U' ')
                spacja();
            else
                wynik += QChar(char16_t(z));
        } else if (QChar::isLetter(z) && da_sie_zakodowac(z, k)) {
            wynik += QString::fromUcs4(&z, 1);
        } else if (const QString litera =
                       QChar::isLetter(z) ? bez_znakow_diakrytycznych(z, k) : QString();
                   !litera.isEmpty()) {
            wynik += litera;
        } else {
            spacja();
        }
    }
    return wynik.trimmed();
}

Czesci podziel_na_czesci(const QStringList& linie) {
    Czesci wynik;
    auto dodaj = [&wynik](const QString& czesc) {
        if (wynik.czesci.size() < najwiecej_czesci)
            wynik.czesci << czesc;
        else
            wynik.uciete = true;
    };
    for (const QString& linia : linie) {
        QString reszta = linia.trimmed();
        while (!reszta.isEmpty()) {
            if (reszta.size() <= dlugosc_czesci) {
                dodaj(reszta);
                break;
            }
            qsizetype podzial = reszta.left(dlugosc_czesci + 1).lastIndexOf(u' ');
            if (podzial > 0) {
                dodaj(reszta.left(podzial));
                reszta = reszta.mid(podzial + 1);
                continue;
            }
            // A letter outside the basic plane is two halves; they stay together.
            podzial = dlugosc_czesci;
            if (reszta.at(podzial - 1).isHighSurrogate()) --podzial;
            dodaj(reszta.left(podzial));
            reszta = reszta.mid(podzial);
        }
    }
    return wynik;
}
