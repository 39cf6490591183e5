#include "wspolne/okna.h"

#include "addressbook/lista.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

QString nazwa(const QWidget* w) {
    QString n = w->objectName();
    if (const auto* l = qobject_cast<const QLabel*>(w)) n += u" „"_s + l->text() + u"”"_s;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) n += u" „"_s + b->text() + u"”"_s;
    return n + u" ("_s + QString::fromLatin1(w->metaObject()->className()) + u")"_s;
}

bool widoczny(const QWidget* w, const QWidget* okno) { return w->isVisibleTo(okno); }

// Qt's own compound controls (the calendar's month arrows, a spin box's
// steps) bring their own buttons: not the program's to describe.
bool wewnatrz_qt(const QWidget* w) {
    for (const QWidget* r = w->parentWidget(); r; r = r->parentWidget())
        if (r->inherits("QCalendarWidget") || r->inherits("QAbstractSpinBox") ||
            r->inherits("QScrollBar") || r->inherits("QTabBar"))
            return true;
    return false;
}

}  // namespace

void wpisz(QWidget* pole, const QString& tekst) {
    for (const QChar z : tekst)
        QTest::sendKeyEvent(QTest::Click, pole, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

void sprawdz_czy_nic_nie_uciete(QWidget* okno) {
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        if (!widoczny(w, okno) || w->isWindow()) continue;
        const QWidget* rodzic = w->parentWidget();
        QVERIFY2(rodzic->rect().contains(w->geometry()), qPrintable(u"poza oknem: "_s + nazwa(w)));
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty()) continue;
            const int wysokosc =
                l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
            QVERIFY2(wysokosc <= l->height(), qPrintable(u"za niska: "_s + nazwa(w)));
            if (!l->wordWrap())
                QVERIFY2(l->sizeHint().width() <= l->width(),
                         qPrintable(u"za wąska: "_s + nazwa(w)));
            for (QWidget* obok : rodzic->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (obok == l || !widoczny(obok, okno) || obok->isWindow()) continue;
                if (qobject_cast<QLabel*>(obok) && qobject_cast<QLabel*>(obok)->text().isEmpty())
                    continue;
                QVERIFY2(!l->geometry().intersects(obok->geometry()),
                         qPrintable(u"nachodzi na "_s + nazwa(obok) + u": "_s + nazwa(w)));
            }
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            // A button that shows only a picture says in words what it does.
            if (b->text().isEmpty()) {
                QVERIFY2(!b->toolTip().isEmpty() || wewnatrz_qt(b),
                         qPrintable(u"bez podpowiedzi: "_s + nazwa(w)));
                continue;
            }
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(u"za wąski: "_s + nazwa(w)));
        }
    }
}

void kliknij_pozycje(Tlista_wpisow* lista, int wiersz) {
    QTreeWidget* l = lista->lista_z_bazy;
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                      l->visualItemRect(l->topLevelItem(wiersz)).center());
}
