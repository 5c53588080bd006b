#pragma once

// Controls and fonts shared by the windows.

#include "dcdrive/ui/artwork.h"

#include <QFont>
#include <QLineEdit>
#include <QSize>
#include <functional>

class QLabel;
class QString;
class QToolButton;
class QWidget;

namespace dcdrive::ui {

// A one-line edit as tall as its text needs and no taller, as the edits of the windows were
// designed.
class CompactEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// A flat 28 × 28 tool button with an image, named `name`, with a hint when `hint` is given.
QToolButton* MakeSpeedButton(
    QWidget* parent, const char* name, ButtonImage image, const char* hint = nullptr);

// A numeric edit named `name` that starts with `text` and takes its keys through DcKeyFilter.
QLineEdit* MakeNumericEdit(QWidget* parent, const char* name, const QString& text);

// A label with a text of the windows.
QLabel* MakeLabel(QWidget* parent, const char* text);

// The first of `base`, then a semi-condensed face of it, then both at smaller sizes (down to
// `smallest` points) in which `fits` holds; the last one tried when none does. The windows keep
// the sizes their users know, and their texts are not cut off with wider fonts.
QFont FittingFont(const QFont& base, const std::function<bool(const QFont&)>& fits, qreal smallest = 8);

// Gives a window of fixed size the fitting font in which its layout fits that size.
void FitFontToWindow(QWidget* window, const QSize& room);

} // namespace dcdrive::ui
