// A folder tree made by a test, and what a walk over it finds, as paths relative to it.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanner/FolderWalker.h"

class ScanTree {
 public:
  QString Root() const { return dir_.path(); }
  QString Path(const QString& relative) const { return dir_.filePath(relative); }

  // A file of the given size (1 byte unless told), its folders made first.
  void File(const QString& relative, qint64 bytes = 1) const {
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(path);
    ASSERT_TRUE(f.write(QByteArray(bytes, 'x')) == bytes) << qPrintable(path);
  }
  void Folder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
  void Link(const QString& relative, const QString& target) const {
    ASSERT_TRUE(QFile::link(target, Path(relative))) << qPrintable(relative);
  }

  // The clips a walk of the whole tree finds, relative to the root, in the order found.
  QStringList Walk(const QStringList& stopFolders = {}) const {
    std::vector<std::string> stops;
    for (const QString& s : stopFolders) stops.push_back(QFile::encodeName(Path(s)).toStdString());
    scanner::FolderWalker walker(stops);
    QStringList found;
    const std::string root = QFile::encodeName(Root()).toStdString();
    walker.Walk(root, [&](std::string_view path) {
      found << QString::fromUtf8(path.data(), qsizetype(path.size())).mid(Root().size() + 1);
      return true;
    });
    return found;
  }

  static QStringList Sorted(QStringList list) {
    list.sort();
    return list;
  }

 private:
  QTemporaryDir dir_;
};
