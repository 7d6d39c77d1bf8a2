#pragma once

// The ZUD12 device emulator: the device side of the command protocol on a pseudo-terminal.
// It keeps a case-insensitive file system with FAT dates, an identity and an info block,
// paces its output at a baud rate when asked, and injects faults on request.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zud::emu {

struct Identity {
    std::string FWVersion = "ZUD12 V00540"; // characters 8..12: firmware number
    std::string FWDate = "15.03.2024";
    std::string FWTime = "10:30:00";
    uint8_t Typ = 0;   // device type code
    uint8_t Kunde = 0; // customer code
    std::string SN = "ZE1234567";
    uint16_t Freigeschaltet = 0x0FFF;
    uint8_t Aktiv = 1;
};

enum class FaultKind {
    Silence,       // the command is swallowed, nothing is answered
    Late,          // the whole answer comes `param` ms late
    WrongEcho,     // the two echo bytes come swapped
    Truncate,      // only the first `param` bytes of the first answer, then nothing
    CorruptBlock,  // read: data block number `block` arrives with one byte changed
    TruncateBlock, // read: only `param` bytes of data block `block`, then nothing
    Stall,         // read: nothing from block `block` on; write: no acknowledgement from block `block` on;
                   // listing: nothing from entry `block` on; progress: nothing after word `block`
    BadAck,        // write: block `block` is acknowledged with a wrong CRC
    OddAck,        // write: blocks from `block` on are acknowledged with a wrong CRC, yet the device
                   // keeps taking the data and stores the file (a device whose answer differs)
    FileNotFound,  // read, delete: status 5
    Status,        // read, delete, directory query and create: status `param`
};

struct Fault {
    uint8_t command = 0; // command code the fault applies to
    FaultKind kind = FaultKind::Silence;
    int param = 0;
    int block = 0;
    int times = 1; // how many commands it hits; -1 = every one
};

// A fault written as CMD:KIND[:PARAM[:BLOCK[:TIMES]]], for example "R:stall:0:1" or
// "!:late:1500". CMD is the command letter or its number (204); KIND one of silence, late,
// wrong-echo, truncate, corrupt-block, truncate-block, stall, bad-ack, odd-ack, file-not-found,
// status.
std::optional<Fault> ParseFault(const std::string& text);

struct Options {
    Identity identity;
    uint32_t baud = 0;               // 0 = unpaced; else output and input are timed as on a line at this rate
    uint32_t turnaroundUs = 0;       // device processing time before each answer and each data block
    uint32_t progressIntervalMs = 0; // time between progress words of long commands
    bool defaultDirectories = true;  // 0:\System and 0:\Daten\Th_t\Pat_p exist
};

// One command as the emulator received it: a 10-byte frame, the single byte "?" or "%",
// or "f" with its 66-byte header.
struct Received {
    uint8_t code = 0;
    std::vector<uint8_t> bytes;
};

struct FileEntry {
    std::string path; // as first written, e.g. 0:\Daten\Th_0\Pat_0\A.hdf
    std::vector<uint8_t> data;
    uint16_t date = 0; // FAT
    uint16_t time = 0; // FAT
    uint16_t dauer = 0;
    uint64_t seq = 0;
};

// The real-time feed ("E" 1): "G", "P", then one "W" sample per interval, each waiting for the
// host's "%" before the next.
enum class LiveFault {
    None,
    Silence,    // from sample `faultAt` on nothing more is sent
    LateWBody,  // sample `faultAt`: the "W" tag, then its body `faultMs` later
    UnknownTag, // before sample `faultAt`, the byte `unknownTag` and `faultMs` (count) stray bytes
    LatePBody,  // the "P" tag, then its body `faultMs` later
};

struct LiveOptions {
    std::vector<uint8_t> programm; // the running program (89 bytes); empty: one made up for `mode`
    int mode = 0;
    int intervalMs = 100; // 0: as fast as the host acknowledges
    int samples = -1;     // samples before the device ends the mode; -1: until the host stops it
    bool endWithPhase14 = true;
    int phase15Every = 0; // every n-th sample is a phase-15 sample (0: none)
    int programEvery = 0; // the "P" packet of the running program again before every n-th sample
    bool sendG = true;
    int startDelayMs = 0; // the device says nothing for this long after "E" 1
    LiveFault fault = LiveFault::None;
    int faultAt = 0;
    int faultMs = 0;
    uint8_t unknownTag = 'Q';
    uint32_t seed = 1;
};

// The 16-byte body of a "W" packet and the mode it was made for.
struct LivePacket {
    std::array<uint8_t, 16> b{};
    int mode = 0;
    int phase = 0;
};

// The "W" body of sample `i` of a program (phases from its times, values made up but plausible).
LivePacket MakeLivePacket(const std::vector<uint8_t>& programm, int i, uint32_t seed);
// A program record for a mode, with times that give short cycles.
std::vector<uint8_t> LiveProgram(int mode);

struct Stats {
    uint64_t bytesIn = 0;
    uint64_t bytesOut = 0;
    uint64_t turnarounds = 0;
};

class Emulator {
public:
    explicit Emulator(Options options = {});
    ~Emulator();
    Emulator(const Emulator&) = delete;
    Emulator& operator=(const Emulator&) = delete;

    // Creates the pseudo-terminal and starts answering. False when no terminal can be made.
    bool Start();
    void Stop();
    const std::string& SlavePath() const { return FSlavePath; }

    // --- file system (paths as on the device: 0:\Daten\...) ---
    void PutFile(const std::string& path, const std::vector<uint8_t>& data, uint16_t fatDate = 0,
                 uint16_t fatTime = 0, uint16_t dauer = 0);
    std::optional<std::vector<uint8_t>> GetFile(const std::string& path) const;
    std::optional<FileEntry> GetEntry(const std::string& path) const;
    bool HasFile(const std::string& path) const;
    // Takes a file away as if the device had deleted it; false when there is none.
    bool RemoveFile(const std::string& path);
    void MakeDirectory(const std::string& path);
    bool HasDirectory(const std::string& path) const;
    std::vector<std::string> ListFiles() const;
    // Loads every file below `dir`; relative paths become device paths below 0:\, their UTF-8
    // names converted into the device's 8-bit set. Names the device cannot hold (a character
    // beyond U+00FF, a path over 50 characters) are not loaded but listed in `skipped`.
    int LoadSeed(const std::string& dir, std::vector<std::string>* skipped = nullptr);

    // --- identity and state ---
    void SetIdentity(const Identity& id);
    std::vector<uint8_t> Infoblock() const;
    int Screen() const;
    std::optional<uint32_t> ClockSeconds() const;
    int Resets() const;
    int FactoryResets() const;
    int FlashReloads() const;

    // --- faults and observation ---
    void InjectFault(const Fault& fault);
    void ClearFaults();
    std::vector<Received> Commands() const;
    // Acknowledgements the host sent for the blocks of reads, in order.
    std::vector<uint16_t> ReadAcks() const;
    // How many of them so far, at once (ReadAcks waits for the device to be idle first, which it
    // is not while a transfer runs).
    size_t ReadAckCount() const;
    // How many blocks of the file at `path` the host has acknowledged so far, at once (as
    // ReadAckCount, without waiting).
    size_t ReadAckCount(const std::string& path) const;
    // Sizes of the blocks the host sent for writes, in order.
    std::vector<size_t> WriteBlocks() const;
    void ClearLog();
    // Waits until the device waits for a new command (it may still be finishing or giving up
    // a transfer after the host has stopped). False when it is still busy after `ms`. Every
    // observer below waits so first, so it sees the state after the host's last command.
    bool WaitIdle(int ms = 10000) const;
    bool Idle() const;
    Stats GetStats() const;
    void ResetStats();

    static std::string Key(const std::string& path);

    // --- real-time feed ---
    void SetLive(const LiveOptions& o);
    // The "W" bodies sent in the last run (phase-15 and phase-14 samples included), in order.
    std::vector<LivePacket> LivePackets() const;
    // "%" acknowledgements received during the last run.
    int LiveAcks() const;
    // Microseconds from each "W" body sent to its "%" received.
    std::vector<double> LiveAckLatencies() const;
    // True while the feed runs.
    bool LiveActive() const { return FLiveActive; }
    // How the last run ended: 0 still running or none, 1 the host sent "E" 0, 2 phase 14 sent.
    int LiveEnd() const { return FLiveEnd; }

private:
    using Clock = std::chrono::steady_clock;

    void Run();
    void Settle() const;
    bool ReadBytes(uint8_t* dst, size_t n, int timeoutMs);
    void Resync();
    void Reply(const std::vector<uint8_t>& bytes, bool turnaround = true);
    void WriteRaw(const uint8_t* data, size_t n);
    void SleepUntil(Clock::time_point t);
    std::optional<Fault> TakeFault(uint8_t code, FaultKind kind);
    std::optional<Fault> TakeFaultAny(uint8_t code, std::initializer_list<FaultKind> kinds);
    // Applies the answer faults; false when the command's continuation must not run.
    bool SendAnswer(uint8_t code, std::vector<uint8_t> answer);

    void HandleFrame(const uint8_t* frame);
    void HandleFileName(const uint8_t* header);
    void HandleRead(const uint8_t* frame);
    void HandleWrite(const uint8_t* frame);
    void HandleDelete(const uint8_t* frame);
    void HandleListing(const uint8_t* frame);
    void HandleDirectory(const uint8_t* frame, bool create);
    void HandleDeleteExercises(const uint8_t* frame);
    void HandleFactory(const uint8_t* frame);
    void HandleInfoblock(const uint8_t* frame);
    bool SendProgress(uint8_t code, uint16_t count, bool withCount);
    void HandleLive(const uint8_t* frame);
    void RunLive();
    // Listens to the host until `until` (or, with `needAck`, until its "%"): 0 done, 1 the host
    // left real-time mode, 2 the emulator stops.
    int LiveListen(bool needAck, Clock::time_point until);

    std::vector<uint8_t> Header(const std::string& name, uint32_t size, uint8_t status) const;
    void NowFat(uint16_t& date, uint16_t& time) const;
    void PutFileLocked(const std::string& path, const std::vector<uint8_t>& data, uint16_t fatDate,
                       uint16_t fatTime, uint16_t dauer);
    void MakeDirectoryLocked(const std::string& path);
    std::string CurrentName() const;

    Options FOptions;
    int FMaster = -1;
    int FSlave = -1;
    int FStopFd = -1;
    std::string FSlavePath;
    std::thread FThread;
    std::atomic<bool> FRunning{false};
    std::atomic<bool> FIdle{true};

    mutable std::mutex FMutex;
    std::map<std::string, FileEntry> FFiles; // by Key()
    std::set<std::string> FDirs;             // by Key()
    uint64_t FSeq = 0;
    std::vector<uint8_t> FInfoblock;
    std::vector<uint8_t> FHeader; // the 66-byte header last named with "f"
    int FScreen = 0;
    std::optional<uint32_t> FClock;
    Clock::time_point FClockSetAt;
    int FResets = 0;
    int FFactoryResets = 0;
    int FFlashReloads = 0;
    std::vector<Fault> FFaults;
    std::vector<Received> FCommands;
    std::vector<uint16_t> FReadAcks;
    std::map<std::string, size_t> FReadAcksByFile; // by Key()
    std::vector<size_t> FWriteBlocks;
    Stats FStats;
    LiveOptions FLive;
    std::vector<LivePacket> FLivePackets;
    std::vector<double> FLiveLatencies;
    int FLiveAcks = 0;
    std::atomic<bool> FLiveActive{false};
    std::atomic<int> FLiveEnd{0};

    // Emulator thread only.
    std::vector<uint8_t> FPending;
    Clock::time_point FInFreeAt{};
    Clock::time_point FOutFreeAt{};
};

} // namespace zud::emu
