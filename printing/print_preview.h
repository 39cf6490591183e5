#pragma once

#include "printing/plotno.h"

#include <QDialog>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

// One page of a recorded document at a zoom in percent of its real size.
// Only the part on screen is rendered, so a large zoom costs no more memory
// than a small one.
class StronaPodgladu : public QWidget {
    Q_OBJECT

  public:
    explicit StronaPodgladu(QWidget* rodzic = nullptr);

    void ustaw(const Dokument* dokument, int strona, int procent);
    int strona() const { return strona_; }
    int procent() const { return procent_; }
    // The resolution the page is rendered at.
    double dpi() const;
    // The page's size in pixels at a zoom.
    QSizeF rozmiar_przy(int procent) const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* zdarzenie) override;

  private:
    const Dokument* dokument_ = nullptr;
    int strona_ = 1;
    int procent_ = 100;
};

// The print preview: the recorded document page by page, with zoom and a
// button that prints the order anew.
class Tpodglad_wydruku : public QDialog {
    Q_OBJECT

  public:
    // `drukuj` is what "Drukuj" runs: a complete new print of the order this
    // preview was made for. Without it the button is disabled.
    explicit Tpodglad_wydruku(QWidget* rodzic = nullptr, std::function<void()> drukuj = {});

    // The document to show; the window keeps its own copy, so a print started
    // from here cannot change it. The settings it was made with give the
    // number of pages. Shows page 1 at the zoom the user chose last, at
    // first the page's whole width.
    void ustaw_dokument(Dokument dokument, int ilosc_odcinkow, const QString& uklad_strony);

    int powiekszenie() const { return powiekszenie_; }
    bool do_szerokosci() const { return do_szerokosci_; }
    // A zoom the user chose, remembered for the next preview.
    void ustaw_powiekszenie(int procent);
    void dopasuj_do_szerokosci();
    int biezaca_strona() const { return strona_; }
    int ilosc_stron() const;
    const Dokument& dokument() const { return strumien_podgladu_; }

    QWidget* panel = nullptr;
    QPushButton* b_drukuj = nullptr;
    QPushButton* b_powieksz = nullptr;
    QPushButton* b_pomniejsz = nullptr;
    QPushButton* b_poprz = nullptr;
    QPushButton* b_nast = nullptr;
    QPushButton* b_szerokosc = nullptr;  // "Do szerokości"
    QLabel* l_biezaca_strona = nullptr;
    QLineEdit* e_ilosc = nullptr;
    QLabel* l_powiekszenie = nullptr;  // "100 %"
    QLabel* l_strony = nullptr;        // "strona 1 z 2"
    QLabel* l_przesuniecie = nullptr;  // whose printer shift the page shows, under the page
    QScrollArea* ScrollBox1 = nullptr;
    StronaPodgladu* podglad_strony = nullptr;

    static constexpr int krok_powiekszenia = 10;

  public slots:
    void b_drukujClick();
    void b_powiekszClick();
    void b_pomniejszClick();
    void b_poprzClick();
    void b_nastClick();
    void sprawdz_str();

  public:
    // Moves the shown document by the printer's stored shift and names it;
    // once, after ustaw_dokument().
    void pokaz_przesuniecie(const QString& drukarka);

  protected:
    void showEvent(QShowEvent* zdarzenie) override;
    void hideEvent(QHideEvent* zdarzenie) override;
    void resizeEvent(QResizeEvent* zdarzenie) override;
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

  private:
    void zbuduj();
    void zbuduj_panel();
    void odswiez_strone();
    int procent_szerokosci() const;
    void idz_do_strony(int strona);

    std::function<void()> drukuj_;
    Dokument strumien_podgladu_;
    int ilosc_odcinkow_ = 2;
    QString uklad_strony_;
    int strona_ = 1;
    int powiekszenie_ = 100;
    bool wysrodkowane_ = false;
    bool do_szerokosci_ = true;
};
