#pragma once

#include <QDialog>

namespace dcdrive::ui {

// The about box "О программе.": a picture, the program's title and its description on white;
// the small picture at the bottom right closes it, as does the close box.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dcdrive::ui
