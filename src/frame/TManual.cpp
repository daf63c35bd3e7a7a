#include "frame/TManual.h"
#include "frame/scale.h"

#include "frame/TRegelform.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

QString manualfil(const QString &root)
{
    const QString p = ProgramPath::resolve(root, QStringLiteral("\\DATA\\VRSKMAN.TXT"));
    return !p.isEmpty() && QFileInfo(p).isFile() ? p : QString();
}

// Where the print loop starts a new page, in millimetres down.
constexpr int SidansSlut = 256;

} // namespace

TManual::TManual(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Manual"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(this, Qt::white);
    setFont(arial(18));
    resize(skarmStorlek());
    setWindowState(Qt::WindowMaximized);

    Label1 = new QLabel(QStringLiteral("Manual till Varmiko"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arial(47, true, true));
    textfarg(Label1, QColor(0, 0, 128));
    Label1->adjustSize();

    auto memo = [this](const char *namn) {
        auto *m = new QPlainTextEdit(this);
        m->setObjectName(QLatin1String(namn));
        m->setReadOnly(true);
        // The text can be selected with the keys as well as the mouse.
        m->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        fargRoller(m, {QPalette::Base}, Qt::white);
        return m;
    };
    Memo1 = memo("Memo1");
    Memo2 = memo("Memo2");
    Memo2->hide();

    auto knapp = [this](const char *namn, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(namn));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = knapp("Button1", QStringLiteral("Avbryt"));
    Button2 = knapp("Button2", QStringLiteral("Skriv ut"));
    Button3 = knapp("Button3", QStringLiteral("Skriv ut markerat"));
    Regelknapp = knapp("Regelknapp", QStringLiteral("Nya stavningsregler"));
    connect(Button1, &QPushButton::clicked, this, &TManual::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TManual::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TManual::Button3Click);
    connect(Regelknapp, &QPushButton::clicked, this, &TManual::RegelknappClick);

    FormCreate();
}

void TManual::FormCreate()
{
    QString fil = manualfil(PCPath);
    if (fil.isEmpty())
        fil = manualfil(CDPath);
    QStringList text;
    if (fil.isEmpty() || !TextFile::readLines(fil, text)) {
        // The path looked in last; an empty root is no root.
        const QString rot = CDPath.isEmpty() ? PCPath : CDPath;
        MessageBox::showMessage(QStringLiteral("Filen ") + ProgramPath::forWriting(rot + QStringLiteral("\\DATA\\VRSKMAN.TXT"))
                                + QStringLiteral(" finns inte eller är felaktig"));
        m_oppen = false;
        close();
        return;
    }
    m_oppen = true;
    m_rader.clear();
    for (const QString &rad : std::as_const(text))
        m_rader.append(QStringLiteral("  ") + rad);
    Memo1->setPlainText(m_rader.join(QLatin1Char('\n')));

    const QSize skarm = skarmStorlek();
    const int W = skarm.width();
    const int H = skarm.height();
    const int M = Marginal;
    Label1->move((W - Label1->width()) / 2, Label1->height() / 2);
    for (QPlainTextEdit *m : {Memo1, Memo2})
        m->setGeometry(2 * M, 3 * Label1->height(), W - 4 * M, H - 5 * Label1->height());

    // The four buttons are one width, that of the longest caption.
    int bredd = 0;
    int hojd = 0;
    for (QPushButton *b : {Button1, Button2, Button3, Regelknapp}) {
        bredd = std::max(bredd, b->sizeHint().width());
        hojd = std::max(hojd, b->sizeHint().height());
    }
    for (QPushButton *b : {Button1, Button2, Button3, Regelknapp})
        b->resize(bredd, hojd);
    const int top = H - (Button1->height() * 3) / 2;
    const int u = Button1->width() + 2 * M;
    const int x0 = (W - 4 * u) / 4;
    Button1->move(x0, top);
    Button2->move(x0 + u, top);
    Button3->move(x0 + 2 * u, top);
    Regelknapp->move(x0 + 3 * u, top);
    for (QWidget *w : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Button1), static_cast<QWidget *>(Button2),
                       static_cast<QWidget *>(Button3), static_cast<QWidget *>(Regelknapp)})
        w->installEventFilter(this);
    Memo1->setFocus();
}

void TManual::Button1Click()
{
    reject();
}

void TManual::Button2Click()
{
    skrivUt(m_rader, 10);
}

void TManual::Button3Click()
{
    // The selection itself, never through the clipboard.
    const QString markerat = Memo1->textCursor().selection().toPlainText();
    Memo2->clear();
    if (markerat.isEmpty()) {
        MessageBox::information(QStringLiteral("Ingen text är markerad. Markera först det som ska skrivas ut."));
        return;
    }
    Memo2->setPlainText(markerat);
    QStringList rader = Memo2->toPlainText().split(QLatin1Char('\n'));
    // A selection that ends at a line break has no further line.
    if (rader.size() > 1 && rader.last().isEmpty())
        rader.removeLast();
    skrivUt(rader, 5);
}

void TManual::RegelknappClick()
{
    Regelknapp->setEnabled(false);
    TRegelform_Visa(63000);
    Regelknapp->setEnabled(true);
}

void TManual::SkrivSidNr(Printing::Sheet &s, int sida)
{
    QFont f = s.font();
    f.setPointSize(12);
    f.setBold(false);
    s.setFont(f);
    s.text(200, 2, QString::number(sida));
}

void TManual::skrivUt(const QStringList &rader, int forstaY)
{
    if (rader.isEmpty())
        return;
    Printing::print(
        QStringLiteral("Manual till Varmiko"),
        [&rader, forstaY](Printing::Sheet &s) {
            int sida = 1;
            s.setFont(QStringLiteral("Arial"), 12);
            SkrivSidNr(s, sida);
            s.setFont(QStringLiteral("Arial"), 12);
            const int h = std::max(1, s.yPixelToMm(s.textHeight(QStringLiteral("Hej"))));
            int y = forstaY;
            qsizetype i = 0;
            do {
                y += h;
                s.text(15, y, rader[i]);
                y += 1;
                if (y > SidansSlut) {
                    // The line that crossed the end is printed again at the
                    // top of the next page.
                    --i;
                    ++sida;
                    s.newPage();
                    SkrivSidNr(s, sida);
                    s.setFont(QStringLiteral("Arial"), 12);
                    y = 4;
                }
                ++i;
            } while (i < rader.size());
        },
        this);
}

int TManual::exec()
{
    if (!m_oppen)
        return QDialog::Rejected;
    return QDialog::exec();
}

void TManual::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TManual::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TManual_Visa()
{
    TManual Manual(QApplication::activeWindow());
    Manual.exec();
}
