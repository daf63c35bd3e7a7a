#include "bench.h"

#include "app/programentry.h"
#include "frame/TForm1.h"
#include "frame/catalogue/MenyFonster.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/katalog.h"
#include "frame/datafiles.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <cstdio>

namespace bench {

namespace {

int g_exitCode = 0;

// Sees every paint of the application.
class PaintSpy : public QObject
{
public:
    explicit PaintSpy(std::function<bool(QWidget *)> accept)
        : m_accept(std::move(accept))
    {
        qApp->installEventFilter(this);
    }
    ~PaintSpy() override { qApp->removeEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!painted && e->type() == QEvent::Paint && o->isWidgetType() && m_accept(static_cast<QWidget *>(o)))
            painted = true;
        return false;
    }

private:
    std::function<bool(QWidget *)> m_accept;
};

double procStatusMb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double quantile(const QList<double> &sorted, double q)
{
    if (sorted.isEmpty())
        return 0;
    const double pos = q * double(sorted.size() - 1);
    const qsizetype lo = qsizetype(pos);
    const qsizetype hi = std::min<qsizetype>(lo + 1, sorted.size() - 1);
    return sorted[lo] + (sorted[hi] - sorted[lo]) * (pos - double(lo));
}

} // namespace

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double untilPainted(const std::function<bool(QWidget *)> &accept, const std::function<void()> &action,
                    int timeoutMs)
{
    PaintSpy spy(accept);
    QElapsedTimer t;
    t.start();
    action();
    // The flush to the X server follows the paint in the same pass, so the
    // pass that painted has also sent the picture.
    while (!spy.painted && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (!spy.painted)
        return -1;
    QGuiApplication::sync();
    return msSince(t);
}

double untilPainted(QWidget *target, const std::function<void()> &action, int timeoutMs)
{
    return untilPainted([target](QWidget *w) { return w == target; }, action, timeoutMs);
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void sample(const QString &figure, double value)
{
    std::printf("SAMPLE %s %.4f\n", qPrintable(figure), value);
    std::fflush(stdout);
}

void fail(const QString &what)
{
    std::fprintf(stderr, "varmiko_bench: %s\n", qPrintable(what));
    g_exitCode = 1;
}

int exitCode()
{
    return g_exitCode;
}

void guardMessages()
{
    MessageBox::setHandler([](const MessageBox::Request &r) {
        fail(QStringLiteral("the program showed the message \"%1\"").arg(r.text));
        return QMessageBox::Ok;
    });
}

bool startProgram(QApplication &app)
{
    guardMessages();
    if (!startaProgrammet(app)) {
        fail(QStringLiteral("the program did not start (no DATA directory?)"));
        return false;
    }
    const double ms = untilPainted([](QWidget *w) { return w->window() == Form1; },
                                   [] { Form1->showFullScreen(); });
    if (ms < 0) {
        fail(QStringLiteral("the main window was never painted"));
        return false;
    }
    return true;
}

QList<LiveButton> liveButtons()
{
    QList<LiveButton> knappar;
    for (const KatalogMeny &m : katalog()) {
        for (size_t i = 0; i < m.knappar.size(); ++i) {
            const KatalogKnapp &k = m.knappar[i];
            if (k.sort != KnappSort::Ovning || !harFonster(k.mal))
                continue;
            knappar.append({&m, int(i) + 1, k.datafil, k.mal});
        }
    }
    return knappar;
}

namespace {

// Waits inside the exercise window's own modal loop for its first paint,
// takes the time, and closes it.
class ExerciseWatcher : public QObject
{
public:
    ExerciseWatcher(QWidget *menu, const QElapsedTimer &t)
        : m_menu(menu)
        , m_t(t)
    {
        qApp->installEventFilter(this);
    }
    ~ExerciseWatcher() override { qApp->removeEventFilter(this); }

    double ms = -1;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (m_window || e->type() != QEvent::Paint || !o->isWidgetType())
            return false;
        QWidget *top = static_cast<QWidget *>(o)->window();
        auto *dialog = qobject_cast<QDialog *>(top);
        if (!dialog || top == m_menu || top == Form1)
            return false;
        m_window = dialog;
        // After this pass has painted and flushed the whole window.
        QTimer::singleShot(0, this, [this] {
            QGuiApplication::sync();
            ms = msSince(m_t);
            if (!m_window)
                return;
            m_window->close();
            if (m_window && m_window->isVisible())
                m_window->done(QDialog::Rejected);
        });
        return false;
    }

private:
    QWidget *m_menu;
    const QElapsedTimer &m_t;
    QPointer<QDialog> m_window;
};

// Names a button whose window did not open, for the table.
void notOpened(const LiveButton &button)
{
    std::printf("NOTOPENED %s %s\n", qPrintable(button.dataFile), qPrintable(button.window));
    std::fflush(stdout);
}

} // namespace

double openFromMenu(const LiveButton &button, double *menuMs)
{
    std::unique_ptr<MenyFonster> meny;
    const double menyTid = untilPainted([&meny](QWidget *w) { return meny && w->window() == meny.get(); },
                                        [&meny, &button] {
                                            meny = std::make_unique<MenyFonster>(*button.menu);
                                            meny->show();
                                        });
    if (menyTid < 0) {
        fail(QStringLiteral("menu %1 was never painted").arg(button.menu->klass));
        notOpened(button);
        return -1;
    }
    if (menuMs)
        *menuMs = menyTid;
    QPushButton *knapp = meny->knappar.value(button.number - 1);
    if (!knapp || !knapp->isEnabled()) {
        fail(QStringLiteral("%1 of %2 is not enabled").arg(button.dataFile, button.menu->klass));
        notOpened(button);
        return -1;
    }

    QElapsedTimer t;
    ExerciseWatcher watcher(meny.get(), t);
    // A window that never paints is closed, so the run goes on.
    QTimer vakt;
    vakt.setSingleShot(true);
    QObject::connect(&vakt, &QTimer::timeout, [] {
        if (QWidget *m = QApplication::activeModalWidget())
            m->close();
    });
    vakt.start(10000);
    t.start();
    knapp->click();
    vakt.stop();
    meny->hide();
    meny.reset();
    QCoreApplication::processEvents();
    if (watcher.ms < 0) {
        fail(QStringLiteral("%1 (%2) opened no window").arg(button.dataFile, button.window));
        notOpened(button);
    }
    return watcher.ms;
}

double peakMemoryMb()
{
    return procStatusMb("VmHWM");
}

double residentMemoryMb()
{
    return procStatusMb("VmRSS");
}

Stats stats(QList<double> values)
{
    Stats s;
    std::sort(values.begin(), values.end());
    s.n = int(values.size());
    if (values.isEmpty())
        return s;
    s.min = values.first();
    s.max = values.last();
    s.median = quantile(values, 0.5);
    s.q1 = quantile(values, 0.25);
    s.q3 = quantile(values, 0.75);
    return s;
}

QString option(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype i = args.indexOf(name);
    return (i >= 0 && i + 1 < args.size()) ? args[i + 1] : fallback;
}

int intOption(const QStringList &args, const QString &name, int fallback)
{
    bool ok = false;
    const int v = option(args, name).toInt(&ok);
    return ok ? v : fallback;
}

} // namespace bench
