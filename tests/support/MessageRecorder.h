#pragma once
// Records every message the program shows and answers it, so that no box
// waits for a person. While one is alive it replaces the real boxes.

#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>

class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    // Answers for the next questions, in order; after them the box's
    // default button is taken.
    void answer(QMessageBox::StandardButton reply) { m_replies.append(reply); }

    QStringList texts() const;
    const QList<MessageBox::Request> &requests() const { return m_requests; }
    int count() const { return int(m_requests.size()); }
    QString last() const { return m_requests.isEmpty() ? QString() : m_requests.last().text; }
    void clear() { m_requests.clear(); }

private:
    QList<MessageBox::Request> m_requests;
    QList<QMessageBox::StandardButton> m_replies;
    MessageBox::Handler m_previous;
};
