#include "register/odczyt_pliku.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

StanOtwarcia otworz_plik_zwykly(QFile& plik, const QString& sciezka) {
#ifdef Q_OS_UNIX
    const QByteArray nazwa = QFile::encodeName(sciezka);
    int fd;
    do {
        fd = ::open(nazwa.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? StanOtwarcia::brak_pliku : StanOtwarcia::blad;
    struct stat st {};
    const bool zbadany = ::fstat(fd, &st) == 0;
    if (!zbadany || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return zbadany ? StanOtwarcia::nie_plik : StanOtwarcia::blad;
    }
    // A regular file never blocks; reads go back to the ordinary mode.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!plik.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return StanOtwarcia::blad;
    }
    return StanOtwarcia::ok;
#else
    const QFileInfo info(sciezka);
    if (!info.exists()) return StanOtwarcia::brak_pliku;
    if (!info.isFile()) return StanOtwarcia::nie_plik;
    plik.setFileName(sciezka);
    return plik.open(QIODevice::ReadOnly) ? StanOtwarcia::ok : StanOtwarcia::blad;
#endif
}

QByteArray czytaj_plik_zwykly(const QString& sciezka, qint64 limit, StanOtwarcia* stan) {
    QFile plik;
    StanOtwarcia s = otworz_plik_zwykly(plik, sciezka);
    QByteArray dane;
    if (s == StanOtwarcia::ok) {
        dane = plik.read(limit);
        if (plik.error() != QFileDevice::NoError) {
            s = StanOtwarcia::blad;
            dane.clear();
        }
    }
    if (stan) *stan = s;
    return dane;
}
