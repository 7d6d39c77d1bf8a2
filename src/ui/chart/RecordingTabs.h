#pragma once

// The chart area of the main window: one tab per opened recording, stored ones (by their
// COUNTER) and the unsaved live recordings of this run ("*Neu1", "*Neu2", ...), each with its
// own chart frame and zoom, shown one at a time or all stacked. The recording stream and the
// remarks on display always belong to the tab that is shown: every tab keeps its own.

#include "Chart.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <vector>

class QLabel;
class QTabBar;
class QVBoxLayout;

namespace zud::ui {

class ChartFrame;

class RecordingTabs : public QWidget {
    Q_OBJECT
public:
    struct Tab {
        qint64 counter = -1; // -1: a live recording not yet saved ("*Neu")
        int live = 0;        // its number after "*Neu"
        QString caption;
        QByteArray stream; // the recording this tab shows
        QString remarks;
        ChartFrame* frame = nullptr;
    };
    struct LiveRecording {
        QByteArray stream;
        QDateTime start;
        QString file; // kept in the data folder (an earlier end); removed once saved or discarded
    };

    explicit RecordingTabs(QWidget* parent = nullptr);
    // The line shown in the empty area while no recording is open.
    void SetHint(const QString& text);

    int Count() const { return int(FTabs.size()); }
    int Active() const;
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const Tab& At(int index) const { return FTabs.at(size_t(index)); }
    QString Caption(int index) const { return Valid(index) ? At(index).caption : QString(); }
    qint64 Counter(int index) const { return Valid(index) ? At(index).counter : -1; }
    ChartFrame* Frame(int index) const { return Valid(index) ? At(index).frame : nullptr; }
    // The tab with this caption, or -1.
    int Find(const QString& caption) const;
    // Tabs whose live recording is not saved yet.
    int Unsaved() const;
    // The live recording of a "*Neu" tab (nullptr for a stored one).
    const LiveRecording* Live(int index) const;
    // Every live recording of this run by its number ("*Neu<number>"), open in a tab or not.
    int LiveCount() const { return int(FLive.size()); }
    LiveRecording* LiveByNumber(int number) {
        return number >= 1 && number <= LiveCount() ? &FLive[size_t(number - 1)] : nullptr;
    }
    // Whether the live recording `number` is still open in an unsaved tab.
    bool LiveOpen(int number) const {
        return std::any_of(FTabs.begin(), FTabs.end(),
                           [number](const Tab& t) { return t.counter < 0 && t.live == number; });
    }

    // The stream and remarks of the tab that is shown (empty without tabs).
    QByteArray Stream() const { return Valid(Active()) ? At(Active()).stream : QByteArray(); }
    QString Remarks() const { return Valid(Active()) ? At(Active()).remarks : QString(); }

    // A stored recording into tab `index`, or into a new tab when `index` is -1; its zoom goes
    // back to level 1. Returns the tab's index. The tab is not made current.
    int ShowStored(int index, qint64 counter, const QString& caption, const QByteArray& daten,
                   int betriebsart, const QString& remarks);
    // A finished live measurement as a new "*Neu" tab; -1 (and nothing added) when the stream
    // holds no more than the program header.
    int AddLive(const QByteArray& stream, const QDateTime& start);
    // What the database holds now for a stored tab (read again when it is shown).
    void Reload(int index, const QByteArray& daten, const QString& remarks);
    // New remarks of a stored tab.
    void SetRemarks(int index, const QString& remarks);
    // A new stream for a tab (after cropping): the frame decodes it again.
    void Replace(int index, const QByteArray& daten);
    // A live recording saved as row `counter` with its new caption.
    void MarkSaved(int index, qint64 counter, const QString& caption, int betriebsart);
    // Another caption for a stored tab (moved to another patient), the chart from `daten`.
    void Rename(int index, const QString& caption, const QByteArray& daten, int betriebsart);

    // Makes a tab current in the tab bar (no signal).
    void SetCurrent(int index);
    // Removes a tab with its frame; the following frames are renumbered.
    void Remove(int index);
    void Clear();

    // Shows the active frame, or all stacked; the frames get the chart settings, and the
    // active one the crop state.
    void Arrange(const ChartOptionen& options, bool stacked, bool crop, int screenDpi);
    QTabBar* Bar() const { return FBar; }

signals:
    // The user chose another tab, in the bar or by clicking a stacked frame.
    void Chosen(int index);
    // The close button of a stacked frame.
    void CloseWanted(int index);

private:
    ChartFrame* NewFrame();
    int IndexOf(const ChartFrame* frame) const;
    void UpdateHint();
    std::vector<Tab> FTabs;
    std::vector<LiveRecording> FLive; // every live recording of this run, by its number - 1
    QTabBar* FBar = nullptr;
    QVBoxLayout* FFrames = nullptr;
    QLabel* FHinweis = nullptr;
    bool FSwitching = false;
    bool FCrop = false;
};

} // namespace zud::ui
