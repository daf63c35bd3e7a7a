#include "FitCheck.h"

#include "platform/ShapeWidget.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QtMath>

#include <algorithm>

namespace {

// What the windows do on purpose: where a widget (object names of the
// window and the widget, as regular expressions) may lie partly outside its
// parent, or may have its caption covered by the widget named by `other`
// (or a widget inside that one); and why.
enum class Allowance { Clipped, Covered };

struct Allowed
{
    Allowance kind;
    const char *window;
    const char *widget;
    const char *other;
    const char *why;
};

const Allowed kAllowed[] = {
    {Allowance::Covered, "Sats", "Men([6-9]|10)", "Men[1-5]",
     "a part of the sentence lies on its copy, which stays in the sentence when the part is dragged away"},
    {Allowance::Covered, "avsloj", "TitelSkugga", "Titel", "the title is drawn over its shadow"},
    {Allowance::Covered, ".*", ".*", "BildPanelen", "the reward picture lies over the exercise at the end of a round"},
    {Allowance::Covered, "diaprot", "Label[45]", "Panel2",
     "the note on an area that must wait is brought to the front, over the help note when that is open"},
};

bool matches(const char *pattern, const QWidget *w)
{
    return pattern && QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
                          .match(w->objectName())
                          .hasMatch();
}

bool allowed(Allowance kind, const QWidget *window, const QWidget *w, const QWidget *other = nullptr)
{
    auto over = [](const char *pattern, const QWidget *o) {
        for (; o; o = o->parentWidget())
            if (matches(pattern, o))
                return true;
        return false;
    };
    for (const Allowed &a : kAllowed)
        if (a.kind == kind && matches(a.window, window) && matches(a.widget, w) && (!other || over(a.other, other)))
            return true;
    return false;
}

// The caption as drawn: "&x" shows x underlined, "&&" shows "&".
QString withoutMnemonic(const QString &t)
{
    QString r;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('&') && i + 1 < t.size())
            ++i;
        r += t[i];
    }
    return r;
}

bool inside(const QRect &inner, const QRect &outer)
{
    return inner.left() >= outer.left() && inner.top() >= outer.top()
           && inner.left() + inner.width() <= outer.left() + outer.width()
           && inner.top() + inner.height() <= outer.top() + outer.height();
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A widget that belongs to a compound widget of Qt's own (the viewport of a
// list, the buttons of a spin box), which places it itself.
bool internal(const QWidget *w, const QWidget *window)
{
    if (w->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractScrollArea *>(p) || qobject_cast<const QAbstractSpinBox *>(p)
            || qobject_cast<const QComboBox *>(p) || qobject_cast<const QLineEdit *>(p))
            return true;
    if (auto *p = w->parentWidget(); p && qobject_cast<const QAbstractScrollArea *>(p->parentWidget()))
        return true;
    return false;
}

QString nameOf(const QWidget *w)
{
    QString n = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    QString text;
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (auto *l = qobject_cast<const QLabel *>(w))
        text = l->text();
    if (!text.isEmpty())
        n += QStringLiteral(" \"%1\"").arg(text.size() > 40 ? text.left(37) + QStringLiteral("...") : text);
    return n;
}

QString pathOf(const QWidget *w, const QWidget *window)
{
    QStringList parts{nameOf(w)};
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        parts.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                                : p->objectName());
    return parts.join(QLatin1Char('/'));
}

// A caption and the box it is drawn in, in the widget's coordinates.
struct Caption
{
    QString text;
    QRect box;
    int flags = 0;
};

bool plainText(const QLabel *l)
{
    if (l->textFormat() == Qt::PlainText)
        return true;
    return l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text());
}

bool captionOf(QWidget *w, Caption &c)
{
    if (auto *b = qobject_cast<QPushButton *>(w)) {
        if (b->text().isEmpty())
            return false;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        if (b->isFlat())
            opt.features |= QStyleOptionButton::Flat;
        if (b->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        c.box = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
        if (!b->icon().isNull())
            c.box.setLeft(c.box.left() + b->iconSize().width() + 4);
        c.text = withoutMnemonic(b->text());
        c.flags = Qt::AlignCenter;
        return true;
    }
    if (auto *b = qobject_cast<QCheckBox *>(w); b || qobject_cast<QRadioButton *>(w)) {
        auto *knapp = static_cast<QAbstractButton *>(w);
        if (knapp->text().isEmpty())
            return false;
        QStyleOptionButton opt;
        opt.initFrom(knapp);
        opt.text = knapp->text();
        c.box = knapp->style()->subElementRect(b ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                               &opt, knapp);
        c.text = withoutMnemonic(knapp->text());
        c.flags = Qt::AlignLeft | Qt::AlignVCenter;
        return true;
    }
    if (auto *t = qobject_cast<QToolButton *>(w)) {
        if (t->text().isEmpty() || t->toolButtonStyle() == Qt::ToolButtonIconOnly || t->arrowType() != Qt::NoArrow
            || !t->icon().isNull())
            return false;
        c.box = t->rect().adjusted(3, 3, -3, -3);
        c.text = withoutMnemonic(t->text());
        c.flags = Qt::AlignCenter;
        return true;
    }
    if (auto *l = qobject_cast<QLabel *>(w)) {
        if (l->text().isEmpty() || !plainText(l))
            return false;
        QRect box = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        int indent = l->indent();
        if (indent < 0)
            indent = l->frameWidth() > 0 ? l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
        if (a & Qt::AlignLeft)
            box.setLeft(box.left() + indent);
        if (a & Qt::AlignRight)
            box.setRight(box.right() - indent);
        if (a & Qt::AlignTop)
            box.setTop(box.top() + indent);
        if (a & Qt::AlignBottom)
            box.setBottom(box.bottom() - indent);
        c.box = box;
        c.text = l->buddy() ? withoutMnemonic(l->text()) : l->text();
        c.flags = int(a) | (l->wordWrap() ? Qt::TextWordWrap : 0);
        return true;
    }
    return false;
}

// Where the caption's text lies, in the widget's coordinates: for a single
// line the ink of its glyphs (accents, descenders, no trailing blanks), for
// several lines the box their advances and line pitch take.
QRect textRect(const QWidget *w, const Caption &c)
{
    const QFontMetrics fm(w->font());
    const QRect r = fm.boundingRect(c.box, c.flags, c.text);
    const bool oneLine = !c.text.contains(QLatin1Char('\n'))
                         && (!(c.flags & Qt::TextWordWrap) || fm.horizontalAdvance(c.text) <= c.box.width());
    if (!oneLine)
        return r;
    // The outlines of the glyphs give their ink (the font engine's "tight"
    // rectangle here is the whole line height).
    QPainterPath outline;
    outline.addText(QPointF(0, 0), w->font(), c.text);
    const QRectF ink = outline.boundingRect();
    // The line is placed as QPainter places it: its ascent and descent
    // aligned in the box, its advance as boundingRect aligned it.
    int top = c.box.top();
    if (c.flags & Qt::AlignVCenter)
        top += (c.box.height() - fm.height()) / 2;
    else if (c.flags & Qt::AlignBottom)
        top = c.box.bottom() + 1 - fm.height();
    const int baseline = top + fm.ascent();
    // The faint antialiased edges may be lost: a row or a column less.
    const int inkTop = baseline + qRound(ink.top()) + 1;
    const int inkBottom = baseline + qRound(ink.bottom()) - 1;
    const int inkLeft = r.left() + qRound(ink.left());
    const int inkRight = r.left() + qRound(ink.right());
    return QRect(inkLeft, inkTop, std::max(1, inkRight - inkLeft), std::max(1, inkBottom - inkTop));
}

// What a widget covers when it is drawn, in the window's coordinates; empty
// for a widget that draws nothing of its own (a bare container, an empty
// label).
QRect drawnRect(QWidget *o, const QWidget *window)
{
    const QRect whole(o->mapTo(window, QPoint(0, 0)), o->size());
    if (auto *l = qobject_cast<QLabel *>(o)) {
        if (l->autoFillBackground() || l->frameShape() != QFrame::NoFrame || !l->pixmap().isNull())
            return whole;
        Caption c;
        if (!l->text().trimmed().isEmpty() && captionOf(l, c))
            return textRect(l, c).intersected(l->rect()).translated(whole.topLeft());
        return {};
    }
    if (qobject_cast<QAbstractButton *>(o) || qobject_cast<QLineEdit *>(o) || qobject_cast<QAbstractScrollArea *>(o)
        || qobject_cast<QProgressBar *>(o) || qobject_cast<QAbstractSlider *>(o)
        || qobject_cast<QAbstractSpinBox *>(o) || qobject_cast<QComboBox *>(o))
        return whole;
    if (auto *f = qobject_cast<QFrame *>(o))
        return f->autoFillBackground() || f->frameShape() != QFrame::NoFrame ? whole : QRect();
    if (o->autoFillBackground())
        return whole;
    // A widget class of the program's own paints itself (shapes, the score
    // squares); a bare QWidget is only a container.
    return qstrcmp(o->metaObject()->className(), "QWidget") == 0 ? QRect() : whole;
}

// A widget that hides what lies under it.
bool opaque(const QWidget *o)
{
    return o->autoFillBackground() || qobject_cast<const QAbstractButton *>(o) || qobject_cast<const QLineEdit *>(o)
           || qobject_cast<const QAbstractScrollArea *>(o) || qobject_cast<const QProgressBar *>(o);
}

// True when o is drawn after w, over it: of the two children of their
// nearest common ancestor that hold them, o's stands higher.
bool drawnOver(const QWidget *o, const QWidget *w)
{
    QList<const QWidget *> wChain;
    for (const QWidget *p = w; p; p = p->parentWidget())
        wChain.append(p);
    const QWidget *co = o;
    for (const QWidget *p = o->parentWidget(); p; co = p, p = p->parentWidget()) {
        const qsizetype i = wChain.indexOf(p);
        if (i < 0)
            continue;
        if (i == 0)
            return false; // o lies inside w: it is part of w
        const QWidget *cw = wChain[i - 1];
        const QObjectList &kids = p->children();
        return kids.indexOf(co) > kids.indexOf(cw);
    }
    return false;
}

} // namespace

void FitCheck::fault(const QString &where, const QString &what)
{
    // A fault is told once, in the first state that shows it.
    const QString key = m_window + where + what;
    if (m_told.contains(key))
        return;
    m_told.insert(key);
    m_faults.append(m_window + QStringLiteral(", ") + m_state + QStringLiteral(": ") + where + QStringLiteral(": ")
                    + what);
}

void FitCheck::check(QWidget *window, const QString &state)
{
    QCoreApplication::processEvents();
    checkOne(window, state);
    // Windows shown over it without modality (the printing window).
    for (QWidget *tl : QApplication::topLevelWidgets()) {
        if (tl == window || !tl->isVisible())
            continue;
        for (QWidget *p = tl->parentWidget(); p; p = p->parentWidget())
            if (p == window) {
                checkOne(tl, state);
                break;
            }
    }
}

void FitCheck::checkOne(QWidget *window, const QString &state)
{
    ++m_states;
    m_window = window->objectName();
    m_state = state;
    if (!m_shots.isEmpty()) {
        QDir().mkpath(m_shots);
        QString file = QStringLiteral("%1/%2-%3-%4.png").arg(m_shots).arg(m_states, 4, 10, QLatin1Char('0'))
                           .arg(window->objectName(), state);
        file.replace(QLatin1Char(' '), QLatin1Char('_'));
        window->grab().save(file);
    }

    const QScreen *screen = window->screen();
    const QRect screenRect = screen ? screen->geometry() : QRect();
    if (screen && !inside(window->frameGeometry(), screenRect))
        fault(QStringLiteral("window"), QStringLiteral("lies off the screen (%1 on %2)")
                                            .arg(rectText(window->frameGeometry()), rectText(screenRect)));

    QList<QWidget *> shown;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !w->isVisible() || internal(w, window))
            continue;
        shown.append(w);
    }

    QList<QPair<QWidget *, QRect>> drawn;
    for (QWidget *o : shown) {
        const QRect r = drawnRect(o, window);
        if (!r.isEmpty())
            drawn.append({o, r});
    }

    // A widget that an opaque one drawn over it covers whole is not seen (a
    // panel stacked on another): it is not looked at.
    QSet<const QWidget *> unseen;
    for (QWidget *w : shown) {
        if (unseen.contains(w->parentWidget())) {
            unseen.insert(w);
            continue;
        }
        const QRect whole(w->mapTo(window, QPoint(0, 0)), w->size());
        for (const auto &[o, r] : drawn)
            if (o != w && opaque(o) && r.contains(whole) && drawnOver(o, w)) {
                unseen.insert(w);
                break;
            }
    }
    shown.removeIf([&](QWidget *w) { return unseen.contains(w); });
    drawn.removeIf([&](const QPair<QWidget *, QRect> &d) { return unseen.contains(d.first); });

    // Boxes: inside the parent, and so on the screen.
    for (QWidget *w : shown) {
        const QWidget *parent = w->parentWidget();
        if (!inside(w->geometry(), parent->rect()) && !allowed(Allowance::Clipped, window, w)) {
            fault(pathOf(w, window), QStringLiteral("lies outside its parent (%1 in %2)")
                                         .arg(rectText(w->geometry()), rectText(parent->rect())));
            continue;
        }
        const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
        if (screen && !inside(global, screenRect) && !allowed(Allowance::Clipped, window, w))
            fault(pathOf(w, window), QStringLiteral("lies off the screen (%1)").arg(rectText(global)));
    }

    // A widget laid on a drawn shape (a frame, a box) lies inside it or
    // beside it, never across its edge.
    for (QWidget *w : shown) {
        const QRect g = w->geometry();
        for (QObject *o : w->parentWidget()->children()) {
            auto *shape = qobject_cast<ShapeWidget *>(o);
            if (!shape || shape == w || !shape->isVisible() || unseen.contains(shape) || !drawnOver(w, shape)
                || allowed(Allowance::Covered, window, shape, w))
                continue;
            if (g.intersects(shape->geometry()) && !inside(g, shape->geometry()) && !inside(shape->geometry(), g))
                fault(pathOf(w, window), QStringLiteral("sticks out of %1 (%2 on %3)")
                                             .arg(nameOf(shape), rectText(g), rectText(shape->geometry())));
        }
    }

    QStringList sameWhenDisabled;
    for (QWidget *w : shown) {
        // Captions: whole inside their box, and not drawn over.
        Caption c;
        if (captionOf(w, c) && !c.text.trimmed().isEmpty()) {
            const QRect need = textRect(w, c);
            // Across, the advances must fit; a letter's ink may reach a
            // pixel beyond them (the hook of a "j").
            const QRect advance = QFontMetrics(w->font()).boundingRect(c.box, c.flags, c.text);
            if (advance.left() < c.box.left() || advance.right() > c.box.right() || need.left() < c.box.left() - 1
                || need.right() > c.box.right() + 1)
                fault(pathOf(w, window), QStringLiteral("caption needs %1 px across (%2), has %3 (%4)")
                                             .arg(std::max(need.width(), advance.width()))
                                             .arg(rectText(need | advance))
                                             .arg(c.box.width())
                                             .arg(rectText(c.box)));
            else if (need.top() < c.box.top() || need.bottom() > c.box.bottom())
                fault(pathOf(w, window), QStringLiteral("caption needs %1 px down (%2), has %3 (%4)")
                                             .arg(need.height())
                                             .arg(rectText(need))
                                             .arg(c.box.height())
                                             .arg(rectText(c.box)));
            const QRect seen = need.intersected(w->rect()).translated(w->mapTo(window, QPoint(0, 0)));
            for (const auto &[o, r] : drawn) {
                if (o == w || !r.intersects(seen) || !drawnOver(o, w) || allowed(Allowance::Covered, window, w, o))
                    continue;
                fault(pathOf(w, window), QStringLiteral("caption (%1) covered by %2 (%3)")
                                             .arg(rectText(seen), pathOf(o, window), rectText(r)));
            }
        }

        // A disabled button greys its caption.
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            const QPalette::ColorRole role =
                qobject_cast<QPushButton *>(b) || qobject_cast<QToolButton *>(b) ? QPalette::ButtonText
                                                                                   : QPalette::WindowText;
            if (b->palette().color(QPalette::Disabled, role) == b->palette().color(QPalette::Active, role))
                sameWhenDisabled << pathOf(w, window);
        }

        // A table shows every column without scrolling sideways.
        if (auto *t = qobject_cast<QTableView *>(w)) {
            const int need = t->horizontalHeader()->length();
            const int has = t->viewport()->width();
            if (need > has)
                fault(pathOf(w, window), QStringLiteral("columns need %1 px, the table shows %2").arg(need).arg(has));
        }
    }
    if (!sameWhenDisabled.isEmpty())
        fault(sameWhenDisabled.join(QStringLiteral(", ")), QStringLiteral("would look the same disabled"));
}
