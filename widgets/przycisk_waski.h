#pragma once

#include <QPushButton>

// A push button as narrow as its short caption ("...") or its picture needs,
// never narrower than `najmniej`: the style's usual minimum width of a
// captioned button would push the fields beside it out of line.
class PrzyciskWaski : public QPushButton {
    Q_OBJECT
  public:
    PrzyciskWaski(const QString& tekst, int najmniej, QWidget* rodzic)
        : QPushButton(tekst, rodzic), najmniej_(najmniej) {}

    QSize sizeHint() const override {
        const int tresc = text().isEmpty() ? iconSize().width()
                                           : fontMetrics().horizontalAdvance(text().remove(u'&'));
        return {qMax(najmniej_, tresc + 10), QPushButton::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  private:
    int najmniej_;
};
