#include "app/glowny.h"
#include "extras/csv_z_wiersza_polecen.h"
#include "payments/eksport_z_wiersza_polecen.h"
#include "printing/kalibracja_z_wiersza_polecen.h"
#include "printing/pdf_z_wiersza_polecen.h"
#include "widgets/czcionki.h"
#include "widgets/nazwy_dostepne.h"
#include "widgets/tlumaczenia.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

bool ma_opcje(int argc, char* argv[], const char* opcja) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], opcja) == 0) return true;
    return false;
}

// The program's own arguments, taken before Qt sees them: Qt would take a file
// named "-reverse" or "-style" as its own option and drop it.
QStringList argumenty_programu(int argc, char* argv[]) {
    QStringList wynik;
    for (int i = 0; i < argc; ++i) wynik << QFile::decodeName(argv[i]);
    return wynik;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The data folder is named after the program, not after its command, in
    // every mode.
    QCoreApplication::setApplicationName(u"Vandoria"_s);
    const QStringList argumenty = argumenty_programu(argc, argv);
    int argc_qt = 1;  // Qt gets the program's name only; it must outlive the application

    // Work without a window needs no display.
    if (ma_opcje(argc, argv, "--csv")) {
        QCoreApplication aplikacja(argc_qt, argv);
        return csv_z_wiersza_polecen(argumenty);
    }
    if (ma_opcje(argc, argv, "--pdf")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication aplikacja(argc_qt, argv);
        return pdf_z_wiersza_polecen(argumenty);
    }
    if (ma_opcje(argc, argv, "--kalibracja")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication aplikacja(argc_qt, argv);
        return kalibracja_z_wiersza_polecen(argumenty);
    }
    if (ma_opcje(argc, argv, "--rachunek-podatkowy")) {
        QCoreApplication aplikacja(argc_qt, argv);
        return rachunek_z_wiersza_polecen(argumenty);
    }
    if (ma_opcje(argc, argv, "--elixir")) {
        QCoreApplication aplikacja(argc_qt, argv);
        return elixir_z_wiersza_polecen(argumenty);
    }
    if (ma_opcje(argc, argv, "--qr")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication aplikacja(argc_qt, argv);
        return qr_z_wiersza_polecen(argumenty);
    }

    QApplication aplikacja(argc_qt, argv);
    QApplication::setApplicationName(u"Vandoria"_s);
    // No display name: Qt would append it to every caption.
    wczytaj_tlumaczenia_qt();
    ustaw_czcionke_aplikacji();
    nazywaj_okna_przy_pokazaniu();

    // Only the main window: every other window is made where it is opened,
    // with what it shows.
    Tglowne_okno glowne;
    if (argumenty.size() > 1) glowne.argument_startowy = argumenty.at(1);
    glowne.show();
    return QApplication::exec();
}
