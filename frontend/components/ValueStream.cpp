#include "ValueStream.h"

#include "GridErrors.h"

#include <charconv>
#include <string>

namespace tervane {

namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'.';
}
bool isNumberStart(QChar c) {
    return c.isDigit() || c == u'-' || c == u'+';
}
bool isNumberChar(QChar c) {
    return c.isDigit() || c == u'-' || c == u'+' || c == u'.' || c == u'E' || c == u'e';
}

} // namespace

TValueReader::TValueReader(const QString& text) : m_text(text) {}

void TValueReader::skipBlanks() {
    while (m_pos < m_text.size()) {
        const QChar c = m_text[m_pos];
        if (c == u'#') {
            while (m_pos < m_text.size() && m_text[m_pos] != u'\n')
                ++m_pos;
        } else if (c.isSpace()) {
            ++m_pos;
        } else {
            break;
        }
    }
}

int TValueReader::line() {
    skipBlanks();
    return static_cast<int>(m_text.left(m_pos).count(u'\n')) + 1;
}

void TValueReader::fail(const QString& expected) {
    throw EReadError(QStringLiteral("%1 expected on line %2").arg(expected).arg(line()));
}

TValueType TValueReader::nextType() {
    skipBlanks();
    if (m_pos >= m_text.size()) return TValueType::None;
    const QChar c = m_text[m_pos];
    if (c == u'\'') return TValueType::String;
    if (c == u'(') return TValueType::StringList;
    if (c == u'<') return TValueType::IntegerList;
    if (isNumberStart(c)) {
        qsizetype end = m_pos;
        while (end < m_text.size() && isNumberChar(m_text[end]))
            ++end;
        const QString token = m_text.mid(m_pos, end - m_pos);
        const bool real = token.contains(u'.') || token.contains(u'E') || token.contains(u'e');
        return real ? TValueType::Extended : TValueType::Integer;
    }
    if (isWordStart(c)) {
        qsizetype end = m_pos;
        while (end < m_text.size() && isWordChar(m_text[end]))
            ++end;
        const QString word = m_text.mid(m_pos, end - m_pos);
        if (word == u"True" || word == u"False") return TValueType::Boolean;
        return TValueType::Word;
    }
    return TValueType::Symbol;
}

QString TValueReader::numberToken() {
    skipBlanks();
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && isNumberChar(m_text[m_pos]))
        ++m_pos;
    return m_text.mid(start, m_pos - start);
}

int TValueReader::readInteger() {
    if (nextType() != TValueType::Integer) fail(QStringLiteral("Integer"));
    const std::string token = numberToken().toStdString();
    const char* first = token.c_str() + (token[0] == '+' ? 1 : 0);
    int value = 0;
    const auto res = std::from_chars(first, token.c_str() + token.size(), value);
    if (res.ec != std::errc() || res.ptr != token.c_str() + token.size())
        fail(QStringLiteral("Integer"));
    return value;
}

long double TValueReader::readExtended() {
    const TValueType type = nextType();
    if (type != TValueType::Extended && type != TValueType::Integer) fail(QStringLiteral("Number"));
    const std::string token = numberToken().toStdString();
    const char* first = token.c_str() + (token[0] == '+' ? 1 : 0);
    long double value = 0;
    const auto res = std::from_chars(first, token.c_str() + token.size(), value);
    if (res.ec != std::errc() || res.ptr != token.c_str() + token.size())
        fail(QStringLiteral("Number"));
    return value;
}

bool TValueReader::readBoolean() {
    if (nextType() != TValueType::Boolean) fail(QStringLiteral("Boolean"));
    return readWord() == u"True";
}

QString TValueReader::readString() {
    if (nextType() != TValueType::String) fail(QStringLiteral("String"));
    QString out;
    ++m_pos;
    for (;;) {
        if (m_pos >= m_text.size()) fail(QStringLiteral("Closing quote"));
        const QChar c = m_text[m_pos++];
        if (c == u'\'') {
            if (m_pos < m_text.size() && m_text[m_pos] == u'\'') {
                out += c;
                ++m_pos;
            } else {
                return out;
            }
        } else if (c == u'\n') {
            fail(QStringLiteral("Closing quote"));
        } else {
            out += c;
        }
    }
}

QStringList TValueReader::readStringList() {
    if (nextType() != TValueType::StringList) fail(QStringLiteral("String list"));
    ++m_pos;
    QStringList out;
    while (nextType() == TValueType::String)
        out << readString();
    expectSymbol(u')');
    return out;
}

QVector<int> TValueReader::readIntegerList() {
    if (nextType() != TValueType::IntegerList) fail(QStringLiteral("Integer list"));
    ++m_pos;
    QVector<int> out;
    while (nextType() == TValueType::Integer)
        out << readInteger();
    expectSymbol(u'>');
    return out;
}

QString TValueReader::readWord() {
    const TValueType type = nextType();
    if (type != TValueType::Word && type != TValueType::Boolean) fail(QStringLiteral("Name"));
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && isWordChar(m_text[m_pos]))
        ++m_pos;
    return m_text.mid(start, m_pos - start);
}

void TValueReader::expectSymbol(QChar symbol) {
    skipBlanks();
    if (m_pos >= m_text.size() || m_text[m_pos] != symbol)
        fail(QStringLiteral("\"%1\"").arg(symbol));
    ++m_pos;
}

void TValueWriter::separate() {
    if (!m_text.isEmpty() && !m_text.back().isSpace() && m_text.back() != u'(' &&
        m_text.back() != u'<')
        m_text += u' ';
}

void TValueWriter::writeInteger(int value) {
    separate();
    m_text += QString::number(value);
}

void TValueWriter::writeExtended(long double value) {
    separate();
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    std::string text(buf, res.ptr);
    for (char& c : text)
        if (c == 'e') c = 'E';
    if (text.find_first_of(".E") == std::string::npos &&
        text.find_first_of("ni") == std::string::npos)
        text += ".0";
    m_text += QString::fromStdString(text);
}

void TValueWriter::writeBoolean(bool value) {
    separate();
    m_text += value ? QStringLiteral("True") : QStringLiteral("False");
}

void TValueWriter::writeString(const QString& value) {
    separate();
    QString quoted = value;
    quoted.replace(u'\'', QStringLiteral("''"));
    m_text += u'\'' + quoted + u'\'';
}

void TValueWriter::writeStringList(const QStringList& value) {
    separate();
    m_text += u'(';
    for (const QString& s : value)
        writeString(s);
    m_text += u')';
}

void TValueWriter::writeIntegerList(const QVector<int>& value) {
    separate();
    m_text += u'<';
    for (int v : value)
        writeInteger(v);
    m_text += u'>';
}

void TValueWriter::writeRaw(const QString& text) {
    separate();
    m_text += text;
}

void TValueWriter::newLine(int indent) {
    m_text += u'\n' + QString(indent, u' ');
}

} // namespace tervane
