#pragma once

#include <QIcon>
#include <QString>

// An icon of the desktop's theme by its freedesktop name ("document-new",
// "document-print", "edit-delete"…); where the theme has none, the program's
// own drawing of the same meaning (resources/ikony/<name>.svg, rendered at
// build time at several sizes under :/ikony/<name>-<size>.rgba).
QIcon ikona(const QString& nazwa_freedesktop);

// The program's own drawing alone, whatever the theme; null for a name it
// has no drawing of.
QIcon ikona_wlasna(const QString& nazwa_freedesktop);
