#include "TZUD12Thread.h"

#include "TZUD12.h"

#include <QDateTime>

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace zud {

namespace {

constexpr uint8_t kTagGeraet = 'G';
constexpr uint8_t kTagProgramm = 'P';
constexpr uint8_t kTagWert = 'W';
constexpr int kWertBytes = 16;
constexpr int kPauseMs = 10;
constexpr uint8_t kPhaseEnde = 14;
constexpr uint8_t kPhaseVerborgen = 15;

// A failure inside one pass of the loop: the run ends with this reason.
struct Abbruch {
    EZEnde ende;
};

} // namespace

int EZZykluslaenge(const ProgrammParameter& p, int bisher) {
    switch (p.Betriebsart) {
    case 1:
        return p.Pausenzeit + p.Stromzeit;
    case 2:
        return p.Pausenzeit + p.Anspannzeit + p.Entspannzeit + p.Stromzeit;
    case 3:
    case 4:
    case 6:
    case 7:
        return 60;
    case 0:
    case 5:
    case 9:
        return p.Anspannzeit + p.Entspannzeit;
    default:
        return bisher;
    }
}

// ---------------------------------------------------------------- device object side

bool TZUD12::setEZ(uint8_t Value) {
    if (Busy("setEZ")) {
        return false;
    }
    BuildFrame('E', &Value, 1);
    SendFrame();
    if (Value == 0) {
        // The device may still be sending a packet of the feed when it is told to stop; its
        // echo follows that packet.
        const auto ende = TCOM::Clock::now() + std::chrono::milliseconds(1000);
        uint8_t vorher = 0, jetzt = 0;
        bool eins = false;
        while (ComDev.WaitForInput(1, ende) && ComDev.GetData(&jetzt, 1)) {
            if (eins && vorher == FFrame[8] && jetzt == FFrame[9]) {
                return true;
            }
            vorher = jetzt;
            eins = true;
        }
        AddLog(QString::asprintf("setEZ (timeout): Command: \"E\" InBufUsed: %u", ComDev.InBufUsed()));
        return false;
    }
    if (!WaitFor(2, 1000)) {
        AddLog(QString::asprintf("setEZ (timeout): Command: \"E\" InBufUsed: %u", ComDev.InBufUsed()));
        return false;
    }
    uint8_t echo[2];
    if (!ComDev.GetData(echo, 2) || !EchoMatches(echo)) {
        AddLog(QString::asprintf("setEZ (crc_error): Command: \"E\" InBufUsed: %u", ComDev.InBufUsed()));
        return false;
    }
    return true;
}

bool TZUD12::EZSync() {
    return ComDev.Send(static_cast<uint8_t>('%'));
}

TZUD12Thread* TZUD12::CreateEZThread() {
    if (ZUD12Thread) {
        // One thread per run: the previous one has ended (or is told to end) before a new one.
        ZUD12Thread->ThreadTerminate = true;
        ZUD12Thread->wait();
        TakeOverFromFeed();
    }
    ZUD12Thread = std::make_unique<TZUD12Thread>(*this);
    return ZUD12Thread.get();
}

void TZUD12::StartEZThread() {
    if (ZUD12Thread && !ZUD12Thread->QThread::isRunning() && !ZUD12Thread->isFinished()) {
        ZUD12Thread->start(QThread::HighPriority);
    }
}

void TZUD12::TerminateEZThread() {
    if (ZUD12Thread) {
        ZUD12Thread->ThreadTerminate = true;
    }
}

bool TZUD12::EZRunning() const {
    return ZUD12Thread && ZUD12Thread->QThread::isRunning();
}

bool TZUD12::WaitEZThread(int ms) {
    if (ZUD12Thread && !ZUD12Thread->wait(QDeadlineTimer(ms))) {
        return false;
    }
    TakeOverFromFeed();
    return true;
}

bool TZUD12::InFeedThread() const {
    return ZUD12Thread && QThread::currentThread() == ZUD12Thread.get();
}

void TZUD12::TakeOverFromFeed() {
    // The thread has ended: what it wrote is ours to read.
    if (!FFeedLastLog.isEmpty()) {
        LastLog = FFeedLastLog;
        FFeedLastLog.clear();
    }
    if (FFeedGeraeteDaten) {
        const zud::GeraeteDaten g = *FFeedGeraeteDaten;
        FFeedGeraeteDaten.reset();
        ApplyGeraeteDaten(g);
    }
}

// ---------------------------------------------------------------- the thread

TZUD12Thread::TZUD12Thread(TZUD12& parent) : ZUD12Parent(parent) {
    qRegisterMetaType<zud::ProgrammParameter>();
    qRegisterMetaType<zud::EZProbe>();
    qRegisterMetaType<zud::EZEnde>();
    const QDateTime now = QDateTime::currentDateTime();
    Thread_Datum = now.date();
    Thread_Zeit = now.time();
}

TZUD12Thread::~TZUD12Thread() {
    ThreadTerminate = true;
    wait();
}

void TZUD12Thread::Filter(uint8_t Value) {
    EMGFilter[0] = EMGFilter[1];
    EMGFilter[1] = EMGFilter[2];
    EMGFilter[2] = Value;
    const int summe = EMGFilter[0] + EMGFilter[1] + EMGFilter[2];
    EMGFilter1 = static_cast<uint8_t>(std::lround(summe / 3.0));
}

bool TZUD12Thread::Warte(size_t n, int ms, bool stopZaehlt) {
    TCOM& com = ZUD12Parent.ComDev;
    const auto ende = TCOM::Clock::now() + std::chrono::milliseconds(ms);
    while (true) {
        if (com.InBufUsed() >= n) {
            return true;
        }
        if (stopZaehlt && ThreadTerminate) {
            return false;
        }
        const auto jetzt = TCOM::Clock::now();
        if (jetzt >= ende) {
            return false;
        }
        // Sleeps in poll() until bytes arrive, at most 10 ms, so a stop is seen at once.
        com.WaitForInput(n, std::min(ende, jetzt + std::chrono::milliseconds(kPauseMs)));
    }
}

void TZUD12Thread::Dekodiere(const uint8_t* b) {
    zud::EZWerte& w = EZWerte;
    // The phase comes first, from a byte that depends on the mode.
    if (w.BA <= 3) {
        w.Phase = b[1] >> 4;
    } else if (w.BA <= 7) {
        w.Phase = b[2] >> 4;
    } else if (w.BA == 9) {
        w.Phase = b[3] >> 4;
    }
    switch (w.Phase) {
    case 0:
    case 1:
    case 2:
    case 4:
        w.EMG1 = b[0];
        if (w.BA == 9) {
            w.EMG2 = b[1];
            w.Bereich1 = b[2] & 0x0F;
            w.Bereich2 = b[2] >> 4;
        } else {
            w.Bereich1 = b[1] & 0x0F;
            w.Schwelle = b[2];
        }
        break;
    case 3:
        w.StromRoh = b[0];
        w.Strom = b[0] / 10.0;
        w.Schwelle = b[2];
        break;
    case 5:
    case 6:
    case 7:
        w.DruckWort = static_cast<uint16_t>(b[0] * 256 + b[1]);
        w.Druck = w.DruckWort / 100.0;
        w.Bereich2 = b[3] & 0x0F;
        w.Bereich1 = b[3] >> 4;
        w.EMG1 = b[4];
        w.EMG2 = b[5];
        break;
    default:
        break; // 8..15: nothing else
    }
}

void TZUD12Thread::Einschalten() {
    FEnde = EZEnde::Gestoppt;
    if (!ZUD12Parent.setEZ(1)) {
        FEnde = EZEnde::EinschaltenFehler;
        ThreadTerminate = true;
    }
    _YTemp = _XTemp = _YTemp1 = _XTemp1 = _YTemp2 = _XTemp2 = 0;
    isRunning = true;
    Counter = 0;
    GWerte_bekommen = 0;
    FQuittungen = 0;
}

bool TZUD12Thread::WarteAufPaket() {
    TZUD12& dev = ZUD12Parent;
    TCOM& com = dev.ComDev;
    FT_Q_BYTES = static_cast<int32_t>(com.InBufUsed());
    if (FT_Q_BYTES != 0) {
        return true;
    }
    if (GWerte_bekommen == 0) {
        // Before the first sample the device may take its time.
        Warte(1, std::numeric_limits<int>::max(), true);
    } else if (!Warte(1, kStilleMs, true) && !ThreadTerminate) {
        dev.AddLog(QStringLiteral("Echtzeit: no data for %1 ms").arg(kStilleMs));
        throw Abbruch{EZEnde::Stille};
    }
    if (ThreadTerminate) {
        if (GWerte_bekommen == 0 && com.InBufUsed() == 0) {
            FEnde = EZEnde::KeinBeginn;
        }
        return false;
    }
    return true;
}

bool TZUD12Thread::LesePaket(uint8_t tag) {
    switch (tag) {
    case kTagGeraet:
        LeseGeraetedaten();
        return false;
    case kTagProgramm:
        LeseProgramm();
        return false;
    case kTagWert:
        return LeseWert();
    default:
        VerwirfUnbekanntes(tag);
        return false;
    }
}

void TZUD12Thread::LeseGeraetedaten() {
    TZUD12& dev = ZUD12Parent;
    if (!Warte(sizeof GeraeteDaten, kKopfWarteMs, false)) {
        dev.AddLog(QStringLiteral("Echtzeit: \"G\" packet incomplete, ignored"));
        return;
    }
    uint8_t puffer[sizeof GeraeteDaten];
    dev.ComDev.GetData(puffer, sizeof GeraeteDaten);
    std::memcpy(&GeraeteDaten, puffer, sizeof GeraeteDaten);
    dev.ApplyGeraeteDaten(GeraeteDaten);
}

void TZUD12Thread::LeseProgramm() {
    TZUD12& dev = ZUD12Parent;
    if (!Warte(sizeof ProgrammParameter, kKopfWarteMs, false)) {
        dev.AddLog(QStringLiteral("Echtzeit: \"P\" packet incomplete, ignored"));
        return;
    }
    uint8_t puffer[sizeof(zud::ProgrammParameter)];
    dev.ComDev.GetData(puffer, sizeof ProgrammParameter);
    std::memcpy(&ProgrammParameter, puffer, sizeof ProgrammParameter);
    EZWerte.BA = ProgrammParameter.Betriebsart;
    EZWerte.Programmname.clear();
    for (uint8_t c : ProgrammParameter.Name) {
        if (c == 0) {
            break;
        }
        EZWerte.Programmname += QChar(GeraetZuUnicode(c, 0));
    }
    // The phase the mode starts in.
    switch (EZWerte.BA) {
    case 0:
    case 9:
        EZWerte.Phase = 0;
        break;
    case 1:
    case 2:
    case 3:
        EZWerte.Phase = 2;
        break;
    case 4:
    case 6:
    case 7:
        EZWerte.Phase = 7;
        break;
    case 5:
        EZWerte.Phase = 5;
        break;
    default:
        break;
    }
    FZyklus = EZZykluslaenge(ProgrammParameter, FZyklus);
    emit OnUpdatepanels(ProgrammParameter);
}

bool TZUD12Thread::LeseWert() {
    TZUD12& dev = ZUD12Parent;
    if (!Warte(kWertBytes, kWertWarteMs, false)) {
        dev.AddLog(QStringLiteral("Echtzeit: \"W\" packet incomplete after %1 ms").arg(kWertWarteMs));
        throw Abbruch{EZEnde::WertZuSpaet};
    }
    uint8_t b[kWertBytes];
    dev.ComDev.GetData(b, kWertBytes);
    Dekodiere(b);
    if (EZWerte.Phase == kPhaseEnde) {
        FEnde = EZEnde::GeraetBeendet;
        ThreadTerminate = true;
        return true;
    }
    if (!dev.EZSync()) {
        throw Abbruch{EZEnde::Leitung};
    }
    ++FQuittungen;
    const int n = ++GWerte_bekommen;
    if (n > kMaxWerte - 1) {
        FEnde = EZEnde::Grenze;
        ThreadTerminate = true;
    }
    if (EZWerte.Phase != kPhaseVerborgen && !ThreadTerminate) {
        ZeigeWert(n);
    }
    return false;
}

void TZUD12Thread::ZeigeWert(int n) {
    if (EZWerte.Phase < 3 || EZWerte.Phase == 4) {
        Filter(static_cast<uint8_t>(EZWerte.EMG1 & 0xFF));
    }
    if (Counter > FZyklus * 10 - 1) {
        Counter = 0;
    }
    EZProbe p;
    p.Werte = EZWerte;
    p.Counter = Counter;
    p.EMGFilter1 = EMGFilter1;
    p.GWerte_bekommen = n;
    p.Zykluslaenge = FZyklus;
    emit OnUpdateChartData(p);
    ++Counter;
}

void TZUD12Thread::VerwirfUnbekanntes(uint8_t tag) {
    TCOM& com = ZUD12Parent.ComDev;
    // Not a packet we know: whatever else is queued goes, but one byte.
    const unsigned queued = com.InBufUsed();
    if (queued > 1) {
        std::vector<uint8_t> weg(queued - 1);
        com.GetData(weg.data(), weg.size());
    }
    ZUD12Parent.AddLog(QStringLiteral("Echtzeit: unknown packet 0x%1, %2 bytes dropped")
                           .arg(tag, 2, 16, QLatin1Char('0'))
                           .arg(queued > 1 ? queued - 1 : 0));
}

void TZUD12Thread::run() {
    TZUD12& dev = ZUD12Parent;
    emit OnUpdateControls1();
    Einschalten();
    bool geraetBeendet = false;
    while (!ThreadTerminate) {
        try {
            if (!WarteAufPaket()) {
                break;
            }
            uint8_t tag = 0;
            if (!dev.ComDev.GetData(&tag, 1)) {
                throw Abbruch{EZEnde::Leitung};
            }
            geraetBeendet = LesePaket(tag) || geraetBeendet;
        } catch (const Abbruch& a) {
            FEnde = a.ende;
            ThreadTerminate = true;
        }
    }
    if (!geraetBeendet) {
        dev.setEZ(0); // logs its own failure
    }
    isRunning = false;
    emit OnUpdateControls(FEnde);
}

} // namespace zud
