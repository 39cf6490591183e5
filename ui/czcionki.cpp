#include "ui/czcionki.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

void ustaw_zastepstwa_czcionek() {
    static bool zrobione = false;
    if (zrobione) return;
    zrobione = true;
    if (!QFontDatabase::families().contains(u"Tahoma"_s))
        QFont::insertSubstitutions(u"Tahoma"_s,
                                   {u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans"_s});
}
