#pragma once
// The desktop program's command line: an optional project path and the options of the
// command-line jobs (analysing the project first, writing the spreadsheet workbook, saving the
// graphs as pictures). Each job is declared here with its help text; the window that carries it
// out supplies the run function (SetCommandLineJob), and an option without one is refused.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tervane {

class TMainForm;

struct TCommandLine {
    QString project;                   // as given (see CommandLineProjectPath)
    std::map<QString, QString> values; // option -> value ("" for options without one)
    bool help = false;
    QString error; // non-empty: the line cannot be used

    bool Has(const QString& option) const { return values.count(option) != 0; }
    QString Value(const QString& option) const;
};

// Runs a job after the main window is made and the project opened, before the window shows.
// An exit status ends the program without showing the window; nothing goes on to the window.
using TCommandLineRun = std::function<std::optional<int>(TMainForm& form, const TCommandLine&)>;

struct TCommandLineOption {
    QString name;      // "--run"
    QString valueName; // "FILE", "DIR", "N"; empty for a switch
    QString help;
    QString provider;      // the part of the program that carries it out
    bool headless = false; // no window: the program runs on the offscreen platform
    QString partOf;        // a modifier of another option ("--ppi" of "--save-graphs")
    TCommandLineRun run;   // empty: not available in this build
};

// The options in the order their jobs run.
std::vector<TCommandLineOption>& CommandLineOptions();
// Gives option `name` its run function; false when there is no such option.
bool SetCommandLineJob(const QString& name, TCommandLineRun run);

// Parses the arguments after the program name.
TCommandLine ParseCommandLine(const QStringList& arguments);
// Makes the project and the value of every option that names a file or folder (value name FILE
// or DIR) absolute against `folder`, the folder current when the program started: opening the
// project makes its folder current and a run the program's folder, so a relative name would
// no longer find what the user meant.
void MakePathsAbsolute(TCommandLine& line, const QString& folder);
// Whether the line asks for a job that shows no window.
bool IsHeadless(const TCommandLine& line);
// The text of --help.
QString CommandLineHelp();

} // namespace tervane
