#include "register/szukanie.h"

#include "register/kwota.h"
#include "register/przelew.h"

using namespace Qt::StringLiterals;

namespace {

char16_t bez_znakow(char16_t z) {
    switch (z) {
        case u'ą':
        case u'Ą':
            return u'a';
        case u'ć':
        case u'Ć':
            return u'c';
        case u'ę':
        case u'Ę':
            return u'e';
        case u'ł':
        case u'Ł':
            return u'l';
        case u'ń':
        case u'Ń':
            return u'n';
        case u'ó':
        case u'Ó':
            return u'o';
        case u'ś':
        case u'Ś':
            return u's';
        case u'ź':
        case u'Ź':
        case u'ż':
        case u'Ż':
            return u'z';
        default:
            break;
    }
    // Other accented letters (a German or Czech name) fold by their base letter.
    const QString rozklad = QChar(z).decomposition();
    const char16_t podstawa = rozklad.isEmpty() ? z : rozklad.front().unicode();
    return QChar(podstawa).toLower().unicode();
}

}  // namespace

QString zloz_do_szukania(QStringView tekst) {
    QString wynik(tekst.size(), Qt::Uninitialized);
    char16_t* cel = reinterpret_cast<char16_t*>(wynik.data());
    for (const QChar z : tekst) {
        const char16_t c = z.unicode();
        if (c < 0x80)
            *cel++ = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
        else
            *cel++ = bez_znakow(c);
    }
    return wynik;
}

WzorzecSzukania::WzorzecSzukania(const QString& wpisane)
    : tekst(zloz_do_szukania(wpisane.trimmed())) {
    bool same_cyfry = !tekst.isEmpty();
    for (const QChar z : tekst) {
        if (z.isDigit())
            cyfry += z;
        else if (!z.isSpace())
            same_cyfry = false;
    }
    if (!same_cyfry) cyfry.clear();
    kwota = QString(tekst).replace(u'.', u',');
}

StogSzukania::StogSzukania(const Tprzelew& p)
    : nazwa1(zloz_do_szukania(p.nazwa_odbiorcy1.na_unicode())),
      nazwa2(zloz_do_szukania(p.nazwa_odbiorcy2.na_unicode())),
      tytul1(zloz_do_szukania(p.tytulem1.na_unicode())),
      tytul2(zloz_do_szukania(p.tytulem2.na_unicode())),
      kwota(forma_eksportu(p.kwota.na_unicode(), p.kwota100.na_unicode())) {
    for (const char c : p.konto_odbiorcy())
        if (c >= '0' && c <= '9') cyfry_konta += QLatin1Char(c);
}

bool pasuje_do_wzorca(const StogSzukania& s, const WzorzecSzukania& w) {
    if (w.pusty()) return true;
    if (s.nazwa1.contains(w.tekst) || s.nazwa2.contains(w.tekst) || s.tytul1.contains(w.tekst) ||
        s.tytul2.contains(w.tekst))
        return true;
    // Account numbers are compared by their digits: the user may type them
    // grouped as on paper, or in one run.
    if (!w.cyfry.isEmpty() && s.cyfry_konta.contains(w.cyfry)) return true;
    return s.kwota.contains(w.kwota);
}

bool pasuje_do_wzorca(const Tprzelew& p, const WzorzecSzukania& w) {
    return w.pusty() || pasuje_do_wzorca(StogSzukania(p), w);
}

bool zaweza(const WzorzecSzukania& poprzedni, const WzorzecSzukania& nowy) {
    // Each part of the match only narrows with a longer text: the digits of
    // a digits-only text, and the amount with its point made a comma, grow
    // along with it.
    return !poprzedni.pusty() && nowy.tekst.contains(poprzedni.tekst);
}
