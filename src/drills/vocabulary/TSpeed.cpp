#include "drills/vocabulary/TSpeed.h"

#include "drills/vocabulary/LasYta.h"
#include "frame/datafiles.h"
#include "frame/scale.h"
#include "platform/Clock.h"
#include "platform/DesignTimer.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString TextFil = QStringLiteral("VRS61000.DAT");
constexpr int Radsteg = 20;

QLabel *etikett(const char *namn, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(namn));
    return l;
}

} // namespace

TSpeed::TSpeed(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Speed"));
    setWindowTitle(QStringLiteral("Lästräning"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(this, LasYta::silver());
    setFont(arial(16));

    Panel3 = upphojdPanel(this, QStringLiteral("Panel3"), LasYta::silver());
    Panel4 = upphojdPanel(Panel3, QStringLiteral("Panel4"), QColor(0, 128, 128));
    Button1 = new QPushButton(QStringLiteral("&Starta"), Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("&Avbryt"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton *b : {Button1, Button2})
        b->setAutoDefault(false);
    Panel5 = upphojdPanel(Panel4, QStringLiteral("Panel5"), LasYta::silver());
    Label7 = etikett("Label7", QStringLiteral("Beräknad läshastighet"), Panel5);
    Label11 = etikett("Label11", QStringLiteral("120 ord / min"), Panel5);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, Panel5);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(1, 900);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setValue(500);
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->installEventFilter(this);
    Label8 = etikett("Label8", QString(), Panel4);
    Label9 = etikett("Label9", QString(), Panel4);
    Label10 = etikett("Label10", QString(), Panel4);
    for (QLabel *l : {Label8, Label9, Label10}) {
        l->setFont(arial(15, true));
        fargRoller(l, {QPalette::WindowText}, Qt::yellow);
    }
    Label1 = etikett("Label1", QString(), this);
    Label1->hide();

    PaintBox1 = new LasYta(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    Panel1 = upphojdPanel(this, QStringLiteral("Panel1"), LasYta::silver());
    Panel2 = upphojdPanel(Panel1, QStringLiteral("Panel2"), LasYta::silver());
    Label2 = etikett("Label2", QStringLiteral("Lästräning"), Panel2);
    Label2->setFont(arial(23, true));
    Label3 = etikett("Label3", QStringLiteral("Du ska nu få testa din läshastighet."), Panel2);
    Label4 = etikett("Label4", QStringLiteral("Du ska läsa högt och får bara göra något"), Panel2);
    Label5 = etikett("Label5", QStringLiteral("enstaka fel."), Panel2);
    Label6 = etikett("Label6", QStringLiteral("Välj en av texterna i listan."), Panel2);
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->installEventFilter(this);

    Timer1 = new DesignTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new DesignTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    connect(Button1, &QPushButton::clicked, this, &TSpeed::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSpeed::Button2Click);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TSpeed::ScrollBar1Change);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TSpeed::ListBox1DblClick);
    connect(Timer1, &DesignTimer::timeout, this, &TSpeed::Timer1Timer);
    connect(Timer2, &DesignTimer::timeout, this, &TSpeed::Timer2Timer);

    layout();
    FormCreate();
}

void TSpeed::layout()
{
    const QSize skarm = skarmStorlek();
    const int W = skarm.width();
    const int H = skarm.height();
    resize(W, H);
    setWindowState(Qt::WindowMaximized);

    const int kolumn = qBound(230, W / 4, 320);
    Panel3->setGeometry(0, 0, kolumn, H);
    Panel4->setGeometry(8, 8, kolumn - 16, H - 16);
    const int inre = Panel4->width() - 24;
    const int knapp = Button1->sizeHint().height();
    Button1->setGeometry(12, 16, inre, knapp);
    Button2->setGeometry(12, 16 + knapp + 10, inre, knapp);
    const int rad = QFontMetrics(font()).height();
    int y = 8;
    Label7->setGeometry(8, y, inre - 16, rad);
    y += rad + 4;
    Label11->setGeometry(8, y, inre - 16, rad);
    y += rad + 6;
    ScrollBar1->setGeometry(8, y, inre - 16, ScrollBar1->sizeHint().height());
    y += ScrollBar1->height() + 8;
    Panel5->setGeometry(12, Button2->y() + knapp + 24, inre, y);
    y = Panel5->y() + Panel5->height() + 20;
    for (QLabel *l : {Label8, Label9, Label10}) {
        l->setGeometry(12, y, inre, QFontMetrics(l->font()).height() + 2);
        y += l->height() + 8;
    }

    PaintBox1->setGeometry(kolumn, 0, W - kolumn, H);
    PaintBox1->setFont(font());

    const int bredd = 16 + QFontMetrics(font()).horizontalAdvance(Label4->text()) + 40;
    y = 12;
    Label2->setGeometry(12, y, bredd - 24, QFontMetrics(Label2->font()).height());
    y += Label2->height() + 10;
    for (QLabel *l : {Label3, Label4, Label5, Label6}) {
        l->setGeometry(12, y, bredd - 24, rad + 2);
        y += rad + 4;
    }
    y += 8;
    ListBox1->setGeometry(12, y, 120, qMin(200, H / 3));
    Panel2->setGeometry(8, 8, bredd, ListBox1->y() + ListBox1->height() + 12);
    Panel1->resize(Panel2->width() + 16, Panel2->height() + 16);
    Panel1->move(kolumn + qMax(0, (W - kolumn - Panel1->width()) / 2), qMax(0, (H - Panel1->height()) / 3));
    Panel1->raise();
}

void TSpeed::FormCreate()
{
    Button1->setEnabled(false);
    Timer2->setInterval(0);
    m_LasSekunder = 0;
    ListBox1->clear();
    QStringList rader;
    lasTextfil(hittaDataFil(TextFil), rader);
    const int antal = textAntal(rader);
    for (int i = 1; i <= antal; ++i)
        ListBox1->addItem(QString::number(i));
}

void TSpeed::FormShow()
{
    Button1->setEnabled(false);
    Panel1->show();
    ListBox1->setFocus();
    if (ListBox1->count() > 0 && !ListBox1->currentItem())
        ListBox1->setCurrentRow(0);
}

void TSpeed::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TSpeed::ListBox1DblClick()
{
    const QListWidgetItem *vald = ListBox1->currentItem();
    const int N = vald ? vald->text().toInt() : 0;
    m_RitaX = 10;
    m_RitaY = 10;
    // "Starta" is the way on: the list that had the focus goes away with
    // its panel, and Enter must not reach "Avbryt".
    Button1->setEnabled(true);
    Panel1->hide();
    Button1->setFocus();

    QStringList rader;
    lasTextfil(hittaDataFil(TextFil), rader);
    m_LasRader = lasText(rader, N);
    PaintBox1->rensa();
    for (const QString &r : std::as_const(m_LasRader)) {
        PaintBox1->skriv(m_RitaX, m_RitaY, r);
        m_RitaY += Radsteg;
    }
    m_vandring = Ordvandring(m_LasRader);
    m_RitaX = 10;
    m_RitaY = 10;
    Statistik();
}

void TSpeed::SuddaOrd()
{
    m_vandring.SuddaOrd();
}

void TSpeed::Statistik()
{
    m_vandring.borjaOm();
    m_statistik = ::Statistik(m_LasRader);
    Label8->setText(ordText(m_statistik));
    Label9->setText(bokstavText(m_statistik));
    Label10->setText(snittText(m_statistik));
}

void TSpeed::ScrollBar1Change()
{
    const int intervall = ordIntervall(ScrollBar1->value());
    if (Timer1->interval() != 0)
        Timer1->setInterval(intervall);
    Label11->setText(taktText(intervall));
    Label11->repaint();
}

void TSpeed::Button1Click()
{
    m_vandring.borjaOm();
    Button1->setEnabled(false);
    Timer1->setInterval(ordIntervall(ScrollBar1->value()));
    Timer2->setInterval(1000);
    m_startMs = Clock::elapsedMs();
    m_sistaOrdMs = m_startMs;
    ScrollBar1->setFocus();
}

void TSpeed::Timer2Timer()
{
    ++m_LasSekunder;
}

void TSpeed::Timer1Timer()
{
    if (m_vandring.slut()) {
        Timer1->setInterval(0);
        Timer2->setInterval(0);
        // The speed comes from the exact time up to the last word gone; whole
        // seconds would make 10.9 s of 109 words at 600 a minute read as 654.
        const qint64 slut = m_statistik.LasOrdAntal > 0 ? m_sistaOrdMs : Clock::elapsedMs();
        MessageBox::information(slutMeddelande(m_statistik.LasOrdAntal, slut - m_startMs));
        m_LasSekunder = 0;
        Panel1->show();
        Panel1->raise();
        Button1->setEnabled(false);
        ListBox1->setFocus();
        return;
    }
    SuddaOrd();
    m_sistaOrdMs = Clock::elapsedMs();
    const QString &ord = m_vandring.SenasteOrd;
    PaintBox1->sudda(m_RitaX, m_RitaY, ord);
    Label1->setText(ord);
    m_RitaX += QFontMetrics(font()).horizontalAdvance(ord);
    if (m_vandring.nyRad()) {
        m_RitaX = 10;
        m_RitaY += Radsteg;
    }
}

void TSpeed::Button2Click()
{
    Timer1->setInterval(0);
    Timer2->setInterval(0);
    reject();
}

void TSpeed::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        Button2Click();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept(); // no default button here
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TSpeed::eventFilter(QObject *o, QEvent *e)
{
    // A higher position is a faster pace and stands further right: Right
    // raises it and Left lowers it, as Down and Up, Page Down and Page Up,
    // End and Home do. (A scroll bar of its own moves the other way with
    // Left and Right, as if it scrolled a page.)
    if (o == ScrollBar1 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Right || k == Qt::Key_Left) {
            ScrollBar1->triggerAction(k == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                         : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    // Enter in the list chooses the text, as a double-click does.
    if (o == ListBox1 && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if ((k == Qt::Key_Return || k == Qt::Key_Enter) && ListBox1->currentItem()) {
            ListBox1DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TSpeed::closeEvent(QCloseEvent *e)
{
    // Closed from outside (Alt+F4): as "&Avbryt".
    Timer1->setInterval(0);
    Timer2->setInterval(0);
    QDialog::closeEvent(e);
}

void TSpeed_Visa()
{
    TSpeed Speed(QApplication::activeWindow());
    Speed.exec();
}
