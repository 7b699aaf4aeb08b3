#pragma once

#include "UserDialogs.h"

namespace sorvanta {

// The program's message boxes as real modal Qt message boxes.
class QtUserDialogs : public UserDialogs {
public:
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
};

}  // namespace sorvanta
