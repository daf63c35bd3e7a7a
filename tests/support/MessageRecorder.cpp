#include "MessageRecorder.h"

MessageRecorder::MessageRecorder()
    : m_previous(MessageBox::currentHandler())
{
    MessageBox::setHandler([this](const MessageBox::Request &r) {
        m_requests.append(r);
        if (!m_replies.isEmpty())
            return m_replies.takeFirst();
        if (r.defaultButton != QMessageBox::NoButton)
            return r.defaultButton;
        return QMessageBox::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setHandler(m_previous);
}

QStringList MessageRecorder::texts() const
{
    QStringList t;
    for (const auto &r : m_requests)
        t << r.text;
    return t;
}
