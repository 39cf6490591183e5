#include "widgets/tlumaczenia.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

using namespace Qt::StringLiterals;

bool wczytaj_tlumaczenia_qt() {
    // Every text of the program is Polish whatever the desktop's language,
    // so Qt's texts are Polish too.
    static QPointer<QTranslator> tlumacz;
    if (tlumacz) return true;
    auto* nowy = new QTranslator(QCoreApplication::instance());
    if (!nowy->load(u"qtbase_pl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete nowy;
        return false;
    }
    QCoreApplication::installTranslator(nowy);
    tlumacz = nowy;
    // Installed later, so searched first: the program's own texts for what
    // Qt's catalogue leaves in English in the print dialog.
    auto* wlasne = new QTranslator(QCoreApplication::instance());
    if (wlasne->load(u":/tlumaczenia/vandoria_pl.qm"_s))
        QCoreApplication::installTranslator(wlasne);
    else
        delete wlasne;
    return true;
}
