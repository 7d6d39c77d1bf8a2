#include "RecordingTabs.h"

#include "ChartFrame.h"

#include <QLabel>
#include <QPalette>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zud::ui {

namespace {

constexpr int kHeader = 89;

QString FrameName(int index) {
    return QStringLiteral("DiagFrame%1").arg(index);
}

} // namespace

RecordingTabs::RecordingTabs(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChartArea"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    auto* area = new QVBoxLayout(this);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(0);
    FBar = new QTabBar(this);
    FBar->setObjectName(QStringLiteral("ChartTabs"));
    FBar->setExpanding(false);
    FBar->setDocumentMode(true);
    area->addWidget(FBar);
    FFrames = new QVBoxLayout;
    FFrames->setContentsMargins(0, 0, 0, 0);
    FFrames->setSpacing(2);
    area->addLayout(FFrames, 1);
    // Until a recording is open the white area says what to do next.
    FHinweis = new QLabel(this);
    FHinweis->setObjectName(QStringLiteral("ChartHint"));
    FHinweis->setAlignment(Qt::AlignCenter);
    FHinweis->setWordWrap(true);
    FHinweis->setMargin(24);
    QPalette grau = FHinweis->palette();
    grau.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    FHinweis->setPalette(grau);
    QFont gross = FHinweis->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.2);
    FHinweis->setFont(gross);
    area->addWidget(FHinweis, 1);
    connect(FBar, &QTabBar::currentChanged, this, [this](int i) {
        if (!FSwitching && i >= 0)
            emit Chosen(i);
    });
}

void RecordingTabs::SetHint(const QString& text) {
    FHinweis->setText(text);
    UpdateHint();
}

void RecordingTabs::UpdateHint() {
    FHinweis->setVisible(FTabs.empty());
}

int RecordingTabs::Active() const {
    return FBar->currentIndex();
}

int RecordingTabs::Find(const QString& caption) const {
    for (int i = 0; i < Count(); ++i)
        if (FTabs[size_t(i)].caption == caption)
            return i;
    return -1;
}

int RecordingTabs::Unsaved() const {
    return int(std::count_if(FTabs.begin(), FTabs.end(), [](const Tab& t) { return t.counter < 0; }));
}

const RecordingTabs::LiveRecording* RecordingTabs::Live(int index) const {
    if (!Valid(index) || At(index).counter >= 0 || At(index).live < 1)
        return nullptr;
    return &FLive.at(size_t(At(index).live - 1));
}

int RecordingTabs::IndexOf(const ChartFrame* frame) const {
    for (int i = 0; i < Count(); ++i)
        if (FTabs[size_t(i)].frame == frame)
            return i;
    return -1;
}

ChartFrame* RecordingTabs::NewFrame() {
    auto* frame = new ChartFrame(this);
    FFrames->addWidget(frame, 1);
    connect(frame, &ChartFrame::Activated, this, [this, frame] {
        const int i = IndexOf(frame);
        if (i >= 0 && i != Active() && !FCrop)
            emit Chosen(i);
    });
    connect(frame, &ChartFrame::CloseRequested, this, [this, frame] {
        const int i = IndexOf(frame);
        if (i >= 0 && !FCrop)
            emit CloseWanted(i);
    });
    return frame;
}

int RecordingTabs::ShowStored(int index, qint64 counter, const QString& caption, const QByteArray& daten,
                              int betriebsart, const QString& remarks) {
    if (!Valid(index)) {
        Tab t;
        t.frame = NewFrame();
        FTabs.push_back(t);
        index = Count() - 1;
        FSwitching = true;
        FBar->addTab(QString());
        FSwitching = false;
    }
    Tab& t = FTabs[size_t(index)];
    t.counter = counter;
    t.live = 0;
    t.caption = caption;
    t.stream = daten;
    t.remarks = remarks;
    t.frame->setObjectName(FrameName(index));
    t.frame->SetRecording(daten, betriebsart, caption);
    FBar->setTabText(index, caption);
    UpdateHint();
    return index;
}

int RecordingTabs::AddLive(const QByteArray& stream, const QDateTime& start) {
    if (stream.size() <= kHeader)
        return -1;
    FLive.push_back({stream, start, QString()});
    Tab t;
    t.counter = -1;
    t.live = int(FLive.size());
    t.caption = QStringLiteral("*Neu%1").arg(t.live);
    t.stream = stream;
    t.frame = NewFrame();
    t.frame->SetRecording(stream, uint8_t(stream.at(2)) + 1, t.caption);
    FTabs.push_back(t);
    t.frame->setObjectName(FrameName(Count() - 1));
    FSwitching = true;
    FBar->addTab(t.caption);
    FSwitching = false;
    UpdateHint();
    return Count() - 1;
}

void RecordingTabs::Reload(int index, const QByteArray& daten, const QString& remarks) {
    if (!Valid(index))
        return;
    FTabs[size_t(index)].stream = daten;
    FTabs[size_t(index)].remarks = remarks;
}

void RecordingTabs::SetRemarks(int index, const QString& remarks) {
    if (Valid(index))
        FTabs[size_t(index)].remarks = remarks;
}

void RecordingTabs::Replace(int index, const QByteArray& daten) {
    if (!Valid(index))
        return;
    Tab& t = FTabs[size_t(index)];
    t.stream = daten;
    if (t.counter < 0 && t.live >= 1)
        FLive.at(size_t(t.live - 1)).stream = daten;
    t.frame->SetRecording(daten, t.frame->DbBetriebsart(), t.caption);
}

void RecordingTabs::MarkSaved(int index, qint64 counter, const QString& caption, int betriebsart) {
    if (!Valid(index))
        return;
    Tab& t = FTabs[size_t(index)];
    t.counter = counter;
    t.caption = caption;
    FBar->setTabText(index, caption);
    t.frame->SetRecording(t.stream, betriebsart, caption);
}

void RecordingTabs::Rename(int index, const QString& caption, const QByteArray& daten, int betriebsart) {
    if (!Valid(index))
        return;
    Tab& t = FTabs[size_t(index)];
    t.caption = caption;
    t.stream = daten;
    FBar->setTabText(index, caption);
    t.frame->SetRecording(daten, betriebsart, caption);
}

void RecordingTabs::SetCurrent(int index) {
    FSwitching = true;
    FBar->setCurrentIndex(index);
    FSwitching = false;
}

void RecordingTabs::Remove(int index) {
    if (!Valid(index))
        return;
    delete FTabs[size_t(index)].frame;
    FTabs.erase(FTabs.begin() + index);
    FSwitching = true;
    FBar->removeTab(index);
    FSwitching = false;
    for (int i = index; i < Count(); ++i)
        FTabs[size_t(i)].frame->setObjectName(FrameName(i));
    UpdateHint();
}

void RecordingTabs::Clear() {
    while (!FTabs.empty()) {
        delete FTabs.back().frame;
        FTabs.pop_back();
    }
    FSwitching = true;
    while (FBar->count() > 0)
        FBar->removeTab(0);
    FSwitching = false;
    UpdateHint();
}

void RecordingTabs::Arrange(const ChartOptionen& options, bool stacked, bool crop, int screenDpi) {
    FCrop = crop;
    stacked = stacked && !crop;
    const int active = Active();
    // Stacked frames get smaller letters the more recordings are open.
    const int dpi =
        stacked ? int(std::lround(screenDpi / std::sqrt(double(std::max(Count(), 2) / 2)))) : screenDpi;
    for (int i = 0; i < Count(); ++i) {
        Tab& t = FTabs[size_t(i)];
        ChartOptionen o = options;
        if (!t.remarks.isEmpty())
            o.Bemerkungen = t.remarks.split(QLatin1Char('\n'));
        t.frame->SetOptions(o, o.DruckEinheit);
        t.frame->SetStacked(stacked);
        t.frame->SetActive(i == active);
        t.frame->SetDpi(dpi);
        t.frame->SetCrop(crop && i == active);
        t.frame->setVisible(stacked || i == active);
    }
    FBar->setVisible(Count() > 0 && !crop);
}

} // namespace zud::ui
