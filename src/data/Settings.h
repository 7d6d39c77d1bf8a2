#pragma once

// The program's settings: machine-wide values (read only) and per-user values, as ini files
// through QSettings (organisation "Brelk", application "ZUD"). Integers are decimal strings,
// booleans "0"/"1" (any non-zero number reads as true); a missing or unreadable value gives
// the default.

#include <QByteArray>
#include <QString>

#include <memory>

class QSettings;

namespace zud {

class Settings {
public:
    Settings();
    ~Settings();

    // Both scopes below other folders (tests): user scope in `user`, machine scope in `system`.
    static void RedirectForTests(const QString& user, const QString& system);

    // --- machine-wide ---
    QString SQLDir3() const;
    // "EMBEDDED" (default here) selects the embedded engine; "NONE" or empty mean 127.0.0.1.
    QString SQLServer3() const;
    QString RemoteServicePort3() const;
    // The code page of 8-bit text in a database without a character set (one that an older
    // installation created): a Firebird character set name, "WIN1252" unless set (e.g. "WIN1250").
    QString SQLCodePage3() const;
    QString SQLDir() const;
    QString SQLServer() const;
    QString RemoteServicePort() const;
    bool UserControl() const;
    // The database administrator's password: the machine-wide value AdminPassword (keep that
    // file readable by root and the practice's group only), else the built-in one.
    QString AdminPassword() const;
    // LenientWriteAck=1: a file block that the device acknowledges with another CRC than the
    // block's is logged as a warning and the write goes on. Off (strict) unless a technician
    // sets it for a device whose acknowledgements are known to differ.
    bool LenientWriteAck() const;

    // --- per user ---
    QString Port() const;
    void SetPort(const QString& v);
    int Baudrate() const;
    void SetBaudrate(int v);
    int StatMaxExercisesPerDay() const;
    int GridLinesX() const;
    void SetGridLinesX(int v);
    int GridLinesY() const;
    void SetGridLinesY(int v);
    bool CheckUpdate(bool fallback) const;
    bool ShowRealCurrent() const;
    bool ShowAvgRealCurrent() const;
    bool AreaChart() const;
    void SetAreaChart(bool v);
    bool Comparsion() const;
    void SetComparsion(bool v);
    bool AllPorts() const;
    void SetAllPorts(bool v);
    bool ShowLeftPanel() const;
    void SetShowLeftPanel(bool v);
    int ShowLeftPanelWidth() const;
    void SetShowLeftPanelWidth(int v);
    int DruckEinheit() const;
    void SetDruckEinheit(int v);
    bool ShowScreenTips() const;
    // The tone of the live measurement: on or off (off unless chosen), and its volume 0..100 %.
    bool LiveTone() const;
    void SetLiveTone(bool v);
    int LiveToneVolume() const;
    void SetLiveToneVolume(int v);
    bool StatOverView() const;
    bool MoveConfirm() const;
    void SetMoveConfirm(bool v);
    QString SortDate() const; // "ASC" or "DESC"
    void SetSortDate(const QString& v);
    QString SortTime() const;
    void SetSortTime(const QString& v);
    QString User() const;
    void SetUser(const QString& v);
    bool LogIn() const;
    void SetLogIn(bool v);
    // The remembered password, deciphered; empty when none.
    QString Password() const;
    void SetPassword(const QString& v);

    // Raw readers with the read rules, for values without an accessor.
    int ReadInt(const QString& key, int fallback, bool machine = false) const;
    bool ReadBool(const QString& key, bool fallback, bool machine = false) const;
    QString ReadString(const QString& key, const QString& fallback, bool machine = false) const;
    void WriteInt(const QString& key, int v);
    void WriteBool(const QString& key, bool v);
    void WriteString(const QString& key, const QString& v);
    // Writes the file now and keeps it readable by its owner only.
    void Sync();

private:
    std::unique_ptr<QSettings> FUser;
    std::unique_ptr<QSettings> FMachine;
};

// The remembered password's 51 bytes: length byte, at most 50 bytes of the password's UTF-8
// text (letters beyond Latin-1, e.g. Polish ones, survive), scrambled. Reading also accepts the
// Latin-1 text of earlier versions.
QByteArray ScramblePassword(const QString& password);
// The same over the password's bytes as they are stored (at most 50).
QByteArray ScramblePasswordBytes(const QByteArray& text);
QString UnscramblePassword(const QByteArray& stored);

} // namespace zud
