// zudctl live: the real-time feed without windows. The same handshake, thread and recording
// writer as the main window; the recording goes to a file.

#include "CheckedFile.h"
#include "Handshake.h"
#include "LiveCapture.h"
#include "TZUD12.h"
#include "TZUD12Thread.h"
#include "ZudctlInternal.h"

#include <QDeadlineTimer>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

namespace zud::ctl {

namespace {

volatile std::sig_atomic_t gUnterbrochen = 0;

extern "C" void BeimSignal(int) {
    gUnterbrochen = 1;
}

// SIGINT (and SIGTERM) end the capture in order while it runs; the previous handlers come back
// afterwards.
class Signale {
public:
    Signale() {
        gUnterbrochen = 0;
        struct sigaction sa {};
        sa.sa_handler = BeimSignal;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGINT, &sa, &FInt);
        sigaction(SIGTERM, &sa, &FTerm);
    }
    ~Signale() {
        sigaction(SIGINT, &FInt, nullptr);
        sigaction(SIGTERM, &FTerm, nullptr);
    }

private:
    struct sigaction FInt {};
    struct sigaction FTerm {};
};

QString EndeText(EZEnde e) {
    switch (e) {
    case EZEnde::Gestoppt:
        return QStringLiteral("stopped");
    case EZEnde::GeraetBeendet:
        return QStringLiteral("device");
    case EZEnde::Grenze:
        return QStringLiteral("limit");
    case EZEnde::Stille:
        return QStringLiteral("silence");
    case EZEnde::WertZuSpaet:
        return QStringLiteral("late-sample");
    case EZEnde::EinschaltenFehler:
        return QStringLiteral("start-failed");
    case EZEnde::KeinBeginn:
        return QStringLiteral("no-data");
    case EZEnde::Leitung:
        return QStringLiteral("line");
    }
    return QString();
}

// The name of the n-th recording of one run: FILE, then FILE with "-2", "-3" before the suffix.
QString Dateiname(const QString& out, size_t n) {
    if (n == 0) {
        return out;
    }
    const QFileInfo fi(out);
    const QString suffix = fi.suffix().isEmpty() ? QString() : QLatin1Char('.') + fi.suffix();
    return fi.path() + QLatin1Char('/') + fi.completeBaseName() + QStringLiteral("-%1").arg(n + 1) + suffix;
}

struct LiveArgs {
    QString datei;
    int sekunden = -1;
    int slot = -1;
};

LiveArgs ParseLiveArgs(const QStringList& rest) {
    LiveArgs o;
    for (qsizetype k = 0; k < rest.size(); ++k) {
        const QString& a = rest[k];
        if (a == QLatin1String("--out") && k + 1 < rest.size()) {
            o.datei = rest[++k];
        } else if (a == QLatin1String("--seconds") && k + 1 < rest.size()) {
            o.sekunden = ParseInt(rest[++k], 1, 36000, QStringLiteral("Sekunden"));
        } else if (a == QLatin1String("--slot") && k + 1 < rest.size()) {
            const QStringList tp = rest[++k].split(QLatin1Char(','));
            if (tp.size() != 2) {
                throw UsageError{QStringLiteral("--slot T,P (Therapeut 0-5, Patient 0-9)")};
            }
            o.slot = ParseInt(tp[0], 0, 5, QStringLiteral("Therapeut")) * 10 +
                     ParseInt(tp[1], 0, 9, QStringLiteral("Patient"));
        } else {
            throw UsageError{QStringLiteral("live [--slot T,P] [--seconds S] --out DATEI")};
        }
    }
    if (o.datei.isEmpty()) {
        throw UsageError{QStringLiteral("live [--slot T,P] [--seconds S] --out DATEI")};
    }
    return o;
}

// With a slot: its programs, to say whether the device runs one of them. True when they were read.
bool ReadSlotPrograms(TZUD12& dev, int slot, QTextStream& err) {
    if (slot < 0) {
        return false;
    }
    const bool gelesen = dev.ReadProgramData(slot / 10, slot % 10);
    if (!gelesen) {
        err << QStringLiteral("Die Programme von Therapeut %1, Patient %2 konnten nicht gelesen werden.")
                   .arg(slot / 10)
                   .arg(slot % 10)
            << '\n';
    }
    return gelesen;
}

// What one run of the feed brought.
struct LiveRun {
    EZEnde ende{};
    int quittungen = 0;
    int werte = 0;
    bool unterbrochen = false;
    bool hatKopf = false;
    ProgrammParameter lauf{};
    std::vector<LiveCapture::Fertig> fertig;
};

// Runs the feed until the device ends it, the time is up or a signal comes, and ends the
// conversation.
LiveRun Capture(TZUD12& dev, int sekunden) {
    LiveCapture cap;
    std::mutex m;
    cap.Log = [&dev](const QString& s) { dev.AddLog(s); };
    TZUD12Thread* t = dev.CreateEZThread();
    // Headless, the writer runs on the feed's thread right after each acknowledgement.
    QObject::connect(
        t, &TZUD12Thread::OnUpdatepanels, t,
        [&](const ProgrammParameter& p) {
            std::lock_guard lock(m);
            cap.Programm(p);
        },
        Qt::DirectConnection);
    QObject::connect(
        t, &TZUD12Thread::OnUpdateChartData, t,
        [&](const EZProbe& p) {
            std::lock_guard lock(m);
            cap.Probe(p);
        },
        Qt::DirectConnection);
    LiveRun r;
    {
        Signale signale;
        dev.StartEZThread();
        QDeadlineTimer frist =
            sekunden > 0 ? QDeadlineTimer(qint64(sekunden) * 1000) : QDeadlineTimer::Forever;
        while (!dev.WaitEZThread(20)) {
            if (gUnterbrochen && !r.unterbrochen) {
                r.unterbrochen = true;
                dev.TerminateEZThread();
            }
            if (frist.hasExpired()) {
                dev.TerminateEZThread();
            }
        }
    }
    r.ende = t->Ende();
    r.quittungen = t->Quittungen();
    r.werte = t->GWerte_bekommen;
    {
        std::lock_guard lock(m);
        r.hatKopf = cap.HatKopf();
        if (r.hatKopf) {
            r.lauf = cap.Kopf();
        }
        r.fertig = cap.Abschliessen();
    }
    EndConversation(dev, true);
    return r;
}

void PrintRun(const TZUD12& dev, const LiveRun& r, bool slotGelesen, int slot, QTextStream& out) {
    out << "samples: " << r.werte << '\n' << "acknowledgements: " << r.quittungen << '\n';
    out << "end: " << EndeText(r.ende) << (r.unterbrochen ? " (interrupted)" : "") << '\n';
    if (slotGelesen && r.hatKopf) {
        bool gefunden = false;
        for (const ProgrammParameter& p : dev.Programme_ZUD12[size_t(slot)].Programme) {
            gefunden |=
                p.Betriebsart == r.lauf.Betriebsart && std::memcmp(p.Name, r.lauf.Name, sizeof p.Name) == 0;
        }
        out << "slot-program: " << (gefunden ? "yes" : "no") << '\n';
    }
}

int SaveRecordings(const TZUD12& dev, const QString& datei, const std::vector<LiveCapture::Fertig>& fertig,
                   QTextStream& out, QTextStream& err) {
    if (fertig.empty()) {
        err << QStringLiteral("Es wurde nichts aufgezeichnet.") << '\n';
        if (!dev.LastLog.isEmpty()) {
            err << dev.LastLog << '\n';
        }
        return 1;
    }
    QString fehler;
    for (size_t k = 0; k < fertig.size(); ++k) {
        const QString name = Dateiname(datei, k);
        if (!SaveFile(name, fertig[k].stream, &fehler)) {
            err << fehler << '\n';
            return 1;
        }
        const int n = int((fertig[k].stream.size() - 89 - 128) /
                          std::max(1, Probenbytes(uint8_t(fertig[k].stream.at(2)))));
        out << "file: " << name << ';' << n << ';'
            << fertig[k].start.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")) << '\n';
    }
    return 0;
}

} // namespace

int Live(TZUD12& dev, const QStringList& rest, QTextStream& out, QTextStream& err) {
    const LiveArgs o = ParseLiveArgs(rest);
    QString fehler;
    if (!CheckDestination(o.datei, &fehler)) {
        err << fehler << '\n';
        return 1;
    }

    const Handshake h = RunHandshake(dev, HandshakeOptions{true, true});
    if (!h.ok()) {
        err << h.message << '\n';
        if (!dev.LastLog.isEmpty()) {
            err << dev.LastLog << '\n';
        }
        EndConversation(dev, h.screenSet);
        return 1;
    }
    const bool slotGelesen = ReadSlotPrograms(dev, o.slot, err);
    const LiveRun r = Capture(dev, o.sekunden);
    PrintRun(dev, r, slotGelesen, o.slot, out);
    return SaveRecordings(dev, o.datei, r.fertig, out, err);
}

} // namespace zud::ctl
