// Where the station's help pages are, copied from the shipped ones when it has none.
#pragma once

#include <QString>

QString StationHelpIndex(const QString& startFolder);
