#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

namespace sorvanta::test {

// The file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace sorvanta::test
