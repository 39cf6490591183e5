#include "register/ostatnie_pliki.h"

#include "register/magazyn_ustawien.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString wartosc = u"OstatniePliki"_s;

QString postac(const QString& sciezka) {
    return QDir::cleanPath(QFileInfo(sciezka).absoluteFilePath());
}

}  // namespace

namespace OstatniePliki {

QStringList dodaj(QStringList lista, const QString& sciezka) {
    // A name with a line break could not be told apart from two names when stored.
    if (sciezka.isEmpty() || sciezka.contains(u'\n')) return lista;
    const QString nowa = postac(sciezka);
    lista.removeIf([&](const QString& s) { return postac(s) == nowa; });
    lista.prepend(nowa);
    while (lista.size() > najwiecej) lista.removeLast();
    return lista;
}

QStringList wczytaj() {
    const auto tekst = MagazynUstawien::czytaj_tekst(wartosc);
    if (!tekst) return {};
    QStringList lista = tekst->split(u'\n', Qt::SkipEmptyParts);
    while (lista.size() > najwiecej) lista.removeLast();
    return lista;
}

bool zapisz(const QStringList& lista) {
    return MagazynUstawien::zapisz_tekst(wartosc, lista.join(u'\n'));
}

}  // namespace OstatniePliki
