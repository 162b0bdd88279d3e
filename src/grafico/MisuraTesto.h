#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>

// How wide and how tall the chart's text is, in points, for a size in
// points. The layout asks only this, so that it can be computed (and
// tested) without drawing.
class MisuraTesto {
  public:
    virtual ~MisuraTesto() = default;
    virtual double larghezza(const QString& testo, double punti, bool grassetto) const = 0;
    // Height above and below the baseline.
    virtual double ascesa(double punti) const = 0;
    virtual double discesa(double punti) const = 0;
};

// The widths of the chart's own fonts (CaratteriGrafico.h), at the
// resolution the PDF is drawn at. Each text is measured once, at a large
// size without hinting, and scaled: the outlines scale linearly, and the
// layout tries many sizes. Needs a QGuiApplication.
class MisuraCaratteri : public MisuraTesto {
  public:
    MisuraCaratteri();
    double larghezza(const QString& testo, double punti, bool grassetto) const override;
    double ascesa(double punti) const override;
    double discesa(double punti) const override;

  private:
    struct Stile {
        QFontMetricsF metriche;
        mutable QHash<QString, double> larghezze; // per point
    };
    Stile normale_, grassetto_;
};
