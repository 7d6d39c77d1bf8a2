#pragma once

// A recording as an EDF+ file (European Data Format, continuous), written with EDFlib: one signal
// per measured channel of the operating mode at 10 samples per second, the phases as
// annotations, the patient and the device in the header. The file is complete or absent.

#include "Recording.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

namespace zud {

class PatientDatabase;

struct EdfSignal {
    QString Label;   // at most 16 ASCII characters
    QString Einheit; // physical dimension, ASCII ("uV", "mA", "mbar", "mmHg")
    double PhysMin = 0;
    double PhysMax = 1;
    std::vector<double> Werte;
};

// The signals of a decoded recording: EMG 1 and 2 (smoothed, µV), the current (mA), the pressure
// (in the unit of the decoding) and the threshold, each where the mode measures it. The physical
// range covers the channel's range and every value, so nothing is clipped.
std::vector<EdfSignal> EdfSignale(const Messung& m, int druckEinheit);

struct EdfAnnotation {
    qint64 Beginn = 0; // samples from the start (0.1 s each)
    qint64 Dauer = 0;  // samples
    QString Text;      // "Entspannen", "Anspannen", "Pause", "Strom", …
};
// The phases of a recording, one annotation per run of the same phase; none for modes without
// phases.
std::vector<EdfAnnotation> EdfPhasen(const Messung& m);

struct EdfKopf {
    QString Patientennummer;
    QString Name, Vorname;
    QDate Geburtstag;    // invalid: not given
    int Geschlecht = -1; // 0 weiblich, 1 männlich
    QDateTime Beginn;    // start of the exercise
    QString Geraet;      // device name
    QString Programm;    // program name
    int DruckEinheit = 0;
};

// ASCII for the header fields: umlauts written out, other letters without their accents,
// spaces as underscores, anything else left out.
QString EdfText(const QString& s);

// Writes the file; false with the German reason in *fehler (nothing is left at `pfad` then).
bool SchreibeEdf(const QString& pfad, const Messung& m, const EdfKopf& kopf, QString* fehler);

// A stored recording as EDF+ (patient and device from the database). False with the German
// reason in *fehler.
bool ExportiereEdf(PatientDatabase& dm, qint64 counter, const QString& pfad, int druckEinheit,
                   QString* fehler);

} // namespace zud
