#include "ProgramMain.h"

#include "CommandLine.h"
#include "MainForm.h"
#include "Messages.h"
#include "ProgramWiring.h"
#include "QtMessages.h"
#include "TervaneApplication.h"

#include <QDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace tervane {

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList out;
    for (int i = 1; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

// The jobs the command line asks for, in their order; the first exit status ends the program.
std::optional<int> runJobs(TMainForm& form, const TCommandLine& line) {
    for (const TCommandLineOption& o : CommandLineOptions()) {
        if (!line.Has(o.name) || !o.run) continue;
        if (std::optional<int> status = o.run(form, line)) return status;
    }
    return std::nullopt;
}

// The main window with the project named on the command line; the command-line jobs, then the
// window and the event loop unless a job ended the program.
int runWindow(QApplication& app, const TCommandLine& line, TMessages& stderrMessages,
              TQtMessages& messages) {
    SetMessages(line.values.empty() ? static_cast<TMessages*>(&messages) : &stderrMessages);
    TMainForm form;
    TProgramWiring wiring(form);
    messages.setParent(&form);
    form.Startup(line.project);
    if (std::optional<int> done = runJobs(form, line)) return *done;
    SetMessages(&messages);
    form.show();
    if (qEnvironmentVariableIsSet(kStartupProbeVariable)) {
        QTimer::singleShot(0, &form, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}

} // namespace

int RunProgram(int argc, char** argv) {
    // Qt's own options (-platform, -style) are taken out by the application object; the line is
    // parsed again from what it leaves.
    RegisterCommandLineJobs();
    const QString startFolder = QDir::currentPath();
    const QStringList raw = argumentsOf(argc, argv);
    const TCommandLine early = ParseCommandLine(raw);
    if (early.help) {
        std::fputs(CommandLineHelp().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // A line without Qt's options is judged before any window system is needed.
    const bool qtOptions = std::any_of(raw.begin(), raw.end(), [](const QString& a) {
        return a.startsWith(u'-') && !a.startsWith(QLatin1String("--")) && a != QLatin1String("-h");
    });
    if (!early.error.isEmpty() && !qtOptions) {
        std::fprintf(stderr, "%s\n", early.error.toLocal8Bit().constData());
        return 2;
    }
    if (IsHeadless(early)) qputenv("QT_QPA_PLATFORM", "offscreen");

    TTervaneApplication app(argc, argv);
    InstallWindowServices();
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty()) arguments.removeFirst();
    TCommandLine line = ParseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", line.error.toLocal8Bit().constData());
        return 2;
    }
    MakePathsAbsolute(line, startFolder);

    TStderrMessages stderrMessages;
    TQtMessages messages;
    int status = 1;
    try {
        status = runWindow(app, line, stderrMessages, messages);
    } catch (const std::exception& e) {
        // Outside the event loop (start-up, a command-line job) there is no box to show it in.
        std::fprintf(stderr, "%s\n", e.what());
    }
    SetMessages(nullptr);
    return status;
}

} // namespace tervane
