#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help file HELP.HLP is HTML in UTF-8; its numbered contexts are the
// anchors "kontekst-1", "kontekst-2" and so on.

// The help file the program uses, set once at start-up. Until then it is the
// HELP.HLP shipped beside the program.
void ustaw_plik_pomocy(const QString& sciezka);
QString plik_pomocy();

// The help viewer: one window per owner, reused, not modal.
class Tokno_pomocy : public QDialog {
    Q_OBJECT

  public:
    explicit Tokno_pomocy(QWidget* rodzic = nullptr);

    // Loads the file and scrolls to the context. A file that cannot be read is
    // reported to the user and gives false; the window then stays hidden.
    bool pokaz(const QString& plik, int kontekst);

    QTextBrowser* tresc = nullptr;
};

// Shows context `kontekst` of the program's help file in the viewer owned by
// `wlasciciel`; null when the file could not be read.
Tokno_pomocy* pokaz_pomoc(QWidget* wlasciciel, int kontekst);
