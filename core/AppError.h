#pragma once

#include <QString>

#include <stdexcept>

namespace sorvanta {

// A failure the user should read about. The text is complete and ready to show:
// for a file it names the full path and the system's reason.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};

}  // namespace sorvanta
