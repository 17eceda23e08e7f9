// SPDX-License-Identifier: MIT
#include "fixedsizewindows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QVariant>
#include <QWindow>

namespace {

// The size of a fixed-size window while it is let out of it.
const char fixedSizeProperty[] = "cubomancerFixedSize";

// Qt's own largest window size.
constexpr int largestSize = (1 << 24) - 1;

} // namespace

FixedSizeWindows::FixedSizeWindows(QObject *parent) : QObject(parent)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QGuiApplication::instance()->installEventFilter(this);
}

bool FixedSizeWindows::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<QWindow *>(watched);
    if (window == nullptr)
        return false;
    if (event->type() == QEvent::Show)
        connect(window, &QWindow::windowStateChanged, this, &FixedSizeWindows::windowStateChanged,
                Qt::UniqueConnection);
    else if (event->type() == QEvent::Resize)
        fixAgainIfBack(window);
    return false;
}

void FixedSizeWindows::windowStateChanged(Qt::WindowState state)
{
    auto *window = qobject_cast<QWindow *>(sender());
    if (window == nullptr)
        return;
    const bool takesGivenSize = state == Qt::WindowMaximized || state == Qt::WindowFullScreen;
    // Qt has just asked the compositor; the limit must be gone before the answer comes.
    if (takesGivenSize && window->minimumSize() == window->maximumSize()) {
        window->setProperty(fixedSizeProperty, window->maximumSize());
        window->setMaximumSize(QSize(largestSize, largestSize));
    }
    fixAgainIfBack(window);
}

// Setting the limit while the window is larger would shrink it before the compositor has let
// it go, which the compositor punishes as well; so only once it is back to its own size.
void FixedSizeWindows::fixAgainIfBack(QWindow *window)
{
    const QVariant fixedSize = window->property(fixedSizeProperty);
    if (!fixedSize.isValid() || window->size() != fixedSize.toSize() ||
        (window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    window->setMaximumSize(fixedSize.toSize());
    window->setProperty(fixedSizeProperty, QVariant());
}
