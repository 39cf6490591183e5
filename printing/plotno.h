#pragma once

// The page canvas the form is drawn on. Coordinates are millimetres from the
// sheet's top-left corner, X to the right and Y downwards; font sizes are
// points. The drawing code knows nothing of screens or printers: it talks to a
// Plotno, and the recording canvas below keeps the pages so the report engine
// can replay them on a printer, a PDF or the preview.

#include <QList>
#include <QString>

#include <cstdint>

struct KolorRGB {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const KolorRGB&, const KolorRGB&) = default;
};

namespace kolory {
constexpr KolorRGB bialy{255, 255, 255};
constexpr KolorRGB czarny{0, 0, 0};
}  // namespace kolory

enum class StylPiora { psSolid, psDot };
enum class StylPedzla { bsSolid, bsClear };
enum class Orientacja { pionowa, pozioma };

struct Pioro {
    KolorRGB Color = kolory::czarny;
    StylPiora Style = StylPiora::psSolid;
    int Width = 1;  // 1 thin, 3 medium, 5 thick
    friend bool operator==(const Pioro&, const Pioro&) = default;
};

struct Pedzel {
    KolorRGB Color = kolory::bialy;
    StylPedzla Style = StylPedzla::bsSolid;
    friend bool operator==(const Pedzel&, const Pedzel&) = default;
};

struct Czcionka {
    QString Name = QStringLiteral("Arial");
    int Size = 10;
    KolorRGB Color = kolory::czarny;
    friend bool operator==(const Czcionka&, const Czcionka&) = default;
};

class Plotno {
  public:
    virtual ~Plotno() = default;

    virtual void SetPosition(double x, double y) = 0;
    // Left edge at the position's X, baseline at its Y, transparent background.
    virtual void PrintText(const QString& tekst) = 0;
    // Centred horizontally on x, baseline at the current Y.
    virtual void PrintCentred(const QString& tekst, double x) = 0;
    // Plain style always; the colour stays.
    virtual void SetFont(const QString& nazwa, int rozmiar) = 0;
    virtual void Rectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void Ellipse(double x1, double y1, double x2, double y2) = 0;
    virtual void MoveTo(double x, double y) = 0;
    virtual void LineTo(double x, double y) = 0;
    virtual void NewPage() = 0;

    virtual void SetPenColor(KolorRGB kolor) = 0;
    virtual void SetPenStyle(StylPiora styl) = 0;
    virtual void SetPenWidth(int szerokosc) = 0;
    // Setting the colour of a clear brush makes it solid again.
    virtual void SetBrushColor(KolorRGB kolor) = 0;
    virtual void SetBrushStyle(StylPedzla styl) = 0;
    virtual void SetFontColor(KolorRGB kolor) = 0;
};

// One drawing operation with the canvas state it was drawn in.
struct Operacja {
    enum class Rodzaj { Tekst, TekstWysrodkowany, Prostokat, Elipsa, Linia };
    Rodzaj rodzaj = Rodzaj::Prostokat;
    // Shapes: the two corners; a line: from (x1, y1) to (x2, y2);
    // a text: its position, for a centred text X is the centre.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString tekst;
    Pioro pioro;
    Pedzel pedzel;
    Czcionka czcionka;
};

struct Strona {
    QList<Operacja> operacje;
};

struct Dokument {
    Orientacja orientacja = Orientacja::pionowa;
    QList<Strona> strony;
};

// Keeps every page as a list of operations. A text does not move the print
// position: the drawing code places every text itself.
class PlotnoNagrywajace final : public Plotno {
  public:
    explicit PlotnoNagrywajace(Orientacja orientacja = Orientacja::pionowa);

    void SetPosition(double x, double y) override;
    void PrintText(const QString& tekst) override;
    void PrintCentred(const QString& tekst, double x) override;
    void SetFont(const QString& nazwa, int rozmiar) override;
    void Rectangle(double x1, double y1, double x2, double y2) override;
    void Ellipse(double x1, double y1, double x2, double y2) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;
    void NewPage() override;

    void SetPenColor(KolorRGB kolor) override { pioro_.Color = kolor; }
    void SetPenStyle(StylPiora styl) override { pioro_.Style = styl; }
    void SetPenWidth(int szerokosc) override { pioro_.Width = szerokosc; }
    void SetBrushColor(KolorRGB kolor) override;
    void SetBrushStyle(StylPedzla styl) override { pedzel_.Style = styl; }
    void SetFontColor(KolorRGB kolor) override { czcionka_.Color = kolor; }

    const Pioro& pioro() const { return pioro_; }
    const Pedzel& pedzel() const { return pedzel_; }
    const Czcionka& czcionka() const { return czcionka_; }

    const Dokument& dokument() const { return dokument_; }
    Dokument zabierz_dokument() { return std::move(dokument_); }

  private:
    void dodaj(Operacja::Rodzaj rodzaj, double x1, double y1, double x2, double y2,
               const QString& tekst = {});

    Dokument dokument_;
    Pioro pioro_;
    Pedzel pedzel_;
    Czcionka czcionka_;
    double x_ = 0, y_ = 0;              // print position
    double pioro_x_ = 0, pioro_y_ = 0;  // pen position
};
