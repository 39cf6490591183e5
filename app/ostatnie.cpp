// The recent-files menu and opening a file the user names without the open
// dialog: from that menu or dropped onto the window.
#include "app/glowny.h"

#include "register/ostatnie_pliki.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

// One local .p2 or .vando file, or nothing.
QString plik_z_upuszczenia(const QMimeData* dane) {
    if (!dane || !dane->hasUrls()) return {};
    const QList<QUrl> adresy = dane->urls();
    if (adresy.size() != 1 || !adresy.constFirst().isLocalFile()) return {};
    const QString sciezka = adresy.constFirst().toLocalFile();
    const QString koncowka = QFileInfo(sciezka).suffix().toLower();
    if (koncowka != u"p2" && koncowka != u"vando") return {};
    return QFileInfo(sciezka).isFile() ? sciezka : QString();
}

}  // namespace

void Tglowne_okno::dodaj_do_ostatnich(const QString& sciezka) {
    ostatnie_pliki = OstatniePliki::dodaj(ostatnie_pliki, sciezka);
    OstatniePliki::zapisz(ostatnie_pliki);
}

void Tglowne_okno::odswiez_menu_ostatnich() {
    menu_ostatnich->clear();
    int nr = 0;
    for (const QString& sciezka : std::as_const(ostatnie_pliki)) {
        ++nr;
        const QFileInfo plik(sciezka);
        QString nazwa =
            plik.fileName() + u"  ("_s + QDir::toNativeSeparators(plik.absolutePath()) + u')';
        nazwa.replace(u'&', u"&&"_s);
        QAction* a = menu_ostatnich->addAction(u"&%1  %2"_s.arg(nr).arg(nazwa));
        a->setStatusTip(QDir::toNativeSeparators(sciezka));
        // A file that is gone stays listed, greyed, until the list is cleared.
        a->setEnabled(plik.isFile());
        connect(a, &QAction::triggered, this, [this, sciezka] { otworz_ostatni(sciezka); });
    }
    if (nr == 0) menu_ostatnich->addAction(u"(&brak)"_s)->setEnabled(false);
    menu_ostatnich->addSeparator();
    QAction* wyczysc = menu_ostatnich->addAction(u"&Wyczyść listę"_s);
    wyczysc->setStatusTip(u"Usuwa wszystkie pliki z listy ostatnio otwieranych"_s);
    wyczysc->setEnabled(nr > 0);
    connect(wyczysc, &QAction::triggered, this, &Tglowne_okno::wyczysc_ostatnie);
}

void Tglowne_okno::wyczysc_ostatnie() {
    ostatnie_pliki.clear();
    OstatniePliki::zapisz(ostatnie_pliki);
}

void Tglowne_okno::otworz_ostatni(const QString& sciezka) {
    if (!zapytaj_o_zapis(u"Otwieranie pliku"_s,
                         u"Baza przelewów została zmodyfikowana.\nZapisać zmiany?"_s))
        return;
    rejestr.ustaw_sciezke(sciezka);
    otwieranie_pliku(sciezka);
    rejestr.plik_ma_nazwe = true;
    rejestr.ustaw_zmieniony(false);
}

void Tglowne_okno::dragEnterEvent(QDragEnterEvent* zdarzenie) {
    if (plik_z_upuszczenia(zdarzenie->mimeData()).isEmpty()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->setDropAction(Qt::CopyAction);
    zdarzenie->accept();
}

void Tglowne_okno::dragMoveEvent(QDragMoveEvent* zdarzenie) {
    if (plik_z_upuszczenia(zdarzenie->mimeData()).isEmpty()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->setDropAction(Qt::CopyAction);
    zdarzenie->accept();
}

void Tglowne_okno::dropEvent(QDropEvent* zdarzenie) {
    const QString sciezka = plik_z_upuszczenia(zdarzenie->mimeData());
    if (sciezka.isEmpty()) {
        zdarzenie->ignore();
        return;
    }
    zdarzenie->setDropAction(Qt::CopyAction);
    zdarzenie->accept();
    // The drag source waits for the drop to end: the question comes after it.
    QMetaObject::invokeMethod(
        this, [this, sciezka] { otworz_ostatni(QFileInfo(sciezka).absoluteFilePath()); },
        Qt::QueuedConnection);
}
