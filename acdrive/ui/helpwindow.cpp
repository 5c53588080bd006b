#include "acdrive/ui/helpwindow.h"

#include "acdrive/ui/artwork.h"
#include "acdrive/ui/uitexts.h"
#include "common/ui/placement.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace acdrive::ui {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(kHelpCaption));
    setWindowIcon(ProgramIcon());
    resize(720, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenExternalLinks(false);
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/acdrive-help.html")));
    layout->addWidget(browser_);
    drive::ui::CentreOnScreen(this);
}

} // namespace acdrive::ui
