#include "extras/first_run_form.h"
#include "widgets/czcionki.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Tmonolit_first_run::Tmonolit_first_run(QWidget* rodzic)
    : QDialog(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(u"Tmonolit_first_run"_s);
    setWindowTitle(u"Pierwsze uruchomienie programu"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);

    l_tekst = new QLabel(
        u"<b>Witaj w programie Vandoria!</b><br><br>"
        u"Program jest darmowy i możesz z niego korzystać bez żadnych opłat. "
        u"Do listy został właśnie dodany formularz dobrowolnej wpłaty dla autora programu. "
        u"Jeśli program Ci się przyda, możesz go wydrukować i opłacić na poczcie lub w banku. "
        u"Jeśli nie chcesz, po prostu usuń go z listy."_s,
        this);
    l_tekst->setObjectName(u"l_tekst"_s);
    l_tekst->setTextFormat(Qt::RichText);
    l_tekst->setWordWrap(true);
    l_tekst->setAlignment(Qt::AlignCenter);
    // The designed width in characters: a larger font widens the window too.
    l_tekst->setMinimumWidth(qMax(346, l_tekst->fontMetrics().averageCharWidth() * 56));

    b_ok = new QPushButton(u"&OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setDefault(true);
    b_ok->setMinimumWidth(75);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(12, 12, 12, 10);
    uklad->addWidget(l_tekst, 1);
    uklad->addWidget(b_ok, 0, Qt::AlignHCenter);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
}

void Tmonolit_first_run::showEvent(QShowEvent* zdarzenie) {
    // Centred on the screen, not on the main window that may not be placed yet.
    if (const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen())
        move(ekran->availableGeometry().center() - rect().center());
    QDialog::showEvent(zdarzenie);
}

void pokaz_pierwsze_uruchomienie(QWidget* rodzic) {
    Tmonolit_first_run okno(rodzic);
    okno.exec();
}
