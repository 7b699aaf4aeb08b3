#pragma once

#include <QString>

namespace sorvanta::test {

// Makes every open of `path` for reading fail with EIO ("Input/output error")
// while it lives. A search writes the log and reads it at once, so no state of
// the file system alone can let the write pass and the read fail; this can.
class ReadOpenFault {
public:
    explicit ReadOpenFault(const QString& path);
    ~ReadOpenFault();
    ReadOpenFault(const ReadOpenFault&) = delete;
    ReadOpenFault& operator=(const ReadOpenFault&) = delete;
};

}  // namespace sorvanta::test
