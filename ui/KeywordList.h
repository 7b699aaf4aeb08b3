#pragma once

#include <QListWidget>
#include <QStringList>

namespace sorvanta {

// The statistics list. It tells when the user picks an entry with the mouse or
// the keyboard; filling it from code never does.
class KeywordList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 13;

    explicit KeywordList(QWidget* parent = nullptr);

    // Replaces the entries, in the given order, with none selected.
    void showEntries(const QStringList& entries);

signals:
    void entryChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sorvanta
