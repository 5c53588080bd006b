#include "acdrive/ui/modalscript.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace acdrive::ui {
namespace {

void CloseWindow(QWidget* window)
{
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->reject();
    else
        window->close();
}

QString Describe(QWidget* window)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->windowTitle());
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

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (steps_.empty()) {
        failures_.append(QStringLiteral("unexpected window: ") + Describe(modal));
        CloseWindow(modal);
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
    if (modal->isVisible() && QApplication::activeModalWidget() == modal) {
        failures_.append(QStringLiteral("a step left its window open: ") + Describe(modal));
        CloseWindow(modal);
    }
}

void ModalScript::WatchdogExpired()
{
    if (!steps_.empty())
        failures_.append(QStringLiteral("%1 window(s) never came up").arg(steps_.size()));
    steps_.clear();
    // From here on every modal window is closed as unexpected, so nothing waits for ever.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        failures_.append(QStringLiteral("still open at the watchdog: ") + Describe(modal));
        CloseWindow(modal);
    }
}

} // namespace acdrive::ui
