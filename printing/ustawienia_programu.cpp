#include "printing/ustawienia_programu.h"

#include "register/kwota.h"
#include "printing/drukarka.h"
#include "printing/kalibracja.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/ustawienia_wydruku.h"
#include "register/folder_programu.h"
#include "ui/czcionki.h"
#include "ui/dialogi.h"
#include "ui/jpeg.h"
#include "ui/main/glowny.h"
#include "ui/obrazki.h"
#include "ui/okna.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString plik_ustawien = u"config.ini"_s;

// Millionths of a złoty per złoty, and the buttons' step of 0,1.
constexpr qint64 zloty = 1'000'000;
constexpr qint64 krok_oplaty = zloty / 10;

// The shortest decimal text of a count of millionths: 2500000 -> 2,5; 3000000 -> 3.
QString tekst_oplaty_okna(qint64 milionowe) {
    const bool ujemna = milionowe < 0;
    const qint64 modul = ujemna ? -milionowe : milionowe;
    QString t = QString::number(modul / zloty);
    if (const qint64 reszta = modul % zloty) {
        QString ulamek = u"%1"_s.arg(reszta, 6, 10, QChar(u'0'));
        while (ulamek.endsWith(u'0')) ulamek.chop(1);
        t += u',' + ulamek;
    }
    return ujemna ? u'-' + t : t;
}

qint64 milionowe(double wartosc) {
    // Far beyond any fee; keeps the count away from overflow.
    constexpr double granica = 1e9;
    return std::llround(std::clamp(wartosc, -granica, granica) * zloty);
}

}  // namespace

// --- the up-down arrows --------------------------------------------------------------------

StrzalkiGoraDol::StrzalkiGoraDol(QLineEdit* pole, int najmniej, int najwiecej, QWidget* rodzic)
    : QWidget(rodzic), pole_(pole), najmniej_(najmniej), najwiecej_(najwiecej), pozycja_(najmniej) {
    auto strzalka = [this](Qt::ArrowType kierunek, int o) {
        auto* b = new QToolButton(this);
        b->setArrowType(kierunek);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, o] { krok(o); });
        return b;
    };
    w_gore = strzalka(Qt::UpArrow, 1);
    w_dol = strzalka(Qt::DownArrow, -1);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(w_gore);
    uklad->addWidget(w_dol);
    pole_->installEventFilter(this);
    // Like the system's arrows with a buddy edit: they go on from the number
    // typed in, and text that is no number leaves them where they were.
    auto czytaj = [this](const QString& tekst) {
        if (const auto liczba = liczba_calkowita(QStringView(tekst)))
            pozycja_ = std::clamp(*liczba, najmniej_, najwiecej_);
    };
    czytaj(pole_->text());
    connect(pole_, &QLineEdit::textChanged, this, czytaj);
}

void StrzalkiGoraDol::krok(int o) {
    pozycja_ = std::clamp(pozycja_ + o, najmniej_, najwiecej_);
    pole_->setText(QString::number(pozycja_));
}

bool StrzalkiGoraDol::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == pole_ && zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Up || klawisz == Qt::Key_Down) {
            krok(klawisz == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

// --- the window ----------------------------------------------------------------------------

Tpreferencje::Tpreferencje(QWidget* rodzic)
    : QDialog(rodzic, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(u"Tpreferencje"_s);
    setWindowTitle(u"Ustawienia programu"_s);
    setModal(true);
    ustaw_zastepstwa_czcionek();
    QFont czcionka(u"Tahoma"_s);
    czcionka.setPixelSize(11);
    setFont(czcionka);
    zbuduj();
    zaladuj_obrazki();
    setFixedSize(332, 520);
}

void Tpreferencje::zbuduj() {
    auto grupa = [this](const QString& nazwa, const QString& tytul, QRect miejsce) {
        auto* g = new QGroupBox(tytul, this);
        g->setObjectName(nazwa);
        g->setGeometry(miejsce);
        return g;
    };
    // Controls keep their places; one that would cut its text grows to the right.
    auto na_miejscu = [](QWidget* w, const QString& nazwa, int x, int y, int szerokosc,
                         int wysokosc) {
        w->setObjectName(nazwa);
        w->setGeometry(x, y, std::max(szerokosc, w->sizeHint().width()), wysokosc);
    };
    auto radio = [&](QWidget* g, const QString& nazwa, const QString& tekst, int x, int y,
                     int szerokosc) {
        auto* r = new QRadioButton(tekst, g);
        na_miejscu(r, nazwa, x, y, szerokosc, 17);
        return r;
    };
    auto etykieta = [&](QWidget* g, const QString& nazwa, const QString& tekst, int x, int y) {
        auto* l = new QLabel(tekst, g);
        na_miejscu(l, nazwa, x, y, 0, 13);
        return l;
    };

    gb_typ_formularza =
        grupa(u"gb_typ_formularza"_s, u"Typ formularza przelewu"_s, {8, 8, 313, 185});
    auto obrazek_wzoru = [this](const QString& nazwa, int x) {
        auto* i = new QLabel(gb_typ_formularza);
        i->setObjectName(nazwa);
        i->setGeometry(x, 20, 91, 129);
        i->setScaledContents(true);
        return i;
    };
    i_kolorowy = obrazek_wzoru(u"i_kolorowy"_s, 14);
    i_czarnobialy = obrazek_wzoru(u"i_czarnobialy"_s, 111);
    i_brak = obrazek_wzoru(u"i_brak"_s, 208);
    kolorowy = radio(gb_typ_formularza, u"kolorowy"_s, u"Kolorowy"_s, 22, 157, 81);
    czarnobialy = radio(gb_typ_formularza, u"czarnobialy"_s, u"Czarno-biały"_s, 113, 157, 89);
    brak = radio(gb_typ_formularza, u"brak"_s, u"Oryginalny"_s, 214, 157, 85);

    gb_form_2odc = grupa(u"gb_form_2odc"_s, u"Formularz 2-odcinkowy"_s, {8, 199, 202, 66});
    auto margines = [&](const QString& nazwa, int y, QLabel*& opis, const QString& tekst,
                        QLineEdit*& pole, StrzalkiGoraDol*& strzalki, const QString& nazwa_strzalek,
                        QLabel*& mm) {
        opis = etykieta(gb_form_2odc, u"l_"_s + nazwa, tekst, 10, y + 4);
        pole = new QLineEdit(u"50"_s, gb_form_2odc);
        pole->setObjectName(nazwa);
        pole->setGeometry(100, y, 25, 20);
        pole->setTextMargins(0, 0, 0, 0);
        strzalki = new StrzalkiGoraDol(pole, 0, 1000, gb_form_2odc);
        strzalki->setObjectName(nazwa_strzalek);
        strzalki->setGeometry(125, y, 15, 20);
        mm = etykieta(gb_form_2odc, u"l_mm_"_s + nazwa, u"mm"_s, 144, y + 4);
    };
    margines(u"margines_gorny"_s, 17, l_margines_gorny, u"Margines górny:"_s, margines_gorny,
             UpDown1, u"UpDown1"_s, l_mm_gorny);
    margines(u"margines_lewy"_s, 41, l_margines_lewy, u"Margines lewy:"_s, margines_lewy, UpDown2,
             u"UpDown2"_s, l_mm_lewy);

    orinetacja = grupa(u"orinetacja"_s, u"Układ strony"_s, {216, 200, 105, 65});
    pionowy = radio(orinetacja, u"pionowy"_s, u"pionowy"_s, 10, 19, 85);
    poziomy = radio(orinetacja, u"poziomy"_s, u"poziomy"_s, 10, 40, 85);

    gb_ilosc_odcinkow = grupa(u"gb_ilosc_odcinkow"_s, u"Ilość odcinków"_s, {8, 266, 202, 39});
    odc1 = radio(gb_ilosc_odcinkow, u"odc1"_s, u"1"_s, 10, 17, 40);
    odc2 = radio(gb_ilosc_odcinkow, u"odc2"_s, u"2"_s, 78, 17, 40);
    odc4 = radio(gb_ilosc_odcinkow, u"odc4"_s, u"4"_s, 146, 17, 40);

    gb_oplata = grupa(u"gb_oplata"_s, u"Opłata"_s, {216, 266, 105, 71});
    chb_oplata = new QCheckBox(u"Drukuj opłatę"_s, gb_oplata);
    na_miejscu(chb_oplata, u"chb_oplata"_s, 8, 18, 90, 17);
    oplata1 = new QLineEdit(u"0"_s, gb_oplata);
    oplata1->setObjectName(u"oplata1"_s);
    oplata1->setReadOnly(true);
    oplata1->setGeometry(8, 42, 41, 22);
    QFont mala = font();
    mala.setPixelSize(8);
    auto strzalka = [&](const QString& nazwa, const QString& tekst, int y) {
        auto* b = new QToolButton(gb_oplata);
        b->setObjectName(nazwa);
        b->setText(tekst);
        b->setFont(mala);
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(50, y, 17, 11);
        return b;
    };
    opl_UP = strzalka(u"opl_UP"_s, u"/\\"_s, 42);
    opl_DOWN = strzalka(u"opl_DOWN"_s, u"\\/"_s, 53);
    l_pln = etykieta(gb_oplata, u"l_pln"_s, u"PLN"_s, 72, 46);

    gb_inne = grupa(u"gb_inne"_s, u"Inne ustawienia:"_s, {7, 311, 203, 58});
    chb_capitals = new QCheckBox(u"Na wydruku używaj dużych liter"_s, gb_inne);
    na_miejscu(chb_capitals, u"chb_capitals"_s, 8, 17, 185, 17);
    chb_boxes = new QCheckBox(u"Drukuj w kratkach"_s, gb_inne);
    na_miejscu(chb_boxes, u"chb_boxes"_s, 8, 36, 185, 17);

    gb_przesuniecie = grupa(u"gb_przesuniecie"_s, u"Przesunięcie drukarki"_s, {8, 375, 313, 106});
    etykieta(gb_przesuniecie, u"l_drukarka"_s, u"Drukarka:"_s, 8, 21);
    cb_drukarka = new QComboBox(gb_przesuniecie);
    cb_drukarka->setObjectName(u"cb_drukarka"_s);
    cb_drukarka->setGeometry(62, 17, 243, 22);
    etykieta(gb_przesuniecie, u"l_przesuniecie"_s, u"przesunięcie w prawo / w dół:"_s, 8, 49);
    auto milimetry = [&](const QString& nazwa, int x) {
        auto* pole = new QDoubleSpinBox(gb_przesuniecie);
        pole->setObjectName(nazwa);
        // A printer is a few millimetres off, either way; tenths can be measured.
        pole->setRange(-50, 50);
        pole->setDecimals(1);
        pole->setSingleStep(0.1);
        pole->setSuffix(u" mm"_s);
        pole->setGeometry(x, 45, 64, 22);
        return pole;
    };
    przesuniecie_w_prawo = milimetry(u"przesuniecie_w_prawo"_s, 170);
    przesuniecie_w_dol = milimetry(u"przesuniecie_w_dol"_s, 241);
    b_kalibracja = new QPushButton(u"Wydruk kalibracyjny"_s, gb_przesuniecie);
    b_kalibracja->setObjectName(u"b_kalibracja"_s);
    b_kalibracja->setGeometry(8, 74, 140, 24);
    b_kalibracja->setAutoDefault(false);

    b_ok = new QPushButton(u"OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setGeometry(137, 487, 89, 25);
    b_ok->setDefault(true);
    b_anuluj = new QPushButton(u"Anuluj"_s, this);
    b_anuluj->setObjectName(u"b_anuluj"_s);
    b_anuluj->setGeometry(232, 487, 89, 25);
    b_anuluj->setAutoDefault(false);

    connect(opl_UP, &QToolButton::clicked, this, &Tpreferencje::opl_UPClick);
    connect(opl_DOWN, &QToolButton::clicked, this, &Tpreferencje::opl_DOWNClick);
    connect(chb_oplata, &QCheckBox::toggled, this, &Tpreferencje::chb_oplataClick);
    connect(b_ok, &QPushButton::clicked, this, &Tpreferencje::b_okClick);
    connect(b_anuluj, &QPushButton::clicked, this, &Tpreferencje::b_anulujClick);
    connect(b_kalibracja, &QPushButton::clicked, this, &Tpreferencje::b_kalibracjaClick);
    connect(cb_drukarka, &QComboBox::currentIndexChanged, this, &Tpreferencje::cb_drukarkaChange);
}

void Tpreferencje::zaladuj_obrazki() {
    const QByteArray jpeg = dane_zasobu(u"KOLOR_MALY"_s);
    i_kolorowy->setPixmap(QPixmap::fromImage(dekoduj_jpeg(jpeg)));
    i_czarnobialy->setPixmap(QPixmap::fromImage(dekoduj_jpeg(jpeg, true)));
    QPixmap pusty(91, 125);
    pusty.fill(Qt::white);
    i_brak->setPixmap(pusty);
}

void Tpreferencje::showEvent(QShowEvent* zdarzenie) {
    // Centred on the main window, or on whatever opened it.
    const QWidget* nad = okna().glowne ? static_cast<QWidget*>(okna().glowne) : parentWidget();
    if (nad && nad->isVisible()) move(nad->window()->frameGeometry().center() - rect().center());
    FormShow();
    QDialog::showEvent(zdarzenie);
}

void Tpreferencje::FormShow() {
    const QString sciezka = plik_programu(plik_ustawien);
    if (QFile::exists(sciezka)) {
        // This window's own defaults, not those of the print preparation.
        const PlikIni ini = PlikIni::wczytaj(sciezka);
        switch (ini.liczba_calkowita(u"typ_formularza"_s, 1)) {
            case 2:
                czarnobialy->setChecked(true);
                break;
            case 3:
                brak->setChecked(true);
                break;
            default:
                kolorowy->setChecked(true);
                break;
        }
        switch (ini.liczba_calkowita(u"ilosc_odcinkow"_s, 2)) {
            case 1:
                odc1->setChecked(true);
                break;
            case 4:
                odc4->setChecked(true);
                break;
            default:
                odc2->setChecked(true);
                break;
        }
        if (ini.tekst(u"uklad_strony"_s, u"portrait"_s) == u"portrait")
            pionowy->setChecked(true);
        else
            poziomy->setChecked(true);
        chb_capitals->setChecked(ini.logiczna(u"capitals"_s, true));
        chb_boxes->setChecked(ini.logiczna(u"boxes"_s, false));
        for (const auto& [pole, klucz] : marginesy()) {
            const int mm = ini.liczba_calkowita(klucz, 50);
            pole->setText(QString::number(mm <= 1000 ? mm : 50));
        }
        chb_oplata->setChecked(ini.logiczna(u"drukuj_oplate"_s, false));
        pokaz_oplate(milionowe(ini.liczba(u"oplata_wart"_s, 2.5)));
    } else {
        // The margins and the boxes keep what the window showed last.
        kolorowy->setChecked(true);
        odc2->setChecked(true);
        pionowy->setChecked(true);
        chb_capitals->setChecked(true);
        chb_oplata->setChecked(false);
        oplata_ = 250 * zloty / 100;
        oplata1->setText(u"2,50"_s);
    }
    chb_oplataClick();
    ustaw_drukarki(QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName());
}

void Tpreferencje::ustaw_drukarki(const QStringList& nazwy, const QString& wybrana) {
    const QSignalBlocker cisza(cb_drukarka);
    cb_drukarka->clear();
    cb_drukarka->addItems(nazwy);
    cb_drukarka->setCurrentIndex(std::max<int>(0, static_cast<int>(nazwy.indexOf(wybrana))));
    cb_drukarkaChange();
}

void Tpreferencje::cb_drukarkaChange() {
    const QString drukarka = cb_drukarka->currentText();
    const Przesuniecie p = przesuniecie_drukarki(drukarka).value_or(Przesuniecie{});
    przesuniecie_w_prawo->setValue(p.w_prawo);
    przesuniecie_w_dol->setValue(p.w_dol);
    // Without a printer there is nothing to remember the shift for.
    for (QWidget* w :
         {static_cast<QWidget*>(cb_drukarka), static_cast<QWidget*>(przesuniecie_w_prawo),
          static_cast<QWidget*>(przesuniecie_w_dol)})
        w->setEnabled(!drukarka.isEmpty());
}

UstawieniaWydruku Tpreferencje::ustawienia_z_okna() const {
    UstawieniaWydruku u;
    u.typ_formularza = brak->isChecked() ? 3 : czarnobialy->isChecked() ? 2 : 1;
    u.ilosc_odcinkow = odc1->isChecked() ? 1 : odc4->isChecked() ? 4 : 2;
    u.uklad_strony = poziomy->isChecked() ? u"landscape"_s : u"portrait"_s;
    // As the print preparation reads them: what is not a margin of 0..1000 mm is 50.
    const auto margines = [](const QLineEdit* pole) {
        const auto mm = liczba_calkowita(QStringView(pole->text()));
        return mm && *mm >= 0 && *mm <= 1000 ? static_cast<int>(*mm) : 50;
    };
    u.margin_top = margines(margines_gorny);
    u.margin_left = margines(margines_lewy);
    return u;
}

void Tpreferencje::b_kalibracjaClick() {
    // The layout shown now, before OK, so the sheet matches what will be saved;
    // no stored shift, so what is measured is the printer's own.
    const Dokument arkusz = generuj_kalibracje(stan_druku(ustawienia_z_okna()));
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    if (!cb_drukarka->currentText().isEmpty()) drukarka.setPrinterName(cb_drukarka->currentText());
    przygotuj_drukarke(drukarka, arkusz.orientacja);
    if (!Dialogi::drukuj(this, drukarka)) return;
    if (!drukuj_dokument(arkusz, drukarka))
        Dialogi::komunikat(this, u"Nie udało się wydrukować arkusza kalibracyjnego."_s,
                           u"Błąd wydruku"_s, Dialogi::Ikona::Blad);
    // The printer chosen in the dialog is the one to measure.
    if (drukarka.outputFormat() == QPrinter::NativeFormat) {
        const int i = cb_drukarka->findText(drukarka.printerName());
        if (i >= 0) cb_drukarka->setCurrentIndex(i);
    }
}

bool Tpreferencje::zapisz_przesuniecie() {
    const QString drukarka = cb_drukarka->currentText();
    if (drukarka.isEmpty()) return true;
    return zapisz_przesuniecie_drukarki(
        drukarka, {przesuniecie_w_prawo->value(), przesuniecie_w_dol->value()});
}

QList<std::pair<QLineEdit*, QString>> Tpreferencje::marginesy() const {
    return {{margines_gorny, u"margin_top"_s}, {margines_lewy, u"margin_left"_s}};
}

void Tpreferencje::pokaz_oplate(qint64 milionowe) {
    oplata_ = milionowe;
    oplata1->setText(tekst_oplaty_okna(milionowe));
}

void Tpreferencje::opl_UPClick() {
    if (oplata_ + krok_oplaty < 100 * zloty) pokaz_oplate(oplata_ + krok_oplaty);
}

void Tpreferencje::opl_DOWNClick() {
    const qint64 v = oplata_ - krok_oplaty;
    pokaz_oplate(v < krok_oplaty ? 0 : v);
}

void Tpreferencje::chb_oplataClick() {
    const bool tak = chb_oplata->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(oplata1), static_cast<QWidget*>(opl_UP),
                       static_cast<QWidget*>(opl_DOWN), static_cast<QWidget*>(l_pln)})
        w->setEnabled(tak);
}

bool Tpreferencje::zapisz() {
    ZapisUstawien plik;
    if (const int typ = kolorowy->isChecked()      ? 1
                        : czarnobialy->isChecked() ? 2
                        : brak->isChecked()        ? 3
                                                   : 0)
        if (!plik.zapisz_liczbe_calkowita(u"typ_formularza"_s, typ)) return false;
    if (const int n = odc1->isChecked() ? 1 : odc2->isChecked() ? 2 : odc4->isChecked() ? 4 : 0)
        if (!plik.zapisz_liczbe_calkowita(u"ilosc_odcinkow"_s, n)) return false;
    if (!plik.zapisz_tekst(u"uklad_strony"_s,
                           poziomy->isChecked() ? u"landscape"_s : u"portrait"_s))
        return false;
    if (!plik.zapisz_logiczna(u"capitals"_s, chb_capitals->isChecked())) return false;
    if (!plik.zapisz_logiczna(u"boxes"_s, chb_boxes->isChecked())) return false;
    for (const auto& [pole, klucz] : marginesy()) {
        const auto mm = liczba_calkowita(QStringView(pole->text()));
        if (!mm || !plik.zapisz_liczbe_calkowita(klucz, *mm)) return false;
    }
    if (!plik.zapisz_logiczna(u"drukuj_oplate"_s, chb_oplata->isChecked())) return false;
    return plik.zapisz_tekst(u"oplata_wart"_s, tekst_oplaty_okna(oplata_));
}

void Tpreferencje::b_okClick() {
    // The shift goes to the user's store, not config.ini: it is saved even when config.ini is not.
    const bool przesuniecie = zapisz_przesuniecie();
    if (!zapisz() || !przesuniecie)
        Dialogi::komunikat(this, u"Nie udało sie zapisać zmian konfiguracyjnych!"_s,
                           u"Błąd zapisu"_s, Dialogi::Ikona::Blad);
    accept();
}

void Tpreferencje::b_anulujClick() { reject(); }
