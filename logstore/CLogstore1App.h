#pragma once
// Logstore1: the data-file library. One CLogstore1App object serves one
// operation on one HYY file: loading it into a file image, writing a new file
// (FOpen ... Close), patching its start time and name, writing its text copy
// or deleting it. The object owns the file it is writing until Close; it does
// not own the caller's buffers. The file format is described in
// docs/hyy-format.md.
//
// Files are never left half-written: a new file and every rewrite go to a
// temporary file beside the target that replaces the target only when it is
// complete. A writer destroyed before Close leaves nothing behind.

#include <cstdint>
#include <functional>
#include <string>

#if defined(LOGSTORE1_BUILD)
#define LOGSTORE1_API __attribute__((visibility("default")))
#else
#define LOGSTORE1_API
#endif

namespace logstore {

constexpr int kImageSize = 120000;      // bytes in a file image
constexpr int kHeaderSize = 256;        // bytes before the first sample
constexpr int kMaxSamples = (kImageSize - kHeaderSize) / 2;  // 59,872
constexpr int kNameFieldSize = 32;      // data-name field in the header
constexpr int kMaxWrittenName = 16;     // bytes of the name a writer keeps

// Header offsets (packed, little-endian).
constexpr int kOffHeaderWord = 0;
constexpr int kOffName = 2;
constexpr int kOffStartTime = 34;
constexpr int kOffInterval = 38;
constexpr int kOffUnit = 43;
constexpr int kOffMachineCode = 44;
constexpr int kOffChannel = 48;
constexpr int kOffSampleCount = 52;
constexpr int kOffVersion = 62;
constexpr int kOffTrailer = 254;

constexpr uint16_t kHeaderMagic = 0x5948;   // "HY" on disk
constexpr uint16_t kTrailerMagic = 0x0A1A;  // end-of-header mark

// Mode words of GetFileName.
constexpr int kModeBinary = 0x42;     // 'B'
constexpr int kPurposeOpen = 0x4F50;  // "OP"
constexpr int kPurposeSave = 0x5356;  // "SV"

enum class ChooserPurpose { Open, Save };

// Asks the user for a file. Returns the chosen path, or an empty string when
// the user cancelled.
using FileChooser = std::function<std::string(ChooserPurpose)>;

// Why the last BfileToBuff, SaveStartTime, WriteText or FileDelete failed.
enum class LoadError {
  None,
  CannotOpen,       // missing, unreadable, or a directory
  TooShort,         // shorter than the header
  TooLong,          // larger than a file image
  BadCount,         // sample-count text is not a number
  CountTooLarge,    // promises more samples than an image holds
  SizeMismatch,     // file size does not match the sample count
  WriteFailed,      // temporary file could not be written or renamed
};

class LOGSTORE1_API CLogstore1App {
 public:
  CLogstore1App();
  ~CLogstore1App();
  CLogstore1App(const CLogstore1App&) = delete;
  CLogstore1App& operator=(const CLogstore1App&) = delete;

  // The chooser behind GetFileName, installed once by the program (and by tests).
  static void SetFileChooser(FileChooser chooser);

  // (0x42, 0x4F50): a file to open; (0x42, 0x5356): a file to save to.
  // Returns "ER" when no chooser is installed, the mode words are unknown or
  // the user cancelled.
  std::string GetFileName(int mode, int purpose);

  // Fills the 120,000-byte image from the file. Returns 1, or 0 when the file
  // is missing or damaged; the image is then left exactly as it was.
  int BfileToBuff(const char* path, unsigned char* image);

  // Starts a new file at path (mode 'B', access 'W'). Returns 1 when the file
  // can be written; nothing appears at path before Close.
  int FOpen(const char* path, char mode, char access);
  void StartSetParameter();
  void SetChannel(short channel, const char* name);
  void SetDate1(long startTime);
  void SetRecordInterval(unsigned long seconds);
  void SetUnit(unsigned char unit);
  void SetMachineCode(unsigned long code);
  void SetVersionInfo(unsigned short version);
  void SetSampleNum(unsigned long count);
  // The first samples of block, as many as SetSampleNum promised (call that
  // first) and at most blockSize, are copied; nothing past them is read, so
  // the caller may name a block size larger than its buffer and may free the
  // block before SaveChannel.
  void SetRawData(unsigned long blockSize, const unsigned short* block);
  // Writes header and samples to the temporary file. Returns 1 on success.
  int SaveChannel();
  // Finishes the file: a complete file replaces the target, anything else is
  // discarded. Returns 1 when the target now holds the new file.
  int Close(char mode);

  // Rewrites the start time and data name (at most 16 bytes) of a file and
  // keeps every other byte. Returns 1 on success; on failure the file is intact.
  int SaveStartTime(const char* path, long startTime, const char* name);

  // Writes the delimited text copy of a data file: one line per sample,
  // "YYYY/MM/DD HH:MM:SS<sep>millimetres", local time. Returns 1 on success.
  int WriteText(const char* path, const char* textPath, const char* separator);

  // Removes the file. Returns 1 when it is gone.
  int FileDelete(const char* path);

  LoadError lastError() const { return m_lastError; }

 private:
  struct Writer;
  Writer* m_writer = nullptr;
  LoadError m_lastError = LoadError::None;
};

// Parses a five-character decimal field: leading blanks allowed, parsing
// stops at the first non-digit. Returns -1 when no digit comes first.
LOGSTORE1_API long parseFiveDigitField(const unsigned char* field);

// Rainfall of one raw sample word in millimetres: the 0.1-mm model (version
// word 0x2001) keeps 11 bits, every other model 12 bits of 0.5 mm.
inline double decodeSampleMm(uint16_t word, uint16_t versionWord) {
  if (versionWord == 0x2001) return static_cast<double>(word & 0x07FF) * 0.1;
  return static_cast<double>(word & 0x0FFF) * 0.5;
}

}  // namespace logstore
