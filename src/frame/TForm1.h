#pragma once
// The main window: the program's first and last screen. A navy menu panel in
// the middle of a borderless full-screen window, with up to six pictures of
// Germany beside it that show their caption under the mouse.

#include <QSize>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class QFrame;
class QLabel;
class QPushButton;
class StartbildLasare;

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Lays the window out for a screen of this size; creation uses the
    // screen the window opens on.
    void placeraKomponenter(QSize skarm);
    QSize skarmStorlek() const { return m_skarm; }

    // Draws the next six pictures of the picture order into the six slots.
    // While the window has not been shown yet, they are read meanwhile and
    // put in their slots as soon as they are ready (with the window's first
    // drawing when they are ready by then); a shown window gets them at once.
    void startbilder();

    // The caption of the start picture in slot 1..6 (BildImage11, 12, 13,
    // 21, 22, 23), as on a mouse move over it.
    void BildImageMouseMove(int slot);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void skapaKomponenter();
    int skala(int designPixlar) const;
    void visaStartbilder();
    // The files of the six pictures the next draw of start pictures takes.
    static QStringList kommandeStartbilder(int skarmBredd);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();

    QSize m_skarm;
    QFrame *m_panel1 = nullptr;
    QLabel *m_label1 = nullptr;
    std::array<QPushButton *, 12> m_button{}; // 1..11
    QLabel *m_panel9 = nullptr;
    QLabel *m_image1 = nullptr;
    std::array<QLabel *, 7> m_bildImage{}; // slots 1..6
    std::array<QRect, 7> m_bildRuta{};     // the slot each picture sits in
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QFrame *m_shape1 = nullptr;
    QLabel *m_label2 = nullptr;
    std::unique_ptr<StartbildLasare> m_startbilder; // pictures being read
};

// The main window of the run, created by the start.
extern TForm1 *Form1;
