#include "register/folder_programu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString folder_programu() {
    const QString z_otoczenia = qEnvironmentVariable("VANDORIA_DIR");
    if (!z_otoczenia.isEmpty()) return QDir(z_otoczenia).absolutePath() + u'/';

    const QString folder_exe = QCoreApplication::applicationDirPath();
    if (QFileInfo(folder_exe).isWritable()) return folder_exe + u'/';

    const QString dane = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dane);
    return dane + u'/';
}

QString plik_programu(const QString& nazwa) { return folder_programu() + nazwa; }

QString plik_dostarczony(const QString& nazwa) {
    const QString folder_exe = QCoreApplication::applicationDirPath();
    for (const QString& kandydat :
         {plik_programu(nazwa), folder_exe + u'/' + nazwa,
          folder_exe + u"/../share/vandoria/"_qs + nazwa}) {
        if (QFileInfo::exists(kandydat)) return QDir::cleanPath(kandydat);
    }
    return plik_programu(nazwa);
}
