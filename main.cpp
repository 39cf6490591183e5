#include "extras/csv_z_wiersza_polecen.h"
#include "printing/pdf_z_wiersza_polecen.h"
#include "ui/main/glowny.h"
#include "ui/okna.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>

namespace {

bool ma_opcje(int argc, char* argv[], const char* opcja) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], opcja) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Work without a window needs no display.
    if (ma_opcje(argc, argv, "--csv")) {
        QCoreApplication aplikacja(argc, argv);
        return csv_z_wiersza_polecen(QCoreApplication::arguments());
    }
    if (ma_opcje(argc, argv, "--pdf")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication aplikacja(argc, argv);
        return pdf_z_wiersza_polecen(QCoreApplication::arguments());
    }

    QApplication aplikacja(argc, argv);
    QApplication::setApplicationName(u"Vandoria"_qs);
    QApplication::setApplicationDisplayName(u"Vandoria"_qs);

    Tglowne_okno glowne;
    okna().glowne = &glowne;
    const QStringList argumenty = QApplication::arguments();
    if (argumenty.size() > 1) glowne.argument_startowy = argumenty.at(1);
    glowne.show();
    return QApplication::exec();
}
