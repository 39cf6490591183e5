#pragma once

class QWidget;

// The windows of the program, created once at start in this order and living
// until it ends. A test creates only those it needs; a missing one is null.
class Tglowne_okno;
class Tnowy_edycja_przelewow;
class Tpreferencje;
class Tpodglad_wydruku;
class Tlista_wpisow;
class Tnowy_wpis;
class Tpomoc_okno;
class Tmonolit_czekania;
class Tmonolit_first_run;
class TFstatystyki;

struct Okna {
    Tglowne_okno* glowne = nullptr;
    Tnowy_edycja_przelewow* edytor = nullptr;
    Tpreferencje* preferencje = nullptr;
    Tpodglad_wydruku* podglad = nullptr;
    Tlista_wpisow* lista_wpisow = nullptr;
    Tnowy_wpis* nowy_wpis = nullptr;
    Tpomoc_okno* pomoc = nullptr;
    Tmonolit_czekania* czekanie = nullptr;
    Tmonolit_first_run* first_run = nullptr;
    TFstatystyki* statystyki = nullptr;
};

// The one set of windows of this run.
Okna& okna();

// Places a window about to be shown over the middle of the window it was
// opened from, kept on that window's screen, rather than wherever the system
// puts new windows.
void wysrodkuj_na(QWidget* okno, const QWidget* nad);
