#include "register/plik_wyjsciowy.h"

#include "register/bezpieczny_zapis.h"
#include "register/folder_programu.h"
#include "register/magazyn_ustawien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

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

bool nazwa_pliku_przelewow(const QString& sciezka) {
    return sciezka.endsWith(u".p2", Qt::CaseInsensitive) ||
           sciezka.endsWith(u".vando", Qt::CaseInsensitive);
}

// The same file, or the same place when neither exists yet.
bool to_samo_miejsce(const QString& rozwiazana, const QString& inny) {
    return ten_sam_plik(rozwiazana, inny) ||
           QDir::cleanPath(rozwiazana) == QDir::cleanPath(QFileInfo(inny).absoluteFilePath());
}

}  // namespace

QString rozwiazana_sciezka(const QString& sciezka) {
    QString biezaca = QFileInfo(sciezka).absoluteFilePath();
    // Link by link, so that a link to a file not there yet still names where
    // the write would land; a loop ends after as many steps as the system allows.
    for (int krok = 0; krok < 40; ++krok) {
        const QFileInfo info(biezaca);
        if (!info.isSymLink()) break;
        biezaca = info.symLinkTarget();
    }
    const QFileInfo koniec(biezaca);
    const QString kanoniczna = koniec.canonicalFilePath();
    return QDir::cleanPath(kanoniczna.isEmpty() ? koniec.absoluteFilePath() : kanoniczna);
}

QStringList pliki_wlasne_programu() {
    QStringList pliki;
    for (const char* nazwa : {"config.ini", "baza_odbiorcow.dat", "baza_nadawcow.dat",
                              "baza_tytulow.dat", "HELP.HLP", "update.txt"})
        pliki << plik_programu(QString::fromLatin1(nazwa));
    pliki << plik_dostarczony(u"HELP.HLP"_s);
    if (const QString magazyn = MagazynUstawien::sciezka_pliku(); !magazyn.isEmpty())
        pliki << magazyn;
    return pliki;
}

QString odmowa_wyjscia(const QString& wyjscie, const QStringList& wejscia) {
    if (wyjscie == u"-") return {};
    // Every check looks at the file a write would land in, not at a link's name.
    const QString cel = rozwiazana_sciezka(wyjscie);
    for (const QString& wejscie : wejscia)
        if (to_samo_miejsce(cel, wejscie))
            return u"Plik wyjściowy jest tym samym plikiem co plik wejściowy: %1"_s.arg(wyjscie);
    for (const QString& wlasny : pliki_wlasne_programu())
        if (to_samo_miejsce(cel, wlasny))
            return u"Plik wyjściowy jest plikiem programu, którego nie wolno zastąpić: %1"_s.arg(
                wyjscie);
    if (nazwa_pliku_przelewow(wyjscie) || nazwa_pliku_przelewow(cel))
        return u"Plik wyjściowy nie może być plikiem przelewów (.p2, .vando): %1"_s.arg(wyjscie);
    const QFileInfo info(cel);
    if (info.exists() && !info.isFile())
        return u"Plik wyjściowy istnieje i nie jest zwykłym plikiem: %1"_s.arg(wyjscie);
    return {};
}

bool zapisz_wyjscie(const QString& wyjscie, const std::function<bool(QIODevice&)>& pisz) {
    // The file checked is the file written: a link is not replaced by a plain file.
    if (wyjscie != u"-") return zapisz_bezpiecznie(rozwiazana_sciezka(wyjscie), pisz);
    QFile standardowe;
    if (!standardowe.open(stdout, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
    return pisz(standardowe) && standardowe.flush();
}
