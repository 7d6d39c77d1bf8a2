#pragma once

// The panel beside the live chart: what a therapist reads from across the room while a live
// measurement runs. Whose session it is, the running program and its operating mode, the
// elapsed and the total time, the cycle, the current value in large digits with its unit
// (EMG in µV, the stimulation current in mA, the pressure in the chosen unit), and in the
// phases with a threshold the share of the run so far on the side the phase asks for, judged
// by the same rule as the tone.

#include "LiveTone.h"
#include "TZUD12Thread.h"

#include <QDate>
#include <QFrame>

class QLabel;

namespace zud {
struct Patient;
}

namespace zud::ui {

class LiveSessionPanel : public QFrame {
    Q_OBJECT
public:
    explicit LiveSessionPanel(QWidget* parent = nullptr);

    // The patient the recording will be stored for; none (nullptr): "kein Patient gewählt".
    void SetPatient(const Patient* patient);
    // 0 mbar, 1 mmHg (as the chart shows the pressure).
    void SetPressureUnit(int einheit);
    // A new run: nothing known yet.
    void Clear();
    // A program packet: the program starts; elapsed time, cycles and share start again.
    void Start(const ProgrammParameter& programm);
    // One displayed sample.
    void Add(const EZProbe& probe);

    // Displayed samples since the program started, the cycle they are in (1-based, 0 before the
    // first sample), the cycles the program's duration holds (0 when it has no end or no cycle).
    int Samples() const { return FProben; }
    int Cycle() const { return FZyklusNr; }
    int Cycles() const;

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* e) override;

private:
    void Retranslate();
    void ShowPatient();
    void ShowProgram();
    void ShowFigures();
    QLabel* Caption(const char* name);
    QLabel* Value(const char* name, double scale, bool bold);

    QString FPatientName; // empty: none chosen
    QDate FGeburtstag;
    int FEinheit = 0;
    ProgrammParameter FKopf{};
    bool FHatKopf = false;
    int FZyklus = 0; // seconds
    int FProben = 0;
    int FZyklusNr = 0;
    bool FHatWert = false;
    EZProbe FLetzte;
    LiveTone FTon;
    int FBewertet = 0;
    int FImZiel = 0;
    Tonziel FZiel = Tonziel::Keins;

    QLabel *FPatientCaption, *FPatientLabel;
    QLabel *FProgramCaption, *FProgramLabel, *FModeLabel;
    QLabel *FTimeCaption, *FTimeLabel, *FTotalLabel;
    QLabel *FCycleCaption, *FCycleLabel;
    QLabel *FValueCaption, *FValueLabel, *FUnitLabel, *FSecondLabel;
    QLabel *FShareCaption, *FShareLabel, *FTargetLabel;
};

} // namespace zud::ui
