// The graph window's option commands: the title, legend and active-curves dialogs and how their
// results are applied to the model, the legend and the curve items of the menu.
#include "PlotForm.h"

#include "Caption.h"
#include "ChangeActiveLines.h"
#include "ChangeLineNames.h"

namespace tervane {

void TPlotForm::PlotCaptionClick() {
    TfrmGraphCaption dialog(this);
    dialog.SetValues(m_plot.GraphTitle, m_plot.TitleAtTop);
    dialog.exec();
    // However the dialog was closed, what it holds becomes the title.
    m_plot.GraphTitle = dialog.TitleText();
    m_plot.TitleAtTop = dialog.AtTop();
    Relayout(false);
}

void TPlotForm::mLineNameClick() {
    QStringList names;
    for (int i = 0; i < m_plot.CurveCount(kCurveSetMain); ++i)
        names << m_plot.DisplayName(i);
    TfrmLineNames dialog(names, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // Every curve now carries its name explicitly, changed or not.
    for (int i = 0; i < m_plot.CurveCount(kCurveSetMain) && i < names.size(); ++i)
        m_plot.Line(kCurveSetMain, i).Name = names.at(i);
    RebuildCurveEntries();
    Canvas()->update();
}

void TPlotForm::ActiveGraphsClick() {
    QStringList names;
    QStringList states;
    for (int i = 0; i < m_plot.CurveCount(kCurveSetMain); ++i) {
        names << m_plot.DisplayName(i);
        states << StateText(m_plot.Line(kCurveSetMain, i).Active);
    }
    TfrmActiveLines dialog(names, states, this);
    if (dialog.exec() != QDialog::Accepted) return;
    for (int i = 0; i < m_plot.CurveCount(kCurveSetMain) && i < states.size(); ++i)
        m_plot.Line(kCurveSetMain, i).Active = states.at(i) == kStateActive;
    // The k-th active curve owns the k-th legend entry and curve item; surplus ones go.
    RebuildCurveEntries();
    Canvas()->update();
}

} // namespace tervane
