#pragma once

class QWidget;

// Places a window about to be shown over the middle of the window it was
// opened from, kept on that window's screen, rather than wherever the system
// puts new windows.
void wysrodkuj_na(QWidget* okno, const QWidget* nad);
