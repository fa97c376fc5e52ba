#include "predictor/carried_data.h"

#include <QFile>
#include <QString>

namespace lirex {
namespace {

QByteArray Resource(const QString& name) {
  QFile file(QStringLiteral(":/carried/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QByteArray SkinLibraryImage() { return Resource(QStringLiteral("SkinH_EL.dll")); }

QByteArray CarriedSkin(int number) {
  if (number < 1 || number > kCarriedSkinCount) return {};
  return Resource(QStringLiteral("skin_%1.she").arg(number, 2, 10, QLatin1Char('0')));
}

QByteArray BettingPlanPicture(int number) {
  if (number != 1 && number != 2) return {};
  return Resource(QStringLiteral("betting_plan_%1.jpg").arg(number));
}

}  // namespace lirex
