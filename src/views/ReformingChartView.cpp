#include "views/ReformingChartView.h"

#include "chart/ChartModel.h"
#include "chart/ChartReadout.h"

#include <QString>
#include <QStringList>
#include <charconv>
#include <cmath>

namespace quorvel {

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 255, 64); // colour value 4259584
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);

ChartFont Font(const char* family, int pixelSize, bool bold, bool italic, QColor color) {
    return ChartFont{QString::fromLatin1(family), pixelSize, bold, italic, color};
}

// The stored configuration's title and left-axis title, before the first view is chosen.
constexpr char16_t kInitialTitle[] = u"Состав сухого синтез-газа";

void ConfigureAxis(TChartAxis& axis, double increment, int tickLength, int tickInnerLength,
                   QColor minorTicks) {
    const ChartFont titleFont = Font("Courier New", 11, false, false, kBlack);
    axis.SetIncrement(increment);
    axis.SetMinorTickCount(4);
    axis.SetTickLength(tickLength);
    axis.SetTickInnerLength(tickInnerLength);
    axis.SetGrid(ChartPen{kBlack, 1, ChartPen::Style::Dotted, true});
    axis.SetTicks(ChartPen{kBlack, 1, ChartPen::Style::Solid, true});
    axis.SetTicksInner(ChartPen{kBlack, 1, ChartPen::Style::Solid, true});
    axis.SetMinorTicks(ChartPen{minorTicks, 1, ChartPen::Style::Solid, true});
    axis.SetTitleFont(titleFont);
}

} // namespace

void ConfigureReformingChart(ChartModel& model) {
    // The stored configuration is read as a whole: range checks off, Automatic alone.
    model.BeginLoading();

    TChartTitle& title = model.Title();
    title.SetFont(Font("Courier New", 16, true, false, kBlue));
    title.SetAlignment(TChartTitleAlignment::Centre);
    title.SetText({QString::fromUtf16(kInitialTitle)});
    model.Foot().SetFont(Font("Arial", 16, false, true, kGrey));

    TChartAxis& left = model.LeftAxis();
    left.SetAutomatic(false);
    left.SetAutomaticMinimum(false);
    left.SetAutomaticMaximum(true);
    left.SetMinimum(0);
    ConfigureAxis(left, 0.1, 4, 0, kBlack);
    left.SetTitleCaption(QString::fromUtf16(kInitialTitle));

    TChartAxis& bottom = model.BottomAxis();
    ConfigureAxis(bottom, 1.0, 1, 4, kGrey);

    TChartLegend& legend = model.Legend();
    legend.SetAlignment(TLegendAlignment::laBottom);
    legend.SetShadowSize(0);
    legend.SetFont(Font("Courier New", 11, false, false, kBlack));

    model.SetBackWallBrush(Qt::white, false);

    const struct {
        const char* name;
        const char16_t* title;
        QColor color;
    } series[] = {{"Series1", u"Метан", kRed},
                  {"Series2", u"Монооксид", kYellow},
                  {"Series3", u"Диоксид", kBlack},
                  {"Series4", u"Водород", kGreen}};
    for (const auto& s : series) {
        TFastLineSeries& added = model.AddSeries(QString::fromLatin1(s.name), s.color);
        added.SetTitle(QString::fromUtf16(s.title));
        added.SetLinePen(ChartPen{s.color, 2, ChartPen::Style::Solid, true});
    }
    model.EndLoading();
}

void ConstructionChart(ChartModel& model, const ReformingChartTexts& texts,
                       const std::function<void()>& repaintNow) {
    if (model.SeriesCount() >= 4) {
        const bool compositionSeriesInLegend = texts.curves == ReformingCurves::Composition;
        model.Title().ClearText();
        model.Title().AddLine(texts.title);
        model.Title().AddLine(QString());
        if (repaintNow)
            repaintNow();
        model.LeftAxis().SetTitleCaption(texts.leftAxis);
        model.Series(2).SetTitle(texts.series3);
        model.Series(3).SetTitle(texts.series4);
        model.Series(0).SetShowInLegend(compositionSeriesInLegend);
        model.Series(1).SetShowInLegend(compositionSeriesInLegend);
        model.Series(2).SetShowInLegend(true);
        model.Series(3).SetShowInLegend(true);
    }
    model.BottomAxis().SetTitleCaption(texts.bottomAxis);
}

void ChartDisplay(ChartModel& model, ReformingCurves curves, const CurveData& data) {
    if (model.SeriesCount() < 4)
        return;
    for (int i = 0; i < 4; ++i)
        model.Series(i).ClearPoints();
    if (data.LastIndex < 0)
        return;
    for (int i = 0; i <= data.LastIndex; ++i) {
        if (data.HasPoint != nullptr && !data.HasPoint[i])
            continue;
        const double x = data.XValue[i];
        if (curves == ReformingCurves::ProductRatios) {
            model.Series(2).AddPoint(x, data.CO2toCO[i]);
            model.Series(3).AddPoint(x, data.H2toCO[i]);
        } else {
            model.Series(0).AddPoint(x, data.CH4[i]);
            model.Series(1).AddPoint(x, data.CO[i]);
            model.Series(2).AddPoint(x, data.CO2[i]);
            model.Series(3).AddPoint(x, data.H2[i]);
        }
    }
}

namespace {

// Fixed point with `decimals` decimals and the given separator; a value that rounds to
// zero has no minus sign, as in the table; an undefined value is said to be so.
QString Fixed(double value, int decimals, QChar separator) {
    if (!std::isfinite(value))
        return QStringLiteral("не определено");
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return QStringLiteral("?");
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (text.startsWith(u'-') && text.count(u'0') == text.size() - 2)
        text.remove(0, 1);
    return text.replace(u'.', separator);
}

} // namespace

QString ReadoutText(const QString& sweptParameter, const ChartReadout& readout,
                    QChar decimalSeparator, const std::vector<ReadoutFigure>& extra) {
    constexpr int XDecimals = 2;     // the table's first column
    constexpr int CurveDecimals = 4; // the table's value columns
    QStringList lines;
    lines << sweptParameter + QStringLiteral(": ") + Fixed(readout.x, XDecimals, decimalSeparator);
    for (const ReadoutValue& value : readout.values)
        lines << value.title + QStringLiteral(": ") +
                     Fixed(value.y, CurveDecimals, decimalSeparator);
    for (const ReadoutFigure& figure : extra)
        lines << figure.caption + QStringLiteral(": ") +
                     Fixed(figure.value, figure.decimals, decimalSeparator);
    return lines.join(u'\n');
}

} // namespace quorvel
