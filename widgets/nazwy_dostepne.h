#pragma once

class QWidget;

// What a screen reader says for each control: a control that has a label
// beside it in its layout gets that label as its buddy (and so its name), and
// one with no label and no caption is named by its tool tip. Run on a window
// once it is built; names given by hand stay.
void nazwij_kontrolki(QWidget* okno);

// Runs nazwij_kontrolki() on every window as it is first shown.
void nazywaj_okna_przy_pokazaniu();
