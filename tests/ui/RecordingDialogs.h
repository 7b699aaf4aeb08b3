#pragma once

#include "UserDialogs.h"

#include <QStringList>

// Answers every message box at once and keeps its text.
class RecordingDialogs : public sorvanta::UserDialogs {
public:
    QStringList informations;
    QStringList errors;

    void information(QWidget*, const QString& text) override { informations << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
};
