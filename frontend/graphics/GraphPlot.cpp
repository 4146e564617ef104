#include "GraphPlot.h"

#include "NumberText.h"
#include "Units.h"

#include <QObject>

#include <algorithm>
#include <stdexcept>

namespace tervane {

namespace {

// Display names show curve values with up to 15 significant digits, as numbers are shown
// everywhere in the program.
constexpr int kValueDigits = 15;

constexpr std::array<std::uint32_t, kCurveColourCount> kCurveColours = {
    0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x800080, 0x800000, 0x000080, 0xFF00FF, 0x808000,
    0x008080, 0x808080, 0x00FF00, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF};

TGraphWindowFactory& windowFactory() {
    static TGraphWindowFactory factory;
    return factory;
}

} // namespace

void TLine::SetPointCount(int n) {
    Points.resize(static_cast<size_t>(std::max(n, 0)));
}

void TLine::PadWithLastPoint(int n) {
    if (n <= PointCount()) return;
    const TFloatPoint last = Points.empty() ? TFloatPoint{} : Points.back();
    Points.resize(static_cast<size_t>(n), last);
}

void TGraphPlot::SetUnits(int units) {
    m_units = ClampUnits(units);
}

std::vector<TLine>& TGraphPlot::set(int set) {
    if (set < 1 || set > kCurveSetCount) throw std::out_of_range("curve set outside 1..4");
    return m_sets[static_cast<size_t>(set - 1)];
}

const std::vector<TLine>& TGraphPlot::set(int set) const {
    if (set < 1 || set > kCurveSetCount) throw std::out_of_range("curve set outside 1..4");
    return m_sets[static_cast<size_t>(set - 1)];
}

void TGraphPlot::SetCurveCount(int setIndex, int n) {
    std::vector<TLine>& curves = set(setIndex);
    n = std::max(n, 0);
    const int old = static_cast<int>(curves.size());
    curves.resize(static_cast<size_t>(n));
    for (int k = old; k < n; ++k)
        curves[static_cast<size_t>(k)].Value = k + 1;
}

int TGraphPlot::CurveCount(int setIndex) const {
    return static_cast<int>(set(setIndex).size());
}

void TGraphPlot::SetPointCount(int setIndex, int n) {
    for (TLine& line : set(setIndex))
        line.SetPointCount(n);
}

int TGraphPlot::PointCount(int setIndex) const {
    const std::vector<TLine>& curves = set(setIndex);
    return curves.empty() ? 0 : curves.front().PointCount();
}

TFloatPoint& TGraphPlot::Point(int setIndex, int curve, int i) {
    return Line(setIndex, curve).Points.at(static_cast<size_t>(i));
}

const TFloatPoint& TGraphPlot::Point(int setIndex, int curve, int i) const {
    return Line(setIndex, curve).Points.at(static_cast<size_t>(i));
}

TLine& TGraphPlot::Line(int setIndex, int curve) {
    return set(setIndex).at(static_cast<size_t>(curve));
}

const TLine& TGraphPlot::Line(int setIndex, int curve) const {
    return set(setIndex).at(static_cast<size_t>(curve));
}

const std::vector<TLine>& TGraphPlot::Curves(int setIndex) const {
    return set(setIndex);
}

void TGraphPlot::PadToLongest(int setIndex) {
    std::vector<TLine>& curves = set(setIndex);
    int longest = 0;
    for (const TLine& line : curves)
        longest = std::max(longest, line.PointCount());
    for (TLine& line : curves)
        line.PadWithLastPoint(longest);
}

void TGraphPlot::ClearPoints() {
    for (std::vector<TLine>& curves : m_sets)
        for (TLine& line : curves)
            line.Points.clear();
}

bool TGraphPlot::HasData() const {
    return PointCount(kCurveSetMain) > 1;
}

QString TGraphPlot::DisplayName(int index) const {
    const TLine& line = Line(kCurveSetMain, index);
    QString name = line.Name;
    if (name.isEmpty()) {
        if (index < DefaultNames.size())
            name = DefaultNames.at(index);
        else
            name = CurveName + FormatGeneral(line.Value, kValueDigits);
    }
    if (onGetCaption) onGetCaption(index, name);
    return name;
}

void TGraphPlot::ApplyCurveLimit() {
    std::vector<TLine>& curves = set(kCurveSetMain);
    for (size_t k = 0; k < curves.size(); ++k)
        curves[k].Active = !CurveLimit || k < static_cast<size_t>(kCurveLimit);
}

QStringList TGraphPlot::LegendNames() const {
    QStringList names;
    const std::vector<TLine>& curves = set(kCurveSetMain);
    for (int k = 0; k < static_cast<int>(curves.size()); ++k)
        if (curves[static_cast<size_t>(k)].Active) names << DisplayName(k);
    return names;
}

std::uint32_t TGraphPlot::CurveColour(int k) {
    const int n = kCurveColourCount;
    return kCurveColours[static_cast<size_t>(((k % n) + n) % n)];
}

bool TGraphPlot::ShowGraph() {
    const TGraphWindowFactory& factory = windowFactory();
    if (!factory) return false;
    factory(*this);
    return true;
}

void SetGraphWindowFactory(TGraphWindowFactory factory) {
    windowFactory() = std::move(factory);
}

} // namespace tervane
