#pragma once

#include <QWidget>

class QTextBrowser;

namespace acdrive::ui {

// The program's help: the Russian user guide shipped inside the program, in a window of its own
// that stays open beside the main window.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser& browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace acdrive::ui
