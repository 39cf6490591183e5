#include "printing/print_preview.h"

#include "editor/nowy_edycja_przelewu.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/raport.h"
#include "ui/czcionki.h"
#include "ui/main/glowny.h"
#include "ui/okna.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

bool podglad_z_edycji = false;

// --- the page ------------------------------------------------------------------------------

StronaPodgladu::StronaPodgladu(QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(u"podglad_strony"_s);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StronaPodgladu::ustaw(const Dokument* dokument, int strona, int procent) {
    dokument_ = dokument;
    strona_ = strona;
    procent_ = procent;
    resize(sizeHint());
    update();
}

double StronaPodgladu::dpi() const { return logicalDpiX() * procent_ / 100.0; }

QSize StronaPodgladu::sizeHint() const {
    const QSizeF arkusz =
        rozmiar_arkusza(dokument_ ? dokument_->orientacja : Orientacja::pionowa) * (dpi() / 25.4);
    // A widget cannot grow past QWIDGETSIZE_MAX; beyond it the page is cut, not the program.
    auto bok = [](double d) {
        return static_cast<int>(std::min<double>(std::lround(d), QWIDGETSIZE_MAX));
    };
    return {bok(arkusz.width()), bok(arkusz.height())};
}

void StronaPodgladu::paintEvent(QPaintEvent* zdarzenie) {
    const QRect obszar = zdarzenie->rect();
    // The part to paint is rendered on its own image at the page's resolution,
    // the same way a whole page image is, so the preview shows what is printed.
    const double skala = devicePixelRatioF();
    QImage kafel((QSizeF(obszar.size()) * skala).toSize(), QImage::Format_RGB32);
    const int na_metr = static_cast<int>(std::lround(dpi() * skala / 0.0254));
    kafel.setDotsPerMeterX(na_metr);
    kafel.setDotsPerMeterY(na_metr);
    kafel.fill(Qt::white);
    if (dokument_ && strona_ >= 1 && strona_ <= dokument_->strony.size()) {
        QPainter malarz(&kafel);
        malarz.translate(-QPointF(obszar.topLeft()) * skala);
        rysuj_strone(malarz, dokument_->strony.at(strona_ - 1), dokument_->orientacja,
                     dpi() * skala);
    }
    kafel.setDevicePixelRatio(skala);
    QPainter(this).drawImage(obszar.topLeft(), kafel);
}

// --- the window ----------------------------------------------------------------------------

Tpodglad_wydruku::Tpodglad_wydruku(QWidget* rodzic)
    : QDialog(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(u"Tpodglad_wydruku"_s);
    setWindowTitle(u"Podgląd wydruku"_s);
    setModal(true);
    ustaw_zastepstwa_czcionek();
    QFont czcionka(u"Tahoma"_s);
    czcionka.setPixelSize(11);
    setFont(czcionka);
    zbuduj();
    setMinimumSize(300, 200);
    resize(850, 600);
    ustaw_dokument({}, 2, u"portrait"_s);
}

void Tpodglad_wydruku::zbuduj() {
    panel = new QWidget(this);
    panel->setObjectName(u"panel"_s);
    panel->setFixedHeight(33);

    auto przycisk = [this](const QString& nazwa, const QString& tekst) {
        auto* b = new QPushButton(tekst, panel);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        return b;
    };
    b_drukuj = przycisk(u"b_drukuj"_s, u"Drukuj"_s);
    b_powieksz = przycisk(u"b_powieksz"_s, u"Powiększ"_s);
    b_pomniejsz = przycisk(u"b_pomniejsz"_s, u"Pomniejsz"_s);
    b_poprz = przycisk(u"b_poprz"_s, u"poprzednia"_s);
    b_nast = przycisk(u"b_nast"_s, u"nastepna"_s);
    l_biezaca_strona = new QLabel(u"Bieżąca strona:"_s, panel);
    l_biezaca_strona->setObjectName(u"l_biezaca_strona"_s);
    e_ilosc = new QLineEdit(panel);
    e_ilosc->setObjectName(u"e_ilosc"_s);
    e_ilosc->setReadOnly(true);
    e_ilosc->setAlignment(Qt::AlignCenter);
    // Measured with their widest texts, so that changing them moves nothing.
    l_powiekszenie = new QLabel(u"9990 %"_s, panel);
    l_powiekszenie->setObjectName(u"l_powiekszenie"_s);
    l_strony = new QLabel(u"strona 99 z 99"_s, panel);
    l_strony->setObjectName(u"l_strony"_s);
    rozmiesc_panel();

    podglad_strony = new StronaPodgladu;
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    QPalette szare = ScrollBox1->palette();
    szare.setColor(QPalette::Window, QColor(128, 128, 128));
    ScrollBox1->setPalette(szare);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->viewport()->setBackgroundRole(QPalette::Window);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    ScrollBox1->setWidget(podglad_strony);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(panel);
    uklad->addWidget(ScrollBox1, 1);

    connect(b_drukuj, &QPushButton::clicked, this, &Tpodglad_wydruku::b_drukujClick);
    connect(b_powieksz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_powiekszClick);
    connect(b_pomniejsz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_pomniejszClick);
    connect(b_poprz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_poprzClick);
    connect(b_nast, &QPushButton::clicked, this, &Tpodglad_wydruku::b_nastClick);
}

void Tpodglad_wydruku::rozmiesc_panel() {
    // The layout's positions, each control made wider (and the rest moved on)
    // only where the font in use would cut its text.
    struct Miejsce {
        QWidget* w;
        int x, szerokosc;
    };
    const Miejsce miejsca[] = {
        {b_drukuj, 16, 105},       {b_powieksz, 170, 97},       {b_pomniejsz, 273, 97},
        {l_powiekszenie, 376, 36}, {b_poprz, 417, 97},          {b_nast, 520, 97},
        {l_strony, 623, 38},       {l_biezaca_strona, 664, 76}, {e_ilosc, 744, 25}};
    int przesuniecie = 0;
    int prawa_poprzedniego = 0;
    for (const Miejsce& m : miejsca) {
        const int x = std::max(m.x + przesuniecie, prawa_poprzedniego + 4);
        przesuniecie = x - m.x;
        // An edit's size hint asks for room for many characters; it shows one digit.
        const int potrzebna = m.w == e_ilosc ? 0 : m.w->sizeHint().width();
        const int szerokosc = std::max(m.szerokosc, potrzebna);
        if (qobject_cast<QPushButton*>(m.w)) {
            m.w->setGeometry(x, 4, szerokosc, 25);
        } else if (m.w == e_ilosc) {
            m.w->setGeometry(x, 6, szerokosc, 21);
        } else {
            m.w->setGeometry(x, 10, szerokosc, m.w->sizeHint().height());
        }
        prawa_poprzedniego = x + szerokosc;
    }
}

void Tpodglad_wydruku::ustaw_dokument(Dokument dokument, int ilosc_odcinkow,
                                      const QString& uklad_strony) {
    strumien_podgladu_ = std::move(dokument);
    ilosc_odcinkow_ = ilosc_odcinkow;
    uklad_strony_ = uklad_strony;
    strona_ = 1;
    powiekszenie_ = 100;
    odswiez_strone();
    sprawdz_str();
}

void Tpodglad_wydruku::pokaz_przesuniecie(const QString& drukarka) {
    strumien_podgladu_ = dokument_dla_drukarki(std::move(strumien_podgladu_), drukarka);
    if (!l_przesuniecie) {
        l_przesuniecie = new QLabel(panel);
        l_przesuniecie->setObjectName(u"l_przesuniecie"_s);
    }
    l_przesuniecie->setText(opis_przesuniecia(drukarka));
    l_przesuniecie->adjustSize();
    l_przesuniecie->move(e_ilosc->geometry().right() + 16,
                         (panel->height() - l_przesuniecie->height()) / 2);
    l_przesuniecie->show();
    odswiez_strone();
}

int Tpodglad_wydruku::ilosc_stron() const {
    // Several orders previewed at once bring their pages one after another.
    const int jednego = ilosc_odcinkow_ == 4 && uklad_strony_ == u"portrait" ? 2 : 1;
    return std::max<int>(jednego, static_cast<int>(strumien_podgladu_.strony.size()));
}

void Tpodglad_wydruku::odswiez_strone() {
    // The point of the page under the middle of the view stays there after a
    // zoom. A page smaller than the view is centred in it, so the point is
    // found through the page's own position, not from the scroll bars alone.
    QScrollBar* poziomy = ScrollBox1->horizontalScrollBar();
    QScrollBar* pionowy = ScrollBox1->verticalScrollBar();
    const QSize przed = podglad_strony->size();
    const QSize widok = ScrollBox1->viewport()->size();
    const QPointF srodek = QPointF(podglad_strony->mapFrom(
        ScrollBox1->viewport(), QPoint(widok.width() / 2, widok.height() / 2)));
    const double sx = przed.width() > 0 ? std::clamp(srodek.x() / przed.width(), 0.0, 1.0) : 0.5;
    const double sy = przed.height() > 0 ? std::clamp(srodek.y() / przed.height(), 0.0, 1.0) : 0.5;

    podglad_strony->ustaw(&strumien_podgladu_, strona_, powiekszenie_);

    const QSize po = podglad_strony->size();
    poziomy->setValue(static_cast<int>(std::lround(sx * po.width() - widok.width() / 2.0)));
    pionowy->setValue(static_cast<int>(std::lround(sy * po.height() - widok.height() / 2.0)));
    l_powiekszenie->setText(QString::number(powiekszenie_) + u" %"_s);
}

void Tpodglad_wydruku::showEvent(QShowEvent* zdarzenie) {
    if (!wysrodkowane_) {
        wysrodkowane_ = true;
        if (const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen())
            move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(zdarzenie);
}

void Tpodglad_wydruku::b_drukujClick() {
    // A complete new print; this window keeps showing its own copy meanwhile.
    if (podglad_z_edycji) {
        if (Tnowy_edycja_przelewow* edytor = okna().edytor) edytor->drukuj_w_edycji_przelewClick();
    } else if (Tglowne_okno* glowne = okna().glowne) {
        glowne->drukowanieClick();
    }
}

void Tpodglad_wydruku::b_powiekszClick() {
    // No upper limit: only the visible part is ever rendered.
    powiekszenie_ += krok_powiekszenia;
    odswiez_strone();
}

void Tpodglad_wydruku::b_pomniejszClick() {
    if (powiekszenie_ <= krok_powiekszenia) return;
    powiekszenie_ -= krok_powiekszenia;
    odswiez_strone();
}

void Tpodglad_wydruku::b_nastClick() {
    strona_ = strona_ >= ilosc_stron() ? 1 : strona_ + 1;
    odswiez_strone();
    sprawdz_str();
}

void Tpodglad_wydruku::b_poprzClick() {
    strona_ = strona_ <= 1 ? ilosc_stron() : strona_ - 1;
    odswiez_strone();
    sprawdz_str();
}

void Tpodglad_wydruku::sprawdz_str() {
    b_nast->setEnabled(strona_ < ilosc_stron());
    b_poprz->setEnabled(strona_ != 1);
    e_ilosc->setText(QString::number(strona_));
    l_strony->setText(u"strona %1 z %2"_s.arg(strona_).arg(ilosc_stron()));
}
