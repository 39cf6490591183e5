#pragma once

// The windows are laid out for Tahoma; where it is missing (Linux), the
// metric-compatible Liberation Sans stands in rather than a wider default.
void ustaw_zastepstwa_czcionek();
