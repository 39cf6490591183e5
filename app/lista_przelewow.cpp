#include "app/lista_przelewow.h"

#include "payments/oznaczenia.h"
#include "register/konto.h"
#include "register/kwota.h"
#include "register/przelew.h"
#include "register/rejestr.h"
#include "widgets/suma_kontrolna.h"

#include <QApplication>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {
const char16_t* const naglowki[] = {u"Odbiorca", u"Tytułem", u"Nr rachunku odbiorcy", u"Kwota",
                                    u"Data"};
constexpr int kolumn = 5;
}  // namespace

ModelListyPrzelewow::ModelListyPrzelewow(const Rejestr& rejestr, QObject* rodzic)
    : QAbstractTableModel(rodzic), rejestr_(rejestr), wierszy_(rejestr.ilosc()) {
    connect(&rejestr, &Rejestr::wiersz_dopisany, this, &ModelListyPrzelewow::dopisz_wiersz);
    connect(&rejestr, &Rejestr::wiersz_zmieniony, this, &ModelListyPrzelewow::odswiez_wiersz);
    connect(&rejestr, &Rejestr::wiersze_zmienione, this, &ModelListyPrzelewow::przebuduj);
}

int ModelListyPrzelewow::rowCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : wierszy_;
}

int ModelListyPrzelewow::columnCount(const QModelIndex& rodzic) const {
    return rodzic.isValid() ? 0 : kolumn;
}

QString ModelListyPrzelewow::tekst_komorki(const Tprzelew& p, int kolumna) {
    switch (kolumna) {
        case 0:
            return p.nazwa_odbiorcy1.na_unicode();
        case 1:
            return p.tytulem1.na_unicode();
        case 2:
            return cp1250::na_unicode(p.konto_odbiorcy());
        case 3:
            return forma_listy(p);
        default:
            return p.data.na_unicode();
    }
}

QVariant ModelListyPrzelewow::data(const QModelIndex& indeks, int rola) const {
    if (!indeks.isValid() || indeks.row() >= wierszy_) return {};
    if (rola == Qt::DisplayRole)
        return tekst_komorki(rejestr_.przelew(indeks.row() + 1), indeks.column());
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (indeks.column() >= 3 ? Qt::AlignRight : Qt::AlignLeft));
    if (rola != Qt::DecorationRole && rola != Qt::ToolTipRole) return {};
    // At the row's start: the account column has no room to spare for a whole number.
    if (const QString tekst =
            indeks.column() == 0 ? ostrzezenie(rejestr_.przelew(indeks.row() + 1)) : QString();
        !tekst.isEmpty()) {
        if (rola == Qt::ToolTipRole) return tekst;
        // Looked up once: the theme lookup would otherwise run for every painted row.
        if (ostrzezenie_.isNull())
            ostrzezenie_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return ostrzezenie_;
    }
    // The title column's tag: a tax or split payment, which the bank file and
    // the payment code treat apart.
    if (indeks.column() == 1 && (rola == Qt::DecorationRole || rola == Qt::ToolTipRole)) {
        const RodzajZlecenia rodzaj = rodzaj_zlecenia(rejestr_.przelew(indeks.row() + 1));
        if (rola == Qt::ToolTipRole) {
            const QString podpowiedz = podpowiedz_znacznika(rodzaj);
            return podpowiedz.isEmpty() ? QVariant() : QVariant(podpowiedz);
        }
        if (const QPixmap tag = obraz_znacznika(rodzaj); !tag.isNull()) return tag;
    }
    return {};
}

QString ModelListyPrzelewow::ostrzezenie(const Tprzelew& p) {
    if (zla_suma_kontrolna(p)) return tekst_bledu_sumy;
    if (const std::optional<QString> kwota = kwota_nie_liczba(p))
        return opis_kwoty_nie_liczby(*kwota) + u" — popraw ją przed wydrukiem i płatnością"_s;
    return {};
}

bool ModelListyPrzelewow::zla_suma_kontrolna(const Tprzelew& p) {
    if (stan_konta(cp1250::na_unicode(p.konto_odbiorcy())) == StanKonta::bledny) return true;
    return p.czy_przelew == 1 && stan_konta(p.nr_rach_nadawcy.na_unicode()) == StanKonta::bledny;
}

QVariant ModelListyPrzelewow::headerData(int sekcja, Qt::Orientation orientacja, int rola) const {
    if (orientacja != Qt::Horizontal || sekcja < 0 || sekcja >= kolumn) return {};
    if (rola == Qt::DisplayRole) return QString::fromUtf16(naglowki[sekcja]);
    if (rola == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (sekcja >= 3 ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

void ModelListyPrzelewow::przebuduj() {
    beginResetModel();
    wierszy_ = rejestr_.ilosc();
    endResetModel();
}

void ModelListyPrzelewow::dopisz_wiersz(int nr) {
    if (nr <= wierszy_) return odswiez_wiersz(nr);
    beginInsertRows({}, wierszy_, nr - 1);
    wierszy_ = nr;
    endInsertRows();
}

void ModelListyPrzelewow::odswiez_wiersz(int nr) {
    if (nr < 1 || nr > wierszy_) return;
    emit dataChanged(index(nr - 1, 0), index(nr - 1, kolumn - 1));
}
