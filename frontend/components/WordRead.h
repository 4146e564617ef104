#pragma once
// The word reader: loads a whole text file, splits each line into words at blanks and tabs, and
// hands out words one at a time as integers or numbers, or whole lines, with messages that name
// the line and the item at which the file went wrong.

#include "EntryErrors.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tervane {

// An input/output error of a file reader: a file that cannot be opened or read, a word that is
// not the number expected, or the end of the file before the data expected.
class EInOutError : public EFrontendError {
public:
    using EFrontendError::EFrontendError;
};

inline const QString kFileIncomplete = QStringLiteral("This file either invalid or incomplete.");
inline const QString kNumberExpected =
    QStringLiteral("A floating point number was expected but not found.");
inline const QString kIntegerExpected = QStringLiteral("An integer was expected but not found.");

// One line of the file: its text exactly as read and its words in order.
class TWordContainer {
public:
    explicit TWordContainer(QString text);
    const QString& text() const { return m_text; }
    const QStringList& words() const { return m_words; }

private:
    QString m_text;
    QStringList m_words;
};

class TWordReader {
public:
    // Reads the whole file (UTF-8; a file that is not valid UTF-8 is read as Latin-1). Line ends
    // are CR LF, LF or CR. Throws EInOutError when the file cannot be opened or read.
    explicit TWordReader(const QString& fileName);
    // A reader over text already in memory (same splitting as a file).
    static TWordReader FromText(const QString& text);

    // True when every line has been passed.
    bool AtEnd() const;
    // The whole current line as read (words already handed out included); the position moves to
    // the start of the next line. At the end throws EInOutError(kFileIncomplete).
    QString ReadLine();
    // The next word; lines without words left (empty lines included) are passed over. At the end
    // throws EInOutError(kFileIncomplete).
    QString ReadWord();
    // The next word as a 32-bit integer: a number ("." always) with no fraction within the
    // 32-bit range ("1E3" gives 1000). Otherwise throws EInOutError with
    // "Error on Line n Item m", character 13, kIntegerExpected.
    std::int32_t ReadInteger();
    // The next word as a number ("." always). Otherwise throws EInOutError with
    // "Error on Line n Item m", character 13, kNumberExpected.
    long double ReadNumber();

    // Position: 0-based current line and index of the next word on it.
    int lineIndex() const { return m_line; }
    int itemIndex() const { return m_item; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    const TWordContainer& line(int index) const { return m_lines.at(index); }

private:
    TWordReader() = default;
    void load(const QString& text);
    QString itemMessage(const QString& reason) const;

    std::vector<TWordContainer> m_lines;
    int m_line = 0;
    int m_item = 0;
};

} // namespace tervane
