#include "uitestsupport.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace uitest {

QList<QToolButton*> ToolButtons(QWidget* window, const char* hint)
{
    QList<QToolButton*> found;
    for (QToolButton* button : window->findChildren<QToolButton*>()) {
        if (button->toolTip() == QString::fromUtf8(hint))
            found.append(button);
    }
    std::sort(found.begin(), found.end(), [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
    return found;
}

QToolButton* ToolButton(QWidget* window, const char* hint)
{
    const QList<QToolButton*> found = ToolButtons(window, hint);
    return found.size() == 1 ? found.first() : nullptr;
}

QAction* MenuItem(QWidget* window, const QStringList& path)
{
    auto* bar = window->findChild<QMenuBar*>();
    if (!bar)
        return nullptr;
    QList<QAction*> actions = bar->actions();
    QAction* item = nullptr;
    for (const QString& caption : path) {
        const auto at
            = std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == caption; });
        if (at == actions.end())
            return nullptr;
        item = *at;
        actions = item->menu() ? item->menu()->actions() : QList<QAction*>();
    }
    return item;
}

namespace {

void NoteQuestion(QWidget* dialog, QStringList* questions)
{
    if (questions) {
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("Label1"));
        questions->append(label ? label->text() : QStringLiteral("<no question>"));
    }
}

} // namespace

ModalScript::Step TypeNumber(const QString& keys, QStringList* questions)
{
    return [keys, questions](QWidget* dialog) {
        NoteQuestion(dialog, questions);
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (!field || !ok || dialog->objectName() != QStringLiteral("NumberDialog"))
            return;
        QTest::keyClicks(field, keys);
        QTest::mouseClick(ok, Qt::LeftButton);
    };
}

ModalScript::Step PickOption(int option, QStringList* questions)
{
    return [option, questions](QWidget* dialog) {
        NoteQuestion(dialog, questions);
        auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(option));
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        if (!radio || !ok || dialog->objectName() != QStringLiteral("ChoiceDialog"))
            return;
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        QTest::mouseClick(ok, Qt::LeftButton);
    };
}

ModalScript::Step CloseByFrame()
{
    return [](QWidget* window) { window->close(); };
}

} // namespace uitest
