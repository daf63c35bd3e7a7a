#pragma once
// Telling the time: an analogue clock under the question "Wieviel Uhr ist
// es?", and the pupil types the German phrase. The typed-answer window with
// one answer, fixed title lines, no hints, rules, reward picture, worksheet or
// diagnosis; it runs in practice mode only.

#include "drills/writing/TSKRIV.h"

class Urtavla;

class TKlockan : public TSKRIV
{
    Q_OBJECT
public:
    explicit TKlockan(QWidget *parent = nullptr);

    Urtavla *PaintBox1 = nullptr;
    QPushButton *Button4 = nullptr; // BitBtn1

    void Avslutning() override;

protected:
    void LampknappClick() override;
    QString svarFalt() const override;
    quint16 kontrollera(const QString &svar) const override;
    void raknaLedtradar() override;
    bool harRegelknapp() const override { return false; }
    void visaFragan() override;
    void efterSkapandet() override;
    bool visarBeloningsbild() const override { return false; }

    bool eventFilter(QObject *o, QEvent *e) override;
};

// Creates the window, shows it modally and frees it.
void TKlockan_Visa();
