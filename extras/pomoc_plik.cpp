#include "extras/pomoc_plik.h"

#include "register/folder_programu.h"
#include "register/odczyt_pliku.h"
#include "widgets/czcionki.h"
#include "widgets/dialogi.h"

#include <QDir>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString& wybrany_plik() {
    static QString sciezka;
    return sciezka;
}

constexpr qint64 najwiecej_bajtow_pomocy = 1024 * 1024;

QString kotwica(int kontekst) { return u"kontekst-"_s + QString::number(kontekst); }

}  // namespace

void ustaw_plik_pomocy(const QString& sciezka) { wybrany_plik() = sciezka; }

QString plik_pomocy() {
    return wybrany_plik().isEmpty() ? plik_dostarczony(u"HELP.HLP"_s) : wybrany_plik();
}

Tokno_pomocy::Tokno_pomocy(QWidget* rodzic) : QDialog(rodzic, Qt::Window) {
    setObjectName(u"Tokno_pomocy"_s);
    setWindowTitle(u"Vandoria - Pomoc"_s);
    ustaw_czcionke_okna(this, 9);
    tresc = new QTextBrowser(this);
    tresc->setObjectName(u"tresc"_s);
    tresc->setAccessibleName(u"Treść pomocy"_s);
    tresc->setOpenExternalLinks(true);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(tresc);
    // About 80 characters a line and 30 lines, at whatever font the desktop uses.
    const QFontMetrics miara = fontMetrics();
    resize(qMax(680, miara.averageCharWidth() * 90), qMax(560, miara.lineSpacing() * 34));
}

bool Tokno_pomocy::pokaz(const QString& plik, int kontekst) {
    // A FIFO or a device under the name must not hang the program, and no
    // help text comes near the cap.
    StanOtwarcia stan = StanOtwarcia::ok;
    const QByteArray html = czytaj_plik_zwykly(plik, najwiecej_bajtow_pomocy, &stan);
    if (stan != StanOtwarcia::ok) {
        Dialogi::komunikat(parentWidget(),
                           u"Nie można otworzyć pliku pomocy:\n"_s +
                               QDir::toNativeSeparators(plik) +
                               u"\nPlik HELP.HLP powinien znajdować się w folderze programu."_s,
                           u"Pomoc"_s, Dialogi::Ikona::Blad);
        return false;
    }
    tresc->setHtml(QString::fromUtf8(html));
    show();
    raise();
    activateWindow();
    // Scrolled once shown, when the text has the width it is laid out for.
    tresc->scrollToAnchor(kotwica(kontekst));
    return true;
}

Tokno_pomocy* pokaz_pomoc(QWidget* wlasciciel, int kontekst) {
    auto* okno = wlasciciel
                     ? wlasciciel->findChild<Tokno_pomocy*>(QString(), Qt::FindDirectChildrenOnly)
                     : nullptr;
    if (!okno) {
        okno = new Tokno_pomocy(wlasciciel);
        if (!wlasciciel) okno->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (okno->pokaz(plik_pomocy(), kontekst)) return okno;
    if (!wlasciciel) delete okno;
    return nullptr;
}
