#include "ui/czcionki.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void ustaw_zastepstwa_czcionek() {
    static bool zrobione = false;
    if (zrobione) return;
    zrobione = true;
    if (!QFontDatabase::families().contains(u"Tahoma"_qs))
        QFont::insertSubstitutions(u"Tahoma"_qs,
                                   {u"Liberation Sans"_qs, u"Arial"_qs, u"DejaVu Sans"_qs});
}
