#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace dcdrive::ui {

// The key filter of the DC program's numeric edits: every typed character goes through
// DcKeyFilter; a refused one is discarded and the system's default beep sounds. Keys that type
// nothing or move between controls (arrows, Delete, Tab, Enter, Escape) and the shortcuts
// with Ctrl pass.
class DcKeyFilterObject : public QObject {
    Q_OBJECT
public:
    explicit DcKeyFilterObject(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    // Puts the filter on an edit (the edit owns it).
    static void Install(QLineEdit* edit);

    // Whether the key press reaches the edit.
    static bool Accepts(const QKeyEvent& event);

signals:
    // A key was discarded.
    void keyRejected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dcdrive::ui
