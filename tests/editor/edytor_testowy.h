#pragma once

// What the editor's tests share: an order as the editor stores it, and an
// editor handed a routine that keeps the orders "Zapisz" hands back.

#include "editor/nowy_edycja_przelewu.h"
#include "register/przelew.h"
#include "wspolne/pomocnicze.h"

#include <QApplication>
#include <QByteArray>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

// An order as the editor stores it.
Tprzelew zapisany(const char* odbiorca = "Zenon") {
    Tprzelew p = przelew(odbiorca, "12", "50", "Czynsz", "15.03.2008");
    // Both numbers with right check digits: saving them asks nothing.
    p.lk = "45";
    p.nr_banku_odbiorcy = "1020 5558";
    p.nr_rach_odbiorcy = "1111 2222 3333 4444";
    p.nr_rach_nadawcy = "88 5678 9012 3456 7890 1234 5678";
    p.nazwa_nadawcy1 = "Jan";
    return p;
}

template <std::size_t N>
QByteArray b(const Tekst<N>& t) {
    return QByteArray(t.bajty().data(), qsizetype(t.bajty().size()));
}

}  // namespace

class EdytorTestowy {
  protected:
    QTemporaryDir katalog_;
    QWidget tlo_;  // the window that is active between two openings
    std::unique_ptr<Tnowy_edycja_przelewow> edytor_;
    std::vector<Tprzelew> oddane_;  // what "Zapisz" handed back, in order
    bool przyjmuje_ = true;         // false: as a full collection refuses

    void pokaz() {
        edytor_->show();
        edytor_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(edytor_.get()));
    }

    void otworz_nowy() {
        edytor_->przygotuj_nowy();
        pokaz();
    }

    void otworz(const Tprzelew& wiersz) {
        edytor_->przygotuj_edycje(wiersz);
        pokaz();
    }

    // As after exec(): another window is active again until the next opening.
    void schowaj() {
        edytor_->hide();
        tlo_.show();
        tlo_.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tlo_));
    }

    void zapisz() { QTest::mouseClick(edytor_->zapisz_edycja, Qt::LeftButton); }

    void przygotuj_katalog() {
        QVERIFY(katalog_.isValid());
        qputenv("VANDORIA_DIR", katalog_.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void utworz() {
        oddane_.clear();
        przyjmuje_ = true;
        edytor_ = std::make_unique<Tnowy_edycja_przelewow>(nullptr, [this](const Tprzelew& p) {
            if (!przyjmuje_) return false;
            oddane_.push_back(p);
            return true;
        });
    }
};
