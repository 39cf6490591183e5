// Linked into every window test: the settings store starts as a file of the
// test's own in a temporary folder, so that a test never reads what an
// earlier run left (remembered windows, recent files) nor writes into the
// user's settings. Tests that need a store of their own point it elsewhere.
#include "register/magazyn_ustawien.h"

#include <QTemporaryDir>
#include <QtGlobal>

namespace {

void magazyn_w_katalogu_tymczasowym() {
    static QTemporaryDir katalog;
    if (katalog.isValid())
        MagazynUstawien::ustaw_plik(katalog.filePath(QStringLiteral("ustawienia.ini")));
}

}  // namespace

Q_CONSTRUCTOR_FUNCTION(magazyn_w_katalogu_tymczasowym)
