#pragma once

// Qt's own texts (file and print dialogs, the context menu of text fields,
// standard buttons) in Polish, from the distribution's Qt translations. False
// when they are not installed; the program then works with Qt's English.
// After them come the program's own translations of the print dialog's texts
// that Qt's catalogue lacks.
bool wczytaj_tlumaczenia_qt();
