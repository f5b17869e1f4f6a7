// The remote-control lock and the recordings reload. In the stand-in they
// only report themselves: the modal loops check the lock before taking a
// key, and there is no recordings list to reload.
#include "host/services.h"

#include "host/standin/session.h"

eRCInput* eRCInput::getInstance() {
  static eRCInput instance;
  return &instance;
}

void eRCInput::lock() {
  locked_ = true;
  standin::recordEvent("lock");
}

void eRCInput::unlock() {
  locked_ = false;
  standin::recordEvent("unlock");
}

eZapMain* eZapMain::getInstance() {
  static eZapMain instance;
  return &instance;
}

void eZapMain::loadRecordings(bool) { standin::recordEvent("reload"); }
