#include "Emulator.h"

#include "Crc.h"
#include "ProtocolRecords.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace zud::emu {

namespace {

constexpr int kFrameGapMs = 500;   // a frame must be complete within this time
constexpr int kBlockWaitMs = 5000; // how long the device waits for an acknowledgement or a block
constexpr int kQuietMs = 100;      // silence that ends a resynchronisation

std::string Upper(std::string s) {
    for (auto& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

std::string Parent(const std::string& key) {
    const auto pos = key.rfind('\\');
    return pos == std::string::npos ? std::string() : key.substr(0, pos);
}

std::string BaseName(const std::string& path) {
    const auto pos = path.rfind('\\');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

// DOS wildcard match, case-insensitive; "*.*" matches every name.
bool MaskMatch(const std::string& mask, const std::string& name) {
    if (mask.empty() || mask == "*.*" || mask == "*") {
        return true;
    }
    const std::string m = Upper(mask);
    const std::string n = Upper(name);
    size_t mi = 0, ni = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == '?' || m[mi] == n[ni])) {
            ++mi;
            ++ni;
        } else if (mi < m.size() && m[mi] == '*') {
            star = mi++;
            mark = ni;
        } else if (star != std::string::npos) {
            mi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == '*') {
        ++mi;
    }
    return mi == m.size();
}

void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
    v[at] = static_cast<uint8_t>(x);
    v[at + 1] = static_cast<uint8_t>(x >> 8);
}

} // namespace

std::optional<Fault> ParseFault(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    // The command letter may itself be a colon.
    if (text.size() > 1 && text[0] == ':' && text[1] == ':') {
        parts.push_back(":");
        start = 2;
    }
    for (size_t pos; (pos = text.find(':', start)) != std::string::npos; start = pos + 1) {
        parts.push_back(text.substr(start, pos - start));
    }
    parts.push_back(text.substr(start));
    if (parts.size() < 2 || parts.size() > 5 || parts[0].empty()) {
        return std::nullopt;
    }
    auto number = [](const std::string& s, int& out) {
        if (s.empty() || s.size() > 9) {
            return false;
        }
        size_t i = s[0] == '-' ? 1 : 0;
        if (i == s.size()) {
            return false;
        }
        for (size_t k = i; k < s.size(); ++k) {
            if (!std::isdigit(static_cast<unsigned char>(s[k]))) {
                return false;
            }
        }
        out = std::stoi(s);
        return true;
    };
    Fault f;
    int code = 0;
    if (parts[0].size() == 1) {
        f.command = static_cast<uint8_t>(parts[0][0]);
    } else if (number(parts[0], code) && code >= 0 && code <= 255) {
        f.command = static_cast<uint8_t>(code);
    } else {
        return std::nullopt;
    }
    static const std::map<std::string, FaultKind> kKinds = {{"silence", FaultKind::Silence},
                                                            {"late", FaultKind::Late},
                                                            {"wrong-echo", FaultKind::WrongEcho},
                                                            {"truncate", FaultKind::Truncate},
                                                            {"corrupt-block", FaultKind::CorruptBlock},
                                                            {"truncate-block", FaultKind::TruncateBlock},
                                                            {"stall", FaultKind::Stall},
                                                            {"bad-ack", FaultKind::BadAck},
                                                            {"odd-ack", FaultKind::OddAck},
                                                            {"file-not-found", FaultKind::FileNotFound},
                                                            {"status", FaultKind::Status}};
    const auto kind = kKinds.find(parts[1]);
    if (kind == kKinds.end()) {
        return std::nullopt;
    }
    f.kind = kind->second;
    if ((parts.size() > 2 && !number(parts[2], f.param)) ||
        (parts.size() > 3 && !number(parts[3], f.block)) ||
        (parts.size() > 4 && !number(parts[4], f.times))) {
        return std::nullopt;
    }
    if (f.times == 0 || f.times < -1) {
        return std::nullopt;
    }
    return f;
}

std::string Emulator::Key(const std::string& path) {
    std::string k = Upper(path);
    std::replace(k.begin(), k.end(), '/', '\\');
    while (k.size() > 3 && k.back() == '\\') {
        k.pop_back();
    }
    if (k.size() == 3 && k.back() == '\\') { // "0:\" is the root "0:"
        k.pop_back();
    }
    return k;
}

Emulator::Emulator(Options options) : FOptions(std::move(options)) {
    SetIdentity(FOptions.identity);
    FDirs.insert("0:");
    if (FOptions.defaultDirectories) {
        MakeDirectoryLocked("0:\\System");
        for (int t = 0; t < 6; ++t) {
            for (int p = 0; p < 10; ++p) {
                MakeDirectoryLocked("0:\\Daten\\Th_" + std::to_string(t) + "\\Pat_" + std::to_string(p));
            }
        }
    }
}

Emulator::~Emulator() {
    Stop();
}

bool Emulator::Start() {
    if (FRunning) {
        return true;
    }
    FMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (FMaster < 0 || ::grantpt(FMaster) != 0 || ::unlockpt(FMaster) != 0) {
        Stop();
        return false;
    }
    char name[256];
    if (::ptsname_r(FMaster, name, sizeof name) != 0) {
        Stop();
        return false;
    }
    FSlavePath = name;
    // Hold the terminal open ourselves so that the line stays up while no host has it open,
    // and make it raw: the host's bytes must arrive untouched.
    FSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (FSlave < 0) {
        Stop();
        return false;
    }
    termios tio{};
    ::tcgetattr(FSlave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(FSlave, TCSANOW, &tio);
    FStopFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    FRunning = true;
    FThread = std::thread([this] { Run(); });
    return true;
}

void Emulator::Stop() {
    if (FRunning) {
        FRunning = false;
        uint64_t one = 1;
        [[maybe_unused]] auto n = ::write(FStopFd, &one, sizeof one);
    }
    if (FThread.joinable()) {
        FThread.join();
    }
    for (int* fd : {&FMaster, &FSlave, &FStopFd}) {
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    }
}

// ---------------------------------------------------------------- file system

void Emulator::MakeDirectoryLocked(const std::string& path) {
    std::string k = Key(path);
    while (!k.empty() && FDirs.insert(k).second) {
        k = Parent(k);
    }
}

void Emulator::MakeDirectory(const std::string& path) {
    std::lock_guard lock(FMutex);
    MakeDirectoryLocked(path);
}

bool Emulator::HasDirectory(const std::string& path) const {
    Settle();
    std::lock_guard lock(FMutex);
    return FDirs.count(Key(path)) > 0;
}

void Emulator::PutFileLocked(const std::string& path, const std::vector<uint8_t>& data, uint16_t fatDate,
                             uint16_t fatTime, uint16_t dauer) {
    const std::string k = Key(path);
    MakeDirectoryLocked(Parent(k));
    auto it = FFiles.find(k);
    if (it == FFiles.end()) {
        FileEntry e;
        e.path = path;
        e.seq = ++FSeq;
        it = FFiles.emplace(k, std::move(e)).first;
    }
    if (fatDate == 0 && fatTime == 0) {
        NowFat(fatDate, fatTime);
    }
    it->second.data = data;
    it->second.date = fatDate;
    it->second.time = fatTime;
    it->second.dauer = dauer;
}

void Emulator::PutFile(const std::string& path, const std::vector<uint8_t>& data, uint16_t fatDate,
                       uint16_t fatTime, uint16_t dauer) {
    std::lock_guard lock(FMutex);
    PutFileLocked(path, data, fatDate, fatTime, dauer);
}

std::optional<std::vector<uint8_t>> Emulator::GetFile(const std::string& path) const {
    Settle();
    std::lock_guard lock(FMutex);
    auto it = FFiles.find(Key(path));
    if (it == FFiles.end()) {
        return std::nullopt;
    }
    return it->second.data;
}

std::optional<FileEntry> Emulator::GetEntry(const std::string& path) const {
    Settle();
    std::lock_guard lock(FMutex);
    auto it = FFiles.find(Key(path));
    if (it == FFiles.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool Emulator::HasFile(const std::string& path) const {
    Settle();
    std::lock_guard lock(FMutex);
    return FFiles.count(Key(path)) > 0;
}

bool Emulator::RemoveFile(const std::string& path) {
    Settle();
    std::lock_guard lock(FMutex);
    return FFiles.erase(Key(path)) > 0;
}

std::vector<std::string> Emulator::ListFiles() const {
    Settle();
    std::lock_guard lock(FMutex);
    std::vector<std::string> out;
    for (const auto& [k, e] : FFiles) {
        out.push_back(e.path);
    }
    return out;
}

namespace {

// A UTF-8 name as the device's 8-bit text (U+0001..U+00FF); false when a character has no byte.
bool Utf8ToDevice(const std::string& utf8, std::string& out) {
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp;
        size_t n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            n = 3;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            n = 4;
        } else {
            return false;
        }
        if (i + n > utf8.size()) {
            return false;
        }
        for (size_t k = 1; k < n; ++k) {
            const auto cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp == 0 || cp > 0xFF) {
            return false;
        }
        out += static_cast<char>(cp);
        i += n;
    }
    return true;
}

} // namespace

int Emulator::LoadSeed(const std::string& dir, std::vector<std::string>* skipped) {
    namespace fs = std::filesystem;
    int count = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file()) {
            continue;
        }
        const std::string utf8 = fs::relative(it->path(), dir).generic_string();
        // File names on this machine are UTF-8; the device keeps 8-bit names of at most 50 bytes.
        std::string rel;
        if (!Utf8ToDevice(utf8, rel) || rel.size() + 3 > kMaxPathLen) {
            if (skipped) {
                skipped->push_back(utf8);
            }
            continue;
        }
        std::replace(rel.begin(), rel.end(), '/', '\\');
        std::ifstream in(it->path(), std::ios::binary);
        std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // The file's modification time becomes its FAT date and time.
        const auto mtime = fs::last_write_time(it->path());
        const auto sys = std::chrono::file_clock::to_sys(mtime);
        const std::time_t tt =
            std::chrono::system_clock::to_time_t(std::chrono::time_point_cast<std::chrono::seconds>(sys));
        std::tm tm{};
        ::localtime_r(&tt, &tm);
        const int year = std::max(1980, tm.tm_year + 1900);
        PutFile("0:\\" + rel, data, FatDate(year, tm.tm_mon + 1, tm.tm_mday),
                FatTime(tm.tm_hour, tm.tm_min, tm.tm_sec));
        ++count;
    }
    return count;
}

void Emulator::NowFat(uint16_t& date, uint16_t& time) const {
    std::time_t tt;
    if (FClock) {
        // The device clock counts seconds since 01.01.2008 00:00:00.
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - FClockSetAt).count();
        std::tm base{};
        base.tm_year = 108;
        base.tm_mday = 1;
        tt = ::timegm(&base) + static_cast<std::time_t>(*FClock) + elapsed;
        std::tm tm{};
        ::gmtime_r(&tt, &tm);
        date = FatDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
        time = FatTime(tm.tm_hour, tm.tm_min, tm.tm_sec);
        return;
    }
    tt = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&tt, &tm);
    date = FatDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    time = FatTime(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

// ---------------------------------------------------------------- identity and observation

void Emulator::SetIdentity(const Identity& id) {
    std::lock_guard lock(FMutex);
    FOptions.identity = id;
    FInfoblock.assign(kInfoblockSize, 0);
    GeraeteDaten g{};
    g.Typ = id.Typ;
    g.Kunde = id.Kunde;
    SetFieldText(g.SN, sizeof g.SN, id.SN);
    PutCrc(g.crc, Crc16(reinterpret_cast<const uint8_t*>(&g), offsetof(GeraeteDaten, crc)));
    ANWENDUNGEN a{};
    a.Freigeschaltet = id.Freigeschaltet;
    a.Aktiv = id.Aktiv;
    PutCrc(a.crc, Crc16(reinterpret_cast<const uint8_t*>(&a), offsetof(ANWENDUNGEN, crc)));
    std::memcpy(FInfoblock.data(), &g, sizeof g);
    std::memcpy(FInfoblock.data() + sizeof g, &a, sizeof a);
    // The rest of the block holds calibration data the host must leave alone.
    for (size_t i = sizeof g + sizeof a; i < kInfoblockSize; ++i) {
        FInfoblock[i] = static_cast<uint8_t>(0xA0 + (i % 16));
    }
}

std::vector<uint8_t> Emulator::Infoblock() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FInfoblock;
}

int Emulator::Screen() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FScreen;
}

std::optional<uint32_t> Emulator::ClockSeconds() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FClock;
}

int Emulator::Resets() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FResets;
}

int Emulator::FactoryResets() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FFactoryResets;
}

int Emulator::FlashReloads() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FFlashReloads;
}

void Emulator::InjectFault(const Fault& fault) {
    std::lock_guard lock(FMutex);
    FFaults.push_back(fault);
}

void Emulator::ClearFaults() {
    std::lock_guard lock(FMutex);
    FFaults.clear();
}

std::vector<Received> Emulator::Commands() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FCommands;
}

std::vector<uint16_t> Emulator::ReadAcks() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FReadAcks;
}

size_t Emulator::ReadAckCount() const {
    std::lock_guard lock(FMutex);
    return FReadAcks.size();
}

size_t Emulator::ReadAckCount(const std::string& path) const {
    std::lock_guard lock(FMutex);
    const auto it = FReadAcksByFile.find(Key(path));
    return it == FReadAcksByFile.end() ? 0 : it->second;
}

std::vector<size_t> Emulator::WriteBlocks() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FWriteBlocks;
}

void Emulator::ClearLog() {
    std::lock_guard lock(FMutex);
    FCommands.clear();
    FReadAcks.clear();
    FReadAcksByFile.clear();
    FWriteBlocks.clear();
}

void Emulator::Settle() const {
    // Observers see the state after the command the host just ran.
    if (std::this_thread::get_id() != FThread.get_id()) {
        WaitIdle(5000);
    }
}

bool Emulator::Idle() const {
    int unread = 0;
    if (FMaster >= 0) {
        ::ioctl(FMaster, FIONREAD, &unread);
    }
    return FIdle && !FLiveActive && unread == 0;
}

bool Emulator::WaitIdle(int ms) const {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (!Idle()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

Stats Emulator::GetStats() const {
    Settle();
    std::lock_guard lock(FMutex);
    return FStats;
}

void Emulator::ResetStats() {
    std::lock_guard lock(FMutex);
    FStats = {};
}

std::optional<Fault> Emulator::TakeFaultAny(uint8_t code, std::initializer_list<FaultKind> kinds) {
    std::lock_guard lock(FMutex);
    for (auto it = FFaults.begin(); it != FFaults.end(); ++it) {
        if (it->command == code && std::find(kinds.begin(), kinds.end(), it->kind) != kinds.end()) {
            Fault f = *it;
            if (it->times > 0 && --it->times == 0) {
                FFaults.erase(it);
            }
            return f;
        }
    }
    return std::nullopt;
}

std::optional<Fault> Emulator::TakeFault(uint8_t code, FaultKind kind) {
    return TakeFaultAny(code, {kind});
}

// ---------------------------------------------------------------- the line

void Emulator::SleepUntil(Clock::time_point t) {
    if (Clock::now() >= t) {
        return;
    }
    const auto since = t.time_since_epoch();
    timespec ts{
        static_cast<time_t>(std::chrono::duration_cast<std::chrono::seconds>(since).count()),
        static_cast<long>(
            (std::chrono::duration_cast<std::chrono::nanoseconds>(since) % std::chrono::seconds(1)).count())};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

bool Emulator::ReadBytes(uint8_t* dst, size_t n, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto wireByte = FOptions.baud ? std::chrono::nanoseconds(10'000'000'000LL / FOptions.baud)
                                        : std::chrono::nanoseconds(0);
    while (FPending.size() < n) {
        if (!FRunning) {
            return false;
        }
        const auto now = Clock::now();
        if (timeoutMs >= 0 && now >= deadline) {
            return false;
        }
        if (timeoutMs < 0 && FPending.empty()) {
            FIdle = true;
        }
        pollfd p[2] = {{FMaster, POLLIN, 0}, {FStopFd, POLLIN, 0}};
        const int ms =
            timeoutMs < 0
                ? -1
                : static_cast<int>(
                      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1);
        const int r = ::poll(p, 2, ms);
        if (r < 0 && errno != EINTR) {
            return false;
        }
        if (p[1].revents) {
            return false;
        }
        if (p[0].revents & POLLIN) {
            uint8_t buf[4096];
            const ssize_t got = ::read(FMaster, buf, sizeof buf);
            if (got > 0) {
                FIdle = false;
                const auto t = Clock::now();
                // On a real line these bytes arrive one after another.
                FInFreeAt = std::max(FInFreeAt, t) + wireByte * got;
                FPending.insert(FPending.end(), buf, buf + got);
                std::lock_guard lock(FMutex);
                FStats.bytesIn += static_cast<uint64_t>(got);
            }
        } else if (p[0].revents & (POLLHUP | POLLERR)) {
            // No host has the terminal open (cannot happen while we hold it ourselves).
            ::usleep(10000);
        }
    }
    std::memcpy(dst, FPending.data(), n);
    FPending.erase(FPending.begin(), FPending.begin() + static_cast<std::ptrdiff_t>(n));
    return true;
}

void Emulator::Resync() {
    // Whatever is still coming belongs to the command we gave up on.
    FPending.clear();
    uint8_t b;
    while (ReadBytes(&b, 1, kQuietMs)) {
        FPending.clear();
    }
}

void Emulator::WriteRaw(const uint8_t* data, size_t n) {
    size_t done = 0;
    while (done < n && FRunning) {
        const ssize_t w = ::write(FMaster, data + done, n - done);
        if (w > 0) {
            done += static_cast<size_t>(w);
        } else if (w < 0 && errno != EINTR && errno != EAGAIN) {
            return;
        } else {
            pollfd p{FMaster, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

void Emulator::Reply(const std::vector<uint8_t>& bytes, bool turnaround) {
    auto start = std::max(Clock::now(), FInFreeAt);
    if (turnaround && FOptions.turnaroundUs) {
        start += std::chrono::microseconds(FOptions.turnaroundUs);
        std::lock_guard lock(FMutex);
        ++FStats.turnarounds;
    }
    {
        std::lock_guard lock(FMutex);
        FStats.bytesOut += bytes.size();
    }
    if (FOptions.baud == 0) {
        SleepUntil(start);
        WriteRaw(bytes.data(), bytes.size());
        return;
    }
    // Paced: each chunk is handed over when its last byte would have left the device's UART.
    const auto wireByte = std::chrono::nanoseconds(10'000'000'000LL / FOptions.baud);
    constexpr size_t kChunk = 64;
    auto t = std::max(start, FOutFreeAt);
    for (size_t at = 0; at < bytes.size(); at += kChunk) {
        const size_t n = std::min(kChunk, bytes.size() - at);
        t += wireByte * static_cast<int64_t>(n);
        SleepUntil(t);
        WriteRaw(bytes.data() + at, n);
    }
    FOutFreeAt = t;
}

bool Emulator::SendAnswer(uint8_t code, std::vector<uint8_t> answer) {
    if (TakeFault(code, FaultKind::Silence)) {
        Resync();
        return false;
    }
    if (auto f = TakeFault(code, FaultKind::Late)) {
        SleepUntil(Clock::now() + std::chrono::milliseconds(f->param));
    }
    if (TakeFault(code, FaultKind::WrongEcho) && answer.size() >= 2) {
        std::swap(answer[0], answer[1]);
        if (answer[0] == answer[1]) {
            answer[1] ^= 0xFF;
        }
    }
    if (auto f = TakeFault(code, FaultKind::Truncate)) {
        answer.resize(std::min(answer.size(), static_cast<size_t>(std::max(0, f->param))));
        Reply(answer);
        Resync();
        return false;
    }
    Reply(answer);
    return true;
}

// ---------------------------------------------------------------- command loop

void Emulator::Run() {
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0); // wake up on time: the pacing depends on it
    while (FRunning) {
        uint8_t first;
        if (!ReadBytes(&first, 1, -1)) {
            continue;
        }
        if (first == '?') {
            {
                std::lock_guard lock(FMutex);
                FCommands.push_back({first, {first}});
            }
            VERSION v{};
            SetFieldText(v.FWVersion, sizeof v.FWVersion, FOptions.identity.FWVersion);
            SetFieldText(v.FWDate, sizeof v.FWDate, FOptions.identity.FWDate);
            SetFieldText(v.FWTime, sizeof v.FWTime, FOptions.identity.FWTime);
            const auto* p = reinterpret_cast<const uint8_t*>(&v);
            SendAnswer(first, std::vector<uint8_t>(p, p + sizeof v));
            continue;
        }
        if (first == '%') {
            std::lock_guard lock(FMutex);
            FCommands.push_back({first, {first}});
            continue;
        }
        if (first == 'f') {
            uint8_t header[sizeof(File)];
            if (!ReadBytes(header, sizeof header, kFrameGapMs)) {
                Resync();
                continue;
            }
            {
                std::lock_guard lock(FMutex);
                Received r{first, {first}};
                r.bytes.insert(r.bytes.end(), header, header + sizeof header);
                FCommands.push_back(std::move(r));
            }
            HandleFileName(header);
            continue;
        }
        uint8_t frame[10];
        frame[0] = first;
        if (!ReadBytes(frame + 1, 9, kFrameGapMs)) {
            Resync();
            continue;
        }
        {
            std::lock_guard lock(FMutex);
            FCommands.push_back({first, std::vector<uint8_t>(frame, frame + 10)});
        }
        if (Crc16(frame, 8) != GetCrc(frame + 8)) {
            Resync(); // a damaged frame is not answered
            continue;
        }
        HandleFrame(frame);
    }
}

void Emulator::HandleFrame(const uint8_t* frame) {
    const uint8_t code = frame[0];
    const std::vector<uint8_t> echo{frame[8], frame[9]};
    switch (code) {
    case 'X':
        if (SendAnswer(code, echo)) {
            std::lock_guard lock(FMutex);
            ++FResets;
            FScreen = 0;
        }
        break;
    case '!': {
        std::vector<uint8_t> answer = echo;
        {
            std::lock_guard lock(FMutex);
            answer.insert(answer.end(), FInfoblock.begin(), FInfoblock.begin() + sizeof(GeraeteDaten));
        }
        SendAnswer(code, answer);
        break;
    }
    case 0xCC: {
        const uint32_t secs = static_cast<uint32_t>(frame[1] | (frame[2] << 8) | (frame[3] << 16) |
                                                    (static_cast<uint32_t>(frame[4]) << 24));
        if (SendAnswer(code, echo)) {
            std::lock_guard lock(FMutex);
            FClock = secs;
            FClockSetAt = Clock::now();
        }
        break;
    }
    case 'D':
        if (SendAnswer(code, echo)) {
            std::lock_guard lock(FMutex);
            FScreen = frame[1];
        }
        break;
    case 'R':
        HandleRead(frame);
        break;
    case 'W':
        HandleWrite(frame);
        break;
    case 'Z':
        HandleDelete(frame);
        break;
    case 'S':
        HandleListing(frame);
        break;
    case '-':
        HandleDirectory(frame, false);
        break;
    case '_':
        HandleDirectory(frame, true);
        break;
    case 'z':
        HandleDeleteExercises(frame);
        break;
    case 'Y':
        HandleFactory(frame);
        break;
    case 'E':
        HandleLive(frame);
        break;
    case 'i':
        HandleInfoblock(frame);
        break;
    case '^':
        if (SendAnswer(code, echo)) {
            std::lock_guard lock(FMutex);
            ++FFlashReloads;
        }
        break;
    default:
        break; // unknown commands are not answered
    }
}

std::string Emulator::CurrentName() const {
    std::lock_guard lock(FMutex);
    if (FHeader.size() < sizeof(File)) {
        return {};
    }
    return FieldText(reinterpret_cast<const char*>(FHeader.data()), kMaxPathLen);
}

std::vector<uint8_t> Emulator::Header(const std::string& name, uint32_t size, uint8_t status) const {
    File f{};
    SetFieldText(f.filename, sizeof f.filename, name);
    f.size = size;
    f.Status = status;
    PutCrc(f.crc, Crc16(reinterpret_cast<const uint8_t*>(&f), offsetof(File, crc)));
    const auto* p = reinterpret_cast<const uint8_t*>(&f);
    return std::vector<uint8_t>(p, p + sizeof f);
}

void Emulator::HandleFileName(const uint8_t* header) {
    {
        std::lock_guard lock(FMutex);
        FHeader.assign(header, header + sizeof(File));
    }
    // The device answers with the CRC it computed, so a damaged header shows as a mismatch.
    std::vector<uint8_t> answer(2);
    PutCrc(answer.data(), Crc16(header, offsetof(File, crc)));
    SendAnswer('f', answer);
}

void Emulator::HandleRead(const uint8_t* frame) {
    const std::string name = CurrentName();
    std::optional<std::vector<uint8_t>> data;
    {
        std::lock_guard lock(FMutex);
        auto it = FFiles.find(Key(name));
        if (it != FFiles.end()) {
            data = it->second.data;
        }
    }
    uint8_t status = data ? 0 : 5;
    if (TakeFault('R', FaultKind::FileNotFound)) {
        status = 5;
    }
    if (auto f = TakeFault('R', FaultKind::Status)) {
        status = static_cast<uint8_t>(f->param);
    }
    const uint32_t size = status == 0 && data ? static_cast<uint32_t>(data->size()) : 0;
    std::vector<uint8_t> answer{frame[8], frame[9]};
    const auto header = Header(name, size, status);
    answer.insert(answer.end(), header.begin(), header.end());
    if (!SendAnswer('R', answer) || status != 0) {
        return;
    }
    const auto stall = TakeFault('R', FaultKind::Stall);
    const auto corrupt = TakeFault('R', FaultKind::CorruptBlock);
    const auto cut = TakeFault('R', FaultKind::TruncateBlock);
    size_t sent = 0;
    int block = 0;
    do {
        const size_t n = std::min(kBlockSize, static_cast<size_t>(size) - sent);
        std::vector<uint8_t> bytes;
        if (data) {
            bytes.assign(data->begin() + static_cast<std::ptrdiff_t>(sent),
                         data->begin() + static_cast<std::ptrdiff_t>(sent + n));
        }
        const uint16_t crc = Crc16(bytes.data(), bytes.size());
        if (stall && stall->block == block) {
            Resync();
            return;
        }
        if (corrupt && corrupt->block == block && !bytes.empty()) {
            bytes[bytes.size() / 2] ^= 0x20;
        }
        if (cut && cut->block == block) {
            bytes.resize(std::min(bytes.size(), static_cast<size_t>(std::max(0, cut->param))));
            Reply(bytes);
            Resync();
            return;
        }
        Reply(bytes);
        uint8_t ack[2];
        if (!ReadBytes(ack, 2, kBlockWaitMs)) {
            Resync();
            return;
        }
        {
            std::lock_guard lock(FMutex);
            FReadAcks.push_back(GetCrc(ack));
            ++FReadAcksByFile[Key(name)];
        }
        if (GetCrc(ack) != crc) {
            // The host got something else than we sent: give up the transfer.
            Resync();
            return;
        }
        sent += n;
        ++block;
    } while (sent < size);
}

void Emulator::HandleWrite(const uint8_t* frame) {
    std::string name;
    uint32_t size = 0;
    {
        std::lock_guard lock(FMutex);
        if (FHeader.size() == sizeof(File)) {
            name = FieldText(reinterpret_cast<const char*>(FHeader.data()), kMaxPathLen);
            std::memcpy(&size, FHeader.data() + offsetof(File, size), 4);
        }
    }
    const std::string k = Key(name);
    bool dirOk;
    {
        std::lock_guard lock(FMutex);
        dirOk = !name.empty() && FDirs.count(Parent(k)) > 0 && FDirs.count(k) == 0;
    }
    std::vector<uint8_t> answer{frame[8], frame[9], static_cast<uint8_t>(dirOk ? 0 : 4), 0};
    if (!SendAnswer('W', answer)) {
        return;
    }
    if (!dirOk) {
        Resync(); // nowhere to put the file: no block is accepted
        return;
    }
    const auto stall = TakeFault('W', FaultKind::Stall);
    const auto badAck = TakeFault('W', FaultKind::BadAck);
    const auto oddAck = TakeFault('W', FaultKind::OddAck);
    std::vector<uint8_t> data;
    data.reserve(size);
    int block = 0;
    do {
        const size_t n = std::min(kBlockSize, static_cast<size_t>(size) - data.size());
        std::vector<uint8_t> bytes(n);
        if (n > 0 && !ReadBytes(bytes.data(), n, kBlockWaitMs)) {
            Resync();
            return;
        }
        {
            std::lock_guard lock(FMutex);
            FWriteBlocks.push_back(n);
        }
        if (stall && stall->block <= block) {
            Resync();
            return;
        }
        uint16_t crc = Crc16(bytes.data(), bytes.size());
        if ((badAck && badAck->block == block) || (oddAck && oddAck->block <= block)) {
            crc ^= 0x5555;
        }
        std::vector<uint8_t> ack(2);
        PutCrc(ack.data(), crc);
        Reply(ack);
        if (badAck && badAck->block == block) {
            Resync();
            return;
        }
        data.insert(data.end(), bytes.begin(), bytes.end());
        ++block;
    } while (data.size() < size);
    std::lock_guard lock(FMutex);
    PutFileLocked(name, data, 0, 0, 0);
}

void Emulator::HandleDelete(const uint8_t* frame) {
    const std::string name = CurrentName();
    uint8_t status;
    {
        std::lock_guard lock(FMutex);
        status = FFiles.count(Key(name)) ? 0 : 5;
    }
    if (TakeFault('Z', FaultKind::FileNotFound)) {
        status = 5;
    }
    if (auto f = TakeFault('Z', FaultKind::Status)) {
        status = static_cast<uint8_t>(f->param);
    }
    std::vector<uint8_t> answer{frame[8], frame[9]};
    const auto header = Header(name, 0, status);
    answer.insert(answer.end(), header.begin(), header.end());
    if (SendAnswer('Z', answer) && status == 0) {
        std::lock_guard lock(FMutex);
        FFiles.erase(Key(name));
    }
}

void Emulator::HandleListing(const uint8_t* frame) {
    std::string dir, mask;
    std::vector<FileEntry> entries;
    {
        std::lock_guard lock(FMutex);
        if (FHeader.size() == sizeof(File)) {
            dir = FieldText(reinterpret_cast<const char*>(FHeader.data()), kMaxPathLen);
            mask =
                FieldText(reinterpret_cast<const char*>(FHeader.data() + offsetof(File, Maske)), kMaxMaskLen);
        }
        const std::string dk = Key(dir);
        for (const auto& [k, e] : FFiles) {
            if (Parent(k) == dk && MaskMatch(mask, BaseName(e.path))) {
                entries.push_back(e);
            }
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const FileEntry& a, const FileEntry& b) { return a.seq < b.seq; });
    if (!SendAnswer('S', {frame[8], frame[9]})) {
        return;
    }
    const auto stall = TakeFault('S', FaultKind::Stall);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (stall && stall->block == static_cast<int>(i)) {
            Resync();
            return;
        }
        auto h = Header(BaseName(entries[i].path), static_cast<uint32_t>(entries[i].data.size()), 1);
        Put16(h, 58, entries[i].date);
        Put16(h, 60, entries[i].time);
        Put16(h, 62, entries[i].dauer);
        Reply(h, false);
    }
    if (stall && stall->block >= static_cast<int>(entries.size())) {
        Resync();
        return;
    }
    Reply(Header(std::string(), 0, 0), false);
}

void Emulator::HandleDirectory(const uint8_t* frame, bool create) {
    const uint8_t code = frame[0];
    const std::string name = CurrentName();
    const std::string k = Key(name);
    uint8_t status;
    {
        std::lock_guard lock(FMutex);
        const bool isFile = FFiles.count(k) > 0;
        if (create) {
            status = isFile || name.empty() ? 2 : 0;
        } else {
            // The query answers for files as well as directories: 4 = no such entry.
            status = FDirs.count(k) || isFile ? 0 : 4;
        }
    }
    if (auto f = TakeFault(code, FaultKind::Status)) {
        status = static_cast<uint8_t>(f->param);
    }
    std::vector<uint8_t> answer{frame[8], frame[9]};
    const auto header = Header(name, 0, status);
    answer.insert(answer.end(), header.begin(), header.end());
    if (SendAnswer(code, answer) && create && status == 0) {
        MakeDirectory(name);
    }
}

bool Emulator::SendProgress(uint8_t code, uint16_t count, bool withCount) {
    const auto stall = TakeFault(code, FaultKind::Stall);
    int words = 0;
    auto word = [&](uint16_t w) {
        if (stall && words >= stall->block) {
            return false;
        }
        ++words;
        if (FOptions.progressIntervalMs) {
            SleepUntil(Clock::now() + std::chrono::milliseconds(FOptions.progressIntervalMs));
        }
        Reply({static_cast<uint8_t>(w), static_cast<uint8_t>(w >> 8)}, false);
        return true;
    };
    if (withCount && !word(count)) {
        Resync();
        return false;
    }
    for (uint16_t i = 1; i <= count; ++i) {
        if (!word(i)) {
            Resync();
            return false;
        }
    }
    if (!word(kProgressEnd)) {
        Resync();
        return false;
    }
    return true;
}

void Emulator::HandleDeleteExercises(const uint8_t* frame) {
    const int t = frame[1];
    const int p = frame[2];
    const std::string dir = Key("0:\\Daten\\Th_" + std::to_string(t) + "\\Pat_" + std::to_string(p));
    std::vector<std::string> victims;
    {
        std::lock_guard lock(FMutex);
        for (const auto& [k, e] : FFiles) {
            if (Parent(k) == dir && MaskMatch("*.hdf", BaseName(k))) {
                victims.push_back(k);
            }
        }
    }
    if (!SendAnswer('z', {frame[8], frame[9]})) {
        return;
    }
    // The device deletes while it counts.
    {
        std::lock_guard lock(FMutex);
        for (const auto& k : victims) {
            FFiles.erase(k);
        }
    }
    SendProgress('z', static_cast<uint16_t>(victims.size()), true);
}

void Emulator::HandleFactory(const uint8_t* frame) {
    if (!SendAnswer('Y', {frame[8], frame[9]})) {
        return;
    }
    {
        // Factory state: every exercise is gone, the device shows its normal screen.
        std::lock_guard lock(FMutex);
        for (auto it = FFiles.begin(); it != FFiles.end();) {
            if (it->first.rfind("0:\\DATEN\\", 0) == 0 && MaskMatch("*.hdf", BaseName(it->first))) {
                it = FFiles.erase(it);
            } else {
                ++it;
            }
        }
        ++FFactoryResets;
    }
    SendProgress('Y', 71, false);
}

void Emulator::HandleInfoblock(const uint8_t* frame) {
    const uint32_t address = static_cast<uint32_t>(frame[1] | (frame[2] << 8) | (frame[3] << 16) |
                                                   (static_cast<uint32_t>(frame[4]) << 24));
    const char sub = static_cast<char>(frame[5]);
    std::vector<uint8_t> answer{frame[8], frame[9]};
    if (sub == 'R') {
        std::lock_guard lock(FMutex);
        if (address == kInfoblockAddress) {
            answer.insert(answer.end(), FInfoblock.begin(), FInfoblock.end());
        } else {
            answer.insert(answer.end(), kInfoblockSize, 0xFF);
        }
    } else if (sub == 'E') {
        answer.insert(answer.end(), {0, 0, 0, 0});
    }
    if (!SendAnswer('i', answer) || sub != 'W') {
        return;
    }
    std::vector<uint8_t> block(kInfoblockSize);
    if (!ReadBytes(block.data(), block.size(), 1000)) {
        Resync();
        return;
    }
    if (address == kInfoblockAddress) {
        std::lock_guard lock(FMutex);
        FInfoblock = block;
    }
    Reply({frame[8], frame[9], 0, 0});
}

} // namespace zud::emu
