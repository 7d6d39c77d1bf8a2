// The real-time feed end to end: the device object's thread against the emulated device over a
// pseudo-terminal, and the live recording made from what it reports.

#include "EmuFixture.h"
#include "LiveCapture.h"
#include "LiveTone.h"
#include "Recording.h"
#include "TZUD12Thread.h"

#include <QThread>

#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

using namespace zud;
using zud::test::EmuTest;

namespace {

// Everything one run handed on, collected on the feed's own thread.
struct Lauf {
    int start = 0;
    std::vector<ProgrammParameter> programme;
    std::vector<EZProbe> proben;
    int ende = 0;
    EZEnde grund = EZEnde::Gestoppt;
    int quittungen = 0;
    int werte = 0;
    LiveCapture cap;
    std::vector<LiveCapture::Fertig> fertig;
    LiveTone ton;
    std::vector<bool> toene; // the tone's decision for each displayed sample
};

// "E" frames the host sent, by their value byte.
int EFrames(const emu::Emulator& emu, int value) {
    int n = 0;
    for (const emu::Received& r : emu.Commands()) {
        n += r.code == 'E' && r.bytes.size() == 10 && r.bytes[1] == value;
    }
    return n;
}

double R(int index) {
    return EMGBereich(index);
}

} // namespace

class LiveFeed : public EmuTest {
protected:
    // Runs the feed with `o` until it ends by itself, or `stopAfterMs` after the start.
    std::unique_ptr<Lauf> Run(const emu::LiveOptions& o, int stopAfterMs = -1) {
        emu.SetLive(o);
        auto lauf = std::make_unique<Lauf>();
        Lauf* l = lauf.get();
        TZUD12Thread* t = dev->CreateEZThread();
        QObject::connect(t, &TZUD12Thread::OnUpdateControls1, [l] { ++l->start; });
        QObject::connect(t, &TZUD12Thread::OnUpdatepanels, [l](const ProgrammParameter& p) {
            l->programme.push_back(p);
            l->cap.Programm(p);
            l->ton.Programm(p);
        });
        QObject::connect(t, &TZUD12Thread::OnUpdateChartData, [l](const EZProbe& p) {
            l->proben.push_back(p);
            l->cap.Probe(p);
            l->toene.push_back(l->ton.Probe(p));
        });
        QObject::connect(t, &TZUD12Thread::OnUpdateControls, [l, t](EZEnde e) {
            ++l->ende;
            l->grund = e;
            l->quittungen = t->Quittungen();
            l->werte = t->GWerte_bekommen;
        });
        dev->StartEZThread();
        if (stopAfterMs >= 0) {
            QThread::msleep(static_cast<unsigned long>(stopAfterMs));
            dev->TerminateEZThread();
        }
        EXPECT_TRUE(dev->WaitEZThread(120000));
        EXPECT_FALSE(t->isRunning);
        lauf->fertig = lauf->cap.Abschliessen();
        return lauf;
    }

    // Checks one decoded sample against the "W" body it came from.
    static void Compare(const TMessWert& v, const emu::LivePacket& pk, size_t i) {
        const auto& b = pk.b;
        SCOPED_TRACE(testing::Message() << "mode " << pk.mode << " sample " << i << " phase " << pk.phase);
        ASSERT_EQ(v.Phase, pk.phase);
        if (pk.mode <= 3) {
            if (pk.phase == 3) {
                EXPECT_DOUBLE_EQ(v.Strom_RAW, b[0] / 10.0);
            } else {
                EXPECT_DOUBLE_EQ(v.Bereich1, R(b[1] & 0x0F));
                EXPECT_DOUBLE_EQ(v.EMG1_RAW, b[0] * R(b[1] & 0x0F) / 200);
                if (pk.mode == 3) {
                    EXPECT_DOUBLE_EQ(v.Schwelle, b[2] * R(b[1] & 0x0F) / 100);
                }
            }
        } else if (pk.mode <= 7) {
            // Exactly the word the device reported, 0.01 mbar not lost.
            EXPECT_DOUBLE_EQ(v.Druck, (b[0] * 256 + b[1]) / 100.0);
            if (pk.mode >= 6) {
                // The feed reports channel 1 in the high nibble.
                EXPECT_DOUBLE_EQ(v.Bereich1, R(b[3] >> 4));
                EXPECT_DOUBLE_EQ(v.EMG1_RAW, b[4] * R(b[3] >> 4) / 200);
            }
            if (pk.mode == 7) {
                EXPECT_DOUBLE_EQ(v.Bereich2, R(b[3] & 0x0F));
                EXPECT_DOUBLE_EQ(v.EMG2_RAW, b[5] * R(b[3] & 0x0F) / 200);
            }
        } else {
            EXPECT_DOUBLE_EQ(v.EMG1_RAW, b[0] * R(b[2] & 0x0F) / 200);
            EXPECT_DOUBLE_EQ(v.EMG2_RAW, b[1] * R(b[2] >> 4) / 200);
        }
    }
};

// The emulator notes how its feed ended just after its last packet went out, on its own
// thread: the value is waited for (bounded), not read at once.
int LiveEndOf(const emu::Emulator& e) {
    for (int k = 0; k < 400 && e.LiveEnd() == 0; ++k) {
        QThread::msleep(5);
    }
    return e.LiveEnd();
}

TEST_F(LiveFeed, EveryModeIsRecordedAsTheDeviceReportedIt) {
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 9}) {
        SCOPED_TRACE(mode);
        emu.ClearLog();
        emu::LiveOptions o;
        o.mode = mode;
        o.intervalMs = 0;
        o.samples = 150;
        o.seed = static_cast<uint32_t>(mode + 7);
        auto l = Run(o);
        EXPECT_EQ(l->start, 1);
        EXPECT_EQ(l->ende, 1);
        EXPECT_EQ(l->grund, EZEnde::GeraetBeendet);
        EXPECT_EQ(LiveEndOf(emu), 2);
        // Phase 14 ends the run without "E" 0.
        EXPECT_EQ(EFrames(emu, 1), 1);
        EXPECT_EQ(EFrames(emu, 0), 0);
        EXPECT_EQ(emu.LiveAcks(), 150);
        EXPECT_EQ(l->quittungen, 150);
        ASSERT_EQ(l->programme.size(), 1u);
        ASSERT_EQ(l->proben.size(), 150u);
        ASSERT_EQ(l->fertig.size(), 1u);
        const QByteArray& rec = l->fertig[0].stream;
        const std::vector<uint8_t> programm = emu::LiveProgram(mode);
        ASSERT_EQ(size_t(rec.size()), kKopfBytes + 150u * size_t(Probenbytes(mode)) + kFussBytes);
        EXPECT_EQ(std::memcmp(rec.constData(), programm.data(), kKopfBytes), 0);
        const Messung m = FillArray(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
        const std::vector<emu::LivePacket> fed = emu.LivePackets();
        ASSERT_EQ(fed.size(), 151u); // and the phase-14 sample
        EXPECT_EQ(fed.back().phase, 14);
        ASSERT_EQ(m.Werte.size(), 150u);
        for (size_t i = 0; i < 150; ++i) {
            Compare(m.Werte[i], fed[i], i);
        }
        // The running figures are the trailer's.
        const auto f = LeseFooter(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
        ASSERT_TRUE(f);
        const Phasengruppen& g = l->cap.Gruppen();
        EXPECT_EQ(+f->Length, 150u);
        EXPECT_EQ(+f->Betriebsart, mode);
        EXPECT_EQ(+f->avg_Anspannen_Count, g.Anspannen.Anzahl);
        EXPECT_EQ(+f->avg_Entspannen_Count, g.Entspannen.Anzahl);
        EXPECT_EQ(+f->avg_Pause_Count, g.Pause.Anzahl);
        EXPECT_EQ(+f->avg_Strom_Count, g.Strom.Anzahl);
        EXPECT_FLOAT_EQ(f->avg_Anspannen, g.Anspannen.Summe);
        EXPECT_FLOAT_EQ(f->max_Strom, g.Strom.Max);
        EXPECT_FLOAT_EQ(f->min_Entspannen, g.Entspannen.Min);
        EXPECT_EQ(l->cap.Gekappt(), 0u);
    }
}

TEST_F(LiveFeed, DecodedValuesOfTheFeed) {
    // Mode 1: pause and current; mode 5: pressure.
    emu::LiveOptions o;
    o.mode = 1;
    o.intervalMs = 0;
    o.samples = 300;
    auto l = Run(o);
    bool strom125 = false;
    for (const EZProbe& p : l->proben) {
        if (p.Werte.Phase == 3 && p.Werte.StromRoh == 125) {
            EXPECT_DOUBLE_EQ(p.Werte.Strom, 12.5);
            strom125 = true;
        }
    }
    EXPECT_TRUE(strom125);
    o.mode = 5;
    auto d = Run(o);
    bool druck3 = false, druck1001 = false;
    for (const EZProbe& p : d->proben) {
        if (p.Werte.DruckWort == 0x012C) {
            EXPECT_DOUBLE_EQ(p.Werte.Druck, 3.00);
            druck3 = true;
        }
        druck1001 |= p.Werte.DruckWort == 1001;
    }
    EXPECT_TRUE(druck3);
    EXPECT_TRUE(druck1001);
    // 10.01 mbar comes back as 10.01 from the recording.
    ASSERT_EQ(d->fertig.size(), 1u);
    const QByteArray& rec = d->fertig[0].stream;
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
    ASSERT_GT(m.Werte.size(), 2u);
    EXPECT_DOUBLE_EQ(m.Werte[1].Druck, 10.01);
}

TEST_F(LiveFeed, CycleCounterFollowsTheProgram) {
    // Mode 2 with 5 s contract, 5 s relax, 10 s pause, 20 s current: a cycle of 40 s, so the
    // counter runs 0..399 and starts again.
    emu::LiveOptions o;
    o.mode = 2;
    o.intervalMs = 0;
    o.samples = 450;
    auto l = Run(o);
    ASSERT_EQ(l->proben.size(), 450u);
    for (size_t i = 0; i < l->proben.size(); ++i) {
        ASSERT_EQ(l->proben[i].Counter, int(i % 400)) << i;
        ASSERT_EQ(l->proben[i].Zykluslaenge, 40);
    }
    // Phase-15 samples are acknowledged and counted, but neither shown nor counted in the cycle.
    o.mode = 0;
    o.samples = 40;
    o.phase15Every = 4;
    auto v = Run(o);
    EXPECT_EQ(v->quittungen, 40);
    EXPECT_EQ(v->werte, 40);
    EXPECT_EQ(emu.LiveAcks(), 40);
    ASSERT_EQ(v->proben.size(), 30u);
    for (size_t i = 0; i < v->proben.size(); ++i) {
        EXPECT_EQ(v->proben[i].Counter, int(i));
        EXPECT_NE(v->proben[i].Werte.Phase, 15);
    }
    ASSERT_EQ(v->fertig.size(), 1u);
    EXPECT_EQ(FillArray(reinterpret_cast<const uint8_t*>(v->fertig[0].stream.constData()),
                        size_t(v->fertig[0].stream.size()))
                  .Werte.size(),
              30u);
}

TEST_F(LiveFeed, StopBeforeTheFirstByte) {
    emu::LiveOptions o;
    o.startDelayMs = 5000;
    auto l = Run(o, 150);
    EXPECT_EQ(l->grund, EZEnde::KeinBeginn);
    EXPECT_EQ(l->ende, 1);
    EXPECT_TRUE(l->proben.empty());
    EXPECT_TRUE(l->fertig.empty());
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(EFrames(emu, 1), 1);
    EXPECT_EQ(EFrames(emu, 0), 1);
    EXPECT_EQ(LiveEndOf(emu), 1);
}

TEST_F(LiveFeed, StopWhileRunningKeepsWhatWasRecorded) {
    emu::LiveOptions o;
    o.mode = 9;
    o.intervalMs = 10;
    o.samples = -1;
    auto l = Run(o, 400);
    EXPECT_EQ(l->grund, EZEnde::Gestoppt);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(EFrames(emu, 0), 1);
    EXPECT_EQ(LiveEndOf(emu), 1);
    ASSERT_GT(l->proben.size(), 5u);
    ASSERT_EQ(l->fertig.size(), 1u);
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(l->fertig[0].stream.constData()),
                                size_t(l->fertig[0].stream.size()));
    ASSERT_EQ(m.Werte.size(), l->proben.size());
    const auto fed = emu.LivePackets();
    for (size_t i = 0; i < m.Werte.size(); ++i) {
        Compare(m.Werte[i], fed[i], i);
    }
}

TEST_F(LiveFeed, FaultsEndTheRunAndKeepTheRecording) {
    struct Fall {
        emu::LiveFault fault;
        int at, ms;
        EZEnde grund;
        size_t kept;
    };
    const Fall faelle[] = {
        {emu::LiveFault::Silence, 20, 0, EZEnde::Stille, 20},
        // Well beyond the 1000 ms, so that a slow start of the wait cannot make it punctual.
        {emu::LiveFault::LateWBody, 12, 2500, EZEnde::WertZuSpaet, 12},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(int(f.fault));
        emu.ClearLog();
        emu::LiveOptions o;
        o.mode = 7;
        o.intervalMs = 0;
        o.samples = 100;
        o.fault = f.fault;
        o.faultAt = f.at;
        o.faultMs = f.ms;
        auto l = Run(o);
        EXPECT_EQ(l->grund, f.grund);
        ASSERT_TRUE(emu.WaitIdle());
        EXPECT_EQ(EFrames(emu, 0), 1); // the device is told to leave real-time mode
        EXPECT_EQ(LiveEndOf(emu), 1);
        ASSERT_EQ(l->fertig.size(), 1u);
        const Messung m = FillArray(reinterpret_cast<const uint8_t*>(l->fertig[0].stream.constData()),
                                    size_t(l->fertig[0].stream.size()));
        ASSERT_EQ(m.Werte.size(), f.kept);
        const auto fed = emu.LivePackets();
        for (size_t i = 0; i < m.Werte.size(); ++i) {
            Compare(m.Werte[i], fed[i], i);
        }
    }
    // An unknown tag is dropped; the run goes on and every sample is kept.
    emu.ClearLog();
    emu::LiveOptions o;
    o.mode = 3;
    o.intervalMs = 0;
    o.samples = 60;
    o.fault = emu::LiveFault::UnknownTag;
    o.faultAt = 30;
    auto l = Run(o);
    EXPECT_EQ(l->grund, EZEnde::GeraetBeendet);
    ASSERT_EQ(l->fertig.size(), 1u);
    EXPECT_EQ(l->proben.size(), 60u);
    EXPECT_TRUE(LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("unknown packet 0x51")));
}

TEST_F(LiveFeed, ToneFollowsTheFedValues) {
    // The tone's decision for every displayed sample of a fed run, against the bytes the device
    // sent: in the EMG modes the mean of the last three EMG bytes against twice the threshold
    // byte, in the pressure mode the pressure against the run's first pressure; mode 9 carries no
    // threshold. Phase-15 samples are neither shown nor decided.
    for (int mode : {0, 3, 5, 9}) {
        SCOPED_TRACE(mode);
        emu.ClearLog();
        emu::LiveOptions o;
        o.mode = mode;
        o.intervalMs = 0;
        o.samples = 300;
        o.seed = 5; // threshold byte 35: the contractions cross 70
        o.phase15Every = 7;
        auto l = Run(o);
        EXPECT_EQ(l->quittungen, 300);
        std::vector<emu::LivePacket> shown;
        for (const emu::LivePacket& pk : emu.LivePackets()) {
            if (pk.phase != 15 && pk.phase != 14) {
                shown.push_back(pk);
            }
        }
        ASSERT_EQ(shown.size(), 300u - 300u / 7);
        ASSERT_EQ(l->toene.size(), shown.size());
        int fenster[3] = {0, 0, 0};
        std::optional<double> basis;
        int an = 0, aus = 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            const auto& b = shown[i].b;
            const int phase = shown[i].phase;
            bool erwartet = false;
            if (mode <= 3) {
                if (phase < 3 || phase == 4) {
                    fenster[0] = fenster[1];
                    fenster[1] = fenster[2];
                    fenster[2] = b[0];
                }
                const long mittel = std::lround((fenster[0] + fenster[1] + fenster[2]) / 3.0);
                if (b[2] != 0 && phase == 1) {
                    erwartet = mittel > 2 * b[2];
                } else if (b[2] != 0 && phase == 0) {
                    erwartet = mittel < 2 * b[2];
                }
            } else if (mode <= 7) {
                const double druck = (b[0] * 256 + b[1]) / 100.0;
                if (!basis && phase >= 5 && phase <= 7) {
                    basis = druck;
                }
                if (basis && phase == 6) {
                    erwartet = druck > *basis;
                } else if (basis && phase == 5) {
                    erwartet = druck < *basis;
                }
            }
            ASSERT_EQ(l->toene[i], erwartet) << "sample " << i << " phase " << phase;
            (erwartet ? an : aus) += 1;
        }
        if (mode == 9) {
            EXPECT_EQ(an, 0);
        } else {
            // The run crossed its threshold: both decisions occurred.
            EXPECT_GT(an, 0);
            EXPECT_GT(aus, 0);
        }
    }
}

TEST_F(LiveFeed, LateProgramPacket) {
    // Within 4000 ms the program is taken; the run records as usual.
    emu::LiveOptions o;
    o.mode = 4;
    o.intervalMs = 0;
    o.samples = 30;
    o.fault = emu::LiveFault::LatePBody;
    o.faultMs = 1200;
    auto l = Run(o);
    EXPECT_EQ(l->programme.size(), 1u);
    ASSERT_EQ(l->fertig.size(), 1u);
    EXPECT_EQ(l->proben.size(), 30u);
    // Later, the packet is ignored and its body read as packets of its own, which may well
    // swallow a sample the device then waits to see acknowledged: without a program there is no
    // cycle (the counter stays 0) and no header, so nothing can be kept; "Echtzeit Stop" ends
    // the run in order.
    emu.ClearLog();
    o.faultMs = 5500; // well beyond the 4000 ms
    o.sendG = false;
    auto s = Run(o, 7500);
    EXPECT_TRUE(s->programme.empty());
    EXPECT_EQ(s->ende, 1);
    for (const EZProbe& p : s->proben) {
        EXPECT_EQ(p.Counter, 0);
        EXPECT_EQ(p.Zykluslaenge, 0);
    }
    EXPECT_TRUE(s->fertig.empty());
    EXPECT_EQ(s->cap.OhneKopf(), s->proben.size());
    EXPECT_TRUE(LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("\"P\" packet incomplete")));
}

TEST_F(LiveFeed, OneHourIsTheLimit) {
    // The 36000th sample is acknowledged but not shown; the run ends after it with "E" 0.
    emu::LiveOptions o;
    o.mode = 0;
    o.intervalMs = 0;
    o.samples = -1;
    auto l = Run(o);
    EXPECT_EQ(l->grund, EZEnde::Grenze);
    EXPECT_EQ(l->quittungen, 36000);
    EXPECT_EQ(l->werte, 36000);
    EXPECT_EQ(l->proben.size(), 35999u);
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.LiveAcks(), 36000);
    EXPECT_EQ(EFrames(emu, 0), 1);
    ASSERT_EQ(l->fertig.size(), 1u);
    EXPECT_EQ(size_t(l->fertig[0].stream.size()), kKopfBytes + 35999u * 2 + kFussBytes);
}

TEST_F(LiveFeed, FailedStartLeavesNothing) {
    emu.InjectFault({'E', emu::FaultKind::Silence, 0, 0, 1});
    emu::LiveOptions o;
    auto l = Run(o);
    EXPECT_EQ(l->grund, EZEnde::EinschaltenFehler);
    EXPECT_TRUE(l->fertig.empty());
    EXPECT_TRUE(
        LogLines().join(QLatin1Char('\n')).contains(QStringLiteral("setEZ (timeout): Command: \"E\"")));
}

TEST(LiveWriter, ValuesThatDoNotFitAreClampedAndReported) {
    ProgrammParameter p{};
    p.Betriebsart = 1;
    LiveCapture cap;
    QStringList log;
    cap.Log = [&](const QString& s) { log << s; };
    cap.Programm(p, QDateTime(QDate(2026, 4, 1), QTime(9, 0)));
    EZProbe probe;
    probe.Werte.BA = 1;
    probe.Werte.Phase = 3;
    probe.Werte.Strom = 30.0; // above what one byte of 0.1 mA holds
    EXPECT_FALSE(cap.Probe(probe));
    probe.Werte.Strom = 25.5;
    EXPECT_TRUE(cap.Probe(probe));
    EXPECT_EQ(cap.Gekappt(), 1u);
    EXPECT_EQ(log.size(), 1);
    const auto fertig = cap.Abschliessen();
    ASSERT_EQ(fertig.size(), 1u);
    const QByteArray& rec = fertig[0].stream;
    // Both stored as 25.5 mA with nothing in bits 11..8 of the word.
    EXPECT_EQ(uint8_t(rec.at(89)), 255);
    EXPECT_EQ(uint8_t(rec.at(90)), 0x30);
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
    ASSERT_EQ(m.Werte.size(), 2u);
    EXPECT_DOUBLE_EQ(m.Werte[0].Strom_RAW, 25.5);
    EXPECT_EQ(fertig[0].start, QDateTime(QDate(2026, 4, 1), QTime(9, 0)));

    // A pressure without its word is rounded, not truncated: 10.01 mbar stays 10.01.
    Aufzeichnung a(p);
    ProgrammParameter p4{};
    p4.Betriebsart = 4;
    Aufzeichnung d(p4);
    Livewert w;
    w.Phase = 7;
    w.Druck = 10.01;
    EXPECT_TRUE(d.Hinzufuegen(w));
    w.DruckWort = 0xFFFF;
    EXPECT_TRUE(d.Hinzufuegen(w));
    w.DruckWort = -1;
    w.Druck = 700.0;
    EXPECT_FALSE(d.Hinzufuegen(w));
    const auto out = d.Abschliessen();
    const Messung dm = FillArray(out.data(), out.size());
    ASSERT_EQ(dm.Werte.size(), 3u);
    EXPECT_DOUBLE_EQ(dm.Werte[0].Druck, 10.01);
    EXPECT_DOUBLE_EQ(dm.Werte[1].Druck, 655.35);
    EXPECT_DOUBLE_EQ(dm.Werte[2].Druck, 655.35);
}

TEST(LiveWriter, AnotherProgramStartsAnotherRecording) {
    ProgrammParameter p0{}, p5{};
    p0.Betriebsart = 0;
    p5.Betriebsart = 5;
    LiveCapture cap;
    EZProbe probe;
    EXPECT_FALSE(cap.Probe(probe)); // no header yet: nothing to store it in
    EXPECT_EQ(cap.OhneKopf(), 1u);
    cap.Programm(p0);
    probe.Werte.EMG1 = 50;
    probe.Werte.Bereich1 = 11;
    EXPECT_TRUE(cap.Probe(probe));
    cap.Programm(p0); // the same program again: the recording goes on
    EXPECT_TRUE(cap.Probe(probe));
    EXPECT_EQ(cap.Proben(), 2u);
    cap.Programm(p5);
    probe.Werte.Phase = 5;
    probe.Werte.DruckWort = 1234;
    EXPECT_TRUE(cap.Probe(probe));
    cap.Programm(p0); // a header without samples is no recording
    const auto fertig = cap.Abschliessen();
    ASSERT_EQ(fertig.size(), 2u);
    EXPECT_EQ(fertig[0].stream.size(), qsizetype(kKopfBytes + 2 * 2 + kFussBytes));
    EXPECT_EQ(fertig[1].stream.size(), qsizetype(kKopfBytes + 3 + kFussBytes));
    EXPECT_EQ(uint8_t(fertig[1].stream.at(2)), 5);
}

// ---------------------------------------------------------------- the tone of the live value

namespace {

// Feeds `proben` to a tone decision and writes its decisions as a string: '1' sounds, '.' not.
std::string Toene(LiveTone& ton, const std::vector<EZProbe>& proben) {
    std::string out;
    for (const EZProbe& p : proben) {
        out += ton.Probe(p) ? '1' : '.';
    }
    return out;
}

// Which samples the rule judged at all ('j'), whatever the decision.
std::string Bewertungen(LiveTone& ton, const std::vector<EZProbe>& proben) {
    std::string out;
    for (const EZProbe& p : proben) {
        ton.Probe(p);
        out += ton.Bewertet() ? 'j' : '.';
    }
    return out;
}

EZProbe EMG(int phase, int gefiltert, int schwelle) {
    EZProbe p;
    p.Werte.Phase = static_cast<uint8_t>(phase);
    p.Werte.EMG1 = static_cast<uint16_t>(gefiltert);
    p.EMGFilter1 = static_cast<uint8_t>(gefiltert);
    p.Werte.Schwelle = static_cast<uint8_t>(schwelle);
    return p;
}

EZProbe Druck(int phase, double mbar) {
    EZProbe p;
    p.Werte.Phase = static_cast<uint8_t>(phase);
    p.Werte.Druck = mbar;
    return p;
}

ProgrammParameter Modus(int mode) {
    ProgrammParameter p{};
    p.Betriebsart = static_cast<uint8_t>(mode);
    p.Anspannzeit = 5;
    p.Entspannzeit = 5;
    return p;
}

} // namespace

TEST(LiveToneDecision, EMGModesCompareTheSmoothedValueWithTheThreshold) {
    // The threshold byte 40 is 80 on the chart's scale of 200. Relax sounds below it, contract
    // above it; equal is silent; pause, current, phase 4 and the hidden phase 15 never sound, and
    // neither does a threshold byte of 0 (none sent).
    const std::vector<EZProbe> lauf = {
        EMG(0, 10, 40),  EMG(0, 79, 40),   EMG(0, 80, 40),  EMG(0, 120, 40), // relax
        EMG(1, 120, 40), EMG(1, 81, 40),   EMG(1, 80, 40),  EMG(1, 30, 40),  // contract
        EMG(2, 10, 40),  EMG(2, 200, 40),  EMG(3, 200, 40), EMG(4, 200, 40), // no target
        EMG(1, 200, 0),  EMG(0, 0, 0),                                       // no threshold
        EMG(1, 200, 40), EMG(15, 200, 40), EMG(1, 200, 40),                  // hidden phase
    };
    for (int mode : {0, 2, 3}) {
        SCOPED_TRACE(mode);
        LiveTone ton;
        EXPECT_EQ(Toene(ton, {EMG(1, 200, 40), EMG(0, 0, 40)}), ".."); // no program yet
        ton.Programm(Modus(mode));
        EXPECT_EQ(Toene(ton, lauf), "11..11........1.1");
        // The share of a run on the asked side counts only the samples with a target and a
        // threshold: equal values are judged (and off), phases without a target are not.
        ton.Programm(Modus(mode));
        EXPECT_EQ(Bewertungen(ton, lauf), "jjjjjjjj......j.j");
        // The pitch: 440 Hz at the threshold, following the ratio up to an octave each way.
        ton.Probe(EMG(1, 120, 40));
        EXPECT_DOUBLE_EQ(ton.Frequenz(), 660.0);
        ton.Probe(EMG(1, 250, 40));
        EXPECT_DOUBLE_EQ(ton.Frequenz(), LiveTone::kHoechste);
        ton.Probe(EMG(0, 20, 40));
        EXPECT_DOUBLE_EQ(ton.Frequenz(), LiveTone::kTiefste);
        // The end of the run silences it until the next program.
        ton.Ende();
        EXPECT_FALSE(ton.An());
        EXPECT_EQ(Toene(ton, {EMG(1, 200, 40), EMG(0, 0, 40)}), "..");
        ton.Programm(Modus(mode));
        EXPECT_EQ(Toene(ton, {EMG(1, 200, 40), EMG(0, 0, 40)}), "11");
    }
    // Two channels: the samples carry ranges, not a threshold.
    LiveTone zwei;
    zwei.Programm(Modus(9));
    EXPECT_EQ(Toene(zwei, {EMG(1, 200, 40), EMG(0, 0, 40), EMG(1, 200, 0)}), "...");
    EXPECT_EQ(Bewertungen(zwei, {EMG(1, 200, 40), EMG(0, 0, 40)}), "..");
}

TEST(LiveToneDecision, PressureModesCompareWithTheFirstPressure) {
    for (int mode : {4, 5, 6, 7}) {
        SCOPED_TRACE(mode);
        LiveTone ton;
        ton.Programm(Modus(mode));
        EXPECT_FALSE(ton.Basisdruck());
        // The first pressure, 12 mbar, is the threshold; relax (5) sounds below it, contract (6)
        // above it; the combined phase 7 and an EMG phase have no pressure target.
        const std::string s = Toene(ton, {Druck(5, 12.0), Druck(5, 11.5), Druck(5, 12.5), Druck(6, 13.0),
                                          Druck(6, 12.0), Druck(6, 11.0), Druck(7, 30.0), Druck(7, 1.0),
                                          Druck(1, 30.0), Druck(0, 1.0), Druck(15, 30.0), Druck(6, 12.01)});
        EXPECT_EQ(s, ".1.1.......1");
        ton.Programm(Modus(mode));
        EXPECT_EQ(Bewertungen(ton, {Druck(5, 12.0), Druck(5, 11.5), Druck(6, 12.0), Druck(7, 30.0),
                                    Druck(1, 30.0), Druck(15, 30.0), Druck(6, 12.01)}),
                  "jjj...j");
        ASSERT_TRUE(ton.Basisdruck());
        EXPECT_DOUBLE_EQ(*ton.Basisdruck(), 12.0);
        // A phase-7 value can be the first one of a run: it sets the threshold as well.
        ton.Ende();
        ton.Programm(Modus(mode));
        EXPECT_FALSE(ton.Basisdruck());
        EXPECT_EQ(Toene(ton, {Druck(7, 20.0), Druck(6, 21.0), Druck(5, 21.0), Druck(5, 19.0)}), ".1.1");
        // The device repeats the packet of the running program: the base pressure stays.
        ton.Programm(Modus(mode));
        EXPECT_EQ(Toene(ton, {Druck(6, 5.0), Druck(6, 25.0), Druck(5, 4.0)}), ".11");
        EXPECT_DOUBLE_EQ(*ton.Basisdruck(), 20.0);
        // Another pressure mode's program starts it again.
        ton.Programm(Modus(mode == 4 ? 5 : 4));
        EXPECT_EQ(Toene(ton, {Druck(6, 5.0), Druck(6, 5.5), Druck(5, 4.0)}), ".11");
        EXPECT_DOUBLE_EQ(*ton.Basisdruck(), 5.0);
        // An EMG-mode program: the same pressures no longer count.
        ton.Programm(Modus(0));
        EXPECT_EQ(Toene(ton, {Druck(6, 50.0), Druck(5, 0.0)}), "..");
    }
}

// ---------------------------------------------------------------- zudctl live

#include "Demo.h"
#include "ZudctlRunner.h"

#include <QFile>
#include <QProcess>

#include <csignal>

namespace {

QByteArray Lies(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ZudctlLive : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        emu::LoadDemo(emu);
        ASSERT_TRUE(emu.Start());
        port = QString::fromStdString(emu.SlavePath());
        log = dir.filePath(QStringLiteral("Logfile.txt"));
    }
    QTemporaryDir dir;
    emu::Emulator emu;
    QString port, log;
};

TEST_F(ZudctlLive, RecordsUntilTheDeviceEndsAndWritesTheFile) {
    emu::LiveOptions o;
    o.mode = 6;
    o.intervalMs = 0;
    o.samples = 50;
    emu.SetLive(o);
    const QString file = dir.filePath(QStringLiteral("live.hdf"));
    QString out, err;
    ASSERT_EQ(test::RunCtl({QStringLiteral("--port"), port, QStringLiteral("--log"), log,
                            QStringLiteral("live"), QStringLiteral("--out"), file},
                           out, err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("samples: 50\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("acknowledgements: 50\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("end: device\n")));
    const QByteArray rec = Lies(file);
    ASSERT_EQ(size_t(rec.size()), kKopfBytes + 50u * 5 + kFussBytes);
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
    const auto fed = emu.LivePackets();
    ASSERT_EQ(m.Werte.size(), 50u);
    for (size_t i = 0; i < 50; ++i) {
        EXPECT_DOUBLE_EQ(m.Werte[i].Druck, (fed[i].b[0] * 256 + fed[i].b[1]) / 100.0) << i;
        EXPECT_DOUBLE_EQ(m.Werte[i].EMG1_RAW, fed[i].b[4] * EMGBereich(fed[i].b[3] >> 4) / 200) << i;
    }
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(emu.Screen(), 0); // the normal screen at the end

    // Wrong usage and an unwritable destination.
    EXPECT_EQ(test::RunCtl({QStringLiteral("--port"), port, QStringLiteral("live")}, out, err), 2);
    EXPECT_EQ(test::RunCtl({QStringLiteral("--port"), port, QStringLiteral("live"), QStringLiteral("--out"),
                            dir.filePath(QStringLiteral("fehlt/live.hdf"))},
                           out, err),
              1);
    EXPECT_FALSE(err.isEmpty());
}

TEST_F(ZudctlLive, SecondsAndSlot) {
    // The program of slot 0,0 runs: --slot says so; the time ends the run with "E" 0.
    const auto prog = emu.GetFile(ProgrammPfad(0, 0));
    ASSERT_TRUE(prog);
    emu::LiveOptions o;
    o.programm.assign(prog->begin() + 2, prog->begin() + 2 + 89);
    o.intervalMs = 20;
    o.samples = -1;
    emu.SetLive(o);
    const QString file = dir.filePath(QStringLiteral("sekunde.hdf"));
    QString out, err;
    ASSERT_EQ(test::RunCtl({QStringLiteral("--port"), port, QStringLiteral("--log"), log,
                            QStringLiteral("live"), QStringLiteral("--slot"), QStringLiteral("0,0"),
                            QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("--out"), file},
                           out, err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("end: stopped\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("slot-program: yes\n"))) << out.toStdString();
    EXPECT_GT(Lies(file).size(), qsizetype(kKopfBytes + kFussBytes));
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(LiveEndOf(emu), 1);
    // Another program: not one of the slot's.
    o.programm = emu::LiveProgram(2);
    emu.SetLive(o);
    ASSERT_EQ(test::RunCtl({QStringLiteral("--port"), port, QStringLiteral("--log"), log,
                            QStringLiteral("live"), QStringLiteral("--slot"), QStringLiteral("0,0"),
                            QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("--out"), file},
                           out, err),
              0);
    EXPECT_TRUE(out.contains(QStringLiteral("slot-program: no\n"))) << out.toStdString();
}

TEST_F(ZudctlLive, CtrlCStopsTheFeedAndKeepsTheFile) {
    emu::LiveOptions o;
    o.mode = 3;
    o.intervalMs = 10;
    o.samples = -1;
    emu.SetLive(o);
    const QString file = dir.filePath(QStringLiteral("strg-c.hdf"));
    QProcess p;
    p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
            {QStringLiteral("--port"), port, QStringLiteral("--log"), log, QStringLiteral("live"),
             QStringLiteral("--out"), file});
    ASSERT_TRUE(p.waitForStarted());
    for (int k = 0; k < 500 && emu.LiveAcks() < 20; ++k) {
        QThread::msleep(20);
    }
    ASSERT_GE(emu.LiveAcks(), 20);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("end: stopped (interrupted)"))) << out.toStdString();
    ASSERT_TRUE(emu.WaitIdle());
    EXPECT_EQ(LiveEndOf(emu), 1); // "E" 0 reached the device
    EXPECT_EQ(emu.Screen(), 0);
    const QByteArray rec = Lies(file);
    const Messung m = FillArray(reinterpret_cast<const uint8_t*>(rec.constData()), size_t(rec.size()));
    EXPECT_GE(m.Werte.size(), 19u);
    EXPECT_EQ(m.Betriebsart, 3);
}
