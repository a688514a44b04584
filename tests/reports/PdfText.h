#pragma once
// Test helper: poppler's tools on a PDF the program printed - the text as
// pdftotext gives it, each word with its box, and a run of any command.
//
// Qt's PDF writer names each glyph by the first code point the font maps to
// it, so ideographs that share their glyph with a Kangxi radical (日, 月, 水,
// 雨, ...) or a CJK radical (西) come back as the radical, and "～" as the
// wave dash "〜". readable() turns those back into the characters the page
// drew, so tests can compare texts exactly.

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace pdftext {

inline std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

inline bool havePoppler() { return !run("command -v pdftotext && command -v pdffonts && command -v pdftoppm").empty(); }

// The ideographs of the Kangxi radicals U+2F00 ... U+2FD5, in order.
inline const char* kangxiIdeographs() {
  return "一丨丶丿乙亅二亠人儿入八冂冖冫几凵刀力勹匕匚匸十卜卩厂厶又口囗土士夂夊夕大女子宀寸小尢尸屮山巛工己巾干幺广廴廾弋弓彐彡彳心戈戶手支攴文斗斤方无日曰月木欠止歹殳毋比毛氏气水火爪父爻爿片牙牛犬玄玉瓜瓦甘生用田疋疒癶白皮皿目矛矢石示禸禾穴立竹米糸缶网羊羽老而耒耳聿肉臣自至臼舌舛舟艮色艸虍虫血行衣襾見角言谷豆豕豸貝赤走足身車辛辰辵邑酉釆里金長門阜隶隹雨靑非面革韋韭音頁風飛食首香馬骨高髟鬥鬯鬲鬼魚鳥鹵鹿麥麻黃黍黑黹黽鼎鼓鼠鼻齊齒龍龜龠";
}

inline std::string readable(const std::string& utf8) {
  static const std::vector<std::string> ideographs = [] {
    std::vector<std::string> out;
    const std::string all = kangxiIdeographs();
    for (size_t i = 0; i < all.size(); i += 3) out.push_back(all.substr(i, 3));
    return out;
  }();
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == 0xE2 && i + 2 < utf8.size()) {
      const unsigned cp = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                          (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
      if (cp >= 0x2F00 && cp < 0x2F00 + ideographs.size()) {
        out += ideographs[cp - 0x2F00];
        i += 3;
        continue;
      }
      if (cp == 0x2EC4) {
        out += "西";
        i += 3;
        continue;
      }
    }
    if (utf8.compare(i, 3, "〜") == 0) {
      out += "～";
      i += 3;
      continue;
    }
    out += utf8[i];
    ++i;
  }
  return out;
}

// Every page's text, readable, with runs of blanks made one blank (the
// tool keeps words, not the blanks between them).
inline std::string text(const std::string& pdf, const char* options = "-layout") {
  const std::string raw = run(std::string("pdftotext ") + options + " '" + pdf + "' - 2>/dev/null");
  return std::regex_replace(readable(raw), std::regex(" +"), " ");
}

struct Word {
  double xMin, yMin, xMax, yMax;  // points from the page's top-left corner
  std::string text;
};

inline std::vector<Word> words(const std::string& pdf) {
  std::vector<Word> out;
  const std::string xml = run("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
  const std::regex re(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), re); it != std::sregex_iterator(); ++it)
    out.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]),
                   readable((*it)[5])});
  return out;
}

}  // namespace pdftext
