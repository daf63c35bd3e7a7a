#include "frame/TRegList1.h"

#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

quint16 RegListNummer = 0;

namespace {

QString listfil(const QString &root, const QString &namn)
{
    const QString p = ProgramPath::resolve(root, QStringLiteral("\\DATA\\") + namn);
    return !p.isEmpty() && QFileInfo(p).isFile() ? p : QString();
}

// The spelling-list window of the start reads list 2 (RegListNummer is 0 at
// start), whichever list was shown before it is first reached.
TRegList1 *skapaRegList1()
{
    const quint16 visad = RegListNummer;
    RegListNummer = 0;
    auto *fonster = new TRegList1;
    RegListNummer = visad;
    return fonster;
}

} // namespace

PermanentWindow<TRegList1> RegList1(skapaRegList1, [](TRegList1 *fonster) { delete fonster; });

QPair<QString, QString> delaListrad(const QString &rad)
{
    const qsizetype tab = rad.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {rad, QString()};
    return {rad.left(tab), rad.mid(tab + 1)};
}

TRegList1::TRegList1(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("RegList1"));
    setWindowTitle(QStringLiteral("Varmiko"));
    setFont(teckensnitt(QStringLiteral("Arial"), 16, false));

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(2);
    ListView1->header()->setSectionsMovable(false);
    Button1 = new QPushButton(QStringLiteral("Avbryt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(teckensnitt(QStringLiteral("Arial"), 23, true));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TRegList1::Button1Click);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(teckensnitt(QStringLiteral("Arial"), 17, true));
    Label1->hide();

    auto *lager = new QVBoxLayout(this);
    lager->addWidget(ListView1, 1);
    lager->addWidget(Button1, 0, Qt::AlignHCenter);

    // The window's own place and size, kept on the screen.
    const QRect skarm = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                         : QRect(0, 0, 800, 600);
    QRect ruta(306, 134, 703, 708);
    ruta.setSize(ruta.size().boundedTo(skarm.size()));
    ruta.moveTo(std::clamp(ruta.left(), skarm.left(), skarm.right() + 1 - ruta.width()),
                std::clamp(ruta.top(), skarm.top(), skarm.bottom() + 1 - ruta.height()));
    setGeometry(ruta);
    FormCreate();
}

QString RegListFil(int lista)
{
    const QString namn = lista == 1 ? QStringLiteral("NyTysk1.txt") : QStringLiteral("NyTysk2.txt");
    QString fil = listfil(PCPath, namn);
    if (fil.isEmpty())
        fil = listfil(CDPath, namn);
    if (fil.isEmpty()) {
        // The path looked in last; an empty root is no root.
        const QString sokt = (CDPath.isEmpty() ? PCPath : CDPath) + QStringLiteral("\\DATA\\") + namn;
        MessageBox::information(ProgramPath::forWriting(sokt)
                                + QStringLiteral("  finns inte eller är felaktig."));
    }
    return fil;
}

void TRegList1::FormCreate()
{
    const bool lista1 = RegListNummer == 1;
    ListView1->setHeaderLabels(lista1 ? QStringList{QStringLiteral("Gammal stavning"), QStringLiteral("Ny stavning")}
                                      : QStringList{QStringLiteral("Korrekt stavning"),
                                                    QStringLiteral("Alternativ stavning")});
    ListView1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    const QString fil = RegListFil(RegListNummer);
    if (fil.isEmpty())
        return;

    Label1->setText(QStringLiteral("auf das schärfste verurteilen\tauf das Schärfste verurteilen"));
    Label1->adjustSize();
    resize(Label1->width() * 8 / 7, height());

    QStringList rader;
    if (!TextFile::readLines(fil, rader)) {
        Button1->setFocus();
        return;
    }
    for (const QString &rad : rader) {
        const auto [vanster, hoger] = delaListrad(rad);
        new QTreeWidgetItem(ListView1, {vanster, hoger});
    }
}

void TRegList1::Button1Click()
{
    reject();
}

void TRegList1_Visa(int lista)
{
    RegListNummer = quint16(lista);
    // A window of its own: the permanent RegList1 of the start stays as it is.
    TRegList1 lista1(QApplication::activeWindow());
    lista1.exec();
}
