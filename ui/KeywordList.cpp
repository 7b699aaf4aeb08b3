#include "KeywordList.h"

#include <QKeyEvent>

namespace sorvanta {

KeywordList::KeywordList(QWidget* parent) : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::clicked, this, &KeywordList::entryChosen);
}

void KeywordList::showEntries(const QStringList& entries)
{
    clear();
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(entry, this);
        item->setSizeHint(QSize(0, RowHeight));
    }
}

void KeywordList::keyPressEvent(QKeyEvent* event)
{
    // Focus marks the first entry without choosing it; the first arrow chooses it.
    const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
    if (arrow && selectedItems().isEmpty() && currentRow() >= 0) {
        setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
        emit entryChosen();
        return;
    }
    const int before = currentRow();
    const bool hadSelection = !selectedItems().isEmpty();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && !selectedItems().isEmpty() && (currentRow() != before || !hadSelection))
        emit entryChosen();
}

}  // namespace sorvanta
