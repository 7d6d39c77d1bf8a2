#include "TZUD12.h"

#include "Crc.h"
#include "TZUD12Thread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace zud {

namespace {

// A time-out or CRC failure inside a command: the message goes to the protocol log and the
// command returns false.
struct DeviceFault {
    QString message;
};

[[noreturn]] void Fail(const QString& message) {
    throw DeviceFault{message};
}

// A path or mask as the device's 8-bit text, or a reason why it cannot be one.
bool DeviceText(const QString& text, size_t maxLen, QByteArray& bytes, QString& reason) {
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() > 0xFF) {
            reason = QStringLiteral("character U+%1 not in the device character set")
                         .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                         .toUpper();
            return false;
        }
    }
    bytes = text.toLatin1();
    if (static_cast<size_t>(bytes.size()) > maxLen) {
        reason = QStringLiteral("longer than %1 characters").arg(maxLen);
        return false;
    }
    return true;
}

QString FieldString(const char* field, size_t size) {
    return QString::fromLatin1(FieldText(field, size).c_str());
}

constexpr int kFramedTimeout = 1000;
constexpr int kFileNameTimeout = 5000;
constexpr int kBlockTimeout = 5000;
// A listing longer than this is a device fault, not a directory.
constexpr int kMaxListing = 65535;

} // namespace

int ModelIndex(uint8_t typeCode) {
    switch (typeCode) {
    case 0:
    case 51:
    case 61:
    case 71:
    case 81:
    case 91:
    case 101:
    case 111:
    case 121:
    case 131:
    case 141:
    case 151:
        return 1;
    case 10:
    case 92:
    case 102:
    case 112:
    case 122:
    case 132:
    case 142:
    case 152:
        return 2;
    case 15:
    case 93:
    case 103:
    case 113:
    case 123:
    case 133:
    case 143:
    case 153:
        return 3;
    case 20:
    case 94:
    case 104:
    case 114:
    case 124:
    case 134:
    case 144:
    case 154:
        return 4;
    case 30:
    case 115:
        return 5;
    case 40:
    case 116:
        return 6;
    case 50:
    case 117:
        return 7;
    case 31:
    case 118:
        return 8;
    case 32:
    case 52:
    case 62:
    case 72:
    case 83:
    case 95:
    case 105:
    case 120:
    case 125:
    case 135:
    case 145:
    case 155:
        return 9;
    case 33:
    case 82:
    case 119:
        return 10;
    case 34:
        return 11;
    default:
        return 0;
    }
}

int ApplicationTypeCode(int aktiv) {
    static constexpr int kCodes[12] = {0, 10, 11, 15, 20, 30, 31, 40, 50, 32, 33, 34};
    return aktiv >= 1 && aktiv <= 12 ? kCodes[aktiv - 1] : -1;
}

namespace {

bool CheckDeviceText(const QString& text, size_t maxLen, QString* reason) {
    QByteArray bytes;
    QString why;
    const bool ok = DeviceText(text, maxLen, bytes, why);
    if (!ok && reason) {
        *reason = why;
    }
    return ok;
}

} // namespace

bool CheckDevicePath(const QString& path, QString* reason) {
    return CheckDeviceText(path, kMaxPathLen, reason);
}

bool CheckDeviceMask(const QString& mask, QString* reason) {
    return CheckDeviceText(mask, kMaxMaskLen, reason);
}

TZUD12::TZUD12(const QString& log) : LogFileName(log) {}

TZUD12::~TZUD12() {
    // A live run still going ends first: it is the only user of the line meanwhile.
    ZUD12Thread.reset();
    close();
}

// ---------------------------------------------------------------- link

void TZUD12::open() {
    if (Busy("open")) {
        return;
    }
    if (!ComOpen) {
        ComDev.SetBaud(Baud_Rate);
        ComOpen = ComDev.Open(ComPort, 0, 0);
        ComError = ComDev.Error();
    }
    if (ComOpen) {
        ComDev.RxFlush();
        ComDev.TxFlush();
    }
}

void TZUD12::close() {
    if (Busy("close")) {
        return; // the running command keeps its line; the caller closes it afterwards
    }
    if (ComOpen) {
        ComDev.Close();
    }
    ComOpen = false;
}

void TZUD12::AddLog(const QString& s) {
    // The real-time thread logs too, while the window may log a failure of its own.
    static std::mutex logMutex;
    const std::lock_guard lock(logMutex);
    if (InFeedThread()) {
        FFeedLastLog = s; // LastLog follows at the thread's end
    } else {
        LastLog = s;
    }
    if (LogFileName.isEmpty()) {
        return;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString line = QStringLiteral("%1 %2 %3\n")
                             .arg(locale.toString(now.time(), QLocale::ShortFormat),
                                  locale.toString(now.date(), QLocale::ShortFormat), s);
    // Appended, not rewritten: the same lines without the cost of reloading the whole log.
    QFile f(LogFileName);
    if (f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        f.write(line.toUtf8());
    }
}

void TZUD12::BuildFrame(uint8_t code, const uint8_t* params, size_t n) {
    FFrame.fill(0);
    FFrame[0] = code;
    if (n > 7) {
        n = 7;
    }
    if (params != nullptr && n > 0) {
        std::memcpy(FFrame.data() + 1, params, n);
    }
    PutCrc(FFrame.data() + 8, Crc16(FFrame.data(), 8));
}

void TZUD12::SendFrame() {
    ComDev.Send(FFrame.data(), FFrame.size());
}

bool TZUD12::WaitFor(size_t count, int ms) {
    return ComDev.WaitForInput(count, TCOM::Clock::now() + std::chrono::milliseconds(ms));
}

void TZUD12::Read(void* dst, size_t count) {
    if (!ComDev.GetData(INBuffer.data(), count)) {
        Fail(QStringLiteral("GetData failed: %1 bytes, InBufUsed: %2").arg(count).arg(ComDev.InBufUsed()));
    }
    std::memcpy(dst, INBuffer.data(), count);
}

bool TZUD12::EchoMatches(const uint8_t* echo) const {
    return echo[0] == FFrame[8] && echo[1] == FFrame[9];
}

void TZUD12::PumpMessages() {
    if (Pump && !FPumping) {
        FPumping = true;
        try {
            Pump();
        } catch (...) {
            FPumping = false;
            throw;
        }
        FPumping = false;
    }
}

bool TZUD12::Caught(const std::function<bool()>& body) {
    try {
        return body();
    } catch (const DeviceFault& e) {
        AddLog(e.message);
        return false;
    }
}

bool TZUD12::Busy(const char* command) {
    if (!FPumping) {
        return false;
    }
    // Called from a window while another command waits for the device: the line is not touched.
    AddLog(QStringLiteral("%1 (busy): another device command is running").arg(QLatin1String(command)));
    return true;
}

void TZUD12::PauseMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool TZUD12::Reset() {
    return Guarded("Reset", [&] {
        BuildFrame('X');
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QString::asprintf("Reset (timeout): Command: \"X\" InBufUsed: %u", ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        if (!EchoMatches(echo)) {
            Fail(QString::asprintf("Reset (crc falsch): Command: \"X\", crc1: %d crc2: %d, InBufUsed: %u",
                                   LE16(echo), LE16(FFrame.data() + 8), ComDev.InBufUsed()));
        }
    });
}

// ---------------------------------------------------------------- identity, clock, screen

bool TZUD12::GetVersion() {
    const bool ok = Guarded("GetVersion", [&] {
        ComDev.Send(static_cast<uint8_t>('?'));
        if (!WaitFor(sizeof(VERSION), kFramedTimeout)) {
            Fail(QString::asprintf("GetVersion (timeout): Command: \"?\" InBufUsed: %u", ComDev.InBufUsed()));
        }
        Read(&GVersion, sizeof GVersion);
    });
    if (!ok) {
        return false;
    }
    // Fixed formats, independent of the user's locale.
    const QDate date =
        QDate::fromString(FieldString(GVersion.FWDate, sizeof GVersion.FWDate), QStringLiteral("dd.MM.yyyy"));
    const QTime time =
        QTime::fromString(FieldString(GVersion.FWTime, sizeof GVersion.FWTime), QStringLiteral("hh:mm:ss"));
    if (!date.isValid() || !time.isValid()) {
        FWVersion.clear();
        FWDate = QDate();
        FWTime = QTime();
        return false;
    }
    FWVersion = FieldString(GVersion.FWVersion, sizeof GVersion.FWVersion);
    FWDate = date;
    FWTime = time;
    return true;
}

bool TZUD12::GetDeviceInfo() {
    const bool ok = Guarded("GetDeviceInfo", [&] {
        BuildFrame('!');
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QString::asprintf("GetDeviceInfo (timeout_1): Command: \"!\" InBufUsed: %u",
                                   ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        if (!EchoMatches(echo)) {
            Fail(QString::asprintf("GetDeviceInfo (crc_error): Command: \"!\" InBufUsed: %u",
                                   ComDev.InBufUsed()));
        }
        if (!WaitFor(sizeof(zud::GeraeteDaten), kFramedTimeout)) {
            Fail(QString::asprintf("GetDeviceInfo (timeout_2): Command: \"!\" InBufUsed: %u",
                                   ComDev.InBufUsed()));
        }
        Read(&GeraeteDaten, sizeof GeraeteDaten);
    });
    if (!ok) {
        return false;
    }
    ApplyGeraeteDaten(GeraeteDaten);
    return true;
}

void TZUD12::ApplyGeraeteDaten(const zud::GeraeteDaten& g) {
    if (InFeedThread()) {
        FFeedGeraeteDaten = g;
        return;
    }
    GeraeteDaten = g;
    Typ = ModelIndex(g.Typ);
    SN = FieldString(g.SN, sizeof g.SN);
    Kunde = g.Kunde > 4 ? -1 : g.Kunde;
}

bool TZUD12::WriteRTC(const QDateTime& DateTime) {
    return Guarded("WriteRTC", [&] {
        // Wall-clock seconds since 01.01.2008 00:00:00; both read as local times without
        // daylight-saving shifts, as the device counts them.
        const QDateTime epoch(QDate(2008, 1, 1), QTime(0, 0), Qt::UTC);
        const QDateTime wall(DateTime.date(), DateTime.time(), Qt::UTC);
        const uint32_t secs = static_cast<uint32_t>(std::llabs(epoch.secsTo(wall)));
        const uint8_t params[4] = {static_cast<uint8_t>(secs), static_cast<uint8_t>(secs >> 8),
                                   static_cast<uint8_t>(secs >> 16), static_cast<uint8_t>(secs >> 24)};
        BuildFrame(0xCC, params, 4);
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QString::asprintf("WriteRTC (timeout): Command: 204, InBufUsed: %u", ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
    });
}

bool TZUD12::SetDownloadScreen(uint8_t Index) {
    if (Busy("SetDownloadScreen")) {
        return false;
    }
    if (!ComOpen) {
        return false;
    }
    BuildFrame('D', &Index, 1);
    // The device needs the command letter on its own before the rest of the frame.
    ComDev.Send(FFrame.data(), 1);
    PauseMs(10);
    ComDev.Send(FFrame.data() + 1, 9);
    if (!WaitFor(2, kFramedTimeout)) {
        return false;
    }
    uint8_t echo[2];
    if (!ComDev.GetData(echo, 2)) {
        return false;
    }
    return EchoMatches(echo);
}

// ---------------------------------------------------------------- file transfer

bool TZUD12::SetFileName(const QString& name, uint32_t size, const QString& mask) {
    const bool ok = Guarded("SetFileName", [&] {
        QByteArray ansi;
        QByteArray m;
        QString reason;
        // Refused before anything is sent: a cut or altered path would name another file.
        if (!DeviceText(name, kMaxPathLen, ansi, reason)) {
            Fail(QStringLiteral("SetFileName (invalid name: %1): Command: \"f\", Filename: %2")
                     .arg(reason, name));
        }
        if (!DeviceText(mask, kMaxMaskLen, m, reason)) {
            Fail(
                QStringLiteral("SetFileName (invalid mask: %1): Command: \"f\", Mask: %2").arg(reason, mask));
        }
        SetFieldText(serFile.filename, sizeof serFile.filename, ansi.toStdString());
        std::memset(serFile.Maske, 0, sizeof serFile.Maske);
        std::memcpy(serFile.Maske, m.constData(), static_cast<size_t>(m.size()));
        serFile.size = size;
        serFile.transferred = 0;
        serFile.Status = 0;
        serFile.Attributes = 0;
        auto* bytes = reinterpret_cast<uint8_t*>(&serFile);
        PutCrc(serFile.crc, Crc16(bytes, offsetof(File, crc)));

        ComDev.Send(static_cast<uint8_t>('f'));
        ComDev.Send(bytes, sizeof(File));
        if (!WaitFor(2, kFileNameTimeout)) {
            Fail(QStringLiteral("SetFileName (timeout): Command: \"f\", Filename: %1, InBufUsed: %2")
                     .arg(QString::fromLatin1(ansi))
                     .arg(ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        if (echo[0] != serFile.crc[0] || echo[1] != serFile.crc[1]) {
            Fail(QStringLiteral("SetFileName (crc_error): Command: \"f\" File: %1")
                     .arg(QString::fromLatin1(ansi)));
        }
    });
    if (!ok) {
        return false;
    }
    PauseMs(10);
    return true;
}

void TZUD12::FileCommand(const QString& name, char code, const char* what) {
    if (!SetFileName(name, 0, QString())) {
        Fail(QStringLiteral("SetFileName Error"));
    }
    BuildFrame(uint8_t(code));
    SendFrame();
    if (!WaitFor(2 + sizeof(File), kFramedTimeout)) {
        Fail(
            QString::asprintf("%s (timeout): Command: \"%c\" InBufUsed: %u", what, code, ComDev.InBufUsed()));
    }
    uint8_t echo[2];
    Read(echo, 2);
    if (!EchoMatches(echo)) {
        Fail(QStringLiteral("%1 (crc_error): Command: \"%2\" InBufUsed: %3 File: %4")
                 .arg(QLatin1String(what), QString(QLatin1Char(code)))
                 .arg(ComDev.InBufUsed())
                 .arg(name));
    }
    Read(&serFile, sizeof serFile);
}

bool TZUD12::ReadFile(const QString& name, QByteArray& stream) {
    return Guarded("ReadFile", [&] {
        const QString& file = name;
        FileCommand(name, 'R', "ReadFile");
        PumpMessages();
        if (serFile.Status == 5) {
            Fail(QStringLiteral("ReadFile (file not found)"));
        }
        if (serFile.Status != 0) {
            // A disk error: whatever follows is not the file.
            Fail(QStringLiteral("ReadFile (DiskError: %1) File: %2").arg(serFile.Status).arg(file));
        }
        const qint64 size = serFile.size;
        qint64 got = 0;
        do {
            const size_t want = static_cast<size_t>(std::min<qint64>(kBlockSize, size - got));
            if (!WaitFor(want, kBlockTimeout)) {
                Fail(QStringLiteral(
                         "ReadFile (timeout): Command: \"R\" repeat, InBufUsed: %1, serfile.size: %2, "
                         "s.size: %3, File: %4 ")
                         .arg(ComDev.InBufUsed())
                         .arg(size)
                         .arg(got)
                         .arg(file));
            }
            Read(OutBuffer.data(), want);
            if (CancelRequested && CancelRequested()) {
                GiveUpRead(want);
                Fail(QStringLiteral(
                         "ReadFile (cancelled): Command: \"R\", serfile.size: %1, s.size: %2, File: %3")
                         .arg(size)
                         .arg(got)
                         .arg(file));
            }
            uint8_t ack[2];
            PutCrc(ack, Crc16(OutBuffer.data(), want));
            ComDev.Send(ack, 2);
            stream.append(reinterpret_cast<const char*>(OutBuffer.data()), static_cast<qsizetype>(want));
            got += static_cast<qint64>(want);
            if (Transferred) {
                Transferred(got, size);
            }
            PumpMessages();
        } while (got < size);
        if (got != size) {
            Fail(QStringLiteral(
                     "ReadFile (serfile.size = s.Size): Command: \"R\", serfile.size: %1, s.size: %2 ")
                     .arg(size)
                     .arg(got));
        }
    });
}

void TZUD12::GiveUpRead(size_t block) {
    // The block's CRC inverted: never the pair the device waits for.
    uint8_t ack[2];
    PutCrc(ack, static_cast<uint16_t>(~Crc16(OutBuffer.data(), block)));
    ComDev.Send(ack, 2);
    // The device answers nothing more for this file; whatever was under way still comes in.
    // It listens again after 100 ms without a byte from us: wait for 150 ms of silence
    // (at most 1.5 s), then drop what came.
    const auto limit = TCOM::Clock::now() + std::chrono::milliseconds(1500);
    while (TCOM::Clock::now() < limit) {
        const size_t before = ComDev.InBufUsed();
        if (!WaitFor(before + 1, 150)) {
            break;
        }
    }
    ComDev.RxFlush();
}

bool TZUD12::WriteFile(const QString& name, const QByteArray& stream) {
    return Guarded("WriteFile", [&] {
        const QString& file = name;
        // Without the header the device would write into whatever file it named last.
        if (!SetFileName(name, static_cast<uint32_t>(stream.size()), QString())) {
            Fail(QStringLiteral("SetFileName Error"));
        }
        PauseMs(50);
        PumpMessages();
        BuildFrame('W');
        SendFrame();
        if (!WaitFor(4, kFramedTimeout)) {
            Fail(QString::asprintf("WriteFile (timeout): Command: \"W\" InBufUsed: %u", ComDev.InBufUsed()));
        }
        uint8_t reply[4];
        Read(reply, 4);
        const qint64 size = stream.size();
        qint64 sent = 0;
        int block = 0;
        do {
            const size_t n = static_cast<size_t>(std::min<qint64>(kBlockSize, size - sent));
            std::memcpy(OutBuffer.data(), stream.constData() + sent, n);
            ComDev.Send(OutBuffer.data(), n);
            ++block;
            if (!WaitFor(2, kFramedTimeout)) {
                Fail(QString::asprintf("WriteFile (timeout): Command: \"W\" (repeat) InBufUsed: %u",
                                       ComDev.InBufUsed()));
            }
            Read(serFile.crc, 2);
            // The device acknowledges each block with the CRC of what it received.
            uint8_t expected[2];
            PutCrc(expected, Crc16(OutBuffer.data(), n));
            if (serFile.crc[0] != expected[0] || serFile.crc[1] != expected[1]) {
                const QString details =
                    QStringLiteral("Command: \"W\", Block: %1, crc1: %2 crc2: %3, File: %4")
                        .arg(block)
                        .arg(GetCrc(serFile.crc))
                        .arg(GetCrc(expected))
                        .arg(file);
                if (!LenientWriteAck) {
                    Fail(QStringLiteral("WriteFile (crc_error): ") + details);
                }
                AddLog(QStringLiteral("WriteFile (crc_warning): ") + details);
            }
            sent += static_cast<qint64>(n);
            if (Transferred) {
                Transferred(sent, size);
            }
            PumpMessages();
        } while (sent < size);
    });
}

bool TZUD12::DeleteFileByName(const QString& name) {
    return Guarded("DeleteFileByName", [&] {
        const QString& file = name;
        FileCommand(name, 'Z', "DeleteFile");
        if (serFile.Status == 5) {
            Fail(QStringLiteral("DeleteFile (file not found); File: %1").arg(file));
        }
        if (serFile.Status != 0) {
            Fail(QStringLiteral("DeleteFile (DiskError: %1) File: %2").arg(serFile.Status).arg(file));
        }
    });
}

bool TZUD12::GetFilenames(TProgressBar* Sender, const QString& Dir, const QString& Maske,
                          QList<DateiInfo>& Filenames) {
    return Guarded("GetFilenames", [&] {
        if (!SetFileName(Dir, 0, Maske)) {
            return false;
        }
        const QString& dir = Dir;
        BuildFrame('S');
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QStringLiteral("GetFilenames (timeout_1): Command: \"S\", Dir: %1, InBufUsed: %2")
                     .arg(dir)
                     .arg(ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        Filenames.clear();
        for (int entries = 0;; ++entries) {
            if (!WaitFor(sizeof(File), kFramedTimeout)) {
                Fail(QStringLiteral("GetFilenames (timeout_2): Command: \"S\", Dir: %1, InBufUsed: %2")
                         .arg(dir)
                         .arg(ComDev.InBufUsed()));
            }
            Read(&serFile, sizeof serFile);
            if (serFile.Status == 0) {
                break;
            }
            if (entries >= kMaxListing) {
                Fail(QStringLiteral("GetFilenames (too many entries): Command: \"S\", Dir: %1").arg(dir));
            }
            DateiInfo info;
            info.Filename = FieldString(serFile.filename, sizeof serFile.filename);
            info.Datum = RecodeDate(LE16(serFile.Maske));
            info.Zeit = RecodeTime(LE16(serFile.Maske + 2));
            info.Dauer = LE16(serFile.Maske + 4);
            Filenames.append(info);
            if (Sender != nullptr) {
                Sender->StepBy(2);
                Sender->SetPosition(Sender->Position() - 1);
            }
        }
        return true;
    });
}

static bool ValidSlot(int therapeut, int patient) {
    return therapeut >= 0 && therapeut < TZUD12::kTherapeuten && patient >= 0 && patient < TZUD12::kPatienten;
}

bool TZUD12::GetMessHeaders(TProgressBar* Sender, int Therapeut, int Patient) {
    if (Busy("GetMessHeaders")) {
        return false;
    }
    if (!ValidSlot(Therapeut, Patient)) {
        return false;
    }
    return GetFilenames(Sender, QString::asprintf("0:\\Daten\\Th_%d\\Pat_%d", Therapeut, Patient),
                        QStringLiteral("*.hdf"),
                        MessHeaders[static_cast<size_t>(Therapeut * kPatienten + Patient)]);
}

QString TZUD12::ListedRecordingPath(int Therapeut, int Patient, int Index) const {
    if (!ValidSlot(Therapeut, Patient)) {
        return {};
    }
    const auto& list = MessHeaders[static_cast<size_t>(Therapeut * kPatienten + Patient)];
    if (Index < 0 || Index >= list.size()) {
        return {};
    }
    return QString::asprintf("0:\\Daten\\Th_%d\\Pat_%d\\", Therapeut, Patient) + list[Index].Filename;
}

bool TZUD12::GetMessung(int Therapeut, int Patient, QByteArray& MessStream, int Index) {
    if (Busy("GetMessung")) {
        return false;
    }
    const QString path = ListedRecordingPath(Therapeut, Patient, Index);
    return !path.isEmpty() && ReadFile(path, MessStream);
}

bool TZUD12::DeleteFile(TProgressBar* /*Sender*/, int Therapeut, int Index, int Patient) {
    if (Busy("DeleteFile")) {
        return false;
    }
    const QString path = ListedRecordingPath(Therapeut, Patient, Index);
    return !path.isEmpty() && DeleteFileByName(path);
}

QDate TZUD12::RecodeDate(uint16_t value) {
    const int y = value >> 9;
    const int m = (value >> 5) & 0x0F;
    const int d = value & 0x1F;
    const QDate date(y + 1980, m, d);
    if (!date.isValid()) {
        AddLog(QString::asprintf("RecodeDate (Datum: %d, Y:%d M:%d D:%d)", value, y, m, d));
    }
    return date;
}

QTime TZUD12::RecodeTime(uint16_t value) {
    const int h = value >> 11;
    const int m = (value >> 5) & 0x3F;
    const int s = (value & 0x1F) * 2;
    const QTime time(h, m, s);
    if (!time.isValid()) {
        AddLog(QString::asprintf("RecodeTime (Zeit: %d, H:%d M:%d S:%d)", value, h, m, s));
    }
    return time;
}

File TZUD12::DirectoryCommand(uint8_t code, const QString& name) {
    if (Busy(code == '-' ? "DirectoryQuery" : "DirectoryCreate")) {
        File refused = serFile; // the running command's header stays as it is
        refused.Status = 1;
        return refused;
    }
    if (!CheckDevicePath(name)) {
        // The command would act on whatever the device named last: nothing is sent.
        SetFileName(name, 0, QString()); // logs why
        serFile.Status = 1;
        return serFile;
    }
    SetFileName(name, 0, QString());
    BuildFrame(code);
    SendFrame();
    if (WaitFor(2 + sizeof(File), kFramedTimeout)) {
        uint8_t echo[2];
        ComDev.GetData(echo, 2);
        ComDev.GetData(INBuffer.data(), sizeof(File));
        std::memcpy(&serFile, INBuffer.data(), sizeof(File));
    } else {
        serFile.Status = 1;
    }
    return serFile;
}

File TZUD12::DirectoryQuery(const QString& name) {
    return DirectoryCommand('-', name);
}

File TZUD12::DirectoryCreate(const QString& name) {
    return DirectoryCommand('_', name);
}

bool TZUD12::CheckDirectory(const QString& filename) {
    return Guarded("CheckDirectory", [&] {
        QString reason;
        if (!CheckDevicePath(filename, &reason)) {
            Fail(QStringLiteral("CheckDirectory (invalid name: %1): %2").arg(reason, filename));
        }
        File f = DirectoryQuery(filename);
        if (f.Status == 4) {
            f = DirectoryCreate(filename);
        }
        if (f.Status != 0) {
            Fail(QString::asprintf("CheckDirectory (DiskError: %d)", f.Status));
        }
    });
}

bool TZUD12::SchreibeDatei(const QString& Ziel, const QString& Quelle) {
    return Guarded("SchreibeDatei", [&] {
        QFile f(Quelle);
        if (!QFileInfo::exists(Quelle) || !f.open(QIODevice::ReadOnly)) {
            Fail(QStringLiteral("File not found: %1").arg(Quelle));
        }
        const QByteArray data = f.readAll();
        if (!WriteFile(Ziel, data)) {
            Fail(QStringLiteral("File cannot be write: %1").arg(Quelle));
        }
    });
}

// ---------------------------------------------------------------- maintenance

bool TZUD12::ReadProgress(TProgressBar* bar, const char* timeoutMessage, const QString& details) {
    for (;;) {
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QString::fromLatin1(timeoutMessage) + details +
                 QStringLiteral("%1").arg(ComDev.InBufUsed()));
        }
        uint8_t w[2];
        Read(w, 2);
        const uint16_t word = LE16(w);
        if (bar != nullptr) {
            bar->SetPosition(word);
        }
        PumpMessages();
        if (word == kProgressEnd) {
            return true;
        }
    }
}

bool TZUD12::DeleteExercises(TProgressBar* Sender, int Therapeut, const QString& /*Maske*/, int Patient) {
    return Guarded("DeleteExercises", [&] {
        const uint8_t params[3] = {static_cast<uint8_t>(Therapeut), static_cast<uint8_t>(Patient), 0};
        BuildFrame('z', params, 3);
        SendFrame();
        if (!WaitFor(4, kFramedTimeout)) {
            Fail(QString::asprintf(
                "DeleteExercises (timeout crc): Command: \"z\", Therapeut: %d, Patient: %d, InBufUsed: %u",
                Therapeut, Patient, ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        if (!EchoMatches(echo)) {
            Fail(QString::asprintf(
                "DeleteExercises (crc falsch): Command: \"z\", crc1: %d crc2: %d, InBufUsed: %u", LE16(echo),
                LE16(FFrame.data() + 8), ComDev.InBufUsed()));
        }
        uint8_t w[2];
        Read(w, 2);
        if (Sender != nullptr) {
            Sender->SetMin(0);
            Sender->SetMax(LE16(w));
        }
        ReadProgress(Sender, "DeleteExercises (timeout Anzahl): Command: \"z\", ",
                     QString::asprintf("Therapeut: %d, Patient: %d, InBufUsed: ", Therapeut, Patient));
    });
}

bool TZUD12::Werkszustand(TProgressBar* Anzeige) {
    return Guarded("Werkszustand", [&] {
        const uint8_t param = 0;
        BuildFrame('Y', &param, 1);
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QStringLiteral("Factory settings failed: %1").arg(ComDev.InBufUsed()));
        }
        uint8_t echo[2];
        Read(echo, 2);
        if (!EchoMatches(echo)) {
            Fail(QString::asprintf("Factory settings failed: crc1: %d crc2: %d, InBufUsed: %u", LE16(echo),
                                   LE16(FFrame.data() + 8), ComDev.InBufUsed()));
        }
        if (Anzeige != nullptr) {
            Anzeige->SetMin(0);
            Anzeige->SetMax(71);
        }
        // A progress word that does not come within the deadline ends the command.
        ReadProgress(Anzeige, "Factory settings failed (timeout progress): ", QStringLiteral("InBufUsed: "));
    });
}

bool TZUD12::SetInfoblock(uint32_t address, char subCommand, QByteArray& stream) {
    return Guarded("SetInfoblock", [&] {
        if (subCommand == 'W' && stream.size() < static_cast<qsizetype>(kInfoblockSize)) {
            // Never write a block that is not all there.
            Fail(QStringLiteral("Set Infoblock failed: W, stream size %1").arg(stream.size()));
        }
        const uint8_t params[5] = {static_cast<uint8_t>(address), static_cast<uint8_t>(address >> 8),
                                   static_cast<uint8_t>(address >> 16), static_cast<uint8_t>(address >> 24),
                                   static_cast<uint8_t>(subCommand)};
        BuildFrame('i', params, 5);
        SendFrame();
        if (!WaitFor(2, kFramedTimeout)) {
            Fail(QStringLiteral("Set Infoblock failed: %1").arg(QChar::fromLatin1(subCommand)));
        }
        uint8_t echo[2];
        Read(echo, 2);
        bool ok = true;
        if (subCommand == 'R') {
            ok = WaitFor(kInfoblockSize, kFramedTimeout);
            if (ok) {
                Read(OutBuffer.data(), kInfoblockSize);
                stream.append(reinterpret_cast<const char*>(OutBuffer.data()), kInfoblockSize);
            }
        } else if (subCommand == 'E') {
            ok = WaitFor(4, kFramedTimeout);
            if (ok) {
                Read(OutBuffer.data(), 4);
            }
        } else if (subCommand == 'W') {
            std::memcpy(OutBuffer.data(), stream.constData(), kInfoblockSize);
            ComDev.Send(OutBuffer.data(), kInfoblockSize);
            ok = WaitFor(4, kFramedTimeout);
            if (ok) {
                Read(OutBuffer.data(), 4);
            }
        }
        if (!ok) {
            Fail(QStringLiteral("Set Infoblock failed: Timeout"));
        }
    });
}

int TZUD12::LeseAnwendungsdaten() {
    if (Busy("LeseAnwendungsdaten")) {
        return -1;
    }
    QByteArray block;
    if (!SetInfoblock(kInfoblockAddress, 'R', block) ||
        block.size() < static_cast<qsizetype>(kInfoblockSize)) {
        return -1;
    }
    std::memcpy(&GeraeteDaten, block.constData(), sizeof GeraeteDaten);
    std::memcpy(&Anwendungen, block.constData() + sizeof GeraeteDaten, sizeof Anwendungen);
    std::memcpy(InfoblockRest.data(), block.constData() + sizeof GeraeteDaten + sizeof Anwendungen,
                InfoblockRest.size());
    return 0;
}

int TZUD12::SchreibeAnwendungsdaten() {
    if (Busy("SchreibeAnwendungsdaten")) {
        return -1;
    }
    bool changed = false;
    const int code = ApplicationTypeCode(Anwendungen.Aktiv);
    if (code >= 0 && code != GeraeteDaten.Typ) {
        GeraeteDaten.Typ = static_cast<uint8_t>(code);
        changed = true;
    }
    PutCrc(GeraeteDaten.crc,
           Crc16(reinterpret_cast<const uint8_t*>(&GeraeteDaten), offsetof(zud::GeraeteDaten, crc)));
    PutCrc(Anwendungen.crc,
           Crc16(reinterpret_cast<const uint8_t*>(&Anwendungen), offsetof(ANWENDUNGEN, crc)));
    QByteArray block;
    block.append(reinterpret_cast<const char*>(&GeraeteDaten), sizeof GeraeteDaten);
    block.append(reinterpret_cast<const char*>(&Anwendungen), sizeof Anwendungen);
    block.append(reinterpret_cast<const char*>(InfoblockRest.data()),
                 static_cast<qsizetype>(InfoblockRest.size()));
    if (!SetInfoblock(kInfoblockAddress, 'W', block)) {
        return -1;
    }
    return changed ? 1 : 0;
}

int TZUD12::DeviceReloadFlash() {
    if (Busy("DeviceReloadFlash")) {
        return 0;
    }
    BuildFrame('^');
    SendFrame();
    if (WaitFor(2, kFramedTimeout)) {
        uint8_t echo[2];
        ComDev.GetData(echo, 2);
    }
    return 0;
}

} // namespace zud
