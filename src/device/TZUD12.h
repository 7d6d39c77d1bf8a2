#pragma once

#include "DeviceFiles.h"
#include "ProgressBar.h"
#include "ProtocolRecords.h"
#include "TCOM.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>

namespace zud {

class TZUD12Thread;

// One entry of a device directory listing.
struct DateiInfo {
    QString Filename;
    QDate Datum; // null when the device's date word is not a valid date
    QTime Zeit;  // null when the device's time word is not a valid time
    uint16_t Dauer = 0;
    bool Checked = false;
    // Set by the read-out's pre-selection, for the list only: the recording is in the database
    // already; `GespeichertBei` names another patient with a recording of the same date and
    // time (compared by its bytes when it is read out).
    bool Gespeichert = false;
    QString GespeichertBei;
};

// A device path holds at most 50 characters and a mask at most 6, all of them in the device's
// 8-bit set (U+0001..U+00FF). False with the reason (English, for the protocol log) otherwise.
bool CheckDevicePath(const QString& path, QString* reason = nullptr);
bool CheckDeviceMask(const QString& mask, QString* reason = nullptr);

// Model index (0..11) of a device type code; 0 = unknown model.
int ModelIndex(uint8_t typeCode);
// Device type code of an application number 1..12; -1 for any other number.
int ApplicationTypeCode(int aktiv);

// The device object: the program's one gateway to the ZUD12. Commands are strictly request
// and reply; each returns true or false and logs its failure to the protocol log. Nothing is
// retried. Callers open the link first and keep other device actions disabled meanwhile.
class TZUD12 {
public:
    static constexpr int kTherapeuten = 6;
    static constexpr int kPatienten = 10;
    static constexpr int kSlots = kTherapeuten * kPatienten;

    explicit TZUD12(const QString& log = QString());
    ~TZUD12();
    TZUD12(const TZUD12&) = delete;
    TZUD12& operator=(const TZUD12&) = delete;

    // --- link ---
    void open();
    void close();
    // "X": the device restarts; false (and logged) when it did not acknowledge the command.
    bool Reset();
    void AddLog(const QString& s);

    // --- identity, clock, screen ---
    bool GetVersion();
    bool GetDeviceInfo();
    bool WriteRTC(const QDateTime& DateTime);
    bool SetDownloadScreen(uint8_t Index);

    // --- file transfer ---
    bool SetFileName(const QString& name, uint32_t size, const QString& mask);
    bool ReadFile(const QString& name, QByteArray& stream);
    bool WriteFile(const QString& name, const QByteArray& stream);
    bool DeleteFileByName(const QString& name);
    bool GetFilenames(TProgressBar* Sender, const QString& Dir, const QString& Maske,
                      QList<DateiInfo>& Filenames);
    bool GetMessHeaders(TProgressBar* Sender, int Therapeut, int Patient);
    bool GetMessung(int Therapeut, int Patient, QByteArray& MessStream, int Index);
    bool DeleteFile(TProgressBar* Sender, int Therapeut, int Index, int Patient);
    File DirectoryQuery(const QString& name);
    File DirectoryCreate(const QString& name);
    bool CheckDirectory(const QString& filename);
    bool SchreibeDatei(const QString& Ziel, const QString& Quelle);
    QDate RecodeDate(uint16_t value);
    QTime RecodeTime(uint16_t value);

    // --- maintenance ---
    bool DeleteExercises(TProgressBar* Sender, int Therapeut, const QString& Maske, int Patient);
    bool Werkszustand(TProgressBar* Anzeige);
    bool SetInfoblock(uint32_t address, char subCommand, QByteArray& stream);
    int LeseAnwendungsdaten();
    int SchreibeAnwendungsdaten();
    int DeviceReloadFlash();

    // --- real-time mode ---
    // "E": 1 enters real-time mode, 0 leaves it; the echo is checked.
    bool setEZ(uint8_t Value);
    // "%": the acknowledgement of one value sample.
    bool EZSync();
    // A new real-time thread (not started); a previous one is ended first.
    TZUD12Thread* CreateEZThread();
    void StartEZThread();
    // Asks the thread to end; it leaves real-time mode and keeps what it received.
    void TerminateEZThread();
    bool EZRunning() const;
    // Waits for the thread's end; false when it still runs after `ms`. After the end, what
    // the thread learnt (the device identity of its "G" packet, its last log line) is taken
    // over into this object: while it runs, the thread writes none of the fields the window
    // reads (LastLog, the identity).
    bool WaitEZThread(int ms);
    std::unique_ptr<TZUD12Thread> ZUD12Thread;
    // Typ, SN and Kunde from a device identity record; called from the real-time thread, the
    // record waits for the thread's end.
    void ApplyGeraeteDaten(const zud::GeraeteDaten& g);

    // --- device records ---
    bool ReadProgramData(int Therapeut, int Patient);
    bool WriteProgramData(int Therapeut, int Patient);
    bool WriteDefProgramData();
    bool CalcImpulsMuster(int Therapeut, int Patient, int Programm);
    bool ReadSystemParams();
    bool WriteSystemParams();
    bool WriteDefSystemParams();
    void GenerateSysCRC();
    bool ReadTherapeutData();
    bool WriteTherapeutData();
    bool ReadPatientData(int Therapeut);
    bool WritePatientData(int Therapeut);
    bool ReadCodeData();
    bool WriteCodeData();

    // --- state ---
    File serFile{};
    bool ComOpen = false;
    QString ComPort;
    uint32_t Baud_Rate = 460800;
    uint32_t ComError = 0;
    TCOM ComDev;
    QString LogFileName;

    VERSION GVersion{};
    QString FWVersion;
    QDate FWDate;
    QTime FWTime;
    zud::GeraeteDaten GeraeteDaten{};
    int Typ = 0;
    int Kunde = 0;
    QString SN;
    ANWENDUNGEN Anwendungen{};
    // Bytes 46..127 of the info block as last read; written back unchanged.
    std::array<uint8_t, kInfoblockSize - sizeof(zud::GeraeteDaten) - sizeof(ANWENDUNGEN)> InfoblockRest{};

    std::array<QList<DateiInfo>, kSlots> MessHeaders;

    // Programs: memory form, device image, and the image last read from or written to the
    // device (a write sends a file only when its image differs from that copy).
    std::array<Programmsatz, kSlots> Programme{};
    std::array<Programmdatei, kSlots> Programme_ZUD12{};
    std::array<Programmdatei, kSlots> Programme_ZUD12_ori{};
    Systemparameter SystemParameter{};
    Systemparameter SystemParameter_ZUD12_ori{};
    std::array<Stammsatz, kTherapeuten> Therapeuten{};
    std::array<Stammdaten, kTherapeuten> Therapeuten_ZUD12{};
    std::array<Stammdaten, kTherapeuten> Therapeuten_ZUD12_ori{};
    std::array<Stammsatz, kSlots> Patienten{};
    std::array<Stammdaten, kSlots> Patienten_ZUD12{};
    std::array<Stammdaten, kSlots> Patienten_ZUD12_ori{};
    Codes Codes_ZUD12{};
    // A file block acknowledged with another CRC than the block's fails the write; with this set
    // the mismatch is logged as a warning and the write goes on (machine setting LenientWriteAck).
    bool LenientWriteAck = false;
    // Set when a text character has no code in the device's character set.
    bool ConvertError = false;

    // Called between blocks and progress words so that a window can repaint. A file read can
    // be given up within a block (CancelRequested); other commands run to their end.
    std::function<void()> Pump;

    // Called during file transfers with the bytes moved so far and the file's size, so that a
    // progress bar can move within a long file.
    std::function<void(qint64 done, qint64 total)> Transferred;
    // Asked after every block of a file read: true gives the file up within that block. The
    // device learns it from an acknowledgement that does not match the block (it drops the
    // transfer and listens for a new command after a short silence); the read waits for that
    // silence, empties the input and fails, so the next command finds a quiet line.
    std::function<bool()> CancelRequested;
    // True while Pump runs: a device command started from there fails at once.
    bool Pumping() const { return FPumping; }

    // The message of the most recent protocol log entry (also when no log file is set).
    QString LastLog;

    // The last command frame sent (bytes 0..9).
    const std::array<uint8_t, 10>& Frame() const { return FFrame; }

private:
    // Builds the frame: code, parameters, CRC over bytes 0..7 high byte first.
    void BuildFrame(uint8_t code, const uint8_t* params = nullptr, size_t n = 0);
    void SendFrame();
    bool WaitFor(size_t count, int ms);
    void Read(void* dst, size_t count);
    bool EchoMatches(const uint8_t* echo) const;
    // Names the file, sends the one-letter command and reads the echo and the file record that
    // answer it into serFile; `what` names the command in the log line of a fault.
    void FileCommand(const QString& name, char code, const char* what);
    void PumpMessages();
    // True (and logged) when a command is started while another one waits in Pump.
    bool Busy(const char* command);
    // Runs one device command: refused (and logged) while another one waits for the device; a
    // fault of the line or the device ends it, is logged and makes it false. `body` returns
    // nothing or whether it succeeded.
    template <class Body> bool Guarded(const char* command, Body&& body) {
        if (Busy(command)) {
            return false;
        }
        return Caught([&body] {
            if constexpr (std::is_void_v<std::invoke_result_t<Body&>>) {
                body();
                return true;
            } else {
                return static_cast<bool>(body());
            }
        });
    }
    // The device path of the recording listed at `Index` for the slot; empty when the slot or the
    // index is out of range.
    QString ListedRecordingPath(int Therapeut, int Patient, int Index) const;
    // Runs `body`; a device fault it raises is logged and makes it false.
    bool Caught(const std::function<bool()>& body);
    void PauseMs(int ms);
    bool ReadProgress(TProgressBar* bar, const char* timeoutMessage, const QString& details);
    File DirectoryCommand(uint8_t code, const QString& name);
    // Reads a device file; a failed read is tried once more.
    bool ReadTwice(const std::string& path, QByteArray& stream);
    // Ends a file read the user gave up: the mismatching acknowledgement, then the silence the
    // device needs to listen again.
    void GiveUpRead(size_t block);
    bool WriteImage(const std::string& path, const void* data, size_t size);

    std::atomic<bool> FPumping{false};
    // True in the real-time thread; what it would write waits here for its end.
    bool InFeedThread() const;
    void TakeOverFromFeed();
    QString FFeedLastLog;
    std::optional<zud::GeraeteDaten> FFeedGeraeteDaten;
    std::array<uint8_t, 10> FFrame{};
    std::array<uint8_t, 65536> OutBuffer{};
    std::array<uint8_t, 65536> INBuffer{};
};

} // namespace zud
