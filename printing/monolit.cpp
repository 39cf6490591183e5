#include "printing/monolit.h"

#include "widgets/czcionki.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tmonolit_czekania::Tmonolit_czekania(QWidget* rodzic)
    : QFrame(rodzic, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(u"Tmonolit_czekania"_s);
    ustaw_czcionke_okna(this, 9);
    // With no title bar the edge is the only thing setting it apart from the window below.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);

    auto etykieta = [this](const QString& nazwa, const QString& tekst) {
        auto* l = new QLabel(tekst, this);
        l->setObjectName(nazwa);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    l_prosze_czekac = etykieta(u"l_prosze_czekac"_s, u"Proszę czekać...."_s);
    l_trwa_generowanie = etykieta(u"l_trwa_generowanie"_s, u"Trwa generowania formularza..."_s);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(4, 12, 4, 12);
    uklad->addWidget(l_prosze_czekac);
    uklad->addWidget(l_trwa_generowanie);
    // Its designed size, or larger where a larger font needs the room.
    setFixedSize(sizeHint().expandedTo(QSize(201, 73)));
}

void Tmonolit_czekania::pokaz_nad(const QWidget* nad) {
    QRect obszar;
    if (nad && nad->isVisible()) {
        obszar = nad->window()->frameGeometry();
    } else if (const QScreen* ekran = QGuiApplication::primaryScreen()) {
        obszar = ekran->availableGeometry();
    }
    if (obszar.isValid()) move(obszar.center() - rect().center());
    show();
    // Only painting: a click reaching the main window now would start a second
    // command in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
