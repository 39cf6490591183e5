#include "editor/nowy_edycja_przelewu.h"

#include "ui/znaki_zapisywalne.h"
#include "ui/zdarzenia_okien.h"

#include "editor/czy_puste.h"
#include "register/data.h"
#include "editor/pole_maskowane.h"
#include "editor/sprawdzanie_konta.h"
#include "printing/oznaczanie_przepelnienia.h"
#include "editor/suma_kontrolna.h"
#include "extras/zaplac_telefonem.h"
#include "register/przelew.h"
#include "ui/czcionki.h"
#include "ui/dialogi.h"
#include "ui/main/glowny.h"
#include "ui/obrazki.h"
#include "ui/okna.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QValidator>

#include <algorithm>

using namespace Qt::StringLiterals;

bool edycja_przelewu = false;

namespace {

constexpr int szerokosc_okna = 517;
constexpr int wysokosc_okna = 330;
constexpr int margines = 8;
constexpr int wysokosc_pola = 21;

const QString maska_lk = u"!99;1; "_s;
const QString maska_banku = u"!9999 9999;1; "_s;
const QString maska_rachunku = u"!9999 9999 9999 9999;1; "_s;
const QString maska_nadawcy = u"!99 9999 9999 9999 9999 9999 9999;1; "_s;
const QString maska_symbolu = u"!99;1; "_s;

QIcon ikona_dodawania() {
    QPixmap obraz(16, 16);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawRect(6, 2, 4, 12);
    p.drawRect(2, 6, 12, 4);
    p.end();
    return QIcon(obraz);
}

// A line edit wide enough for `znakow` digits, never narrower than the layout asks.
int szerokosc_na_cyfry(const QWidget* pole, int znakow, int zalecana) {
    const int potrzebna = pole->fontMetrics().horizontalAdvance(QString(znakow, u'8')) + 12;
    return qMax(zalecana, potrzebna);
}

}  // namespace

Tnowy_edycja_przelewow::Tnowy_edycja_przelewow(QWidget* rodzic)
    : QDialog(rodzic, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(u"Tnowy_edycja_przelewow"_s);
    setWindowTitle(u"Nowy przelew / edycja istniejacego przelewu"_s);
    setModal(true);
    ustaw_zastepstwa_czcionek();
    QFont czcionka(u"Tahoma"_s);
    czcionka.setPixelSize(12);
    setFont(czcionka);
    zbuduj();
    ustaw_kolejnosc_tabulacji();
}

Tnowy_edycja_przelewow::~Tnowy_edycja_przelewow() {
    // The fields die after this object; their last focus change must not
    // reach handlers of a window that is already gone.
    for (QWidget* w : findChildren<QWidget*>()) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
    }
}

void Tnowy_edycja_przelewow::zbuduj() {
    QFont czcionka_pol = font();
    czcionka_pol.setPixelSize(11);

    auto etykieta = [this](const QString& tekst) {
        auto* l = new QLabel(tekst, this);
        l->adjustSize();
        return l;
    };
    auto pole_tekstu = [&](const QString& nazwa, int dlugosc) {
        auto* p = new QLineEdit(this);
        p->setObjectName(nazwa);
        p->setFont(czcionka_pol);
        p->setMaxLength(dlugosc);
        p->setValidator(new ZnakiZapisywalne(p));
        return p;
    };
    auto pole_maski = [&](const QString& nazwa, const QString& maska) {
        auto* p = new PoleMaskowane(maska, this);
        p->setObjectName(nazwa);
        p->setFont(czcionka_pol);
        return p;
    };
    auto przycisk = [this](const QString& nazwa, const QString& tekst, const QString& podpowiedz) {
        auto* b = new QPushButton(tekst, this);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        if (!podpowiedz.isEmpty()) {
            b->setToolTip(podpowiedz);
            b->installEventFilter(this);  // hints are kept but never shown
        }
        return b;
    };
    // Picture buttons do not take the focus, so pressing one does not end
    // the editing of the focused field.
    auto obrazkowy = [&](const QString& nazwa, const QString& tekst, const QString& podpowiedz,
                         const QIcon& ikona) {
        auto* b = przycisk(nazwa, tekst, podpowiedz);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(ikona);
        return b;
    };

    // Labels of the first column; the fields beside them start where the widest ends.
    QLabel* l_odb1 = etykieta(u"Nazwa odbiorcy:"_s);
    QLabel* l_odb2 = etykieta(u"Nazwa odbiorcy cd.:"_s);
    QLabel* l_nad_konto = etykieta(u"Nr rachunku nadawcy:"_s);
    QLabel* l_nad1 = etykieta(u"Nazwa nadawcy:"_s);
    QLabel* l_nad2 = etykieta(u"Nazwa nadawcy cd.:"_s);
    QLabel* l_tyt1 = etykieta(u"Tytułem:"_s);
    QLabel* l_tyt2 = etykieta(u"Tytułem cd.:"_s);
    QLabel* l_dod = etykieta(u"Dodatkowe informacje:"_s);
    int kolumna = 0;
    for (QLabel* l : {l_odb1, l_odb2, l_nad_konto, l_nad1, l_nad2, l_tyt1, l_tyt2, l_dod})
        kolumna = qMax(kolumna, l->width());
    kolumna = qMax(margines + kolumna + 6, 136);

    nazwa_odbiorcy1 = pole_tekstu(u"nazwa_odbiorcy1"_s, 150);
    nazwa_odbiorcy2 = pole_tekstu(u"nazwa_odbiorcy2"_s, 150);
    nazwa_nadawcy1 = pole_tekstu(u"nazwa_nadawcy1"_s, 150);
    nazwa_nadawcy2 = pole_tekstu(u"nazwa_nadawcy2"_s, 150);
    tytulem1 = pole_tekstu(u"tytulem1"_s, 150);
    tytulem2 = pole_tekstu(u"tytulem2"_s, 150);
    dodatkowe = pole_tekstu(u"dodatkowe"_s, 20);
    lk = pole_maski(u"lk"_s, maska_lk);
    nr_banku_odbiorcy = pole_maski(u"nr_banku_odbiorcy"_s, maska_banku);
    nr_rach_odbiorcy = pole_maski(u"nr_rach_odbiorcy"_s, maska_rachunku);
    nr_rach_nadawcy = pole_maski(u"nr_rach_nadawcy"_s, maska_nadawcy);
    symbol = pole_maski(u"symbol"_s, maska_symbolu);
    polacz_pola_konta(lk, nr_banku_odbiorcy, nr_rach_odbiorcy);
    symbol->ustaw_tekst(u"06"_s);
    kwota = new QLineEdit(this);
    kwota->setObjectName(u"kwota"_s);
    kwota->setFont(czcionka_pol);
    kwota->setMaxLength(6);
    kwota100 = new QLineEdit(this);
    kwota100->setObjectName(u"kwota100"_s);
    kwota100->setFont(czcionka_pol);
    kwota100->setMaxLength(2);

    wybierz_wpis_odb =
        przycisk(u"wybierz_wpis_odb"_s, u"..."_s, u"Wybierz odbiorcę z bazy odbiorców"_s);
    wybierz_wpis_nad =
        przycisk(u"wybierz_wpis_nad"_s, u"..."_s, u"Wybierz nadawcę z bazy nadawców"_s);
    wybierz_tytul = przycisk(u"wybierz_tytul"_s, u"..."_s, u"Wybierz tytuł z bazy tytułów"_s);
    b_dodaj_do_bazy_odbiorcow =
        obrazkowy(u"b_dodaj_do_bazy_odbiorcow"_s, {}, {}, ikona_dodawania());
    b_dodaj_do_bazy_nadawcow = obrazkowy(u"b_dodaj_do_bazy_nadawcow"_s, {}, {}, ikona_dodawania());
    b_dodaj_do_bazy_tytulow = obrazkowy(u"b_dodaj_do_bazy_tytulow"_s, {}, {}, ikona_dodawania());
    kalendarz_button =
        przycisk(u"kalendarz_button"_s, u"Wybierz..."_s, u"Ustal date dla tego przelewu"_s);
    btn_usun_date = obrazkowy(u"btn_usun_date"_s, {}, u"Usuń datę"_s, ikona_z_para(u"DELETE"_s));
    drukuj_w_edycji_przelew = obrazkowy(u"drukuj_w_edycji_przelew"_s, u"Drukuj"_s,
                                        u"Wydrukuj bieżący przelew"_s, ikona_z_para(u"PRINT"_s));
    podglad_wydruku_w_edycji = obrazkowy(u"podglad_wydruku_w_edycji"_s, u"Podgląd wydruku"_s,
                                         u"Pokaż podgląd wydruku bieżącego przelewu"_s,
                                         ikona_z_para(u"PRINT_PREVIEW"_s));
    zapisz_edycja = obrazkowy(u"zapisz_edycja"_s, u"Zapisz"_s, u"Zapisz bieżący przelew"_s, {});
    anuluj_edycja =
        obrazkowy(u"anuluj_edycja"_s, u"Anuluj"_s, u"Anuluj tworzenie przelewu"_s, {});
    for (QPushButton* b : {drukuj_w_edycji_przelew, podglad_wydruku_w_edycji})
        b->setIconSize(QSize(18, 18));
    // The bottom row is reached by Tab and by Alt and its letter, yet a click
    // still leaves the focus (and the field being edited) where it was.
    for (QPushButton* b :
         {drukuj_w_edycji_przelew, podglad_wydruku_w_edycji, zapisz_edycja, anuluj_edycja}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(true);
    }
    // Enter on a focused button presses it; anywhere else it is "Zapisz".
    for (QPushButton* b : {wybierz_wpis_odb, wybierz_wpis_nad, wybierz_tytul})
        b->setAutoDefault(true);
    drukuj_w_edycji_przelew->setText(u"&Drukuj"_s);
    podglad_wydruku_w_edycji->setText(u"&Podgląd wydruku"_s);
    zapisz_edycja->setText(u"&Zapisz"_s);
    anuluj_edycja->setText(u"&Anuluj"_s);
    zapisz_edycja->setDefault(true);  // Enter outside the calendar

    rb_przelew = new QRadioButton(u"Przelew"_s, this);
    rb_przelew->setObjectName(u"rb_przelew"_s);
    rb_przelew->setChecked(true);
    rb_wplata = new QRadioButton(u"Wpłata"_s, this);
    rb_wplata->setObjectName(u"rb_wplata"_s);
    data_label = new QLabel(this);
    data_label->setObjectName(u"data_label"_s);

    // --- places, row by row
    const int y1 = 8, y2 = 32, y3 = 60, y4 = 90, y5 = 120, y6 = 148, y7 = 172, y8 = 200, y9 = 224,
              y10 = 256;
    const int linia = 337;
    auto przy_polu = [&](QLabel* l, int y) {
        l->move(margines, y + (wysokosc_pola - l->height()) / 2);
    };
    auto linia_z_przyciskiem = [&](QLabel* l, QLineEdit* pole, QPushButton* b, int y) {
        przy_polu(l, y);
        pole->setGeometry(kolumna, y, linia, wysokosc_pola);
        b->setGeometry(kolumna + linia + 4, y, 25, b->icon().isNull() ? wysokosc_pola : 23);
    };
    linia_z_przyciskiem(l_odb1, nazwa_odbiorcy1, wybierz_wpis_odb, y1);
    linia_z_przyciskiem(l_odb2, nazwa_odbiorcy2, b_dodaj_do_bazy_odbiorcow, y2);
    linia_z_przyciskiem(l_nad1, nazwa_nadawcy1, wybierz_wpis_nad, y6);
    linia_z_przyciskiem(l_nad2, nazwa_nadawcy2, b_dodaj_do_bazy_nadawcow, y7);
    linia_z_przyciskiem(l_tyt1, tytulem1, wybierz_tytul, y8);
    linia_z_przyciskiem(l_tyt2, tytulem2, b_dodaj_do_bazy_tytulow, y9);
    int prawa = kolumna + linia + 4 + 25;

    // A row of labels and fields, left to right.
    int x = margines;
    auto obok = [&](QWidget* w, int y, int szerokosc, int odstep) {
        x += odstep;
        if (auto* l = qobject_cast<QLabel*>(w); l && szerokosc < 0) {
            w->move(x, y + (wysokosc_pola - w->height()) / 2);
            x += w->width();
        } else {
            w->setGeometry(x, y, szerokosc, wysokosc_pola);
            x += szerokosc;
        }
        prawa = qMax(prawa, x);
    };
    obok(etykieta(u"L.k."_s), y3, -1, 0);
    obok(lk, y3, szerokosc_na_cyfry(lk, 2, 25), 4);
    obok(etykieta(u"Nr banku odbiorcy:"_s), y3, -1, 8);
    obok(nr_banku_odbiorcy, y3, szerokosc_na_cyfry(nr_banku_odbiorcy, 9, 73), 4);
    obok(etykieta(u"Nr rachunku odbiorcy:"_s), y3, -1, 8);
    obok(nr_rach_odbiorcy, y3, szerokosc_na_cyfry(nr_rach_odbiorcy, 19, 120), 4);

    x = margines;
    rb_przelew->adjustSize();
    rb_wplata->adjustSize();
    obok(rb_przelew, y4, rb_przelew->width(), 0);
    obok(rb_wplata, y4, rb_wplata->width(), 6);
    obok(etykieta(u"Kwota:"_s), y4, -1, 10);
    obok(kwota, y4, szerokosc_na_cyfry(kwota, 6, 49), 4);
    auto* przecinek = new QLabel(u","_s, this);
    QFont duza = font();
    duza.setPixelSize(20);
    duza.setBold(true);
    przecinek->setFont(duza);
    przecinek->adjustSize();
    obok(przecinek, y4 - 2, -1, 2);
    obok(kwota100, y4, szerokosc_na_cyfry(kwota100, 2, 25), 2);
    obok(etykieta(u"Data:"_s), y4, -1, 10);
    const int szer_daty = data_label->fontMetrics().horizontalAdvance(u"28.12.2000"_s) + 8;
    obok(data_label, y4, szer_daty, 4);
    kalendarz_button->adjustSize();
    obok(kalendarz_button, y4 - 1, qMax(kalendarz_button->width(), 70), 4);
    kalendarz_button->resize(kalendarz_button->width(), 23);
    obok(btn_usun_date, y4 - 1, 25, 4);
    btn_usun_date->resize(25, 23);

    przy_polu(l_nad_konto, y5);
    nr_rach_nadawcy->setGeometry(kolumna, y5, szerokosc_na_cyfry(nr_rach_nadawcy, 32, 369),
                                 wysokosc_pola);
    prawa = qMax(prawa, nr_rach_nadawcy->geometry().right() + 1);

    przy_polu(l_dod, y10);
    dodatkowe->setGeometry(kolumna, y10, 163, wysokosc_pola);
    x = kolumna + 163;
    obok(etykieta(u"Symbol:"_s), y10, -1, 12);
    obok(symbol, y10, szerokosc_na_cyfry(symbol, 2, 24), 4);
    l_suma_kontrolna = new QLabel(this);
    l_suma_kontrolna->setObjectName(u"l_suma_kontrolna"_s);
    przygotuj_notatke_sumy(l_suma_kontrolna);
    l_suma_kontrolna->setGeometry(kolumna, y10 + wysokosc_pola + 2, linia + 29, 16);

    const int dol = wysokosc_okna - margines - 25;
    // A wider stand-in font widens a caption's button rather than cutting it.
    auto szerokosc_przycisku = [](QPushButton* b, int zalecana) {
        return qMax(zalecana, b->sizeHint().width());
    };
    const int w_drukuj = szerokosc_przycisku(drukuj_w_edycji_przelew, 81);
    const int w_podglad = szerokosc_przycisku(podglad_wydruku_w_edycji, 113);
    const int w_zapisz = szerokosc_przycisku(zapisz_edycja, 97);
    const int w_anuluj = szerokosc_przycisku(anuluj_edycja, 89);
    b_zaplac_telefonem = przycisk(u"b_zaplac_telefonem"_s, u"Zapłać telefonem"_s, {});
    b_zaplac_telefonem->setFocusPolicy(Qt::NoFocus);
    const int w_zaplac = szerokosc_przycisku(b_zaplac_telefonem, 0);
    // The bottom row's five buttons widen the window when they need to.
    const int szerokosc =
        std::max({szerokosc_okna, prawa + margines,
              2 * margines + w_drukuj + w_podglad + w_zaplac + w_zapisz + w_anuluj + 4 * 4});
    drukuj_w_edycji_przelew->setGeometry(margines, dol, w_drukuj, 25);
    podglad_wydruku_w_edycji->setGeometry(margines + w_drukuj + 4, dol, w_podglad, 25);
    anuluj_edycja->setGeometry(szerokosc - margines - w_anuluj, dol, w_anuluj, 25);
    zapisz_edycja->setGeometry(szerokosc - margines - w_anuluj - 4 - w_zapisz, dol, w_zapisz, 25);
    {
        const int x_zaplac = margines + w_drukuj + 4 + w_podglad + 4;
        b_zaplac_telefonem->setGeometry(x_zaplac, dol, zapisz_edycja->x() - 4 - x_zaplac, 25);
    }
    connect(b_zaplac_telefonem, &QPushButton::clicked, this, [this] {
        Tzaplac_telefonem okno(this);
        okno.pokaz_przelew(przelew_z_okna());
        okno.exec();
    });

    // Over the rows below, under the button that shows it.
    MonthCalendar1 = new QCalendarWidget(this);
    MonthCalendar1->setObjectName(u"MonthCalendar1"_s);
    // At 169 pixels wide only one-letter day names fit their columns.
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    MonthCalendar1->setGridVisible(false);
    MonthCalendar1->setGeometry(qMin(kalendarz_button->x(), szerokosc - margines - 169), y4 + 25,
                                169, 153);
    MonthCalendar1->hide();
    MonthCalendar1->raise();

    setFixedSize(szerokosc, wysokosc_okna);

    for (QLineEdit* p : {nazwa_odbiorcy1, tytulem1, kwota, kwota100}) p->installEventFilter(this);
    // Names and titles too long for the form are marked while typing.
    sledz_przepelnienie(nazwa_odbiorcy1, PoleTekstowe::nazwa_odbiorcy1);
    sledz_przepelnienie(nazwa_odbiorcy2, PoleTekstowe::nazwa_odbiorcy2);
    sledz_przepelnienie(nazwa_nadawcy1, PoleTekstowe::nazwa_zleceniodawcy1);
    sledz_przepelnienie(nazwa_nadawcy2, PoleTekstowe::nazwa_zleceniodawcy2);
    sledz_przepelnienie(tytulem1, PoleTekstowe::tytulem1);
    sledz_przepelnienie(tytulem2, PoleTekstowe::tytulem2);

    connect(lk, &PoleMaskowane::zmieniony, this, &Tnowy_edycja_przelewow::lkChange);
    connect(lk, &PoleMaskowane::opuszczony, this, &Tnowy_edycja_przelewow::lkExit);
    connect(nr_banku_odbiorcy, &PoleMaskowane::zmieniony, this,
            &Tnowy_edycja_przelewow::nr_banku_odbiorcyChange);
    connect(nr_banku_odbiorcy, &PoleMaskowane::opuszczony, this,
            &Tnowy_edycja_przelewow::nr_banku_odbiorcyExit);
    connect(nr_rach_odbiorcy, &PoleMaskowane::zmieniony, this,
            &Tnowy_edycja_przelewow::nr_rach_odbiorcyChange);
    connect(nr_rach_odbiorcy, &PoleMaskowane::opuszczony, this,
            &Tnowy_edycja_przelewow::nr_rach_odbiorcyExit);
    // Only what the user types is filtered; a stored amount is shown as it stands.
    connect(kwota, &QLineEdit::textEdited, this, &Tnowy_edycja_przelewow::kwotaChange);
    connect(kwota100, &QLineEdit::textEdited, this, &Tnowy_edycja_przelewow::kwota100Change);
    connect(rb_przelew, &QRadioButton::clicked, this, &Tnowy_edycja_przelewow::rb_przelewClick);
    connect(rb_wplata, &QRadioButton::clicked, this, &Tnowy_edycja_przelewow::rb_wplataClick);
    connect(kalendarz_button, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::kalendarz_buttonClick);
    connect(MonthCalendar1, &QCalendarWidget::clicked, this,
            &Tnowy_edycja_przelewow::MonthCalendar1Click);
    connect(MonthCalendar1, &QCalendarWidget::activated, this,
            &Tnowy_edycja_przelewow::MonthCalendar1Click);
    connect(btn_usun_date, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::btn_usun_dateClick);
    // After the completeness handlers above, so that amber wins over their normal colour.
    for (PoleMaskowane* p : {lk, nr_banku_odbiorcy, nr_rach_odbiorcy, nr_rach_nadawcy}) {
        connect(p, &PoleMaskowane::zmieniony, this, [this] { sprawdz_sumy_kontrolne(); });
        connect(p, &PoleMaskowane::opuszczony, this, [this] { sprawdz_sumy_kontrolne(); });
    }
    connect(zapisz_edycja, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::zapisz_edycjaClick);
    connect(anuluj_edycja, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::anuluj_edycjaClick);
    connect(drukuj_w_edycji_przelew, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::drukuj_w_edycji_przelewClick);
    connect(podglad_wydruku_w_edycji, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::podglad_wydruku_w_edycjiClick);
    connect(b_dodaj_do_bazy_odbiorcow, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::b_dodaj_do_bazy_odbiorcowClick);
    connect(b_dodaj_do_bazy_nadawcow, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::b_dodaj_do_bazy_nadawcowClick);
    connect(b_dodaj_do_bazy_tytulow, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::b_dodaj_do_bazy_tytulowClick);
    connect(wybierz_wpis_odb, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::wybierz_wpis_odbClick);
    connect(wybierz_wpis_nad, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::wybierz_wpis_nadClick);
    connect(wybierz_tytul, &QPushButton::clicked, this,
            &Tnowy_edycja_przelewow::wybierz_tytulClick);
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
                                       zapisz_edycja,
                                       anuluj_edycja};
    for (qsizetype i = 0; i + 1 < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i], kolejnosc[i + 1]);
}

// --- opening ----------------------------------------------------------------------------

void Tnowy_edycja_przelewow::przygotuj_nowy() {
    if (Tglowne_okno* glowne = okna().glowne) glowne->rejestr.plik_ma_nazwe = true;
    edycja_przelewu = false;
    for (QLineEdit* p : {nazwa_odbiorcy1, nazwa_odbiorcy2, kwota, kwota100, nazwa_nadawcy1,
                         nazwa_nadawcy2, tytulem1, tytulem2, dodatkowe})
        p->clear();
    for (PoleMaskowane* p : {lk, nr_banku_odbiorcy, nr_rach_odbiorcy, nr_rach_nadawcy})
        p->ustaw_tekst({});
    data_label->clear();
    MonthCalendar1->setSelectedDate(QDate::currentDate());
    MonthCalendar1->hide();
    symbol->ustaw_tekst(u"06"_s);
    rb_wplata->setChecked(false);
    rb_przelew->setChecked(true);
    ustaw_konto_nadawcy(true);
    for (QWidget* p : {static_cast<QWidget*>(lk), static_cast<QWidget*>(nr_banku_odbiorcy),
                       static_cast<QWidget*>(nr_rach_odbiorcy)})
        maluj_normalnie(p);
    nazwa_odbiorcy1->setFocus();
    setWindowTitle(u"Nowy przelew"_s);
}

void Tnowy_edycja_przelewow::wypelnij_pola(const Tprzelew& wiersz) {
    nazwa_odbiorcy1->setText(wiersz.nazwa_odbiorcy1.na_unicode());
    nazwa_odbiorcy2->setText(wiersz.nazwa_odbiorcy2.na_unicode());
    lk->ustaw_tekst(wiersz.lk.na_unicode());
    nr_banku_odbiorcy->ustaw_tekst(wiersz.nr_banku_odbiorcy.na_unicode());
    nr_rach_odbiorcy->ustaw_tekst(wiersz.nr_rach_odbiorcy.na_unicode());
    kwota->setText(wiersz.kwota.na_unicode());
    kwota100->setText(wiersz.kwota100.na_unicode());
    data_label->setText(wiersz.data.na_unicode());
    nr_rach_nadawcy->ustaw_tekst(wiersz.nr_rach_nadawcy.na_unicode());
    nazwa_nadawcy1->setText(wiersz.nazwa_nadawcy1.na_unicode());
    nazwa_nadawcy2->setText(wiersz.nazwa_nadawcy2.na_unicode());
    tytulem1->setText(wiersz.tytulem1.na_unicode());
    tytulem2->setText(wiersz.tytulem2.na_unicode());
    symbol->ustaw_tekst(wiersz.symbol.na_unicode());
    dodatkowe->setText(wiersz.dodatkowe.na_unicode());
}

void Tnowy_edycja_przelewow::przygotuj_kopie(const Tprzelew& wzor) {
    przygotuj_nowy();
    wypelnij_pola(wzor);
    // A repeated payment gets its own date.
    data_label->clear();
    const bool przelew = wzor.czy_przelew == 1;
    rb_przelew->setChecked(przelew);
    rb_wplata->setChecked(!przelew);
    ustaw_konto_nadawcy(przelew);
}

bool Tnowy_edycja_przelewow::przygotuj_edycje() {
    Tglowne_okno* glowne = okna().glowne;
    if (!glowne) return false;
    glowne->rejestr.plik_ma_nazwe = true;
    edycja_przelewu = true;
    const int s = glowne->zaznaczony_el();
    const int n = glowne->ilosc_el();
    if (n < s) return false;
    Tprzelew wiersz = glowne->rejestr.przelew(s);
    if (wiersz.data == " ") {
        wiersz.data.wyczysc();
        glowne->rejestr.zmien_wiersz(s, wiersz);
    }

    wypelnij_pola(wiersz);

    // An unreadable date leaves the calendar where it was.
    if (wiersz.data.empty())
        MonthCalendar1->setSelectedDate(QDate::currentDate());
    else if (const auto odczytana = czytaj_date(wiersz.data.na_unicode()))
        MonthCalendar1->setSelectedDate(*odczytana);
    MonthCalendar1->hide();

    const bool przelew = wiersz.czy_przelew == 1;
    rb_przelew->setChecked(przelew);
    rb_wplata->setChecked(!przelew);
    ustaw_konto_nadawcy(przelew);
    nazwa_odbiorcy1->setFocus();
    setWindowTitle(u"Edycja przelewu"_s);
    return true;
}

void Tnowy_edycja_przelewow::ustaw_konto_nadawcy(bool dostepne) {
    nr_rach_nadawcy->setEnabled(dostepne);
    QPalette paleta = nr_rach_nadawcy->palette();
    paleta.setColor(QPalette::Base, dostepne ? QColor(255, 255, 255)
                                             : QApplication::palette().color(QPalette::Button));
    nr_rach_nadawcy->setPalette(paleta);
    sprawdz_sumy_kontrolne();
}

// --- events -----------------------------------------------------------------------------

bool Tnowy_edycja_przelewow::event(QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(zdarzenie);
}

bool Tnowy_edycja_przelewow::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (zdarzenie->type() == QEvent::ToolTip) return true;
    if (zdarzenie->type() == QEvent::FocusOut &&
        wyjscie_z_pola(static_cast<QFocusEvent*>(zdarzenie))) {
        if (obiekt == nazwa_odbiorcy1)
            nazwa_odbiorcy1Exit();
        else if (obiekt == tytulem1)
            tytulem1Exit();
        else if (obiekt == kwota)
            kwotaExit();
        else if (obiekt == kwota100)
            kwota100Exit();
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void Tnowy_edycja_przelewow::showEvent(QShowEvent* zdarzenie) {
    if (QScreen* ekran = screen()) move(ekran->availableGeometry().topLeft());
    przy_otwarciu_ = std::make_unique<Tprzelew>(przelew_z_okna());
    QDialog::showEvent(zdarzenie);
}

void Tnowy_edycja_przelewow::keyPressEvent(QKeyEvent* zdarzenie) {
    const bool zmienione = !przy_otwarciu_ || przelew_z_okna() != *przy_otwarciu_;
    if (!escape_anuluje(zdarzenie, this, zmienione)) QDialog::keyPressEvent(zdarzenie);
}

void Tnowy_edycja_przelewow::FormActivate() {
    if (!isVisible() || !edycja_przelewu) return;
    lkExit();
    nr_banku_odbiorcyExit();
    nr_rach_odbiorcyExit();
    sprawdz_sumy_kontrolne();
}

namespace {
void wielka_pierwsza(QLineEdit* pole) {
    const QString t = pole->text();
    if (!t.isEmpty() && t[0] >= u'a' && t[0] <= u'z') pole->setText(t[0].toUpper() + t.mid(1));
}
}  // namespace

void Tnowy_edycja_przelewow::nazwa_odbiorcy1Exit() { wielka_pierwsza(nazwa_odbiorcy1); }
void Tnowy_edycja_przelewow::tytulem1Exit() { wielka_pierwsza(tytulem1); }

void Tnowy_edycja_przelewow::kapitalizacja() {
    nazwa_odbiorcy1Exit();
    tytulem1Exit();
}

void Tnowy_edycja_przelewow::lkChange() {
    if (isVisible() && !lk->text().contains(u' ')) {
        nr_banku_odbiorcy->setFocus();
        nr_banku_odbiorcy->setCursorPosition(0);
    }
}

void Tnowy_edycja_przelewow::lkExit() { sprawdzenie_lk(lk); }

void Tnowy_edycja_przelewow::nr_banku_odbiorcyChange() {
    po_zmianie_nr_banku(nr_banku_odbiorcy, this, nr_rach_odbiorcy);
}

void Tnowy_edycja_przelewow::nr_banku_odbiorcyExit() { po_wyjsciu_z_nr_banku(nr_banku_odbiorcy); }

void Tnowy_edycja_przelewow::nr_rach_odbiorcyChange() { po_zmianie_nr_rach(nr_rach_odbiorcy); }

void Tnowy_edycja_przelewow::nr_rach_odbiorcyExit() { po_wyjsciu_z_nr_rach(nr_rach_odbiorcy); }

void Tnowy_edycja_przelewow::filtruj(QLineEdit* pole) {
    const WynikFiltraLiczby wynik = filtr_liczby(pole->text());
    if (!wynik.kursor) return;
    pole->setText(wynik.tekst);
    pole->setCursorPosition(int(*wynik.kursor));
}

void Tnowy_edycja_przelewow::kwotaChange() { filtruj(kwota); }
void Tnowy_edycja_przelewow::kwota100Change() { filtruj(kwota100); }

void Tnowy_edycja_przelewow::kwotaExit() { kwota->setText(uzupelnij_zlote(kwota->text())); }

void Tnowy_edycja_przelewow::kwota100Exit() {
    kwota100->setText(uzupelnij_grosze(kwota100->text(), Uzupelnianie::Wyjscie));
}

void Tnowy_edycja_przelewow::uzupelnij_kwote(Uzupelnianie kontekst) {
    kwota->setText(uzupelnij_zlote(kwota->text()));
    kwota100->setText(uzupelnij_grosze(kwota100->text(), kontekst));
}

void Tnowy_edycja_przelewow::rb_przelewClick() {
    if (rb_wplata->isChecked()) {
        ustaw_konto_nadawcy(false);
        nr_rach_nadawcy->ustaw_tekst({});
    } else {
        ustaw_konto_nadawcy(true);
    }
}

void Tnowy_edycja_przelewow::rb_wplataClick() {
    if (rb_wplata->isChecked()) ustaw_konto_nadawcy(false);
}

void Tnowy_edycja_przelewow::kalendarz_buttonClick() {
    MonthCalendar1->setVisible(!MonthCalendar1->isVisible());
    if (MonthCalendar1->isVisible()) MonthCalendar1->raise();
}

void Tnowy_edycja_przelewow::MonthCalendar1Click() {
    data_label->setText(tekst_daty(MonthCalendar1->selectedDate()).left(10));
    MonthCalendar1->hide();
}

void Tnowy_edycja_przelewow::btn_usun_dateClick() { data_label->clear(); }

// --- saving -----------------------------------------------------------------------------

Tprzelew Tnowy_edycja_przelewow::przelew_z_okna() const {
    Tprzelew p;
    p.nazwa_odbiorcy1 = Tekst<150>::z_unicode(nazwa_odbiorcy1->text());
    p.nazwa_odbiorcy2 = Tekst<150>::z_unicode(nazwa_odbiorcy2->text());
    p.lk = Tekst<2>::z_unicode(lk->tekst());
    p.nr_banku_odbiorcy = Tekst<9>::z_unicode(nr_banku_odbiorcy->tekst());
    p.nr_rach_odbiorcy = Tekst<19>::z_unicode(nr_rach_odbiorcy->tekst());
    p.kwota = Tekst<6>::z_unicode(kwota->text());
    p.kwota100 = Tekst<2>::z_unicode(kwota100->text());
    p.data = Tekst<10>::z_unicode(data_label->text());
    p.nr_rach_nadawcy = Tekst<32>::z_unicode(nr_rach_nadawcy->tekst());
    p.nazwa_nadawcy1 = Tekst<150>::z_unicode(nazwa_nadawcy1->text());
    p.nazwa_nadawcy2 = Tekst<150>::z_unicode(nazwa_nadawcy2->text());
    p.tytulem1 = Tekst<150>::z_unicode(tytulem1->text());
    p.tytulem2 = Tekst<150>::z_unicode(tytulem2->text());
    p.czy_przelew = rb_przelew->isChecked() ? 1 : 0;
    p.symbol = Tekst<2>::z_unicode(symbol->tekst());
    p.dodatkowe = Tekst<20>::z_unicode(dodatkowe->text());
    return p;
}

void Tnowy_edycja_przelewow::sprawdzenie_czy_wprowadzone_zmiany_edycja(int s) {
    Tglowne_okno* glowne = okna().glowne;
    if (!glowne) return;
    const Tprzelew& w = glowne->rejestr.przelew(s);
    const Tprzelew p = przelew_z_okna();
    auto przyciete = [](const auto& a, const auto& b) {
        return przytnij(a.bajty()) == przytnij(b.bajty());
    };
    const bool rowne =
        w.nazwa_odbiorcy1 == p.nazwa_odbiorcy1 && w.nazwa_odbiorcy2 == p.nazwa_odbiorcy2 &&
        przyciete(w.lk, p.lk) && przyciete(w.nr_banku_odbiorcy, p.nr_banku_odbiorcy) &&
        przyciete(w.nr_rach_odbiorcy, p.nr_rach_odbiorcy) && w.kwota == p.kwota &&
        w.kwota100 == p.kwota100 && w.data == p.data &&
        przyciete(w.nr_rach_nadawcy, p.nr_rach_nadawcy) && w.nazwa_nadawcy1 == p.nazwa_nadawcy1 &&
        w.nazwa_nadawcy2 == p.nazwa_nadawcy2 && w.tytulem1 == p.tytulem1 &&
        w.tytulem2 == p.tytulem2 && w.dodatkowe == p.dodatkowe && w.symbol == p.symbol &&
        w.czy_przelew == p.czy_przelew;
    if (!rowne) glowne->rejestr.ustaw_zmieniony(true);
}

void Tnowy_edycja_przelewow::zapisz_edycjaClick() {
    Tglowne_okno* glowne = okna().glowne;
    if (!glowne) return;
    const int n = glowne->ilosc_el();
    const int s = glowne->zaznaczony_el();
    kapitalizacja();
    uzupelnij_kwote(Uzupelnianie::Zapis);
    if (czy_puste(this, nazwa_odbiorcy1->text())) return;
    if (sprawdz_sumy_kontrolne() && !zapisac_mimo_bledu_sumy(this)) return;

    Rejestr& rejestr = glowne->rejestr;
    if (edycja_przelewu && s >= 1 && s <= n) {
        sprawdzenie_czy_wprowadzone_zmiany_edycja(s);
        rejestr.zmien_wiersz(s, przelew_z_okna());
    } else {
        // Nothing may be written past the last row; the window stays open so
        // that nothing typed is lost.
        if (!rejestr.dopisz(przelew_z_okna())) {
            Dialogi::komunikat(this,
                               u"Lista przelewów jest pełna: można w niej przechowywać najwyżej "
                               u"1000 przelewów."_s,
                               windowTitle(), Dialogi::Ikona::Blad);
            return;
        }
        rejestr.ustaw_zmieniony(true);
    }
    accept();
}

void Tnowy_edycja_przelewow::anuluj_edycjaClick() { reject(); }

bool Tnowy_edycja_przelewow::sprawdz_sumy_kontrolne() {
    if (!l_suma_kontrolna) return false;
    bool bledny = oznacz_sume_kontrolna({lk, nr_banku_odbiorcy, nr_rach_odbiorcy});
    // A deposit's sender account is neither printed nor sent anywhere.
    if (rb_przelew->isChecked())
        bledny = oznacz_sume_kontrolna({nr_rach_nadawcy}) || bledny;
    l_suma_kontrolna->setVisible(bledny);
    return bledny;
}

