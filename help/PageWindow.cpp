// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/PageWindow.h"

#include "help/PageBrowser.h"
#include "help/PlaceClearOf.h"
#include "window_kit/ProgramIcon.h"
#include "window_kit/Twips.h"

#include <algorithm>

namespace velista {

PageWindow::PageWindow(QString programFolder, QString pageName, QSize clientTwips, int browserTopTwips,
                       const QString& browserName)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , programFolder_(std::move(programFolder))
    , pageName_(std::move(pageName))
    , browser_(new PageBrowser(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramIcon());
    resize(TwipsSize(clientTwips.width(), clientTwips.height()));
    // Small enough for any screen, large enough for a few lines of the page.
    setMinimumSize(TwipsSize(3000, 1500));
    browser_->setObjectName(browserName);
    setFocusProxy(browser_);
    browser_->move(0, TwipsToPixels(browserTopTwips));
}

void PageWindow::Load(const QRect& keepClear)
{
    PlaceWindowClearOf(*this, keepClear);
    show();
    ResizeStep();
    browser_->Navigate(PagePath());
}

QString PageWindow::PagePath() const
{
    return programFolder_ + PathSeparator + pageName_;
}

int PageWindow::BrowserExtent(int clientPixels)
{
    const float twips = static_cast<float>(clientPixels) * TwipsPerPixel - 10.0f;
    return TwipsToPixels(std::max(twips, 0.0f));
}

void PageWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ResizeStep();
}

void PageWindow::ResizeStep()
{
    browser_->resize(BrowserExtent(width()), BrowserExtent(height()));
}

}  // namespace velista
