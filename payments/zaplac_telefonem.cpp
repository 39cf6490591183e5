#include "payments/zaplac_telefonem.h"

#include "payments/kod_platnosci.h"
#include "payments/kod_qr.h"
#include "payments/okna_platnosci.h"
#include "register/przelew.h"
#include "widgets/czcionki.h"
#include "widgets/suma_kontrolna.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString grupy_konta(const QString& cyfry) {
    QString wynik = cyfry.left(2);
    for (qsizetype i = 2; i < cyfry.size(); i += 4) wynik += u' ' + cyfry.mid(i, 4);
    return wynik;
}

}  // namespace

Tzaplac_telefonem::Tzaplac_telefonem(QWidget* rodzic) : QDialog(rodzic) {
    setObjectName(u"Tzaplac_telefonem"_s);
    setWindowTitle(u"Zapłać telefonem"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);

    i_kod = new QLabel(this);
    i_kod->setObjectName(u"i_kod"_s);
    i_kod->setAlignment(Qt::AlignCenter);
    i_kod->setWordWrap(true);
    i_kod->setMinimumSize(300, 300);

    auto* opis = new QLabel(
        u"Zeskanuj kod aplikacją swojego banku (płatność kodem QR / „skanuj i płać”)."_s, this);
    opis->setWordWrap(true);

    auto wartosc = [this](const QString& nazwa) {
        auto* l = new QLabel(this);
        l->setObjectName(nazwa);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    l_odbiorca = wartosc(u"l_odbiorca"_s);
    l_rachunek = wartosc(u"l_rachunek"_s);
    l_kwota = wartosc(u"l_kwota"_s);
    l_tytul = wartosc(u"l_tytul"_s);
    b_kopiuj_rachunek = new QPushButton(u"&Kopiuj"_s, this);
    b_kopiuj_rachunek->setObjectName(u"b_kopiuj_rachunek"_s);
    b_kopiuj_tytul = new QPushButton(u"Kop&iuj"_s, this);
    b_kopiuj_tytul->setObjectName(u"b_kopiuj_tytul"_s);

    auto* pola = new QGridLayout;
    pola->addWidget(new QLabel(u"Odbiorca:"_s, this), 0, 0);
    pola->addWidget(l_odbiorca, 0, 1);
    pola->addWidget(new QLabel(u"Rachunek:"_s, this), 1, 0);
    pola->addWidget(l_rachunek, 1, 1);
    pola->addWidget(b_kopiuj_rachunek, 1, 2);
    pola->addWidget(new QLabel(u"Kwota:"_s, this), 2, 0);
    pola->addWidget(l_kwota, 2, 1);
    pola->addWidget(new QLabel(u"Tytuł:"_s, this), 3, 0);
    pola->addWidget(l_tytul, 3, 1);
    pola->addWidget(b_kopiuj_tytul, 3, 2);
    pola->setColumnStretch(1, 1);

    l_uwaga = new QLabel(
        u"Kwoty nie ma w kodzie (brak kwoty albo więcej niż 9999,99 zł) — wpisz ją w aplikacji "
        u"banku."_s,
        this);
    l_uwaga->setObjectName(u"l_uwaga"_s);
    l_uwaga->setWordWrap(true);
    pokoloruj_uwage(l_uwaga);

    b_zamknij = new QPushButton(u"&Zamknij"_s, this);
    b_zamknij->setObjectName(u"b_zamknij"_s);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(opis);
    uklad->addWidget(i_kod, 1);
    uklad->addLayout(pola);
    uklad->addWidget(l_uwaga);
    uklad->addWidget(b_zamknij, 0, Qt::AlignRight);

    connect(b_kopiuj_rachunek, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(l_rachunek->text().remove(u' ')); });
    connect(b_kopiuj_tytul, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(l_tytul->text()); });
    connect(b_zamknij, &QPushButton::clicked, this, &QDialog::accept);
}

void Tzaplac_telefonem::pokaz_przelew(const Tprzelew& przelew) {
    const KodPlatnosci kod = kod_platnosci(przelew);
    const std::optional<MacierzQr> macierz = kod.jest() ? koduj_qr(kod.tresc) : std::nullopt;
    const bool jest = macierz.has_value();
    if (jest) {
        i_kod->setPixmap(QPixmap::fromImage(obraz_qr(*macierz, 5)));
        l_odbiorca->setText(kod.pola.at(4));
        l_rachunek->setText(grupy_konta(kod.pola.at(2)));
        const QString grosze = kod.pola.at(3);
        l_kwota->setText(kod.kwota_do_wpisania
                             ? u"(do wpisania w aplikacji)"_s
                             : u"%1,%2 zł"_s.arg(grosze.left(4).toInt()).arg(grosze.right(2)));
        l_tytul->setText(kod.pola.at(5));
    } else {
        i_kod->setPixmap({});
        i_kod->setText(kod.jest() ? u"Nie udało się utworzyć kodu QR."_s
                                  : u"Dla tego przelewu nie można pokazać kodu.\n\n"_s + kod.powod);
        for (QLabel* l : {l_odbiorca, l_rachunek, l_kwota, l_tytul}) l->clear();
    }
    b_kopiuj_rachunek->setEnabled(jest);
    b_kopiuj_tytul->setEnabled(jest && !l_tytul->text().isEmpty());
    l_uwaga->setVisible(jest && kod.kwota_do_wpisania);
}

void pokaz_kod_platnosci(QWidget* rodzic, const Tprzelew& przelew) {
    Tzaplac_telefonem okno(rodzic);
    okno.pokaz_przelew(przelew);
    okno.exec();
}
