// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Draws the program's icon, a gold yuan sign on a red tile, and writes it into
// a folder: quorvel.ico (48, 32, 24 and 16 px at 4, 8 and 32 bits per pixel),
// a PNG for each size and quorvel.svg.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "form/controls.h"

namespace {

// The artwork on a 48-unit square.
constexpr double kArt = 48;
constexpr QRgb kTile = 0xFFC8102E;
constexpr QRgb kTileEdge = 0xFF8A0B20;
constexpr QRgb kSign = 0xFFFFD54A;
constexpr double kTileInset = 2, kTileRadius = 8, kEdgeWidth = 2, kStrokeWidth = 4.5;
struct Stroke {
  double x1, y1, x2, y2;
};
constexpr std::array<Stroke, 5> kStrokes{{
    {14, 10, 24, 23},  // the yuan sign's two arms
    {34, 10, 24, 23},
    {24, 23, 24, 39},  // its stem
    {15, 26, 33, 26},  // and its two bars
    {15, 33, 33, 33},
}};

constexpr std::array<int, 3> kDepths{4, 8, 32};

QImage render(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kArt, size / kArt);
  painter.setPen(QPen(QColor::fromRgba(kTileEdge), kEdgeWidth));
  painter.setBrush(QColor::fromRgba(kTile));
  const double side = kArt - 2 * kTileInset;
  painter.drawRoundedRect(QRectF(kTileInset, kTileInset, side, side), kTileRadius, kTileRadius);
  painter.setPen(QPen(QColor::fromRgba(kSign), kStrokeWidth, Qt::SolidLine, Qt::RoundCap));
  for (const Stroke& s : kStrokes) painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
  return image;
}

QByteArray svg() {
  const double side = kArt - 2 * kTileInset;
  QString text =
      QStringLiteral(
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
          "viewBox=\"0 0 48 48\">\n") +
      QString::asprintf(
          "  <rect x=\"%g\" y=\"%g\" width=\"%g\" height=\"%g\" rx=\"%g\" "
          "fill=\"#%06X\" stroke=\"#%06X\" stroke-width=\"%g\"/>\n",
          kTileInset, kTileInset, side, side, kTileRadius, kTile & 0xFFFFFF, kTileEdge & 0xFFFFFF,
          kEdgeWidth) +
      QString::asprintf("  <g stroke=\"#%06X\" stroke-width=\"%g\" stroke-linecap=\"round\">\n",
                        kSign & 0xFFFFFF, kStrokeWidth);
  for (const Stroke& s : kStrokes) {
    text += QString::asprintf("    <line x1=\"%g\" y1=\"%g\" x2=\"%g\" y2=\"%g\"/>\n", s.x1, s.y1,
                              s.x2, s.y2);
  }
  return (text + "  </g>\n</svg>\n").toUtf8();
}

// The sixteen colours of the 4-bit images, and a 6x6x6 cube with forty greys
// for the 8-bit ones.
std::vector<QRgb> palette(int depth) {
  if (depth == 4) {
    return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
            0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  }
  std::vector<QRgb> colours;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) colours.push_back(qRgb(r * 51, g * 51, b * 51));
    }
  }
  for (int grey = 1; grey <= 40; ++grey) colours.push_back(qRgb(grey * 6, grey * 6, grey * 6));
  return colours;
}

int nearest(const std::vector<QRgb>& colours, QRgb pixel) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(colours.size()); ++i) {
    const int dr = qRed(colours[i]) - qRed(pixel);
    const int dg = qGreen(colours[i]) - qGreen(pixel);
    const int db = qBlue(colours[i]) - qBlue(pixel);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

template <typename T>
void put(QByteArray& out, T value) {
  const T little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// One image as an icon file holds it: a 40-byte header (its height doubled
// for the mask), the palette, the colour rows bottom up, then the mask.
QByteArray dib(const QImage& image, int depth) {
  const int size = image.width();
  const int rowBytes = (size * depth + 31) / 32 * 4;
  const int maskBytes = (size + 31) / 32 * 4;
  const std::vector<QRgb> colours = depth == 32 ? std::vector<QRgb>{} : palette(depth);
  // A paletted pixel is either opaque or masked out.
  const auto transparent = [&](int x, int y) {
    const int alpha = qAlpha(image.pixel(x, y));
    return depth == 32 ? alpha == 0 : alpha < 128;
  };

  QByteArray out;
  put<std::uint32_t>(out, 40);
  put<std::int32_t>(out, size);
  put<std::int32_t>(out, size * 2);
  put<std::uint16_t>(out, 1);
  put<std::uint16_t>(out, static_cast<std::uint16_t>(depth));
  put<std::uint32_t>(out, 0);
  put<std::uint32_t>(out, static_cast<std::uint32_t>((rowBytes + maskBytes) * size));
  for (int i = 0; i < 4; ++i) put<std::uint32_t>(out, 0);
  for (const QRgb colour : colours) put<std::uint32_t>(out, colour & 0xFFFFFF);

  for (int y = size - 1; y >= 0; --y) {
    QByteArray row;
    if (depth == 32) {
      for (int x = 0; x < size; ++x) put<std::uint32_t>(row, image.pixel(x, y));  // B, G, R, A
    } else {
      row.fill('\0', rowBytes);
      for (int x = 0; x < size; ++x) {
        const int index = transparent(x, y) ? 0 : nearest(colours, image.pixel(x, y));
        auto& byte = reinterpret_cast<unsigned char&>(row[x * depth / 8]);
        byte |= depth == 8 ? index : index << (x % 2 == 0 ? 4 : 0);
      }
    }
    out += row;
  }
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(maskBytes, '\0');
    for (int x = 0; x < size; ++x) {
      if (transparent(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

QByteArray icoFile() {
  QByteArray directory;
  QByteArray images;
  put<std::uint16_t>(directory, 0);
  put<std::uint16_t>(directory, 1);
  put<std::uint16_t>(directory, kDepths.size() * form::kIconSizes.size());
  const auto firstImage =
      static_cast<std::uint32_t>(6 + 16 * kDepths.size() * form::kIconSizes.size());
  for (const int depth : kDepths) {
    for (const int size : form::kIconSizes) {
      const QByteArray image = dib(render(size), depth);
      directory += static_cast<char>(size);
      directory += static_cast<char>(size);
      directory += static_cast<char>(depth == 4 ? 16 : 0);
      directory += '\0';
      put<std::uint16_t>(directory, 1);
      put<std::uint16_t>(directory, static_cast<std::uint16_t>(depth));
      put<std::uint32_t>(directory, static_cast<std::uint32_t>(image.size()));
      put<std::uint32_t>(directory, firstImage + static_cast<std::uint32_t>(images.size()));
      images += image;
    }
  }
  return directory + images;
}

bool write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: make-icon FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool written = write(folder.filePath("quorvel.ico"), icoFile()) &&
                 write(folder.filePath("quorvel.svg"), svg());
  for (const int size : form::kIconSizes) {
    written = written && render(size).save(folder.filePath(QString("quorvel-%1.png").arg(size)));
  }
  if (!written) {
    std::fprintf(stderr, "make-icon: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
