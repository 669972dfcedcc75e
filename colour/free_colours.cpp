// The free colours in the settings file.
#include "colour/free_colours.h"

#include <optional>
#include <vector>

#include "files/ini_file.h"
#include "shell/pad.h"

namespace tinto {
namespace {

// The field of free colour f, shade s, channel k, 0-based.
constexpr std::size_t FieldOffset(int f, int s, int k) {
  return 1 + 18 * static_cast<std::size_t>(f) + 6 * static_cast<std::size_t>(s) +
         2 * static_cast<std::size_t>(k);
}

// A two-character field as a decimal integer: leading blanks, an optional sign, digits.
std::optional<int> FieldValue(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  if (i == field.size()) return std::nullopt;
  int value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    value = value * 10 + (field[i] - '0');
  }
  return negative ? -value : value;
}

// The parts a call addresses: part n - 1, all six for a negative n, none otherwise.
std::vector<int> PartsOf(int n) {
  if (n < 0) return {0, 1, 2, 3, 4, 5};
  if (n >= 1 && n <= kParts) return {n - 1};
  return {};
}

}  // namespace

std::string FreeColourKey(int part) {
  return "fc" + std::to_string(part + 1);
}

std::string FormatFreeColours(const PartColours& parts, int part) {
  std::string value = "1";
  for (int f = 0; f < kFreeColours; ++f) {
    for (int s = 0; s < kShades; ++s) {
      for (int k = 0; k < kChannels; ++k) {
        value += PadNumber(2, parts[part][kFirstFreeEntry + f][s][k]);
      }
    }
  }
  return value;
}

FileResult ParseFreeColours(std::string_view value, int part, PartColours* parts) {
  const std::string where = "The free colours \"" + FreeColourKey(part) + "\" in \"" +
                            std::string(kSettingsFileName) + "\" could not be read: ";
  if (value.size() < static_cast<std::size_t>(kFreeColourValueLength)) {
    return FileResult::Fail(where + "the value is too short. They were left unchanged.");
  }
  auto scratch = (*parts)[part];  // applied only when every field converted
  for (int f = 0; f < kFreeColours; ++f) {
    for (int s = 0; s < kShades; ++s) {
      for (int k = 0; k < kChannels; ++k) {
        std::string_view field = value.substr(FieldOffset(f, s, k), 2);
        std::optional<int> level = FieldValue(field);
        if (!level) {
          return FileResult::Fail(where + "\"" + std::string(field) +
                                  "\" is not a number. They were left unchanged.");
        }
        scratch[kFirstFreeEntry + f][s][k] = static_cast<std::uint8_t>(*level & 0xFF);
      }
    }
  }
  (*parts)[part] = scratch;
  return FileResult::Ok();
}

FileResult ReadFreeColours(ColourModel& model, const ProgramFolder& folder, int n) {
  IniFile ini(folder.Resolve(kSettingsFileName));
  std::string errors;
  for (int part : PartsOf(n)) {
    // The current colours are the default: a missing key changes nothing.
    std::string value = ini.ReadString(kSettingsSection, FreeColourKey(part),
                                       FormatFreeColours(model.part_colours, part));
    FileResult result = ParseFreeColours(value, part, &model.part_colours);
    if (!result.ok) errors += (errors.empty() ? "" : "\r\n") + result.error;
  }
  return errors.empty() ? FileResult::Ok() : FileResult::Fail(errors);
}

FileResult WriteFreeColours(const ColourModel& model, const ProgramFolder& folder, int n) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (int part : PartsOf(n)) {
    entries.emplace_back(FreeColourKey(part), FormatFreeColours(model.part_colours, part));
  }
  if (entries.empty()) return FileResult::Ok();
  IniFile ini(folder.Resolve(kSettingsFileName));
  std::string error;
  if (!ini.WriteStrings(kSettingsSection, entries, &error)) return FileResult::Fail(error);
  return FileResult::Ok();
}

}  // namespace tinto
