// Driving the stand-in host from unit tests, without a terminal:
//
//   standin::HeadlessSession s({"right", "ok"});   // answers "No" to a
//   int r = eMessageBox("Sure?", "Q", 12).exec();  // Yes/No box: r == 8
//   EXPECT_EQ(s.events()[0]["event"], "answer");
//
// While a HeadlessSession lives, modal loops take its keys and transcript
// events are kept in memory. When the keys run out while a loop waits, the
// process ends with status 3, as tessaroll-host does: check that with
// EXPECT_EXIT. Sessions nest; each restores what was installed before it.
#ifndef TESSAROLL_HOST_STANDIN_TESTING_H_
#define TESSAROLL_HOST_STANDIN_TESTING_H_

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "host/standin/session.h"

namespace standin {

class HeadlessSession {
 public:
  /// `keys` are key-file lines ("ok", "text:/hdd", "7"); an unknown key
  /// name aborts the test program with a message.
  explicit HeadlessSession(const std::vector<std::string>& keys = {});
  ~HeadlessSession();
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;

  void addKeys(const std::vector<std::string>& keys);
  /// Keys not taken yet.
  size_t keysLeft() const { return keys_.left(); }
  /// The transcript so far: one JSON object a line.
  std::string transcript() const { return out_.str(); }
  /// The transcript so far as a JSON array of the events.
  nlohmann::json events() const;

 private:
  ScriptedKeys keys_;
  std::ostringstream out_;
  KeySource* previous_keys_;
  std::ostream* previous_out_;
};

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_TESTING_H_
