#include "platform/pictures.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

namespace {

TEST(Pictures, AMissingFileGivesAnEmptyPictureInsteadOfFailing)
{
    testing_support::ProgramFolderFixture folder;
    EXPECT_TRUE(platform::pictureFromProgramFolder(QStringLiteral("sonne2.jpg")).isNull());
}

TEST(Pictures, AFileThatIsNoPictureGivesAnEmptyPicture)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("haken1.jpg"), "this is not a jpeg");
    folder.write(QStringLiteral("kaputt.svg"), "<svg");
    EXPECT_TRUE(platform::pictureFromProgramFolder(QStringLiteral("haken1.jpg")).isNull());
    EXPECT_TRUE(platform::pictureFromProgramFolder(QStringLiteral("kaputt.svg")).isNull());
}

TEST(Pictures, APictureFromTheProgramFolderIsLoadedAtTheSizeAskedFor)
{
    testing_support::ProgramFolderFixture folder;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.file(QStringLiteral("bild.jpg")), "JPEG"));
    EXPECT_EQ(platform::pictureFromProgramFolder(QStringLiteral("bild.jpg")).size(), QSize(40, 20));
    EXPECT_EQ(platform::pictureFromProgramFolder(QStringLiteral("bild.jpg"), QSize(10, 5)).size(), QSize(10, 5));
}

TEST(Pictures, CompiledInSvgPicturesRenderAtTheSizeAskedFor)
{
    const QPixmap icon = platform::picture(QStringLiteral(":/shell/quirlix.svg"), QSize(32, 32));
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

} // namespace
