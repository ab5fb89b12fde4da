#pragma once

#include "chart/ChartChangeSink.h"
#include "chart/ChartStyle.h"

#include <QColor>
#include <QString>
#include <vector>

namespace quorvel {

// A colour map over a rectangular grid, measured on the bottom and left axes: one value
// per cell, shown in the colour of the colour scale (ColorScale.h) between the smallest
// and the largest finite value; a cell whose value is NaN or infinite has no value and
// is drawn hatched. Beside the plot a colour-scale legend with ticks and the series'
// title explains the colours.
//
// The grid is given by the cell centres along x and along y, each strictly ascending;
// a cell reaches halfway to its neighbours, and the outer cells as far beyond their
// centre as towards the inner neighbour (one unit either way for a lone centre).
class TColorMapSeries : public ChartPart {
public:
    using ChartPart::ChartPart;

    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { Assign(title_, title); }
    bool Active() const { return active_; }
    void SetActive(bool active) { Assign(active_, active); }
    // Whether the colour-scale legend is drawn beside the plot.
    bool ScaleVisible() const { return scaleVisible_; }
    void SetScaleVisible(bool v) { Assign(scaleVisible_, v); }
    const ChartFont& ScaleFont() const { return scaleFont_; }
    void SetScaleFont(const ChartFont& f) { Assign(scaleFont_, f); }
    const ChartFont& TitleFont() const { return titleFont_; }
    void SetTitleFont(const ChartFont& f) { Assign(titleFont_, f); }
    QColor NoValueColor() const { return noValueColor_; }
    QColor NoValueHatchColor() const { return noValueHatch_; }

    // Replaces the grid. `values` holds x.size() * y.size() values, row by row from the
    // lowest y: the value of column i in row j is values[j * x.size() + i]. Throws
    // ChartError (the series keeps its grid) when the sizes disagree or the centres are
    // not finite and strictly ascending.
    void SetGrid(std::vector<double> x, std::vector<double> y, std::vector<double> values);
    void Clear();

    int ColumnCount() const { return static_cast<int>(x_.size()); }
    int RowCount() const { return static_cast<int>(y_.size()); }
    bool HasCells() const { return !values_.empty(); }
    // Active with at least one cell: drawn, and counted on its axes.
    bool Shown() const { return active_ && HasCells(); }
    double X(int column) const { return x_[static_cast<std::size_t>(column)]; }
    double Y(int row) const { return y_[static_cast<std::size_t>(row)]; }
    double Value(int column, int row) const {
        return values_[static_cast<std::size_t>(row) * x_.size() +
                       static_cast<std::size_t>(column)];
    }
    // Cell edges in axis values: ColumnCount() + 1 along x, RowCount() + 1 along y.
    const std::vector<double>& XEdges() const { return xEdges_; }
    const std::vector<double>& YEdges() const { return yEdges_; }

    // The colour scale's range: the smallest and the largest finite value (both 0 when
    // no cell has a value).
    bool AnyValue() const { return anyValue_; }
    double ValueMinimum() const { return valueMin_; }
    double ValueMaximum() const { return valueMax_; }
    // The colour a value is drawn in on this scale (NoValueColor for no value).
    QColor ValueColor(double value) const;

private:
    QString title_;
    bool active_ = true;
    bool scaleVisible_ = true;
    ChartFont scaleFont_;
    ChartFont titleFont_;
    QColor noValueColor_ = Qt::white;
    QColor noValueHatch_ = QColor(160, 160, 160);
    std::vector<double> x_;
    std::vector<double> y_;
    std::vector<double> values_;
    std::vector<double> xEdges_;
    std::vector<double> yEdges_;
    bool anyValue_ = false;
    double valueMin_ = 0;
    double valueMax_ = 0;
};

// The edges of the cells around ascending centres (see TColorMapSeries); empty for none.
std::vector<double> CellEdges(const std::vector<double>& centres);

} // namespace quorvel
