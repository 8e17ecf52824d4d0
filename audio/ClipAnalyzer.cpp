#include "audio/ClipAnalyzer.h"

#include <QFile>

int XaudioClipAnalyzer::Analyze(const QString& path, XA_AnalyzerInfo* info) const {
  XA_Analyzer* analyzer = nullptr;
  if (xanalyzer_new(&analyzer) != XA_SUCCESS || !analyzer) return -1;
  const QByteArray file = QFile::encodeName(path);
  const int rc = xanalyzer_process_file(analyzer, file.constData(), info, 0);
  xanalyzer_delete(analyzer);
  return rc == XA_SUCCESS ? 0 : -1;
}
