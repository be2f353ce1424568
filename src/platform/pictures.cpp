#include "platform/pictures.h"

#include "platform/logging.h"
#include "platform/programfolder.h"

#include <QtCore/QFileInfo>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

namespace platform {

namespace {

void reportMissing(const QString &path, const QString &why)
{
    qCWarning(lcPlatform) << "picture" << path << "not loaded:" << why;
}

QPixmap renderSvg(const QString &path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        reportMissing(path, QStringLiteral("not a valid SVG picture"));
        return {};
    }
    const QSize target = size.isEmpty() ? renderer.defaultSize() : size;
    QPixmap pixmap(target);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

} // namespace

QPixmap picture(const QString &path, QSize size)
{
    if (!QFileInfo::exists(path)) {
        reportMissing(path, QStringLiteral("no such file"));
        return {};
    }
    if (path.endsWith(u".svg", Qt::CaseInsensitive))
        return renderSvg(path, size);
    QImageReader reader(path);
    if (!size.isEmpty())
        reader.setScaledSize(size);
    const QImage image = reader.read();
    if (image.isNull()) {
        reportMissing(path, reader.errorString());
        return {};
    }
    return QPixmap::fromImage(image);
}

QPixmap pictureFromProgramFolder(const QString &fileName, QSize size)
{
    return picture(programFile(fileName), size);
}

} // namespace platform
