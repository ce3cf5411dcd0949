#include "bench/show_figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace chatmock::bench {
namespace {

constexpr double kArmSwingDegrees = 35.0;
constexpr double kHeadNodPixels = 3.0;

double CyclePhase(int frame, int frameCount) {
  return 2.0 * std::numbers::pi * frame / (frameCount > 0 ? frameCount : 1);
}

void DrawBackdrop(QPainter& painter) {
  QLinearGradient sky(0, 0, 0, kShowHeight);
  sky.setColorAt(0.0, QColor(250, 252, 255));
  sky.setColorAt(1.0, QColor(205, 225, 245));
  painter.fillRect(0, 0, kShowWidth, kShowHeight, sky);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(180, 200, 150));
  painter.drawEllipse(QRectF(-20, 200, 183, 50));
}

void DrawBody(QPainter& painter) {
  QRadialGradient cloth(QPointF(70, 130), 60);
  cloth.setColorAt(0.0, QColor(255, 120, 150));
  cloth.setColorAt(1.0, QColor(170, 40, 80));
  QPainterPath body;
  body.moveTo(45, 95);
  body.cubicTo(30, 150, 35, 190, 50, 205);
  body.lineTo(95, 205);
  body.cubicTo(110, 190, 112, 150, 98, 95);
  body.closeSubpath();
  painter.setPen(QPen(QColor(90, 20, 40), 1.5));
  painter.setBrush(cloth);
  painter.drawPath(body);
  painter.setBrush(QColor(60, 60, 90));
  painter.drawRoundedRect(QRectF(50, 200, 16, 22), 4, 4);
  painter.drawRoundedRect(QRectF(78, 200, 16, 22), 4, 4);
}

void DrawArm(QPainter& painter, QPointF shoulder, double degrees) {
  painter.save();
  painter.translate(shoulder);
  painter.rotate(degrees);
  painter.setPen(QPen(QColor(120, 30, 60), 1.2));
  painter.setBrush(QColor(220, 80, 110));
  painter.drawRoundedRect(QRectF(-6, 0, 12, 45), 6, 6);
  painter.setBrush(QColor(255, 215, 185));
  painter.drawEllipse(QRectF(-7, 40, 14, 14));
  painter.restore();
}

void DrawHead(QPainter& painter, double nod) {
  QRadialGradient skin(QPointF(66, 55 + nod), 40);
  skin.setColorAt(0.0, QColor(255, 228, 205));
  skin.setColorAt(1.0, QColor(235, 180, 150));
  painter.setPen(QPen(QColor(150, 100, 80), 1.2));
  painter.setBrush(skin);
  painter.drawEllipse(QRectF(38, 28 + nod, 67, 72));
  QLinearGradient hair(0, 20 + nod, 0, 60 + nod);
  hair.setColorAt(0.0, QColor(70, 40, 20));
  hair.setColorAt(1.0, QColor(130, 80, 40));
  painter.setBrush(hair);
  painter.drawChord(QRectF(34, 22 + nod, 75, 60), 0, 180 * 16);
  painter.setBrush(QColor(30, 30, 40));
  painter.drawEllipse(QRectF(55, 62 + nod, 7, 9));
  painter.drawEllipse(QRectF(81, 62 + nod, 7, 9));
  painter.setPen(QPen(QColor(200, 60, 70), 2.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(62, 74 + nod, 20, 12), 200 * 16, 140 * 16);
}

}  // namespace

QImage DrawShowFigure(int frame, int frameCount) {
  QImage image(kShowWidth, kShowHeight, QImage::Format_ARGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double phase = CyclePhase(frame, frameCount);
  DrawBackdrop(painter);
  DrawBody(painter);
  DrawArm(painter, QPointF(45, 100), 20.0);
  DrawArm(painter, QPointF(98, 100), -120.0 + kArmSwingDegrees * std::sin(phase));
  DrawHead(painter, kHeadNodPixels * std::sin(2.0 * phase));
  return image;
}

QImage DrawAvatarIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double s = side / 32.0;
  QRadialGradient skin(QPointF(13 * s, 12 * s), 18 * s);
  skin.setColorAt(0.0, QColor(255, 236, 150));
  skin.setColorAt(1.0, QColor(240, 170, 40));
  painter.setPen(QPen(QColor(160, 100, 20), 1.0 * s));
  painter.setBrush(skin);
  painter.drawEllipse(QRectF(1.5 * s, 1.5 * s, 29 * s, 29 * s));
  painter.setBrush(QColor(60, 40, 20));
  painter.drawEllipse(QRectF(10 * s, 11 * s, 3.5 * s, 5 * s));
  painter.drawEllipse(QRectF(19 * s, 11 * s, 3.5 * s, 5 * s));
  painter.setPen(QPen(QColor(140, 40, 30), 1.5 * s));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(9 * s, 15 * s, 14 * s, 9 * s), 200 * 16, 140 * 16);
  return image;
}

}  // namespace chatmock::bench
