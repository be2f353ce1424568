#include "platform/metafile.h"
#include "platform/pictures.h"
#include "platform/vbcolor.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

namespace {

void put(QByteArray &out, std::initializer_list<int> words)
{
    for (const int word : words)
        out.append(char(word & 0xFF)).append(char((word >> 8) & 0xFF));
}

void record(QByteArray &body, int function, std::initializer_list<int> words)
{
    put(body, {int(3 + words.size()), 0, function});
    put(body, words);
}

// Clip art as other drawing programs write it, with records and a mapping
// our own drawings never use: the origin in the middle, a transparent
// background mode; left half a red rectangle, right half a blue rounded
// rectangle, an open green V (a polyline) in the red half.
QByteArray foreignClipArt()
{
    QByteArray body;
    record(body, 0x0103, {8});                            // SETMAPMODE anisotropic
    record(body, 0x020B, {-100, -200});                   // SETWINDOWORG y, x
    record(body, 0x020C, {200, 400});                     // SETWINDOWEXT y, x
    record(body, 0x0102, {1});                            // SETBKMODE transparent
    record(body, 0x02FA, {5, 0, 0, 0, 0});                // pen 0: none
    record(body, 0x02FC, {0, 0x00FF, 0, 0});              // brush 1: red
    record(body, 0x012D, {0});
    record(body, 0x012D, {1});
    record(body, 0x041B, {100, 0, -100, -200});           // RECTANGLE bottom, right, top, left
    record(body, 0x02FC, {0, 0, 0xFF, 0});                // brush 2: blue
    record(body, 0x012D, {2});
    record(body, 0x061C, {20, 20, 100, 200, -100, 0});    // ROUNDRECT
    record(body, 0x02FA, {0, 8, 0, 0xC000, 0});           // pen 3: green
    record(body, 0x012D, {3});
    record(body, 0x0325, {3, -180, -80, -100, 60, -20, -80}); // POLYLINE
    record(body, 0x0000, {});
    QByteArray file;
    put(file, {0xCDD7, 0x9AC6, 0, -200, -100, 200, 100, 100, 0, 0});
    quint16 checksum = 0;
    for (int i = 0; i < file.size(); i += 2)
        checksum ^= quint8(file[i]) | quint8(file[i + 1]) << 8;
    put(file, {checksum, 1, 9, 0x0300, int(9 + body.size() / 2), 0, 4, 10, 0, 0});
    return file + body;
}

TEST(Pictures, ClipArtFromOtherProgramsShowsWithItsOwnRecordsAndMapping)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("Hund.wmf"), foreignClipArt());
    const QImage picture = platform::pictureFromProgramFolder(QStringLiteral("Hund.wmf"), QSize(200, 100)).toImage();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(20, 90), qRgb(255, 0, 0)) << "a brush is opaque whatever the background mode";
    EXPECT_EQ(picture.pixel(180, 90), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(50, 20), qRgb(255, 0, 0)) << "a polyline is a line, never filled";
    // The library writes each colour as the nearest named colour of SVG.
    const QColor tip = picture.pixel(50, 80);
    EXPECT_TRUE(tip.green() > 150 && tip.red() < 100 && tip.blue() < 100) << "the V's tip is green";
}

TEST(Pictures, PicturesAreLoadedAtTheSizeAskedFor)
{
    testing_support::ProgramFolderFixture folder;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.file(QStringLiteral("bild.jpg")), "JPEG"));
    EXPECT_EQ(platform::pictureFromProgramFolder(QStringLiteral("bild.jpg")).size(), QSize(40, 20));
    EXPECT_EQ(platform::pictureFromProgramFolder(QStringLiteral("bild.jpg"), QSize(10, 5)).size(), QSize(10, 5));
    EXPECT_EQ(platform::picture(QStringLiteral(":/shell/quirlix.svg"), QSize(32, 32)).size(), QSize(32, 32));
}

QStringList &warnings()
{
    static QStringList lines;
    return lines;
}

// Missing, no picture, a metafile cut off or empty: an empty picture, which
// never stops a window from opening, and one line on stderr naming the file.
TEST(Pictures, AMissingOrUnreadablePictureGivesAnEmptyPictureAndOneLineOnStderr)
{
    testing_support::ProgramFolderFixture folder;
    const std::pair<QString, QByteArray> unreadable[] = {{"haken1.jpg", "kein JPEG"}, {"kaputt.svg", "<svg"},
        {"Robbe.wmf", QByteArray(300, '\x55')}, {"Kuh.wmf", foreignClipArt().left(60)}, {"Pferd.wmf", {}}};
    for (const auto &[name, bytes] : unreadable)
        folder.write(name, bytes);
    for (const QString name : {"sonne2.jpg", "haken1.jpg", "kaputt.svg", "Robbe.wmf", "Kuh.wmf", "Pferd.wmf"}) {
        warnings().clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
            if (QLatin1String(context.category) == "quirlix.pictures")
                warnings() << text;
        });
        const QPixmap picture = platform::pictureFromProgramFolder(name, QSize(97, 129));
        qInstallMessageHandler(previous);
        EXPECT_TRUE(picture.isNull()) << name.toStdString();
        ASSERT_EQ(warnings().size(), 1) << name.toStdString();
        EXPECT_TRUE(warnings()[0].startsWith(u"picture ") && warnings()[0].contains(name)) << warnings()[0].toStdString();
    }
}

TEST(VbColor, ReadsBlueGreenRedFromTheLowThreeBytes)
{
    EXPECT_EQ(platform::vbColor(0xFF), QColor(255, 0, 0));
    EXPECT_EQ(platform::vbColor(0xC00000), QColor(0, 0, 0xC0));
    EXPECT_EQ(platform::vbColor(0x80FFFF), QColor(0xFF, 0xFF, 0x80));
}

} // namespace
