#include "register/plik_wyjsciowy.h"

#include "register/bezpieczny_zapis.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

bool ten_sam_plik(const QString& a, const QString& b) {
#ifdef Q_OS_UNIX
    struct stat sa {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#else
    const QString ka = QFileInfo(a).canonicalFilePath();
    return !ka.isEmpty() && ka.compare(QFileInfo(b).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#endif
}

}  // namespace

QString odmowa_wyjscia(const QString& wyjscie, const QStringList& wejscia) {
    using namespace Qt::StringLiterals;
    if (wyjscie == u"-") return {};
    for (const QString& wejscie : wejscia)
        if (ten_sam_plik(wyjscie, wejscie))
            return u"Plik wyjściowy jest tym samym plikiem co plik wejściowy: %1"_s.arg(wyjscie);
    if (wyjscie.endsWith(u".p2"_s, Qt::CaseInsensitive) ||
        wyjscie.endsWith(u".vando"_s, Qt::CaseInsensitive))
        return u"Plik wyjściowy nie może być plikiem przelewów (.p2, .vando): %1"_s.arg(wyjscie);
    const QFileInfo info(wyjscie);
    if (info.exists() && !info.isFile())
        return u"Plik wyjściowy istnieje i nie jest zwykłym plikiem: %1"_s.arg(wyjscie);
    return {};
}

bool zapisz_wyjscie(const QString& wyjscie, const std::function<bool(QIODevice&)>& pisz) {
    if (wyjscie != u"-") return zapisz_bezpiecznie(wyjscie, pisz);
    QFile standardowe;
    if (!standardowe.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
    return pisz(standardowe) && standardowe.flush();
}
