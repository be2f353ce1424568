#include "platform/pictures.h"

#include "platform/metafile.h"
#include "platform/programfolder.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLoggingCategory>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

Q_LOGGING_CATEGORY(lcPictures, "quirlix.pictures")

namespace platform {

namespace {

void reportMissing(const QString &path, const QString &why)
{
    qCWarning(lcPictures).noquote() << "picture" << path << "not loaded:" << why;
}

template<class Source>
QPixmap renderSvg(const QString &path, const Source &source, QSize size)
{
    QSvgRenderer renderer(source);
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

QPixmap renderMetafile(const QString &path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportMissing(path, file.errorString());
        return {};
    }
    QString error;
    const QByteArray svg = metafileToSvg(file.readAll(), &error);
    if (svg.isEmpty()) {
        reportMissing(path, error);
        return {};
    }
    return renderSvg(path, svg, size);
}

} // namespace

QPixmap picture(const QString &path, QSize size)
{
    if (!QFileInfo::exists(path)) {
        reportMissing(path, QStringLiteral("no such file"));
        return {};
    }
    if (path.endsWith(u".svg", Qt::CaseInsensitive))
        return renderSvg(path, path, size);
    if (path.endsWith(u".wmf", Qt::CaseInsensitive))
        return renderMetafile(path, size);
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
