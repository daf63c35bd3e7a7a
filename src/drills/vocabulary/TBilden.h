#pragma once
// Questions about a picture of the human body: the picture fills the left
// part of the window and the pupil types the answers beside it. The typed
// answer window without hints, lamp, rules, worksheet or diagnosis; it runs
// in practice mode only.

#include "drills/writing/TSKRIV.h"

class TBilden : public TSKRIV
{
    Q_OBJECT
public:
    explicit TBilden(QWidget *parent = nullptr);

    QLabel *Kroppsbild = nullptr;  // "Image1": the body picture
    QLabel *SvarsLabel = nullptr;  // the right answer: the template's Label5
    QLabel *FrageLabel3 = nullptr; // not used
    QFrame *Bildpanelen = nullptr; // the template's BildPanelen, plain here

    void Avslutning() override;

protected:
    QString svarFalt() const override;
    void raknaLedtradar() override;
    bool harRegelknapp() const override { return false; }
    void visaFragan() override;
    void efterSkapandet() override;
    bool visarBeloningsbild() const override { return false; }
    bool lampaTillaten() const override { return false; }
    void vidSlutPausen() override;

private:
    void laddaKroppsbilden(const QSize &plats);
};

// The body picture of a program number below a root ("\BILD\KROPP\NJURE.BMP"
// for 21304); empty for a program without one.
QString kroppsbildFil(quint16 programtal);

// Creates the window, shows it modally and frees it.
void TBilden_Visa();
