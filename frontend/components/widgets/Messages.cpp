#include "Messages.h"

#include <cstdio>

namespace tervane {

namespace {

TStderrMessages g_stderrMessages;
TMessages* g_messages = nullptr;

void writeLine(const QString& text) {
    const QByteArray bytes = DisplayText(text).toUtf8();
    std::fprintf(stderr, "%s\n", bytes.constData());
    std::fflush(stderr);
}

} // namespace

TMessages& Messages() {
    return g_messages != nullptr ? *g_messages : g_stderrMessages;
}

void SetMessages(TMessages* messages) {
    g_messages = messages;
}

void TStderrMessages::information(const QString& text) {
    writeLine(text);
}

TMsgAnswer TStderrMessages::yesNo(const QString& text) {
    writeLine(text);
    return m_answer == TMsgAnswer::Yes ? TMsgAnswer::Yes : TMsgAnswer::No;
}

TMsgAnswer TStderrMessages::yesNoCancel(const QString& text) {
    writeLine(text);
    return m_answer;
}

std::optional<TFileChoice> TStderrMessages::openFile(const TFileDialogRequest&) {
    return std::nullopt;
}

std::optional<TFileChoice> TStderrMessages::saveFile(const TFileDialogRequest&) {
    return std::nullopt;
}

bool TStderrMessages::printDialog(QPrinter&) {
    return false;
}

bool TStderrMessages::pageSetupDialog(QPrinter&) {
    return false;
}

QStringList QtNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        // Qt reads the patterns from the parentheses of the description.
        const qsizetype open = description.indexOf(u'(');
        if (open >= 0) description = description.left(open).trimmed();
        filters << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QString DisplayText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

} // namespace tervane
