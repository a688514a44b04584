#include "RasterFont.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_FONT_FORMATS_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H
#include <hb.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

struct RasterFont::Handles {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  hb_face_t* hbFace = nullptr;
  hb_font_t* hbFont = nullptr;
  hb_buffer_t* buffer = nullptr;
  int loadFlags = 0;
  FT_Render_Mode renderMode = FT_RENDER_MODE_LIGHT;

  ~Handles() {
    if (buffer) hb_buffer_destroy(buffer);
    if (hbFont) hb_font_destroy(hbFont);
    if (hbFace) hb_face_destroy(hbFace);
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

// Qt's 26.6 fixed-point arithmetic where it differs from plain integers.
int32_t fixedFromReal(double r) { return static_cast<int32_t>(r * 64.0); }
int32_t fixedDivide(int32_t a, int32_t b) {
  if (b == 0) return 0x7FFFFFFF;
  bool negative = false;
  int64_t x = a, y = b;
  if (x < 0) x = -x, negative = true;
  if (y < 0) y = -y, negative = !negative;
  const int32_t r = static_cast<int32_t>(((x << 6) + (y >> 1)) / y);
  return negative ? -r : r;
}
int fixedToInt(int32_t v) { return ((v + 32) & -64) >> 6; }

// The quarter pixel a glyph is rendered at, from its pen position: the
// engine's rule, with its extra 1/64 (a position just under a whole pixel
// renders the glyph a whole pixel on).
int32_t subpixelOf(int32_t x) {
  if (x == 0) return 0;
  const int32_t v = x - (x & -64) + 1;
  const int32_t fraction = (v * 4) & -64;
  return fixedDivide(fraction, 4 * 64);
}

uint32_t byteMultiply(uint32_t x, uint32_t a) {
  uint64_t t = ((uint64_t(x) | (uint64_t(x) << 24)) & 0x00ff00ff00ff00ffULL) * a;
  t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
  t &= 0x00ff00ff00ff00ffULL;
  return uint32_t(t) | uint32_t(t >> 24);
}


bool sameFamily(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(*a), y = static_cast<unsigned char>(*b);
    if (x < 0x80) x = static_cast<unsigned char>(std::tolower(x));
    if (y < 0x80) y = static_cast<unsigned char>(std::tolower(y));
    if (x != y) return false;
  }
  return *a == *b;
}

struct ChosenFace {
  std::string family;  // the family asked for, which the engine passes on to fontconfig
  std::string file;
  int index = 0;
};

// The face the engine takes for the families: the first family any listed
// font carries under any of its names (the engine tries the families in
// turn, matching names and their other-language aliases without case).
// Null when that family has fonts in different files or styles (the engine
// would match a style among them).
std::optional<ChosenFace> chooseFace() {
  for (const char* family : kJapaneseFaceFamilies) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, FC_SLANT, FC_WEIGHT, FC_WIDTH, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    std::optional<ChosenFace> chosen;
    std::string chosenReal;
    bool several = false;
    for (int i = 0; set != nullptr && i < set->nfont; ++i) {
      FcPattern* font = set->fonts[i];
      bool named = false;
      FcChar8* value = nullptr;
      for (int k = 0; FcPatternGetString(font, FC_FAMILY, k, &value) == FcResultMatch; ++k)
        named = named || sameFamily(reinterpret_cast<const char*>(value), family);
      FcChar8* file = nullptr;
      int index = 0, slant = FC_SLANT_ROMAN;
      if (!named || FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
      FcPatternGetInteger(font, FC_INDEX, 0, &index);
      FcPatternGetInteger(font, FC_SLANT, 0, &slant);
      char* real = realpath(reinterpret_cast<const char*>(file), nullptr);
      const std::string realFile = real ? real : reinterpret_cast<const char*>(file);
      std::free(real);
      if (slant != FC_SLANT_ROMAN) several = true;
      if (!chosen) {
        chosen = ChosenFace{family, reinterpret_cast<const char*>(file), index};
        chosenReal = realFile;
      } else if (realFile != chosenReal || index != chosen->index) {
        several = true;
      }
    }
    if (set) FcFontSetDestroy(set);
    if (chosen && several) return std::nullopt;
    if (chosen) return chosen;
  }
  return std::nullopt;  // none of the families is installed
}

std::vector<uint8_t> sfntTable(FT_Face face, FT_ULong tag) {
  FT_ULong length = 0;
  if (FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) != 0 || length == 0) return {};
  std::vector<uint8_t> bytes(length);
  if (FT_Load_Sfnt_Table(face, tag, 0, bytes.data(), &length) != 0) return {};
  return bytes;
}

int16_t readShort(const std::vector<uint8_t>& t, size_t at) {
  return static_cast<int16_t>((t[at] << 8) | t[at + 1]);
}

// The engine's ascent in 1/64 pixel: FreeType's, overridden by the hhea
// table and then by the OS/2 table, unless the face has bitmap tables.
int32_t engineAscent(FT_Face face, int pixelSize) {
  int32_t ascent = static_cast<int32_t>(face->size->metrics.ascender);
  if (!sfntTable(face, FT_MAKE_TAG('E', 'B', 'L', 'C')).empty() ||
      !sfntTable(face, FT_MAKE_TAG('C', 'B', 'L', 'C')).empty() ||
      !sfntTable(face, FT_MAKE_TAG('b', 'd', 'a', 't')).empty())
    return ascent;
  const int32_t em = static_cast<int32_t>(face->units_per_EM) * 64;
  const std::vector<uint8_t> hhea = sfntTable(face, TTAG_hhea);
  if (hhea.size() >= 10 && !(readShort(hhea, 4) == 0 && readShort(hhea, 6) == 0))
    ascent = fixedDivide(fixedFromReal(readShort(hhea, 4) * double(pixelSize)), em);
  const std::vector<uint8_t> os2 = sfntTable(face, TTAG_OS2);
  if (os2.size() >= 78) {
    const uint16_t selection = static_cast<uint16_t>(readShort(os2, 62));
    const int16_t typoAscent = readShort(os2, 68), typoDescent = readShort(os2, 70);
    const uint16_t winAscent = static_cast<uint16_t>(readShort(os2, 74));
    const uint16_t winDescent = static_cast<uint16_t>(readShort(os2, 76));
    if (selection & 0x80) {
      if (!(typoAscent == 0 && typoDescent == 0))
        ascent = fixedDivide(fixedFromReal(typoAscent * double(pixelSize)), em);
    } else if (!(winAscent == 0 && winDescent == 0)) {
      ascent = fixedDivide(fixedFromReal(winAscent * double(pixelSize)), em);
    }
  }
  return ascent;
}

bool qtFontEnvironment() {
  for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI",
                           "QT_USE_PHYSICAL_DPI", "QT_NO_FT_CACHE", "QT_NO_SYNTHESIZED_BOLD",
                           "QT_NO_SYNTHESIZED_ITALIC", "QT_QPA_FONTDIR"})
    if (std::getenv(name) != nullptr) return true;
  return false;
}

// HarfBuzz asks the face through the same callbacks the engine gives it:
// the character map, the unhinted advances, no pair kerning beyond GPOS.
hb_bool_t nominalGlyph(hb_font_t*, void* data, hb_codepoint_t unicode, hb_codepoint_t* glyph, void*) {
  *glyph = static_cast<RasterFont*>(data)->glyphOf(unicode);
  return *glyph != 0;
}
hb_bool_t variationGlyph(hb_font_t*, void* data, hb_codepoint_t unicode, hb_codepoint_t, hb_codepoint_t* glyph,
                         void*) {
  *glyph = static_cast<RasterFont*>(data)->glyphOf(unicode);
  return *glyph != 0;
}
hb_position_t horizontalAdvance(hb_font_t*, void* data, hb_codepoint_t glyph, void*) {
  return static_cast<RasterFont*>(data)->advanceOf(glyph);
}
hb_position_t horizontalKerning(hb_font_t*, void*, hb_codepoint_t, hb_codepoint_t, void*) { return 0; }

hb_font_funcs_t* fontFunctions() {
  static hb_font_funcs_t* funcs = [] {
    hb_font_funcs_t* f = hb_font_funcs_create();
    hb_font_funcs_set_nominal_glyph_func(f, nominalGlyph, nullptr, nullptr);
    hb_font_funcs_set_variation_glyph_func(f, variationGlyph, nullptr, nullptr);
    hb_font_funcs_set_glyph_h_advance_func(f, horizontalAdvance, nullptr, nullptr);
    hb_font_funcs_set_glyph_h_kerning_func(f, horizontalKerning, nullptr, nullptr);
    hb_font_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

bool commonScript(hb_script_t s) {
  return s == HB_SCRIPT_COMMON || s == HB_SCRIPT_INHERITED || s == HB_SCRIPT_UNKNOWN;
}

bool refusedCharacter(uint32_t c) {
  if (c < 0x20 || c == 0x7f || c == 0xad || c == 0x2028 || c == 0x2029) return true;
  switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_FORMAT:
    case HB_UNICODE_GENERAL_CATEGORY_SURROGATE:
    case HB_UNICODE_GENERAL_CATEGORY_UNASSIGNED:
      return true;
    default:
      return false;
  }
}

// UTF-8 to code points; false on a malformed sequence.
bool decodeUtf8(const std::string& s, std::vector<uint32_t>& out) {
  out.clear();
  for (size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= s.size()) return false;
    uint32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; k <= extra; ++k) {
      const unsigned char n = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((n & 0xC0) != 0x80) return false;
      c = (c << 6) | (n & 0x3F);
    }
    if (c > 0x10FFFF || (extra == 1 && c < 0x80) || (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000))
      return false;
    out.push_back(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

}  // namespace

RasterFont::RasterFont() : m_h(std::make_unique<Handles>()) {}
RasterFont::~RasterFont() = default;

namespace {
std::mutex sharedMutex;
std::map<std::pair<int, int>, std::unique_ptr<RasterFont>> sharedFaces;
}  // namespace

void RasterFont::releaseShared() {
  const std::lock_guard<std::mutex> lock(sharedMutex);
  sharedFaces.clear();
  FcFini();
}

RasterFont* RasterFont::shared(const SurfaceFont& font) {
  std::map<std::pair<int, int>, std::unique_ptr<RasterFont>>& opened = sharedFaces;
  const std::lock_guard<std::mutex> lock(sharedMutex);
  const auto key = std::make_pair(font.height, font.weight);
  auto known = opened.find(key);
  if (known == opened.end()) known = opened.emplace(key, font.underline ? nullptr : open(font)).first;
  return font.underline ? nullptr : known->second.get();
}

std::unique_ptr<RasterFont> RasterFont::open(const SurfaceFont& f) {
  // Each refusal says what it refuses.
  auto refuse = [](const char* /*what*/) -> std::unique_ptr<RasterFont> { return nullptr; };
  // Bold is emboldened by the engine, underline drawn as a line, and the
  // engine draws glyphs of 64 pixels and more as outlines.
  if (f.weight >= 700 || f.underline || f.height <= 0 || f.height >= 64) return refuse("bold, underlined or large text");
  if (qtFontEnvironment()) return refuse("Qt's font settings in the environment");
  if (!FcInit()) return refuse("fontconfig cannot start");
  const std::optional<ChosenFace> chosen = chooseFace();
  if (!chosen) return refuse("no single font for the families");

  // The settings fontconfig gives that face at that size, asked as the
  // engine asks.
  FcPattern* query = FcPatternCreate();
  FcPatternAddString(query, FC_FAMILY, reinterpret_cast<const FcChar8*>(chosen->family.c_str()));
  FcPatternAddString(query, FC_FILE, reinterpret_cast<const FcChar8*>(chosen->file.c_str()));
  FcPatternAddInteger(query, FC_INDEX, chosen->index);
  FcPatternAddDouble(query, FC_PIXEL_SIZE, f.height);
  FcConfigSubstitute(nullptr, query, FcMatchPattern);
  FcDefaultSubstitute(query);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, query, &result);
  FcPatternDestroy(query);
  if (match == nullptr) return refuse("fontconfig matches nothing for the face");
  int hintStyle = -1, rgba = FC_RGBA_UNKNOWN;
  FcBool antialias = FcTrue, autohint = FcFalse;
  const bool hasHintStyle = FcPatternGetInteger(match, FC_HINT_STYLE, 0, &hintStyle) == FcResultMatch;
  FcPatternGetBool(match, FC_ANTIALIAS, 0, &antialias);
  FcPatternGetBool(match, FC_AUTOHINT, 0, &autohint);
  FcPatternGetInteger(match, FC_RGBA, 0, &rgba);
  FcPatternDestroy(match);
  if (!hasHintStyle || (hintStyle != FC_HINT_NONE && hintStyle != FC_HINT_SLIGHT))
    return refuse("full or medium hinting");
  if (!antialias || (rgba != FC_RGBA_UNKNOWN && rgba != FC_RGBA_NONE))
    return refuse("no antialiasing, or subpixel antialiasing");

  std::unique_ptr<RasterFont> font(new RasterFont());
  Handles& h = *font->m_h;
  if (FT_Init_FreeType(&h.library) != 0) return refuse("FreeType cannot start");
  FT_Bool noDarkening = 1;
  FT_Property_Set(h.library, "cff", "no-stem-darkening", &noDarkening);
  if (FT_New_Face(h.library, chosen->file.c_str(), chosen->index, &h.face) != 0) return refuse("the face cannot be read");
  FT_Face face = h.face;
  const char* format = FT_Get_Font_Format(face);
  if (!FT_IS_SCALABLE(face) || format == nullptr || std::strcmp(format, "TrueType") != 0)
    return refuse("not a TrueType outline face");
  if (face->style_flags & FT_STYLE_FLAG_ITALIC) return refuse("an italic face");
  if (!sfntTable(face, TTAG_kern).empty()) return refuse("a face with a kern table");
  FT_CharMap unicode = nullptr;
  for (int i = 0; i < face->num_charmaps; ++i) {
    if (face->charmaps[i]->encoding == FT_ENCODING_UNICODE) unicode = face->charmaps[i];
    if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL || face->charmaps[i]->encoding == FT_ENCODING_ADOBE_CUSTOM)
      return refuse("a symbol face");
  }
  if (unicode == nullptr || FT_Set_Charmap(face, unicode) != 0) return refuse("no Unicode character map");
  const FT_F26Dot6 size = static_cast<FT_F26Dot6>(f.height) * 64;
  for (int i = 0; i < face->num_fixed_sizes; ++i)
    if (face->available_sizes[i].x_ppem == size && face->available_sizes[i].y_ppem == size)
      return refuse("a bitmap strike at this size");
  if (FT_Set_Char_Size(face, size, size, 0, 0) != 0) return refuse("the face cannot be sized");

  const bool hinted = hintStyle == FC_HINT_SLIGHT;
  h.loadFlags = FT_LOAD_DEFAULT | FT_LOAD_IGNORE_GLOBAL_ADVANCE_WIDTH | FT_LOAD_NO_BITMAP |
                (hinted ? FT_LOAD_TARGET_LIGHT : FT_LOAD_NO_HINTING) | (autohint ? FT_LOAD_FORCE_AUTOHINT : 0);
  h.renderMode = hinted ? FT_RENDER_MODE_LIGHT : FT_RENDER_MODE_NORMAL;
  font->m_ascent = fixedToInt(engineAscent(face, f.height));

  hb_blob_t* blob = hb_blob_create_from_file(chosen->file.c_str());
  h.hbFace = hb_face_create(blob, static_cast<unsigned>(chosen->index));
  hb_blob_destroy(blob);
  h.hbFont = hb_font_create(h.hbFace);
  hb_font_set_funcs(h.hbFont, fontFunctions(), font.get(), nullptr);
  hb_font_set_scale(h.hbFont, static_cast<int>(size), -static_cast<int>(size));
  hb_font_set_ppem(h.hbFont, static_cast<unsigned>(f.height), static_cast<unsigned>(f.height));
  hb_font_set_ptem(h.hbFont, static_cast<float>(f.height * 72.0 / 96.0));
  h.buffer = hb_buffer_create();
  return font;
}

uint32_t RasterFont::glyphOf(uint32_t codePoint) {
  const auto known = m_glyphIds.find(codePoint);
  if (known != m_glyphIds.end()) return known->second;
  uint32_t glyph = FT_Get_Char_Index(m_h->face, codePoint);
  if (glyph == 0 && (codePoint == 0xA0 || codePoint == 0x09)) glyph = FT_Get_Char_Index(m_h->face, 0x20);
  m_glyphIds.emplace(codePoint, glyph);
  return glyph;
}

namespace {
// Loads a glyph as the engine does, with its fall-backs; false when it
// cannot be loaded (the engine then draws nothing for it).
bool loadGlyph(FT_Face face, uint32_t glyph, int flags) {
  FT_Error error = FT_Load_Glyph(face, glyph, flags);
  if (error != 0 && (flags & FT_LOAD_NO_BITMAP)) {
    flags &= ~FT_LOAD_NO_BITMAP;
    error = FT_Load_Glyph(face, glyph, flags);
  }
  if (error == FT_Err_Too_Few_Arguments) error = FT_Load_Glyph(face, glyph, flags | FT_LOAD_FORCE_AUTOHINT);
  return error == 0;
}
}  // namespace

int32_t RasterFont::advanceOf(uint32_t glyph) {
  const auto known = m_advances.find(glyph);
  if (known != m_advances.end()) return known->second;
  FT_Matrix identity{0x10000, 0, 0, 0x10000};
  FT_Vector none{0, 0};
  FT_Set_Transform(m_h->face, &identity, &none);
  const int32_t advance =
      loadGlyph(m_h->face, glyph, m_h->loadFlags) ? static_cast<int32_t>(m_h->face->glyph->linearHoriAdvance >> 10) : 0;
  m_advances.emplace(glyph, advance);
  return advance;
}

bool RasterFont::layout(const std::string& utf8, std::vector<PlacedGlyph>& out, int32_t& advance) {
  out.clear();
  advance = 0;
  std::vector<uint32_t> codes;
  if (!decodeUtf8(utf8, codes)) return false;
  for (uint32_t c : codes)
    if (refusedCharacter(c) || glyphOf(c) == 0) return false;
  // Runs of one script; common characters go with the run they are in,
  // or with the first script after them at the start.
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
  struct Run {
    size_t begin, end;
    hb_script_t script;
  };
  std::vector<Run> runs;
  size_t start = 0;
  hb_script_t script = HB_SCRIPT_COMMON;
  for (size_t i = 0; i < codes.size(); ++i) {
    const hb_script_t next = hb_unicode_script(unicode, codes[i]);
    if (next == script || commonScript(next)) continue;
    if (commonScript(script)) {
      script = next;
      continue;
    }
    runs.push_back({start, i, script});
    start = i;
    script = next;
  }
  runs.push_back({start, codes.size(), script});

  static const char* const shapers[] = {"graphite2", "ot", "fallback", nullptr};
  const hb_feature_t kerning{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
  hb_buffer_t* buffer = m_h->buffer;
  for (const Run& run : runs) {
    m_utf16.clear();
    for (size_t i = run.begin; i < run.end; ++i) {
      const uint32_t c = codes[i];
      if (c < 0x10000) {
        m_utf16.push_back(static_cast<uint16_t>(c));
      } else {
        m_utf16.push_back(static_cast<uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
        m_utf16.push_back(static_cast<uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
      }
    }
    hb_buffer_clear_contents(buffer);
    const int length = static_cast<int>(m_utf16.size());
    hb_buffer_add_utf16(buffer, m_utf16.data(), length, 0, length);
    hb_segment_properties_t props = HB_SEGMENT_PROPERTIES_DEFAULT;
    props.direction = HB_DIRECTION_LTR;
    props.script = run.script;
    props.language = hb_language_get_default();
    hb_buffer_set_segment_properties(buffer, &props);
    hb_buffer_set_flags(buffer, HB_BUFFER_FLAG_DEFAULT);
    if (!hb_shape_full(m_h->hbFont, buffer, &kerning, 1, shapers)) return false;
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    for (unsigned i = 0; i < count; ++i) {
      out.push_back({infos[i].codepoint, advance + positions[i].x_offset, positions[i].y_offset});
      advance += positions[i].x_advance;
    }
  }
  return true;
}

std::optional<int> RasterFont::width(const std::string& utf8) {
  int32_t advance = 0;
  if (!layout(utf8, m_placed, advance)) return std::nullopt;
  return fixedToInt(advance);
}

const RasterFont::Bitmap* RasterFont::bitmap(uint32_t glyph, int subpixel) {
  const auto key = std::make_pair(glyph, subpixel);
  const auto known = m_bitmaps.find(key);
  if (known != m_bitmaps.end()) return &known->second;
  Bitmap& b = m_bitmaps[key];
  FT_Face face = m_h->face;
  FT_Matrix identity{0x10000, 0, 0, 0x10000};
  FT_Vector shift{subpixel, 0};
  FT_Set_Transform(face, &identity, &shift);
  if (!loadGlyph(face, glyph, m_h->loadFlags) || FT_Render_Glyph(face->glyph, m_h->renderMode) != 0) return &b;
  const FT_Bitmap& bits = face->glyph->bitmap;
  b.left = face->glyph->bitmap_left;
  b.top = face->glyph->bitmap_top;
  b.width = static_cast<int>(bits.width);
  b.height = static_cast<int>(bits.rows);
  b.coverage.assign(static_cast<size_t>(b.width) * static_cast<size_t>(b.height), 0);
  for (int y = 0; y < b.height; ++y) {
    const unsigned char* src = bits.buffer + static_cast<ptrdiff_t>(y) * bits.pitch;
    uint8_t* dst = b.coverage.data() + static_cast<size_t>(y) * static_cast<size_t>(b.width);
    for (int x = 0; x < b.width; ++x) {
      if (bits.pixel_mode == FT_PIXEL_MODE_GRAY)
        dst[x] = src[x];
      else if (bits.pixel_mode == FT_PIXEL_MODE_MONO)
        dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 0xff : 0x00;
    }
  }
  return &b;
}

uint32_t RasterFont::blend(uint32_t dst, uint32_t src, int coverage) {
  if (coverage == 0 || src == 0) return dst;
  if (coverage == 255) return src >= 0xff000000u ? src : src + byteMultiply(dst, (~src) >> 24);
  const uint32_t s = byteMultiply(src, static_cast<uint32_t>(coverage));
  return s + byteMultiply(dst, (~s) >> 24);
}

bool RasterFont::draw(int x, int baselineY, const std::string& utf8, const GlyphRow& put) {
  int32_t advance = 0;
  if (!layout(utf8, m_placed, advance)) return false;
  const int32_t penX = x * 64;
  const int32_t penY = baselineY * 64;
  for (const PlacedGlyph& g : m_placed) {
    const int32_t gx = penX + g.x;
    const int32_t gy = penY + g.y;
    const Bitmap* b = bitmap(g.glyph, subpixelOf(gx));
    if (b->width == 0 || b->height == 0) continue;
    const int left = (gx >> 6) + b->left;
    const int top = fixedToInt(gy) - b->top;
    for (int y = 0; y < b->height; ++y)
      put(left, top + y, b->coverage.data() + static_cast<size_t>(y) * static_cast<size_t>(b->width), b->width);
  }
  return true;
}
