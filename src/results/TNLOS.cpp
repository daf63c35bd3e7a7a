#include "results/TNLOS.h"
#include "frame/scale.h"

#include "frame/TDiagnosPost.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

quint8 LosenOk = 0;

namespace {

constexpr int Vanstermarginal = 15;

const QString NochEinmal = QStringLiteral("Noch einmal die neue Losung, bitte!");

} // namespace

TNLOS::TNLOS(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NLOS"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int W = skaladPixel(460);
    const int H = skaladPixel(190);
    setFixedSize(W, H);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bgrFarg(0xFFFF00)); // aqua
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(skaladArial(16));

    Label1 = new QLabel(QStringLiteral("Neue Losung schreiben. Enter drücken."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();
    Label1->move((W - Label1->width()) / 2, skaladPixel(20));
    Label2 = new QLabel(QStringLiteral("Noch einmal."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->adjustSize();
    Label2->move(Vanstermarginal, Label1->y() + Label1->height() + skaladPixel(6));
    Label2->hide();

    maskedit1 = new QLineEdit(this);
    maskedit1->setObjectName(QStringLiteral("maskedit1"));
    maskedit1->setEchoMode(QLineEdit::Password);
    maskedit1->setGeometry(skaladPixel(130), skaladPixel(85), skaladPixel(200), skaladPixel(28));
    maskedit1->installEventFilter(this);
    connect(maskedit1, &QLineEdit::textEdited, this, &TNLOS::maskedit1Change);

    BitBtn1 = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn1->setDefault(false);
    BitBtn1->setGeometry((W - skaladPixel(140)) / 2, skaladPixel(135), skaladPixel(140), skaladPixel(32));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    LosenOk = 0; // a cancel must never pass for an earlier confirmation
    maskedit1->clear();
    m_forsta.clear();
    maskedit1->setFocus();
}

void TNLOS::meddela(const QString &text, bool noch)
{
    Label1->setText(text);
    Label1->adjustSize();
    Label1->move(Vanstermarginal, Label1->y());
    Label2->setVisible(noch);
}

void TNLOS::maskedit1Enter()
{
    const QString t = maskedit1->text();
    // The password kept is the first ten characters, so those decide
    // whether it is the old one.
    if (kortad(t, DiagnosLosenLangd) == AktivDiagnos.Losen) {
        maskedit1->clear();
        meddela(QStringLiteral("Alte Losung gilt nicht!"), true);
        m_meddelande = true;
    } else if (t != m_forsta) {
        Label2->hide();
        if (t.isEmpty()) {
            meddela(QStringLiteral("Die richtige Losung, bitte!"), false);
            m_meddelande = true;
        } else if (!m_forsta.isEmpty()) {
            meddela(QStringLiteral("Die gleiche Losung, bitte!"), true);
            maskedit1->clear();
            m_meddelande = true;
        } else {
            m_forsta = t;
            meddela(NochEinmal, false);
            maskedit1->clear();
        }
    } else if (!t.isEmpty()) {
        LosenOk = 1;
        AktivDiagnos.Losen = kortad(t, DiagnosLosenLangd);
        accept();
    } else {
        meddela(QStringLiteral("Die richtige Losung, bitte!"), false);
        m_meddelande = true;
    }
}

void TNLOS::maskedit1Change()
{
    if (!m_meddelande)
        return;
    m_meddelande = false;
    meddela(NochEinmal, false);
}

bool TNLOS::eventFilter(QObject *o, QEvent *e)
{
    if (o == maskedit1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            maskedit1Enter();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TNLOS::keyPressEvent(QKeyEvent *e)
{
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The focused button takes its Enter before this (the application's
        // key filter); elsewhere Enter picks no default button.
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e); // Esc cancels
}

void TNLOS_Visa()
{
    TNLOS NLOS(QApplication::activeWindow());
    NLOS.exec();
}
