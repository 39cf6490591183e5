#include "app/malarz_wierszy.h"

#include <QApplication>
#include <QPainter>

void MalarzWierszy::paint(QPainter* malarz, const QStyleOptionViewItem& opcja,
                          const QModelIndex& indeks) const {
    QStyleOptionViewItem o = opcja;
    initStyleOption(&o, indeks);
    // Anything but one line of left-to-right text with an optional mark on
    // its left goes the style's way.
    if ((o.features & (QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator)) ||
        o.decorationPosition != QStyleOptionViewItem::Left || o.direction != Qt::LeftToRight ||
        (o.state & QStyle::State_Editing)) {
        QStyledItemDelegate::paint(malarz, opcja, indeks);
        return;
    }
    const QWidget* widok = o.widget;
    const QStyle* styl = widok ? widok->style() : QApplication::style();
    malarz->save();
    malarz->setClipRect(o.rect);
    styl->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, malarz, widok);

    // The style's margins: a focus frame's width and one pixel, on both sides
    // of the mark and of the text.
    const int margines = styl->pixelMetric(QStyle::PM_FocusFrameHMargin, &o, widok) + 1;
    QRect tekst = o.rect;
    if (o.features & QStyleOptionViewItem::HasDecoration) {
        const int szerokosc = o.decorationSize.width() + 2 * margines;
        const QRect miejsce(o.rect.left(), o.rect.top(), szerokosc, o.rect.height());
        const QRect znak =
            QStyle::alignedRect(o.direction, o.decorationAlignment, o.decorationSize, miejsce);
        const QIcon::Mode tryb = !(o.state & QStyle::State_Enabled)   ? QIcon::Disabled
                                 : (o.state & QStyle::State_Selected) ? QIcon::Selected
                                                                      : QIcon::Normal;
        o.icon.paint(malarz, znak, o.decorationAlignment, tryb,
                     (o.state & QStyle::State_Open) ? QIcon::On : QIcon::Off);
        tekst.setLeft(miejsce.right() + 1);
    }

    const QPalette::ColorGroup grupa = !(o.state & QStyle::State_Enabled)  ? QPalette::Disabled
                                       : !(o.state & QStyle::State_Active) ? QPalette::Inactive
                                                                           : QPalette::Normal;
    if (!o.text.isEmpty()) {
        tekst.adjust(margines, 0, -margines, 0);
        malarz->setFont(o.font);
        malarz->setPen(o.palette.color(grupa, (o.state & QStyle::State_Selected)
                                                  ? QPalette::HighlightedText
                                                  : QPalette::Text));
        const QString widoczny = o.fontMetrics.elidedText(o.text, o.textElideMode, tekst.width());
        malarz->drawText(tekst, int(o.displayAlignment) | Qt::TextSingleLine, widoczny);
    }

    if (o.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect ramka;
        ramka.QStyleOption::operator=(o);
        ramka.rect = styl->subElementRect(QStyle::SE_ItemViewItemFocusRect, &o, widok);
        ramka.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        ramka.backgroundColor = o.palette.color(
            grupa, (o.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window);
        styl->drawPrimitive(QStyle::PE_FrameFocusRect, &ramka, malarz, widok);
    }
    malarz->restore();
}
