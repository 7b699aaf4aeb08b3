#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace sorvanta {

// Splits file contents into lines ending at CR, LF or CR LF. The end after the
// last line adds no empty line; a last line without an end still counts.
QList<QByteArrayView> splitLines(QByteArrayView text);

}  // namespace sorvanta
