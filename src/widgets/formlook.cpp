// SPDX-License-Identifier: MIT
#include "formlook.h"

#include "widgets/apptitle.h"
#include "widgets/programicon.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QScreen>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// The margins of the frame the window manager has drawn around the window; none while unknown.
// Until the window manager sets _NET_FRAME_EXTENTS, Qt 6.4's xcb plugin measures the frame from
// the window's parent, which KWin 5.27 maps at 1x1 pixel and sizes only afterwards: margins that
// shrink the window to a point, which no drawn frame does. A drawn frame may overlap the window
// by a pixel: Wine 8 gives Windows' frames margins of -1 at the sides.
QMargins knownFrame(const QWindow *native)
{
    if (native == nullptr)
        return {};
    const QMargins frame = native->frameMargins();
    const QSize outer = native->size().grownBy(frame);
    const bool drawn = 2 * outer.width() > native->width() && 2 * outer.height() > native->height();
    return drawn ? frame : QMargins();
}

// Watches a window until it has been centred with its frame known.
class FrameCentring final : public QObject
{
public:
    explicit FrameCentring(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == m_window && m_window->windowHandle() != nullptr) {
                // The frame shows up on the native window: it is exposed once the window
                // manager has wrapped it, and it may be moved into its frame.
                m_window->windowHandle()->installEventFilter(this);
                centreOnScreen(m_window);
            }
            break;
        case QEvent::Expose:
        case QEvent::Move:
            // Only once the window manager has placed and mapped the window does a new
            // position count as the program's own, not as a hint for the first placement.
            // Window managers set the frame's extents before or after the first exposure;
            // the next exposure or move after them tells.
            if (!m_done && framed()) {
                m_done = true;
                m_window->removeEventFilter(this);
                m_window->windowHandle()->removeEventFilter(this);
                centreOnScreen(m_window);
                deleteLater();
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool framed() const
    {
        const QWindow *const native = m_window->windowHandle();
        return native != nullptr && native->isExposed() && !knownFrame(native).isNull();
    }

    QWidget *m_window;
    bool m_done = false;
};

// Each press of a button's access key is a click, made at once, with the focus moved to the
// button first as a click moves it, so that the control being left sees the user leave before
// the press. Qt 6.4 itself moves no focus, and plays a 100 ms animated click during which it
// drops further presses of the key. A key shared by several buttons stays Qt's: it only moves
// the focus among them.
class AccessKeyClicks final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        auto *const button = static_cast<QAbstractButton *>(watched);
        if (!button->isEnabled())
            return false;
        if (button->focusPolicy() != Qt::NoFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
};

} // namespace

void adoptFont(QWidget *widget)
{
    QFont font = widget->font();
    const qreal points = font.pointSizeF();
    if (points > 0)
        font.setPointSizeF(std::round(points * 96.0 / 72.0) * 72.0 / 96.0);
    if (font != widget->font())
        widget->setFont(font);
}

void setUpWindow(QWidget *window)
{
    mirrorForReadingDirection(window);
    window->setWindowTitle(windowTitle());
    window->setWindowIcon(programIcon());
    adoptFormFonts(window);
    centreWhenShown(window);
    auto *const accessKeys = new AccessKeyClicks(window);
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons)
        button->installEventFilter(accessKeys);
}

void adoptFormFonts(QWidget *form)
{
    // A system without the forms' families (most Linux desktops, and Windows in offscreen tests)
    // draws them with DejaVu Sans, whose metrics are close, whatever its own default font.
    for (const char *family : {"Verdana", "MS Sans Serif"})
        QFont::insertSubstitution(QLatin1String(family), QStringLiteral("DejaVu Sans"));
    // Parents first, so that children without a font of their own inherit the adopted one.
    adoptFont(form);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (child->testAttribute(Qt::WA_SetFont))
            adoptFont(child);
    }
}

void mirrorForReadingDirection(QWidget *window)
{
    if (!window->isRightToLeft())
        return;
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        // Qt's own parts of a control (named qt_...) are placed by the control.
        QWidget *const container = widget->parentWidget();
        if (widget->isWindow() || container->layout() != nullptr ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // A container that a layout places (a main window's central widget) gets its width from
        // the layout only when shown; a fixed width is known before.
        const QWidget *const outer = container->parentWidget();
        const bool laidOut = outer != nullptr && outer->layout() != nullptr &&
                             container->minimumWidth() == container->maximumWidth();
        const int width = laidOut ? container->minimumWidth() : container->width();
        widget->move(width - widget->x() - widget->width(), widget->y());
    }
}

void fitToText(QWidget *widget)
{
    const QRect before = widget->geometry();
    widget->resize(widget->sizeHint());
    if (widget->isRightToLeft())
        widget->move(before.right() + 1 - widget->width(), before.y());
}

void setSizedCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    fitToText(label);
}

void keepWithin(QWidget *widget, int leftEdge, int rightEdge)
{
    if (widget->isRightToLeft()) {
        const int overhang = leftEdge - widget->x();
        if (overhang > 0)
            widget->move(std::min(rightEdge - widget->width(), widget->x() + overhang),
                         widget->y());
        return;
    }
    const int overhang = widget->x() + widget->width() - rightEdge;
    if (overhang > 0)
        widget->move(std::max(leftEdge, widget->x() - overhang), widget->y());
}

void shrinkToFit(QAbstractButton *link)
{
    constexpr qreal smallest = 6.0;
    QFont font = link->font();
    // The line's height too: Thai, Devanagari and Bengali, drawn from fonts Qt falls back on,
    // need a taller line than the link's own font.
    const auto fits = [link](const QFont &candidate) {
        const QRectF room(link->rect());
        return room.contains(QFontMetricsF(candidate).boundingRect(
            room, Qt::TextSingleLine | Qt::TextShowMnemonic, link->text()));
    };
    while (!fits(font) && font.pointSizeF() > smallest)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    link->setFont(font);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    QWindow *const native = window->windowHandle();
    const QMargins frame = knownFrame(native);
    const QPoint corner = screen->availableGeometry().center() -
                          QRect(QPoint(), window->size().grownBy(frame)).center();
    // The window system takes a shown window's position as that of its frame; a window not
    // yet shown is placed by its inside, the frame being unknown.
    if (native != nullptr && native->isVisible())
        native->setFramePosition(corner);
    else
        window->move(corner);
}

void centreWhenShown(QWidget *window)
{
    new FrameCentring(window);
}
