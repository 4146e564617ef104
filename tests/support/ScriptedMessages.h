#pragma once
// A messages layer for tests: records every box and dialog and answers from a script. Install it
// for the life of a test with TScriptedMessagesScope.

#include "Messages.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace tervane::test {

enum class TMsgKind { Information, YesNo, YesNoCancel, OpenFile, SaveFile, Print, PageSetup };

struct TMsgRecord {
    TMsgKind kind;
    QString text;               // box text, or the dialog's title
    TFileDialogRequest request; // file dialogs
};

class TScriptedMessages : public TMessages {
public:
    // Answers of boxes, taken in order; an unscripted question is answered Cancel (No for Yes/No).
    std::deque<TMsgAnswer> answers;
    // Answers of file dialogs, in order; an empty entry cancels; none left cancels too.
    std::deque<std::optional<TFileChoice>> files;
    // Answers of print and page-setup dialogs; none left cancels.
    std::deque<bool> printAnswers;
    std::vector<TMsgRecord> records;

    void information(const QString& text) override { record(TMsgKind::Information, text); }
    TMsgAnswer yesNo(const QString& text) override {
        record(TMsgKind::YesNo, text);
        const TMsgAnswer a = take(TMsgAnswer::No);
        return a == TMsgAnswer::Yes ? TMsgAnswer::Yes : TMsgAnswer::No;
    }
    TMsgAnswer yesNoCancel(const QString& text) override {
        record(TMsgKind::YesNoCancel, text);
        return take(TMsgAnswer::Cancel);
    }
    std::optional<TFileChoice> openFile(const TFileDialogRequest& r) override {
        return file(TMsgKind::OpenFile, r);
    }
    std::optional<TFileChoice> saveFile(const TFileDialogRequest& r) override {
        return file(TMsgKind::SaveFile, r);
    }
    bool printDialog(QPrinter&) override { return printAnswer(TMsgKind::Print); }
    bool pageSetupDialog(QPrinter&) override { return printAnswer(TMsgKind::PageSetup); }

    // The texts of every box shown so far, in order.
    QStringList texts(TMsgKind kind) const {
        QStringList out;
        for (const auto& r : records)
            if (r.kind == kind) out << r.text;
        return out;
    }
    QStringList informationTexts() const { return texts(TMsgKind::Information); }
    int count(TMsgKind kind) const { return static_cast<int>(texts(kind).size()); }

private:
    void record(TMsgKind kind, const QString& text, const TFileDialogRequest& r = {}) {
        records.push_back({kind, text, r});
    }
    TMsgAnswer take(TMsgAnswer fallback) {
        if (answers.empty()) return fallback;
        const TMsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<TFileChoice> file(TMsgKind kind, const TFileDialogRequest& r) {
        record(kind, r.title, r);
        if (files.empty()) return std::nullopt;
        const bool accepted = files.front().has_value();
        const TFileChoice choice = accepted ? *files.front() : TFileChoice{};
        files.pop_front();
        if (!accepted) return std::nullopt;
        return choice;
    }
    bool printAnswer(TMsgKind kind) {
        record(kind, QString());
        if (printAnswers.empty()) return false;
        const bool a = printAnswers.front();
        printAnswers.pop_front();
        return a;
    }
};

// Installs a scripted layer for the scope's life and restores the previous one.
class TScriptedMessagesScope {
public:
    TScriptedMessagesScope() : m_previous(&Messages()) { SetMessages(&messages); }
    ~TScriptedMessagesScope() { SetMessages(m_previous); }
    TScriptedMessagesScope(const TScriptedMessagesScope&) = delete;
    TScriptedMessagesScope& operator=(const TScriptedMessagesScope&) = delete;
    TScriptedMessages messages;

private:
    TMessages* m_previous;
};

} // namespace tervane::test
