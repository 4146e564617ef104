#include "AppIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icon resources live in a static library: register them before first use.
static void initIconResources() {
    Q_INIT_RESOURCE(Icons);
}

namespace tervane {

namespace {

// Sizes rendered: the tool bar's 24 px and its double for high-density screens.
constexpr int kIconSizes[] = {16, 24, 32, 48};

} // namespace

QIcon ToolIcon(const QString& name) {
    static const bool registered = (initIconResources(), true);
    (void)registered;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tervane
