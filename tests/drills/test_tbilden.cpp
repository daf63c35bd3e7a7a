// The body-picture questions: the picture beside the questions, typed
// answers, the question lines, the answer box, the pause and the round end,
// driven as a pupil would.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/vocabulary/TBilden.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/pictures.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

QStringList fragor(int n)
{
    QStringList l{QStringLiteral("$Lite biologi"), QStringLiteral("$Människa"), QStringLiteral("$Njurarna"),
                  QStringLiteral("$§Schreibt das Wort mit Artikel.")};
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Was ist Nummer %1?#die Antwort %1").arg(i);
    return l;
}

} // namespace

class TestTBilden : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TBilden> m_w;

    TBilden *oppna(const QString &fil)
    {
        if (!openExercise(m_w, fil, 0))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    QString fraga() const { return m_w->FrageLabel2->text(); }

    void svara(const QString &text)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        typeAnswer(m_w->Edit1, text);
    }

    QString rattSvar() const { return m_w->SvarsLabel->text(); }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "4");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS21304.DAT"), fragor(12));
        m_course->write(QStringLiteral("DATA/VRS21301.DAT"), fragor(3));
        m_course->write(QStringLiteral("DATA/VRS21305.DAT"),
                        {QStringLiteral("Was ist das?#der Zwölffingerdarm und die Bauchspeicheldrüse und noch viel mehr davon"),
                         QStringLiteral("Welches Organ bildet im Körper aus dem Blut den Harn, und wie heißt es?#die Niere")});
        QImage bild(60, 90, QImage::Format_RGB32);
        bild.fill(QColor(200, 60, 60));
        m_course->mkdir(QStringLiteral("BILD/KROPP"));
        bild.save(m_course->path(QStringLiteral("BILD/KROPP/NJURE.BMP")));
        m_course->activate();
        PausTid = 0;
        BildInst = 1;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        setRadBredd({});
    }

    void pictureBesideTheQuestions()
    {
        MessageRecorder meddelanden;
        QVERIFY(oppna(QStringLiteral("VRS21304.DAT")));
        QCOMPARE(meddelanden.count(), 0);
        QVERIFY(m_w->Kroppsbild->isVisible());
        const QImage bild = m_w->Kroppsbild->pixmap().toImage();
        QCOMPARE(bild.pixel(bild.width() / 2, bild.height() / 2), QColor(200, 60, 60).rgb());
        // it fills the left part, as wide or as high as there is room
        QVERIFY(bild.width() >= m_w->width() / 3 || bild.height() >= m_w->height() * 3 / 4);
        // Title, instruction, question and answer box right of it.
        const int vanster = m_w->Kroppsbild->x() + m_w->Kroppsbild->width() + 2 * Marginal;
        QCOMPARE(m_w->OverskriftYtterShape->x(), vanster);
        for (QWidget *w : {static_cast<QWidget *>(m_w->InstruktionsLabel), static_cast<QWidget *>(m_w->FrageLabel2),
                           static_cast<QWidget *>(m_w->Edit1)})
            QCOMPARE(w->x(), vanster);
        QVERIFY(m_w->FrageLabel2->y() < m_w->Edit1->y());
        QVERIFY(m_w->OverskriftYtterShape->x() + m_w->OverskriftYtterShape->width() < m_w->Aster1->x());
        QCOMPARE(m_w->Overs3Label->text(), QStringLiteral("Njurarna"));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Schreibt das Wort mit Artikel."));
        QVERIFY(fraga().startsWith(QStringLiteral("Was ist Nummer")));
        // Nothing of the template's helpers shows.
        QVERIFY(!m_w->lampknapp->isVisible() && !m_w->Helpknapp1->isVisible() && !m_w->regelknapp->isVisible());

        // A missing picture is reported; the questions go on without it.
        m_w.reset();
        QVERIFY(oppna(QStringLiteral("VRS21301.DAT")));
        QCOMPARE(meddelanden.texts(),
                 QStringList{QStringLiteral("Filen ") + ProgramPath::normalise(PCPath + QStringLiteral("\\BILD\\KROPP\\KROPPEN.BMP"))
                             + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(!m_w->Kroppsbild->isVisible());
        svara(rattSvar());
        QCOMPARE(int(AntalRatt), 1);
    }

    void roundOfTypedAnswers()
    {
        QVERIFY(oppna(QStringLiteral("VRS21304.DAT")));
        // Letter case and a full stop do not matter.
        svara(rattSvar().toUpper() + QLatin1Char('.'));
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(m_w->Aster1->rutNummer(), 1);

        const QString q = fraga();
        svara(QStringLiteral("die Leber"));
        QCOMPARE(int(AntalFel), 1);
        QVERIFY(m_w->SvarsLabel->isVisible());
        QVERIFY(!m_w->Edit1->isEnabled());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        QVERIFY(fraga() != q);
        QVERIFY(!m_w->SvarsLabel->isVisible());

        // Esc and "Fortsetzen" in mid-round keep the item and the counts.
        const QString jetzt = fraga();
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        m_w->Button2->click();
        QCOMPARE(fraga(), jetzt);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 1);
        QVERIFY(!m_w->lampknapp->isVisible());

        for (int i = 3; i < 10; ++i)
            svara(rattSvar());
        // A wrong last answer shows the end panel at once; the round ends
        // after the pause with the praise and the plain panel.
        PausTid = 9;
        svara(QStringLiteral("falsch"));
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Bildpanelen->isVisible());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Bildpanelen->isVisible());
        QCOMPARE(int(AntalRatt), 8);
        QVERIFY(m_w->LovordPanel->isVisible());
        QVERIFY(m_w->Kroppsbild->isVisible()); // no reward picture over the body
        QVERIFY(!m_w->Image1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);

        // The error round asks the two wrong items.
        m_w->Button1->click();
        QCOMPARE(AntalPoster, 2);
        QVERIFY(!m_w->Bildpanelen->isVisible() && !m_w->lampknapp->isVisible());
        svara(rattSvar());
        svara(rattSvar());
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        m_w->Button2->click();
        QCOMPARE(int(PostNummer), 1);
        QCOMPARE(AntalPoster, 10);
        QVERIFY(m_w->Edit1->isEnabled());
    }

    void longQuestionsAndAnswers()
    {
        // Every letter 10 pixels wide: the question takes three lines.
        setRadBredd([](const QString &t, int) { return int(t.size()) * 10; });
        QVERIFY(oppna(QStringLiteral("VRS21305.DAT")));
        const int bredd = (m_w->Aster1->x() - Marginal - m_w->FrageLabel1->x()) / 10;
        for (int i = 0; i < 2; ++i) {
            str_postarray(PostRad);
            const QString helaFragan = postFalt(1);
            const QString svar = rattSvar();
            if (helaFragan.size() > 2 * bredd) {
                QVERIFY(m_w->FrageLabel1->isVisible());
                QCOMPARE(m_w->FrageLabel1->text() + fraga(), helaFragan);
                QVERIFY(fraga().size() > bredd); // lines 2 and 3 together
            }
            // The answer box: the answer and 60 pixels, but never over the squares.
            const int vill = m_w->SvarsLabel->fontMetrics().horizontalAdvance(svar) + 60;
            const int rand = m_w->Edit1->x() + m_w->Edit1->width();
            if (m_w->Edit1->x() + vill > m_w->Aster1->x())
                QCOMPARE(rand, m_w->Aster1->x() - 4);
            else
                QCOMPARE(m_w->Edit1->width(), vill);
            svara(svar);
        }
    }

    void germanLettersCanBeTyped()
    {
        QVERIFY(oppna(QStringLiteral("VRS21304.DAT")));
        m_w->Edit1->setFocus();
        typeText(m_w->Edit1, QStringLiteral("der Fu"));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("der Fuß"));
    }

    void bundledBodyExercises_data()
    {
        QTest::addColumn<QString>("fil");
        for (int i = 21301; i <= 21307; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << QStringLiteral("VRS%1.DAT").arg(i);
    }
    void bundledBodyExercises()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        MessageRecorder meddelanden;
        QVERIFY(Kolla(fil));
        QVERIFY(PostAntal[ListNummer] >= 14);
        QCOMPARE(laddaBild(kroppsbildFil(GeProgramtal(fil))).size(), QSize(320, 480));
        QVERIFY(oppna(fil));
        for (int i = 0; i < 10; ++i) {
            QVERIFY(!fraga().isEmpty());
            QVERIFY(!rattSvar().isEmpty());
            svara(rattSvar());
        }
        QCOMPARE(int(AntalRatt), 10);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(meddelanden.texts(), QStringList());
    }
};

VARMIKO_TEST_MAIN(TestTBilden)
#include "test_tbilden.moc"
