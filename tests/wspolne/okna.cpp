#include "wspolne/okna.h"

#include "addressbook/lista.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>
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

QChar mnemonik(const QString& tekst) {
    for (qsizetype i = 0; i + 1 < tekst.size(); ++i) {
        if (tekst[i] != u'&') continue;
        if (tekst[i + 1] != u'&') return tekst[i + 1].toLower();
        ++i;
    }
    return {};
}

QStringList bledy_mnemonikow(QWidget* okno) {
    QStringList bledy;
    auto zajmij = [&](QHash<QChar, QString>& zajete, const QString& tekst) {
        const QChar m = mnemonik(tekst);
        if (m.isNull())
            bledy << u"bez litery: "_s + tekst;
        else if (zajete.contains(m))
            bledy << u"„%1” i „%2”"_s.arg(zajete[m], tekst);
        else
            zajete.insert(m, tekst);
    };
    QHash<QChar, QString> litery;
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        if (!widoczny(w, okno) || wewnatrz_qt(w)) continue;
        // Tool-bar buttons show their action's picture; its menu item has the letter.
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<QToolButton*>(w)) {
            // "..." beside a field: nothing to underline, the field's label leads there.
            if (b->text().contains(QRegularExpression(u"\\w"_s))) zajmij(litery, b->text());
        } else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) {
            if (!mnemonik(l->text()).isNull()) zajmij(litery, l->text());
        }
    }
    if (auto* glowne = qobject_cast<QMainWindow*>(okno)) {
        QHash<QChar, QString> pasek;
        for (QAction* a : glowne->menuBar()->actions()) zajmij(pasek, a->text());
    }
    const QRegularExpression numer(u"^&[1-9]  "_s);
    for (QMenu* m : okno->findChildren<QMenu*>()) {
        // Qt's own, such as the calendar's list of months.
        if (m->parent()->objectName().startsWith(u"qt_"_s)) continue;
        QHash<QChar, QString> pozycje;
        for (QAction* a : m->actions())
            if (!a->isSeparator() && a->isVisible() && !a->text().contains(numer))
                zajmij(pozycje, a->text());
    }
    return bledy;
}
