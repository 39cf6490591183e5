#pragma once

#include <QString>

// The program's folder holds config.ini, the address books and update.txt.
// It is the executable's folder; when that folder cannot be written (an
// installed program) the user's data folder; VANDORIA_DIR overrides both.
// Everything else is handed paths made here.
QString folder_programu();

// folder_programu() followed directly by the file name.
QString plik_programu(const QString& nazwa);

// Files shipped with the program (HELP.HLP): the program's folder first, then
// the executable's folder, then the installed share folder.
QString plik_dostarczony(const QString& nazwa);
