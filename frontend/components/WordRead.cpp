// The word reader: a whole text file split into lines and words, handed out one at a time.

#include "WordRead.h"

#include "NumberText.h"

#include <QFile>
#include <QStringDecoder>

#include <cmath>

namespace tervane {

namespace {

// Characters of code 32 or below count as blanks at the ends of a line and between words.
bool isBlank(QChar c) {
    return c.unicode() <= 32;
}

} // namespace

TWordContainer::TWordContainer(QString text) : m_text(std::move(text)) {
    // Trim characters of code 32 or below from both ends, then cut a word at the first blank or
    // tab and drop every character of code 32 or below after it.
    qsizetype begin = 0;
    qsizetype end = m_text.size();
    while (begin < end && isBlank(m_text[begin]))
        ++begin;
    while (end > begin && isBlank(m_text[end - 1]))
        --end;
    qsizetype i = begin;
    while (i < end) {
        qsizetype stop = i;
        while (stop < end && m_text[stop] != u' ' && m_text[stop] != u'\t')
            ++stop;
        m_words.append(m_text.mid(i, stop - i));
        i = stop;
        while (i < end && isBlank(m_text[i]))
            ++i;
    }
}

TWordReader::TWordReader(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EInOutError(
            QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw EInOutError(
            QStringLiteral("Cannot read file \"%1\": %2").arg(fileName, file.errorString()));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    load(text);
}

TWordReader TWordReader::FromText(const QString& text) {
    TWordReader reader;
    reader.load(text);
    return reader;
}

void TWordReader::load(const QString& text) {
    // Lines end at CR LF, LF or CR; a line break at the very end adds no empty line, and an
    // empty text is one empty line.
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype stop = start;
        while (stop < n && text[stop] != u'\n' && text[stop] != u'\r')
            ++stop;
        m_lines.emplace_back(text.mid(start, stop - start));
        if (stop < n && text[stop] == u'\r' && stop + 1 < n && text[stop + 1] == u'\n') ++stop;
        start = stop + 1;
    }
    if (m_lines.empty()) m_lines.emplace_back(QString());
}

bool TWordReader::AtEnd() const {
    return m_line >= lineCount();
}

QString TWordReader::ReadLine() {
    if (AtEnd()) throw EInOutError(kFileIncomplete);
    QString text = m_lines[static_cast<std::size_t>(m_line)].text();
    ++m_line;
    m_item = 0;
    return text;
}

QString TWordReader::ReadWord() {
    // Lines with no words left, empty lines included, are passed over.
    while (!AtEnd() && m_item >= m_lines[static_cast<std::size_t>(m_line)].words().size()) {
        ++m_line;
        m_item = 0;
    }
    if (AtEnd()) throw EInOutError(kFileIncomplete);
    return m_lines[static_cast<std::size_t>(m_line)].words().at(m_item++);
}

QString TWordReader::itemMessage(const QString& reason) const {
    // The word just read is item m_item (1-based) of line m_line + 1.
    return QStringLiteral("Error on Line ") + QString::number(m_line + 1) +
           QStringLiteral(" Item ") + QString::number(m_item) + QChar(13) + reason;
}

long double TWordReader::ReadNumber() {
    const QString word = ReadWord();
    const ParsedNumber number = ParseNumber(word, NumberSyntax::FileWord);
    if (number.status != ParseStatus::Ok) throw EInOutError(itemMessage(kNumberExpected));
    return number.value;
}

std::int32_t TWordReader::ReadInteger() {
    const QString word = ReadWord();
    const ParsedNumber number = ParseNumber(word, NumberSyntax::FileWord);
    const long double v = number.value;
    if (number.status != ParseStatus::Ok || std::trunc(v) != v || v < -2147483648.0L ||
        v > 2147483647.0L) {
        throw EInOutError(itemMessage(kIntegerExpected));
    }
    return static_cast<std::int32_t>(v);
}

} // namespace tervane
