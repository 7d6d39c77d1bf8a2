#include "LiveSessionPanel.h"
#include "Units.h"

#include "PatientDatabase.h"
#include "PatientModels.h"
#include "Recording.h"
#include "RecordingCheck.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zud::ui {

namespace {

constexpr int kDauerbetrieb = 61; // the program's duration "Timeout": runs until stopped

// "mm:ss", with the hours in front from one hour on.
QString Uhrzeit(int sekunden) {
    const int h = sekunden / 3600, m = sekunden / 60 % 60, s = sekunden % 60;
    return h > 0 ? QString::asprintf("%d:%02d:%02d", h, m, s) : QString::asprintf("%02d:%02d", m, s);
}

QString Zahl(double v) {
    return QLocale().toString(v, 'f', 1);
}

bool DruckModus(int mode) {
    return mode >= 4 && mode <= 7;
}

} // namespace

LiveSessionPanel::LiveSessionPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("LiveSessionPanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(16, 12, 16, 12);
    lay->setSpacing(2);
    auto group = [lay](QLabel* caption, std::initializer_list<QWidget*> values) {
        lay->addSpacing(10);
        lay->addWidget(caption);
        for (QWidget* w : values)
            lay->addWidget(w);
    };
    FPatientCaption = Caption("LivePatientCaption");
    FPatientLabel = Value("LivePatient", 1.5, true);
    FPatientLabel->setWordWrap(true);
    group(FPatientCaption, {FPatientLabel});
    FProgramCaption = Caption("LiveProgramCaption");
    FProgramLabel = Value("LiveProgram", 1.5, true);
    FProgramLabel->setWordWrap(true);
    FModeLabel = Value("LiveMode", 1.15, false);
    FModeLabel->setWordWrap(true);
    group(FProgramCaption, {FProgramLabel, FModeLabel});
    FTimeCaption = Caption("LiveTimeCaption");
    FTimeLabel = Value("LiveTime", 2.0, true);
    FTotalLabel = Value("LiveTotal", 1.15, false);
    FTotalLabel->setWordWrap(true);
    group(FTimeCaption, {FTimeLabel, FTotalLabel});
    FCycleCaption = Caption("LiveCycleCaption");
    FCycleLabel = Value("LiveCycle", 2.0, true);
    group(FCycleCaption, {FCycleLabel});

    FValueCaption = Caption("LiveValueCaption");
    FValueLabel = Value("LiveValue", 4.5, true);
    FUnitLabel = Value("LiveUnit", 2.0, false);
    auto* zeile = new QWidget(this);
    auto* h = new QHBoxLayout(zeile);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(8);
    h->addWidget(FValueLabel, 0, Qt::AlignBottom);
    h->addWidget(FUnitLabel, 0, Qt::AlignBottom);
    h->addStretch(1);
    FSecondLabel = Value("LiveSecond", 1.5, true);
    group(FValueCaption, {zeile, FSecondLabel});

    FShareCaption = Caption("LiveShareCaption");
    FShareLabel = Value("LiveShare", 2.0, true);
    FTargetLabel = Value("LiveTarget", 1.15, false);
    FTargetLabel->setWordWrap(true);
    group(FShareCaption, {FShareLabel, FTargetLabel});
    for (QLabel* l : {FShareCaption, FShareLabel, FTargetLabel, FSecondLabel}) {
        // The panel does not jump when a row comes and goes with the phase.
        QSizePolicy sp = l->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        l->setSizePolicy(sp);
    }
    lay->addStretch(1);
    setMaximumWidth(440);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    Clear();
}

QLabel* LiveSessionPanel::Caption(const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(0x55, 0x55, 0x55));
    l->setPalette(pal);
    return l;
}

QLabel* LiveSessionPanel::Value(const char* name, double scale, bool bold) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * scale);
    f.setBold(bold);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    return l;
}

void LiveSessionPanel::SetPatient(const Patient* patient) {
    FPatientName =
        patient ? QStringLiteral("%1 %2").arg(patient->Vorname, patient->Name).trimmed() : QString();
    FGeburtstag = patient ? patient->Geburtstag : QDate();
    ShowPatient();
}

void LiveSessionPanel::SetPressureUnit(int einheit) {
    FEinheit = einheit;
    ShowFigures();
}

void LiveSessionPanel::Clear() {
    FHatKopf = false;
    FKopf = ProgrammParameter{};
    FZyklus = 0;
    FProben = 0;
    FZyklusNr = 0;
    FHatWert = false;
    FTon = LiveTone{};
    FBewertet = 0;
    FImZiel = 0;
    FZiel = Tonziel::Keins;
    Retranslate();
}

void LiveSessionPanel::Start(const ProgrammParameter& programm) {
    FKopf = programm;
    FHatKopf = true;
    FZyklus = EZZykluslaenge(programm, 0);
    FProben = 0;
    FZyklusNr = 0;
    FHatWert = false;
    FTon = LiveTone{};
    FTon.Programm(programm);
    FBewertet = 0;
    FImZiel = 0;
    FZiel = Tonziel::Keins;
    ShowProgram();
    ShowFigures();
}

void LiveSessionPanel::Add(const EZProbe& probe) {
    if (!FHatKopf)
        return;
    FZyklus = probe.Zykluslaenge;
    // The feed's cycle position starts again at 0 with each cycle.
    if (FProben == 0 || (FZyklus > 0 && probe.Counter == 0))
        ++FZyklusNr;
    ++FProben;
    FLetzte = probe;
    FHatWert = true;
    FTon.Probe(probe);
    FZiel = FTon.Bewertet() ? ZielDerPhase(probe.Werte.Phase) : Tonziel::Keins;
    if (FTon.Bewertet()) {
        ++FBewertet;
        FImZiel += FTon.An();
    }
    ShowFigures();
}

QSize LiveSessionPanel::sizeHint() const {
    // Room for the widest value the run can show, whatever is shown now.
    QSize s = QFrame::sizeHint();
    const QFontMetrics wert(FValueLabel->font()), einheit(FUnitLabel->font());
    const int zeile = wert.horizontalAdvance(QLocale().toString(888.8, 'f', 1)) + 8 +
                      einheit.horizontalAdvance(QStringLiteral("mmHg"));
    const QMargins m = layout()->contentsMargins();
    s.setWidth(std::max({s.width(), zeile + m.left() + m.right() + 2 * frameWidth(), 300}));
    return s;
}

int LiveSessionPanel::Cycles() const {
    if (!FHatKopf || FZyklus <= 0 || FKopf.Timeout < 1 || FKopf.Timeout >= kDauerbetrieb)
        return 0;
    return (FKopf.Timeout * 60 + FZyklus - 1) / FZyklus;
}

void LiveSessionPanel::changeEvent(QEvent* e) {
    QFrame::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        Retranslate();
}

void LiveSessionPanel::Retranslate() {
    FPatientCaption->setText(tr("Patient"));
    FProgramCaption->setText(tr("Programm"));
    FTimeCaption->setText(tr("Zeit"));
    FCycleCaption->setText(tr("Zyklus"));
    FShareCaption->setText(tr("Im Zielbereich"));
    ShowPatient();
    ShowProgram();
    ShowFigures();
}

void LiveSessionPanel::ShowPatient() {
    if (FPatientName.isEmpty()) {
        FPatientLabel->setText(tr("kein Patient gewählt"));
        return;
    }
    FPatientLabel->setText(FGeburtstag.isValid()
                               ? FPatientName + QStringLiteral("\n*") + FormatDate(FGeburtstag)
                               : FPatientName);
}

void LiveSessionPanel::ShowProgram() {
    if (!FHatKopf) {
        FProgramLabel->setText(QStringLiteral("–"));
        FModeLabel->clear();
        return;
    }
    const QString name =
        ProgramName(QByteArray(reinterpret_cast<const char*>(&FKopf), qsizetype(sizeof FKopf)));
    FProgramLabel->setText(name.isEmpty() ? QStringLiteral("–") : name);
    FModeLabel->setText(BetriebsartName(FKopf.Betriebsart).trimmed());
}

void LiveSessionPanel::ShowFigures() {
    // Time: elapsed (tenths of a second per sample, as the recording counts) and in total.
    FTimeLabel->setText(FHatKopf ? Uhrzeit(FProben / 10) : QStringLiteral("–"));
    if (FHatKopf && FKopf.Timeout >= kDauerbetrieb)
        FTotalLabel->setText(tr("Dauerbetrieb"));
    else if (FHatKopf && FKopf.Timeout >= 1)
        FTotalLabel->setText(tr("Gesamtdauer: %1").arg(Uhrzeit(FKopf.Timeout * 60)));
    else
        FTotalLabel->clear();
    const int zyklen = Cycles();
    if (FZyklusNr == 0)
        FCycleLabel->setText(QStringLiteral("–"));
    else if (zyklen > 0)
        FCycleLabel->setText(tr("%1 von %2").arg(FZyklusNr).arg(zyklen));
    else
        FCycleLabel->setText(QString::number(FZyklusNr));

    // The current value, by phase: the current in the stimulation phase, the pressure in the
    // pressure modes, else the smoothed EMG as the chart draws it.
    const EZWerte& w = FLetzte.Werte;
    const int mode = FKopf.Betriebsart;
    QString caption = tr("Wert"), wert = QStringLiteral("–"), einheit, zweiter;
    if (FHatWert && w.Phase == kPhaseStrom) {
        caption = tr("Strom");
        wert = Zahl(w.Strom);
        einheit = CurrentUnit();
    } else if (FHatWert && DruckModus(mode) && w.Phase >= 5 && w.Phase <= 7) {
        caption = tr("Druck");
        const bool mmHg = FEinheit == 1;
        wert = Zahl(w.Druck * Einheitenfaktor(mmHg ? Druckeinheit::mmHg : Druckeinheit::mbar));
        einheit = PressureUnit(FEinheit);
    } else if (FHatWert && (w.Phase <= 2 || w.Phase == 4)) {
        caption = mode == 9 ? tr("EMG 1") : tr("EMG");
        wert = Zahl(FLetzte.EMGFilter1 * EMGBereich(w.Bereich1) / 200.0);
        einheit = EmgUnit();
        if (mode == 9)
            zweiter = tr("EMG 2") + QStringLiteral(": ") +
                      Zahl((w.EMG2 & 0xFF) * EMGBereich(w.Bereich2) / 200.0) + QStringLiteral(" µV");
    }
    FValueCaption->setText(caption);
    FValueLabel->setText(wert);
    FUnitLabel->setText(einheit);
    FSecondLabel->setText(zweiter);
    FSecondLabel->setVisible(!zweiter.isEmpty());

    // The share of the run on the asked side, while the phase asks for one.
    const bool ziel = FZiel != Tonziel::Keins && FBewertet > 0;
    FShareCaption->setVisible(ziel);
    FShareLabel->setVisible(ziel);
    FTargetLabel->setVisible(ziel);
    if (ziel) {
        FShareLabel->setText(tr("%1 %").arg(QLocale().toString(std::lround(100.0 * FImZiel / FBewertet))));
        FTargetLabel->setText(FZiel == Tonziel::Ueber ? tr("Ziel: über der Schwelle")
                                                      : tr("Ziel: unter der Schwelle"));
    }
}

} // namespace zud::ui
