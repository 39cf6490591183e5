#pragma once

#include "wspolne/rdzen.h"

// Turns the dialog seam on for the lifetime of a test function and checks at
// its end that every prepared answer was used.
class SeamDialogow {
  public:
    SeamDialogow();
    ~SeamDialogow();
};
