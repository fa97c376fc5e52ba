#include "predictor/jpeg_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <random>

#include "predictor/carried_data.h"

namespace lirex {
namespace {

bool IsYellow(QColor c) { return c.red() > 220 && c.green() > 220 && c.blue() < 60; }
bool IsRed(QColor c) { return c.red() > 180 && c.green() < 110 && c.blue() < 110; }
bool IsWhite(QColor c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; }

TEST(DecodeJpeg, BettingPlansAreTablesWithAYellowHeaderOfRedWords) {
  for (int plan : {1, 2}) {
    SCOPED_TRACE(plan);
    const QImage picture = DecodeJpeg(BettingPlanPicture(plan));
    ASSERT_EQ(picture.size(), QSize(650, 99));
    EXPECT_TRUE(IsYellow(picture.pixelColor(3, 3))) << "header ground";
    EXPECT_TRUE(IsYellow(picture.pixelColor(646, 20)));
    int red = 0;
    for (int x = 0; x < 650; ++x) {
      for (int y = 2; y < 22; ++y) red += IsRed(picture.pixelColor(x, y));
    }
    EXPECT_GT(red, 300) << "header words";
    EXPECT_TRUE(IsWhite(picture.pixelColor(20, 40))) << "body ground";
    int note = 0;
    for (int x = 460; x < 646; ++x) {
      for (int y = 52; y < 96; ++y) note += IsRed(picture.pixelColor(x, y));
    }
    EXPECT_GT(note, 200) << "the red note under the last three columns";
  }
}

TEST(DecodeJpeg, RefusesWhatIsNotAJpegWithoutEndingTheProgram) {
  const QByteArray good = BettingPlanPicture(1);
  EXPECT_TRUE(DecodeJpeg({}).isNull());
  EXPECT_TRUE(DecodeJpeg("not a picture").isNull());
  EXPECT_TRUE(DecodeJpeg(good.left(2)).isNull());
  EXPECT_TRUE(DecodeJpeg(good.left(100)).isNull());
  std::mt19937 random(5);
  for (int round = 0; round < 200; ++round) {
    QByteArray damaged = good;
    for (int i = 0; i < 20; ++i) {
      damaged[static_cast<int>(random() % damaged.size())] = static_cast<char>(random());
    }
    const QImage image = DecodeJpeg(damaged.left(static_cast<int>(random() % damaged.size())));
    EXPECT_TRUE(image.isNull() || image.width() <= 4096);
  }
}

// A small JPEG whose frame header is rewritten to claim `width` × `height`.
QByteArray JpegClaiming(bool progressive, int width, int height) {
  QImage small(16, 16, QImage::Format_RGB888);
  small.fill(Qt::darkCyan);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setProgressiveScanWrite(progressive);
  EXPECT_TRUE(writer.write(small)) << writer.errorString().toStdString();
  QByteArray bytes = buffer.data();
  const QByteArray frame = progressive ? QByteArray("\xff\xc2", 2) : QByteArray("\xff\xc0", 2);
  const qsizetype at = bytes.indexOf(frame);
  EXPECT_GT(at, 0) << "no frame header";
  // Marker, length (2), precision (1), then height and width, big-endian.
  bytes[at + 5] = static_cast<char>(height >> 8);
  bytes[at + 6] = static_cast<char>(height & 0xff);
  bytes[at + 7] = static_cast<char>(width >> 8);
  bytes[at + 8] = static_cast<char>(width & 0xff);
  return bytes;
}

// The size is refused as soon as the header is read: a progressive decoder would otherwise
// allocate the whole claimed picture's coefficients (gigabytes) before the check.
TEST(DecodeJpeg, RefusesAHugeClaimedSizeBeforeDecoding) {
  for (const bool progressive : {true, false}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    EXPECT_FALSE(DecodeJpeg(JpegClaiming(progressive, 16, 16)).isNull());
    EXPECT_TRUE(DecodeJpeg(JpegClaiming(progressive, 56592, 33023)).isNull());
    EXPECT_TRUE(DecodeJpeg(JpegClaiming(progressive, 4097, 16)).isNull());
  }
}

}  // namespace
}  // namespace lirex
