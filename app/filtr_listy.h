#pragma once

#include "register/szukanie.h"

#include <QSortFilterProxyModel>

#include <vector>

class Rejestr;

// Between the main list's model and its view: keeps the orders whose
// recipient, title, account digits or amount contain the typed text. The
// rows keep the register's order; commands map a line back to its row.
class FiltrListy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    FiltrListy(const Rejestr& rejestr, QObject* rodzic = nullptr);

    void ustaw_tekst(const QString& tekst);
    bool aktywny() const { return !wzorzec_.pusty(); }

    void setSourceModel(QAbstractItemModel* model) override;

  protected:
    bool filterAcceptsRow(int wiersz, const QModelIndex& rodzic) const override;

  private:
    enum class Wynik : char { nieznany, odrzucony, przyjety };
    struct Wiersz {
        bool aktualny = false;
        Wynik wynik = Wynik::nieznany;  // under the current text
        StogSzukania stog;
    };
    const StogSzukania& stog(int wiersz) const;
    void zapomnij(int od, int do_);
    void zapomnij_wszystko() { wiersze_.clear(); }

    const Rejestr& rejestr_;
    WzorzecSzukania wzorzec_{QString()};
    // One per row of the register, filled as rows are first compared and
    // dropped when the source says they changed.
    mutable std::vector<Wiersz> wiersze_;
};
