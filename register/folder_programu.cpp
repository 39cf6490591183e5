#include "register/folder_programu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace {

// Asking the file system for permissions is not enough: on Windows a folder
// under "Program Files" reports itself writable and writes are then
// redirected or refused. Only creating a file tells.
bool da_sie_pisac(const QString& folder) {
    QTemporaryFile proba(folder + u"/.vandoria-XXXXXX"_s);
    return proba.open();
}

}  // namespace

QString folder_programu() {
    const QString z_otoczenia = qEnvironmentVariable("VANDORIA_DIR");
    if (!z_otoczenia.isEmpty()) return QDir(z_otoczenia).absolutePath() + u'/';

    if (QCoreApplication::instance()) {
        const QString folder_exe = QCoreApplication::applicationDirPath();
        // The executable does not move during a run: one probe is enough.
        static const bool exe_zapisywalny = da_sie_pisac(folder_exe);
        if (exe_zapisywalny) return folder_exe + u'/';
    }

    const QString dane = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dane);
    return dane + u'/';
}

QString plik_programu(const QString& nazwa) { return folder_programu() + nazwa; }

QString plik_dostarczony(const QString& nazwa) {
    const QString folder_exe = QCoreApplication::applicationDirPath();
    for (const QString& kandydat : {plik_programu(nazwa), folder_exe + u'/' + nazwa,
                                    folder_exe + u"/../share/vandoria/"_s + nazwa}) {
        if (QFileInfo::exists(kandydat)) return QDir::cleanPath(kandydat);
    }
    return plik_programu(nazwa);
}
