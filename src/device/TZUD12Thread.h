#pragma once

// The real-time feed: while a live measurement runs, this thread is the only user of the
// serial line. It switches the device into real-time mode ("E" 1), reads the tagged packets
// "G" (device identity), "P" (the running program) and "W" (one value sample, 10 per second),
// acknowledges every sample at once with "%", and hands each decoded sample on through queued
// signals, so it never waits for the window. At the end it leaves real-time mode ("E" 0)
// unless the device ended it itself.

#include "DeviceFiles.h"
#include "ProtocolRecords.h"

#include <QDate>
#include <QMetaType>
#include <QString>
#include <QThread>
#include <QTime>

#include <atomic>
#include <cstdint>

namespace zud {

class TZUD12;

// The current decoded sample and its program context.
struct EZWerte {
    uint16_t EMG1 = 0;      // EMG channel 1 raw value (0..255)
    uint16_t EMG2 = 0;      // EMG channel 2 raw value (0..255)
    uint8_t Bereich1 = 0;   // range index of channel 1 (0..15)
    uint8_t Bereich2 = 0;   // range index of channel 2 (0..15)
    double Strom = 0;       // stimulation current in mA
    uint8_t StromRoh = 0;   // the current byte as received (0.1 mA)
    uint8_t Schwelle = 0;   // threshold byte
    uint8_t BA = 0;         // operating mode of the running program
    uint8_t Phase = 0;      // phase 0..15
    double Druck = 0;       // pressure in mbar
    uint16_t DruckWort = 0; // the pressure word as received (0.01 mbar)
    QString Programmname;
};

// One displayed sample as the window receives it.
struct EZProbe {
    EZWerte Werte;
    int32_t Counter = 0; // position in the program cycle, in samples
    uint8_t EMGFilter1 = 0;
    int32_t GWerte_bekommen = 0;
    int Zykluslaenge = 0; // seconds
};

// Why a run ended.
enum class EZEnde {
    Gestoppt,          // "Echtzeit Stop" (or the program's end) asked for it
    GeraetBeendet,     // the device sent phase 14
    Grenze,            // 36000 samples (one hour)
    Stille,            // no byte for 5000 ms after the first sample
    WertZuSpaet,       // a "W" body did not arrive within 1000 ms
    EinschaltenFehler, // "E" 1 failed
    KeinBeginn,        // stopped before the device sent anything
    Leitung,           // the line failed (an acknowledgement could not be sent)
};

// The cycle length in seconds of a program by its mode; `bisher` for modes without one.
int EZZykluslaenge(const ProgrammParameter& p, int bisher);

class TZUD12Thread : public QThread {
    Q_OBJECT
public:
    static constexpr int kMaxWerte = 36000;
    static constexpr int kStilleMs = 5000;
    static constexpr int kKopfWarteMs = 4000;
    static constexpr int kWertWarteMs = 1000;

    explicit TZUD12Thread(TZUD12& parent);
    ~TZUD12Thread() override;

    // Stop request; the thread looks at it at least every 10 ms.
    std::atomic<bool> ThreadTerminate{false};
    zud::EZWerte EZWerte;
    int32_t Counter = 0;
    uint8_t EMGFilter1 = 0;
    uint8_t EMGFilter2 = 0;
    uint8_t EMGFilter[3] = {0, 0, 0};
    std::atomic<int32_t> GWerte_bekommen{0};
    zud::ProgrammParameter ProgrammParameter{};
    zud::GeraeteDaten GeraeteDaten{};
    int32_t _YTemp = 0, _XTemp = 0, _YTemp1 = 0, _XTemp1 = 0, _YTemp2 = 0, _XTemp2 = 0;
    int32_t _YTemp_EMG = 0, _XTemp_EMG = 0;
    std::atomic<bool> isRunning{false};
    QDate Thread_Datum;
    QTime Thread_Zeit;
    int32_t FT_Q_BYTES = 0;
    TZUD12& ZUD12Parent;

    // The cycle length in seconds of the running program (0 until a "P" packet came).
    int Zykluslaenge() const { return FZyklus; }
    // Acknowledgements sent in this run.
    int Quittungen() const { return FQuittungen; }
    // Why the run ended (valid after OnUpdateControls).
    EZEnde Ende() const { return FEnde; }

    // Shifts the window of the last three EMG values and sets EMGFilter1 to their rounded mean.
    void Filter(uint8_t Value);

signals:
    // Once, when the thread starts.
    void OnUpdateControls1();
    // After each program packet.
    void OnUpdatepanels(const zud::ProgrammParameter& programm);
    // After each displayed sample.
    void OnUpdateChartData(const zud::EZProbe& probe);
    // Once, when the thread ends.
    void OnUpdateControls(zud::EZEnde ende);

protected:
    void run() override;

private:
    // Waits until `n` bytes are queued; false when `ms` passed or a stop was asked for.
    bool Warte(size_t n, int ms, bool stopZaehlt);
    void Dekodiere(const uint8_t* b);
    // The steps of run(): switch the feed on and reset the counts; wait for the next packet
    // (false when the run ends); read one packet by its tag (true when the device ended the run).
    void Einschalten();
    bool WarteAufPaket();
    bool LesePaket(uint8_t tag);
    void LeseGeraetedaten();
    void LeseProgramm();
    bool LeseWert();
    // A sample that is shown: filtered, counted in its cycle and sent.
    void ZeigeWert(int n);
    void VerwirfUnbekanntes(uint8_t tag);
    int FZyklus = 0;
    int FQuittungen = 0;
    EZEnde FEnde = EZEnde::Gestoppt;
};

} // namespace zud

Q_DECLARE_METATYPE(zud::ProgrammParameter)
Q_DECLARE_METATYPE(zud::EZProbe)
Q_DECLARE_METATYPE(zud::EZEnde)
