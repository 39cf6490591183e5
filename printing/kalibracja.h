#pragma once

// The calibration sheet: on plain paper, in the current layout, the outlines
// of the pre-printed form's boxes, a crosshair at three reference points of
// every stub and millimetre rulers along the top and left edges. Laid over a
// pre-printed form against a window, it shows how far the printer is off.

#include "printing/plotno.h"
#include "printing/przygotowanie.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <array>

// A point of the form, in mm from the stub origin.
struct PunktOdniesienia {
    QString litera;  // "A", "B", "C"
    QString opis;
    double x = 0, y = 0;
};

// Top-left of the recipient-name field, top-left of the amount field,
// bottom-right of the title field (its second line).
const std::array<PunktOdniesienia, 3>& punkty_odniesienia();

// The stub origins one sheet shows: in portrait stubs 3 and 4 would land
// where 1 and 2 are, so one page holds every distinct place.
QList<QPointF> miejsca_odcinkow(const StanDruku& stan);

// Half the length of a crosshair's arms, mm.
constexpr double ramie_krzyzyka = 5;

void rysuj_kalibracje(Plotno& p, const StanDruku& stan);
// One page in the print's orientation.
Dokument generuj_kalibracje(const StanDruku& stan);
