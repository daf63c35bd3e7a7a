#include "drills/vocabulary/Ordbank.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

Ordbank::Ordbank(QWidget *parent)
    : QListWidget(parent)
{
    setAcceptDrops(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void Ordbank::mousePressEvent(QMouseEvent *e)
{
    QListWidget::mousePressEvent(e);
    if (e->button() != Qt::LeftButton)
        return;
    QListWidgetItem *item = itemAt(e->position().toPoint());
    if (!item)
        return;
    setCurrentItem(item);
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData({indexFromItem(item)}));
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

// A word dropped back on the bank stays where it was.
void Ordbank::dragEnterEvent(QDragEnterEvent *e)
{
    e->acceptProposedAction();
}

void Ordbank::dragMoveEvent(QDragMoveEvent *e)
{
    e->acceptProposedAction();
}

void Ordbank::dropEvent(QDropEvent *e)
{
    e->setDropAction(Qt::IgnoreAction);
    e->accept();
}
