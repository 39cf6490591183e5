#include "ui/ikony.h"

using namespace Qt::StringLiterals;

QIcon ikona(const QString& nazwa_freedesktop) {
    return QIcon::fromTheme(nazwa_freedesktop,
                            QIcon(u":/ikony/"_s + nazwa_freedesktop + u".svg"_s));
}
