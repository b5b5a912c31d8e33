#include "toolkit/ListBox.h"

#include "toolkit/Cp932.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace toolkit {

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TListBox::AddEntry(const std::string& bytes)
{
    auto* item = new QListWidgetItem(FromCp932Shown(bytes));
    item->setData(Qt::UserRole, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    item->setSizeHint(QSize(0, ItemHeight));
    addItem(item);
}

bool TListBox::SelectedEntry(std::string& bytes) const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return false;
    const QByteArray raw = selected.first().data(Qt::UserRole).toByteArray();
    bytes.assign(raw.constData(), static_cast<std::size_t>(raw.size()));
    return true;
}

std::string TListBox::EntryAt(int row) const
{
    const QByteArray raw = item(row)->data(Qt::UserRole).toByteArray();
    return std::string(raw.constData(), static_cast<std::size_t>(raw.size()));
}

// Qt clears a single selection when the empty area is clicked; the list keeps it.
void TListBox::mousePressEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        QListWidget::mousePressEvent(event);
    else
        event->accept();
}

void TListBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        QListWidget::mouseReleaseEvent(event);
    else
        event->accept();
}

void TListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (indexAt(event->position().toPoint()).isValid())
        QListWidget::mouseDoubleClickEvent(event);
    else
        event->accept();
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void TListBox::keyPressEvent(QKeyEvent* event)
{
    // Taken here rather than as the view's "activated", which means the current row: a
    // current row that is not selected is not a selection.
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit returnPressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace toolkit
