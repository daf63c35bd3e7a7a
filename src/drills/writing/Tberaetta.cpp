#include "drills/writing/Tberaetta.h"

#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "platform/TextFile.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

// Buttons on a panel share its text colour.
void fargMedKnappar(QWidget *w, const QColor &text, const QColor &bakgrund = QColor())
{
    fargRoller(w, {QPalette::WindowText, QPalette::ButtonText}, text);
    if (bakgrund.isValid())
        fyllFarg(w, bakgrund);
}

QFrame *panel(QWidget *parent, const char *name, const QColor &bakgrund)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fargMedKnappar(f, Qt::black, bakgrund);
    return f;
}

QLabel *etikett(QWidget *parent, const char *name, const QString &text, int punkter)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(skaladArialPunkter(punkter));
    return l;
}

QPushButton *knapp(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setFont(skaladArialPunkter(12));
    return b;
}

const QColor kRod = QColor(0xFF, 0, 0);
const QColor kSilver = QColor(0xC0, 0xC0, 0xC0);
const QColor kGra = QColor(0x80, 0x80, 0x80);
const QColor kNavy = QColor(0, 0, 0x80);

} // namespace

Tberaetta::Tberaetta(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Beraetta"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fargMedKnappar(this, Qt::black, kGra);
    byggKomponenter();
}

void Tberaetta::byggKomponenter()
{
    Panel3 = etikett(this, "Panel3", QStringLiteral("Erzählen"), 20);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fargMedKnappar(Panel3, kNavy, kSilver);

    Panel1 = panel(this, "Panel1", kRod);
    Panel2 = panel(Panel1, "Panel2", kSilver);
    Label1 = etikett(Panel2, "Label1", QString(), 14);
    Label2 = etikett(Panel2, "Label2", QString(), 14);
    Label3 = etikett(Panel2, "Label3", QString(), 14);
    Label4 = etikett(Panel2, "Label4", QString(), 14);

    Panel4 = panel(this, "Panel4", kSilver);
    SpeedButton2 = new QToolButton(Panel4);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setArrowType(Qt::LeftArrow);
    SpeedButton1 = new QToolButton(Panel4);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setArrowType(Qt::RightArrow);
    Label7 = etikett(Panel4, "Label7", QStringLiteral("Text Nr."), 12);
    Label8 = etikett(Panel4, "Label8", QString(), 12);
    BitBtn1 = knapp(Panel4, "BitBtn1", QStringLiteral("OK"));
    BitBtn1->setDefault(true);
    Button1 = knapp(Panel4, "Button1", QStringLiteral("&Abbrechen"));
    Panel8 = etikett(this, "Panel8",
                     QStringLiteral("Einen Pfeil anklicken um den Anfang einer Geschichte zu wählen."), 12);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tberaetta::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tberaetta::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tberaetta::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(skaladArialPunkter(14));
    Edit1->setMaxLength(60);
    fargRoller(Edit1, {QPalette::Base}, Qt::white);
    Edit1->installEventFilter(this);

    Panel5 = panel(this, "Panel5", kSilver);
    etikett(Panel5, "Label5", QStringLiteral("Leerzeile beendet die Geschichte."), 12);
    etikett(Panel5, "Label6", QStringLiteral("Nach jeder geschriebenen Zeile Enter drücken. "), 12);
    etikett(Panel5, "Label9", QStringLiteral("Ist die Geschichte fertig, kann man den Text drucken."), 12);

    Panel6 = panel(this, "Panel6", kSilver);
    Panel7 = etikett(Panel6, "Panel7", QStringLiteral("Das ist die Geschichte!"), 14);
    Panel7->setAlignment(Qt::AlignCenter);
    Memo2 = new QPlainTextEdit(Panel6);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setFont(skaladArialPunkter(12, false));
    BitBtn2 = knapp(Panel6, "BitBtn2", QStringLiteral("&Drucken"));
    Button2 = knapp(Panel6, "Button2", QStringLiteral("&Neue Geschichte"));
    Button3 = knapp(Panel6, "Button3", QStringLiteral("&Abbrechen"));
    connect(BitBtn2, &QPushButton::clicked, this, &Tberaetta::BitBtn2Click);
    connect(Button2, &QPushButton::clicked, this, &Tberaetta::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

void Tberaetta::lagUt()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const QSize skarm = s ? s->geometry().size() : QSize(800, 600);
    const int W = skarm.width();
    const int H = skarm.height();
    const int M = Marginal;
    resize(W, H);

    Panel3->setGeometry(W / 3, M / 2, W / 3, Panel3->sizeHint().height() + M / 2);

    const int radHojd = Label1->sizeHint().height() + M / 3;
    Panel1->setGeometry(M, Panel3->y() + Panel3->height() + M / 2, W - 2 * M, 4 * radHojd + 2 * M);
    Panel2->setGeometry(M / 2, M / 2, Panel1->width() - M, Panel1->height() - M);
    int y = M / 2;
    for (QLabel *l : {Label1, Label2, Label3, Label4}) {
        // The lines are cut at the panel's edge less a margin on each side.
        l->setGeometry(M, y, Panel2->width() - 2 * M, radHojd);
        y += radHojd;
    }

    const int knappHojd = BitBtn1->sizeHint().height();
    Panel4->setGeometry(M, Panel1->y() + Panel1->height() + M / 2, W - 2 * M, knappHojd + M);
    int x = M / 2;
    for (QToolButton *b : {SpeedButton2, SpeedButton1}) {
        b->setGeometry(x, M / 2, knappHojd * 3 / 2, knappHojd);
        x += b->width() + M / 2;
    }
    Label7->move(x + M, (Panel4->height() - Label7->sizeHint().height()) / 2);
    Label7->adjustSize();
    // Room for the text's number out of all of them, as the label writes it.
    const int nrBredd = qMax(10 * M, Label8->fontMetrics().horizontalAdvance(QStringLiteral("000  /  000")) + M);
    Label8->setGeometry(Label7->x() + Label7->width() + M / 2, Label7->y(), nrBredd, Label7->height());
    const int knappBredd = Button1->sizeHint().width() + 2 * M;
    Button1->setGeometry(Panel4->width() - knappBredd - M / 2, M / 2, knappBredd, knappHojd);
    BitBtn1->setGeometry(Button1->x() - knappBredd - M, M / 2, knappBredd, knappHojd);

    Panel8->setGeometry(M, Panel4->y() + Panel4->height() + M / 2, W - 2 * M, Panel8->sizeHint().height());
    Edit1->setGeometry(M, Panel8->y() + Panel8->height() + M / 2, W - 2 * M, Edit1->sizeHint().height());

    // The instructions under the entry, the finished story below them.
    y = M / 2;
    for (QLabel *l : Panel5->findChildren<QLabel *>()) {
        l->adjustSize();
        l->move(M / 2, y);
        y += l->height() + M / 3;
    }
    Panel5->setGeometry(M, Edit1->y() + Edit1->height() + M / 2, W - 2 * M, y + M / 3);
    const int nedre = Panel5->y() + Panel5->height() + M / 2;
    Panel6->setGeometry(M, nedre, W - 2 * M, H - nedre - M);
    Panel7->setGeometry(M / 2, M / 2, Panel6->width() - M, Panel7->sizeHint().height());
    const int knappRad = Panel6->height() - knappHojd - M / 2;
    Memo2->setGeometry(M / 2, Panel7->y() + Panel7->height() + M / 2, Panel6->width() - M,
                       knappRad - Panel7->y() - Panel7->height() - M);
    x = M / 2;
    const int plats = (Panel6->width() - 2 * M) / 3;
    for (QPushButton *b : {BitBtn2, Button2, Button3}) {
        const int bw = qMin(b->sizeHint().width() + 2 * M, plats);
        b->setGeometry(x, knappRad, bw, knappHojd);
        x += bw + M;
    }
}

bool Tberaetta::FormCreate()
{
    // The wrapping of the pupil's lines measures at this program's size.
    Programtal = GeProgramtal(DataFilNamn);
    FelRunda = 0;
    lagUt();
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    Memo2->clear();
    Edit1->clear();
    m_antal = 0;
    m_nummer = 1;
    Edit1->hide();

    const QString fil = hittaDataFil(DataFilNamn);
    QList<QByteArray> raa;
    if (fil.isEmpty() || !TextFile::readRawLines(fil, raa)) {
        MessageBox::showMessage(QStringLiteral("Filen ") + DataFilNamn + QStringLiteral(" finns inte eller är felaktig"));
        return false;
    }
    m_rader.clear();
    for (QByteArray r : raa) {
        if (KrypteradeFiler && !r.isEmpty())
            r = dekryptradBytes(r);
        const QString text = Cp1252::decode(r);
        if (text == QStringLiteral("#")) {
            ++m_antal;
            continue;
        }
        m_rader << text;
    }
    m_rader << QString::number(m_antal);
    Label8->setText(QStringLiteral("1  /  ") + QString::number(m_antal));
    visaBorjan();
    return true;
}

QString Tberaetta::rad(int index) const
{
    // Only story lines are shown: a file whose stories are short of lines
    // shows empty lines, never the story count kept after them.
    return index < m_rader.size() - 1 ? m_rader.value(index) : QString();
}

void Tberaetta::visaBorjan()
{
    const int forsta = 3 * (m_nummer - 1);
    Label1->setText(rad(forsta));
    Label2->setText(rad(forsta + 1));
    Label3->setText(rad(forsta + 2));
}

void Tberaetta::bladdra(int steg, bool medTangent)
{
    const int ny = m_nummer + steg;
    if (ny >= 1 && ny <= m_antal)
        m_nummer = ny;
    visaBorjan();
    Label8->setText(QString::number(m_nummer) + (medTangent ? QStringLiteral(" von ") : QStringLiteral("  /  "))
                    + QString::number(m_antal));
}

void Tberaetta::SpeedButton1Click()
{
    bladdra(1, false);
}

void Tberaetta::SpeedButton2Click()
{
    bladdra(-1, false);
}

void Tberaetta::BitBtn1Click()
{
    Memo2->clear();
    for (QLabel *l : {Label1, Label2, Label3})
        Memo2->appendPlainText(l->text());
    Edit1->show();
    Edit1->setFocus();
    BitBtn1->setEnabled(false);
    Panel5->show();
}

void Tberaetta::Edit1Enter()
{
    const QString text = Edit1->text();
    Label1->setText(Label2->text());
    Label2->setText(Label3->text());
    Label3->setText(text);

    if (text.isEmpty()) {
        // The story is finished.
        Panel6->show();
        Label8->setText(QString::number(m_nummer) + QStringLiteral(" / ") + QString::number(m_antal));
        visaBorjan();
        Label4->clear();
        Edit1->hide();
        Button2->setFocus();
        return;
    }

    const int M = Marginal;
    Label3->resize(Panel2->width() - 2 * M, Label3->height());
    if (Label3->fontMetrics().horizontalAdvance(text) > Panel2->width() - 2 * M) {
        dela_mening(2 * M, Panel2->width(), text, 2, Label3->font());
        qsizetype borjan = 0;
        while (borjan < text.size() && text[borjan] == QChar(u' '))
            ++borjan;
        // Everything past the first line goes back to be continued, however
        // many lines it would fill.
        QString rest = text.mid(borjan + MeningsRader[1].size());
        while (rest.startsWith(QChar(u' ')))
            rest.remove(0, 1);
        Label3->setText(MeningsRader[1]);
        Edit1->setText(rest);
    } else {
        Edit1->clear();
    }
    Memo2->appendPlainText(Label3->text());
}

void Tberaetta::Button2Click()
{
    Panel5->hide();
    Panel6->hide();
    BitBtn1->setEnabled(true);
    BitBtn1->setFocus();
    Memo2->clear();
}

QStringList Tberaetta::berattelsensRader() const
{
    const QString text = Memo2->toPlainText();
    if (text.isEmpty())
        return {};
    QStringList rader = text.split(QLatin1Char('\n'));
    if (rader.last().isEmpty())
        rader.removeLast();
    return rader;
}

void Tberaetta::BitBtn2Click()
{
    const QStringList rader = berattelsensRader();
    Printing::print(
        QStringLiteral("Erzählen"),
        [&rader](Printing::Sheet &s) {
            // The places were chosen in pixels of a 300 dpi printer; in
            // millimetres they stand where they were meant to on any printer.
            const auto mm = [](int designPixlar) { return designPixlar * 25.4 / 300.0; };
            const auto hojdMm = [&s](const QString &text) {
                return s.textHeight(text) * double(Printing::A4HojdMm) / s.pageHeight();
            };
            s.setFont(QStringLiteral("Arial"), 18);
            s.text(mm(200), mm(100), QStringLiteral("Erzählen"));
            s.setFont(QStringLiteral("Arial"), 14);
            double y = mm(250);
            for (const QString &r : rader) {
                const double h = hojdMm(r);
                // A long story goes on on the next page instead of off the paper.
                if (y + h > Printing::A4HojdMm - mm(100)) {
                    s.newPage();
                    y = mm(100);
                }
                s.text(mm(200), y, r);
                y += h + mm(20);
            }
        },
        this);
}

bool Tberaetta::eventFilter(QObject *o, QEvent *e)
{
    if (o == Edit1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Edit1Enter();
            return true;
        }
        if (k->key() == Qt::Key_PageDown || k->key() == Qt::Key_PageUp) {
            keyPressEvent(k);
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void Tberaetta::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_PageDown) {
        bladdra(1, true);
        e->accept();
    } else if (e->key() == Qt::Key_PageUp) {
        bladdra(-1, true);
        e->accept();
    } else {
        QDialog::keyPressEvent(e);
    }
}

void Tberaetta_Visa()
{
    Tberaetta w;
    if (w.FormCreate())
        w.exec();
}
