#pragma once

#include <QDialog>
#include <QPixmap>

namespace acdrive::ui {

// The splash window, shown as the about box: a picture over the whole window without border
// or caption, the program's title lines over it; a click on the picture closes it.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap picture_; // drawn when first shown
};

} // namespace acdrive::ui
