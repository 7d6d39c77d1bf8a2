// zud12-emulator: a ZUD12 on a pseudo-terminal, for the demo, for zudctl and for tests.

#include "Demo.h"
#include "Emulator.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <pthread.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void Usage(FILE* f) {
    std::fputs(
        "Aufruf: zud12-emulator --link PFAD [--seed ORDNER] [Optionen]\n"
        "  --link PFAD         symbolischer Link auf das Pseudo-Terminal des Geräts (ein vorhandener\n"
        "                      Link eines früheren Emulators wird ersetzt, eine Datei nie)\n"
        "  --demo              mit Demo-Inhalt: Therapeuten, Patienten, Programme, Aufzeichnungen\n"
        "  --seed ORDNER       Dateien laden (relative Pfade werden Gerätepfade unter 0:\\)\n"
        "  --baud N            Ausgabe im Takt dieser Baudrate (Vorgabe: ungetaktet)\n"
        "  --turnaround-us N   Bearbeitungszeit des Geräts je Antwort und Block\n"
        "  --firmware TEXT     Firmware-Text (Vorgabe: ZUD12 V00540)\n"
        "  --fw-date TT.MM.JJJJ, --fw-time hh:mm:ss\n"
        "  --type N            Gerätetyp-Code (Vorgabe: 0)\n"
        "  --customer N        Kundencode (Vorgabe: 0)\n"
        "  --serial TEXT       Seriennummer\n"
        "  --app N             aktive Anwendung 1-12 (Vorgabe: 1)\n"
        "  --fault BEFEHL:ART[:PARAM[:BLOCK[:ANZAHL]]]\n"
        "                      Fehler einspeisen, z. B. R:stall:0:1 oder !:late:1500 (ANZAHL -1: immer);\n"
        "                      ART: silence, late, wrong-echo, truncate, corrupt-block,\n"
        "                      truncate-block, stall, bad-ack, odd-ack, file-not-found, status\n"
        "  --live-mode N       Echtzeit: Betriebsart des laufenden Programms 0-7, 9 (Vorgabe: 0)\n"
        "  --live-interval MS  Abstand der Messwerte (Vorgabe: 100; 0: so schnell wie quittiert)\n"
        "  --live-samples N    Messwerte, dann beendet das Gerät mit Phase 14 (Vorgabe: bis \"E\" 0)\n",
        f);
}

// Only a symbolic link of ours (owned by this user, pointing at a pseudo-terminal or at nothing)
// may be replaced: never a regular file, a device node or somebody else's link.
bool MayReplace(const std::string& link) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISLNK(st.st_mode) || st.st_uid != ::geteuid()) {
        return false;
    }
    std::error_code ec;
    const auto target = std::filesystem::read_symlink(link, ec);
    if (ec) {
        return false;
    }
    return target.string().rfind("/dev/pts/", 0) == 0 || !std::filesystem::exists(link, ec);
}

} // namespace

int main(int argc, char** argv) {
    zud::emu::Options options;
    std::string link;
    std::string seed;
    bool demo = false;
    zud::emu::LiveOptions live;
    std::vector<zud::emu::Fault> faults;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zud12-emulator: %s braucht einen Wert\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        auto number = [&]() -> unsigned long {
            const std::string v = value();
            char* end = nullptr;
            const unsigned long n = std::strtoul(v.c_str(), &end, 10);
            if (v.empty() || *end != '\0') {
                std::fprintf(stderr, "zud12-emulator: keine Zahl: %s\n", v.c_str());
                std::exit(2);
            }
            return n;
        };
        if (a == "--link") {
            link = value();
        } else if (a == "--demo") {
            demo = true;
        } else if (a == "--seed") {
            seed = value();
        } else if (a == "--baud") {
            options.baud = static_cast<uint32_t>(number());
        } else if (a == "--turnaround-us") {
            options.turnaroundUs = static_cast<uint32_t>(number());
        } else if (a == "--firmware") {
            options.identity.FWVersion = value();
        } else if (a == "--fw-date") {
            options.identity.FWDate = value();
        } else if (a == "--fw-time") {
            options.identity.FWTime = value();
        } else if (a == "--type") {
            options.identity.Typ = static_cast<uint8_t>(number());
        } else if (a == "--customer") {
            options.identity.Kunde = static_cast<uint8_t>(number());
        } else if (a == "--serial") {
            options.identity.SN = value();
        } else if (a == "--app") {
            options.identity.Aktiv = static_cast<uint8_t>(number());
        } else if (a == "--fault") {
            const std::string v = value();
            const auto f = zud::emu::ParseFault(v);
            if (!f) {
                std::fprintf(stderr, "zud12-emulator: Fehlerangabe nicht lesbar: %s\n", v.c_str());
                return 2;
            }
            faults.push_back(*f);
        } else if (a == "--live-mode") {
            live.mode = static_cast<int>(number());
            if (live.mode < 0 || live.mode > 9 || live.mode == 8) {
                std::fprintf(stderr, "zud12-emulator: Betriebsart 0-7 oder 9\n");
                return 2;
            }
        } else if (a == "--live-interval") {
            live.intervalMs = static_cast<int>(number());
        } else if (a == "--live-samples") {
            live.samples = static_cast<int>(number());
        } else if (a == "--help" || a == "-h") {
            Usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "zud12-emulator: unbekannte Option: %s\n", a.c_str());
            Usage(stderr);
            return 2;
        }
    }
    if (link.empty()) {
        Usage(stderr);
        return 2;
    }

    zud::emu::Emulator emu(options);
    if (demo) {
        zud::emu::LoadDemo(emu);
    }
    if (!seed.empty()) {
        if (!std::filesystem::is_directory(seed)) {
            std::fprintf(stderr, "zud12-emulator: Ordner nicht gefunden: %s\n", seed.c_str());
            return 2;
        }
        std::vector<std::string> skipped;
        emu.LoadSeed(seed, &skipped);
        for (const auto& name : skipped) {
            std::fprintf(stderr,
                         "zud12-emulator: nicht geladen (Name nicht im Gerätezeichensatz oder länger als 50 "
                         "Zeichen): %s\n",
                         name.c_str());
        }
    }
    for (const auto& f : faults) {
        emu.InjectFault(f);
    }
    emu.SetLive(live);
    // SIGINT and SIGTERM wait, blocked, for the main thread: blocked before the device thread
    // starts (which inherits the mask), so that neither that thread nor a moment before the wait
    // can swallow them.
    sigset_t ende;
    sigemptyset(&ende);
    sigaddset(&ende, SIGINT);
    sigaddset(&ende, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &ende, nullptr);
    if (!emu.Start()) {
        std::fprintf(stderr, "zud12-emulator: kein Pseudo-Terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::error_code ec;
    if (!MayReplace(link)) {
        std::fprintf(
            stderr, "zud12-emulator: %s ist vorhanden und kein Link eines Emulators; er wird nicht ersetzt\n",
            link.c_str());
        return 1;
    }
    std::filesystem::remove(link, ec);
    std::filesystem::create_symlink(emu.SlavePath(), link, ec);
    if (ec) {
        std::fprintf(stderr, "zud12-emulator: Link %s nicht anlegbar: %s\n", link.c_str(),
                     ec.message().c_str());
        return 1;
    }
    std::printf("%s\n", emu.SlavePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    while (sigwait(&ende, &signal) != 0) {
    }
    emu.Stop();
    std::filesystem::remove(link, ec);
    return 0;
}
