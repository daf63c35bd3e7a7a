#include "results/TRekord.h"
#include "frame/scale.h"

#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

// Size of the window at 100 %, before scaling.
constexpr int kDesignWidth = 792;
constexpr int kDesignHeight = 545;
constexpr int kGridFontPx = 16;
constexpr int kButtonFontPx = 14;

constexpr int kRows = RekordMax + 1; // rows 1..101 under the header row

// A name of 32 characters that the name column is measured by.
const QString kSampleName = QStringLiteral("Karl-Heinz Zacharias Müllerström");

} // namespace

TRekord::TRekord(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Rekord"));
    setWindowTitle(QStringLiteral("Varmiko"));
    m_race = isRaceProgram(Programtal);
    FormCreate();
    m_open = oppnaTabell();
    m_Button1->setEnabled(m_open);
    if (m_open)
        visaTabell();
}

void TRekord::FormCreate()
{
    // The size at 100 %, scaled; on a screen too small for that, as large
    // as the screen allows in the same proportions, and the fonts with it.
    const QSize skarm = skarmStorlek();
    const qreal k = std::min({1.0, qreal(skarm.width()) / std::max(1, skaladPixel(kDesignWidth)),
                              qreal(skarm.height()) / std::max(1, skaladPixel(kDesignHeight))});
    const auto skalad = [k](int designPixlar) { return std::max(1, int(skaladPixel(designPixlar) * k)); };
    const int W = skalad(kDesignWidth);
    const int H = skalad(kDesignHeight);
    const int M = Marginal;
    setFixedSize(W, H);

    // The side panels lie under the table and title panels that overlap them.
    m_VPanel = upphojdPanel(this, QStringLiteral("VPanel"), Qt::blue);
    m_VPanel->setGeometry(0, 0, W / 8, H);
    m_HPanel = upphojdPanel(this, QStringLiteral("HPanel"), Qt::blue);
    m_HPanel->setGeometry(W - W / 8, 0, W / 8, H);

    m_OverPanelen = upphojdPanel(this, QStringLiteral("OverPanelen"), Qt::blue);
    m_OverPanelen->setGeometry(W / 8, 0, 3 * W / 4, H / 8);
    m_Label1 = new QLabel(m_OverPanelen);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setAlignment(Qt::AlignCenter);
    m_Label1->setText(QStringLiteral("Rekordtabell för ") + recordTableName(Programtal));
    textfarg(m_Label1, Qt::white);
    // Shrink the title until it fits the panel, but never below 10 points.
    QFont tf(QStringLiteral("Arial"));
    tf.setBold(true);
    const int ryms = m_OverPanelen->width() - 2 * M;
    const int rymsHojd = m_OverPanelen->height() - M;
    for (int pt = 40; pt >= 10; --pt) {
        tf.setPointSize(pt);
        const QFontMetrics fm(tf);
        if (fm.horizontalAdvance(m_Label1->text()) <= ryms && fm.height() <= rymsHojd)
            break;
    }
    m_Label1->setFont(tf);
    const int lh = QFontMetrics(tf).height();
    m_Label1->setGeometry(0, (m_OverPanelen->height() - lh) / 2, m_OverPanelen->width(), lh);

    m_RekordPanelen = upphojdPanel(this, QStringLiteral("RekordPanelen"), Qt::white);
    m_RekordPanelen->setGeometry(W / 16, H / 8, 7 * W / 8, 3 * H / 4);
    m_RekordPanel2 = upphojdPanel(m_RekordPanelen, QStringLiteral("RekordPanel2"), Qt::red);
    m_RekordPanel2->setGeometry(M, M, m_RekordPanelen->width() - 2 * M, m_RekordPanelen->height() - 2 * M);

    m_StringGrid1 = new QTableWidget(kRows, 4, m_RekordPanel2);
    m_StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    m_StringGrid1->setGeometry(M, M, m_RekordPanel2->width() - 2 * M, m_RekordPanel2->height() - 2 * M);
    QFont gf(QStringLiteral("Arial"));
    gf.setPixelSize(skalad(kGridFontPx));
    m_StringGrid1->setFont(gf);
    m_StringGrid1->horizontalHeader()->setFont(gf);
    m_StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    m_StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_StringGrid1->setWordWrap(false);
    m_StringGrid1->verticalHeader()->hide();
    m_StringGrid1->horizontalHeader()->setSectionsClickable(false);
    m_StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_StringGrid1->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics gm(gf);
    const int radHojd = gm.height() * 8 / 7 + 1;
    m_StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_StringGrid1->verticalHeader()->setDefaultSectionSize(radHojd);
    m_StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    m_StringGrid1->horizontalHeader()->setFixedHeight(radHojd + 2);
    m_StringGrid1->setColumnWidth(0, gm.horizontalAdvance(QStringLiteral(" 400  ")));
    m_StringGrid1->setColumnWidth(1, gm.horizontalAdvance(kSampleName));
    m_StringGrid1->setColumnWidth(2, gm.horizontalAdvance(QStringLiteral(" 3970523 24:553 ")));
    m_StringGrid1->setHorizontalHeaderLabels({QStringLiteral("  Nr"), QStringLiteral("       Namn"),
                                              QStringLiteral("  Datum och tid"),
                                              m_race ? QStringLiteral("  Sekunder") : QStringLiteral("    Resultat")});
    for (int r = 1; r <= kRows; ++r) {
        auto *nr = new QTableWidgetItem(formatRowNumber(r));
        nr->setBackground(palette().button());
        m_StringGrid1->setItem(r - 1, 0, nr);
    }
    m_StringGrid1->installEventFilter(this);

    m_NederPanelen = upphojdPanel(this, QStringLiteral("NederPanelen"), Qt::blue);
    m_NederPanelen->setGeometry(W / 16, H / 8 + 3 * H / 4, 7 * W / 8, H / 8);
    QFont bf(QStringLiteral("Arial"));
    bf.setPixelSize(skalad(kButtonFontPx));
    bf.setBold(true);
    const int nw = m_NederPanelen->width();
    const int nh = m_NederPanelen->height();
    const int bh = qMin(nh - M, QFontMetrics(bf).height() * 2);
    m_Sluta = new QPushButton(QStringLiteral("Tillbaka &utan att spara - ESC"), m_NederPanelen);
    m_Sluta->setObjectName(QStringLiteral("Sluta"));
    m_Button1 = new QPushButton(QStringLiteral("Tillbaka och &spara - Enter"), m_NederPanelen);
    m_Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton *b : {m_Sluta, m_Button1})
        b->setFont(bf);
    for (QPushButton *b : {m_Sluta, m_Button1})
        passaTexten(b);
    m_Sluta->setGeometry(nw / 64, (nh - bh) / 2, 30 * nw / 64, bh);
    m_Button1->setGeometry(33 * nw / 64, (nh - bh) / 2, 30 * nw / 64, bh);
    connect(m_Sluta, &QPushButton::clicked, this, &TRekord::SlutaClick);
    connect(m_Button1, &QPushButton::clicked, this, &TRekord::Button1Click);

    setTabOrder(m_StringGrid1, m_Button1);
    setTabOrder(m_Button1, m_Sluta);
    m_StringGrid1->setFocus();
}

bool TRekord::oppnaTabell()
{
    if (ScoreDirectoryOk == 0) {
        MessageBox::warning(scoreDirectoryMessage(ScoreDirectory));
        return false;
    }
    RekordPost.Namn = kortad(RekordPost.Namn, TRekordRad::NamnLangd);
    const QDateTime nu = Clock::now();
    RekordPost.Ar = quint16(nu.date().year());
    RekordPost.Manad = quint16(nu.date().month());
    RekordPost.Dag = quint16(nu.date().day());
    RekordPost.Timme = quint16(nu.time().hour());
    RekordPost.Minut = quint16(nu.time().minute());

    m_fil = recordFilePath(RekordFilNamn);
    QList<TRekordRad> lagrade;
    QString meddelande;
    // A new table's file is made now, so that the entry can be kept.
    if (!loadRecordTable(m_fil, lagrade, meddelande)) {
        MessageBox::warning(meddelande);
        return false;
    }
    // Told now, before the player chooses to save, when the entry cannot be kept.
    const QString hinder = recordTableObstacle(m_fil);
    if (!hinder.isEmpty())
        MessageBox::warning(hinder);
    m_tabell = rankEntry(lagrade, RekordPost, m_race);
    return true;
}

void TRekord::visaTabell()
{
    for (int r = 1; r <= int(m_tabell.rows.size()); ++r) {
        const TRekordRad &rad = m_tabell.rows[r - 1];
        m_StringGrid1->setItem(r - 1, 1, new QTableWidgetItem(QStringLiteral("   ") + rad.Namn));
        m_StringGrid1->setItem(r - 1, 2, new QTableWidgetItem(formatDateTime(rad)));
        auto *res = new QTableWidgetItem(formatResult(rad.Resultat, m_race));
        res->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_StringGrid1->setItem(r - 1, 3, res);
    }
    if (!m_tabell.entryPlaced())
        m_StringGrid1->item(kRows - 1, 0)->setText(QStringLiteral("  X"));

    const int rad = m_tabell.newRow - 1;
    m_StringGrid1->setCurrentCell(rad, 1, QItemSelectionModel::NoUpdate);
    const QModelIndex forsta = m_StringGrid1->model()->index(rad, 1);
    const QModelIndex sista = m_StringGrid1->model()->index(rad, 3);
    m_StringGrid1->selectionModel()->select(QItemSelection(forsta, sista), QItemSelectionModel::ClearAndSelect);
}

void TRekord::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_open && !m_rullad) {
        m_rullad = true;
        rullaTillNyRad();
    }
}

void TRekord::rullaTillNyRad()
{
    // Near the top the table starts at row 1, near the end at row 90; in
    // between the new row is shown in the middle.
    const int n = m_tabell.newRow;
    auto index = [this](int row) { return m_StringGrid1->model()->index(row - 1, 1); };
    if (n <= 9) {
        m_StringGrid1->scrollToTop();
    } else if (n <= 89) {
        m_StringGrid1->scrollTo(index(n), QAbstractItemView::PositionAtCenter);
    } else {
        m_StringGrid1->scrollTo(index(90), QAbstractItemView::PositionAtTop);
        m_StringGrid1->scrollTo(index(n), QAbstractItemView::EnsureVisible);
    }
}

bool TRekord::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button1Click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            SlutaClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TRekord::sparaTabell()
{
    QString meddelande;
    if (saveRecordEntry(m_fil, RekordPost, m_race, meddelande))
        return true;
    MessageBox::warning(meddelande);
    return false;
}

void TRekord::Button1Click()
{
    if (m_open)
        sparaTabell();
    accept();
}

void TRekord::SlutaClick()
{
    reject();
}

void TRekord_Visa()
{
    TRekord Rekord(QApplication::activeWindow());
    if (Rekord.isOpen())
        Rekord.exec();
}
