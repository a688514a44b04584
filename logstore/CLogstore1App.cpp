#include "CLogstore1App.h"

#include "AtomicFile.h"
#include "HyyText.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace logstore {

namespace {

FileChooser& installedChooser() {
  static FileChooser chooser;
  return chooser;
}

void putU16(unsigned char* p, uint16_t v) {
  p[0] = static_cast<unsigned char>(v & 0xFF);
  p[1] = static_cast<unsigned char>(v >> 8);
}

void putU32(unsigned char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

void putFiveDigits(unsigned char* p, unsigned long v) {
  char text[8];
  std::snprintf(text, sizeof text, "%05lu", v % 100000UL);
  std::memcpy(p, text, 5);
}

void putName(unsigned char* header, const char* name) {
  std::memset(header + kOffName, 0, kNameFieldSize);
  if (name == nullptr) return;
  size_t len = strnlen(name, kMaxWrittenName);
  std::memcpy(header + kOffName, name, len);
}

// Reads a whole file if it is no larger than limit bytes.
// Returns false with the reason when it cannot be read or is too large.
bool readWholeFile(const char* path, size_t limit, std::vector<unsigned char>& out,
                   LoadError& error) {
  out.clear();
  if (path == nullptr) {
    error = LoadError::CannotOpen;
    return false;
  }
  FILE* f = std::fopen(path, "rb");
  if (f == nullptr) {
    error = LoadError::CannotOpen;
    return false;
  }
  struct stat st {};
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    std::fclose(f);
    error = LoadError::CannotOpen;
    return false;
  }
  // One byte past the limit tells "too long" from "exactly the limit".
  out.resize(limit + 1);
  size_t got = std::fread(out.data(), 1, out.size(), f);
  bool readError = std::ferror(f) != 0;
  std::fclose(f);
  if (readError) {
    error = LoadError::CannotOpen;
    return false;
  }
  out.resize(got);
  if (got > limit) {
    error = LoadError::TooLong;
    return false;
  }
  return true;
}

// Checks that bytes hold a well-formed data file; returns its sample count or -1.
long checkDataFile(const std::vector<unsigned char>& bytes, LoadError& error) {
  if (bytes.size() < static_cast<size_t>(kHeaderSize)) {
    error = LoadError::TooShort;
    return -1;
  }
  long n = parseFiveDigitField(bytes.data() + kOffSampleCount);
  if (n < 0) {
    error = LoadError::BadCount;
    return -1;
  }
  if (n > kMaxSamples) {
    error = LoadError::CountTooLarge;
    return -1;
  }
  if (bytes.size() != static_cast<size_t>(kHeaderSize) + 2 * static_cast<size_t>(n)) {
    error = LoadError::SizeMismatch;
    return -1;
  }
  return n;
}

}  // namespace

long parseFiveDigitField(const unsigned char* field) {
  int i = 0;
  while (i < 5 && field[i] == ' ') ++i;
  if (i == 5 || field[i] < '0' || field[i] > '9') return -1;
  long v = 0;
  for (; i < 5 && field[i] >= '0' && field[i] <= '9'; ++i) v = v * 10 + (field[i] - '0');
  return v;
}

struct CLogstore1App::Writer {
  std::string target;
  AtomicFile file;
  unsigned char header[kHeaderSize] = {};
  unsigned long sampleCount = 0;
  std::vector<uint16_t> samples;
  bool saved = false;
};

CLogstore1App::CLogstore1App() = default;

CLogstore1App::~CLogstore1App() { delete m_writer; }

void CLogstore1App::SetFileChooser(FileChooser chooser) { installedChooser() = std::move(chooser); }

std::string CLogstore1App::GetFileName(int mode, int purpose) {
  FileChooser& chooser = installedChooser();
  if (!chooser || mode != kModeBinary) return "ER";
  std::string path;
  if (purpose == kPurposeOpen) {
    path = chooser(ChooserPurpose::Open);
  } else if (purpose == kPurposeSave) {
    path = chooser(ChooserPurpose::Save);
  } else {
    return "ER";
  }
  return path.empty() ? std::string("ER") : path;
}

int CLogstore1App::BfileToBuff(const char* path, unsigned char* image) {
  m_lastError = LoadError::None;
  std::vector<unsigned char> bytes;
  if (!readWholeFile(path, kImageSize, bytes, m_lastError)) return 0;
  if (checkDataFile(bytes, m_lastError) < 0) return 0;
  std::memcpy(image, bytes.data(), bytes.size());
  // The rest of the image is cleared so that nothing of an earlier recording
  // shows through behind the samples of this one.
  std::memset(image + bytes.size(), 0, kImageSize - bytes.size());
  return 1;
}

int CLogstore1App::FOpen(const char* path, char mode, char access) {
  delete m_writer;
  m_writer = nullptr;
  if (path == nullptr || mode != 'B' || access != 'W') return 0;
  auto* w = new Writer;
  w->target = path;
  if (!w->file.begin(w->target)) {
    delete w;
    return 0;
  }
  m_writer = w;
  StartSetParameter();
  return 1;
}

void CLogstore1App::StartSetParameter() {
  if (m_writer == nullptr) return;
  unsigned char* h = m_writer->header;
  std::memset(h, 0, kHeaderSize);
  putU16(h + kOffHeaderWord, kHeaderMagic);
  putFiveDigits(h + kOffInterval, 600);
  h[kOffUnit] = 13;
  putU32(h + kOffMachineCode, 0x1071);
  h[kOffChannel] = 1;
  putFiveDigits(h + kOffSampleCount, 0);
  std::memcpy(h + 57, "00001", 5);  // format revision
  putU16(h + kOffTrailer, kTrailerMagic);
  m_writer->sampleCount = 0;
  m_writer->samples.clear();
  m_writer->saved = false;
}

void CLogstore1App::SetChannel(short channel, const char* name) {
  if (m_writer == nullptr) return;
  m_writer->header[kOffChannel] = static_cast<unsigned char>(channel);
  putName(m_writer->header, name);
}

void CLogstore1App::SetDate1(long startTime) {
  if (m_writer == nullptr) return;
  putU32(m_writer->header + kOffStartTime, static_cast<uint32_t>(static_cast<int32_t>(startTime)));
}

void CLogstore1App::SetRecordInterval(unsigned long seconds) {
  if (m_writer == nullptr) return;
  putFiveDigits(m_writer->header + kOffInterval, seconds);
}

void CLogstore1App::SetUnit(unsigned char unit) {
  if (m_writer == nullptr) return;
  m_writer->header[kOffUnit] = unit;
}

void CLogstore1App::SetMachineCode(unsigned long code) {
  if (m_writer == nullptr) return;
  putU32(m_writer->header + kOffMachineCode, static_cast<uint32_t>(code));
}

void CLogstore1App::SetVersionInfo(unsigned short version) {
  if (m_writer == nullptr) return;
  putU16(m_writer->header + kOffVersion, version);
}

void CLogstore1App::SetSampleNum(unsigned long count) {
  if (m_writer == nullptr) return;
  m_writer->sampleCount = count;
  putFiveDigits(m_writer->header + kOffSampleCount, count);
}

void CLogstore1App::SetRawData(unsigned long blockSize, const unsigned short* block) {
  if (m_writer == nullptr || block == nullptr) return;
  // Only the samples the count promises are read: callers hand over whole
  // receive blocks, and the block size is no promise about the buffer.
  const unsigned long n = std::min(blockSize, m_writer->sampleCount);
  m_writer->samples.assign(block, block + n);
}

int CLogstore1App::SaveChannel() {
  if (m_writer == nullptr) return 0;
  Writer& w = *m_writer;
  // A file the loader would refuse is never written.
  if (w.sampleCount > static_cast<unsigned long>(kMaxSamples) || w.samples.size() < w.sampleCount) {
    w.file.abandon();
    return 0;
  }
  std::vector<unsigned char> bytes(kHeaderSize + 2 * w.sampleCount);
  std::memcpy(bytes.data(), w.header, kHeaderSize);
  for (unsigned long k = 0; k < w.sampleCount; ++k) putU16(bytes.data() + kHeaderSize + 2 * k, w.samples[k]);
  if (!w.file.write(bytes.data(), bytes.size())) {
    w.file.abandon();
    return 0;
  }
  w.saved = true;
  return 1;
}

int CLogstore1App::Close(char mode) {
  (void)mode;
  if (m_writer == nullptr) return 0;
  int result = 0;
  if (m_writer->saved) {
    result = m_writer->file.commit() ? 1 : 0;
  } else {
    m_writer->file.abandon();
  }
  delete m_writer;
  m_writer = nullptr;
  return result;
}

int CLogstore1App::SaveStartTime(const char* path, long startTime, const char* name) {
  m_lastError = LoadError::None;
  std::vector<unsigned char> bytes;
  if (!readWholeFile(path, kImageSize, bytes, m_lastError)) return 0;
  if (checkDataFile(bytes, m_lastError) < 0) return 0;
  putU32(bytes.data() + kOffStartTime, static_cast<uint32_t>(static_cast<int32_t>(startTime)));
  putName(bytes.data(), name);
  AtomicFile out;
  if (!out.begin(path) || !out.write(bytes.data(), bytes.size()) || !out.commit()) {
    m_lastError = LoadError::WriteFailed;
    return 0;
  }
  return 1;
}

int CLogstore1App::WriteText(const char* path, const char* textPath, const char* separator) {
  m_lastError = LoadError::None;
  std::vector<unsigned char> bytes;
  if (!readWholeFile(path, kImageSize, bytes, m_lastError)) return 0;
  if (checkDataFile(bytes, m_lastError) < 0) return 0;
  std::string text = formatSampleLines(bytes.data(), separator == nullptr ? ";" : separator);
  AtomicFile out;
  if (textPath == nullptr || !out.begin(textPath) || !out.write(text.data(), text.size()) || !out.commit()) {
    m_lastError = LoadError::WriteFailed;
    return 0;
  }
  return 1;
}

int CLogstore1App::FileDelete(const char* path) {
  m_lastError = LoadError::None;
  if (path == nullptr || (::unlink(path) != 0 && errno != ENOENT)) {
    m_lastError = LoadError::WriteFailed;
    return 0;
  }
  return 1;
}

}  // namespace logstore
