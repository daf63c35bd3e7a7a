// The diagnosis register dialog, driven as a pupil and a teacher would: the
// name list, new pupils, pupil passwords, deleting, archiving, the teacher
// lock with its password file, the new-password dialog and the ways out.

#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/OpenClaim.h"
#include "results/TDiag.h"
#include "results/TNLOS.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/lararlosen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtEndian>

#include <memory>

namespace {

// A register record built byte by byte.
QByteArray rawRecord(const QByteArray &name, const QByteArray &password = {}, qint32 result1 = 0)
{
    QByteArray r(348, '\0');
    r[0] = char(name.size());
    r.replace(1, name.size(), name);
    r[22] = char(password.size());
    r.replace(23, password.size(), password);
    qToLittleEndian<qint32>(result1, r.data() + 36);
    return r;
}

// Anna has a password and a result, Bert has neither, Rolf has a password;
// the last record has no name.
QByteArray threePupils()
{
    return rawRecord("Anna", "a1", 17) + rawRecord("Bert") + rawRecord("Rolf", "r9") + rawRecord("");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void enter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

QStringList listed(const TDiag &d)
{
    QStringList names;
    for (int i = 0; i < d.ListBox1->count(); ++i)
        names << d.ListBox1->item(i)->text();
    return names;
}

void select(TDiag &d, const QString &name)
{
    const auto items = d.ListBox1->findItems(name, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(name));
    d.ListBox1->setCurrentItem(items.first());
}

// The name of the teacher and a password, as the teacher types them.
void teacherLogin(TDiag &d, const QString &password, const QString &name = QStringLiteral("Lärare"))
{
    if (!d.Edit1->isVisible())
        d.NyAnvandareButton->click();
    typeAndEnter(d.Edit1, name);
    QVERIFY(d.MaskEdit1->isVisible());
    typeAndEnter(d.MaskEdit1, password);
}

} // namespace

class TestRegisterDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    QStringList m_protocolFor; // the pupils whose protocol was shown
    QString m_protocolPassword;
    qint32 m_protocolResult1 = 0;
    bool m_protocolClaimed = false; // while it was shown, other programs saw it open

    QString dir() const { return m_course->path(QStringLiteral("RESULTAT")); }
    QString passwordFile() const { return dir() + QStringLiteral("/VRS45444.DOT"); }
    QString registerFile() const { return dir() + QStringLiteral("/TDIAG.DIA"); }
    void writeRegister(const QByteArray &bytes) { m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), bytes); }

    static QStringList inRegister()
    {
        QStringList names;
        readRegisterNames(names);
        return names;
    }

    std::unique_ptr<TDiag> openDialog()
    {
        auto d = std::make_unique<TDiag>();
        d->show();
        return d;
    }

    // Runs the dialog as the "Diagnos" button does and acts in it once it is
    // up. False when it stayed open after the steps (it is then closed).
    template <typename Steps>
    bool runModal(Steps steps, bool *opened = nullptr)
    {
        bool leftOpen = false;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TDiag *>(QApplication::activeModalWidget());
            if (!d)
                return;
            seen = true;
            steps(*d);
            if (d->isVisible()) {
                leftOpen = true;
                d->done(QDialog::Rejected);
            }
        });
        TDiag_Visa();
        QCoreApplication::processEvents(); // a timer not used is spent here
        if (opened)
            *opened = seen;
        return !leftOpen;
    }

    // Answers the new-password dialog that the next step opens.
    template <typename Steps>
    void answerNewPassword(Steps steps)
    {
        QTimer::singleShot(0, [steps] {
            auto *n = qobject_cast<TNLOS *>(QApplication::activeModalWidget());
            if (!n)
                return;
            steps(*n);
            if (n->isVisible())
                n->reject();
        });
    }

private slots:
    void init()
    {
        m_course = std::make_unique<TestCourse>();
        m_course->mkdir(QStringLiteral("RESULTAT"));
        PCPath = m_course->root();
        DiagnosPath = m_course->root() + QStringLiteral("\\RESULTAT");
        DiagnosPathKlar = 1;
        LararLosen.clear();
        LosenOk = 0;
        OvningsLage = 2;
        DiagAvbruten = 0;
        RaderaLage = 0;
        RaderaTyp = 0;
        NollstallDiagnos();
        m_protocolFor.clear();
        m_protocolPassword.clear();
        m_protocolResult1 = 0;
        m_protocolClaimed = false;
        setShowProtocol([this] {
            m_protocolFor << AktivDiagnos.Namn;
            m_protocolClaimed = protocolIsOpen(AktivDiagnos.Namn);
            m_protocolPassword = AktivDiagnos.Losen;
            m_protocolResult1 = AktivDiagnos.Resultat[1];
        });
        Clock::setSource({});
    }

    void cleanup()
    {
        setShowProtocol({});
        Clock::setSource({});
        m_course.reset();
    }

    void teacherLock_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("first password") << "Lärare" << "KLOSTRAB" << true;
        QTest::newRow("name in small letters") << "lärare" << "KLOSTRAB" << true;
        QTest::newRow("password in small letters") << "LÄRARE" << "klostrab" << false;
        QTest::newRow("backup password") << "Lärare" << "Eld Brus" << true;
        QTest::newRow("backup in small letters") << "Lärare" << "eld brus" << false;
        QTest::newRow("backup in capitals") << "Lärare" << "ELD BRUS" << false;
        QTest::newRow("empty entry") << "Lärare" << "" << false;
    }
    void teacherLock()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, admitted);
        writeRegister(threePupils());
        MessageRecorder m;
        auto d = openDialog();
        teacherLogin(*d, password, name);

        QCOMPARE(d->Panel3->isVisible(), admitted);
        QVERIFY(d->isVisible());
        if (admitted) {
            QVERIFY(d->ListBox1->isVisible());
            QVERIFY(!d->ListBox1->isEnabled()); // until a delete is chosen
            QVERIFY(!d->MaskEdit1->isVisible());
        } else {
            QVERIFY(d->FelLosenLabel->isVisible());
            QCOMPARE(d->FelLosenLabel->text(), QStringLiteral("Felaktigt lösen. Försök igen!"));
            QVERIFY(!d->SkrivLosenLabel->isVisible());
            QVERIFY(d->MaskEdit1->text().isEmpty());
        }
        QCOMPARE(m.count(), 0);

        // The first login has created the password file: one record of two
        // scrambled fields, "LÄRARE" and "KLOSTRAB".
        const QByteArray b = readAll(passwordFile());
        QCOMPARE(b.size(), 54);
        const QByteArray roll = b.mid(1, quint8(b[0]));
        const QByteArray losen = b.mid(28, quint8(b[27]));
        QVERIFY(roll.startsWith(')'));
        QVERIFY(losen.startsWith(')'));
        QCOMPARE(Cp1252::decode(dekryptradBytes(roll)), QStringLiteral("LÄRARE"));
        QCOMPARE(Cp1252::decode(dekryptradBytes(losen)), QStringLiteral("KLOSTRAB"));
        QVERIFY(!losen.contains("KLOSTRAB"));
        QCOMPARE(b.mid(1 + roll.size(), 26 - roll.size()), QByteArray(26 - roll.size(), '\0'));
        QCOMPARE(b.mid(28 + losen.size(), 26 - losen.size()), QByteArray(26 - losen.size(), '\0'));
    }

    void changingTheTeacherPassword()
    {
        writeRegister(threePupils());
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        QVERIFY(d->Panel3->isVisible());

        QStringList shown;
        answerNewPassword([&shown](TNLOS &n) {
            auto say = [&](const QString &text) {
                typeAndEnter(n.maskedit1, text);
                shown << n.Label1->text();
            };
            say(QStringLiteral("KLOSTRAB"));     // the old password is refused
            say(QStringLiteral("Sommerferien")); // twelve letters
            say(QStringLiteral("Sommerferie"));
            say(QStringLiteral("Sommerferien"));
        });
        typeText(d->Button2, QStringLiteral("ä"));

        QCOMPARE(shown, (QStringList{QStringLiteral("Alte Losung gilt nicht!"),
                                     QStringLiteral("Noch einmal die neue Losung, bitte!"),
                                     QStringLiteral("Die gleiche Losung, bitte!"),
                                     QStringLiteral("Noch einmal die neue Losung, bitte!")}));
        QCOMPARE(readAll(passwordFile()), lararLosenPost(QStringLiteral("Sommerferi")));
        d.reset();

        // The next opening takes the new password, cut to ten characters.
        for (const auto &[password, admitted] :
             {std::pair{QStringLiteral("KLOSTRAB"), false}, std::pair{QStringLiteral("Sommerferi"), true}}) {
            LararLosen.clear();
            auto again = openDialog();
            teacherLogin(*again, password);
            QCOMPARE(again->Panel3->isVisible(), admitted);
        }
    }

    void teacherPasswordsReadBack_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("letters") << "Sommer";
        QTest::newRow("the scrambling mark first") << ")Sommer";
        QTest::newRow("a comment mark first") << ";Sommer";
        QTest::newRow("a header mark first") << "$Sommer";
        QTest::newRow("a field mark first") << "#Sommer";
        QTest::newRow("German letters") << "Üß€äöÅ";
    }
    void teacherPasswordsReadBack()
    {
        QFETCH(QString, password);
        AktivDiagnos.Losen = password;
        QVERIFY(LararLosenFil(2));
        const QByteArray b = readAll(passwordFile());
        QCOMPARE(b.size(), 54);
        QCOMPARE(b[28], ')'); // scrambled, whatever the password begins with
        LararLosen.clear();
        QVERIFY(LararLosenFil(1));
        QCOMPARE(LararLosen, password);
    }

    void newPasswordDialog()
    {
        AktivDiagnos.Losen = QStringLiteral("alt");
        TNLOS n;
        n.show();
        QCOMPARE(LosenOk, quint8(0));
        auto step = [&n](const QString &typed, const QString &label1, bool label2) {
            typeAndEnter(n.maskedit1, typed);
            QCOMPARE(n.Label1->text(), label1);
            QCOMPARE(n.Label2->isVisible(), label2);
        };
        step(QString(), QStringLiteral("Die richtige Losung, bitte!"), false);
        typeText(n.maskedit1, QStringLiteral("x")); // a change puts the request back
        QCOMPARE(n.Label1->text(), QStringLiteral("Noch einmal die neue Losung, bitte!"));
        n.maskedit1->clear();
        step(QStringLiteral("alt"), QStringLiteral("Alte Losung gilt nicht!"), true);
        QVERIFY(n.maskedit1->text().isEmpty());
        step(QStringLiteral("neu"), QStringLiteral("Noch einmal die neue Losung, bitte!"), false);
        step(QStringLiteral("nei"), QStringLiteral("Die gleiche Losung, bitte!"), true);
        QCOMPARE(n.Label1->x(), 15);
        QVERIFY(n.isVisible());
        typeAndEnter(n.maskedit1, QStringLiteral("neu"));
        QVERIFY(!n.isVisible());
        QCOMPARE(LosenOk, quint8(1));
        QCOMPARE(AktivDiagnos.Losen, QStringLiteral("neu"));
    }

    void cancellingThePasswordChange_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Abbrechen") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("window closed") << 2;
    }
    void cancellingThePasswordChange()
    {
        QFETCH(int, way);
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        const QByteArray before = readAll(passwordFile());
        QCOMPARE(before.size(), 54);
        LosenOk = 1; // left from an earlier confirmation

        answerNewPassword([way](TNLOS &n) {
            typeAndEnter(n.maskedit1, QStringLiteral("Neu1"));
            typeText(n.maskedit1, QStringLiteral("Neu1"));
            if (way == 0)
                n.BitBtn1->click();
            else if (way == 1)
                QTest::keyClick(n.maskedit1, Qt::Key_Escape);
            else
                n.close();
        });
        typeText(d->Button2, QStringLiteral("Ä"));

        QCOMPARE(LosenOk, quint8(0));
        QCOMPARE(readAll(passwordFile()), before);
        QCOMPARE(LararLosen, QStringLiteral("KLOSTRAB"));
        QVERIFY(d->Panel3->isVisible());
    }

    void storingTheTeacherPassword_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("file removed meanwhile") << true;
        QTest::newRow("file cannot be written") << false;
    }
    void storingTheTeacherPassword()
    {
        QFETCH(bool, writable);
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        QVERIFY(QFile::remove(passwordFile()));
        if (!writable)
            QVERIFY(QDir().mkdir(passwordFile())); // a directory in the file's place

        MessageRecorder m;
        answerNewPassword([](TNLOS &n) {
            typeAndEnter(n.maskedit1, QStringLiteral("Winter"));
            typeAndEnter(n.maskedit1, QStringLiteral("Winter"));
        });
        typeText(d->Button2, QStringLiteral("ä"));

        if (writable) {
            QCOMPARE(m.count(), 0);
            QCOMPARE(readAll(passwordFile()), lararLosenPost(QStringLiteral("Winter")));
            QCOMPARE(LararLosen, QStringLiteral("Winter"));
        } else {
            QCOMPARE(m.count(), 1);
            QVERIFY(m.last().startsWith(QStringLiteral("Kunde inte skapa lärarlösenfilen.")));
            QVERIFY(QFileInfo(passwordFile()).isDir());
            QCOMPARE(LararLosen, QStringLiteral("KLOSTRAB"));
        }
    }

    void damagedPasswordFile_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("Lärarlösenfilen ");
        QTest::newRow("missing, cannot be created") << 0 << QStringLiteral("Kunde inte skapa lärarlösenfilen.");
        QTest::newRow("short by one byte") << 1 << unreadable;
        QTest::newRow("role length past its field") << 2 << unreadable;
        QTest::newRow("password length past its field") << 3 << unreadable;
        QTest::newRow("no password in it") << 4 << unreadable;
        QTest::newRow("a directory") << 5 << unreadable;
    }
    void damagedPasswordFile()
    {
        QFETCH(int, damage);
        QFETCH(QString, message);
        QByteArray bytes = lararLosenPost(QStringLiteral("KLOSTRAB"));
        switch (damage) {
        case 0:
            DiagnosPath = m_course->root() + QStringLiteral("\\FEHLT");
            break;
        case 1:
            bytes.chop(1);
            break;
        case 2:
            bytes[0] = char(27);
            break;
        case 3:
            bytes[27] = char(40);
            break;
        case 4:
            bytes[27] = char(0);
            break;
        }
        if (damage == 5)
            QVERIFY(QDir().mkdir(passwordFile()));
        else if (damage != 0)
            m_course->writeBytes(QStringLiteral("RESULTAT/VRS45444.DOT"), bytes);

        MessageRecorder m;
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        QVERIFY(!d->Panel3->isVisible());
        QVERIFY(m.count() >= 1);
        QVERIFY2(m.last().startsWith(message), qPrintable(m.last()));
        typeAndEnter(d->MaskEdit1, QString());
        QVERIFY(!d->Panel3->isVisible());
        typeAndEnter(d->MaskEdit1, QStringLiteral("Eld Brus"));
        QVERIFY(d->Panel3->isVisible());

        // Nothing was written over the damaged file.
        if (damage == 0)
            QVERIFY(!QFileInfo::exists(m_course->path(QStringLiteral("FEHLT"))));
        else if (damage == 5)
            QVERIFY(QFileInfo(passwordFile()).isDir());
        else
            QCOMPARE(readAll(passwordFile()), bytes);
    }

    void wrongPasswordsCloseTheDialog_data()
    {
        QTest::addColumn<bool>("teacher");
        QTest::newRow("pupil") << false;
        QTest::newRow("teacher") << true;
    }
    void wrongPasswordsCloseTheDialog()
    {
        QFETCH(bool, teacher);
        writeRegister(threePupils());
        MessageRecorder m;
        auto d = openDialog();
        if (teacher) {
            teacherLogin(*d, QStringLiteral("falsch1"));
        } else {
            select(*d, QStringLiteral("Anna"));
            enter(d->ListBox1);
            QVERIFY(d->MaskEdit1->isVisible());
            typeAndEnter(d->MaskEdit1, QStringLiteral("falsch1"));
        }
        QVERIFY(d->isVisible());
        QCOMPARE(d->FelLosenLabel->text(), QStringLiteral("Felaktigt lösen. Försök igen!"));
        typeAndEnter(d->MaskEdit1, QStringLiteral("falsch2"));
        QVERIFY(d->isVisible());
        typeAndEnter(d->MaskEdit1, QStringLiteral("falsch3"));
        QVERIFY(!d->isVisible()); // no fourth try
        QCOMPARE(d->felaktigaLosen(), 3);
        QCOMPARE(m.count(), 0);
        QVERIFY(m_protocolFor.isEmpty());
        QVERIFY(!d->Panel3->isVisible());
    }

    void everyWayOutLeavesPractice_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QStringList>("protocolFor");
        QTest::newRow("Abbrechen") << 0 << QStringList();
        QTest::newRow("Esc") << 1 << QStringList();
        QTest::newRow("window closed") << 2 << QStringList();
        QTest::newRow("three wrong pupil passwords") << 3 << QStringList();
        QTest::newRow("archive") << 4 << QStringList();
        QTest::newRow("pupil without password") << 5 << QStringList{QStringLiteral("Bert")};
        QTest::newRow("pupil with password") << 6 << QStringList{QStringLiteral("Anna")};
        QTest::newRow("new pupil") << 7 << QStringList{QStringLiteral("Dora")};
    }
    void everyWayOutLeavesPractice()
    {
        QFETCH(int, way);
        QFETCH(QStringList, protocolFor);
        writeRegister(threePupils());
        MessageRecorder m;
        bool opened = false;
        const bool closed = runModal(
            [way](TDiag &d) {
                switch (way) {
                case 0:
                    d.AvbrytButton->click();
                    break;
                case 1:
                    QTest::keyClick(d.ListBox1, Qt::Key_Escape);
                    break;
                case 2:
                    d.close();
                    break;
                case 3:
                    select(d, QStringLiteral("Rolf"));
                    enter(d.ListBox1);
                    for (int i = 0; i < 3; ++i)
                        typeAndEnter(d.MaskEdit1, QStringLiteral("nein"));
                    break;
                case 4:
                    teacherLogin(d, QStringLiteral("KLOSTRAB"));
                    d.Button1->click();
                    break;
                case 5:
                    select(d, QStringLiteral("Bert"));
                    enter(d.ListBox1);
                    break;
                case 6:
                    select(d, QStringLiteral("Anna"));
                    enter(d.ListBox1);
                    typeAndEnter(d.MaskEdit1, QStringLiteral("a1"));
                    break;
                case 7:
                    d.NyAnvandareButton->click();
                    typeAndEnter(d.Edit1, QStringLiteral("Dora"));
                    break;
                }
            },
            &opened);
        QVERIFY(opened);
        QVERIFY(closed);
        QCOMPARE(m_protocolFor, protocolFor);
        // An exercise opened next from "Skriva" runs as practice.
        QCOMPARE(OvningsLage, quint8(0));
    }

    void nothingOpensAfterTheProtocolWasCancelled()
    {
        DiagAvbruten = 1;
        bool opened = true;
        QVERIFY(runModal([](TDiag &) {}, &opened));
        QVERIFY(!opened);
        QCOMPARE(OvningsLage, quint8(0));
    }

    void choosingAPupil_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<bool>("protocolInstalled");
        QTest::addColumn<qint32>("result1");
        QTest::newRow("with password") << "Anna" << "a1" << false << true << 17;
        QTest::newRow("without password") << "Bert" << "" << false << true << 0;
        QTest::newRow("double click") << "Bert" << "" << true << true << 0;
        QTest::newRow("no protocol window yet") << "Anna" << "a1" << false << false << 17;
    }
    void choosingAPupil()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, doubleClick);
        QFETCH(bool, protocolInstalled);
        QFETCH(qint32, result1);
        writeRegister(threePupils());
        if (!protocolInstalled)
            setShowProtocol({});
        auto d = openDialog();
        QCOMPARE(listed(*d), (QStringList{QString(), QStringLiteral("Anna"), QStringLiteral("Bert"),
                                          QStringLiteral("Rolf")}));
        QVERIFY(d->ListOverskriftLabel->isVisible());
        QVERIFY(!d->Edit1->isVisible());

        enter(d->ListBox1); // nothing chosen yet
        QVERIFY(d->isVisible());
        QVERIFY(!d->MaskEdit1->isVisible());

        select(*d, name);
        if (doubleClick) {
            const QRect r = d->ListBox1->visualItemRect(d->ListBox1->currentItem());
            // A double click is a click and then the second press.
            QTest::mouseClick(d->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(d->ListBox1->viewport(), Qt::LeftButton, {}, r.center());
        } else {
            enter(d->ListBox1);
        }
        if (!password.isEmpty()) {
            QVERIFY(d->isVisible());
            QVERIFY(!d->ListBox1->isVisible());
            QVERIFY(d->SkrivLosenLabel->isVisible());
            QVERIFY(!d->NyAnvandareButton->isEnabled());
            QVERIFY(m_protocolFor.isEmpty());
            typeAndEnter(d->MaskEdit1, password);
        }
        QVERIFY(!d->isVisible());
        QCOMPARE(ElevLosen, password);
        QCOMPARE(AktivDiagnos.Namn, name);
        QCOMPARE(AktivDiagnos.Resultat[1], result1);
        if (protocolInstalled) {
            QCOMPARE(m_protocolFor, QStringList{name});
            QCOMPARE(m_protocolPassword, password);
            QCOMPARE(m_protocolResult1, result1);
        } else {
            QVERIFY(m_protocolFor.isEmpty());
        }
    }

    // The protocol is held open where others can see it. A second login of
    // a pupil whose protocol another program has open is told so and what
    // happens if it goes on; "Nej" opens nothing.
    void aSecondLoginIsTold_data()
    {
        QTest::addColumn<bool>("openElsewhere");
        QTest::addColumn<bool>("yes");
        QTest::newRow("not open elsewhere") << false << false;
        QTest::newRow("open elsewhere, Ja") << true << true;
        QTest::newRow("open elsewhere, Nej") << true << false;
    }
    void aSecondLoginIsTold()
    {
        QFETCH(bool, openElsewhere);
        QFETCH(bool, yes);
        writeRegister(threePupils());
        OpenClaim other(protocolMarker(QStringLiteral("Bert")));
        if (openElsewhere)
            QVERIFY(!other.take());
        MessageRecorder m;
        m.answer(yes ? QMessageBox::Yes : QMessageBox::No);
        auto d = openDialog();
        select(*d, QStringLiteral("Bert"));
        enter(d->ListBox1);
        QVERIFY(!d->isVisible());
        if (openElsewhere) {
            QCOMPARE(m.texts(), QStringList{QStringLiteral(
                                    "Protokollet för \"Bert\" är redan öppet i ett annat program. Om du öppnar det "
                                    "här också sparas det du gör i båda programmen, men de nya resultaten från det "
                                    "andra programmet syns här först när du har sparat.\n\nVill du öppna protokollet "
                                    "här ändå?")});
            QCOMPARE(m.requests().first().kind, MessageBox::Kind::Question);
        } else {
            QCOMPARE(m.count(), 0);
        }
        const bool shown = !openElsewhere || yes;
        QCOMPARE(m_protocolFor, shown ? QStringList{QStringLiteral("Bert")} : QStringList());
        QCOMPARE(m_protocolClaimed, shown);
        other.release();
        QVERIFY(!protocolIsOpen(QStringLiteral("Bert"))); // the claim ended with the protocol
        QCOMPARE(int(OvningsLage), shown ? 2 : 0);
    }

    void nameListOfTheDirectoryInUse()
    {
        // The diagnosis directory cannot be used: the list comes from the
        // register in RESULTAT, where the diagnoses will be saved.
        writeRegister(rawRecord("\xD6rjan") + rawRecord("\xC5sa") + rawRecord("\xC4rling") + rawRecord("bo")
                      + rawRecord("Anna"));
        DiagnosPath = m_course->root() + QStringLiteral("\\FEHLT");
        DiagnosPathKlar = 0;
        MessageRecorder m;
        auto d = openDialog();
        QCOMPARE(m.count(), 1);
        QVERIFY(m.last().startsWith(QStringLiteral("Diagnosen kan inte sparas i katalogen ")));
        QCOMPARE(listed(*d), (QStringList{QStringLiteral("Anna"), QStringLiteral("bo"), QStringLiteral("Åsa"),
                                          QStringLiteral("Ärling"), QStringLiteral("Örjan")}));
    }

    void newPupil_data()
    {
        QTest::addColumn<bool>("withRegister");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prompt"); // empty: the protocol opens
        QTest::newRow("new name") << true << "Dora" << "";
        QTest::newRow("first pupil, no register") << false << "Dora" << "";
        QTest::newRow("name taken, other letter case") << true << "anna" << "Namnet finns redan. Skriv ett nytt!";
        QTest::newRow("empty") << true << "" << "Skriv ett riktigt namn!";
        QTest::newRow("blanks only") << true << "   " << "Skriv ett riktigt namn!";
    }
    void newPupil()
    {
        QFETCH(bool, withRegister);
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        if (withRegister)
            writeRegister(threePupils());
        auto d = openDialog();
        if (withRegister) {
            QVERIFY(d->NyAnvandareButton->isEnabled());
            d->NyAnvandareButton->click();
            QVERIFY(!d->NyAnvandareButton->isEnabled());
            QVERIFY(!d->ListBox1->isVisible());
        } else {
            QVERIFY(!d->ListBox1->isVisible());
            QVERIFY(!d->NyAnvandareButton->isEnabled());
        }
        QVERIFY(d->Edit1->isVisible());
        QCOMPARE(d->SkrivDittNamnLabel->text(), QStringLiteral("Namen schreiben. Enter drücken:"));

        typeAndEnter(d->Edit1, typed);
        if (prompt.isEmpty()) {
            QVERIFY(!d->isVisible());
            QCOMPARE(m_protocolFor, QStringList{typed});
            QVERIFY(m_protocolPassword.isEmpty());
            QCOMPARE(AktivDiagnos.Status[1], StatusBorja);
            QCOMPARE(AktivDiagnos.Status[2], StatusVanta);
            QCOMPARE(AktivDiagnos.Resultat[1], 0);
            // A new pupil reaches the register only when the protocol saves.
            QCOMPARE(QFileInfo::exists(registerFile()), withRegister);
        } else {
            QVERIFY(d->isVisible());
            QCOMPARE(d->SkrivDittNamnLabel->text(), prompt);
            QVERIFY(m_protocolFor.isEmpty());
        }
    }

    void deletingOnePupil_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        const QStringList all{QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Rolf"), QString()};
        QTest::newRow("with password, Ja") << "Anna" << "a1" << true
                                           << QStringList{QStringLiteral("Bert"), QStringLiteral("Rolf")};
        QTest::newRow("with password, Nej") << "Anna" << "a1" << false << all;
        QTest::newRow("without password, Ja") << "Bert" << "" << true
                                              << QStringList{QStringLiteral("Anna"), QStringLiteral("Rolf")};
        QTest::newRow("without password, Nej") << "Bert" << "" << false << all;
    }
    void deletingOnePupil()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        writeRegister(threePupils());
        MessageRecorder m;
        m.answer(yes ? QMessageBox::Yes : QMessageBox::No);
        auto d = openDialog();
        select(*d, name);
        // "R" deletes the chosen pupil; the list's search by first letter
        // must not move the choice to "Rolf" first.
        QTest::keyClick(d->ListBox1, Qt::Key_R);
        QVERIFY(!d->ListBox1->isVisible());
        QVERIFY(!d->NyAnvandareButton->isVisible());
        QVERIFY(d->SkrivLosenLabel->isVisible());
        typeAndEnter(d->MaskEdit1, password);

        QCOMPARE(m.texts().value(0), QStringLiteral("Vill du verkligen ta bort diagnosen \"%1\"?").arg(name));
        if (yes)
            QCOMPARE(m.texts().value(1), QStringLiteral("Diagnosen \"%1\" är borttagen.").arg(name));
        QCOMPARE(m.count(), yes ? 2 : 1);
        QCOMPARE(inRegister(), left);
        left.sort();
        QStringList shown = listed(*d);
        shown.sort();
        QCOMPARE(shown, left);
        QVERIFY(d->isVisible());
        QVERIFY(d->ListBox1->isVisible() && d->ListBox1->isEnabled());
        QVERIFY(d->NyAnvandareButton->isVisible() && d->NyAnvandareButton->isEnabled());
        QVERIFY(!d->MaskEdit1->isVisible());
        QCOMPARE(RaderaLage, quint8(0));
        QVERIFY(m_protocolFor.isEmpty());
    }

    void deletingNeedsAChoiceAndThePassword()
    {
        writeRegister(threePupils());
        const QByteArray before = readAll(registerFile());
        MessageRecorder m;
        auto d = openDialog();

        QTest::keyClick(d->ListBox1, Qt::Key_R); // nobody chosen
        QVERIFY(d->ListBox1->isVisible());
        QVERIFY(d->NyAnvandareButton->isVisible());
        QVERIFY(!d->MaskEdit1->isVisible());
        QCOMPARE(RaderaLage, quint8(0));

        select(*d, QStringLiteral("Rolf"));
        QTest::keyClick(d->ListBox1, Qt::Key_R);
        for (int i = 0; i < 4; ++i) { // wrong passwords here are not counted
            typeAndEnter(d->MaskEdit1, QStringLiteral("r8"));
            QVERIFY(d->isVisible());
            QCOMPARE(d->FelLosenLabel->text(), QStringLiteral("Felaktigt lösen!"));
            QCOMPARE(m.last(), QStringLiteral("Felaktigt lösen."));
        }
        QCOMPARE(m.count(), 4);
        QCOMPARE(readAll(registerFile()), before);
        QCOMPARE(d->felaktigaLosen(), 0);
    }

    void teacherDeletesOnePupil_data()
    {
        QTest::addColumn<bool>("withPassword");
        QTest::newRow("with password") << true;
        QTest::newRow("without password") << false;
    }
    void teacherDeletesOnePupil()
    {
        QFETCH(bool, withPassword);
        writeRegister(threePupils());
        MessageRecorder m;
        m.answer(QMessageBox::Yes);
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        QVERIFY(!d->ListBox1->isEnabled());

        (withPassword ? d->Button3 : d->Button4)->click();
        QVERIFY(d->ListBox1->isEnabled());
        // In the teacher's panel Enter on a name opens nothing.
        select(*d, QStringLiteral("Anna"));
        enter(d->ListBox1);
        QVERIFY(d->isVisible());
        QVERIFY(d->ListBox1->isVisible());
        QVERIFY(!d->MaskEdit1->isVisible());

        select(*d, QStringLiteral("Rolf"));
        QTest::keyClick(d->ListBox1, Qt::Key_R);
        if (withPassword) {
            QVERIFY(d->MaskEdit1->isVisible());
            QCOMPARE(m.count(), 0);
            typeAndEnter(d->MaskEdit1, QStringLiteral("r9"));
        }
        QCOMPARE(m.texts().value(0), QStringLiteral("Vill du verkligen ta bort diagnosen \"Rolf\"?"));
        QCOMPARE(inRegister(), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bert")}));
        QCOMPARE(listed(*d), (QStringList{QStringLiteral("Anna"), QStringLiteral("Bert")}));
        QVERIFY(d->Panel3->isVisible());
        QVERIFY(d->ListBox1->isEnabled());
        QVERIFY(m_protocolFor.isEmpty());
    }

    void archivingAllDiagnoses()
    {
        writeRegister(threePupils());
        const QByteArray before = readAll(registerFile());
        Clock::setSource([] { return QDateTime(QDate(2002, 12, 1), QTime(8, 23)); });
        MessageRecorder m;
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("Eld Brus"));
        d->Button1->click();
        QVERIFY(!d->isVisible());
        QVERIFY(!QFileInfo::exists(registerFile()));
        QCOMPARE(readAll(dir() + QStringLiteral("/VR0212010823.DIS")), before);
        QCOMPARE(m.count(), 0);
    }

    // With a protocol open in another program, "Ta bort alla diagnoser"
    // asks first; "Nej" leaves the register and the teacher's panel.
    void archivingWhileAProtocolIsOpen()
    {
        writeRegister(threePupils());
        const QByteArray before = readAll(registerFile());
        OpenClaim other(protocolMarker(QStringLiteral("Rolf")));
        QVERIFY(!other.take());
        MessageRecorder m;
        m.answer(QMessageBox::No);
        m.answer(QMessageBox::Yes);
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        d->Button1->click();
        QCOMPARE(m.count(), 1);
        QVERIFY(m.last().startsWith(QStringLiteral("Protokollet för \"Rolf\" är öppet i ett annat program just nu.")));
        QVERIFY(d->isVisible());
        QVERIFY(d->Panel3->isVisible());
        QCOMPARE(readAll(registerFile()), before);
        d->Button1->click();
        QCOMPARE(m.count(), 2);
        QVERIFY(!d->isVisible());
        QVERIFY(!QFileInfo::exists(registerFile()));
    }

    void helpPanel()
    {
        auto d = openDialog();
        teacherLogin(*d, QStringLiteral("KLOSTRAB"));
        QVERIFY(!d->Regelpanel->isVisible());
        d->Button2->click();
        QVERIFY(d->Regelpanel->isVisible());
        QCOMPARE(d->RegelRubrik->text(), QStringLiteral("Ta bort diagnoser"));
        QVERIFY(d->RegelText->text().contains(QStringLiteral("- Skriv lösenordet som till en början är KLOSTRAB")));
        // Every line fits the panel.
        const QFontMetrics fm(d->RegelText->font());
        QVERIFY(fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::AlignLeft, d->RegelText->text()).height()
                <= d->RegelText->height());
        d->Button5->click();
        QVERIFY(!d->Regelpanel->isVisible());
        QVERIFY(d->isVisible());
    }
};

VARMIKO_TEST_MAIN(TestRegisterDialog)
#include "test_registerdialog.moc"
