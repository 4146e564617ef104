#pragma once
// Lets GoogleTest print QString values in failure messages (character 13 shown as \r).

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    QString shown = text;
    shown.replace(QChar(13), QStringLiteral("\\r"));
    *os << '"' << shown.toStdString() << '"';
}
