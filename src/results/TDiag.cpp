#include "results/TDiag.h"
#include "frame/scale.h"

#include "frame/TDiagnosPost.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/MessageBox.h"
#include "platform/ShapeWidget.h"
#include "results/TNLOS.h"
#include "results/diagnosregister.h"
#include "results/lararlosen.h"

#include <QApplication>
#include <QCollator>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

QString ElevLosen;
quint8 RaderaTyp = 0;

namespace {

constexpr int TillaatnaFel = 3;
constexpr int NamnLangd = 20;

std::function<void()> &protokollVisning()
{
    static std::function<void()> visa;
    return visa;
}

const QStringList &hjalpRader()
{
    static const QStringList rader{
        QStringLiteral("1. Så här tar du bort din egen diagnos: "),
        QStringLiteral("- När du ser namnlistan markerar du ditt namn. Klicka försiktigt eller använd nedåtpilen"),
        QStringLiteral("- Tryck sedan på bokstaven R som i Radera. "),
        QStringLiteral("- Skriv ditt lösenord. "),
        QStringLiteral("- Du får då för säkerhets skull en fråga om du verkligen vill ta bort din diagnos"),
        QStringLiteral("- Gör du detta försvinner diagnosen från listan och kan inte återskapas"),
        QStringLiteral("2. Om du är administratör av datorprogrammet gör du så här. "),
        QStringLiteral("- Klicka på Ny person "),
        QStringLiteral("- Skriv Lärare i rutan "),
        QStringLiteral("- Skriv lösenordet som till en början är KLOSTRAB"),
        QStringLiteral("- Du kan då välja mellan följande alternativ: "),
        QStringLiteral("a) Ta bort alla diagnoser. Filen där diagnoserna ligger, TDIAG.DIA raderas men sparas"),
        QStringLiteral("     i en fil VR0212010823.DIS i samma katalog (VR+år+mån+dag+tim+min.DIS). "),
        QStringLiteral("     En ny DIA-fil skapas automatiskt när första diagnosen görs.  "),
        QStringLiteral("b) Ta bort enstaka med angivande av lösenordet. Fungerar som under 1. "),
        QStringLiteral("c) Ta bort enstaka utan att behöva ange lösenordet. Fungerar som under 1 men lösenordet "
                       "behöver inte anges."),
        QStringLiteral("3. Om du som administratör vill ändra lösenordet gör du så här: "),
        QStringLiteral("- När INFO-knappen har fokus trycker du bokstaven Ä och ändrar ditt lösenord. "),
        QStringLiteral("- Om du mot förmodan glömt lösenordet måste du kontakta mig,   "),
        QStringLiteral("  programmets upphovsman, som kan ge dig ett reservlösenord."),
    };
    return rader;
}

bool arEnter(const QKeyEvent *k)
{
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

void setShowProtocol(std::function<void()> show)
{
    protokollVisning() = std::move(show);
}

TDiag::TDiag(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Diag"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bgrFarg(0xC0C0C0)); // silver
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(skaladArial(18));
    byggKomponenter();
    FormCreate();
}

void TDiag::byggKomponenter()
{
    auto panel = [](QWidget *parent, const char *name) {
        auto *p = new QFrame(parent);
        p->setObjectName(QLatin1String(name));
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setLineWidth(2);
        return p;
    };
    auto label = [](QWidget *parent, const char *name, const QString &text, int px) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(QLatin1String(name));
        l->setFont(skaladArial(px));
        return l;
    };
    auto button = [](QWidget *parent, const char *name, const QString &text) {
        auto *b = new QPushButton(text, parent);
        b->setObjectName(QLatin1String(name));
        // Enter is this dialog's own key: no button presses itself on it.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };

    Panel1 = panel(this, "Panel1");
    Panel2 = panel(Panel1, "Panel2");
    QWidget *p = Panel2;
    OverskriftLabel = label(p, "OverskriftLabel", QStringLiteral("Diagnose"), 40);
    FelLosenLabel = label(p, "FelLosenLabel", QStringLiteral("Falsche Losung. Neuer Versuch!"), 20);
    textfarg(FelLosenLabel, Qt::red);
    SkrivLosenLabel = label(p, "SkrivLosenLabel", QStringLiteral("Losung schreiben:"), 20);
    SkrivDittNamnLabel = label(p, "SkrivDittNamnLabel", QStringLiteral("Namen schreiben. Enter drücken:"), 20);
    ListOverskriftLabel = label(p, "ListOverskriftLabel", QStringLiteral("Namenliste"), 20);

    ListBox1 = new QListWidget(p);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(skaladArial(18));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDiag::ListBox1DblClick);

    Edit1 = new QLineEdit(p);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(NamnLangd);
    Edit1->installEventFilter(this);

    MaskEdit1 = new QLineEdit(p);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setMaxLength(DiagnosLosenLangd);
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->installEventFilter(this);

    NyAnvandareButton = button(p, "NyAnvandareButton", QStringLiteral("&Neue Person"));
    AvbrytButton = button(p, "AvbrytButton", QStringLiteral("&Abbrechen"));
    connect(NyAnvandareButton, &QPushButton::clicked, this, &TDiag::NyAnvandareButtonClick);
    connect(AvbrytButton, &QPushButton::clicked, this, &TDiag::AvbrytButtonClick);

    Panel3 = panel(p, "Panel3");
    LararLabel = label(Panel3, "LararLabel", QStringLiteral("Välj ett alternativ"), 20);
    Button1 = button(Panel3, "Button1", QStringLiteral("Ta bort alla diagnoser"));
    Button3 = button(Panel3, "Button3", QStringLiteral("Ta bort enstaka med lösen"));
    Button4 = button(Panel3, "Button4", QStringLiteral("Ta bort enstaka utan lösen"));
    Button2 = button(Panel3, "Button2", QStringLiteral("Info"));
    Button2->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TDiag::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TDiag::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDiag::Button4Click);
    connect(Button2, &QPushButton::clicked, this, &TDiag::Button2Click);

    Regelpanel = panel(p, "Regelpanel");
    Regelpanel->setAutoFillBackground(true);
    RegelRubrik = label(Regelpanel, "RegelRubrik", QStringLiteral("Ta bort diagnoser"), 22);
    RegelText = label(Regelpanel, "RegelText", hjalpRader().join(QLatin1Char('\n')), 14);
    RegelText->setTextFormat(Qt::PlainText);
    RegelText->setFont(skaladArial(14, false));
    Button5 = button(Regelpanel, "Button5", QStringLiteral("Stäng"));
    connect(Button5, &QPushButton::clicked, this, &TDiag::Button5Click);

    placera();
}

void TDiag::placera()
{
    const QSize s = skarmStorlek();
    setGeometry(0, 0, s.width(), s.height());
    const int W = s.width();
    const int H = s.height();
    const int M = qMax(4, Marginal);
    Panel1->setGeometry(M, M, W - 2 * M, H - 2 * M);
    Panel2->setGeometry(20, 20, Panel1->width() - 40, Panel1->height() - 40);
    const int w = Panel2->width();
    const int h = Panel2->height();
    const int rad = QFontMetrics(skaladArial(20)).height();

    OverskriftLabel->adjustSize();
    OverskriftLabel->move((w - OverskriftLabel->width()) / 2, h / 20);
    const int topp = OverskriftLabel->y() + OverskriftLabel->height() + 2 * rad;

    const int vx = w / 12;
    const int kolumn = w * 3 / 8;
    ListOverskriftLabel->adjustSize();
    ListOverskriftLabel->move(vx, topp);
    const int knappH = rad * 2;
    const int listTopp = topp + rad * 3 / 2;
    ListBox1->setGeometry(vx, listTopp, kolumn, h - listTopp - 2 * knappH - rad);

    const int hx = w / 2;
    const int falt = qMin(w - hx - vx, skaladPixel(320));
    // The lines over the entries keep to the right column.
    m_hogerSpalt = QRect(hx, 0, w - hx - M, h);
    SkrivDittNamnLabel->move(hx, topp);
    Edit1->setGeometry(hx, topp + rad * 3 / 2, falt, rad * 3 / 2);
    SkrivLosenLabel->move(hx, topp + rad * 4);
    FelLosenLabel->move(hx, topp + rad * 4);
    for (QLabel *l : {SkrivDittNamnLabel, SkrivLosenLabel, FelLosenLabel})
        skrivRad(l, l->text());
    MaskEdit1->setGeometry(hx, topp + rad * 11 / 2, falt, rad * 3 / 2);

    const int knappB = qMax(skaladPixel(180), QFontMetrics(NyAnvandareButton->font()).horizontalAdvance(
                                            QStringLiteral("Neue Person")) + 2 * M);
    NyAnvandareButton->setGeometry(vx, h - knappH - rad, knappB, knappH);
    AvbrytButton->setGeometry(w - vx - knappB, h - knappH - rad, knappB, knappH);

    // The teacher panel beside the list, in the place of the name and
    // password entries (hidden while it shows), above the buttons.
    Panel3->setGeometry(hx, topp, w - hx - vx, AvbrytButton->y() - rad / 2 - topp);
    LararLabel->adjustSize();
    LararLabel->move(M, M);
    const int bb = Panel3->width() - 2 * M;
    const int bh = qMin(knappH, (Panel3->height() - LararLabel->height() - 3 * M) / 5);
    int y = LararLabel->y() + LararLabel->height() + M;
    for (QPushButton *b : {Button1, Button3, Button4, Button2}) {
        b->setGeometry(M, y, bb, bh);
        passaTexten(b);
        y += bh + bh / 4;
    }

    // The help panel over everything, its lines made small enough to fit.
    Regelpanel->setGeometry(w / 24, h / 24, w - w / 12, h - h / 12);
    RegelRubrik->adjustSize();
    RegelRubrik->move(M, M / 2);
    const int textTopp = RegelRubrik->y() + RegelRubrik->height() + M / 2;
    const int b5h = rad * 3 / 2;
    const int rum = Regelpanel->height() - textTopp - b5h - 2 * M;
    const int rymd = Regelpanel->width() - 2 * M;
    QFont tf = RegelText->font();
    for (int px = tf.pixelSize(); px > 6; --px) {
        tf.setPixelSize(px);
        const QFontMetrics fm(tf);
        int bredast = 0;
        for (const QString &r : hjalpRader())
            bredast = qMax(bredast, fm.horizontalAdvance(r));
        if (fm.lineSpacing() * int(hjalpRader().size()) <= rum && bredast <= rymd)
            break;
    }
    RegelText->setFont(tf);
    RegelText->setGeometry(M, textTopp, rymd, rum);
    RegelText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Button5->setGeometry(Regelpanel->width() - M - skaladPixel(120), Regelpanel->height() - M - b5h, skaladPixel(120), b5h);
}

void TDiag::skrivRad(QLabel *l, const QString &text)
{
    l->setText(text);
    l->move(m_hogerSpalt.left(), l->y());
    passaEtikett(l, QRect(m_hogerSpalt.left(), l->y(), m_hogerSpalt.width(), l->sizeHint().height()));
}

void TDiag::FormCreate()
{
    RaderaTyp = 0;
    RaderaLage = 0;
    Regelpanel->hide();
    Panel3->hide();
    Edit1->hide();
    // The directory is settled before the list is read from it, so that the
    // list shows the register that the diagnoses will be saved into.
    prepareDiagnosPath();
    // A register that this account cannot replace is told before anybody works.
    tellRegisterObstacle();
    NyAnvandareButton->setEnabled(true);
    VisaListbox(); // without a register the name entry is all there is
    FelLosenLabel->hide();
    SkrivLosenLabel->hide();
    MaskEdit1->hide();
    if (ListBox1->isVisibleTo(this))
        ListBox1->setFocus();
    else
        Edit1->setFocus();
}

void TDiag::VisaListbox()
{
    QStringList namn;
    if (!readRegisterNames(namn)) {
        ListBox1->clear();
        ListBox1->hide();
        ListOverskriftLabel->hide();
        skrivRad(SkrivDittNamnLabel, QStringLiteral("Namen schreiben. Enter drücken:"));
        SkrivDittNamnLabel->show();
        NyAnvandareButton->setEnabled(false);
        Edit1->clear();
        Edit1->show();
        Edit1->setEnabled(true);
        return;
    }
    SkrivDittNamnLabel->hide();
    ListBox1->show();
    ListOverskriftLabel->show();
    MaskEdit1->hide();
    MaskEdit1->setEnabled(false);
    QCollator ordning(QLocale(QLocale::Swedish, QLocale::Sweden));
    ordning.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(namn.begin(), namn.end(),
                     [&ordning](const QString &a, const QString &b) { return ordning.compare(a, b) < 0; });
    ListBox1->clear();
    ListBox1->addItems(namn);
}

QListWidgetItem *TDiag::valdPost() const
{
    QListWidgetItem *post = ListBox1->currentItem();
    return post && post->isSelected() ? post : nullptr;
}

void TDiag::valjNamn(bool dubbelklick)
{
    // In the teacher's panel only "R" acts on the list.
    if (m_antagen)
        return;
    QListWidgetItem *post = valdPost();
    if (!post)
        return;
    NyAnvandareButton->setEnabled(false);
    if (dubbelklick)
        NyAnvandareButton->hide();
    ElevLosen = HaemtaDiagnos(post->text());
    if (!ElevLosen.isEmpty()) {
        for (QWidget *w : std::initializer_list<QWidget *>{ListBox1, ListOverskriftLabel, SkrivDittNamnLabel,
                                                           FelLosenLabel, Edit1})
            w->hide();
        fragaLosen();
    } else {
        visaProtokollet(false);
    }
}

void TDiag::ListBox1Enter()
{
    valjNamn(false);
}

void TDiag::ListBox1DblClick(QListWidgetItem *item)
{
    Q_UNUSED(item); // the click has made it the selected entry
    valjNamn(true);
}

void TDiag::fragaLosen()
{
    FelLosenLabel->hide();
    SkrivLosenLabel->show();
    MaskEdit1->clear();
    MaskEdit1->show();
    MaskEdit1->setEnabled(true);
    MaskEdit1->setFocus();
}

void TDiag::ListBox1Radera()
{
    QListWidgetItem *post = valdPost();
    if (!post)
        return; // nobody chosen: nothing to delete
    RaderaLage = 1;
    NyAnvandareButton->hide();
    ElevLosen = HaemtaDiagnos(post->text());
    if (RaderaTyp == 3) {
        RaderaNamn = AktivDiagnos.Namn;
        SparaRaderaProt();
        RaderaLage = 0;
        VisaListbox();
        ListBox1->setFocus();
        return;
    }
    ListBox1->hide();
    ListOverskriftLabel->hide();
    fragaLosen();
}

void TDiag::NyAnvandareButtonClick()
{
    NyAnvandareButton->setEnabled(false);
    ListBox1->hide();
    ListOverskriftLabel->hide();
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
    skrivRad(SkrivDittNamnLabel, QStringLiteral("Namen schreiben. Enter drücken:"));
    SkrivDittNamnLabel->show();
}

void TDiag::Edit1Enter()
{
    // Blanks around a name are not part of it, and blanks alone are no name.
    const QString namn = Edit1->text().trimmed();
    auto sag = [this](const QString &text) {
        skrivRad(SkrivDittNamnLabel, text);
        SkrivDittNamnLabel->show();
    };
    if (!namn.isEmpty() && NamnFinns(namn)) {
        sag(QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
        return;
    }
    if (Cp1252::upper(namn) == LararRoll) {
        m_larare = true;
        for (QWidget *w : std::initializer_list<QWidget *>{Panel3, ListBox1, Edit1, ListOverskriftLabel,
                                                           SkrivDittNamnLabel})
            w->hide();
        if (m_antagen) {
            visaLararPanel(); // asked once per opening of the dialog
            return;
        }
        fragaLosen();
        return;
    }
    if (namn.isEmpty()) {
        sag(QStringLiteral("Skriv ett riktigt namn!"));
        return;
    }
    m_larare = false;
    ListBox1->hide();
    ListOverskriftLabel->hide();
    NollstallDiagnos();
    AktivDiagnos.Namn = kortad(namn, DiagnosNamnLangd);
    visaProtokollet(true);
}

void TDiag::felLosen()
{
    LosenOk = 0;
    MaskEdit1->clear();
    ++m_felAntal;
    if (m_felAntal >= TillaatnaFel) {
        done(QDialog::Rejected);
        return;
    }
    SkrivLosenLabel->hide();
    skrivRad(FelLosenLabel, QStringLiteral("Felaktigt lösen. Försök igen!"));
    FelLosenLabel->show();
    MaskEdit1->setFocus();
}

void TDiag::visaLararPanel()
{
    m_antagen = true;
    m_lararKontroll = false;
    Panel3->show();
    Panel3->raise();
    ListBox1->show();
    ListBox1->setEnabled(RaderaTyp == 2 || RaderaTyp == 3);
    for (QWidget *w : std::initializer_list<QWidget *>{Edit1, SkrivDittNamnLabel, ListOverskriftLabel,
                                                       SkrivLosenLabel, FelLosenLabel, MaskEdit1})
        w->hide();
    Button2->setFocus();
}

void TDiag::MaskEdit1Enter()
{
    const QString svar = MaskEdit1->text();
    if (m_larare && m_lararKontroll) {
        LararLosenFil(1);
        if (oppnarLararLas(svar)) {
            visaLararPanel();
        } else {
            Panel3->hide();
            felLosen();
        }
        return;
    }
    if (RaderaLage != 0) {
        if (svar != AktivDiagnos.Losen) {
            MaskEdit1->clear();
            SkrivLosenLabel->hide();
            skrivRad(FelLosenLabel, QStringLiteral("Felaktigt lösen!"));
            FelLosenLabel->show();
            MessageBox::information(QStringLiteral("Felaktigt lösen."));
            MaskEdit1->setFocus();
            return;
        }
        LosenOk = 1;
        SkrivLosenLabel->hide();
        FelLosenLabel->hide();
        MaskEdit1->hide();
        NyAnvandareButton->setEnabled(false);
        RaderaNamn = AktivDiagnos.Namn;
        SparaRaderaProt();
        RaderaLage = 0;
        // The list is read again, so that it shows what the register holds.
        VisaListbox();
        ListBox1->setEnabled(true);
        MaskEdit1->hide();
        NyAnvandareButton->show();
        NyAnvandareButton->setEnabled(true);
        if (ListBox1->isVisibleTo(this))
            ListBox1->setFocus();
        return;
    }
    if (m_larare)
        return; // the teacher's panel is open; there is no password to check
    if (svar != AktivDiagnos.Losen) {
        felLosen();
        return;
    }
    LosenOk = 1;
    SkrivLosenLabel->hide();
    FelLosenLabel->hide();
    MaskEdit1->hide();
    visaProtokollet(false);
}

void TDiag::visaProtokollet(bool nyElev)
{
    // Another program may have this pupil's protocol open: the pupil is told
    // and chooses. Both programs' saves keep what the other saved.
    const QString namn = AktivDiagnos.Namn;
    if (claimProtocol(namn)
        && !MessageBox::askYesNo(QStringLiteral("Protokollet för \"") + namn
                                 + QStringLiteral("\" är redan öppet i ett annat program. Om du öppnar det här också "
                                                  "sparas det du gör i båda programmen, men de nya resultaten från "
                                                  "det andra programmet syns här först när du har sparat.\n\nVill du "
                                                  "öppna protokollet här ändå?"))) {
        releaseProtocol();
        OvningsLage = 0;
        done(QDialog::Rejected);
        return;
    }
    if (protokollVisning())
        protokollVisning()();
    releaseProtocol();
    if (nyElev)
        AktivDiagnos.Losen.clear();
    done(QDialog::Accepted);
}

void TDiag::AvbrytButtonClick()
{
    OvningsLage = 0;
    done(QDialog::Rejected);
}

void TDiag::reject()
{
    // Esc and the window manager's close take the way of "&Abbrechen".
    AvbrytButtonClick();
}

void TDiag::Button1Click()
{
    bool avstod = false;
    ArkiveraDiagnoser(&avstod);
    if (avstod) {
        Button1->setFocus(); // the teacher chose to leave the register as it is
        return;
    }
    done(QDialog::Accepted);
}

void TDiag::Button2Click()
{
    Regelpanel->show();
    Regelpanel->raise();
    Button5->setFocus();
}

void TDiag::Button2Ae()
{
    // The new-password dialog refuses the old password: for the teacher that
    // is the teacher's, held in AktivDiagnos while the dialog runs.
    const QString elevensLosen = AktivDiagnos.Losen;
    AktivDiagnos.Losen = LararLosen;
    TNLOS_Visa();
    if (LosenOk == 1)
        LararLosenFil(2);
    AktivDiagnos.Losen = elevensLosen;
    Button2->setFocus();
}

void TDiag::Button3Click()
{
    RaderaTyp = 2;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button4Click()
{
    RaderaTyp = 3;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button5Click()
{
    Regelpanel->hide();
    Button2->setFocus();
}

bool TDiag::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    const auto *k = static_cast<QKeyEvent *>(e);
    const bool utanTillagg = !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (o == ListBox1) {
        if (arEnter(k)) {
            ListBox1Enter();
            return true;
        }
        // Taken before the list's own search by first letter can move the
        // selection to a name beginning with "R".
        if (k->key() == Qt::Key_R && utanTillagg) {
            ListBox1Radera();
            return true;
        }
    } else if (o == Edit1 && arEnter(k)) {
        Edit1Enter();
        return true;
    } else if (o == MaskEdit1 && arEnter(k)) {
        MaskEdit1Enter();
        return true;
    } else if (o == Button2 && utanTillagg
               && (k->text() == QStringLiteral("ä") || k->text() == QStringLiteral("Ä"))) {
        Button2Ae();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TDiag::keyPressEvent(QKeyEvent *e)
{
    if (arEnter(e)) {
        // The focused button takes its Enter before this (the application's
        // key filter); elsewhere Enter does nothing.
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e); // Esc: "&Abbrechen"
}

void TDiag_Visa()
{
    OvningsLage = 2;
    if (DiagAvbruten == 0) {
        TDiag Diag(QApplication::activeWindow());
        Diag.exec();
    }
    // Whatever the way out, the next exercise is practice again.
    OvningsLage = 0;
}
