#include "acdrive/ui/keyfilter.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace acdrive::ui {
namespace {

// The characters a numeric field takes: digits, the comma and backspace.
bool IsNumericKey(char16_t key)
{
    return (key >= u'0' && key <= u'9') || key == u',' || key == u'\b';
}

} // namespace

NumericFieldFilter::NumericFieldFilter(QObject* parent)
    : KeyPressFilter(&NumericFieldFilter::Accepts, parent)
{
}

NumericFieldFilter* NumericFieldFilter::Install(QObject* field)
{
    auto* filter = new NumericFieldFilter(field);
    field->installEventFilter(filter);
    return filter;
}

bool NumericFieldFilter::Accepts(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Paste))
        return false;
    if (event.key() == Qt::Key_Backspace)
        return IsNumericKey(u'\b');
    const QString text = event.text();
    if (text.isEmpty())
        return true;
    // Control characters belong to keys that edit or move rather than type.
    if (text.size() == 1 && (text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f))
        return true;
    for (const QChar ch : text) {
        if (!IsNumericKey(ch.unicode()))
            return false;
    }
    return true;
}

} // namespace acdrive::ui
