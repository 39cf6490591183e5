#include "widgets/ikony.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QResource>

#include <cstring>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString plik_wlasny(const QString& nazwa, int bok) {
    return u":/ikony/%1-%2.rgba"_s.arg(nazwa).arg(bok);
}

// A drawing rendered at build time: bok × bok pixels of premultiplied RGBA.
QPixmap czytaj_rysunek(const QString& plik, int bok) {
    const QByteArray dane = QResource(plik).uncompressedData();
    if (dane.size() != qsizetype(bok) * bok * 4) return {};
    QImage obraz(bok, bok, QImage::Format_RGBA8888_Premultiplied);
    for (int y = 0; y < bok; ++y)
        std::memcpy(obraz.scanLine(y), dane.constData() + qsizetype(y) * bok * 4, bok * 4);
    return QPixmap::fromImage(std::move(obraz));
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
    // The size comes in device pixels already; the icon is asked in logical ones.
    QPixmap scaledPixmap(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan,
                         qreal skala) override {
        return prawdziwa().pixmap(rozmiar / skala, skala, tryb, stan);
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
            // One lookup: asking hasThemeIcon first would search the theme twice.
            // An icon found under a shorter name ("document-print" for
            // "document-print-preview") means something else: ours is used.
            QIcon z_motywu = QIcon::fromTheme(nazwa_);
            ikona_ = z_motywu.name() == nazwa_ ? std::move(z_motywu) : ikona_wlasna(nazwa_);
        }
        return *ikona_;
    }

    QString nazwa_;
    std::optional<QIcon> ikona_;
};

// The program's own drawing at every size it was rendered at, so that a scaled
// screen takes a sharp one instead of blowing up the smallest. A size is read
// only when first painted: Qt's own file icon reads every file it is given at
// once, five for each of the tool bar's icons.
class WlasnaIkona : public QIconEngine {
  public:
    explicit WlasnaIkona(QString nazwa) : nazwa_(std::move(nazwa)) {
        for (const int bok : {16, 24, 32, 48, 64})
            if (QFile::exists(plik_wlasny(nazwa_, bok))) boki_.append(bok);
    }

    void paint(QPainter* malarz, const QRect& prostokat, QIcon::Mode tryb,
               QIcon::State stan) override {
        const qreal skala = malarz->device() ? malarz->device()->devicePixelRatio() : 1.0;
        dla(prostokat.size() * skala).paint(malarz, prostokat, Qt::AlignCenter, tryb, stan);
    }
    QSize actualSize(const QSize& rozmiar, QIcon::Mode, QIcon::State) override {
        if (boki_.isEmpty()) return {};
        const int bok = najlepszy_bok(rozmiar);
        QSize wlasny(bok, bok);
        // Never larger than asked, as Qt's own icons.
        if (bok > rozmiar.width() || bok > rozmiar.height())
            wlasny.scale(rozmiar, Qt::KeepAspectRatio);
        return wlasny;
    }
    QPixmap pixmap(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan) override {
        return dla(rozmiar).pixmap(rozmiar, 1.0, tryb, stan);
    }
    QPixmap scaledPixmap(const QSize& rozmiar, QIcon::Mode tryb, QIcon::State stan,
                         qreal) override {
        return pixmap(rozmiar, tryb, stan);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> rozmiary;
        for (const int bok : boki_) rozmiary.append(QSize(bok, bok));
        return rozmiary;
    }
    bool isNull() override { return boki_.isEmpty(); }
    QString iconName() override { return nazwa_; }
    QString key() const override { return u"WlasnaIkona"_s; }
    QIconEngine* clone() const override { return new WlasnaIkona(*this); }

  private:
    // The smallest drawing that fills the size, or the largest there is.
    int najlepszy_bok(const QSize& rozmiar) const {
        const int potrzeba = qMax(rozmiar.width(), rozmiar.height());
        for (const int bok : boki_)
            if (bok >= potrzeba) return bok;
        return boki_.last();
    }
    const QIcon& dla(const QSize& rozmiar) {
        if (boki_.isEmpty()) return wczytane_;
        const int bok = najlepszy_bok(rozmiar);
        if (!wczytane_boki_.contains(bok)) {
            wczytane_.addPixmap(czytaj_rysunek(plik_wlasny(nazwa_, bok), bok));
            wczytane_boki_.append(bok);
        }
        return wczytane_;
    }

    QString nazwa_;
    QList<int> boki_;
    QList<int> wczytane_boki_;
    QIcon wczytane_;
};

}  // namespace

QIcon ikona_wlasna(const QString& nazwa_freedesktop) {
    auto* wlasna = new WlasnaIkona(nazwa_freedesktop);
    if (wlasna->isNull()) {
        delete wlasna;
        return {};
    }
    return QIcon(wlasna);
}

QIcon ikona(const QString& nazwa_freedesktop) { return QIcon(new LeniwaIkona(nazwa_freedesktop)); }
