#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file through a temporary file in the same folder that replaces the
// old file only when every byte reached it, so a failed save (full disk,
// missing folder, no permission) never destroys the previous file and never
// leaves a temporary one behind. A file whose owner made it read-only is not
// replaced either. False when anything failed.
bool zapisz_bezpiecznie(const QString& sciezka, const std::function<bool(QIODevice&)>& pisz);
