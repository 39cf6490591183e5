#include "widgets/nazwy_dostepne.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

QWidget* kontrolka(QLayoutItem* pozycja) { return pozycja ? pozycja->widget() : nullptr; }

// The label standing just before `w` in the layout that holds it: the cell
// to its left in a grid, the item before it in a row, the label of its row
// in a form.
QLabel* etykieta_przed(QLayout* uklad, QWidget* w) {
    if (!uklad) return nullptr;
    if (auto* formularz = qobject_cast<QFormLayout*>(uklad))
        if (auto* l = qobject_cast<QLabel*>(formularz->labelForField(w))) return l;
    const int i = uklad->indexOf(w);
    if (i >= 0) {
        if (auto* siatka = qobject_cast<QGridLayout*>(uklad)) {
            int wiersz = 0, kolumna = 0, wierszy = 0, kolumn = 0;
            siatka->getItemPosition(i, &wiersz, &kolumna, &wierszy, &kolumn);
            return kolumna > 0 ? qobject_cast<QLabel*>(
                                     kontrolka(siatka->itemAtPosition(wiersz, kolumna - 1)))
                               : nullptr;
        }
        if (qobject_cast<QBoxLayout*>(uklad) && i > 0)
            return qobject_cast<QLabel*>(kontrolka(uklad->itemAt(i - 1)));
        return nullptr;
    }
    for (int k = 0; k < uklad->count(); ++k)
        if (QLabel* l = etykieta_przed(uklad->itemAt(k)->layout(), w)) return l;
    return nullptr;
}

const QLabel* etykieta_dla(const QWidget* okno, const QWidget* w) {
    for (const QLabel* l : okno->findChildren<QLabel*>())
        if (l->buddy() == w) return l;
    return nullptr;
}

bool ma_etykiete(const QWidget* okno, const QWidget* w) { return etykieta_dla(okno, w); }

QString bez_ozdob(const QString& tekst) {
    return QString(tekst).remove(u'&').remove(u':').trimmed();
}

class NazywanieOkien : public QObject {
  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Show && obiekt->isWidgetType()) {
            auto* w = static_cast<QWidget*>(obiekt);
            if (w->isWindow() && !w->property("vandoria_nazwane").toBool()) {
                w->setProperty("vandoria_nazwane", true);
                nazwij_kontrolki(w);
            }
        }
        return false;
    }
};

}  // namespace

void nazwij_kontrolki(QWidget* okno) {
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(w)) continue;
        if (!w->accessibleName().isEmpty()) continue;
        // A text the user may select and copy is read under the label before it.
        if (qobject_cast<QLabel*>(w)) {
            const QLabel* l =
                w->parentWidget() ? etykieta_przed(w->parentWidget()->layout(), w) : nullptr;
            if (l) w->setAccessibleName(bez_ozdob(l->text()));
            continue;
        }
        const auto* przycisk = qobject_cast<QAbstractButton*>(w);
        if (przycisk && !przycisk->text().isEmpty() && przycisk->text() != u"...") continue;
        const bool z_etykieta = !przycisk && ma_etykiete(okno, w);
        if (!przycisk && !z_etykieta && w->parentWidget()) {
            QLabel* l = etykieta_przed(w->parentWidget()->layout(), w);
            if (l && !l->text().isEmpty() && !l->buddy()) {
                l->setBuddy(w);
                continue;
            }
        }
        if (z_etykieta) continue;
        if (!w->toolTip().isEmpty()) w->setAccessibleName(w->toolTip());
    }
    // The text field inside a spin box or an editable list is what takes the
    // keys: it is read under its owner's name, once the owners have theirs.
    for (auto* pole : okno->findChildren<QLineEdit*>()) {
        QWidget* wlasciciel = pole->parentWidget();
        if (!pole->accessibleName().isEmpty() ||
            !(qobject_cast<QAbstractSpinBox*>(wlasciciel) || qobject_cast<QComboBox*>(wlasciciel)))
            continue;
        if (!wlasciciel->accessibleName().isEmpty())
            pole->setAccessibleName(wlasciciel->accessibleName());
        else if (const QLabel* l = etykieta_dla(okno, wlasciciel))
            pole->setAccessibleName(bez_ozdob(l->text()));
    }
}

void nazywaj_okna_przy_pokazaniu() {
    static QPointer<NazywanieOkien> filtr;
    if (filtr || !qApp) return;
    filtr = new NazywanieOkien;
    filtr->setParent(qApp);
    qApp->installEventFilter(filtr);
}
