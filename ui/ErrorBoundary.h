#pragma once

#include "AppError.h"

#include <QObject>
#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace sorvanta {

class UserDialogs;

// Where Qt calls our handlers: a failing step is shown to the user as an error
// box and the event loop goes on. No exception crosses a Qt frame.
class ErrorBoundary {
public:
    ErrorBoundary(UserDialogs& dialogs, QWidget& owner) : dialogs_(dialogs), owner_(owner) {}

    // Runs the step; returns false when it failed and the failure was shown.
    template <typename Step>
    bool run(Step&& step) noexcept
    {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const AppError& error) {
            report(error.message());
        } catch (const std::exception& error) {
            report(QString::fromLocal8Bit(error.what()));
        }
        return false;
    }

    // Connects `signal` to `handler` of `receiver`, which then runs inside this boundary.
    template <typename Sender, typename Signal, typename Receiver>
    void connect(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)())
    {
        QObject::connect(sender, signal, receiver, [this, receiver, handler] { run([&] { (receiver->*handler)(); }); });
    }

    void report(const QString& message) noexcept;

private:
    UserDialogs& dialogs_;
    QWidget& owner_;
};

}  // namespace sorvanta
