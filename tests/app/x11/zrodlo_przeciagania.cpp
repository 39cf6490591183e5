// A window another program could be: pressing the mouse on it drags the
// file named on the command line, as a file manager does.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

class Zrodlo : public QWidget {
  public:
    explicit Zrodlo(QString plik) : plik_(std::move(plik)) {}

  protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* dane = new QMimeData;
        dane->setUrls({QUrl::fromLocalFile(plik_)});
        auto* przeciaganie = new QDrag(this);
        przeciaganie->setMimeData(dane);
        const Qt::DropAction wynik = przeciaganie->exec(Qt::CopyAction | Qt::MoveAction);
        std::printf("upuszczono %d\n", int(wynik));
        std::fflush(stdout);
    }

  private:
    QString plik_;
};

int main(int argc, char* argv[]) {
    QApplication aplikacja(argc, argv);
    if (argc < 4) return 2;
    Zrodlo okno(QString::fromLocal8Bit(argv[1]));
    okno.setWindowTitle(QStringLiteral("zrodlo"));
    okno.setGeometry(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt(),
                     120, 120);
    okno.show();
    std::printf("gotowe\n");
    std::fflush(stdout);
    return aplikacja.exec();
}
