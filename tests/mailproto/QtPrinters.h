#pragma once
// Lets GoogleTest print Qt values as text in failure messages instead of raw bytes.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[' << list.join(u'|').toStdString() << ']';
}

inline void PrintTo(const QList<QByteArray> &list, std::ostream *out)
{
    *out << '[' << QByteArray(list.join('|')).toStdString() << ']';
}
