#include "register/bezpieczny_zapis.h"

#include <QFileInfo>
#include <QSaveFile>

bool zapisz_bezpiecznie(const QString& sciezka, const std::function<bool(QIODevice&)>& pisz) {
    // Renaming the new file over a read-only one would succeed, but the user
    // made it read-only so that it is not changed.
    const QFileInfo cel(sciezka);
    if (cel.exists() && !(cel.permissions() & QFileDevice::WriteOwner)) return false;
    // Renaming over a device, FIFO or directory would replace it with a plain
    // file (root may do so even under /dev).
    if (cel.exists() && !cel.isFile()) return false;

    QSaveFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly)) return false;
    // QSaveFile::commit() replaces the old file even when flushing its buffer
    // failed halfway (a full disk), so the flush is checked here first.
    if (!pisz(plik) || !plik.flush()) {
        plik.cancelWriting();
        return false;
    }
    return plik.commit();
}
