#pragma once

#include "register/pliki_przelewow.h"
#include "register/przelew.h"
#include "register/sesja_pliku.h"

#include <QList>
#include <QObject>
#include <QString>

// The collection of orders and the state of its file. Every change goes
// through a method that announces it, so a list or a "Zapisz" button follows
// the signals instead of being kept in step by hand.
//
// Whether a change is worth saving is the caller's word, given through
// ustaw_zmieniony(): a print completing an amount, a sort or a file read are
// not; an order written by the user is.
class Rejestr : public QObject {
    Q_OBJECT
  public:
    explicit Rejestr(QObject* rodzic = nullptr);

    const TablicaPrzelewow& tablica() const { return tablica_; }
    const Tprzelew& przelew(int nr) const { return tablica_[nr]; }
    int ilosc() const { return tablica_.ilosc_el(); }

    // Appends after the last order; false, and nothing changes, when the table is full.
    bool dopisz(const Tprzelew& przelew);
    // Rows 1..count only; any other number changes nothing.
    void zmien_wiersz(int nr, const Tprzelew& przelew);
    // Hands row nr to a routine that completes it in place (printing fills a
    // missing amount part) and announces the row afterwards.
    template <typename F>
    auto w_wierszu(int nr, F&& f) {
        struct Po {
            Rejestr& r;
            int nr;
            ~Po() { emit r.wiersz_zmieniony(nr); }
        } po{*this, nr};
        return f(tablica_, nr);
    }
    // Removes the rows numbered (from 1, any order); numbers past the count are ignored.
    void usun(const QList<int>& numery);
    // Puts each order back at the number it had, ahead of the rows from that
    // number on, in ascending order of the numbers. False, and nothing
    // changes, when they do not fit.
    bool wstaw(const QList<QPair<int, Tprzelew>>& wiersze);
    // Sorts by a list column; true when the order came out descending.
    bool sortuj(int kolumna);
    void wyczysc();
    // The file's orders replace the table's, also after a read error partway.
    WynikOdczytu wczytaj(const QString& sciezka);
    // The same through the file session, which then holds the file; the path
    // is the caller's to set, as a failed read empties it.
    SesjaPliku::Otwarcie otworz(const QString& sciezka, bool tylko_do_odczytu);
    // Rows 1..count through the file session; a written file becomes the path.
    SesjaPliku::Zapis zapisz(const QString& sciezka, const SesjaPliku::Pytajacy& pytaj);
    SesjaPliku& sesja() { return sesja_; }
    const SesjaPliku& sesja() const { return sesja_; }

    // --- the file
    const QString& sciezka() const { return sciezka_; }
    void ustaw_sciezke(const QString& sciezka);
    bool zmieniony() const { return zmieniony_; }
    void ustaw_zmieniony(bool tak);

    bool plik_ma_nazwe = false;  // "Zapisz" may write without asking for a name
    // The path came from the last run and its file was not there: "Zapisz"
    // asks for a name, so a file that appears later is never replaced unseen.
    bool sciezka_nieotwarta = false;

  signals:
    void wiersz_dopisany(int nr);
    void wiersz_zmieniony(int nr);
    // Any number of rows moved, went or came: read everything again.
    void wiersze_zmienione();
    void zmieniony_zmienil_sie(bool zmieniony);
    void sciezka_zmieniona(const QString& sciezka);

  private:
    TablicaPrzelewow tablica_;
    QString sciezka_;  // empty when the collection has no file
    bool zmieniony_ = false;
    SesjaPliku sesja_;
};
