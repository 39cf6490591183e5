#pragma once

#include "register/odcisk_pliku.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QWidget>

struct UstawieniaWydruku;

class PlikIni;

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// Up and down arrows attached to an edit: they step the whole number the
// edit shows, between the limits. The edit itself still takes any text.
class StrzalkiGoraDol : public QWidget {
    Q_OBJECT

  public:
    StrzalkiGoraDol(QLineEdit* pole, int najmniej, int najwiecej, QWidget* rodzic = nullptr);

    void krok(int o);

    QToolButton* w_gore = nullptr;
    QToolButton* w_dol = nullptr;

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

  private:
    QLineEdit* pole_;
    int najmniej_;
    int najwiecej_;
    int pozycja_;
};

// "Ustawienia programu": shows config.ini when it opens and writes it on "OK".
// Opened over its parent, centred on it.
class Tpreferencje : public QDialog {
    Q_OBJECT

  public:
    explicit Tpreferencje(QWidget* rodzic = nullptr);

    QGroupBox* gb_typ_formularza = nullptr;
    QLabel* i_kolorowy = nullptr;
    QLabel* i_czarnobialy = nullptr;
    QLabel* i_brak = nullptr;
    QRadioButton* kolorowy = nullptr;
    QRadioButton* czarnobialy = nullptr;
    QRadioButton* brak = nullptr;

    QGroupBox* gb_form_2odc = nullptr;
    QLabel* l_margines_gorny = nullptr;
    QLineEdit* margines_gorny = nullptr;
    StrzalkiGoraDol* UpDown1 = nullptr;
    QLabel* l_mm_gorny = nullptr;
    QLabel* l_margines_lewy = nullptr;
    QLineEdit* margines_lewy = nullptr;
    StrzalkiGoraDol* UpDown2 = nullptr;
    QLabel* l_mm_lewy = nullptr;

    QGroupBox* orinetacja = nullptr;
    QRadioButton* pionowy = nullptr;
    QRadioButton* poziomy = nullptr;

    QGroupBox* gb_ilosc_odcinkow = nullptr;
    QRadioButton* odc1 = nullptr;
    QRadioButton* odc2 = nullptr;
    QRadioButton* odc4 = nullptr;

    QGroupBox* gb_oplata = nullptr;
    QCheckBox* chb_oplata = nullptr;
    QLineEdit* oplata1 = nullptr;
    QToolButton* opl_UP = nullptr;
    QToolButton* opl_DOWN = nullptr;
    QLabel* l_pln = nullptr;

    QGroupBox* gb_inne = nullptr;
    QCheckBox* chb_capitals = nullptr;
    QCheckBox* chb_boxes = nullptr;

    // The shift measured with the calibration sheet, kept per printer.
    QGroupBox* gb_przesuniecie = nullptr;
    QComboBox* cb_drukarka = nullptr;
    QDoubleSpinBox* przesuniecie_w_prawo = nullptr;
    QDoubleSpinBox* przesuniecie_w_dol = nullptr;
    QPushButton* b_kalibracja = nullptr;

    QPushButton* b_ok = nullptr;
    QPushButton* b_anuluj = nullptr;

  public slots:
    void FormShow();
    void opl_UPClick();
    void opl_DOWNClick();
    void chb_oplataClick();
    void b_okClick();
    void b_anulujClick();
    void b_kalibracjaClick();
    void cb_drukarkaChange();

  public:
    // The printers to choose from, the given one selected; FormShow() asks the system.
    void ustaw_drukarki(const QStringList& nazwy, const QString& wybrana);

  protected:
    void showEvent(QShowEvent* zdarzenie) override;

  private:
    void zbuduj();
    QGroupBox* zbuduj_typ_formularza();
    QGroupBox* zbuduj_marginesy();
    QGroupBox* zbuduj_uklad_strony();
    QGroupBox* zbuduj_ilosc_odcinkow();
    QGroupBox* zbuduj_oplate();
    QGroupBox* zbuduj_inne();
    QGroupBox* zbuduj_przesuniecie();
    void polacz();
    void zaladuj_obrazki();
    void pokaz_plik(const PlikIni& ini);
    void pokaz_oplate(qint64 milionowe);
    QList<std::pair<QLineEdit*, QString>> marginesy() const;
    // False at the first key that cannot be written.
    bool zapisz();
    bool zapisz_przesuniecie();
    OdciskPliku odcisk_;  // config.ini as the window read it
    // The layout the controls show now, as printing would read it.
    UstawieniaWydruku ustawienia_z_okna() const;

    // The fee in millionths: the buttons step by exactly 0,1 however often
    // they are pressed, and a hand-written 2,55 or 2,555 survives an "OK".
    qint64 oplata_ = 0;
};
