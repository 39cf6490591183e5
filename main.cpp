#include "ui/main/glowny.h"
#include "ui/okna.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
