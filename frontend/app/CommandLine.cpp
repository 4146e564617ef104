#include "CommandLine.h"

#include <QDir>

namespace tervane {

namespace {

const TCommandLineOption* findOption(const QString& name) {
    for (const TCommandLineOption& o : CommandLineOptions())
        if (o.name == name) return &o;
    return nullptr;
}

} // namespace

QString TCommandLine::Value(const QString& option) const {
    const auto it = values.find(option);
    return it == values.end() ? QString() : it->second;
}

std::vector<TCommandLineOption>& CommandLineOptions() {
    static std::vector<TCommandLineOption> options = {
        {QStringLiteral("--run"),
         QString(),
         QStringLiteral("analyse the project first, as Run Analysis does, with messages written "
                        "to standard error; the window then shows the results when there is a display, "
                        "else the program ends with the run's status"),
         QStringLiteral("the analysis run"),
         false,
         QString(),
         {}},
        {QStringLiteral("--export-xlsx"),
         QStringLiteral("FILE"),
         QStringLiteral("write the spreadsheet workbook of the project's results to FILE and "
                        "exit without a window"),
         QStringLiteral("the spreadsheet export"),
         true,
         QString(),
         {}},
        {QStringLiteral("--save-graphs"),
         QStringLiteral("DIR"),
         QStringLiteral("write every graph that holds data as a PNG picture (6 x 4 in) into DIR "
                        "and exit without a window"),
         QStringLiteral("the graph windows"),
         true,
         QString(),
         {}},
        {QStringLiteral("--ppi"),
         QStringLiteral("N"),
         QStringLiteral("pixels per inch of the --save-graphs pictures (default 150)"),
         QStringLiteral("the graph windows"),
         false,
         QStringLiteral("--save-graphs"),
         {}},
    };
    return options;
}

bool SetCommandLineJob(const QString& name, TCommandLineRun run) {
    for (TCommandLineOption& o : CommandLineOptions()) {
        if (o.name != name) continue;
        o.run = std::move(run);
        return true;
    }
    return false;
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
    TCommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            line.help = true;
            continue;
        }
        if (a.startsWith(u'-') && a.size() > 1) {
            const TCommandLineOption* o = findOption(a);
            if (!o) {
                line.error = QStringLiteral("Unknown option %1 (--help lists the options)").arg(a);
                return line;
            }
            QString value;
            if (!o->valueName.isEmpty()) {
                if (i + 1 >= arguments.size()) {
                    line.error = QStringLiteral("%1 needs a value: %1 %2").arg(a, o->valueName);
                    return line;
                }
                value = arguments[++i];
            }
            line.values[a] = value;
            continue;
        }
        if (!line.project.isEmpty()) {
            line.error = QStringLiteral("Only one project can be named: %1").arg(a);
            return line;
        }
        line.project = a;
    }
    for (const TCommandLineOption& o : CommandLineOptions()) {
        if (!line.Has(o.name)) continue;
        if (!o.partOf.isEmpty() && !line.Has(o.partOf)) {
            line.error = QStringLiteral("%1 goes with %2").arg(o.name, o.partOf);
            return line;
        }
        if (o.partOf.isEmpty() && !o.run) {
            line.error = QStringLiteral("%1 is not available in this build").arg(o.name);
            return line;
        }
    }
    return line;
}

void MakePathsAbsolute(TCommandLine& line, const QString& folder) {
    const QDir base(folder);
    const auto absolute = [&base](QString& path) {
        if (!path.isEmpty()) path = QDir::cleanPath(base.absoluteFilePath(path));
    };
    absolute(line.project);
    for (auto& [name, value] : line.values) {
        const TCommandLineOption* o = findOption(name);
        if (o && (o->valueName == u"FILE" || o->valueName == u"DIR")) absolute(value);
    }
}

bool IsHeadless(const TCommandLine& line) {
    for (const TCommandLineOption& o : CommandLineOptions())
        if (o.headless && line.Has(o.name)) return true;
    return false;
}

QString CommandLineHelp() {
    QString text = QStringLiteral(
        "Usage: Tervane2015 [PROJECT] [options]\n"
        "\n"
        "The desktop program for the analysis of flexible retaining walls. PROJECT is opened\n"
        "when it exists (\".tv5d\" is added to a name without \".\"); otherwise a new project.\n"
        "\n"
        "Options:\n");
    for (const TCommandLineOption& o : CommandLineOptions()) {
        QString head = o.name;
        if (!o.valueName.isEmpty()) head += u' ' + o.valueName;
        text += QStringLiteral("  %1\n      %2\n      (provided by %3%4)\n")
                    .arg(head, o.help, o.provider,
                         o.run || !o.partOf.isEmpty() ? QString()
                                                      : QStringLiteral("; not in this build"));
    }
    text += QStringLiteral("  --help\n      this text\n");
    return text;
}

} // namespace tervane
