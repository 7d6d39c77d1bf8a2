#include "Settings.h"

#include "Paths.h"
#include "PatientDatabase.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>

#include <algorithm>

namespace zud {

namespace {

const QString kOrg = QStringLiteral("Brelk");
const QString kApp = QStringLiteral("ZUD");

// The password scrambling's key numbers.
constexpr uint16_t kStartKey = 0x5A3C;
constexpr uint16_t kMultiplier = 0x6D2B;
constexpr uint16_t kAddend = 0x3E91;

QString Direction(const QString& v, const QString& fallback) {
    const QString u = v.trimmed().toUpper();
    return u == QLatin1String("ASC") || u == QLatin1String("DESC") ? u : fallback;
}

} // namespace

Settings::Settings()
    : FUser(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrg, kApp)),
      FMachine(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::SystemScope, kOrg, kApp)) {}

Settings::~Settings() = default;

void Settings::RedirectForTests(const QString& user, const QString& system) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system);
}

int Settings::ReadInt(const QString& key, int fallback, bool machine) const {
    const QVariant v = (machine ? FMachine : FUser)->value(key);
    if (!v.isValid()) {
        return fallback;
    }
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok, 10);
    return ok ? n : fallback;
}

bool Settings::ReadBool(const QString& key, bool fallback, bool machine) const {
    const QVariant v = (machine ? FMachine : FUser)->value(key);
    if (!v.isValid()) {
        return fallback;
    }
    bool ok = false;
    const long long n = v.toString().trimmed().toLongLong(&ok, 10);
    return ok ? n != 0 : fallback;
}

QString Settings::ReadString(const QString& key, const QString& fallback, bool machine) const {
    const QVariant v = (machine ? FMachine : FUser)->value(key);
    return v.isValid() ? v.toString() : fallback;
}

void Settings::WriteInt(const QString& key, int v) {
    FUser->setValue(key, QString::number(v));
}
void Settings::WriteBool(const QString& key, bool v) {
    FUser->setValue(key, v ? QStringLiteral("1") : QStringLiteral("0"));
}
void Settings::WriteString(const QString& key, const QString& v) {
    FUser->setValue(key, v);
}

void Settings::Sync() {
    FUser->sync();
    // The file holds the remembered login: its owner alone may read it.
    QFile::setPermissions(FUser->fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString Settings::SQLDir3() const {
    return ReadString(QStringLiteral("SQLDir3"), DefaultDatabaseFolder(), true);
}
QString Settings::SQLServer3() const {
    return ReadString(QStringLiteral("SQLServer3"), QStringLiteral("EMBEDDED"), true);
}
QString Settings::RemoteServicePort3() const {
    return ReadString(QStringLiteral("RemoteServicePort3"), QStringLiteral("3052"), true);
}
QString Settings::SQLCodePage3() const {
    const QString v = ReadString(QStringLiteral("SQLCodePage3"), QString(), true).trimmed().toUpper();
    return v.isEmpty() ? QStringLiteral("WIN1252") : v;
}
QString Settings::SQLDir() const {
    return ReadString(QStringLiteral("SQLDir"), DefaultDatabaseFolder(), true);
}
QString Settings::SQLServer() const {
    return ReadString(QStringLiteral("SQLServer"), QStringLiteral("127.0.0.1"), true);
}
QString Settings::RemoteServicePort() const {
    return ReadString(QStringLiteral("RemoteServicePort"), QStringLiteral("3050"), true);
}
bool Settings::UserControl() const {
    return ReadBool(QStringLiteral("UserControl"), false, true);
}
QString Settings::AdminPassword() const {
    const QString v = ReadString(QStringLiteral("AdminPassword"), QString(), true);
    return v.isEmpty() ? QString::fromLatin1(kAdminPassword) : v;
}
bool Settings::LenientWriteAck() const {
    return ReadBool(QStringLiteral("LenientWriteAck"), false, true);
}

QString Settings::Port() const {
    return ReadString(QStringLiteral("Port"), QString());
}
void Settings::SetPort(const QString& v) {
    WriteString(QStringLiteral("Port"), v);
}
int Settings::Baudrate() const {
    return ReadInt(QStringLiteral("Baudrate"), 460800);
}
void Settings::SetBaudrate(int v) {
    WriteInt(QStringLiteral("Baudrate"), v);
}
int Settings::StatMaxExercisesPerDay() const {
    return ReadInt(QStringLiteral("Stat_Max_Exercises_per_day"), 2);
}
int Settings::GridLinesX() const {
    return ReadInt(QStringLiteral("GridLinesX"), 20);
}
void Settings::SetGridLinesX(int v) {
    WriteInt(QStringLiteral("GridLinesX"), v);
}
int Settings::GridLinesY() const {
    return ReadInt(QStringLiteral("GridLinesY"), 10);
}
void Settings::SetGridLinesY(int v) {
    WriteInt(QStringLiteral("GridLinesY"), v);
}
bool Settings::CheckUpdate(bool fallback) const {
    return ReadBool(QStringLiteral("CheckUpdate"), fallback);
}
bool Settings::ShowRealCurrent() const {
    return ReadBool(QStringLiteral("ShowRealCurrent"), false);
}
bool Settings::ShowAvgRealCurrent() const {
    return ReadBool(QStringLiteral("ShowAvgRealCurrent"), true);
}
bool Settings::AreaChart() const {
    return ReadBool(QStringLiteral("AreaChart"), false);
}
void Settings::SetAreaChart(bool v) {
    WriteBool(QStringLiteral("AreaChart"), v);
}
bool Settings::Comparsion() const {
    return ReadBool(QStringLiteral("Comparsion"), false);
}
void Settings::SetComparsion(bool v) {
    WriteBool(QStringLiteral("Comparsion"), v);
}
bool Settings::AllPorts() const {
    return ReadBool(QStringLiteral("AllPorts"), false);
}
void Settings::SetAllPorts(bool v) {
    WriteBool(QStringLiteral("AllPorts"), v);
}
bool Settings::ShowLeftPanel() const {
    return ReadBool(QStringLiteral("ShowLeftPanel"), false);
}
void Settings::SetShowLeftPanel(bool v) {
    WriteBool(QStringLiteral("ShowLeftPanel"), v);
}
int Settings::ShowLeftPanelWidth() const {
    return ReadInt(QStringLiteral("ShowLeftPanelWidth"), 350);
}
void Settings::SetShowLeftPanelWidth(int v) {
    WriteInt(QStringLiteral("ShowLeftPanelWidth"), v);
}
int Settings::DruckEinheit() const {
    return ReadInt(QStringLiteral("Druck-Einheit"), 0);
}
void Settings::SetDruckEinheit(int v) {
    WriteInt(QStringLiteral("Druck-Einheit"), v);
}
bool Settings::ShowScreenTips() const {
    return ReadBool(QStringLiteral("ShowScreenTips"), true);
}
bool Settings::LiveTone() const {
    return ReadBool(QStringLiteral("LiveTone"), false);
}
void Settings::SetLiveTone(bool v) {
    WriteBool(QStringLiteral("LiveTone"), v);
}
int Settings::LiveToneVolume() const {
    return std::clamp(ReadInt(QStringLiteral("LiveToneVolume"), 50), 0, 100);
}
void Settings::SetLiveToneVolume(int v) {
    WriteInt(QStringLiteral("LiveToneVolume"), std::clamp(v, 0, 100));
}
bool Settings::StatOverView() const {
    return ReadBool(QStringLiteral("Stat_OverView"), false);
}
bool Settings::MoveConfirm() const {
    return ReadBool(QStringLiteral("MoveConfirm"), true);
}
void Settings::SetMoveConfirm(bool v) {
    WriteBool(QStringLiteral("MoveConfirm"), v);
}
QString Settings::SortDate() const {
    return Direction(ReadString(QStringLiteral("SortDate"), QString()), QStringLiteral("DESC"));
}
void Settings::SetSortDate(const QString& v) {
    WriteString(QStringLiteral("SortDate"), Direction(v, QStringLiteral("DESC")));
}
QString Settings::SortTime() const {
    return Direction(ReadString(QStringLiteral("SortTime"), QString()), QStringLiteral("ASC"));
}
void Settings::SetSortTime(const QString& v) {
    WriteString(QStringLiteral("SortTime"), Direction(v, QStringLiteral("ASC")));
}
QString Settings::User() const {
    return ReadString(QStringLiteral("User"), QString());
}
void Settings::SetUser(const QString& v) {
    WriteString(QStringLiteral("User"), v);
}
bool Settings::LogIn() const {
    return ReadBool(QStringLiteral("LogIn"), true);
}
void Settings::SetLogIn(bool v) {
    WriteBool(QStringLiteral("LogIn"), v);
}

QString Settings::Password() const {
    return UnscramblePassword(FUser->value(QStringLiteral("Password")).toByteArray());
}

void Settings::SetPassword(const QString& v) {
    FUser->setValue(QStringLiteral("Password"), ScramblePassword(v));
    Sync();
}

QByteArray ScramblePassword(const QString& password) {
    // At most 50 bytes, never a character cut in half.
    QString p = password.left(50);
    QByteArray text = p.toUtf8();
    while (text.size() > 50) {
        p.chop(1);
        text = p.toUtf8();
    }
    return ScramblePasswordBytes(text);
}

QByteArray ScramblePasswordBytes(const QByteArray& textIn) {
    const QByteArray text = textIn.left(50);
    QByteArray plain(51, '\0');
    plain[0] = static_cast<char>(text.size());
    std::copy(text.begin(), text.end(), plain.begin() + 1);
    QByteArray out(51, '\0');
    uint16_t state = kStartKey;
    for (int i = 0; i < 51; ++i) {
        const auto p = static_cast<uint8_t>(plain[i]);
        out[i] = static_cast<char>(p ^ (state >> 8));
        state = static_cast<uint16_t>((p + state) * kMultiplier + kAddend);
    }
    return out;
}

QString UnscramblePassword(const QByteArray& stored) {
    if (stored.size() != 51) {
        return {};
    }
    QByteArray plain(51, '\0');
    uint16_t state = kStartKey;
    for (int i = 0; i < 51; ++i) {
        const auto c = static_cast<uint8_t>(stored[i]);
        const auto p = static_cast<uint8_t>(c ^ (state >> 8));
        plain[i] = static_cast<char>(p);
        state = static_cast<uint16_t>((p + state) * kMultiplier + kAddend);
    }
    const int len = std::min(50, static_cast<int>(static_cast<uint8_t>(plain[0])));
    const QByteArray text = plain.mid(1, len);
    // Earlier versions stored Latin-1: bytes that are not valid UTF-8 are read that way.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(text);
    return utf8.hasError() ? QString::fromLatin1(text) : decoded;
}

} // namespace zud
