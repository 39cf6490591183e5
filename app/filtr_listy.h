#pragma once

#include "register/szukanie.h"

#include <QSortFilterProxyModel>

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

  protected:
    bool filterAcceptsRow(int wiersz, const QModelIndex& rodzic) const override;

  private:
    const Rejestr& rejestr_;
    WzorzecSzukania wzorzec_{QString()};
};
