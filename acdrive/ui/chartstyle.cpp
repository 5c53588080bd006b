#include "acdrive/ui/chartstyle.h"

#include <QChart>
#include <QLocale>

namespace acdrive::ui {

void ApplyRussianNumbers(QChart* chart)
{
    chart->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    chart->setLocalizeNumbers(true);
}

QColor MethodColour(int method)
{
    switch (method) {
    case 1:
        return QColor(0xFF, 0x00, 0x00);
    case 2:
        return QColor(0x00, 0xFF, 0x00);
    case 3:
        return QColor(0xFF, 0xFF, 0x00);
    case 4:
        return QColor(0x00, 0x00, 0xFF);
    case 5:
        return QColor(0x00, 0xFF, 0xFF);
    case 6:
        return QColor(0x80, 0x00, 0x80);
    default:
        return QColor(Qt::gray);
    }
}

} // namespace acdrive::ui
