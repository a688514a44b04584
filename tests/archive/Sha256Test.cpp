// SHA-256 against the FIPS 180-4 example vectors, fed whole and in uneven
// pieces across block boundaries, and against sha256sum on a real file.
#include "Sha256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>

namespace {
std::string digestInPieces(const std::string& text, size_t piece) {
  Sha256 sha;
  for (size_t i = 0; i < text.size(); i += piece) sha.update(text.data() + i, std::min(piece, text.size() - i));
  return sha.finishHex();
}
}  // namespace

TEST(Sha256, KnownVectorsWholeAndInPieces) {
  struct Vector {
    std::string text;
    const char* digest;
  };
  const Vector vectors[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const Vector& v : vectors) {
    for (size_t piece : {size_t(1), size_t(7), size_t(63), size_t(64), size_t(65), size_t(100000)})
      EXPECT_EQ(digestInPieces(v.text, piece), v.digest) << v.text.size() << " bytes in pieces of " << piece;
  }
}

// 55, 56 and 64 bytes: the length field just fits, just does not, a full block.
TEST(Sha256, FileDigestMatchesSha256sumAtBlockEdges) {
  for (size_t size : {size_t(0), size_t(55), size_t(56), size_t(63), size_t(64), size_t(119999)}) {
    char name[] = "/tmp/hy-sha-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    ASSERT_EQ(write(fd, bytes.data(), size), static_cast<ssize_t>(size));
    close(fd);
    FILE* p = popen((std::string("sha256sum ") + name).c_str(), "r");
    ASSERT_NE(p, nullptr);
    char line[200] = "";
    ASSERT_NE(fgets(line, sizeof line, p), nullptr);
    pclose(p);
    const auto ours = sha256OfFile(name);
    ASSERT_TRUE(ours.has_value());
    EXPECT_EQ(*ours, std::string(line, 64)) << size;
    EXPECT_EQ(digestInPieces(bytes, 13), *ours) << size;
    unlink(name);
  }
  EXPECT_FALSE(sha256OfFile("/nonexistent/file").has_value());
}
