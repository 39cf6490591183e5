#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class Tlista_wpisow;

// Runs `krok` once a modal window of type T is up, then closes it if it is
// still open, so a failed check ends the test instead of waiting for a human.
// Polled rather than a single shot: callers often run pending events before
// their window opens.
template <typename T>
class PrzyOknieModalnym {
  public:
    explicit PrzyOknieModalnym(std::function<void(T*)> krok) : krok_(std::move(krok)) {
        QObject::connect(&zegar_, &QTimer::timeout, [this] {
            T* okno = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!okno) return;
            zegar_.stop();
            otwarte_ = true;
            okno_ = okno;
            krok_(okno);
            if (okno_ && okno_->isVisible()) okno_->close();
        });
        zegar_.start(10);
    }
    bool otwarte() const { return otwarte_; }
    QPointer<T> okno() const { return okno_; }

  private:
    std::function<void(T*)> krok_;
    QTimer zegar_;
    QPointer<T> okno_;
    bool otwarte_ = false;
};

// Typing character by character, Polish letters and all.
void wpisz(QWidget* pole, const QString& tekst);

// Shows the window and checks, for every visible control: a label shows its
// whole text, a button, check box or radio button its whole caption (and a
// button with no caption has a tool tip), nothing lies outside its parent,
// and no label overlaps a control beside it.
void sprawdz_czy_nic_nie_uciete(QWidget* okno);

// The letter after a single "&" (lower case), or nothing.
QChar mnemonik(const QString& tekst);

// What keeps Alt and a letter from reaching everything in the shown window:
// each visible button, check box and radio button with a word in its caption
// and each menu item (not the numbered recent files) needs a letter, and no
// letter may answer twice in the window (buttons and labels leading to a
// field) or in one menu. Empty when all is well.
QStringList bledy_mnemonikow(QWidget* okno);

// A left click on row `wiersz` (from 0) of the address-book window's list, as
// the user makes it: the selection moves and the window hears the click.
void kliknij_pozycje(Tlista_wpisow* lista, int wiersz);
