#pragma once

#include <QString>

namespace vor {

// "2008-05-12" from the payload bytes year − 2000, month, day: month and day get a "0" in
// front unless their decimal text has exactly two characters.
QString ProductionDateText(int yearSince2000, int month, int day);

}  // namespace vor
