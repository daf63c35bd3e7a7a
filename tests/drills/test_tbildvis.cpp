// The picture choice for plants and animals: choosing by click and key, the
// pause after a wrong choice, the rows, the pictures, the bird songs and the
// round control, driven as a pupil would.

#include "ExerciseWindow.h"
#include "FakeSound.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/vocabulary/TBildvis.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/pictures.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"
#include "platform/ShapeWidget.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

const QColor kAqua = bgrFarg(0xFFFF00);

// Items "das Tier n" with two wrong names; item 4 has only one.
QStringList djur(int n)
{
    QStringList l{QStringLiteral("$Lite biologi"), QStringLiteral("$Djur"),
                  QStringLiteral("$§Wie heißt das Tier?")};
    for (int i = 1; i <= n; ++i)
        l << (i == 4 ? QStringLiteral("das Tier%1#der Falsch%1##djur%1").arg(i)
                     : QStringLiteral("das Tier%1#der Falsch%1#die Falsch%1#djur%1").arg(i));
    return l;
}

QColor bildFarg(int post)
{
    return QColor::fromHsv(post * 20 % 360, 200, 200);
}

} // namespace

class TestTBildvis : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<QTemporaryDir> m_cd;
    std::unique_ptr<TBildvis> m_w;

    TBildvis *oppna(const QString &fil)
    {
        return openExercise(m_w, fil, 0);
    }

    int felPosition() const
    {
        for (int k = 1; k <= m_w->AltAntal; ++k)
            if (k != m_w->RattPosition)
                return k;
        return 0;
    }

    void tangent(int key) { QTest::keyClick(m_w.get(), Qt::Key(key)); }

    // One choice by key; a wrong one's pause is waited out.
    void svara(bool ratt)
    {
        QTRY_VERIFY(m_w->raderAktiva() || m_w->Panel1->isVisible());
        if (m_w->Panel1->isVisible())
            return;
        tangent(Qt::Key_1 + (ratt ? m_w->RattPosition : felPosition()) - 1);
        if (!ratt)
            QTRY_VERIFY(m_w->raderAktiva() || m_w->Panel1->isVisible());
    }

    // Answers right until item n is on screen, going on through round ends.
    bool tillPost(int n)
    {
        for (int i = 0; i < 300; ++i) {
            if (m_w->Panel1->isVisible())
                m_w->Button2->click();
            if (SlumpPost == n && m_w->raderAktiva())
                return true;
            svara(true);
        }
        return false;
    }

    bool aqua(int k) const { return m_w->NrPanel[k]->palette().color(QPalette::Window) == kAqua; }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "9");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS21520.DAT"), djur(12));
        m_course->write(QStringLiteral("DATA/VRS21530.DAT"), djur(6));
        m_course->write(QStringLiteral("DATA/VRS21510.DAT"), djur(32));
        for (int i = 1; i <= 12; ++i) {
            if (i == 5)
                continue; // item 5 has no picture
            QImage bild(32, 24, QImage::Format_RGB32);
            bild.fill(bildFarg(i));
            m_course->mkdir(QStringLiteral("BILD/DJUR"));
            bild.save(m_course->path(QStringLiteral("BILD/DJUR/T2152%1.BMP").arg(i, 2, 10, QLatin1Char('0'))));
        }
        m_cd = std::make_unique<QTemporaryDir>();
        QDir().mkpath(m_cd->path() + QStringLiteral("/LJUD/BIRDS"));
        QFile sang(m_cd->path() + QStringLiteral("/LJUD/BIRDS/RODHAKE.WAV"));
        QVERIFY(sang.open(QIODevice::WriteOnly));
        sang.write("RIFF");
        sang.close();
        m_course->activate(m_cd->path());
        PausTid = 0;
        BildInst = 0;
        LjudInst = 1;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        m_cd.reset();
        LjudInst = 1;
        BildInst = 1;
    }

    void choosingRightAndWrong()
    {
        QVERIFY(oppna(QStringLiteral("VRS21520.DAT")));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Wie heißt das Tier?"));
        QCOMPARE(m_w->SvensktOrd->text(), QStringLiteral("djur%1").arg(SlumpPost));
        const QString ratt = QStringLiteral("das Tier%1").arg(SlumpPost);
        QCOMPARE(m_w->AltLabel[m_w->RattPosition]->text(), ratt);

        // A click on the right name counts and moves on at once.
        QTest::mouseClick(m_w->AltLabel[m_w->RattPosition], Qt::LeftButton);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(PostNummer), 2);
        QCOMPARE(m_w->Aster1->rutNummer(), 1);
        QVERIFY(m_w->raderAktiva());

        // A wrong key shows the right name in its row and waits.
        const quint16 fel = SlumpPost;
        const int plats = m_w->RattPosition;
        tangent(Qt::Key_1 + felPosition() - 1);
        QCOMPARE(int(AntalFel), 1);
        QCOMPARE(FelPerLista[ListNummer], 1);
        QVERIFY(!m_w->raderAktiva());
        QVERIFY(m_w->RattSvarLabel->isVisible());
        QCOMPARE(m_w->RattSvarLabel->text(), QStringLiteral("das Tier%1").arg(fel));
        QVERIFY(aqua(plats));
        QCOMPARE(int(m_w->SvarVisas), 1);
        tangent(Qt::Key_1 + plats - 1); // keys are over for this item
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 1);
        QTRY_VERIFY(m_w->raderAktiva());
        QCOMPARE(int(PostNummer), 3);
        QVERIFY(!m_w->RattSvarLabel->isVisible());
        QCOMPARE(int(m_w->SvarVisas), 0);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(!aqua(k));

        // The mouse over a row marks it.
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(m_w->AltLabel[2], &enter);
        QVERIFY(aqua(2) && !aqua(1) && !aqua(3));
    }

    void twoNamesHideTheThirdRow()
    {
        QVERIFY(oppna(QStringLiteral("VRS21520.DAT")));
        QVERIFY(tillPost(4));
        QCOMPARE(m_w->AltAntal, 2);
        QVERIFY(m_w->NrPanel[2]->isVisible());
        QVERIFY(!m_w->NrPanel[3]->isVisible() && !m_w->AlternativPanel[3]->isVisible());
        const quint16 post = PostNummer, ratt = AntalRatt, fel = AntalFel;
        tangent(Qt::Key_3);
        QCOMPARE(PostNummer, post);
        QCOMPARE(AntalRatt, ratt);
        QCOMPARE(AntalFel, fel);
        QVERIFY(m_w->raderAktiva());
    }

    void roundLengthFollowsTheFile_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<int>("antal");
        QTest::newRow("6 items") << "VRS21530.DAT" << 6;
        QTest::newRow("12 items") << "VRS21520.DAT" << 10;
    }
    void roundLengthFollowsTheFile()
    {
        QFETCH(QString, fil);
        QFETCH(int, antal);
        QVERIFY(oppna(fil));
        QCOMPARE(AntalPoster, antal);
        QCOMPARE(m_w->Aster1->maxAntalRutor(), antal);
        for (int i = 0; i < antal; ++i)
            svara(true);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->raderAktiva());
        QVERIFY(!m_w->Image2->isVisible());
        QVERIFY(m_w->LovordPanel->isVisible());
        // A new round of the same length.
        m_w->Button2->click();
        QCOMPARE(AntalPoster, antal);
        QCOMPARE(int(PostNummer), 1);
        QVERIFY(m_w->raderAktiva());
    }

    void pictureOfTheItem()
    {
        QCOMPARE(bildvisBildFil(21420, 3), QStringLiteral("\\BILD\\VAXTER\\T214203.BMP"));
        QCOMPARE(bildvisBildFil(21550, 12), QStringLiteral("\\BILD\\DJUR\\T215512.BMP"));
        QVERIFY(bildvisBildFil(21510, 100).isEmpty());
        QVERIFY(oppna(QStringLiteral("VRS21520.DAT")));
        QSet<int> sedda;
        for (int i = 0; i < 12; ++i) {
            QVERIFY(tillPost(SlumpPost)); // the item on screen, rows ready
            const int n = SlumpPost;
            if (n == 5) {
                QVERIFY(!m_w->Image2->isVisible());
            } else {
                QVERIFY(m_w->Image2->isVisible());
                const QImage bild = m_w->Image2->pixmap().toImage();
                QCOMPARE(bild.pixel(bild.width() / 2, bild.height() / 2), bildFarg(n).rgb());
                // the picture keeps its shape and fills the space
                QVERIFY(qAbs(bild.width() * 3 - bild.height() * 4) <= 4);
            }
            sedda.insert(n);
            svara(true);
            if (m_w->Panel1->isVisible())
                m_w->Button2->click();
        }
        QCOMPARE(sedda.size(), 12);
    }

    void birdSongs()
    {
        FakeSound ljud;
        MessageRecorder meddelanden;
        QCOMPARE(fagelSang(22), QStringLiteral("RODHAKE.WAV"));
        QVERIFY(fagelSang(2).isEmpty());
        QVERIFY(oppna(QStringLiteral("VRS21510.DAT")));
        QVERIFY(tillPost(22));
        QVERIFY(m_w->HoraLjudetButton->isVisible());
        QTest::mouseClick(m_w->HoraLjudetButton, Qt::LeftButton);
        QCOMPARE(ljud.calls().size(), 1);
        QCOMPARE(ljud.calls()[0].file, ProgramPath::resolve(CDPath, QStringLiteral("\\LJUD\\BIRDS\\RODHAKE.WAV")));
        QVERIFY(!ljud.calls()[0].wait);
        QCOMPARE(int(m_w->SangSpelas), 1);
        svara(true); // the song stops with the next item
        QCOMPARE(ljud.stops(), 1);
        QCOMPARE(int(m_w->SangSpelas), 0);

        QVERIFY(tillPost(2));
        QVERIFY(!m_w->HoraLjudetButton->isVisible());

        // With the sound off there is no song.
        LjudInst = 0;
        QVERIFY(tillPost(22));
        QVERIFY(!m_w->HoraLjudetButton->isVisible());

        // A song missing from both roots names the place looked in last.
        LjudInst = 3;
        QVERIFY(tillPost(15));
        QVERIFY(m_w->HoraLjudetButton->isVisible());
        m_w->HoraLjudetButton->click();
        QCOMPARE(ljud.calls().size(), 1);
        QCOMPARE(meddelanden.last(), QStringLiteral("Filen ") + ProgramPath::normalise(CDPath + QStringLiteral("\\LJUD\\BIRDS\\KOLTRAST.WAV"))
                                         + QStringLiteral(" finns inte eller är felaktig"));
    }

    // With the default settings (VrsCDPath empty) the songs of the course are
    // found in the installation, as every other course file.
    void birdSongsFromACourseWithoutCd()
    {
        m_course->writePathSettings({QStringLiteral("[PATH]"), QStringLiteral("VrsPCPath=") + m_course->root(),
                                     QStringLiteral("VrsCDPath=")});
        LaesSokvagar();
        QVERIFY(CDPath.isEmpty());
        m_course->writeBytes(QStringLiteral("ljud/Birds/KOLTRAST.WAV"), "RIFF");
        FakeSound ljud;
        MessageRecorder meddelanden;
        QVERIFY(oppna(QStringLiteral("VRS21510.DAT")));
        QVERIFY(tillPost(15));
        m_w->HoraLjudetButton->click();
        QCOMPARE(meddelanden.texts(), QStringList());
        QCOMPARE(ljud.calls().size(), 1);
        QCOMPARE(ljud.calls()[0].file, m_course->path(QStringLiteral("ljud/Birds/KOLTRAST.WAV")));

        // A song that isn't there is reported under the installation, in the
        // letters its folders have on disk, never at the file system's root.
        QVERIFY(tillPost(22));
        m_w->HoraLjudetButton->click();
        QCOMPARE(ljud.calls().size(), 1);
        QCOMPARE(meddelanden.texts(), QStringList{QStringLiteral("Filen ") + m_course->path(QStringLiteral("ljud/Birds/RODHAKE.WAV"))
                                                  + QStringLiteral(" finns inte eller är felaktig")});
    }

    void escapeAndTheErrorRound()
    {
        FakeSound ljud;
        QVERIFY(oppna(QStringLiteral("VRS21520.DAT")));
        // Esc with nothing queued: the error round is not offered.
        tangent(Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        QVERIFY(!m_w->raderAktiva());
        const quint16 post = SlumpPost;
        tangent(Qt::Key_1 + m_w->RattPosition - 1);
        QCOMPARE(int(AntalRatt), 0);
        m_w->Button2->click();
        QCOMPARE(SlumpPost, post);
        QVERIFY(m_w->raderAktiva());

        // Esc in the pause after a wrong choice stops the pause under the
        // panel; going on asks the next item, not the answered one again.
        QSet<int> fel;
        const quint16 felPost = SlumpPost;
        fel.insert(SlumpPost);
        tangent(Qt::Key_1 + felPosition() - 1);
        tangent(Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QVERIFY(!m_w->raderAktiva());
        m_w->Button2->click();
        QVERIFY(m_w->raderAktiva());
        QVERIFY(SlumpPost != felPost);
        QCOMPARE(int(AntalFel), 1);

        // A right click on a row is Esc: now the error round is offered.
        QTest::mouseClick(m_w->AltLabel[1], Qt::RightButton);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        m_w->Button2->click();

        fel.insert(SlumpPost);
        svara(false);
        while (!m_w->Panel1->isVisible())
            svara(true);
        QCOMPARE(int(AntalRatt), 8);
        QVERIFY(m_w->Button1->isEnabled());
        QVERIFY(!m_w->HoraLjudetButton->isVisible());

        m_w->Button1->click();
        QCOMPARE(AntalPoster, 2);
        QCOMPARE(m_w->Aster1->maxAntalRutor(), 2);
        QVERIFY(!m_w->LovordPanel->isVisible());
        QSet<int> fragade;
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(m_w->raderAktiva());
            fragade.insert(SlumpPost);
            svara(true);
        }
        QCOMPARE(fragade, fel);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        QTest::keyClick(m_w.get(), Qt::Key_Escape); // "Abbrechen" is the cancel button
        QVERIFY(!m_w->isVisible());
    }

    void bundledPictureExercises_data()
    {
        QTest::addColumn<QString>("fil");
        for (const char *f : {"VRS21410.DAT", "VRS21420.DAT", "VRS21430.DAT", "VRS21440.DAT", "VRS21510.DAT",
                              "VRS21520.DAT", "VRS21530.DAT", "VRS21540.DAT", "VRS21550.DAT"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void bundledPictureExercises()
    {
        QFETCH(QString, fil);
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath = PCPath;
        HaemtaDatFiler();
        NollstallSlump(1, MaxSlumptal);
        MessageRecorder meddelanden;
        QVERIFY(Kolla(fil));
        const qint32 antal = PostAntal[ListNummer];
        QVERIFY(antal >= 14);
        const quint16 tal = GeProgramtal(fil);
        for (qint32 n = 1; n <= antal; ++n) {
            QVERIFY(haemtaord(fil, n));
            str_postarray(PostRad);
            QVERIFY2(!postFalt(1).isEmpty() && !postFalt(2).isEmpty() && !postFalt(4).isEmpty(), qPrintable(PostRad));
            QVERIFY2(postFalt(2) != postFalt(1) && postFalt(3) != postFalt(1), qPrintable(PostRad));
            QVERIFY2(laddaBild(bildvisBildFil(tal, n)).size() == QSize(320, 240), qPrintable(bildvisBildFil(tal, n)));
        }
        if (tal == 21510) {
            QVERIFY(antal >= 32);
            if (QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty())
                QSKIP("sox is missing: no bird songs were made");
            for (qint32 n = 1; n <= antal; ++n)
                if (!fagelSang(n).isEmpty())
                    QVERIFY2(Sound::wavLength(ProgramPath::resolve(CDPath, QStringLiteral("\\LJUD\\BIRDS\\") + fagelSang(n))) > 500,
                             qPrintable(fagelSang(n)));
        }
        QCOMPARE(meddelanden.texts(), QStringList());
    }
};

VARMIKO_TEST_MAIN(TestTBildvis)
#include "test_tbildvis.moc"
