#include "common/ui/modalscript.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace drive::ui {
namespace {

void CloseWindow(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

} // namespace

ModalScript::ModalScript(int watchdogMs, QObject* parent)
    : QObject(parent)
{
    poll_.setInterval(10);
    connect(&poll_, &QTimer::timeout, this, &ModalScript::Poll);
    poll_.start();
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(watchdogMs);
    connect(&watchdog_, &QTimer::timeout, this, &ModalScript::WatchdogExpired);
    watchdog_.start();
}

void ModalScript::Then(Step step)
{
    steps_.push_back(std::move(step));
}

QString ModalScript::Describe(QWidget* window)
{
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->objectName(),
            window->windowTitle());
}

bool ModalScript::Expect(QWidget* window, const QString& expected)
{
    if (window->objectName() == expected)
        return true;
    failures_.append(QStringLiteral("expected %1, got %2").arg(expected, Describe(window)));
    return false;
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || busy_.contains(modal) || scheduled_)
        return;
    // The step runs from a timer of its own: the polling timer does not fire again while its own
    // handler runs, and a step may wait in a nested modal window.
    scheduled_ = true;
    QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(modal)] {
        scheduled_ = false;
        if (target && target->isVisible() && QApplication::activeModalWidget() == target)
            Act(target);
    });
}

void ModalScript::Act(QWidget* modal)
{
    if (steps_.empty()) {
        if (!expired_)
            failures_.append(QStringLiteral("unexpected window: ") + Describe(modal));
        CloseWindow(modal);
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    busy_.insert(modal);
    step(modal);
    busy_.remove(modal);
}

void ModalScript::WatchdogExpired()
{
    expired_ = true;
    if (!steps_.empty())
        failures_.append(QStringLiteral("%1 step(s) left when the watchdog ran out").arg(steps_.size()));
    steps_.clear();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        failures_.append(QStringLiteral("still open at the watchdog: ") + Describe(modal));
        CloseWindow(modal);
    }
}

} // namespace drive::ui
