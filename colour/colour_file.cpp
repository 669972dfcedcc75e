// Reading and writing the colour file "Xx.txt".
#include "colour/colour_file.h"

#include <array>
#include <cstdint>

#include "gfx/sjis.h"
#include "shell/pad.h"

namespace tinto {
namespace {

constexpr int kFileRows = 4;
constexpr int kLinesPerBlock = 4;
constexpr int kColoursPerLine = 4;

// The block headers, one per row; the reader skips them unread.
constexpr std::array<std::string_view, kFileRows> kHeaders = {
    "//平面背景数 正規背景数 空き　　平面背景色１、２、３、４…",
    "//ノーマル",
    "//色違い１",
    "//色違い２",
};

// A reader of the file's integers, as forgiving as the format has always been: white space
// (every byte up to the blank, line ends included) is skipped before a number, and a
// number runs to the next white space.
class NumberReader {
 public:
  explicit NumberReader(std::string_view bytes) : bytes_(bytes) {}

  // Skips the rest of the current line and its line end (LF, CR LF or a lone CR).
  void SkipLine() {
    while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
  }

  // The next integer; 0 at the end of the file. False with the token when it is not one.
  bool Next(std::int64_t* value, std::string* bad_token) {
    while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) <= ' ') ++pos_;
    std::size_t start = pos_;
    while (pos_ < bytes_.size() && static_cast<unsigned char>(bytes_[pos_]) > ' ') ++pos_;
    std::string_view token = bytes_.substr(start, pos_ - start);
    *value = 0;
    if (token.empty()) return true;
    std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (i == token.size() || token.size() - i > 10) return Bad(token, bad_token);
    std::int64_t magnitude = 0;
    for (; i < token.size(); ++i) {
      if (token[i] < '0' || token[i] > '9') return Bad(token, bad_token);
      magnitude = magnitude * 10 + (token[i] - '0');
    }
    if (magnitude > 2147483648LL) return Bad(token, bad_token);
    *value = token[0] == '-' ? -magnitude : magnitude;
    return true;
  }

  // The 1-based line number of the read position.
  int LineNumber() const {
    int line = 1;
    for (std::size_t i = 0; i < pos_ && i < bytes_.size(); ++i) line += bytes_[i] == '\n';
    return line;
  }

 private:
  static bool Bad(std::string_view token, std::string* bad_token) {
    *bad_token = std::string(token.substr(0, 40));
    return false;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string FormatColourFile(const ColourTable& table) {
  std::string text;
  for (int r = 0; r < kFileRows; ++r) {
    std::optional<std::string> header = gfx::Utf8ToSjis(kHeaders[r]);
    if (!header) return {};
    text += *header + "\r\n";
    for (int line = 0; line < kLinesPerBlock; ++line) {
      text += "  ";
      for (int c = 0; c < kColoursPerLine; ++c) {
        const Colour& colour = table[r][line * kColoursPerLine + c];
        text += "  " + PadNumber(4, colour.red) + PadNumber(4, colour.green) +
                PadNumber(4, colour.blue);
      }
      text += "\r\n";
    }
  }
  text += "//end";
  return text;
}

FileResult ParseColourFile(std::string_view bytes, ColourTable* table) {
  ColourTable scratch = *table;  // applied only when the whole file read cleanly
  NumberReader reader(bytes);
  for (int r = 0; r < kFileRows; ++r) {
    reader.SkipLine();
    for (int line = 0; line < kLinesPerBlock; ++line) {
      for (int c = 0; c < kColoursPerLine; ++c) {
        std::uint8_t channels[3];
        for (std::uint8_t& channel : channels) {
          std::int64_t value = 0;
          std::string bad;
          if (!reader.Next(&value, &bad)) {
            return FileResult::Fail("The colour file \"" + std::string(kColourFileName) +
                                    "\" could not be read: \"" + bad + "\" on line " +
                                    std::to_string(reader.LineNumber()) +
                                    " is not a number. The colours were left unchanged.");
          }
          channel = static_cast<std::uint8_t>(value & 0xFF);
        }
        scratch[r][line * kColoursPerLine + c] = {channels[0], channels[1], channels[2]};
      }
      reader.SkipLine();
    }
  }
  *table = scratch;
  return FileResult::Ok();
}

FileResult LoadColourFile(ColourModel& model, const ProgramFolder& folder) {
  if (!folder.Exists(kColourFileName)) {
    model.LoadDefaultColours();
    return FileResult::Ok();
  }
  std::string bytes, error;
  if (!ReadWholeFile(folder.Resolve(kColourFileName), &bytes, &error)) {
    return FileResult::Fail(error + " The colours were left unchanged.");
  }
  return ParseColourFile(bytes, &model.colour_table);
}

FileResult SaveColourFile(const ColourModel& model, const ProgramFolder& folder) {
  std::string text = FormatColourFile(model.colour_table);
  std::string error;
  if (text.empty() || !WriteFileAtomically(folder.Resolve(kColourFileName), text, &error)) {
    return FileResult::Fail(error.empty() ? "Could not save the colour file." : error);
  }
  return FileResult::Ok();
}

}  // namespace tinto
