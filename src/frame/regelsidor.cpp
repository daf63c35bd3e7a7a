#include "frame/regelsidor.h"

#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace {

struct Sidpost
{
    quint16 fran;
    quint16 till;
    const char *sida;
};

// Program numbers and their pages; a range covers every number in it.
constexpr Sidpost kSidor[] = {
    {31100, 31100, "R31100.htm"}, {31200, 31200, "R31200.htm"}, {31300, 31300, "R31300.htm"},
    {31400, 31400, "R31400.htm"}, {51210, 51210, "R51211.htm"}, {51220, 51220, "R51211.htm"},
    {51450, 51450, "R51450.htm"}, {51460, 51460, "R51462.htm"}, {51470, 51470, "R51463.htm"},
    {51480, 51480, "R51464.htm"}, {52100, 52100, "R52101.htm"}, {52200, 52200, "R52101.htm"},
    {52300, 52300, "R52201.htm"}, {52400, 52400, "R52310.htm"}, {54100, 54100, "R54101.htm"},
    {54400, 54400, "R54400.htm"}, {54600, 54600, "R54601.htm"}, {54800, 54800, "R54800.htm"},
    {56210, 56210, "R56201.htm"}, {56220, 56220, "R56202.htm"}, {56230, 56230, "R56203.htm"},
    {56240, 56240, "R56204.htm"}, {56250, 56250, "R56205.htm"}, {56320, 56320, "R56321.htm"},
    {56560, 56560, "R56561.htm"}, {56570, 56570, "R56571.htm"}, {56710, 56770, "R56711.htm"},
    {56800, 56800, "R56801.htm"}, {57100, 57100, "R57101.htm"}, {63000, 63000, "R63000.htm"},
};

QString filenFinnsInte(const QString &path)
{
    return QStringLiteral("Filen ") + ProgramPath::forWriting(path) + QStringLiteral(" finns inte eller är felaktig");
}

// The page file under a root, when it is a file (a directory never counts).
QString sidfil(const QString &root, const QString &sida)
{
    const QString p = ProgramPath::resolve(root, QStringLiteral("\\REGLER\\") + sida);
    return !p.isEmpty() && QFileInfo(p).isFile() ? p : QString();
}

QString deklareradTeckenuppsattning(const QByteArray &bytes)
{
    static const QRegularExpression charset(QStringLiteral("charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_:.-]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString huvud = QString::fromLatin1(bytes.left(4096));
    const QRegularExpressionMatch m = charset.match(huvud);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

bool arUtf8(const QString &namn)
{
    return namn == QLatin1String("utf-8") || namn == QLatin1String("utf8");
}

// Whether a page file lies in a REGLER directory of the course (or below
// it): a link never leads out of the rule pages.
bool iRegler(const QString &fil)
{
    const QString sann = QFileInfo(fil).canonicalFilePath();
    if (sann.isEmpty())
        return false;
    for (const QString &rot : {CDPath, PCPath}) {
        const QString regler = QFileInfo(ProgramPath::resolve(rot, QStringLiteral("\\REGLER"))).canonicalFilePath();
        if (!regler.isEmpty() && sann.startsWith(regler + QLatin1Char('/')))
            return true;
    }
    return false;
}

void foljLank(QTextBrowser *browser, const QUrl &lank)
{
    if (lank.scheme().isEmpty() || lank.isLocalFile()) {
        if (lank.path().isEmpty()) {
            browser->scrollToAnchor(lank.fragment());
            return;
        }
        const QString bas = browser->property("varmikoSida").toString();
        const QString mal = lank.isLocalFile()
                                ? lank.toLocalFile()
                                : QFileInfo(bas).absoluteDir().filePath(QUrl::fromPercentEncoding(lank.path().toUtf8()));
        const QString fil = ProgramPath::resolve(mal);
        if (!fil.isEmpty() && QFileInfo(fil).isFile() && iRegler(fil)) {
            visaHtmlFil(browser, fil);
            if (lank.hasFragment())
                browser->scrollToAnchor(lank.fragment());
        } else {
            MessageBox::warning(filenFinnsInte(mal));
        }
    }
    // Pages on the net are not opened: the rules are read on their own.
}

} // namespace

QString regelSidaFor(quint16 programtal)
{
    for (const Sidpost &p : kSidor)
        if (programtal >= p.fran && programtal <= p.till)
            return QString::fromLatin1(p.sida);
    return {};
}

QString hittaRegelSida(const QString &sida, QString *meddelande)
{
    QString fil;
    QString text;
    if (!sida.isEmpty()) {
        fil = sidfil(CDPath, sida);
        if (fil.isEmpty())
            fil = sidfil(PCPath, sida);
        // The installation is looked in last; an empty root is no root.
        if (fil.isEmpty())
            text = filenFinnsInte((PCPath.isEmpty() ? CDPath : PCPath) + QStringLiteral("\\REGLER\\") + sida);
    } else {
        // Nothing was looked for: the exercise has no page (and the folder
        // is no file to report missing).
        text = QStringLiteral("Det finns ingen regelsida till den här övningen.");
    }
    if (meddelande)
        *meddelande = text;
    return fil;
}

QString avkodaHtml(const QByteArray &bytes)
{
    const QString namn = deklareradTeckenuppsattning(bytes);
    if (arUtf8(namn))
        return QString::fromUtf8(bytes);
    if (namn.isEmpty()) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    // Windows-1252 also stands in for Latin-1, as web browsers take it.
    return Cp1252::decode(bytes);
}

bool visaHtmlFil(QTextBrowser *browser, const QString &path)
{
    if (!browser->property("varmikoLankar").toBool()) {
        browser->setOpenLinks(false);
        QObject::connect(browser, &QTextBrowser::anchorClicked, browser,
                         [browser](const QUrl &lank) { foljLank(browser, lank); });
        browser->setProperty("varmikoLankar", true);
    }
    browser->clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString html = avkodaHtml(f.readAll());
    const QString katalog = QFileInfo(path).absolutePath();
    browser->setSearchPaths({katalog});
    browser->document()->setBaseUrl(QUrl::fromLocalFile(katalog + QLatin1Char('/')));
    browser->setProperty("varmikoSida", QFileInfo(path).absoluteFilePath());
    browser->setHtml(html);
    return true;
}

QString laddaRegelSida(QTextBrowser *browser, quint16 programtal)
{
    const QString sida = regelSidaFor(programtal);
    QString meddelande;
    const QString fil = hittaRegelSida(sida, &meddelande);
    if (fil.isEmpty()) {
        browser->clear();
        MessageBox::showMessage(meddelande);
    } else if (!visaHtmlFil(browser, fil)) {
        MessageBox::showMessage(filenFinnsInte(fil));
    }
    return sida;
}

QPushButton *tillbakaKnapp(QWidget *panel, QDialog *fonster)
{
    auto *b = new QPushButton(QStringLiteral("Tillbaka"), panel);
    b->setObjectName(QStringLiteral("Button1"));
    b->setFont(arial(13, true));
    b->setAutoDefault(false);
    b->resize(b->sizeHint().expandedTo(QSize(90, 25)));
    QObject::connect(b, &QPushButton::clicked, fonster, &QDialog::reject);
    return b;
}
