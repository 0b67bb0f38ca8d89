#include "common/ui/clock_text.h"

#include <QLocale>

namespace tessaly {
namespace {

QLocale Chinese() { return QLocale(QLocale::Chinese, QLocale::China); }

}  // namespace

QString ChineseDateText(const QDate& date) { return Chinese().toString(date, QLocale::ShortFormat); }

QString ChineseTimeText(const QTime& time) {
  QString format = Chinese().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));  // the time zone
  return time.toString(format.trimmed());
}

}  // namespace tessaly
