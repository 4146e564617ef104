#pragma once
// The messages layer on Qt's message boxes and common dialogs.

#include "Messages.h"

#include <QPointer>
#include <QWidget>

namespace tervane {

class TQtMessages : public TMessages {
public:
    // Boxes and dialogs are shown over `parent` (the main window), or over the active window.
    explicit TQtMessages(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void information(const QString& text) override;
    TMsgAnswer yesNo(const QString& text) override;
    TMsgAnswer yesNoCancel(const QString& text) override;
    std::optional<TFileChoice> openFile(const TFileDialogRequest& request) override;
    std::optional<TFileChoice> saveFile(const TFileDialogRequest& request) override;
    bool printDialog(QPrinter& printer) override;
    bool pageSetupDialog(QPrinter& printer) override;

private:
    QWidget* parentWidget() const;
    std::optional<TFileChoice> fileDialog(const TFileDialogRequest& request, bool save);
    QPointer<QWidget> m_parent; // cleared when the window goes
};

} // namespace tervane
