#pragma once

// How the long data-exchange steps report to whoever runs them: the current step's text and
// the progress within it. The progress callback returns false to cancel; the step then ends
// with a DataError and leaves everything as it was before the step. A signal that asks the
// program to end (Ctrl+C, SIGTERM) cancels the same way, whoever runs the step.

#include "SignalWatcher.h"

#include <QString>

#include <functional>

namespace zud::exchange {

struct Feedback {
    std::function<void(const QString& text)> step;
    std::function<bool(qint64 done, qint64 total)> progress;

    void Step(const QString& text) const {
        if (step) {
            step(text);
        }
    }
    // False: the user cancelled, or the program is asked to end.
    bool Progress(qint64 done, qint64 total) const {
        return !SignalWatcher::Requested() && (!progress || progress(done, total));
    }
};

// Throws the German "cancelled" error when the user cancelled.
void CheckCancel(const Feedback& fb, qint64 done, qint64 total);

} // namespace zud::exchange
