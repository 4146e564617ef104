#pragma once
// The typed-value stream in which grid-table definitions are stored: integers, booleans, strings,
// extended values, lists of strings and lists of integers, kept as text.
//
// Text form of the values:
//   integer       12   -1
//   extended      0.0  1.5E-6   (always with a point or an exponent)
//   boolean       True False
//   string        'Soil Layers'  (a quote inside is doubled: 'it''s')
//   string list   ('Sand' 'Silt')
//   integer list  <18 18 17>
// Values are separated by white space; a "#" outside a string starts a comment to the line end.

#include <QString>
#include <QStringList>
#include <QVector>

namespace tervane {

enum class TValueType {
    None,
    Integer,
    Extended,
    Boolean,
    String,
    StringList,
    IntegerList,
    Word,
    Symbol
};

class TValueReader {
public:
    explicit TValueReader(const QString& text);

    // The type of the next value (Word for a bare identifier, Symbol for any other character,
    // None at the end of the text).
    TValueType nextType();
    bool atEnd() { return nextType() == TValueType::None; }

    // Each read fails with EReadError when the next value is of another type.
    int readInteger();
    long double readExtended(); // an integer is accepted where an extended value is expected
    bool readBoolean();
    QString readString();
    QStringList readStringList();
    QVector<int> readIntegerList();
    QString readWord(); // a bare identifier such as object, end or a property name
    void expectSymbol(QChar symbol);

    // 1-based line of the next value, for messages.
    int line();

private:
    void skipBlanks();
    QString numberToken();
    [[noreturn]] void fail(const QString& expected);

    QString m_text;
    qsizetype m_pos = 0;
};

class TValueWriter {
public:
    void writeInteger(int value);
    void writeExtended(long double value);
    void writeBoolean(bool value);
    void writeString(const QString& value);
    void writeStringList(const QStringList& value);
    void writeIntegerList(const QVector<int>& value);
    void writeRaw(const QString& text); // words, symbols and layout
    void newLine(int indent);

    const QString& text() const { return m_text; }

private:
    void separate();

    QString m_text;
};

} // namespace tervane
