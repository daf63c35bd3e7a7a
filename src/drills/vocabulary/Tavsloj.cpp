#include "drills/vocabulary/Tavsloj.h"

#include "drills/vocabulary/Ordbank.h"
#include "drills/vocabulary/Ordruta.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString StoryFil = QStringLiteral("VRS63000.DAT");
constexpr int RadTopp[Avslojning::Rader] = {18, 45, 72, 99, 126, 153, 180};
constexpr int ForstaVanster = 126;

const QColor Navy(0, 0, 128);

QLabel *etikett(const QString &text, QWidget *parent, const char *namn = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (namn)
        l->setObjectName(QLatin1String(namn));
    l->adjustSize();
    return l;
}

} // namespace

Tavsloj::Tavsloj(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("avsloj"));
    setWindowTitle(QStringLiteral("Rätsel lösen"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    fyllFarg(this, QColor(128, 128, 128));
    setFont(arial(16));
    setAcceptDrops(true);

    const QSize skarm = skarmStorlek();
    const int W = skarm.width();
    const int H = skarm.height();
    resize(W, H);
    setWindowState(Qt::WindowMaximized);

    // The title in yellow over a black copy of itself, a shadow 2 px away.
    auto *skugga = etikett(QStringLiteral("Rätsel lösen"), this, "TitelSkugga");
    auto *titel = etikett(QStringLiteral("Rätsel lösen"), this, "Titel");
    for (QLabel *l : {skugga, titel}) {
        l->setFont(arial(45, true));
        l->adjustSize();
    }
    fargRoller(skugga, {QPalette::WindowText}, Qt::black);
    fargRoller(titel, {QPalette::WindowText}, Qt::yellow);
    titel->move((W - titel->width()) / 2, 6);
    skugga->move(titel->x() + 2, titel->y() + 2);
    for (int i = 0; i < 2; ++i) {
        auto *balk = new ShapeWidget(ShapeWidget::Form::Rectangle, this);
        balk->setObjectName(QStringLiteral("Balk%1").arg(i + 1));
        balk->setBrushColor(Qt::yellow);
        balk->setPenColor(Qt::yellow);
        const int bredd = qMax(20, (W - titel->width()) / 2 - 60);
        balk->setGeometry(i == 0 ? 30 : titel->x() + titel->width() + 30, titel->y() + titel->height() / 2 - 4, bredd, 8);
    }
    const int under = titel->y() + titel->height() + 10;

    // The story: a name column and seven rows of seven word places.
    Panel1 = upphojdPanel(this, QStringLiteral("Panel1"), QColor(160, 160, 160));
    Panel1->setGeometry(20, under, W - 40, RadTopp[Avslojning::Rader - 1] + 34);
    // The space between the words takes no word.
    Panel1->setAcceptDrops(true);
    Panel1->installEventFilter(this);
    for (int r = 1; r <= Avslojning::Rader; ++r) {
        auto *n = new QLabel(Panel1);
        n->setObjectName(QStringLiteral("namn%1").arg(r));
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        n->setFont(arial(16, true));
        fargRoller(n, {QPalette::WindowText}, Navy);
        n->setGeometry(4, RadTopp[r - 1], ForstaVanster - 12, QFontMetrics(n->font()).height());
        namn[r] = n;
    }
    for (int k = 1; k <= Avslojning::Platser; ++k) {
        auto *l = new Ordruta(k, Panel1);
        l->setObjectName(QStringLiteral("Label%1").arg(k));
        l->move(ForstaVanster, RadTopp[(k - 1) / Avslojning::OrdPerRad]);
        connect(l, &Ordruta::slappt, this, &Tavsloj::utruta);
        Label[k] = l;
    }

    const int nere = Panel1->y() + Panel1->height() + 14;
    const int bankHojd = qMax(120, H - nere - 30);

    ListBox1 = new Ordbank(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(20, nere, 260, bankHojd);
    ListBox1->installEventFilter(this);

    Panel7 = upphojdPanel(this, QStringLiteral("Panel7"), QColor(160, 160, 160));
    auto *raten = etikett(QStringLiteral("Ein Wort raten"), Panel7);
    raten->move(12, 10);
    Edit1 = new QLineEdit(Panel7);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(20);
    Edit1->setFont(arial(20));
    fargRoller(Edit1, {QPalette::Text}, Navy);
    Edit1->setGeometry(12, raten->y() + raten->height() + 6, 260, Edit1->sizeHint().height());
    Edit1->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("Die Geschichte &sehen"), Panel7);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    Button1->setGeometry(12, Edit1->y() + Edit1->height() + 12, 260, Button1->sizeHint().height() + 4);
    Panel7->setGeometry(20, nere, 284, Button1->y() + Button1->height() + 12);

    // Three figures, each in a navy box under its two-line caption.
    Statistik = new QFrame(this);
    Statistik->setObjectName(QStringLiteral("Statistik"));
    const struct
    {
        const char *namn;
        const char16_t *rad1;
        const char16_t *rad2;
        const char16_t *varde;
    } figurer[] = {{"Panel5", u"Richtige", u"Antworten", u"0 %"},
                   {"Panel6", u"Gelöste", u"Aufgaben", u"0 %"},
                   {"Panel8", u"Anzahl der", u"Versuche", u"0"}};
    int x = 0;
    for (const auto &f : figurer) {
        auto *rubrik = etikett(QString::fromUtf16(f.rad1) + QLatin1Char('\n') + QString::fromUtf16(f.rad2), Statistik);
        rubrik->setFont(arial(16, true));
        fargRoller(rubrik, {QPalette::WindowText}, Qt::yellow);
        rubrik->setAlignment(Qt::AlignCenter);
        rubrik->setGeometry(x, 0, 130, 2 * QFontMetrics(rubrik->font()).height() + 4);
        auto *v = new QLabel(QString::fromUtf16(f.varde), Statistik);
        v->setObjectName(QLatin1String(f.namn));
        v->setFont(arial(23, true));
        v->setAlignment(Qt::AlignCenter);
        fyllFarg(v, Navy);
        fargRoller(v, {QPalette::WindowText}, Qt::yellow);
        v->setFrameShape(QFrame::Panel);
        v->setFrameShadow(QFrame::Sunken);
        v->setGeometry(x + 10, rubrik->height() + 4, 110, QFontMetrics(v->font()).height() + 14);
        x += 150;
        if (f.namn[5] == '5')
            Panel5 = v;
        else if (f.namn[5] == '6')
            Panel6 = v;
        else
            Panel8 = v;
    }
    Statistik->setGeometry(qMin(330, W - x - 10), nere, x, Panel5->y() + Panel5->height() + 4);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->hide();

    // The choice of story and of the kind of exercise.
    Panel4 = upphojdPanel(this, QStringLiteral("Panel4"), QColor(160, 160, 160));
    Label52 = etikett(QStringLiteral("Einen Text wählen"), Panel4, "Label52");
    Label52->setFont(arial(16, true));
    Label52->adjustSize();
    Label52->move(16, 12);
    ListBox2 = new QListWidget(Panel4);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setGeometry(16, Label52->y() + Label52->height() + 8, 110, 200);
    ListBox2->installEventFilter(this);
    GroupBox1 = new QGroupBox(QStringLiteral("Art der Übung wählen"), Panel4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    RadioButton1 = new QRadioButton(QStringLiteral("Wörter anklicken und an die\nrichtige Stelle setzen."), GroupBox1);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Die Wörter raten und\nschreiben."), GroupBox1);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton1->setChecked(true);
    RadioButton1->adjustSize();
    RadioButton2->adjustSize();
    const int gruppBredd = qMax(RadioButton1->width(), RadioButton2->width()) + 30;
    RadioButton1->move(12, 30);
    RadioButton2->move(12, RadioButton1->y() + RadioButton1->height() + 14);
    GroupBox1->setGeometry(ListBox2->x() + ListBox2->width() + 20, ListBox2->y(), gruppBredd,
                           RadioButton2->y() + RadioButton2->height() + 14);
    Button2 = new QPushButton(QStringLiteral("&Abbrechen"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button2->setGeometry(GroupBox1->x(), ListBox2->y() + ListBox2->height() - Button2->sizeHint().height() - 4,
                         140, Button2->sizeHint().height() + 4);
    Panel4->resize(GroupBox1->x() + GroupBox1->width() + 16, ListBox2->y() + ListBox2->height() + 16);
    Panel4->move((W - Panel4->width()) / 2, under + 20);
    Panel4->raise();

    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &Tavsloj::ListBox2DblClick);
    connect(Button1, &QPushButton::clicked, this, &Tavsloj::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tavsloj::Button2Click);
}

QStringList Tavsloj::lasFilen(bool *ok) const
{
    QStringList fil;
    QStringList rader;
    const bool las = TextFile::readLines(hittaDataFil(StoryFil), fil);
    if (ok)
        *ok = las;
    for (const QString &r : std::as_const(fil))
        rader << (KrypteradeFiler == 1 && !r.isEmpty() ? dekryptrad(r) : r);
    return rader;
}

void Tavsloj::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void Tavsloj::FormShow()
{
    Resett();
}

void Tavsloj::Resett()
{
    Panel1->hide();
    Statistik->hide();
    for (int r = 1; r <= Avslojning::Rader; ++r)
        namn[r]->hide();
    for (int k = 1; k <= Avslojning::Platser; ++k)
        Label[k]->hide();
    letastorys();
    ListBox1->clear();
    if (ListBox2->count() > 0)
        ListBox2->setCurrentRow(0);
    m_pussel.nollstall();
    UpdateInfo();
    Button1->setText(QStringLiteral("Die Geschichte &sehen"));
    Edit1->clear();
    ListBox1->hide();
    Panel7->hide();
    m_valjer = true;
    Panel4->show();
    Panel4->raise();
    ListBox2->setFocus();
}

void Tavsloj::letastorys()
{
    ListBox2->clear();
    ListBox2->addItems(Avslojning::letastorys(lasFilen()));
}

void Tavsloj::ListBox2DblClick()
{
    Panel1->show();
    const QListWidgetItem *vald = ListBox2->currentItem();
    m_pussel.AvslojText = vald ? vald->text().toInt() : 0;
    m_valjer = false;
    Panel4->hide();
    Getwords();
    if (RadioButton1->isChecked()) {
        Panel7->hide();
        ListBox1->show();
        ListBox1->setFocus();
    } else {
        Edit1->clear();
        Panel7->show();
        Edit1->setEnabled(true);
        Edit1->setFocus();
        ListBox1->hide();
    }
    Statistik->show();
    OrdnaLabels();
}

void Tavsloj::visaPlats(int p, const QString &text)
{
    Ordruta *l = Label[p];
    l->setText(text);
    l->adjustSize();
    l->setTarEmot(!m_pussel.lost(p));
    l->show();
}

void Tavsloj::Getwords()
{
    m_pussel.Getwords(lasFilen(), m_pussel.AvslojText);
    for (int r = 1; r <= Avslojning::Rader; ++r) {
        namn[r]->setText(m_pussel.namn(r));
        namn[r]->setVisible(!m_pussel.namn(r).isEmpty());
    }
    for (int k = 1; k <= Avslojning::Platser; ++k) {
        if (m_pussel.harOrd(k)) {
            visaPlats(k, m_pussel.AvslojMask(k));
        } else {
            Label[k]->clear();
            Label[k]->hide();
        }
    }
    fyllBanken();
}

void Tavsloj::fyllBanken()
{
    ListBox1->clear();
    ListBox1->addItems(m_pussel.ListBox1());
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
}

void Tavsloj::OrdnaLabels()
{
    for (int r = 0; r < Avslojning::Rader; ++r) {
        const int forsta = r * Avslojning::OrdPerRad + 1;
        Label[forsta]->move(ForstaVanster, RadTopp[r]);
        for (int k = forsta + 1; k < forsta + Avslojning::OrdPerRad; ++k)
            Label[k]->move(Label[k - 1]->x() + Label[k - 1]->width() + 10, RadTopp[r]);
    }
}

void Tavsloj::utruta(int k, const QString &ord)
{
    const bool ratt = m_pussel.utruta(k, ord);
    status->setText(ratt ? QStringLiteral("Richtig!") : QStringLiteral("FEL!"));
    if (ratt) {
        visaPlats(k, m_pussel.AvslojMask(k));
        Label[k]->repaint();
        fyllBanken();
    }
    UpdateInfo();
    OrdnaLabels();
}

void Tavsloj::Edit1KeyPress()
{
    const QString text = Edit1->text();
    if (text.isEmpty() || text == QStringLiteral("-"))
        return;
    Textkoll();
}

void Tavsloj::Textkoll()
{
    const QList<int> losta = m_pussel.Textkoll(Edit1->text());
    for (int p : losta)
        if (p <= Avslojning::Platser)
            visaPlats(p, m_pussel.AvslojMask(p));
    if (!losta.isEmpty())
        status->setText(QString::number(losta.last()));
    OrdnaLabels();
    Edit1->clear();
    Edit1->repaint();
    Edit1->setFocus();
    UpdateInfo();
}

void Tavsloj::UpdateInfo()
{
    Panel5->setText(QString::number(m_pussel.rattProcent()) + QStringLiteral(" %"));
    Panel6->setText(QString::number(m_pussel.losProcent()) + QStringLiteral(" %"));
    Panel8->setText(QString::number(m_pussel.AvslojForsok));
    if (m_pussel.klar()) {
        ListBox1->hide();
        Panel7->hide();
        OrdnaLabels();
        MessageBox::information(QStringLiteral("Glückwunsch! Geschafft!"));
        Resett();
    }
}

void Tavsloj::VisaStory()
{
    for (int k = 1; k <= Avslojning::Platser; ++k)
        if (m_pussel.harOrd(k)) {
            Label[k]->setText(m_pussel.AvslojOrd(k));
            Label[k]->adjustSize();
        }
}

void Tavsloj::HideStory()
{
    for (int k = 1; k <= Avslojning::Platser; ++k)
        if (m_pussel.harOrd(k)) {
            Label[k]->setText(m_pussel.AvslojMask(k));
            Label[k]->adjustSize();
        }
}

void Tavsloj::Button1Click()
{
    if (Button1->text() == QStringLiteral("Die Geschichte &sehen")) {
        Button1->setText(QStringLiteral("Die Geschichte &verdecken"));
        Edit1->setEnabled(false);
        VisaStory();
    } else {
        Button1->setText(QStringLiteral("Die Geschichte &sehen"));
        HideStory();
        Edit1->setEnabled(true);
        Edit1->setFocus();
    }
    OrdnaLabels();
}

void Tavsloj::Button2Click()
{
    reject();
}

void Tavsloj::escape()
{
    if (m_valjer)
        Button2Click();
    else
        Resett();
}

void Tavsloj::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        escape();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

// The window and the word bank take a dragged word and do nothing with it.
void Tavsloj::dragEnterEvent(QDragEnterEvent *e)
{
    e->acceptProposedAction();
}

void Tavsloj::dragMoveEvent(QDragMoveEvent *e)
{
    e->acceptProposedAction();
}

void Tavsloj::dropEvent(QDropEvent *e)
{
    e->setDropAction(Qt::IgnoreAction);
    e->accept();
}

bool Tavsloj::eventFilter(QObject *o, QEvent *e)
{
    if (o == Panel1 && (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove || e->type() == QEvent::Drop)) {
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            if (o == Edit1) {
                Edit1KeyPress();
                return true;
            }
            if (o == ListBox2 && ListBox2->currentItem()) {
                ListBox2DblClick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(o, e);
}

void Tavsloj_Visa()
{
    Tavsloj avsloj(QApplication::activeWindow());
    avsloj.exec();
}
