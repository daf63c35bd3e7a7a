#include "results/Tdiaprot.h"
#include "frame/scale.h"

#include "frame/TDiagnosPost.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/datafiles.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "results/TDiagutform.h"
#include "results/TNLOS.h"
#include "results/diagnosfonster.h"
#include "results/diagnoskoppling.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/protokolltabell.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <memory>

namespace {

const QColor kRed(255, 0, 0);
const QColor kAqua(0, 255, 255);
const QColor kYellow(255, 255, 0);

bool arOmradesRad(int rad)
{
    return rad >= 1 && rad <= DiagnosOmradenIBruk;
}

// Grid lines two pixels wide, drawn inside each cell so that the rows keep
// their height.
class Rutnat : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::paint(p, o, i);
        const QRect r = o.rect;
        p->fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), Qt::black);
        p->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), Qt::black);
        if (i.row() == 0)
            p->fillRect(QRect(r.left(), r.top(), r.width(), 2), Qt::black);
        if (i.column() == 0)
            p->fillRect(QRect(r.left(), r.top(), 2, r.height()), Qt::black);
    }
};

} // namespace

Tdiaprot::Tdiaprot(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("diaprot"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    farg(this, Qt::black, kRed);
    byggKomponenter();

    if (!arOmradesRad(ProtokollRad))
        ProtokollRad = 1;
    Label1->setText(QStringLiteral("Diagnosprotokoll för ") + AktivDiagnos.Namn);
    layOut(skarmStorlek());
    Panel2->hide();
    DiagSpara = 0;
    m_sparad = AktivDiagnos.toBytes();

    // What the exercises and the result report tell the open protocol.
    setProtocolRedraw([this] {
        setEnabled(true);
        rita_prot();
        repaint();
    });
    diagnoskoppling() = Diagnoskoppling{
        [this](bool aktiv) { setEnabled(aktiv); },
        [this](int rad, const QString &text) {
            if (arOmradesRad(rad))
                StringGrid1->item(rad, 4)->setText(text);
        },
        [this] { Panel2->hide(); },
    };
}

Tdiaprot::~Tdiaprot()
{
    setProtocolRedraw({});
    diagnoskoppling() = Diagnoskoppling{};
}

void Tdiaprot::byggKomponenter()
{
    auto label = [](const char *name, QWidget *parent) {
        auto *l = new QLabel(parent);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    auto panel = [](const char *name, QWidget *parent, const QColor &bakgrund) {
        auto *p = new QFrame(parent);
        p->setObjectName(QLatin1String(name));
        p->setFrameShape(QFrame::Panel);
        p->setFrameShadow(QFrame::Raised);
        farg(p, Qt::black, bakgrund);
        return p;
    };

    Label1 = label("Label1", this);
    Label1->setFont(skaladArial(28));
    farg(Label1, Qt::black, kAqua);
    Label1->setIndent(Marginal);

    StringGrid1 = new QTableWidget(ProtokollRader, ProtokollKolumner, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setShowGrid(false);
    StringGrid1->setItemDelegate(new Rutnat(StringGrid1));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setFocusPolicy(Qt::StrongFocus);
    QPalette gp = StringGrid1->palette();
    gp.setColor(QPalette::Base, Qt::white);
    gp.setColor(QPalette::Text, Qt::black);
    StringGrid1->setPalette(gp);
    for (int r = 0; r < ProtokollRader; ++r) {
        for (int c = 0; c < ProtokollKolumner; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            item->setForeground(Qt::black);
            // Only the area rows can be chosen: neither the headers nor the
            // total start anything.
            if (!arOmradesRad(r))
                item->setFlags(Qt::NoItemFlags);
            else if (c == 0)
                item->setFlags(Qt::ItemIsEnabled);
            else
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (r == 0)
                item->setBackground(kAqua);
            StringGrid1->setItem(r, c, item);
        }
    }
    for (int c = 0; c < ProtokollKolumner; ++c)
        StringGrid1->item(0, c)->setText(protokollText(AktivDiagnos, 0, c));
    StringGrid1->item(SummaRad, 1)->setText(protokollText(AktivDiagnos, SummaRad, 1));
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int rad, int, int, int) { valjRad(rad); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int rad, int) {
        if (!arOmradesRad(rad))
            return;
        ProtokollRad = rad;
        StartaOmrade();
    });

    Panel2 = panel("Panel2", this, kYellow);
    Label2 = label("Label2", Panel2);
    Label3 = label("Label3", Panel2);
    Panel1 = panel("Panel1", this, kYellow);
    Label4 = label("Label4", Panel1);
    Label5 = label("Label5", Panel1);
    for (QLabel *l : {Label2, Label3, Label4, Label5})
        l->setFont(skaladArial(20));
    Panel1->installEventFilter(this);
    Panel1->hide();

    EscapePanel = panel("EscapePanel", this, kAqua);
    auto knapp = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, EscapePanel);
        b->setObjectName(QLatin1String(name));
        b->setFont(skaladArial(18));
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    AvbrytButton = knapp("AvbrytButton", QStringLiteral("&Avbryta"));
    LosenButton = knapp("LosenButton", QStringLiteral("&Nytt lösen"));
    HjalpButton = knapp("HjalpButton", QStringLiteral("&Hjälp"));
    SkrivutButton = knapp("SkrivutButton", QStringLiteral("&Skriv ut"));
    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);
    connect(LosenButton, &QPushButton::clicked, this, &Tdiaprot::LosenButtonClick);
    connect(HjalpButton, &QPushButton::clicked, this, &Tdiaprot::HjalpButtonClick);
    connect(SkrivutButton, &QPushButton::clicked, this, &Tdiaprot::SkrivutButtonClick);

    TestLabel = label("TestLabel", this);
    TestLabel->hide();
}

void Tdiaprot::layOut(const QSize &s)
{
    const int W = qMax(ProtokollKolumner, s.width());
    const int H = qMax(ProtokollRader, s.height());
    const int M = Marginal;
    resize(W, H);

    // Title, table and button panel share the height; on a very low screen
    // the title gives way first.
    const int th = qMax(1, qMin(Label1->sizeHint().height(), H / 10));
    Label1->setGeometry(0, 0, W, th);
    const int eh = th * 7 / 4;
    const int radHojd = qMax(1, (H - th - eh) / ProtokollRader);
    m_tabellHojd = radHojd * ProtokollRader;

    const QFont gridFont = arial(qMin(skaladPixel(16), qMax(1, radHojd * 2 / 3)), true);
    StringGrid1->setFont(gridFont);
    TestLabel->setFont(gridFont);
    const int w = TestLabel->fontMetrics().horizontalAdvance(QStringLiteral("  970523 24:55  "));
    StringGrid1->setGeometry(0, th, W, m_tabellHojd);
    StringGrid1->verticalHeader()->setDefaultSectionSize(radHojd);
    for (int r = 0; r < ProtokollRader; ++r)
        StringGrid1->setRowHeight(r, radHojd);
    auto bredd = protokollKolumnBredder(W, M, w);
    // The columns' own widths leave the headers of the narrow ones little
    // room with some fonts: a column gets what its texts need from the area
    // column, when the screen allows it.
    std::array<int, ProtokollKolumner> behov{};
    const QFontMetrics fm = TestLabel->fontMetrics();
    for (int c = 0; c < ProtokollKolumner; ++c) {
        int bredast = c == 3 ? w : 0;
        for (int r = 0; r < ProtokollRader; ++r)
            bredast = qMax(bredast, fm.horizontalAdvance(protokollText(AktivDiagnos, r, c)));
        for (const QString &ord : StatusNamn)
            if (c == 4)
                bredast = qMax(bredast, fm.horizontalAdvance(QStringLiteral("    ") + ord));
        behov[size_t(c)] = bredast + M;
    }
    passaKolumner(bredd, behov);
    for (int c = 0; c < ProtokollKolumner; ++c)
        StringGrid1->setColumnWidth(c, bredd[size_t(c)]);
    KolumnProcent = protokollKolumnProcent(W, M, w);

    const int panelTopp = th + m_tabellHojd;
    const int panelHojd = qMax(1, H - panelTopp);
    EscapePanel->setGeometry(0, panelTopp, W, panelHojd);
    const QList<QPushButton *> knappar{AvbrytButton, LosenButton, HjalpButton, SkrivutButton};
    int onskad = 0;
    for (QPushButton *b : knappar)
        onskad = qMax(onskad, b->sizeHint().width() * 3 / 2);
    const int bw = qMax(1, qMin(onskad, (W - 5 * M) / 4));
    const int bh = qMax(1, qMin(AvbrytButton->sizeHint().height(), panelHojd - 2));
    const int mellan = qMax(0, (W - 4 * bw) / 5);
    const int topp = (panelHojd - bh) * 5 / 16;
    int x = mellan;
    for (QPushButton *b : knappar) {
        b->setGeometry(x, topp, bw, bh);
        x += bw + mellan;
    }

    HjalpText();
    if (Panel2->isVisibleTo(this))
        InfoText();
}

void Tdiaprot::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    rita_prot();
    StringGrid1->setFocus();
}

void Tdiaprot::rita_prot()
{
    Label1->setText(QStringLiteral("Diagnosprotokoll för  ") + AktivDiagnos.Namn);
    Label1->setGeometry(0, 0, width(), Label1->height());
    // Saved first: the record as saved holds what other programs saved for
    // the same pupil, and the table shows that.
    if (DiagSpara != 0 && SparaProtokoll())
        m_sparad = AktivDiagnos.toBytes();
    for (int rad = 1; rad <= DiagnosOmradenIBruk; ++rad)
        for (int c = 0; c < ProtokollKolumner; ++c)
            StringGrid1->item(rad, c)->setText(protokollText(AktivDiagnos, rad, c));
    StringGrid1->setCurrentCell(ProtokollRad, 1);
    StringGrid1->item(SummaRad, 2)->setText(protokollText(AktivDiagnos, SummaRad, 2));
}

void Tdiaprot::valjRad(int rad)
{
    if (!arOmradesRad(rad))
        return;
    ProtokollRad = rad;
    Panel2->hide();
}

void Tdiaprot::visaProtokollet(bool aktiv)
{
    setEnabled(aktiv);
    if (aktiv) {
        activateWindow();
        StringGrid1->setFocus();
    }
}

void Tdiaprot::StartaOmrade()
{
    if (!arOmradesRad(ProtokollRad))
        return;
    OvningsLage = 2;
    Panel2->hide();
    DiagRad = ProtokollRad;
    visaProtokollet(false);

    const int k = DiagRad;
    const quint8 status = AktivDiagnos.Status[k];
    if (status == StatusVanta) {
        InfoText();
        visaProtokollet(true);
        return;
    }
    if (status == StatusOva) {
        OvningsLage = 3;
        DiagOvningNr = 0;
        DataFilNamn = diagnosFilNamn(k, true);
    } else {
        DataFilNamn = diagnosFilNamn(k, false);
    }

    const QString fonster = diagnosFonsterKlass(k);
    if (!harFonster(fonster)) {
        MessageBox::information(QStringLiteral("Övningsfönstret för ") + DiagOmraden[k]
                                + QStringLiteral(" finns inte i programmet än."));
    } else if (Kolla(DataFilNamn)) {
        visaFonster(fonster);
        // A passed practice changes the record without reporting a result:
        // it is saved now like a test, not only when the protocol closes.
        if (AktivDiagnos.toBytes() != m_sparad)
            DiagSpara = 1;
        rita_prot();
    }
    visaProtokollet(true);
}

void Tdiaprot::InfoText()
{
    const int k = ProtokollRad;
    if (!arOmradesRad(k) || k < 2 || AktivDiagnos.Status[k] != StatusVanta || !arEfterfoljare(k))
        return;
    Label2->setText(QStringLiteral("Du måste göra ") + DiagOmraden[k - 1]);
    Label3->setText(QStringLiteral("innan du gör detta test."));
    Label2->adjustSize();
    Label3->adjustSize();
    const int M = Marginal;
    Label2->move(15, M / 2);
    Label3->move(15, Label2->y() + Label2->height());
    const int pw = qMin(width(), qMax(Label2->width(), Label3->width()) + 30);
    const int ph = Label3->y() + Label3->height() + M / 2;
    // Just below the chosen row, 20 pixels in from the right edge; never
    // outside the window.
    const int x = qMax(0, width() - pw - 20);
    int y = StringGrid1->y() + (k + 1) * m_tabellHojd / ProtokollRader;
    y = qMax(0, qMin(y, height() - ph));
    Panel2->setGeometry(x, y, pw, ph);
    Panel2->show();
    Panel2->raise();
}

void Tdiaprot::HjalpText()
{
    const int M = Marginal;
    Label4->setText(QStringLiteral("Flytta till önskad rad och dubbelklicka"));
    Label5->setText(QStringLiteral("eller tryck enter så kommer diagnosen."));
    Label4->adjustSize();
    Label5->adjustSize();
    Label4->move(M, M / 2);
    Label5->move(M, Label4->y() + Label4->height());
    // As wide as the wider line (at 100 % the first).
    const int pw = qMin(width(), qMax(Label4->width(), Label5->width()) + 2 * M);
    const int ph = Label5->y() + Label5->height() + M / 2;
    const int x = qMax(0, (width() - pw) / 2);
    const int y = qMax(0, qMin(StringGrid1->y() + 2 * m_tabellHojd / ProtokollRader, height() - ph));
    Panel1->setGeometry(x, y, pw, ph);
}

void Tdiaprot::HjalpButtonClick()
{
    Panel1->raise();
    Panel1->show();
    StringGrid1->setFocus();
}

void Tdiaprot::AvbrytButtonClick()
{
    // When the save fails the protocol stays open, so that the results can
    // be saved again once the directory is in order; only the pupil's own
    // choice closes it without them.
    // A record deleted meanwhile that the pupil chose not to keep closes
    // without a further question.
    QString fel;
    if (sparaAktivDiagnos(&fel) == Sparning::Misslyckad
        && !MessageBox::askYesNo(fel + QStringLiteral("\n\nProtokollet är kvar, så att du kan försöka spara igen med "
                                                      "\"Avbryta\". Vill du stänga det ändå? Då går de nya resultaten "
                                                      "förlorade.")))
        return;
    DiagAvbruten = 1;
    OvningsLage = 0;
    m_stangs = true;
    done(QDialog::Accepted);
}

void Tdiaprot::LosenButtonClick()
{
    // A confirmed password is saved at once, so that it holds even when the
    // program ends before the next save.
    TNLOS_Visa();
    if (LosenOk == 1 && SparaNyttLosen())
        m_sparad = AktivDiagnos.toBytes();
    activateWindow();
    StringGrid1->setFocus();
}

void Tdiaprot::SkrivutButtonClick()
{
    std::unique_ptr<TDiagutform> egen;
    TDiagutform *utskrift = Diagutform;
    if (!utskrift) {
        egen = std::make_unique<TDiagutform>();
        utskrift = egen.get();
    }
    QTableWidget *g = utskrift->StringGrid1;
    g->setColumnCount(StringGrid1->columnCount());
    g->setRowCount(StringGrid1->rowCount());
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        for (int c = 0; c < StringGrid1->columnCount(); ++c) {
            const QTableWidgetItem *fran = StringGrid1->item(r, c);
            g->setItem(r, c, new QTableWidgetItem(fran ? fran->text() : QString()));
        }
    }
    utskrift->SkrivutDiaggen(this);
    StringGrid1->setFocus();
}

void Tdiaprot::reject()
{
    close(); // Esc takes the way of "&Avbryta"
}

void Tdiaprot::closeEvent(QCloseEvent *e)
{
    if (m_stangs) {
        e->accept();
        return;
    }
    // Closing by the window manager saves like "&Avbryta".
    e->ignore();
    AvbrytButtonClick();
}

bool Tdiaprot::eventFilter(QObject *o, QEvent *e)
{
    if (o == StringGrid1 && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            StartaOmrade();
            return true;
        }
        Panel1->hide();
    } else if (o == StringGrid1->viewport()) {
        if (e->type() == QEvent::MouseButtonPress) {
            Panel1->hide();
        } else if (e->type() == QEvent::MouseButtonRelease) {
            // Only a release over an area row chooses it.
            const int rad = StringGrid1->rowAt(static_cast<QMouseEvent *>(e)->position().toPoint().y());
            if (arOmradesRad(rad))
                ProtokollRad = rad;
        }
    } else if (o == Panel1 && e->type() == QEvent::MouseButtonPress) {
        Panel1->hide();
    }
    return QDialog::eventFilter(o, e);
}

void Tdiaprot_Visa()
{
    Tdiaprot w;
    w.exec();
}
