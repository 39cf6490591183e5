#pragma once

#include <QAbstractTableModel>
#include <QIcon>

class Rejestr;
struct Tprzelew;

// The main list: item i shows row i of the register, following its signals.
class ModelListyPrzelewow : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ModelListyPrzelewow(const Rejestr& rejestr, QObject* rodzic = nullptr);

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola) const override;

    static QString tekst_komorki(const Tprzelew& przelew, int kolumna);
    // A complete account number (the recipient's, or a transfer's sender's)
    // whose check digits are wrong: the list marks the row.
    static bool zla_suma_kontrolna(const Tprzelew& przelew);
    // What the row's warning sign says: a wrong account or an amount that is
    // not a number (from a file made elsewhere); empty when there is none.
    static QString ostrzezenie(const Tprzelew& przelew);

  private:
    void przebuduj();
    void dopisz_wiersz(int nr);
    void odswiez_wiersz(int nr);  // nr counted from 1

    const Rejestr& rejestr_;
    int wierszy_ = 0;
    mutable QIcon ostrzezenie_;  // the mark of a wrong account number
};
