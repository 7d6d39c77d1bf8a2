#pragma once

// The live recording: what the real-time feed reports becomes a recording in the stored
// layout (the program header of the "P" packet, one sample per value set, a trailer with the
// statistics), byte for byte the values the device reported. Meanwhile it keeps the running
// figures per phase group (minimum, maximum, sum, count) that the trailer will hold. Used by
// the main window and by `zudctl live` alike.

#include "Recording.h"
#include "TZUD12Thread.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace zud {

// One group of the trailer's statistics, kept as the trailer keeps it (single precision).
struct Laufwerte {
    float Summe = 0;
    uint32_t Anzahl = 0;
    float Min = 300.0f;
    float Max = 0;
    void Add(double v);
};

// The four groups of the trailer.
struct Phasengruppen {
    Laufwerte Entspannen, Anspannen, Pause, Strom;
};

// The value set of a live sample in the stored layout's terms.
Livewert AusEZWerten(const EZWerte& w);

class LiveCapture {
public:
    struct Fertig {
        QByteArray stream; // header, samples, trailer
        QDateTime start;   // when the program header arrived
    };

    // Lines for the protocol log (clamped values).
    std::function<void(const QString&)> Log;

    // A "P" packet: the first one starts the recording. A later one of the same mode changes
    // nothing; one of another mode finishes the recording so far (its samples would not fit the
    // new layout) and starts a new one.
    void Programm(const ProgrammParameter& p, const QDateTime& jetzt = QDateTime::currentDateTime());
    // A displayed sample; false when no program header came yet (the sample has no layout) or
    // a value had to be clamped.
    bool Probe(const EZProbe& p);
    // Ends the run: every recording with at least one sample, complete with its trailer.
    std::vector<Fertig> Abschliessen();

    // The recording being made: header and samples so far (no trailer); empty before a header.
    QByteArray Laufend() const;
    bool HatKopf() const { return FAufzeichnung.has_value(); }
    const ProgrammParameter& Kopf() const { return FKopf; }
    QDateTime Start() const { return FStart; }
    size_t Proben() const { return FAufzeichnung ? FAufzeichnung->Proben() : 0; }
    // The running figures of the recording being made.
    const Phasengruppen& Gruppen() const { return FGruppen; }
    size_t Gekappt() const { return FGekappt; }
    // Samples that came before any program header (they cannot be stored).
    size_t OhneKopf() const { return FOhneKopf; }

private:
    void Beende();
    std::optional<Aufzeichnung> FAufzeichnung;
    ProgrammParameter FKopf{};
    QDateTime FStart;
    Phasengruppen FGruppen;
    std::vector<Fertig> FFertig;
    size_t FGekappt = 0;
    size_t FOhneKopf = 0;
};

} // namespace zud
