// Benchmarks ask no questions; any that come are reported on stderr and answered No.
#pragma once

#include "platform/Dialogs.h"

#include <cstdio>

class SilentDialogs final : public Dialogs {
 public:
  Answer Message(const QString& text, const QString&, Icon, Buttons, Answer) override {
    std::fprintf(stderr, "bench: dialog: %s\n", qPrintable(text));
    return Answer::No;
  }
  QStringList OpenFiles(const QString&, const QString&, const QString&, bool) override { return {}; }
  QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
  QString Folder(const QString&, const QString&) override { return {}; }
  QString Text(const QString&, const QString&, const QString&, bool* ok) override {
    if (ok) *ok = false;
    return {};
  }
};
