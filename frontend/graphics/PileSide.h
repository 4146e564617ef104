#pragma once
// The wall profile view ("Side View"): a child window of the main window that sketches the current
// project to scale in depth, with the mouse depth in its title and a "Print" button that prints
// the sketch on a landscape page of the default printer. At most one exists at a time; the
// sketch itself is made by TSideViewScene and only replayed here.

#include "SideViewScene.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QPrinter;

namespace Ui {
class TDlgSideView;
}

namespace tervane {

class TDlgSideView : public QWidget {
    Q_OBJECT
public:
    static inline const QString kPrintJobTitle = QStringLiteral("Soil-Pile Profile");

    // Opens the view: creates it (as a child window of the main window's area) when none exists,
    // shows it and activates it, which rebuilds the sketch from the current project.
    static TDlgSideView* ShowInstance();
    // The open view, or nullptr.
    static TDlgSideView* Instance();

    ~TDlgSideView() override;

    QSize sizeHint() const override { return {580, 431}; }
    const TSideViewScene& Scene() const { return m_scene; }
    // What the window draws now, from the current project (nothing without one).
    std::vector<TPrimitive> WindowPrimitives() const;

    // Activation: the wall outline and the view area from the current project, fitted and drawn.
    void FormActivate();
    // "Print": the page sketch on the default printer, without a dialog.
    void PrintClick();
    // Sets `printer` to landscape, starts the job "Soil-Pile Profile", draws the page sketch in
    // the label's font and ends the job. False when the printer did not start the job.
    bool PrintTo(QPrinter& printer) const;

    // The system's default printer when there is one; otherwise a PDF file named after the print
    // job in the folder of `projectFile`.
    static std::unique_ptr<QPrinter> DefaultPrinter(const QString& projectFile);
    // Tests replace the default printer; an empty function restores it.
    using TPrinterFactory = std::function<std::unique_ptr<QPrinter>(const QString& projectFile)>;
    static void SetPrinterFactory(TPrinterFactory factory);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    explicit TDlgSideView(QWidget* parent = nullptr);

    std::unique_ptr<Ui::TDlgSideView> m_ui;
    TSideViewScene m_scene;
};

} // namespace tervane
