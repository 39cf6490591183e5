#include "printing/oznaczanie_przepelnienia.h"

#include "printing/raport.h"
#include "printing/ustawienia_wydruku.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

using namespace Qt::StringLiterals;

namespace {

// Not the red of an incomplete account number: this text is valid, only long.
const QColor kolor_przepelnienia(255, 214, 153);
constexpr char wlasciwosc[] = "vandoria_przepelnienie";

}  // namespace

bool sprawdz_przepelnienie_pola(QLineEdit* pole, PoleTekstowe rodzaj) {
    // Read at every change: the preferences may have switched cells on or off
    // since the editor opened, and the file is a few lines.
    const auto wynik =
        sprawdz_pole(rodzaj, pole->text(), czytaj_ustawienia_wydruku(), szerokosc_tekstu_mm);
    const bool bylo = oznaczone_przepelnienie(pole);
    if (wynik.has_value() == bylo && !wynik) return false;
    QPalette paleta = pole->palette();
    paleta.setColor(QPalette::Base,
                    wynik ? kolor_przepelnienia : QApplication::palette().color(QPalette::Base));
    pole->setPalette(paleta);
    pole->setToolTip(wynik ? opis_przepelnienia(*wynik) + u'.' : QString());
    pole->setProperty(wlasciwosc, wynik.has_value());
    return wynik.has_value();
}

bool oznaczone_przepelnienie(const QLineEdit* pole) { return pole->property(wlasciwosc).toBool(); }

void sledz_przepelnienie(QLineEdit* pole, PoleTekstowe rodzaj) {
    QObject::connect(pole, &QLineEdit::textChanged, pole,
                     [pole, rodzaj] { sprawdz_przepelnienie_pola(pole, rodzaj); });
}
