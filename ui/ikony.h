#pragma once

#include <QIcon>
#include <QString>

// An icon of the desktop's theme by its freedesktop name ("document-new",
// "document-print", "edit-delete"…); where the theme has none, the program's
// own drawing of the same meaning (resources/ikony/<name>.svg).
QIcon ikona(const QString& nazwa_freedesktop);
