#pragma once

// Windows that other windows reach, each created when first needed; a missing
// one is null. The main window is handed to none of them through here.
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

#include "ui/wysrodkuj.h"
