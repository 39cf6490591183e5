#include "wspolne/program.h"

#include <QProcess>
#include <QProcessEnvironment>

WynikProgramu uruchom_program(const QString& sciezka, const QStringList& argumenty,
                              const QString& folder) {
    QProcess program;
    QProcessEnvironment otoczenie = QProcessEnvironment::systemEnvironment();
    for (const char* zmienna : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        otoczenie.remove(QString::fromLatin1(zmienna));
    if (!folder.isEmpty()) {
        otoczenie.insert(QStringLiteral("VANDORIA_DIR"), folder);
        program.setWorkingDirectory(folder);
    }
    program.setProcessEnvironment(otoczenie);
    program.start(sciezka, argumenty);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        program.waitForFinished();
        return {};
    }
    return {program.exitCode(), program.readAllStandardOutput(),
            QString::fromUtf8(program.readAllStandardError())};
}
