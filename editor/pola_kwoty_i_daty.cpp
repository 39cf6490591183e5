// The amount and date fields: what they let in, how a typed separator or a
// pasted amount is split between złote and grosze, dates typed in, and the
// calendar from the keyboard.
#include "editor/nowy_edycja_przelewu.h"

#include "register/data.h"
#include "widgets/pola_numerow.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolTip>
#include <QValidator>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What an amount field lets in. The złote field also takes, for a moment,
// a text with a separator or a pasted amount, which the editor then splits
// between the two fields; whatever it refuses is left out whole and the
// reason is kept for the hint.
class WpisKwoty : public QValidator {
  public:
    WpisKwoty(bool zlote, QObject* rodzic) : QValidator(rodzic), zlote_(zlote) {}
    State validate(QString& tekst, int&) const override {
        if (zlote_ ? wpis_zlotych(tekst) : wpis_groszy(tekst)) return Acceptable;
        if (zlote_) {
            // A separator typed into an empty field goes straight to the grosze.
            if (tekst == u"," || tekst == u".") return Intermediate;
            const OdczytKwoty odczyt = czytaj_kwote(tekst);
            if (odczyt.kwota) return Intermediate;
            powod_ = odczyt.powod;
        } else {
            powod_ = u"Grosze to najwyżej dwie cyfry."_s;
        }
        return Invalid;
    }
    QString powod() const { return powod_; }

  private:
    bool zlote_;
    mutable QString powod_;
};

// Room for a pasted "1 234 567,89 zł", so that a text too long for an order is
// refused by the rule above rather than silently cut by the field.
constexpr int dlugosc_wklejanej_kwoty = 32;

}  // namespace

void Tnowy_edycja_przelewow::utworz_pola_kwoty_i_daty(const QFont& czcionka_pol) {
    auto pole_kwoty = [&](const QString& nazwa, bool zlote) {
        auto* p = new QLineEdit(this);
        p->setObjectName(nazwa);
        p->setFont(czcionka_pol);
        p->setMaxLength(dlugosc_wklejanej_kwoty);
        auto* wpis = new WpisKwoty(zlote, p);
        p->setValidator(wpis);
        connect(p, &QLineEdit::inputRejected, this, [this, p, wpis] {
            pokaz_odmowe(p, wpis->powod().isEmpty() ? u"To nie jest kwota."_s : wpis->powod());
        });
        return p;
    };
    kwota = pole_kwoty(u"kwota"_s, true);
    kwota100 = pole_kwoty(u"kwota100"_s, false);
    kwota100->setAccessibleName(u"Kwota, grosze"_s);
    data_label = new QLineEdit(this);
    data_label->setObjectName(u"data_label"_s);
    data_label->setFont(czcionka_pol);
    data_label->setMaxLength(10);
    // Ten digits wide, never narrower than the label it replaced.
    data_label->setFixedWidth(
        qMax(70, data_label->fontMetrics().horizontalAdvance(QString(10, u'8')) + 12));
    data_label->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9 ./-]*"_s), data_label));
    data_label->setToolTip(u"Data, np. 15.01.2027, 15012027 albo 2027-01-15"_s);
}

void Tnowy_edycja_przelewow::kwotaChange() {
    const QString tekst = kwota->text();
    if (wpis_zlotych(tekst)) return;
    const bool sam_przecinek = tekst == u"," || tekst == u".";
    const OdczytKwoty odczyt =
        sam_przecinek ? OdczytKwoty{KwotaTekstem{{}, {}, true}, {}} : czytaj_kwote(tekst);
    if (!odczyt.kwota) return;  // the field's validator lets no such text in
    kwota->setText(odczyt.kwota->zlote);
    if (!odczyt.kwota->grosze.isEmpty()) kwota100->setText(odczyt.kwota->grosze);
    if (odczyt.kwota->z_przecinkiem) {
        // Typed over an old amount, the grosze are replaced as well.
        grosze_po_przecinku_ = true;
        kwota100->setFocus(Qt::TabFocusReason);
        kwota100->selectAll();
    }
}

void Tnowy_edycja_przelewow::pokaz_odmowe(QLineEdit* pole, const QString& powod) {
    QToolTip::showText(pole->mapToGlobal(QPoint(0, pole->height())), powod, pole);
}

void Tnowy_edycja_przelewow::kwotaExit() { kwota->setText(uzupelnij_zlote(kwota->text())); }

// "12,5" typed as a decimal means twelve and a half złote, as a pasted "12,5"
// does; one digit typed into the grosze field by itself still counts grosze.
void Tnowy_edycja_przelewow::grosze_jako_ulamek() {
    const QString g = kwota100->text();
    if (std::exchange(grosze_po_przecinku_, false) && g.size() == 1 && g[0].isDigit())
        kwota100->setText(g + u'0');
}

void Tnowy_edycja_przelewow::kwota100Exit() {
    grosze_jako_ulamek();
    kwota100->setText(uzupelnij_grosze(kwota100->text(), Uzupelnianie::Wyjscie));
}

void Tnowy_edycja_przelewow::uzupelnij_kwote(Uzupelnianie kontekst) {
    grosze_jako_ulamek();
    kwota->setText(uzupelnij_zlote(kwota->text()));
    kwota100->setText(uzupelnij_grosze(kwota100->text(), kontekst));
}

void Tnowy_edycja_przelewow::kalendarz_buttonClick() {
    if (MonthCalendar1->isVisible()) {
        zamknij_kalendarz(false);
        return;
    }
    if (const auto wpisana = czytaj_date(data_label->text()))
        MonthCalendar1->setSelectedDate(*wpisana);
    data_kalendarza_ = MonthCalendar1->selectedDate();
    umiesc_kalendarz();
    MonthCalendar1->show();
    // Arrows move the day, Enter sets it, Escape closes it with nothing changed.
    MonthCalendar1->setFocus(Qt::OtherFocusReason);
}

void Tnowy_edycja_przelewow::zamknij_kalendarz(bool przyjmij) {
    if (!przyjmij) MonthCalendar1->setSelectedDate(data_kalendarza_);
    const bool mial_fokus =
        focusWidget() == MonthCalendar1 || MonthCalendar1->isAncestorOf(focusWidget());
    MonthCalendar1->hide();
    if (mial_fokus) kalendarz_button->setFocus(Qt::OtherFocusReason);
}

void Tnowy_edycja_przelewow::MonthCalendar1Click() {
    data_label->setText(tekst_daty(MonthCalendar1->selectedDate()).left(10));
    data_labelChange();
    zamknij_kalendarz(true);
}

void Tnowy_edycja_przelewow::btn_usun_dateClick() {
    data_label->clear();
    data_labelChange();
}

bool Tnowy_edycja_przelewow::data_bledna() const {
    const QString t = data_label->text().trimmed();
    return !t.isEmpty() && !czytaj_date(t);
}

void Tnowy_edycja_przelewow::data_labelChange() {
    if (data_bledna())
        maluj_na_czerwono(data_label);
    else
        maluj_normalnie(data_label);
}

void Tnowy_edycja_przelewow::data_labelExit() {
    // Only what the user typed is rewritten; a stored date stays as stored.
    if (const auto d = data_label->isModified() ? czytaj_date(data_label->text()) : std::nullopt) {
        const QString wlasny = tekst_daty(*d).left(10);
        if (wlasny != data_label->text()) data_label->setText(wlasny);
        MonthCalendar1->setSelectedDate(*d);
    }
    data_labelChange();
}
