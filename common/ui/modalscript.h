#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace drive::ui {

// Acts in the modal windows of a run as they come up, one step each time a modal window is
// active and no step is busy with it, in order; used by the tours of the windows and by the
// window tests. A step gets the modal window and usually closes it; a window a step leaves
// open gets the next step. A step may open further modal windows (a file dialog from a
// button), which the following steps answer. A window that comes up when no step is left, and
// steps whose window never comes up before the watchdog runs out, are failures; every window
// that comes up after that is closed, so that a run never waits for a user who is not there.
class ModalScript : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void(QWidget* modal)>;

    // `watchdogMs`: how long the steps have for their windows, ms.
    explicit ModalScript(int watchdogMs = 20000, QObject* parent = nullptr);

    // Adds a step for the next modal window.
    void Then(Step step);

    // Steps not used yet.
    std::size_t remaining() const { return steps_.size(); }

    // What went wrong: unexpected windows and steps whose window never came up.
    const QStringList& failures() const { return failures_; }
    void AddFailure(const QString& failure) { failures_.append(failure); }

    // Records a failure unless `window` is of the class (objectName) `expected`; true when it is.
    bool Expect(QWidget* window, const QString& expected);

    // How a window is described in failures: its class name, object name and caption.
    static QString Describe(QWidget* window);

private:
    void Poll();
    void Act(QWidget* modal);
    void WatchdogExpired();

    std::deque<Step> steps_;
    QStringList failures_;
    QSet<QWidget*> busy_;
    bool scheduled_ = false;
    bool expired_ = false;
    QTimer poll_;
    QTimer watchdog_;
};

} // namespace drive::ui
