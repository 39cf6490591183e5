#include "printing/print_preview.h"

#include "printing/klucze_ustawien.h"
#include "printing/przesuniecie_drukarki.h"
#include "printing/raport.h"
#include "widgets/czcionki.h"
#include "widgets/ikony.h"
#include "widgets/pamiec_okien.h"
#include "widgets/wysrodkuj.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

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

QSizeF StronaPodgladu::rozmiar_przy(int procent) const {
    return rozmiar_arkusza(dokument_ ? dokument_->orientacja : Orientacja::pionowa) *
           (logicalDpiX() * procent / 100.0 / 25.4);
}

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

Tpodglad_wydruku::Tpodglad_wydruku(QWidget* rodzic, std::function<void()> drukuj)
    : QDialog(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      drukuj_(std::move(drukuj)) {
    setObjectName(u"Tpodglad_wydruku"_s);
    setWindowTitle(u"Podgląd wydruku"_s);
    setModal(true);
    ustaw_czcionke_okna(this, 9);
    zbuduj();
    // Never narrower than the buttons need: a narrower window would cut them.
    setMinimumSize(layout()->minimumSize().expandedTo(QSize(300, 200)));
    resize(850, 600);
    // The window's place and the zoom chosen last; 0 is "the page's width".
    wysrodkowane_ = PamiecOkien::przywroc(this, objectName());
    const int zapamietane = PamiecOkien::czytaj_liczbe(u"Tpodglad_wydruku/powiekszenie"_s, 0);
    do_szerokosci_ = zapamietane < krok_powiekszenia;
    if (!do_szerokosci_) powiekszenie_ = zapamietane;
    ustaw_dokument({}, 2, klucze_ustawien::pionowy);
}

void Tpodglad_wydruku::zbuduj() {
    zbuduj_panel();

    podglad_strony = new StronaPodgladu;
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setAccessibleName(u"Strona wydruku"_s);
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    QPalette szare = ScrollBox1->palette();
    szare.setColor(QPalette::Window, QColor(128, 128, 128));
    ScrollBox1->setPalette(szare);
    ScrollBox1->setBackgroundRole(QPalette::Window);
    ScrollBox1->viewport()->setBackgroundRole(QPalette::Window);
    ScrollBox1->viewport()->setAutoFillBackground(true);
    ScrollBox1->setWidget(podglad_strony);
    ScrollBox1->viewport()->installEventFilter(this);

    // Under the page, across the whole width: a long printer name wraps
    // instead of running past the window's edge.
    l_przesuniecie = new QLabel(this);
    l_przesuniecie->setObjectName(u"l_przesuniecie"_s);
    l_przesuniecie->setWordWrap(true);
    l_przesuniecie->setContentsMargins(16, 3, 8, 3);
    l_przesuniecie->hide();

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(panel);
    uklad->addWidget(ScrollBox1, 1);
    uklad->addWidget(l_przesuniecie);

    if (!drukuj_) b_drukuj->setEnabled(false);
    connect(b_drukuj, &QPushButton::clicked, this, &Tpodglad_wydruku::b_drukujClick);
    connect(b_powieksz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_powiekszClick);
    connect(b_pomniejsz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_pomniejszClick);
    connect(b_poprz, &QPushButton::clicked, this, &Tpodglad_wydruku::b_poprzClick);
    connect(b_nast, &QPushButton::clicked, this, &Tpodglad_wydruku::b_nastClick);
    connect(b_szerokosc, &QPushButton::clicked, this, &Tpodglad_wydruku::dopasuj_do_szerokosci);
}

void Tpodglad_wydruku::zbuduj_panel() {
    panel = new QWidget(this);
    panel->setObjectName(u"panel"_s);

    auto przycisk = [this](const QString& nazwa, const QString& tekst, const QString& ikona_nazwa,
                           int szerokosc) {
        auto* b = new QPushButton(ikona(ikona_nazwa), tekst, panel);
        b->setObjectName(nazwa);
        b->setAutoDefault(false);
        // The designed width, or the caption's where a larger font needs more.
        b->setMinimumWidth(std::max(szerokosc, b->sizeHint().width()));
        return b;
    };
    b_drukuj = przycisk(u"b_drukuj"_s, u"&Drukuj"_s, u"document-print"_s, 105);
    b_powieksz = przycisk(u"b_powieksz"_s, u"Po&większ"_s, u"zoom-in"_s, 97);
    b_pomniejsz = przycisk(u"b_pomniejsz"_s, u"Po&mniejsz"_s, u"zoom-out"_s, 97);
    b_szerokosc = przycisk(u"b_szerokosc"_s, u"Do &szerokości"_s, u"zoom-fit-width"_s, 97);
    b_poprz = przycisk(u"b_poprz"_s, u"&Poprzednia"_s, u"go-previous"_s, 97);
    b_nast = przycisk(u"b_nast"_s, u"&Następna"_s, u"go-next"_s, 97);
    b_powieksz->setToolTip(u"Powiększ (Ctrl++, Ctrl i kółko myszy)"_s);
    b_pomniejsz->setToolTip(u"Pomniejsz (Ctrl+-, Ctrl i kółko myszy)"_s);
    b_szerokosc->setToolTip(u"Cała szerokość strony w oknie (Ctrl+0)"_s);
    b_poprz->setToolTip(u"Poprzednia strona (Page Up)"_s);
    b_nast->setToolTip(u"Następna strona (Page Down)"_s);

    auto etykieta = [this](const QString& nazwa, const QString& najszerszy) {
        auto* l = new QLabel(panel);
        l->setObjectName(nazwa);
        l->setAlignment(Qt::AlignCenter);
        // As wide as its widest text, so that changing it moves nothing.
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(najszerszy) + 2);
        return l;
    };
    l_powiekszenie = etykieta(u"l_powiekszenie"_s, u"9990 %"_s);
    l_strony = etykieta(u"l_strony"_s, u"strona 99 z 99"_s);
    l_biezaca_strona = new QLabel(u"Bieżąca strona:"_s, panel);
    l_biezaca_strona->setObjectName(u"l_biezaca_strona"_s);
    l_powiekszenie->setAccessibleName(u"Powiększenie"_s);
    l_strony->setAccessibleName(u"Strona"_s);
    e_ilosc = new QLineEdit(panel);
    l_biezaca_strona->setBuddy(e_ilosc);
    e_ilosc->setObjectName(u"e_ilosc"_s);
    e_ilosc->setReadOnly(true);
    e_ilosc->setAlignment(Qt::AlignCenter);
    e_ilosc->setFixedWidth(std::max(25, e_ilosc->fontMetrics().horizontalAdvance(u"99"_s) + 10));

    auto* uklad = new QHBoxLayout(panel);
    uklad->setContentsMargins(16, 4, 16, 4);
    uklad->setSpacing(6);
    uklad->addWidget(b_drukuj);
    // Printing stands apart from looking, as far as the width allows.
    uklad->addSpacerItem(new QSpacerItem(43, 0, QSizePolicy::Preferred, QSizePolicy::Minimum));
    for (QWidget* w :
         std::initializer_list<QWidget*>{b_powieksz, b_pomniejsz, l_powiekszenie, b_szerokosc,
                                         b_poprz, b_nast, l_strony, l_biezaca_strona, e_ilosc})
        uklad->addWidget(w);
    uklad->addStretch(1);
}

void Tpodglad_wydruku::ustaw_dokument(Dokument dokument, int ilosc_odcinkow,
                                      const QString& uklad_strony) {
    strumien_podgladu_ = std::move(dokument);
    ilosc_odcinkow_ = ilosc_odcinkow;
    uklad_strony_ = uklad_strony;
    strona_ = 1;
    if (do_szerokosci_) powiekszenie_ = procent_szerokosci();
    odswiez_strone();
    sprawdz_str();
}

void Tpodglad_wydruku::pokaz_przesuniecie(const QString& drukarka) {
    strumien_podgladu_ = dokument_dla_drukarki(std::move(strumien_podgladu_), drukarka);
    l_przesuniecie->setText(opis_przesuniecia(drukarka));
    l_przesuniecie->show();
    odswiez_strone();
}

int Tpodglad_wydruku::ilosc_stron() const {
    // Several orders previewed at once bring their pages one after another.
    const int jednego = ilosc_odcinkow_ == 4 && uklad_strony_ == klucze_ustawien::pionowy ? 2 : 1;
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
        if (parentWidget() && parentWidget()->isVisible())
            wysrodkuj_na(this, parentWidget()->window());
        else if (const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen())
            move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(zdarzenie);
    if (do_szerokosci_) dopasuj_do_szerokosci();
    // A form is read from its top.
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void Tpodglad_wydruku::hideEvent(QHideEvent* zdarzenie) {
    PamiecOkien::zapamietaj(this, objectName());
    QDialog::hideEvent(zdarzenie);
}

void Tpodglad_wydruku::resizeEvent(QResizeEvent* zdarzenie) {
    QDialog::resizeEvent(zdarzenie);
    if (do_szerokosci_ && isVisible()) {
        powiekszenie_ = procent_szerokosci();
        odswiez_strone();
    }
}

int Tpodglad_wydruku::procent_szerokosci() const {
    // The page at 100 % against the room the view has beside a vertical scroll bar.
    const QSizeF strona = podglad_strony->rozmiar_przy(100);
    const int miejsce =
        ScrollBox1->viewport()->width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 8;
    if (strona.width() <= 0 || miejsce <= 0) return 100;
    return std::max(krok_powiekszenia, static_cast<int>(100.0 * miejsce / strona.width()));
}

void Tpodglad_wydruku::dopasuj_do_szerokosci() {
    do_szerokosci_ = true;
    PamiecOkien::zapisz_liczbe(u"Tpodglad_wydruku/powiekszenie"_s, 0);
    powiekszenie_ = procent_szerokosci();
    odswiez_strone();
}

void Tpodglad_wydruku::ustaw_powiekszenie(int procent) {
    do_szerokosci_ = false;
    powiekszenie_ = std::max(krok_powiekszenia, procent);
    PamiecOkien::zapisz_liczbe(u"Tpodglad_wydruku/powiekszenie"_s, powiekszenie_);
    odswiez_strone();
}

void Tpodglad_wydruku::idz_do_strony(int strona) {
    strona_ = std::clamp(strona, 1, ilosc_stron());
    odswiez_strone();
    ScrollBox1->verticalScrollBar()->setValue(0);
    sprawdz_str();
}

void Tpodglad_wydruku::keyPressEvent(QKeyEvent* zdarzenie) {
    QScrollBar* pionowy = ScrollBox1->verticalScrollBar();
    const bool ctrl = zdarzenie->modifiers() & Qt::ControlModifier;
    switch (zdarzenie->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (!ctrl) break;
            return b_powiekszClick();
        case Qt::Key_Minus:
            if (!ctrl) break;
            return b_pomniejszClick();
        case Qt::Key_0:
            if (!ctrl) break;
            return dopasuj_do_szerokosci();
        // A page taller than the view is read to its end before the next one comes.
        case Qt::Key_PageDown:
            if (pionowy->value() < pionowy->maximum())
                return pionowy->triggerAction(QAbstractSlider::SliderPageStepAdd);
            if (strona_ < ilosc_stron()) idz_do_strony(strona_ + 1);
            return;
        case Qt::Key_PageUp:
            if (pionowy->value() > pionowy->minimum())
                return pionowy->triggerAction(QAbstractSlider::SliderPageStepSub);
            if (strona_ > 1) {
                idz_do_strony(strona_ - 1);
                pionowy->setValue(pionowy->maximum());
            }
            return;
        case Qt::Key_Home:
            return idz_do_strony(1);
        case Qt::Key_End:
            return idz_do_strony(ilosc_stron());
        default:
            break;
    }
    QDialog::keyPressEvent(zdarzenie);
}

bool Tpodglad_wydruku::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == ScrollBox1->viewport() && zdarzenie->type() == QEvent::Wheel) {
        const auto* kolko = static_cast<QWheelEvent*>(zdarzenie);
        if (kolko->modifiers() & Qt::ControlModifier) {
            if (kolko->angleDelta().y() > 0)
                b_powiekszClick();
            else if (kolko->angleDelta().y() < 0)
                b_pomniejszClick();
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void Tpodglad_wydruku::b_drukujClick() {
    // A complete new print; this window keeps showing its own copy meanwhile.
    if (drukuj_) drukuj_();
}

void Tpodglad_wydruku::b_powiekszClick() {
    // No upper limit: only the visible part is ever rendered. From the width's
    // odd percentage the steps land on whole tens again.
    ustaw_powiekszenie((powiekszenie_ / krok_powiekszenia + 1) * krok_powiekszenia);
}

void Tpodglad_wydruku::b_pomniejszClick() {
    if (powiekszenie_ <= krok_powiekszenia) return;
    ustaw_powiekszenie((powiekszenie_ - 1) / krok_powiekszenia * krok_powiekszenia);
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
