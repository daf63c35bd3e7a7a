#pragma once
// One word place of the story puzzle: a label that shows the place's mask or
// word and takes a word dragged from the word bank while it is unsolved.

#include <QLabel>

class Ordruta : public QLabel
{
    Q_OBJECT
public:
    Ordruta(int nummer, QWidget *parent = nullptr);

    int nummer() const { return m_nummer; }
    // Whether a dragged word may be put here.
    void setTarEmot(bool ja) { m_tarEmot = ja; }
    bool tarEmot() const { return m_tarEmot; }

    // The word a drag carries: the text of the first item of an item view's
    // drag data, or plain text; empty when it carries none.
    static QString draget(const class QMimeData *data);

signals:
    void slappt(int nummer, const QString &ord);

protected:
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    int m_nummer;
    bool m_tarEmot = true;
};
