#include "ui/qt/StrokePictureDrawing.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "ui/qt/WidgetSupport.h"

namespace dazi {
namespace {

constexpr double kBadge = 11;  // the blue order numbers
constexpr double kLabel = 12;  // the red keys
constexpr std::size_t kNumberedStrokes = 10;

QPointF At(const lessons::StrokePicture::Point& p, double scale) {
  return QPointF(p.x * scale, (900 - p.y) * scale);
}

// A point a share of the way along a stroke's median line.
QPointF Along(const std::vector<lessons::StrokePicture::Point>& stroke, double share,
              double scale) {
  if (stroke.size() == 1) return At(stroke.front(), scale);
  double total = 0;
  for (std::size_t i = 1; i < stroke.size(); ++i)
    total += QLineF(At(stroke[i - 1], scale), At(stroke[i], scale)).length();
  double left = total * share;
  for (std::size_t i = 1; i < stroke.size(); ++i) {
    const QLineF piece(At(stroke[i - 1], scale), At(stroke[i], scale));
    if (left <= piece.length() || i + 1 == stroke.size())
      return piece.length() > 0 ? piece.pointAt(std::min(1.0, left / piece.length())) : piece.p1();
    left -= piece.length();
  }
  return At(stroke.back(), scale);
}

QRectF Inside(QRectF box, int size) {
  box.moveLeft(std::clamp(box.left(), 0.0, size - box.width()));
  box.moveTop(std::clamp(box.top(), 0.0, size - box.height()));
  return box;
}

double Overlap(const QRectF& box, const std::vector<QRectF>& taken) {
  double area = 0;
  for (const QRectF& other : taken) {
    const QRectF both = box.intersected(other);
    area += both.isEmpty() ? 0 : both.width() * both.height();
  }
  return area;
}

QRectF BadgeBox(const lessons::StrokePicture& picture, std::size_t stroke, int size) {
  const QPointF start = At(picture.strokes[stroke].front(), size / 1024.0);
  return Inside(QRectF(start.x() - kBadge / 2, start.y() - kBadge / 2, kBadge, kBadge), size);
}

}  // namespace

std::vector<QRectF> KeyLabelBoxes(const lessons::StrokePicture& picture, int size) {
  const double scale = size / 1024.0;
  std::vector<bool> typed(picture.strokes.size(), false);
  for (const auto& label : picture.labels) typed[static_cast<std::size_t>(label.stroke)] = true;
  std::vector<QRectF> badges;
  for (std::size_t s = 0; s < picture.strokes.size(); ++s)
    if (picture.strokes.size() <= kNumberedStrokes || typed[s])
      badges.push_back(BadgeBox(picture, s, size));
  std::vector<QRectF> boxes;
  // Tried in turn: beside the stroke's start, then along the stroke, then beside its end; the
  // first place clear of the labels already placed wins, else the least covered one.
  static constexpr double kShares[] = {0.0, 0.5, 1.0, 0.25, 0.75, 0.125, 0.375, 0.625, 0.875};
  static constexpr QPointF kOffsets[] = {{7, -8},  {-7, -8}, {7, 8},   {-7, 8}, {0, 0},
                                         {0, -12}, {0, 12},  {-12, 0}, {12, 0}};
  for (const lessons::StrokePicture::KeyLabel& label : picture.labels) {
    const auto& stroke = picture.strokes[static_cast<std::size_t>(label.stroke)];
    QRectF best;
    double bestCost = -1;
    for (const double share : kShares) {
      for (const QPointF& offset : kOffsets) {
        const QPointF centre = Along(stroke, share, scale) + offset;
        const QRectF box =
            Inside(QRectF(centre.x() - kLabel / 2, centre.y() - kLabel / 2, kLabel, kLabel), size);
        // Other labels weigh more than the order numbers, which stay readable beneath.
        const double cost = 4 * Overlap(box, boxes) + Overlap(box, badges);
        if (bestCost < 0 || cost < bestCost) {
          best = box;
          bestCost = cost;
        }
        if (cost == 0) break;
      }
      if (bestCost == 0) break;
    }
    boxes.push_back(best);
  }
  return boxes;
}

QPixmap DrawStrokePicture(const lessons::StrokePicture& picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0xe0, 0xc8, 0xc8), 1, Qt::DashLine));
  painter.drawLine(0, size / 2, size, size / 2);
  painter.drawLine(size / 2, 0, size / 2, size);
  const double scale = size / 1024.0;
  // Strokes the code types are drawn darker than those the rules leave out.
  std::vector<bool> typed(picture.strokes.size(), false);
  for (const auto& label : picture.labels) typed[static_cast<std::size_t>(label.stroke)] = true;
  for (std::size_t s = 0; s < picture.strokes.size(); ++s) {
    QPolygonF line;
    for (const auto& p : picture.strokes[s]) line << At(p, scale);
    painter.setPen(QPen(typed[s] ? QColor(0x90, 0x90, 0x90) : QColor(0xd0, 0xd0, 0xd0), size / 14.0,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
  }
  QFont font = SansFont(8);
  font.setBold(true);
  painter.setFont(font);
  // A character of many strokes numbers only the strokes it types, lest the numbers pile up.
  const bool every = picture.strokes.size() <= kNumberedStrokes;
  for (std::size_t s = 0; s < picture.strokes.size(); ++s) {
    if (!every && !typed[s]) continue;
    const QRectF badge = BadgeBox(picture, s, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x20, 0x60, 0xd0));
    painter.drawEllipse(badge);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, QString::number(s + 1));
  }
  font.setPixelSize(10);
  painter.setFont(font);
  const std::vector<QRectF> boxes = KeyLabelBoxes(picture, size);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    painter.setPen(QPen(QColor(0xd0, 0x1c, 0x1c), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(boxes[i].adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.drawText(boxes[i], Qt::AlignCenter, QString(QLatin1Char(picture.labels[i].key)));
  }
  return pixmap;
}

}  // namespace dazi
