// The analyser: layer, channels, bit rate, rate, frame count, exact duration and tags of
// an MP3 file, from its headers only (used to count the play time of whole lists).
#include "audio/Mp3Headers.h"
#include "audio/xaudio.h"

#include <mpg123.h>

#include <QFile>
#include <QFileInfo>

#include <mutex>

struct XA_Analyzer {
  mpg123_handle* handle = nullptr;
};

namespace {

// A file without a Xing header is measured by scanning every frame header. libmpg123's own
// reader asks the system for a few hundred bytes at a time, so a count of a whole list spent
// most of its time in read() calls; QFile's buffer cuts them to one per 16 KB.

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
  static std::once_flag once;
  std::call_once(once, [] { mpg123_init(); });
  int err = MPG123_OK;
  mpg123_handle* h = mpg123_new(nullptr, &err);
  if (!h) return XA_ERROR_OUT_OF_MEMORY;
  mpg123_param(h, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
  mpg123_param(h, MPG123_RESYNC_LIMIT, 4096, 0);
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
  // Trust a Xing/Info header only when the file still holds the bytes it announces: a
  // cut-off download keeps its header and would otherwise report the full length.
  const XingHeader xing = ReadXingHeader(file);
  const Id3v1Tag v1 = ReadId3v1(file);
  const int64_t audioBytes = fi.size() - xing.audioStart - (v1.present ? 128 : 0);
  const bool xingUsable = xing.present && xing.frames > 0 && (xing.bytes == 0 || audioBytes + 4096 >= xing.bytes);
  off_t samples = 0;
  off_t frames = 0;
  if (xingUsable) {
    samples = mpg123_length(h);
    frames = xing.frames;
  } else {
    if (mpg123_scan(h) != MPG123_OK) {
      const int mpgError = mpg123_errcode(h);
      mpg123_close(h);
      return mpgError > 0 ? XA_ERROR_DECODER_BASE - mpgError : XA_ERROR_INVALID_FORMAT;
    }
    samples = mpg123_length(h);
    frames = mpg123_framelength(h);
  }
  if (samples <= 0 || frames <= 0) {
    mpg123_close(h);
    return XA_ERROR_INVALID_FORMAT;
  }
  mpg123_frameinfo fr{};
  mpg123_info(h, &fr);
  info->layer = fr.layer;
  info->channels = fr.mode == MPG123_M_MONO ? 1 : 2;
  info->frequency = int(rate);
  info->frames = uint32_t(frames);
  info->duration = uint32_t((int64_t(samples) * 1000 + rate / 2) / rate);
  if (fr.vbr == MPG123_CBR || info->duration == 0) {
    info->bitrate = fr.bitrate;
  } else {
    info->bitrate = int(audioBytes * 8 / int64_t(info->duration));  // kbit/s = bits per ms
  }
  mpg123_id3v1* id1 = nullptr;
  mpg123_id3v2* id2 = nullptr;
  if ((mpg123_meta_check(h) & MPG123_ID3) && mpg123_id3(h, &id1, &id2) == MPG123_OK && id2) {
    info->title = Id3Text(id2->title);
    info->artist = Id3Text(id2->artist);
  }
  if (info->title.isEmpty()) info->title = v1.title;
  if (info->artist.isEmpty()) info->artist = v1.artist;
  mpg123_close(h);
  return XA_SUCCESS;
}
