#include "drills/vocabulary/Ordruta.h"

#include <QDataStream>
#include <QMap>
#include <QVariant>
#include <QDragEnterEvent>
#include <QMimeData>

namespace {

const QString ItemFormat = QStringLiteral("application/x-qabstractitemmodeldatalist");

} // namespace

Ordruta::Ordruta(int nummer, QWidget *parent)
    : QLabel(parent)
    , m_nummer(nummer)
{
    setAcceptDrops(true);
}

QString Ordruta::draget(const QMimeData *data)
{
    if (!data)
        return {};
    if (data->hasFormat(ItemFormat)) {
        QByteArray bytes = data->data(ItemFormat);
        QDataStream in(&bytes, QIODevice::ReadOnly);
        int rad = 0;
        int kolumn = 0;
        QMap<int, QVariant> roller;
        in >> rad >> kolumn >> roller;
        if (in.status() == QDataStream::Ok)
            return roller.value(Qt::DisplayRole).toString();
        return {};
    }
    return data->hasText() ? data->text() : QString();
}

void Ordruta::dragEnterEvent(QDragEnterEvent *e)
{
    if (m_tarEmot && !draget(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Ordruta::dragMoveEvent(QDragMoveEvent *e)
{
    if (m_tarEmot && !draget(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Ordruta::dropEvent(QDropEvent *e)
{
    const QString ord = draget(e->mimeData());
    if (!m_tarEmot || ord.isEmpty()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    emit slappt(m_nummer, ord);
}
