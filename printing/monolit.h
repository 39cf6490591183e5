#pragma once

#include <QFrame>

class QLabel;

// The small borderless window that stays on top while a print is being
// prepared. It has no behaviour of its own: the print commands show and
// close it.
class Tmonolit_czekania : public QFrame {
    Q_OBJECT

  public:
    explicit Tmonolit_czekania(QWidget* rodzic = nullptr);

    // Centred on `nad` (or on the screen when it is not shown), then painted
    // before the caller goes on with work that keeps the event loop busy.
    void pokaz_nad(const QWidget* nad);

    QLabel* l_prosze_czekac = nullptr;
    QLabel* l_trwa_generowanie = nullptr;
};
