// SPDX-License-Identifier: MIT
#include "programicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr int iconSizes[] = {16, 32, 48, 64};

// Loaded once and shared: an icon built afresh for every window opened would add new pixmaps to
// Qt's pixmap cache each time. Never destroyed: its pixmaps must not outlive the application
// object at exit.
const QIcon &decodedIcon()
{
    static const QIcon *const icon = [] {
        auto *loaded = new QIcon;
        for (int size : iconSizes)
            loaded->addFile(QStringLiteral(":/icons/cubomancer-%1.png").arg(size),
                            QSize(size, size));
        return loaded;
    }();
    return *icon;
}

// Answers which sizes there are without reading any image, and hands everything else to the
// decoded icon, asking it at a device pixel ratio of 1 so that it scales nothing of its own.
class ProgramIconEngine final : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }
    bool isNull() override { return false; }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off) {
            for (int size : iconSizes)
                sizes.append(QSize(size, size));
        }
        return sizes;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return decodedIcon().pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *const device = painter->device();
        const qreal ratio =
            device != nullptr ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
};

} // namespace

QIcon programIcon()
{
    static const QIcon *const icon = new QIcon(new ProgramIconEngine);
    return *icon;
}
