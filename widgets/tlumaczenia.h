#pragma once

// Qt's own texts (file and print dialogs, the context menu of text fields,
// standard buttons) in Polish, from the distribution's Qt translations. False
// when they are not installed; the program then works with Qt's English.
bool wczytaj_tlumaczenia_qt();
