// The update library: checks at once and tells the user the result.
#include "extras/aktualizacja_sprawdzanie.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString tekst_wyniku(const WynikSprawdzania& wynik) {
    switch (wynik.stan) {
        case WynikSprawdzania::ta_sama_wersja:
            return u"Używasz najnowszej wersji programu."_s;
        case WynikSprawdzania::inna_wersja:
            return u"Dostępna jest nowsza wersja programu: "_s + wynik.wersja_nowa;
        case WynikSprawdzania::nieudane:
            break;
    }
    return u"Nie udało się sprawdzić dostępności aktualizacji."_s;
}

}  // namespace

// The background check of the main window, for a program that loads Qt
// Network only with this library, a moment after its window is up.
extern "C" Q_DECL_EXPORT bool vandoria_jest_polaczenie() { return jest_polaczenie_z_siecia(); }

extern "C" Q_DECL_EXPORT void vandoria_sprawdz_aktualizacje(const UstawieniaSprawdzania* ustawienia,
                                                            WynikSprawdzania* wynik) {
    *wynik = sprawdz_aktualizacje(*ustawienia);
}

extern "C" Q_DECL_EXPORT void pokaz_update() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const WynikSprawdzania wynik = sprawdz_aktualizacje();
    QApplication::restoreOverrideCursor();

    QDialog okno(QApplication::activeWindow());
    okno.setObjectName(u"okno_aktualizacji"_s);
    okno.setWindowTitle(u"Aktualizacje"_s);
    auto* uklad = new QVBoxLayout(&okno);
    // Room around the text and a centred button, not one pressed into the corner.
    uklad->setContentsMargins(20, 18, 20, 14);
    uklad->setSpacing(16);
    auto* napis = new QLabel(tekst_wyniku(wynik), &okno);
    napis->setObjectName(u"wynik"_s);
    napis->setTextFormat(Qt::PlainText);  // the version comes from the network
    napis->setWordWrap(true);
    napis->setMinimumWidth(300);
    uklad->addWidget(napis);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok, &okno);
    przyciski->setCenterButtons(true);
    // Qt's own caption has no letter to reach it with Alt.
    przyciski->button(QDialogButtonBox::Ok)->setText(u"&OK"_s);
    if (wynik.stan == WynikSprawdzania::inna_wersja && !wynik.adres_pobierania.isEmpty()) {
        QPushButton* pobierz = przyciski->addButton(u"&Pobierz!"_s, QDialogButtonBox::ActionRole);
        pobierz->setObjectName(u"pobierz"_s);
        const QUrl adres(wynik.adres_pobierania);
        QObject::connect(pobierz, &QPushButton::clicked, &okno, [adres, &okno] {
            QDesktopServices::openUrl(adres);
            okno.accept();
        });
    }
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &okno, &QDialog::accept);
    uklad->addWidget(przyciski);
    okno.exec();
}
