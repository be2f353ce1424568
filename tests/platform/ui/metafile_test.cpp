#include "platform/metafile.h"
#include "platform/pictures.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QtEndian>
#include <QtGui/QImage>

#include <vector>

namespace {

// A placeable metafile written record by record, as other drawing programs
// write clip art: here with records and a mapping our own drawings never use.
class MetafileWriter
{
public:
    void record(quint16 function, std::vector<qint16> words)
    {
        const quint32 size = 3 + static_cast<quint32>(words.size());
        m_maxRecord = std::max(m_maxRecord, size);
        put32(m_body, size);
        put16(m_body, function);
        for (const qint16 word : words)
            put16(m_body, static_cast<quint16>(word));
    }
    void solidBrush(quint32 bgr) { record(0x02FC, {0, qint16(bgr & 0xFFFF), qint16(bgr >> 16), 0}); }
    void pen(quint16 style, qint16 width, quint32 bgr)
    {
        record(0x02FA, {qint16(style), width, 0, qint16(bgr & 0xFFFF), qint16(bgr >> 16)});
    }
    void font(qint16 height, const QByteArray &face)
    {
        std::vector<qint16> words = {height, 0, 0, 0, 700, 0, 0, 0, 0};
        QByteArray name = face + QByteArray(32 - face.size(), '\0');
        for (int i = 0; i < name.size(); i += 2)
            words.push_back(qint16(quint8(name[i]) | quint8(name[i + 1]) << 8));
        record(0x02FB, words);
    }

    // The bounding box in logical units, and how many of them make an inch.
    QByteArray placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 inch, int objects) const
    {
        QByteArray head;
        put32(head, 0x9AC6CDD7);
        put16(head, 0);
        for (const qint16 v : {left, top, right, bottom})
            put16(head, quint16(v));
        put16(head, inch);
        put32(head, 0);
        quint16 checksum = 0;
        for (int i = 0; i < head.size(); i += 2)
            checksum ^= qFromLittleEndian<quint16>(head.constData() + i);
        put16(head, checksum);
        QByteArray body = m_body;
        put32(body, 3);
        put16(body, 0); // end of file
        put16(head, 1);
        put16(head, 9);
        put16(head, 0x0300);
        put32(head, quint32(9 + body.size() / 2));
        put16(head, quint16(objects));
        put32(head, m_maxRecord);
        put16(head, 0);
        return head + body;
    }

private:
    static void put16(QByteArray &out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); }
    static void put32(QByteArray &out, quint32 v)
    {
        put16(out, quint16(v & 0xFFFF));
        put16(out, quint16(v >> 16));
    }
    QByteArray m_body;
    quint32 m_maxRecord = 3;
};

// Left half red (a rectangle), right half blue (a rounded rectangle), an
// open green V (a polyline) in the red half, yellow text in the blue half;
// the origin in the middle and the y axis as the window's, in a transparent
// background mode.
QByteArray foreignClipArt()
{
    MetafileWriter wmf;
    wmf.record(0x0103, {8});           // SETMAPMODE anisotropic
    wmf.record(0x020B, {-100, -200});  // SETWINDOWORG y, x
    wmf.record(0x020C, {200, 400});    // SETWINDOWEXT y, x
    wmf.record(0x0102, {1});           // SETBKMODE transparent
    wmf.pen(5, 0, 0);                  // object 0: no pen
    wmf.solidBrush(0x0000FF);          // object 1: red
    wmf.record(0x012D, {0});
    wmf.record(0x012D, {1});
    wmf.record(0x041B, {100, 0, -100, -200}); // RECTANGLE bottom, right, top, left
    wmf.solidBrush(0xFF0000);          // object 2: blue
    wmf.record(0x012D, {2});
    wmf.record(0x061C, {20, 20, 100, 200, -100, 0}); // ROUNDRECT
    wmf.pen(0, 8, 0x00C000);           // object 3: green
    wmf.record(0x012D, {3});
    wmf.record(0x0325, {3, -180, -80, -100, 60, -20, -80}); // POLYLINE
    wmf.font(-40, "Arial");            // object 4
    wmf.record(0x012D, {4});
    wmf.record(0x0209, {qint16(0xFFFF), 0x0000}); // SETTEXTCOLOR yellow
    wmf.record(0x0521, {2, qint16('H' | 'i' << 8), -20, 60}); // TEXTOUT "Hi" at (60, -20)
    return wmf.placeable(-200, -100, 200, 100, 100, 5);
}

TEST(Metafiles, ClipArtFromOtherProgramsShowsWithItsOwnRecordsAndMapping)
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
    int yellow = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 100; x < 200; ++x)
            yellow += picture.pixel(x, y) == qRgb(255, 255, 0);
    EXPECT_GT(yellow, 20) << "the text";
}

TEST(Metafiles, AFileThatIsNoMetafileGivesAnEmptyPictureAndAReason)
{
    QString error;
    EXPECT_TRUE(platform::metafileToSvg("GIF89a not a metafile at all", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_TRUE(platform::metafileToSvg(foreignClipArt().left(60), &error).isEmpty()) << "cut off";
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(platform::metafileToSvg({}, &error).isEmpty());
}

QStringList &warnings()
{
    static QStringList lines;
    return lines;
}

void keepWarnings(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    warnings() << QLatin1String(context.category) + QLatin1String(": ") + message;
}

TEST(Metafiles, AnUnreadableMetafileIsReportedInOneLine)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("Robbe.wmf"), QByteArray(300, '\x55'));
    warnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
    const QPixmap picture = platform::pictureFromProgramFolder(QStringLiteral("Robbe.wmf"), QSize(97, 129));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(picture.isNull());
    ASSERT_EQ(warnings().size(), 1);
    EXPECT_TRUE(warnings()[0].startsWith(QStringLiteral("quirlix.pictures: picture "))) << warnings()[0].toStdString();
    EXPECT_TRUE(warnings()[0].contains(QStringLiteral("Robbe.wmf")));
}

} // namespace
