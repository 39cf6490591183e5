#pragma once

#include <QStyledItemDelegate>

// Draws a cell of the main list as the style would (its panel, the mark, the
// text elided on the right, the focus frame), measuring and shaping the text
// once: the style's own item drawing lays each text out four times over, and
// a screenful of orders is most of what a start and a scroll cost.
class MalarzWierszy : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* malarz, const QStyleOptionViewItem& opcja,
               const QModelIndex& indeks) const override;
};
