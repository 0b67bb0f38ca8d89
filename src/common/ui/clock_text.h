// Dates and times as the windows show them: in the Chinese form, whatever the machine's
// locale, so that a Chinese window never shows "8 Dec 2026".
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace tessaly {

// The short Chinese date, such as 2026/12/8.
QString ChineseDateText(const QDate& date);
// The long Chinese time without its time zone, such as 16:05:09.
QString ChineseTimeText(const QTime& time);

}  // namespace tessaly
