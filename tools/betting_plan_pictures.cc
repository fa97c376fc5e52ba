// Draws the two betting-plan tables shown by Dalo and writes them as baseline JPEG files (JFIF
// 1.01, 96 dpi, 8-bit RGB, no chroma subsampling), 650 × 99 pixels each. Run by hand when the
// plans change; the pictures are kept in predictor/pictures.
// Usage: betting_plan_pictures <output folder>
// clang-format off
#include <cstdio>  // jpeglib.h uses FILE and size_t without declaring them
#include <jpeglib.h>
// clang-format on

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 650;
constexpr int kHeight = 99;
constexpr int kHeaderHeight = 24;
constexpr int kRowHeight = 25;
constexpr std::array<int, 9> kColumnWidths = {50, 50, 78, 78, 78, 70, 66, 70, 110};
constexpr std::array<const char*, 9> kHeaders = {
    "期数", "倍数", "当期投入", "累计投入", "中奖金额", "净盈利", "注数", "奖金", "角模式"};

struct Plan {
  const char* file_name;
  std::array<std::array<const char*, 6>, 3> draws;  // 期数 to 净盈利, one row per draw
  std::array<const char*, 3> stake;                 // 注数, 奖金, 角模式
  const char* note;
};

// 488 entries a draw at 0.1 or 0.2 a unit, the multiple doubling each draw; a win pays
// multiple × prize.
const std::array<Plan, 2> kPlans = {{
    {"betting_plan_1.jpg",
     {{{"1", "1", "48.8", "48.8", "97.5", "48.7"},
       {"2", "2", "97.6", "146.4", "195", "48.6"},
       {"3", "4", "195.2", "341.6", "390", "48.4"}}},
     {"488", "97.5", "0.1"},
     "本方案适合奖金为1950,单注1角的平台"},
    {"betting_plan_2.jpg",
     {{{"1", "1", "97.6", "97.6", "195", "97.4"},
       {"2", "2", "195.2", "292.8", "390", "97.2"},
       {"3", "4", "390.4", "683.2", "780", "96.8"}}},
     {"488", "195", "0.2"},
     "本方案适合奖金为1950,单注2角的平台"},
}};

int ColumnLeft(int column) {
  int left = 0;
  for (int i = 0; i < column; ++i) left += kColumnWidths[i];
  return left;
}

QRect Cell(int column, int row, int columns = 1, int rows = 1) {
  const int top = row == 0 ? 0 : kHeaderHeight + (row - 1) * kRowHeight;
  const int height = row == 0 ? kHeaderHeight : rows * kRowHeight;
  int width = 0;
  for (int i = column; i < column + columns; ++i) width += kColumnWidths[i];
  return {ColumnLeft(column), top, width, height};
}

QImage Draw(const Plan& plan) {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(13);
  font.setBold(true);
  painter.setFont(font);

  painter.fillRect(QRect(0, 0, kWidth, kHeaderHeight), QColor(255, 255, 0));
  painter.setPen(QColor(255, 0, 0));
  for (int c = 0; c < 9; ++c)
    painter.drawText(Cell(c, 0), Qt::AlignCenter, QString::fromUtf8(kHeaders[c]));

  font.setBold(false);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 6; ++c) {
      painter.drawText(Cell(c, r + 1), Qt::AlignCenter, QString::fromUtf8(plan.draws[r][c]));
    }
  }
  for (int c = 0; c < 3; ++c) painter.drawText(Cell(6 + c, 1), Qt::AlignCenter, plan.stake[c]);
  painter.setPen(QColor(255, 0, 0));
  painter.drawText(Cell(6, 2, 3, 2).adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromUtf8(plan.note));

  painter.setPen(QColor(128, 128, 128));
  for (int c = 0; c <= 9; ++c) {
    const int x = c == 9 ? kWidth - 1 : ColumnLeft(c);
    // Inside the last three columns the lines stop above the note.
    const bool inside_note = c == 7 || c == 8;
    painter.drawLine(x, 0, x, inside_note ? kHeaderHeight + kRowHeight : kHeight - 1);
  }
  painter.drawLine(0, 0, kWidth - 1, 0);
  painter.drawLine(0, kHeaderHeight, kWidth - 1, kHeaderHeight);
  for (int r = 1; r <= 3; ++r) {
    const int y = kHeaderHeight + r * kRowHeight - (r == 3 ? 1 : 0);
    painter.drawLine(0, y, r == 1 || r == 3 ? kWidth - 1 : ColumnLeft(6), y);
  }
  return image;
}

bool WriteJpeg(const QImage& image, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = static_cast<JDIMENSION>(image.width());
  info.image_height = static_cast<JDIMENSION>(image.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 92, TRUE);
  info.write_JFIF_header = TRUE;
  info.JFIF_major_version = 1;
  info.JFIF_minor_version = 1;
  info.density_unit = 1;  // dots per inch
  info.X_density = 96;
  info.Y_density = 96;
  for (int c = 0; c < 3; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: betting_plan_pictures <output folder>\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  for (const Plan& plan : kPlans) {
    const std::string path = std::string(argv[1]) + "/" + plan.file_name;
    if (!WriteJpeg(Draw(plan), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("wrote %s\n", path.c_str());
  }
  return 0;
}
