#include "bench.h"

#include "app/programentry.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace bench {

namespace {

void press(QWidget *w, int key, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &down);
}

void release(QWidget *w, int key, const QString &text)
{
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &up);
}

void typeChar(QWidget *w, QChar c)
{
    press(w, Qt::Key(c.toUpper().unicode()), QString(c));
    release(w, Qt::Key(c.toUpper().unicode()), QString(c));
}

// No answer of any course holds it.
const QChar Fel(0x2603);

} // namespace

// The typed-answer window of the first live button, as its menu opens it:
// answers alternately right and wrong, Enter timed to the feedback on screen
// (the score square and the next item, or the right answer shown); the last
// item of each round is answered right and timed to the end panel. Then the
// lamp: one keystroke timed to the lamp drawn in its new colour.
int runFeedback(QApplication &app, const QStringList &args)
{
    const int answers = intOption(args, QStringLiteral("--answers"), 60);
    const int keystrokes = intOption(args, QStringLiteral("--keystrokes"), 100);
    if (!startProgram(app))
        return 1;
    QString fil;
    for (const LiveButton &b : liveButtons())
        if (b.window == QLatin1String("TSKRIV")) {
            fil = b.dataFile;
            break;
        }
    DataFilNamn = fil;
    if (fil.isEmpty() || !Kolla(fil)) {
        fail(QStringLiteral("no typed-answer exercise to answer"));
        return exitCode();
    }

    auto *w = new TSKRIV;
    w->FormCreate();
    if (untilPainted([w](QWidget *x) { return x->window() == w; }, [w] { w->show(); }) < 0) {
        fail(QStringLiteral("the exercise window was never painted"));
        return exitCode();
    }

    auto nyRundaVidBehov = [w] {
        if (!w->Panel1->isVisible())
            return true;
        w->Button2->click();
        return waitUntil([w] { return w->Edit1->isEnabled() && !w->Panel1->isVisible(); });
    };

    int ratt = 0;
    int fel = 0;
    bool nastaRatt = true;
    while ((ratt < answers || fel < answers) && exitCode() == 0) {
        if (!nyRundaVidBehov()) {
            fail(QStringLiteral("no new round"));
            break;
        }
        const bool sista = qint32(PostNummer) >= AntalPoster;
        const bool svaraRatt = sista || nastaRatt;
        w->Edit1->setText(svaraRatt ? w->rattSvar() : QString(3, Fel));
        QCoreApplication::processEvents();

        QWidget *mal = sista ? static_cast<QWidget *>(w->Panel1) : w->Aster1;
        const double ms = untilPainted(mal, [w] { press(w->Edit1, Qt::Key_Return, QStringLiteral("\r")); });
        release(w->Edit1, Qt::Key_Return, QStringLiteral("\r"));
        if (ms < 0) {
            fail(QStringLiteral("no feedback painted"));
            break;
        }
        if (sista) {
            sample(QStringLiteral("feedback.roundend"), ms);
        } else if (svaraRatt) {
            sample(QStringLiteral("feedback.right"), ms);
            ++ratt;
            nastaRatt = false;
        } else {
            sample(QStringLiteral("feedback.wrong"), ms);
            ++fel;
            nastaRatt = true;
            // Space ends the pause; the next item comes with the next tick.
            press(w, Qt::Key_Space, QStringLiteral(" "));
            release(w, Qt::Key_Space, QStringLiteral(" "));
            if (!waitUntil([w] { return w->Edit1->isEnabled(); })) {
                fail(QStringLiteral("the pause did not end"));
                break;
            }
        }
    }

    // The lamp: on, then a right first letter, then a wrong letter and
    // Backspace in turn, each of which changes its colour.
    if (exitCode() == 0 && nyRundaVidBehov()) {
        w->lampknapp->click();
        w->Edit1->clear();
        QCoreApplication::processEvents();
        const QString svar = w->rattSvar();
        typeChar(w->Edit1, svar.isEmpty() ? QChar(u'a') : svar[0]);
        QCoreApplication::processEvents();
        for (int i = 0; i < keystrokes; ++i) {
            const bool felTecken = i % 2 == 0;
            const double ms = untilPainted(w->LampShape, [w, felTecken] {
                if (felTecken)
                    press(w->Edit1, Qt::Key(Fel.unicode()), QString(Fel));
                else
                    press(w->Edit1, Qt::Key_Backspace, QString());
            });
            if (ms < 0) {
                fail(QStringLiteral("the lamp was not redrawn"));
                break;
            }
            sample(QStringLiteral("lamp"), ms);
        }
    }

    delete w;
    avslutaProgrammet();
    return exitCode();
}

} // namespace bench
