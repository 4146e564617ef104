#include "TervaneApplication.h"

#include "EntryErrors.h"
#include "Messages.h"

#include <exception>

namespace tervane {

TTervaneApplication::TTervaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kApplicationTitle);
    setOrganizationName(QStringLiteral("Orviant"));
}

bool TTervaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowUnhandledException(std::current_exception());
    }
    return false;
}

void ShowUnhandledException(const std::exception_ptr& error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const EFrontendError& e) {
        text = e.message();
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("An unexpected error occurred.");
    }
    try {
        Messages().information(text);
    } catch (...) {
        // The messages layer itself failed; nothing further can be shown.
    }
}

} // namespace tervane
