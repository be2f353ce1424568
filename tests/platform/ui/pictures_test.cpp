#include "platform/pictures.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

namespace {

// A picture that cannot be loaded gives an empty picture and never stops a
// window from opening.
TEST(Pictures, AMissingFileOrOneThatIsNoPictureGivesAnEmptyPicture)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("haken1.jpg"), "this is not a jpeg");
    folder.write(QStringLiteral("kaputt.svg"), "<svg");
    for (const char *name : {"sonne2.jpg", "haken1.jpg", "kaputt.svg"})
        EXPECT_TRUE(platform::pictureFromProgramFolder(QLatin1String(name)).isNull()) << name;
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

} // namespace
