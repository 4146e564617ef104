#pragma once
// The application object. Every event passes through notify(); an exception that an event handler
// lets through is shown with its message through the messages layer, and the program goes on.

#include <QApplication>

namespace tervane {

class TTervaneApplication : public QApplication {
public:
    TTervaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the message of an exception that reached the event loop (the general error message).
void ShowUnhandledException(const std::exception_ptr& error);

} // namespace tervane
