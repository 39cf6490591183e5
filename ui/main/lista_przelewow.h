#pragma once

#include <QAbstractTableModel>

struct StanRejestru;
struct Tprzelew;

// The main list: item i shows row i of the table. It shows as many items as
// it was last told to (a rebuild, or an item appended), like a list view kept
// in step with the table by its callers.
class ModelListyPrzelewow : public QAbstractTableModel {
  public:
    explicit ModelListyPrzelewow(StanRejestru& stan, QObject* rodzic = nullptr);

    int rowCount(const QModelIndex& rodzic = {}) const override;
    int columnCount(const QModelIndex& rodzic = {}) const override;
    QVariant data(const QModelIndex& indeks, int rola) const override;
    QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola) const override;

    void przebuduj(int wierszy);
    void wyczysc() { przebuduj(0); }
    void dopisz_wiersz();
    void odswiez_wiersz(int nr);  // nr counted from 1

    static QString tekst_komorki(const StanRejestru& stan, int nr, int kolumna);
    // A complete account number (the recipient's, or a transfer's sender's)
    // whose check digits are wrong: the list marks the row.
    static bool zla_suma_kontrolna(const Tprzelew& przelew);

  private:
    StanRejestru& stan_;
    int wierszy_ = 0;
};
