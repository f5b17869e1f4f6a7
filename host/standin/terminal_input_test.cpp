#include "host/standin/terminal_input.h"

#include <gtest/gtest.h>

#include "host/ewidget.h"

namespace standin {
namespace {

using TK = TerminalKey;

TerminalKey typed(char32_t ch) { return {TK::kChar, ch}; }

/// The key as a key-file line, "-" for none.
std::string describe(const std::optional<Key>& key) {
  if (!key) return "-";
  static const char* const kNames[] = {"up", "down", "left", "right", "ok",
                                       "exit", "red", "green", "yellow", "blue"};
  if (key->kind == Key::kDigit) return std::to_string(key->digit);
  if (key->kind == Key::kText) return "text:" + key->text;
  return kNames[key->kind];
}

TEST(TerminalInputTest, RemoteKeysEverywhere) {
  eWindow window(1);
  auto* box = new eCheckbox(&window);
  auto* field = new eTextInputField(&window);
  field->setText("ab");
  const struct {
    TerminalKey key;
    const char* on_box;
    const char* on_field;
  } kCases[] = {
      {{TK::kUp}, "up", "up"},
      {{TK::kDown}, "down", "down"},
      {{TK::kLeft}, "left", "left"},
      {{TK::kRight}, "right", "right"},
      {{TK::kEnter}, "ok", "ok"},
      {{TK::kEscape}, "exit", "exit"},
      {{TK::kF1}, "red", "red"},
      {{TK::kF2}, "green", "green"},
      {{TK::kF3}, "yellow", "yellow"},
      {{TK::kF4}, "blue", "blue"},
      {typed('0'), "0", "0"},
      {typed('9'), "9", "9"},
      {typed('r'), "red", "text:abr"},
      {typed('G'), "green", "text:abG"},
      {typed('y'), "yellow", "text:aby"},
      {typed('b'), "blue", "text:abb"},
      {typed('x'), "-", "text:abx"},
      {typed(' '), "-", "text:ab "},
      {typed(U'ä'), "-", "text:abä"},
      {typed(U'€'), "-", "text:ab€"},
      {typed(U'😀'), "-", "text:ab😀"},
      {typed(1), "-", "-"},       // control codes are not typed
      {typed(0x85), "-", "-"},
      {typed(0xD800), "-", "-"},  // no character
      {{TK::kBackspace}, "-", "text:a"},
      {{TK::kOther}, "-", "-"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(describe(remoteKeyFor(c.key, box)), c.on_box)
        << c.key.kind << " " << static_cast<long>(c.key.ch);
    EXPECT_EQ(describe(remoteKeyFor(c.key, field)), c.on_field)
        << c.key.kind << " " << static_cast<long>(c.key.ch);
  }
  EXPECT_EQ(describe(remoteKeyFor(typed('r'), nullptr)), "red");
}

TEST(TerminalInputTest, BackspaceDeletesTheLastCharacter) {
  eWindow window(1);
  auto* field = new eTextInputField(&window);
  const struct {
    const char* text;
    const char* left;
  } kCases[] = {
      {"München", "text:Münche"},
      {"Mü", "text:M"},
      {"/€", "text:/"},
      {"a😀", "text:a"},
      {"x", "text:"},
      {"M\xFC", "text:M"},        // Latin-1: one byte
      {"a\x80\x80", "text:a\x80"},  // stray continuation bytes: one byte
      {"a\xE2\x82", "text:a\xE2"},  // a cut sequence: one byte
      {"", "-"},
  };
  for (const auto& c : kCases) {
    field->setText(c.text);
    EXPECT_EQ(describe(remoteKeyFor({TK::kBackspace}, field)), c.left) << c.text;
  }
}

}  // namespace
}  // namespace standin
