#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace acdrive::ui {

// Answers the modal windows of a run as they come up, one step per window, in order; used by
// the guided tour of the windows and by the tests. A step gets the modal window and must close
// it (accept, reject or a button click). A window that comes up when no step is left, and steps
// left when the watchdog runs out, are recorded as failures; an unexpected window is closed so
// that the run goes on instead of waiting for a user who is not there.
class ModalScript : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalScript(int watchdogMs = 15000, QObject* parent = nullptr);

    // Adds a step for the next modal window.
    void Then(Step step);
    // Steps not used yet.
    std::size_t remaining() const { return steps_.size(); }
    // What went wrong: unexpected windows and steps whose window never came up.
    const QStringList& failures() const { return failures_; }
    void AddFailure(const QString& failure) { failures_.append(failure); }

private:
    void Poll();
    void WatchdogExpired();

    std::deque<Step> steps_;
    QStringList failures_;
    QTimer poll_;
    QTimer watchdog_;
};

} // namespace acdrive::ui
