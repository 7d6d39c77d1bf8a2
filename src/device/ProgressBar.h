#pragma once

#include <algorithm>

namespace zud {

// What the device commands report progress to. Behaves like a progress bar: the position is
// clamped to [Min, Max]. Windows derive from it and repaint in Changed().
class TProgressBar {
public:
    virtual ~TProgressBar() = default;

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }

    void SetMin(int v) {
        FMin = v;
        FMax = std::max(FMax, FMin);
        SetPosition(FPosition);
    }
    void SetMax(int v) {
        FMax = v;
        FMin = std::min(FMin, FMax);
        SetPosition(FPosition);
    }
    void SetPosition(int v) {
        FPosition = std::clamp(v, FMin, FMax);
        Changed();
    }
    void StepBy(int delta) { SetPosition(FPosition + delta); }

protected:
    virtual void Changed() {}

private:
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
};

} // namespace zud
