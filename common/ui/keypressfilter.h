#pragma once

#include <QObject>

class QKeyEvent;

namespace drive::ui {

// The key filter of an edit: a key press its rule refuses is discarded and the system's beep
// sounds; the others reach the edit. Each program's numeric edits derive from it with their
// own rule.
class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    // Whether a key press reaches the edit.
    using Rule = bool (*)(const QKeyEvent& event);

    explicit KeyPressFilter(Rule accepts, QObject* parent = nullptr);

signals:
    // A key was discarded (after the beep).
    void keyRejected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Rule accepts_;
};

} // namespace drive::ui
