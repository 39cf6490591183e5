#include "widgets/pamiec_okien.h"

#include "register/magazyn_ustawien.h"

#include <QByteArray>
#include <QHeaderView>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

QString klucz(const QString& nazwa, const QString& co) { return u"Okna/"_s + nazwa + u'/' + co; }

QByteArray czytaj(const QString& k) {
    const auto tekst = MagazynUstawien::czytaj_tekst(k);
    if (!tekst) return {};
    // Stored as text: the store holds texts and the value stays readable by hand.
    return QByteArray::fromBase64(tekst->toLatin1());
}

void zapisz(const QString& k, const QByteArray& dane) {
    MagazynUstawien::zapisz_tekst(k, QString::fromLatin1(dane.toBase64()));
}

}  // namespace

namespace PamiecOkien {

bool przywroc(QWidget* okno, const QString& nazwa) {
    const QByteArray dane = czytaj(klucz(nazwa, u"polozenie"_s));
    // Qt puts a window whose screen is gone back onto one that is there.
    return !dane.isEmpty() && okno->restoreGeometry(dane);
}

void zapamietaj(const QWidget* okno, const QString& nazwa) {
    zapisz(klucz(nazwa, u"polozenie"_s), okno->saveGeometry());
}

bool przywroc_kolumny(QHeaderView* naglowek, const QString& nazwa) {
    const QByteArray dane = czytaj(klucz(nazwa, u"kolumny"_s));
    if (dane.isEmpty()) return false;
    // The sort arrow belongs to the list shown then, not to the file opened now.
    const bool ok = naglowek->restoreState(dane);
    naglowek->setSortIndicator(-1, Qt::AscendingOrder);
    return ok;
}

void zapamietaj_kolumny(const QHeaderView* naglowek, const QString& nazwa) {
    zapisz(klucz(nazwa, u"kolumny"_s), naglowek->saveState());
}

int czytaj_liczbe(const QString& nazwa, int domyslna) {
    const auto tekst = MagazynUstawien::czytaj_tekst(u"Okna/"_s + nazwa);
    bool ok = false;
    const int n = tekst ? tekst->toInt(&ok) : 0;
    return ok ? n : domyslna;
}

void zapisz_liczbe(const QString& nazwa, int liczba) {
    MagazynUstawien::zapisz_tekst(u"Okna/"_s + nazwa, QString::number(liczba));
}

}  // namespace PamiecOkien
