// Host services the plugin uses besides the widget toolkit.
#ifndef TESSAROLL_HOST_SERVICES_H_
#define TESSAROLL_HOST_SERVICES_H_

#include "host/estring.h"

/// The value after "=" on the first line of `file` that starts with
/// `attribute` followed by "=". "&nbsp;" when the file cannot be read or
/// holds no such line.
eString getAttribute(const eString& file, const eString& attribute);

/// Decodes DVB-coded text (ETSI EN 300 468 Annex A) to UTF-8. Reads at most
/// `len` bytes of `data`; the result is always valid UTF-8, with line breaks
/// turned into spaces and other control codes dropped. `table` and
/// `tsidonid` are passed as 0.
eString convertDVBUTF8(const unsigned char* data, int len, int table = 0,
                       int tsidonid = 0);

/// The remote control. While locked, no key reaches any window; keys that
/// arrive meanwhile wait, none is lost.
class eRCInput {
 public:
  static eRCInput* getInstance();
  void lock();
  void unlock();
  bool islocked() const { return locked_; }

 private:
  eRCInput() = default;
  bool locked_ = false;
};

/// The receiver's main application.
class eZapMain {
 public:
  static eZapMain* getInstance();
  /// Re-reads the recordings playlist. `keep_position` false starts the
  /// recordings list from its top.
  void loadRecordings(bool keep_position);

 private:
  eZapMain() = default;
};

#endif  // TESSAROLL_HOST_SERVICES_H_
