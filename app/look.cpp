#include "app/look.h"

#include <QFontDatabase>
#include <QStringList>

#include "app/definition.h"

namespace chatmock {
namespace {

constexpr int kCrispPixelLimit = 12;
const char* const kSongStandIns[] = {"AR PL UMing CN", "AR PL UMing TW", "AR PL SungtiL GB",
                                     "Noto Serif CJK SC", "Noto Sans CJK SC",
                                     "WenQuanYi Zen Hei", "Droid Sans Fallback"};

QStringList InstalledStandIns() {
  const QStringList families = QFontDatabase::families();
  QStringList found;
  for (const char* name : kSongStandIns) {
    if (families.contains(QString::fromUtf8(name), Qt::CaseInsensitive)) found << name;
  }
  // Any other CJK face is better than boxes.
  for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
    if (!found.contains(family)) found << family;
  }
  return found;
}

}  // namespace

QColor ButtonFaceColor() { return QColor(0xF0, 0xF0, 0xF0); }
QColor WindowColor() { return QColor(0xFF, 0xFF, 0xFF); }

QColor ColorFromBgr(std::uint32_t bgr, const QColor& fallback) {
  if (bgr == kDefaultColor) return fallback;
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t BgrFromColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) |
         (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

void InstallFontSubstitutions() {
  const QStringList standIns = InstalledStandIns();
  QFont::insertSubstitutions(QString::fromUtf8(kSongFace), standIns);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), standIns);
}

void MakeCrispAtSmallSizes(QFont& font, int pixelHeight) {
  if (pixelHeight <= kCrispPixelLimit) {
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
  }
}

QFont SongFont(int pixelHeight, int weight) {
  QFont font(QString::fromUtf8(kSongFace));
  font.setPixelSize(pixelHeight);
  font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
  MakeCrispAtSmallSizes(font, pixelHeight);
  return font;
}

QFont DefaultGuiFont() { return SongFont(12, 400); }

}  // namespace chatmock
