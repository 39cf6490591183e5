#include "widgets/ikony.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString plik_wlasny(const QString& nazwa, int bok) {
    return u":/ikony/%1-%2.png"_s.arg(nazwa).arg(bok);
}

// Looks the icon up in the theme and reads its files only when it is first
// painted: the main window makes some forty icons, most of them in menus
// that are never opened, and the theme lookup is what a start would
// otherwise spend its time on.
class LeniwaIkona : public QIconEngine {
  public:
    explicit LeniwaIkona(QString nazwa) : nazwa_(std::move(nazwa)) {}

    void paint(QPainter* malarz, const QRect& prostokat, QIcon::Mode tryb,
               QIcon::State stan) override {
        prawdziwa().paint(malarz, prostokat, Qt::AlignCenter, tryb, stan);
    }
    QSize actualSize(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan) override {
        return prawdziwa().actualSize(rozmiar, tryb, stan);
    }
    QPixmap pixmap(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan) override {
        return prawdziwa().pixmap(rozmiar, tryb, stan);
    }
    QPixmap scaledPixmap(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan,
                         qreal skala) override {
        return prawdziwa().pixmap(rozmiar, skala, tryb, stan);
    }
    QList<QSize> availableSizes(QIcon::Mode tryb, QIcon::State stan) override {
        return prawdziwa().availableSizes(tryb, stan);
    }
    // A name with a drawing of ours is never empty, so asking costs no lookup.
    bool isNull() override {
        return !QFile::exists(plik_wlasny(nazwa_, 16)) && prawdziwa().isNull();
    }
    QString iconName() override { return nazwa_; }
    QString key() const override { return u"LeniwaIkona"_s; }
    QIconEngine* clone() const override { return new LeniwaIkona(*this); }

  private:
    const QIcon& prawdziwa() {
        if (!ikona_) {
            ikona_ = QIcon::hasThemeIcon(nazwa_) ? QIcon::fromTheme(nazwa_) : ikona_wlasna(nazwa_);
        }
        return *ikona_;
    }

    QString nazwa_;
    std::optional<QIcon> ikona_;
};

}  // namespace

QIcon ikona_wlasna(const QString& nazwa_freedesktop) {
    QIcon wlasna;
    // Every size given, so that a scaled screen takes a sharp one instead of
    // blowing up the smallest; each is read only when first painted.
    for (const int bok : {16, 24, 32, 48, 64}) {
        const QString plik = plik_wlasny(nazwa_freedesktop, bok);
        if (QFile::exists(plik)) wlasna.addFile(plik, QSize(bok, bok));
    }
    return wlasna;
}

QIcon ikona(const QString& nazwa_freedesktop) { return QIcon(new LeniwaIkona(nazwa_freedesktop)); }
