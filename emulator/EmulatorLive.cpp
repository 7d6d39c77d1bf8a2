// The emulator's real-time feed: the device's side of "E" 1 up to the end of the run.

#include "Crc.h"
#include "DeviceFiles.h"
#include "Emulator.h"
#include "ProtocolRecords.h"

#include <cmath>
#include <cstring>
#include <thread>

namespace zud::emu {

namespace {

constexpr int kFrameGapMs = 500;

// A small deterministic generator, so that a test can make the same values again.
uint32_t Mix(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// The phase of sample `i` of a program, following its times (tenths of a second).
int PhaseAt(const ProgrammParameter& p, int i) {
    const int an = std::max(1, p.Anspannzeit * 10), ent = std::max(1, p.Entspannzeit * 10),
              pause = std::max(1, p.Pausenzeit * 10), strom = std::max(1, p.Stromzeit * 10);
    switch (p.Betriebsart) {
    case 1: {
        const int t = i % (pause + strom);
        return t < pause ? 2 : 3;
    }
    case 2: {
        const int t = i % (an + ent + pause + strom);
        return t < an ? 1 : t < an + ent ? 0 : t < an + ent + pause ? 2 : 3;
    }
    case 3: {
        // Relax until the muscle reaches the threshold, then the current.
        const int t = i % 600;
        return t < 600 - strom ? 0 : 3;
    }
    case 4:
    case 6:
    case 7:
        return 7;
    case 5: {
        const int t = i % (an + ent);
        return t < ent ? 5 : 6;
    }
    default: { // 0, 9 (and anything else)
        const int t = i % (an + ent);
        return t < ent ? 0 : 1;
    }
    }
}

} // namespace

std::vector<uint8_t> LiveProgram(int mode) {
    ProgrammParameter p{};
    p.Nummer = 1;
    p.Aktiviert = 1;
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Anspannzeit = 5;
    p.Entspannzeit = 5;
    p.Pausenzeit = 10;
    p.Stromzeit = 20;
    p.Frequenz1 = 50;
    p.Impulslaenge1 = 20;
    const std::string name = "Live " + std::to_string(mode);
    std::memcpy(p.Name, name.data(), std::min(name.size(), sizeof p.Name));
    const auto* b = reinterpret_cast<const uint8_t*>(&p);
    return std::vector<uint8_t>(b, b + sizeof p);
}

LivePacket MakeLivePacket(const std::vector<uint8_t>& programm, int i, uint32_t seed) {
    ProgrammParameter p{};
    std::memcpy(&p, programm.data(), std::min(programm.size(), sizeof p));
    LivePacket out;
    out.mode = p.Betriebsart;
    const int phase = PhaseAt(p, i);
    out.phase = phase;
    const uint32_t r = Mix(seed * 2654435761U + static_cast<uint32_t>(i));
    auto& b = out.b;
    // A muscle at rest with some noise, contracting in the contract phases; the edges now and
    // then: nothing, full range, the largest current.
    const double welle = std::sin(3.14159 * double(i % 50) / 50.0);
    const double kraft = phase == 1 || phase == 6 || phase == 7 ? 120 * welle : 0;
    const uint8_t emg1 = i % 97 == 5   ? 0
                         : i % 89 == 7 ? 200
                                       : static_cast<uint8_t>(std::min(200.0, 8 + kraft + double(r % 16)));
    const uint8_t emg2 = static_cast<uint8_t>(std::min(200.0, 5 + kraft / 2 + double((r >> 8) % 12)));
    // The ranges change every ten seconds, the threshold stays.
    const uint8_t bereich1 = static_cast<uint8_t>((11 + i / 100 * 5 + seed) % 13);
    const uint8_t bereich2 = static_cast<uint8_t>((10 + i / 100 * 3 + seed) % 13);
    const uint8_t schwelle = static_cast<uint8_t>(30 + seed % 40);
    const uint8_t strom = i % 13 == 0 ? 255 : i % 7 == 0 ? 125 : static_cast<uint8_t>(100 + (r >> 4) % 100);
    // Pressure words around 10 to 50 mbar, with 3.00 and 10.01 mbar among them.
    const uint16_t druck =
        i % 53 == 0 || i % 53 == 7 ? 300
        : i % 53 == 1 || i % 53 == 8
            ? 1001
            : static_cast<uint16_t>(1000 + 3000 * welle * (kraft > 0 ? 1 : 0.2) + (r >> 3) % 60);
    if (out.mode <= 3) {
        b[0] = phase == 3 ? strom : emg1;
        b[1] = static_cast<uint8_t>((phase << 4) | (phase == 3 ? 0 : bereich1));
        b[2] = schwelle;
    } else if (out.mode <= 7) {
        b[0] = static_cast<uint8_t>(druck >> 8);
        b[1] = static_cast<uint8_t>(druck & 0xFF);
        b[2] = static_cast<uint8_t>(phase << 4);
        b[3] = static_cast<uint8_t>((bereich1 << 4) | bereich2); // the feed: channel 1 above
        b[4] = emg1;
        b[5] = emg2;
    } else { // 9
        b[0] = emg1;
        b[1] = emg2;
        b[2] = static_cast<uint8_t>((bereich2 << 4) | bereich1);
        b[3] = static_cast<uint8_t>(phase << 4);
    }
    // Bytes the desktop does not interpret.
    for (size_t k = 6; k < b.size(); ++k) {
        b[k] = static_cast<uint8_t>(r >> (k % 4) * 8);
    }
    return out;
}

namespace {

// A tag byte and its body in one write.
std::vector<uint8_t> Paket(uint8_t tag, const uint8_t* body, size_t n) {
    std::vector<uint8_t> v(n + 1);
    v[0] = tag;
    if (n > 0) {
        std::memcpy(v.data() + 1, body, n);
    }
    return v;
}

// The byte that carries the phase in the high nibble, by mode.
int PhaseByte(int mode) {
    return mode <= 3 ? 1 : mode <= 7 ? 2 : 3;
}

void SetPhase(LivePacket& p, int phase) {
    uint8_t& b = p.b[static_cast<size_t>(PhaseByte(p.mode))];
    b = static_cast<uint8_t>((phase << 4) | (b & 0x0F));
    p.phase = phase;
}

} // namespace

void Emulator::SetLive(const LiveOptions& o) {
    std::lock_guard lock(FMutex);
    FLive = o;
}

std::vector<LivePacket> Emulator::LivePackets() const {
    std::lock_guard lock(FMutex);
    return FLivePackets;
}

int Emulator::LiveAcks() const {
    std::lock_guard lock(FMutex);
    return FLiveAcks;
}

std::vector<double> Emulator::LiveAckLatencies() const {
    std::lock_guard lock(FMutex);
    return FLiveLatencies;
}

void Emulator::HandleLive(const uint8_t* frame) {
    const std::vector<uint8_t> echo{frame[8], frame[9]};
    if (!SendAnswer('E', echo) || frame[1] != 1) {
        return; // "E" 0 outside a run: only the echo
    }
    RunLive();
}

int Emulator::LiveListen(bool needAck, Clock::time_point until) {
    while (FRunning) {
        int ms = -1;
        if (!needAck) {
            const auto now = Clock::now();
            if (now >= until) {
                return 0;
            }
            ms =
                static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count()) +
                1;
        }
        uint8_t b = 0;
        if (!ReadBytes(&b, 1, ms)) {
            continue; // time is up (checked above) or the emulator stops
        }
        if (b == '%') {
            std::lock_guard lock(FMutex);
            FCommands.push_back({b, {b}});
            ++FLiveAcks;
            if (needAck) {
                return 0;
            }
            continue; // a stray acknowledgement
        }
        if (b == 'E') {
            uint8_t frame[10];
            frame[0] = b;
            if (!ReadBytes(frame + 1, 9, kFrameGapMs)) {
                continue;
            }
            {
                std::lock_guard lock(FMutex);
                FCommands.push_back({b, std::vector<uint8_t>(frame, frame + 10)});
            }
            if (Crc16(frame, 8) != GetCrc(frame + 8)) {
                continue;
            }
            SendAnswer('E', {frame[8], frame[9]});
            if (frame[1] == 0) {
                return 1;
            }
            continue;
        }
        // Anything else is not for a device in real-time mode.
        std::lock_guard lock(FMutex);
        FCommands.push_back({b, {b}});
    }
    return 2;
}

void Emulator::RunLive() {
    LiveOptions o;
    {
        std::lock_guard lock(FMutex);
        o = FLive;
        FLivePackets.clear();
        FLiveLatencies.clear();
        FLiveAcks = 0;
    }
    FLiveActive = true;
    FLiveEnd = 0;
    const std::vector<uint8_t> programm =
        o.programm.size() == sizeof(ProgrammParameter) ? o.programm : LiveProgram(o.mode);
    auto send = [this](const std::vector<uint8_t>& bytes) { Reply(bytes, false); };
    auto ende = [this](int wie) {
        FLiveEnd = wie;
        FLiveActive = false;
    };
    if (o.startDelayMs > 0 &&
        LiveListen(false, Clock::now() + std::chrono::milliseconds(o.startDelayMs)) != 0) {
        return ende(1);
    }
    if (o.sendG) {
        std::vector<uint8_t> g;
        {
            std::lock_guard lock(FMutex);
            g = Paket('G', FInfoblock.data(), sizeof(GeraeteDaten));
        }
        send(g);
    }
    if (o.fault == LiveFault::LatePBody) {
        send(Paket('P', nullptr, 0));
        if (LiveListen(false, Clock::now() + std::chrono::milliseconds(o.faultMs)) != 0) {
            return ende(1);
        }
        send(programm);
    } else {
        send(Paket('P', programm.data(), programm.size()));
    }
    const auto interval = std::chrono::milliseconds(o.intervalMs);
    auto next = Clock::now();
    for (int i = 0; o.samples < 0 || i < o.samples; ++i) {
        if (o.intervalMs > 0) {
            next += interval;
            if (const int r = LiveListen(false, next); r != 0) {
                return ende(1);
            }
        }
        if (o.fault == LiveFault::Silence && i >= o.faultAt) {
            // The device says nothing more; it still answers "E" 0.
            const int r = LiveListen(false, Clock::now() + std::chrono::hours(24));
            return ende(r == 1 ? 1 : 0);
        }
        if (o.programEvery > 0 && i > 0 && i % o.programEvery == 0) {
            send(Paket('P', programm.data(), programm.size()));
        }
        LivePacket pk = MakeLivePacket(programm, i, o.seed);
        if (o.phase15Every > 0 && (i + 1) % o.phase15Every == 0) {
            SetPhase(pk, 15);
        }
        if (o.fault == LiveFault::UnknownTag && i == o.faultAt) {
            std::vector<uint8_t> rest(static_cast<size_t>(std::max(0, o.faultMs)));
            for (size_t k = 0; k < rest.size(); ++k) {
                rest[k] = static_cast<uint8_t>('a' + k % 26);
            }
            send(Paket(o.unknownTag, rest.data(), rest.size()));
            // The stray bytes arrive on their own before the sample.
            if (LiveListen(false, Clock::now() + std::chrono::milliseconds(30)) != 0) {
                return ende(1);
            }
        }
        {
            std::lock_guard lock(FMutex);
            FLivePackets.push_back(pk);
        }
        if (o.fault == LiveFault::LateWBody && i == o.faultAt) {
            send(Paket('W', nullptr, 0));
            if (LiveListen(false, Clock::now() + std::chrono::milliseconds(o.faultMs)) != 0) {
                return ende(1);
            }
            send(std::vector<uint8_t>(pk.b.begin(), pk.b.end()));
        } else {
            send(Paket('W', pk.b.data(), pk.b.size()));
        }
        const auto gesendet = Clock::now();
        if (const int r = LiveListen(true, {}); r != 0) {
            return ende(1);
        }
        {
            std::lock_guard lock(FMutex);
            FLiveLatencies.push_back(
                std::chrono::duration<double, std::micro>(Clock::now() - gesendet).count());
        }
    }
    if (o.endWithPhase14) {
        LivePacket pk = MakeLivePacket(programm, o.samples, o.seed);
        SetPhase(pk, 14);
        {
            std::lock_guard lock(FMutex);
            FLivePackets.push_back(pk);
        }
        send(Paket('W', pk.b.data(), pk.b.size()));
        return ende(2);
    }
    // Without phase 14 the device waits for the host to leave real-time mode.
    const int r = LiveListen(false, Clock::now() + std::chrono::hours(24));
    return ende(r == 1 ? 1 : 0);
}

} // namespace zud::emu
