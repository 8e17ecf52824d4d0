// Bench helpers: a music-like MP3 made at run time with sox and lame, and the CPU time
// of a child program.
#pragma once

#include <QString>
#include <QStringList>

// Makes a stereo 44.1 kHz MP3 of seconds length in folder; empty on failure.
QString MakeBenchMp3(const QString& folder, int seconds);
// CPU seconds (user + system) the program took; negative on failure.
double ChildCpuSeconds(const QString& program, const QStringList& arguments);
// CPU seconds of this process so far.
double ProcessCpuSeconds();
