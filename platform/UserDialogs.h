#pragma once

#include <QString>

class QWidget;

namespace sorvanta {

// The program's modal message boxes, behind a seam so tests answer them.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // "Information" box with one OK button.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // The error report: a critical box with the error's text.
    virtual void error(QWidget* parent, const QString& text) = 0;
};

}  // namespace sorvanta
