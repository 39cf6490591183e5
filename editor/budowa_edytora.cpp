// Building the transfer editor: its controls, where they lie, what they do.
#include "editor/nowy_edycja_przelewu.h"

#include "payments/okna_platnosci.h"
#include "payments/oznaczenia.h"
#include "printing/oznaczanie_przepelnienia.h"
#include "register/maska.h"
#include "register/pola_przelewu.h"
#include "register/przelew.h"
#include "widgets/czcionki.h"
#include "widgets/ikony.h"
#include "widgets/pole_konta.h"
#include "widgets/pole_maskowane.h"
#include "widgets/przycisk_waski.h"
#include "widgets/suma_kontrolna.h"
#include "widgets/znaki_zapisywalne.h"

#include <QBoxLayout>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// The widths the window was drawn with; a larger font widens a field rather
// than hiding its digits.
constexpr int szerokosc_linii = 337;
constexpr QSize rozmiar_kalendarza(169, 153);
constexpr QSize najmniejsze_okno(517, 330);

// A field wide enough for `znakow` digits, never narrower than drawn.
void szerokosc_na_cyfry(QLineEdit* pole, int znakow, int zalecana) {
    const int potrzebna = pole->fontMetrics().horizontalAdvance(QString(znakow, u'8')) + 12;
    pole->setFixedWidth(qMax(zalecana, potrzebna));
}

QLabel* etykieta(const QString& tekst, QWidget* rodzic) { return new QLabel(tekst, rodzic); }

// A label whose Alt+letter and screen-reader name lead to its field.
QLabel* etykieta_pola(const QString& tekst, QWidget* pole, QWidget* rodzic) {
    QLabel* l = etykieta(tekst, rodzic);
    l->setBuddy(pole);
    return l;
}

// A line with a button inside its column: the line gives up the button's width.
QHBoxLayout* z_przyciskiem(QLineEdit* pole, QPushButton* b) {
    auto* r = new QHBoxLayout;
    r->setSpacing(4);
    r->addWidget(pole, 1);
    r->addWidget(b);
    pole->setMinimumWidth(szerokosc_linii - b->sizeHint().width() - 4);
    return r;
}

}  // namespace

void Tnowy_edycja_przelewow::zbuduj() {
    ustaw_czcionke_okna(this, 9);
    utworz_pola();
    utworz_przyciski();
    uloz();
    polacz();
    ustaw_kolejnosc_tabulacji();
}

void Tnowy_edycja_przelewow::utworz_pola() {
    const QFont czcionka_pol = czcionka_okna(8);
    auto pole_tekstu = [&](const QString& nazwa, int dlugosc) {
        auto* p = new QLineEdit(this);
        p->setObjectName(nazwa);
        p->setFont(czcionka_pol);
        p->setMaxLength(dlugosc);
        p->setValidator(new ZnakiZapisywalne(p));
        return p;
    };
    // Account fields switch themselves to a monospaced family of this size.
    auto pole_maski = [&](const QString& nazwa, const QString& maska) {
        auto* p = new PoleMaskowane(maska, this);
        p->setObjectName(nazwa);
        p->setFont(czcionka_pol);
        return p;
    };
    nazwa_odbiorcy1 = pole_tekstu(u"nazwa_odbiorcy1"_s, 150);
    nazwa_odbiorcy2 = pole_tekstu(u"nazwa_odbiorcy2"_s, 150);
    nazwa_nadawcy1 = pole_tekstu(u"nazwa_nadawcy1"_s, 150);
    nazwa_nadawcy2 = pole_tekstu(u"nazwa_nadawcy2"_s, 150);
    tytulem1 = pole_tekstu(u"tytulem1"_s, 150);
    tytulem2 = pole_tekstu(u"tytulem2"_s, 150);
    dodatkowe = pole_tekstu(u"dodatkowe"_s, 20);
    konto_odbiorcy = new PoleKonta(this);
    lk = konto_odbiorcy->czesc(PoleKonta::lk);
    nr_banku_odbiorcy = konto_odbiorcy->czesc(PoleKonta::bank);
    nr_rach_odbiorcy = konto_odbiorcy->czesc(PoleKonta::rach);
    for (PoleMaskowane* p : {lk, nr_banku_odbiorcy, nr_rach_odbiorcy}) p->setFont(czcionka_pol);
    nr_rach_nadawcy = pole_maski(u"nr_rach_nadawcy"_s, maski::nadawca);
    symbol = pole_maski(u"symbol"_s, maski::symbol);
    symbol->ustaw_tekst(u"06"_s);
    utworz_pola_kwoty_i_daty(czcionka_pol);

    rb_przelew = new QRadioButton(u"Prz&elew"_s, this);
    rb_przelew->setObjectName(u"rb_przelew"_s);
    rb_przelew->setChecked(true);
    rb_wplata = new QRadioButton(u"&Wpłata"_s, this);
    rb_wplata->setObjectName(u"rb_wplata"_s);
    l_suma_kontrolna = new QLabel(this);
    l_suma_kontrolna->setObjectName(u"l_suma_kontrolna"_s);
    przygotuj_notatke_sumy(l_suma_kontrolna);
    l_rodzaj_rachunku = new QLabel(this);
    l_rodzaj_rachunku->setObjectName(u"l_rodzaj_rachunku"_s);

    MonthCalendar1 = new QCalendarWidget(this);
    MonthCalendar1->setObjectName(u"MonthCalendar1"_s);
    // At 169 pixels wide only one-letter day names fit their columns.
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    MonthCalendar1->setGridVisible(false);
    MonthCalendar1->hide();

    kontrolki_pol_ = {
        {PolePrzelewu::nazwa_odbiorcy1, nazwa_odbiorcy1},
        {PolePrzelewu::nazwa_odbiorcy2, nazwa_odbiorcy2},
        {PolePrzelewu::lk, lk},
        {PolePrzelewu::nr_banku_odbiorcy, nr_banku_odbiorcy},
        {PolePrzelewu::nr_rach_odbiorcy, nr_rach_odbiorcy},
        {PolePrzelewu::kwota, kwota},
        {PolePrzelewu::kwota100, kwota100},
        {PolePrzelewu::data, data_label},
        {PolePrzelewu::nr_rach_nadawcy, nr_rach_nadawcy},
        {PolePrzelewu::nazwa_nadawcy1, nazwa_nadawcy1},
        {PolePrzelewu::nazwa_nadawcy2, nazwa_nadawcy2},
        {PolePrzelewu::tytulem1, tytulem1},
        {PolePrzelewu::tytulem2, tytulem2},
        {PolePrzelewu::symbol, symbol},
        {PolePrzelewu::dodatkowe, dodatkowe},
    };
}

void Tnowy_edycja_przelewow::utworz_przyciski() {
    // The hints of the captioned buttons are kept but never shown; a button
    // with only a picture shows its hint, or nobody could tell what it does.
    auto przycisk = [this](const QString& nazwa, const QString& tekst, const QString& podpowiedz,
                           const QString& ikona_nazwa = {}, bool waski = false) {
        QPushButton* b = waski ? new PrzyciskWaski(tekst, 25, this) : new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        b->setToolTip(podpowiedz);
        if (!tekst.isEmpty()) b->installEventFilter(this);
        if (!ikona_nazwa.isEmpty()) b->setIcon(ikona(ikona_nazwa));
        return b;
    };
    // Picture buttons do not take the focus, so pressing one does not end
    // the editing of the focused field.
    auto obrazkowy = [&](const QString& nazwa, const QString& tekst, const QString& podpowiedz,
                         const QString& ikona_nazwa) {
        auto* b = przycisk(nazwa, tekst, podpowiedz, ikona_nazwa, tekst.isEmpty());
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    wybierz_wpis_odb =
        przycisk(u"wybierz_wpis_odb"_s, u"..."_s, u"Wybierz odbiorcę z bazy odbiorców"_s, {}, true);
    wybierz_wpis_nad =
        przycisk(u"wybierz_wpis_nad"_s, u"..."_s, u"Wybierz nadawcę z bazy nadawców"_s, {}, true);
    wybierz_tytul =
        przycisk(u"wybierz_tytul"_s, u"..."_s, u"Wybierz tytuł z bazy tytułów"_s, {}, true);
    b_dodaj_do_bazy_odbiorcow = obrazkowy(u"b_dodaj_do_bazy_odbiorcow"_s, {},
                                          u"Dodaj odbiorcę do bazy odbiorców"_s, u"list-add"_s);
    b_dodaj_do_bazy_nadawcow = obrazkowy(u"b_dodaj_do_bazy_nadawcow"_s, {},
                                         u"Dodaj nadawcę do bazy nadawców"_s, u"list-add"_s);
    b_dodaj_do_bazy_tytulow = obrazkowy(u"b_dodaj_do_bazy_tytulow"_s, {},
                                        u"Dodaj tytuł do bazy tytułów"_s, u"list-add"_s);
    kalendarz_button = przycisk(u"kalendarz_button"_s, u"Wy&bierz..."_s,
                                u"Ustal date dla tego przelewu"_s, u"x-office-calendar"_s);
    btn_usun_date = obrazkowy(u"btn_usun_date"_s, {}, u"Usuń datę"_s, u"edit-clear"_s);
    drukuj_w_edycji_przelew = obrazkowy(u"drukuj_w_edycji_przelew"_s, u"&Drukuj"_s,
                                        u"Wydrukuj bieżący przelew"_s, u"document-print"_s);
    podglad_wydruku_w_edycji =
        obrazkowy(u"podglad_wydruku_w_edycji"_s, u"&Podgląd wydruku"_s,
                  u"Pokaż podgląd wydruku bieżącego przelewu"_s, u"document-print-preview"_s);
    zapisz_edycja = obrazkowy(u"zapisz_edycja"_s, u"&Zapisz"_s, u"Zapisz bieżący przelew"_s, {});
    anuluj_edycja = obrazkowy(u"anuluj_edycja"_s, u"&Anuluj"_s, u"Anuluj tworzenie przelewu"_s, {});
    b_zaplac_telefonem = obrazkowy(u"b_zaplac_telefonem"_s, u"Zapłać &telefonem"_s,
                                   u"Pokaż kod QR bieżącego przelewu dla aplikacji banku"_s, {});
    b_podatki = przycisk(u"b_podatki"_s, u"&US/MPP"_s,
                         u"Tytuł przelewu podatkowego albo podzielonej płatności"_s);
    auto* menu = new QMenu(b_podatki);
    menu->addAction(u"Przelew &podatkowy…"_s, this,
                    &Tnowy_edycja_przelewow::przelew_podatkowyClick);
    menu->addAction(u"Podzielona płatność (&MPP)…"_s, this,
                    &Tnowy_edycja_przelewow::podzielona_platnoscClick);
    b_podatki->setMenu(menu);
    // The bottom row is reached by Tab and by Alt and its letter, yet a click
    // still leaves the focus (and the field being edited) where it was.
    for (QPushButton* b : {drukuj_w_edycji_przelew, podglad_wydruku_w_edycji, b_zaplac_telefonem,
                           zapisz_edycja, anuluj_edycja}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(true);
    }
    // Enter on a focused button presses it; anywhere else it is "Zapisz".
    for (QPushButton* b : {wybierz_wpis_odb, wybierz_wpis_nad, wybierz_tytul})
        b->setAutoDefault(true);
    zapisz_edycja->setDefault(true);
}

void Tnowy_edycja_przelewow::uloz() {
    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(6);
    siatka->setVerticalSpacing(3);
    siatka->setColumnStretch(1, 1);
    int wiersz = 0;
    auto linia = [&](const QString& tekst, QLineEdit* pole, QPushButton* b) {
        pole->setMinimumWidth(szerokosc_linii);
        QLabel* l = etykieta(tekst, this);
        l->setBuddy(pole);
        siatka->addWidget(l, wiersz, 0);
        siatka->addWidget(pole, wiersz, 1);
        siatka->addWidget(b, wiersz, 2);
        ++wiersz;
    };
    // A row of labels and fields left to right, across all three columns.
    auto rzad = [&](std::initializer_list<QWidget*> kontrolki, int kolumna = 0) {
        auto* r = new QHBoxLayout;
        r->setSpacing(4);
        QLabel* poprzednia = nullptr;
        for (QWidget* w : kontrolki) {
            r->addWidget(w);
            // A label names the control that follows it, for screen readers too.
            if (poprzednia && !qobject_cast<QLabel*>(w) &&
                (poprzednia->text().endsWith(u':') || poprzednia->text().endsWith(u'.')))
                poprzednia->setBuddy(w);
            poprzednia = qobject_cast<QLabel*>(w);
        }
        r->addStretch(1);
        siatka->addLayout(r, wiersz++, kolumna, 1, 3 - kolumna);
    };
    szerokosc_na_cyfry(lk, 2, 25);
    szerokosc_na_cyfry(nr_banku_odbiorcy, 9, 73);
    szerokosc_na_cyfry(nr_rach_odbiorcy, 19, 120);
    szerokosc_na_cyfry(nr_rach_nadawcy, 32, 369);
    szerokosc_na_cyfry(kwota, 6, 49);
    szerokosc_na_cyfry(kwota100, 2, 25);
    szerokosc_na_cyfry(symbol, 2, 24);
    dodatkowe->setFixedWidth(qMax(163, dodatkowe->fontMetrics().averageCharWidth() * 20 + 12));
    auto* przecinek = new QLabel(u","_s, this);
    QFont duza = font();
    duza.setPointSizeF(font().pointSizeF() * 5 / 3);
    duza.setBold(true);
    przecinek->setFont(duza);

    linia(u"Nazwa odbiorcy:"_s, nazwa_odbiorcy1, wybierz_wpis_odb);
    linia(u"Nazwa odbiorcy cd.:"_s, nazwa_odbiorcy2, b_dodaj_do_bazy_odbiorcow);
    rzad({etykieta(u"L.k."_s, this), lk, etykieta(u"Nr banku odbiorcy:"_s, this), nr_banku_odbiorcy,
          etykieta(u"Nr rachunku odbiorcy:"_s, this), nr_rach_odbiorcy});
    rzad({rb_przelew, rb_wplata, etykieta(u"Kwota:"_s, this), kwota, przecinek, kwota100,
          etykieta(u"Data:"_s, this), data_label, kalendarz_button, btn_usun_date});
    QLabel* l_nadawcy = etykieta(u"Nr rachunku nadawcy:"_s, this);
    l_nadawcy->setBuddy(nr_rach_nadawcy);
    siatka->addWidget(l_nadawcy, wiersz, 0);
    rzad({nr_rach_nadawcy}, 1);
    linia(u"Nazwa nadawcy:"_s, nazwa_nadawcy1, wybierz_wpis_nad);
    linia(u"Nazwa nadawcy cd.:"_s, nazwa_nadawcy2, b_dodaj_do_bazy_nadawcow);
    siatka->addWidget(etykieta_pola(u"Tytułem:"_s, tytulem1, this), wiersz, 0);
    siatka->addLayout(z_przyciskiem(tytulem1, b_podatki), wiersz, 1);
    siatka->addWidget(wybierz_tytul, wiersz++, 2);
    linia(u"Tytułem cd.:"_s, tytulem2, b_dodaj_do_bazy_tytulow);
    siatka->addWidget(etykieta_pola(u"Dodatkowe informacje:"_s, dodatkowe, this), wiersz, 0);
    rzad({dodatkowe, etykieta(u"Symbol:"_s, this), symbol}, 1);
    // The note keeps its place while hidden, so that showing it moves nothing.
    QSizePolicy notatka = l_suma_kontrolna->sizePolicy();
    notatka.setRetainSizeWhenHidden(true);
    l_suma_kontrolna->setSizePolicy(notatka);
    // The account's kind shows in the same place: never together with the
    // note, since a wrong number is no account of any kind.
    siatka->addWidget(l_suma_kontrolna, wiersz, 1, 1, 2);
    siatka->addWidget(l_rodzaj_rachunku, wiersz++, 1, 1, 2);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->addLayout(siatka);
    uklad->addStretch(1);
    uklad->addLayout(rzad_przyciskow());
    // Not resizable, at least the size it was drawn at; a larger font makes it larger.
    setFixedSize(sizeHint().expandedTo(najmniejsze_okno));
}

QHBoxLayout* Tnowy_edycja_przelewow::rzad_przyciskow() {
    drukuj_w_edycji_przelew->setMinimumWidth(81);
    podglad_wydruku_w_edycji->setMinimumWidth(113);
    zapisz_edycja->setMinimumWidth(97);
    anuluj_edycja->setMinimumWidth(89);
    auto* przyciski = new QHBoxLayout;
    przyciski->setSpacing(4);
    for (QPushButton* b : {drukuj_w_edycji_przelew, podglad_wydruku_w_edycji})
        przyciski->addWidget(b);
    przyciski->addWidget(b_zaplac_telefonem, 1);
    for (QPushButton* b : {zapisz_edycja, anuluj_edycja}) przyciski->addWidget(b);
    return przyciski;
}

void Tnowy_edycja_przelewow::umiesc_kalendarz() {
    const QSize rozmiar = rozmiar_kalendarza.expandedTo(MonthCalendar1->minimumSizeHint());
    const QPoint pod = kalendarz_button->mapTo(this, QPoint(0, kalendarz_button->height() + 2));
    const int x = qBound(0, pod.x(), width() - rozmiar.width());
    // Lifted when the window is too short below the button, so no row is cut.
    const int y = qBound(0, pod.y(), height() - rozmiar.height());
    MonthCalendar1->setGeometry(QRect(QPoint(x, y), rozmiar));
    MonthCalendar1->raise();
}

void Tnowy_edycja_przelewow::polacz() {
    for (QLineEdit* p : {nazwa_odbiorcy1, tytulem1, kwota, kwota100, data_label})
        p->installEventFilter(this);
    // Names and titles too long for the form are marked while typing.
    sledz_przepelnienie(nazwa_odbiorcy1, PoleTekstowe::nazwa_odbiorcy1);
    sledz_przepelnienie(nazwa_odbiorcy2, PoleTekstowe::nazwa_odbiorcy2);
    sledz_przepelnienie(nazwa_nadawcy1, PoleTekstowe::nazwa_zleceniodawcy1);
    sledz_przepelnienie(nazwa_nadawcy2, PoleTekstowe::nazwa_zleceniodawcy2);
    sledz_przepelnienie(tytulem1, PoleTekstowe::tytulem1);
    sledz_przepelnienie(tytulem2, PoleTekstowe::tytulem2);

    using T = Tnowy_edycja_przelewow;
    // Only what the user types is filtered; a stored amount is shown as it stands.
    connect(kwota, &QLineEdit::textEdited, this, &T::kwotaChange);
    connect(data_label, &QLineEdit::textEdited, this, &T::data_labelChange);
    connect(rb_przelew, &QRadioButton::clicked, this, &T::rb_przelewClick);
    connect(rb_wplata, &QRadioButton::clicked, this, &T::rb_wplataClick);
    connect(kalendarz_button, &QPushButton::clicked, this, &T::kalendarz_buttonClick);
    connect(MonthCalendar1, &QCalendarWidget::clicked, this, &T::MonthCalendar1Click);
    connect(MonthCalendar1, &QCalendarWidget::activated, this, &T::MonthCalendar1Click);
    connect(btn_usun_date, &QPushButton::clicked, this, &T::btn_usun_dateClick);
    connect(konto_odbiorcy, &PoleKonta::stan_zmieniony, this, [this] { sprawdz_sumy_kontrolne(); });
    connect(nr_rach_nadawcy, &PoleMaskowane::zmieniony, this, [this] { sprawdz_sumy_kontrolne(); });
    connect(zapisz_edycja, &QPushButton::clicked, this, &T::zapisz_edycjaClick);
    connect(anuluj_edycja, &QPushButton::clicked, this, &T::anuluj_edycjaClick);
    connect(drukuj_w_edycji_przelew, &QPushButton::clicked, this, &T::drukuj_w_edycji_przelewClick);
    connect(podglad_wydruku_w_edycji, &QPushButton::clicked, this,
            &T::podglad_wydruku_w_edycjiClick);
    connect(b_dodaj_do_bazy_odbiorcow, &QPushButton::clicked, this,
            &T::b_dodaj_do_bazy_odbiorcowClick);
    connect(b_dodaj_do_bazy_nadawcow, &QPushButton::clicked, this,
            &T::b_dodaj_do_bazy_nadawcowClick);
    connect(b_dodaj_do_bazy_tytulow, &QPushButton::clicked, this, &T::b_dodaj_do_bazy_tytulowClick);
    connect(wybierz_wpis_odb, &QPushButton::clicked, this, &T::wybierz_wpis_odbClick);
    connect(wybierz_wpis_nad, &QPushButton::clicked, this, &T::wybierz_wpis_nadClick);
    connect(wybierz_tytul, &QPushButton::clicked, this, &T::wybierz_tytulClick);
    connect(b_zaplac_telefonem, &QPushButton::clicked, this,
            [this] { pokaz_kod_platnosci(this, przelew_z_okna()); });
}

void Tnowy_edycja_przelewow::ustaw_kolejnosc_tabulacji() {
    const QList<QWidget*> kolejnosc = {nazwa_odbiorcy1,
                                       nazwa_odbiorcy2,
                                       lk,
                                       nr_banku_odbiorcy,
                                       nr_rach_odbiorcy,
                                       rb_przelew,
                                       rb_wplata,
                                       kwota,
                                       kwota100,
                                       data_label,
                                       kalendarz_button,
                                       nr_rach_nadawcy,
                                       nazwa_nadawcy1,
                                       nazwa_nadawcy2,
                                       tytulem1,
                                       tytulem2,
                                       symbol,
                                       wybierz_wpis_odb,
                                       wybierz_wpis_nad,
                                       wybierz_tytul,
                                       MonthCalendar1,
                                       dodatkowe,
                                       drukuj_w_edycji_przelew,
                                       podglad_wydruku_w_edycji,
                                       b_zaplac_telefonem,
                                       zapisz_edycja,
                                       anuluj_edycja};
    for (qsizetype i = 0; i + 1 < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i], kolejnosc[i + 1]);
}
