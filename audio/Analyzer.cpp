// The analyser: layer, channels, bit rate, rate, frame count, exact duration and tags of
// an MP3 file, from its headers only (used to count the play time of whole lists).
#include "audio/Mp3Headers.h"
#include "audio/Mp3Measure.h"
#include "audio/xaudio.h"

#include <mpg123.h>

#include <QFile>
#include <QFileInfo>

struct XA_Analyzer {
  mpg123_handle* handle = nullptr;
};

namespace {

// Files are measured by scanning every frame header. libmpg123's own reader asks the
// system for a few hundred bytes at a time, so a count of a whole list spent most of its
// time in read() calls; QFile's buffer cuts them to one per 16 KB.

mpg123_ssize_t ReadFile(void* handle, void* buffer, size_t count) {
  auto* file = static_cast<QFile*>(handle);
  return file->read(static_cast<char*>(buffer), qint64(count));
}

off_t SeekFile(void* handle, off_t offset, int whence) {
  auto* file = static_cast<QFile*>(handle);
  qint64 target = offset;
  if (whence == SEEK_CUR) target += file->pos();
  if (whence == SEEK_END) target += file->size();
  if (target < 0 || !file->seek(target)) return -1;
  return off_t(target);
}

QString Id3Text(const mpg123_string* s) {
  if (!s || !s->p || s->fill == 0) return QString();
  return QString::fromUtf8(s->p, int(qstrnlen(s->p, s->fill))).trimmed();
}

}  // namespace

int xanalyzer_new(XA_Analyzer** analyzer) {
  if (!analyzer) return XA_ERROR_INVALID_PARAMETERS;
  mpg123_handle* h = NewMp3Handle();
  if (!h) return XA_ERROR_OUT_OF_MEMORY;
  mpg123_replace_reader_handle(h, ReadFile, SeekFile, nullptr);
  *analyzer = new XA_Analyzer{h};
  return XA_SUCCESS;
}

void xanalyzer_delete(XA_Analyzer* analyzer) {
  if (!analyzer) return;
  mpg123_delete(analyzer->handle);
  delete analyzer;
}

int xanalyzer_process_file(XA_Analyzer* analyzer, const char* path, XA_AnalyzerInfo* info, int) {
  if (!analyzer || !path || !info) return XA_ERROR_INVALID_PARAMETERS;
  *info = XA_AnalyzerInfo{};
  const QString file = QFile::decodeName(path);
  const QFileInfo fi(file);
  if (!fi.isFile()) return XA_ERROR_OPEN_FAILED;
  if (fi.size() == 0) return XA_ERROR_INVALID_FORMAT;
  // Only what starts as MPEG audio: a WAV file or noise can hold a false frame header
  // that libmpg123 would take.
  const Mp3Layout layout = ReadMp3Layout(file);
  if (!layout.mpeg) return XA_ERROR_INVALID_FORMAT;
  mpg123_handle* h = analyzer->handle;
  QFile input(file);
  if (!input.open(QIODevice::ReadOnly)) return XA_ERROR_OPEN_FAILED;
  if (mpg123_open_handle(h, &input) != MPG123_OK) return XA_ERROR_OPEN_FAILED;
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK || rate <= 0) {
    mpg123_close(h);
    return XA_ERROR_INVALID_FORMAT;
  }
  // The Info header's figures stand only when its byte count matches the audio in the
  // file both ways: a file cut short keeps its header, and files joined with cat keep the
  // first one's. Otherwise a scan (frame headers only) gives what a full decode gives.
  Mp3Length length;
  if (XingMatchesFile(layout)) {
    length.samples = mpg123_length(h);
    length.frames = layout.xing.frames;
  } else if (!ScanMp3Length(h, layout, &length)) {
    const int mpgError = mpg123_errcode(h);
    mpg123_close(h);
    return mpgError > 0 ? XA_ERROR_DECODER_BASE - mpgError : XA_ERROR_INVALID_FORMAT;
  }
  if (length.samples <= 0 || length.frames <= 0) {
    mpg123_close(h);
    return XA_ERROR_INVALID_FORMAT;
  }
  mpg123_frameinfo fr{};
  mpg123_info(h, &fr);
  info->layer = fr.layer;
  info->channels = fr.mode == MPG123_M_MONO ? 1 : 2;
  info->frequency = int(rate);
  info->frames = uint32_t(length.frames);
  info->duration = uint32_t((length.samples * 1000 + rate / 2) / rate);
  info->bitrate = AverageKbps(layout, length.frames, int(mpg123_spf(h)), int(rate), fr.bitrate);
  mpg123_id3v1* id1 = nullptr;
  mpg123_id3v2* id2 = nullptr;
  if ((mpg123_meta_check(h) & MPG123_ID3) && mpg123_id3(h, &id1, &id2) == MPG123_OK && id2) {
    info->title = Id3Text(id2->title);
    info->artist = Id3Text(id2->artist);
  }
  if (info->title.isEmpty() || info->artist.isEmpty()) {
    const Id3v1Tag v1 = ReadId3v1(file);
    if (info->title.isEmpty()) info->title = v1.title;
    if (info->artist.isEmpty()) info->artist = v1.artist;
  }
  mpg123_close(h);
  return XA_SUCCESS;
}
