#include "printing/ustawienia_programu.h"

#include "printing/drukarka.h"
#include "printing/kalibracja.h"
#include "printing/klucze_ustawien.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/ustawienia_wydruku.h"
#include "register/folder_programu.h"
#include "register/kwota.h"
#include "widgets/czcionki.h"
#include "widgets/dialogi.h"
#include "widgets/jpeg.h"
#include "widgets/obrazki.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

QGroupBox* grupa(QWidget* rodzic, const QString& nazwa, const QString& tytul) {
    auto* g = new QGroupBox(tytul, rodzic);
    g->setObjectName(nazwa);
    return g;
}

QRadioButton* radio(QWidget* rodzic, const QString& nazwa, const QString& tekst) {
    auto* r = new QRadioButton(tekst, rodzic);
    r->setObjectName(nazwa);
    return r;
}

QLabel* etykieta(QWidget* rodzic, const QString& nazwa, const QString& tekst) {
    auto* l = new QLabel(tekst, rodzic);
    l->setObjectName(nazwa);
    return l;
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
    // Together as tall as the edit they step, as the system's arrows are.
    const int wysokosc = pole_->sizeHint().height();
    w_gore->setFixedSize(15, wysokosc / 2);
    w_dol->setFixedSize(15, wysokosc - wysokosc / 2);
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
    ustaw_czcionke_okna(this, 9);
    zbuduj();
    zaladuj_obrazki();
}

void Tpreferencje::zbuduj() {
    auto* grupy = new QGridLayout;
    grupy->setSpacing(6);
    grupy->addWidget(zbuduj_typ_formularza(), 0, 0, 1, 2);
    grupy->addWidget(zbuduj_marginesy(), 1, 0);
    grupy->addWidget(zbuduj_uklad_strony(), 1, 1);
    grupy->addWidget(zbuduj_ilosc_odcinkow(), 2, 0);
    // The fee's group is taller than the one beside it and reaches into the next row.
    grupy->addWidget(zbuduj_oplate(), 2, 1, 2, 1);
    grupy->addWidget(zbuduj_inne(), 3, 0);
    grupy->addWidget(zbuduj_przesuniecie(), 4, 0, 1, 2);

    b_ok = new QPushButton(u"&OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setDefault(true);
    b_anuluj = new QPushButton(u"&Anuluj"_s, this);
    b_anuluj->setObjectName(u"b_anuluj"_s);
    b_anuluj->setAutoDefault(false);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch(1);
    for (QPushButton* b : {b_ok, b_anuluj}) {
        b->setMinimumWidth(89);
        przyciski->addWidget(b);
    }

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->setSpacing(8);
    uklad->addLayout(grupy);
    uklad->addLayout(przyciski);
    // The window is as large as its controls need at the font in use, and no larger.
    uklad->setSizeConstraint(QLayout::SetFixedSize);
    polacz();
}

QGroupBox* Tpreferencje::zbuduj_typ_formularza() {
    gb_typ_formularza = grupa(this, u"gb_typ_formularza"_s, u"Typ formularza przelewu"_s);
    auto* uklad = new QGridLayout(gb_typ_formularza);
    uklad->setHorizontalSpacing(6);
    auto wzor = [&](const QString& nazwa_obrazka, const QString& nazwa, const QString& tekst,
                    int kolumna, QRadioButton*& radio) {
        auto* i = new QLabel(gb_typ_formularza);
        i->setObjectName(nazwa_obrazka);
        i->setFixedSize(91, 129);
        i->setScaledContents(true);
        radio = new QRadioButton(tekst, gb_typ_formularza);
        radio->setObjectName(nazwa);
        uklad->addWidget(i, 0, kolumna, Qt::AlignHCenter);
        uklad->addWidget(radio, 1, kolumna, Qt::AlignHCenter);
        uklad->setColumnStretch(kolumna, 1);
        return i;
    };
    i_kolorowy = wzor(u"i_kolorowy"_s, u"kolorowy"_s, u"&Kolorowy"_s, 0, kolorowy);
    i_czarnobialy = wzor(u"i_czarnobialy"_s, u"czarnobialy"_s, u"&Czarno-biały"_s, 1, czarnobialy);
    i_brak = wzor(u"i_brak"_s, u"brak"_s, u"O&ryginalny"_s, 2, brak);
    return gb_typ_formularza;
}

QGroupBox* Tpreferencje::zbuduj_marginesy() {
    gb_form_2odc = grupa(this, u"gb_form_2odc"_s, u"Formularz 2-odcinkowy"_s);
    auto* uklad = new QGridLayout(gb_form_2odc);
    uklad->setHorizontalSpacing(4);
    auto margines = [&](int wiersz, const QString& nazwa, const QString& tekst, QLabel*& opis,
                        QLineEdit*& pole, StrzalkiGoraDol*& strzalki, const QString& nazwa_strzalek,
                        QLabel*& mm) {
        opis = etykieta(gb_form_2odc, u"l_"_s + nazwa, tekst);
        pole = new QLineEdit(u"50"_s, gb_form_2odc);
        pole->setObjectName(nazwa);
        // Room for "1000", the largest margin the arrows reach.
        pole->setFixedWidth(pole->fontMetrics().horizontalAdvance(u"10000"_s) + 6);
        strzalki = new StrzalkiGoraDol(pole, 0, 1000, gb_form_2odc);
        strzalki->setObjectName(nazwa_strzalek);
        strzalki->w_gore->setToolTip(u"Zwiększ margines o 1 mm"_s);
        strzalki->w_dol->setToolTip(u"Zmniejsz margines o 1 mm"_s);
        mm = etykieta(gb_form_2odc, u"l_mm_"_s + nazwa, u"mm"_s);
        auto* pole_ze_strzalkami = new QHBoxLayout;
        pole_ze_strzalkami->setSpacing(0);
        pole_ze_strzalkami->addWidget(pole);
        pole_ze_strzalkami->addWidget(strzalki);
        uklad->addWidget(opis, wiersz, 0);
        uklad->addLayout(pole_ze_strzalkami, wiersz, 1);
        uklad->addWidget(mm, wiersz, 2);
    };
    margines(0, u"margines_gorny"_s, u"Margines górny:"_s, l_margines_gorny, margines_gorny,
             UpDown1, u"UpDown1"_s, l_mm_gorny);
    margines(1, u"margines_lewy"_s, u"Margines lewy:"_s, l_margines_lewy, margines_lewy, UpDown2,
             u"UpDown2"_s, l_mm_lewy);
    uklad->setColumnStretch(3, 1);
    return gb_form_2odc;
}

QGroupBox* Tpreferencje::zbuduj_uklad_strony() {
    orinetacja = grupa(this, u"orinetacja"_s, u"Układ strony"_s);
    auto* uklad = new QVBoxLayout(orinetacja);
    pionowy = radio(orinetacja, u"pionowy"_s, u"&pionowy"_s);
    poziomy = radio(orinetacja, u"poziomy"_s, u"po&ziomy"_s);
    uklad->addWidget(pionowy);
    uklad->addWidget(poziomy);
    uklad->addStretch(1);
    return orinetacja;
}

QGroupBox* Tpreferencje::zbuduj_ilosc_odcinkow() {
    gb_ilosc_odcinkow = grupa(this, u"gb_ilosc_odcinkow"_s, u"Ilość odcinków"_s);
    auto* uklad = new QHBoxLayout(gb_ilosc_odcinkow);
    odc1 = radio(gb_ilosc_odcinkow, u"odc1"_s, u"&1"_s);
    odc2 = radio(gb_ilosc_odcinkow, u"odc2"_s, u"&2"_s);
    odc4 = radio(gb_ilosc_odcinkow, u"odc4"_s, u"&4"_s);
    for (QRadioButton* r : {odc1, odc2, odc4}) uklad->addWidget(r, 1);
    return gb_ilosc_odcinkow;
}

QGroupBox* Tpreferencje::zbuduj_oplate() {
    gb_oplata = grupa(this, u"gb_oplata"_s, u"Opłata"_s);
    chb_oplata = new QCheckBox(u"&Drukuj opłatę"_s, gb_oplata);
    chb_oplata->setObjectName(u"chb_oplata"_s);
    oplata1 = new QLineEdit(u"0"_s, gb_oplata);
    oplata1->setObjectName(u"oplata1"_s);
    oplata1->setReadOnly(true);
    oplata1->setFixedWidth(oplata1->fontMetrics().horizontalAdvance(u"99,999"_s) + 8);
    // The fee's arrows are small, a quarter below the window's font.
    QFont mala = font();
    mala.setPointSizeF(font().pointSizeF() * 0.75);
    auto strzalka = [&](const QString& nazwa, const QString& tekst, const QString& podpowiedz) {
        auto* b = new QToolButton(gb_oplata);
        b->setObjectName(nazwa);
        b->setText(tekst);
        b->setToolTip(podpowiedz);
        b->setFont(mala);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    opl_UP = strzalka(u"opl_UP"_s, u"/\\"_s, u"Zwiększ opłatę o 0,10 zł"_s);
    opl_DOWN = strzalka(u"opl_DOWN"_s, u"\\/"_s, u"Zmniejsz opłatę o 0,10 zł"_s);
    l_pln = etykieta(gb_oplata, u"l_pln"_s, u"PLN"_s);

    auto* strzalki = new QVBoxLayout;
    strzalki->setSpacing(0);
    strzalki->addWidget(opl_UP);
    strzalki->addWidget(opl_DOWN);
    auto* kwota = new QHBoxLayout;
    kwota->setSpacing(2);
    kwota->addWidget(oplata1);
    kwota->addLayout(strzalki);
    kwota->addSpacing(3);
    kwota->addWidget(l_pln);
    kwota->addStretch(1);
    auto* uklad = new QVBoxLayout(gb_oplata);
    uklad->addWidget(chb_oplata);
    uklad->addLayout(kwota);
    uklad->addStretch(1);
    return gb_oplata;
}

QGroupBox* Tpreferencje::zbuduj_inne() {
    gb_inne = grupa(this, u"gb_inne"_s, u"Inne ustawienia:"_s);
    chb_capitals = new QCheckBox(u"&Na wydruku używaj dużych liter"_s, gb_inne);
    chb_capitals->setObjectName(u"chb_capitals"_s);
    chb_boxes = new QCheckBox(u"Drukuj &w kratkach"_s, gb_inne);
    chb_boxes->setObjectName(u"chb_boxes"_s);
    auto* uklad = new QVBoxLayout(gb_inne);
    uklad->addWidget(chb_capitals);
    uklad->addWidget(chb_boxes);
    return gb_inne;
}

QGroupBox* Tpreferencje::zbuduj_przesuniecie() {
    gb_przesuniecie = grupa(this, u"gb_przesuniecie"_s, u"Przesunięcie drukarki"_s);
    cb_drukarka = new QComboBox(gb_przesuniecie);
    cb_drukarka->setObjectName(u"cb_drukarka"_s);
    // A long queue name must not widen the window past the screen.
    cb_drukarka->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cb_drukarka->setMinimumContentsLength(20);
    auto milimetry = [&](const QString& nazwa) {
        auto* pole = new QDoubleSpinBox(gb_przesuniecie);
        pole->setObjectName(nazwa);
        // A printer is a few millimetres off, either way; tenths can be measured.
        pole->setRange(-50, 50);
        pole->setDecimals(1);
        pole->setSingleStep(0.1);
        pole->setSuffix(u" mm"_s);
        return pole;
    };
    przesuniecie_w_prawo = milimetry(u"przesuniecie_w_prawo"_s);
    przesuniecie_w_dol = milimetry(u"przesuniecie_w_dol"_s);
    b_kalibracja = new QPushButton(u"Wydruk ka&libracyjny"_s, gb_przesuniecie);
    b_kalibracja->setObjectName(u"b_kalibracja"_s);
    b_kalibracja->setAutoDefault(false);

    auto* uklad = new QGridLayout(gb_przesuniecie);
    uklad->addWidget(etykieta(gb_przesuniecie, u"l_drukarka"_s, u"Drukarka:"_s), 0, 0);
    uklad->addWidget(cb_drukarka, 0, 1, 1, 2);
    uklad->addWidget(
        etykieta(gb_przesuniecie, u"l_przesuniecie"_s, u"przesunięcie w prawo / w dół:"_s), 1, 0);
    uklad->addWidget(przesuniecie_w_prawo, 1, 1);
    uklad->addWidget(przesuniecie_w_dol, 1, 2);
    uklad->addWidget(b_kalibracja, 2, 0, Qt::AlignLeft);
    return gb_przesuniecie;
}

void Tpreferencje::polacz() {
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
    // Centred on the window it was opened from.
    if (const QWidget* nad = parentWidget(); nad && nad->isVisible()) {
        if (layout()) layout()->activate();
        move(nad->window()->frameGeometry().center() - rect().center());
    }
    FormShow();
    QDialog::showEvent(zdarzenie);
}

void Tpreferencje::pokaz_plik(const PlikIni& ini) {
    // This window's own defaults, not those of the print preparation.
    namespace k = klucze_ustawien;
    switch (ini.liczba_calkowita(k::typ_formularza, 1)) {
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
    switch (ini.liczba_calkowita(k::ilosc_odcinkow, 2)) {
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
    if (ini.tekst(k::uklad_strony, k::pionowy) == k::pionowy)
        pionowy->setChecked(true);
    else
        poziomy->setChecked(true);
    chb_capitals->setChecked(ini.logiczna(k::capitals, true));
    chb_boxes->setChecked(ini.logiczna(k::boxes, false));
    for (const auto& [pole, klucz] : marginesy()) {
        const int mm = ini.liczba_calkowita(klucz, 50);
        pole->setText(QString::number(mm <= 1000 ? mm : 50));
    }
    chb_oplata->setChecked(ini.logiczna(k::drukuj_oplate, false));
    pokaz_oplate(milionowe(ini.liczba(k::oplata_wart, 2.5)));
}

void Tpreferencje::FormShow() {
    const QString sciezka = plik_programu(klucze_ustawien::plik);
    odcisk_ = odcisk_pliku(sciezka);
    if (QFile::exists(sciezka)) {
        pokaz_plik(PlikIni::wczytaj(sciezka));
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
    u.uklad_strony = poziomy->isChecked() ? klucze_ustawien::poziomy : klucze_ustawien::pionowy;
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
    return {{margines_gorny, klucze_ustawien::margin_top},
            {margines_lewy, klucze_ustawien::margin_left}};
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
    namespace k = klucze_ustawien;
    ZapisUstawien plik;
    if (const int typ = kolorowy->isChecked()      ? 1
                        : czarnobialy->isChecked() ? 2
                        : brak->isChecked()        ? 3
                                                   : 0)
        if (!plik.zapisz_liczbe_calkowita(k::typ_formularza, typ)) return false;
    if (const int n = odc1->isChecked() ? 1 : odc2->isChecked() ? 2 : odc4->isChecked() ? 4 : 0)
        if (!plik.zapisz_liczbe_calkowita(k::ilosc_odcinkow, n)) return false;
    if (!plik.zapisz_tekst(k::uklad_strony, poziomy->isChecked() ? k::poziomy : k::pionowy))
        return false;
    if (!plik.zapisz_logiczna(k::capitals, chb_capitals->isChecked())) return false;
    if (!plik.zapisz_logiczna(k::boxes, chb_boxes->isChecked())) return false;
    for (const auto& [pole, klucz] : marginesy()) {
        const auto mm = liczba_calkowita(QStringView(pole->text()));
        if (!mm || !plik.zapisz_liczbe_calkowita(klucz, *mm)) return false;
    }
    if (!plik.zapisz_logiczna(k::drukuj_oplate, chb_oplata->isChecked())) return false;
    return plik.zapisz_tekst(k::oplata_wart, tekst_oplaty_okna(oplata_));
}

void Tpreferencje::b_okClick() {
    // Someone else's config.ini (another copy, an editor) is not replaced unasked.
    if (const QString sciezka = plik_programu(klucze_ustawien::plik);
        zmieniony_od(odcisk_, sciezka)) {
        switch (Dialogi::pytanie_o_zmiane_z_zewnatrz(
            this,
            u"Plik %1 został zmieniony poza programem od chwili, gdy to okno go wczytało.\n"
            u"Zapisanie ustawień zastąpi tamte zmiany; ponowne otwarcie pokaże je, porzucając "
            u"zmiany wprowadzone w tym oknie."_s.arg(sciezka),
            u"Ustawienia programu"_s)) {
            case Dialogi::Odpowiedz::Tak:
                break;
            case Dialogi::Odpowiedz::Nie:
                FormShow();
                return;
            default:
                return;
        }
    }
    // The shift goes to the user's store, not config.ini: it is saved even when config.ini is not.
    const bool przesuniecie = zapisz_przesuniecie();
    if (!zapisz() || !przesuniecie)
        Dialogi::komunikat(this, u"Nie udało sie zapisać zmian konfiguracyjnych!"_s,
                           u"Błąd zapisu"_s, Dialogi::Ikona::Blad);
    odcisk_ = odcisk_pliku(plik_programu(klucze_ustawien::plik));
    accept();
}

void Tpreferencje::b_anulujClick() { reject(); }
