// The yardstick for the program's start: a bare Qt main window with the same
// menu bar, tool bar and list view, nothing else. With
// VANDORIA_ZAKONCZ_PO_POKAZANIU set it ends as soon as its list has been painted,
// the point where the program ends too.
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

struct Menu {
    QString nazwa;
    QStringList polecenia;
};

class GoleOkno : public QMainWindow {
    Q_OBJECT
  public:
    GoleOkno() {
        const QList<Menu> menu = {
            {u"&Plik"_s,
             {u"Nowy"_s, u"Otwórz"_s, u"Zapisz"_s, u"Zapisz jako..."_s, u"Statystyki bazy"_s,
              u"Eksportuj do CSV"_s, u"Eksport do banku..."_s, u"Podgląd wydruku"_s, u"Drukuj"_s,
              u"Wyjdź"_s}},
            {u"&Vandoria"_s,
             {u"Nowy przelew"_s, u"Edytuj przelew"_s, u"Usuń przelew"_s, u"Cofnij usunięcie"_s,
              u"Powiel przelew"_s, u"Zapłać telefonem"_s}},
            {u"&Baza"_s, {u"Baza odbiorców"_s, u"Baza nadawców"_s, u"Baza tytułów"_s}},
            {u"&Opcje"_s, {u"Ustawienia programu"_s}},
            {u"&Inne"_s,
             {u"Pomoc"_s, u"O programie..."_s, u"Dodaj do listy przelew do autora programu"_s,
              u"Sprawdź, czy są dostępne aktualizacje"_s}},
        };
        for (const Menu& m : menu) {
            QMenu* w = menuBar()->addMenu(m.nazwa);
            for (const QString& p : m.polecenia) w->addAction(p);
        }
        QToolBar* pasek = addToolBar(u"Pasek narzędzi"_s);
        pasek->setIconSize(QSize(16, 16));
        for (const char* ikona :
             {"document-new", "document-open", "document-save", "office-chart-bar",
              "document-export", "document-print", "document-print-preview", "list-add",
              "document-edit", "edit-delete", "x-office-address-book", "system-users",
              "format-justify-left", "preferences-system", "help-contents"})
            pasek->addAction(QIcon::fromTheme(QString::fromLatin1(ikona)), QString());
        auto* model = new QStandardItemModel(0, 5, this);
        model->setHorizontalHeaderLabels(
            {u"Odbiorca"_s, u"Tytułem"_s, u"Nr rachunku odbiorcy"_s, u"Kwota"_s, u"Data"_s});
        auto* lista = new QTreeView(this);
        lista->setRootIsDecorated(false);
        lista->setModel(model);
        setCentralWidget(lista);
        if (qEnvironmentVariableIsSet("VANDORIA_ZAKONCZ_PO_POKAZANIU"))
            lista->viewport()->installEventFilter(this);
        statusBar();
        setWindowTitle(u"Vandoria"_s);
        resize(778, 646);
    }

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QMainWindow::eventFilter(obiekt, zdarzenie);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplikacja(argc, argv);
    GoleOkno okno;
    okno.show();
    return QApplication::exec();
}

#include "goly_program.moc"
