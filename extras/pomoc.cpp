#include "extras/pomoc.h"
#include "widgets/czcionki.h"

#include "extras/darowizna.h"
#include "widgets/jpeg.h"
#include "widgets/obrazki.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The mail address: a plain label rather than a rich-text link, underlined
// and with the hand cursor only while the mouse is over it.
class EtykietaOdnosnika : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  protected:
    void enterEvent(QEnterEvent* zdarzenie) override {
        podkresl(true);
        QLabel::enterEvent(zdarzenie);
    }
    void leaveEvent(QEvent* zdarzenie) override {
        podkresl(false);
        QLabel::leaveEvent(zdarzenie);
    }
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override {
        if (zdarzenie->button() == Qt::LeftButton &&
            rect().contains(zdarzenie->position().toPoint()))
            QDesktopServices::openUrl(adres());
        QLabel::mouseReleaseEvent(zdarzenie);
    }

  private:
    void podkresl(bool tak) {
        QFont f = font();
        f.setUnderline(tak);
        setFont(f);
        if (tak)
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }

    // The subject keeps its double quotes; QUrl percent-encodes them, the
    // spaces and the Polish letters.
    static QUrl adres() {
        QUrl url;
        url.setScheme(u"mailto"_s);
        url.setPath(darowizna::mail_autora());
        QUrlQuery zapytanie;
        zapytanie.addQueryItem(u"subject"_s, u"\"VANDORIA - pytania, błędy, sugestie\""_s);
        url.setQuery(zapytanie);
        return url;
    }
};

QLabel* etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst) {
    auto* l = new QLabel(tekst, rodzic);
    l->setObjectName(QString::fromLatin1(nazwa));
    return l;
}

QLabel* akapit(QWidget* rodzic, const char* nazwa, const QString& tekst) {
    QLabel* l = etykieta(rodzic, nazwa, tekst);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    return l;
}

}  // namespace

#include "pomoc.moc"

Tpomoc_okno::Tpomoc_okno(QWidget* rodzic)
    : QDialog(rodzic, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(u"Tpomoc_okno"_s);
    setWindowTitle(u"O programie..."_s);
    ustaw_czcionke_okna(this, 8, true);

    i_ikonka_prog = etykieta(this, "i_ikonka_prog", {});
    i_ikonka_prog->setFixedSize(70, 70);
    i_ikonka_prog->setPixmap(QPixmap::fromImage(dekoduj_jpeg(dane_zasobu(u"IKONKA"_s))));

    l_nazwa_prog = etykieta(this, "l_nazwa_prog", u"VANDORIA"_s);
    QFont nazwa = czcionka_okna(15, true);
    nazwa.setWeight(QFont::Black);
    nazwa.setUnderline(true);
    l_nazwa_prog->setFont(nazwa);
    l_nazwa_prog->setAlignment(Qt::AlignCenter);
    QPalette szara = l_nazwa_prog->palette();
    szara.setColor(QPalette::WindowText, Qt::gray);
    l_nazwa_prog->setPalette(szara);

    l_autor = etykieta(this, "l_autor", u"Autor: "_s);
    l_autor_name = etykieta(this, "l_autor_name", darowizna::autor());

    l_1st_tekst = akapit(
        this, "l_1st_tekst",
        u" Jeśli czegoś nie wiesz, nie umiesz sobie z tym poradzić i odpowiedzi nie znalazłeś w "
        u"Pomocy - pisz do "
        u"mnie. Znalazłeś błąd w programie, coś byś zmienił, masz jakąś sugestię? Czekam na maila."_s);

    l_mail = new EtykietaOdnosnika(darowizna::mail_autora(), this);
    l_mail->setObjectName(u"l_mail"_s);
    l_mail->setAlignment(Qt::AlignCenter);
    QFont mail = czcionka_okna(10, true);
    mail.setItalic(true);
    l_mail->setFont(mail);
    QPalette niebieska = l_mail->palette();
    niebieska.setColor(QPalette::WindowText, Qt::blue);
    l_mail->setPalette(niebieska);

    l_2nd_tekst = akapit(
        this, "l_2nd_tekst",
        u"Jeśli spodobał Ci się program i chciałbyś w jakiś sposób wyrazić swoją wdzięczność, to "
        u"wykonaj przelew "
        u"na moje konto -  naciśnij poniższy przycisk, aby dodać formularz tego przelewu do listy :)"_s);

    Button1 =
        new QPushButton(u"&Dodaj do listy formularz przelewu do autora programu! :))"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setAutoDefault(false);
    b_ok = new QPushButton(u"&OK"_s, this);
    b_ok->setObjectName(u"b_ok"_s);
    b_ok->setDefault(true);
    b_ok->setMinimumWidth(75);
    uloz();

    // The window stays open, so the order can be added more than once.
    connect(Button1, &QPushButton::clicked, this, &Tpomoc_okno::dodaj_przelew_do_autora);
    connect(b_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void Tpomoc_okno::uloz() {
    auto* autor = new QHBoxLayout;
    autor->setSpacing(0);
    autor->addStretch();
    autor->addWidget(l_autor);
    autor->addWidget(l_autor_name);
    autor->addStretch();
    auto* obok_obrazka = new QVBoxLayout;
    obok_obrazka->addWidget(l_nazwa_prog, 1);
    obok_obrazka->addLayout(autor);
    auto* gora = new QHBoxLayout;
    gora->addWidget(i_ikonka_prog, 0, Qt::AlignTop);
    gora->addLayout(obok_obrazka, 1);

    // The paragraphs keep the window's designed width in characters, so a
    // larger font makes the window wider as well as taller.
    const int szerokosc = qMax(335, fontMetrics().averageCharWidth() * 55);
    for (QLabel* akapit : {l_1st_tekst, l_2nd_tekst}) akapit->setMinimumWidth(szerokosc);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->setSpacing(5);
    uklad->addLayout(gora);
    uklad->addWidget(l_1st_tekst);
    uklad->addWidget(l_mail);
    uklad->addWidget(l_2nd_tekst);
    uklad->addStretch();
    uklad->addWidget(Button1);
    uklad->addWidget(b_ok, 0, Qt::AlignHCenter);
    uklad->setSizeConstraint(QLayout::SetFixedSize);
}

void Tpomoc_okno::showEvent(QShowEvent* zdarzenie) {
    if (QWidget* rodzic = parentWidget()) move(rodzic->frameGeometry().center() - rect().center());
    QDialog::showEvent(zdarzenie);
}
