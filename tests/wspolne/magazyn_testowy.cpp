// Linked into every window test: the settings store starts as a file of the
// test's own in a temporary folder, so that a test never reads what an
// earlier run left (remembered windows, recent files) nor writes into the
// user's settings. It holds what a user who has run the program before has,
// so that no first-run window opens in the middle of a test. Tests that need
// a store of their own point it elsewhere.
#include "register/magazyn_ustawien.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

void magazyn_w_katalogu_tymczasowym() {
    static QTemporaryDir katalog;
    if (!katalog.isValid()) return;
    const QString plik = katalog.filePath(QStringLiteral("ustawienia.ini"));
    QFile zapis(plik);
    if (zapis.open(QIODevice::WriteOnly)) zapis.write("[General]\nFirstRun=0\n");
    zapis.close();
    MagazynUstawien::ustaw_plik(plik);
}

}  // namespace

Q_CONSTRUCTOR_FUNCTION(magazyn_w_katalogu_tymczasowym)
