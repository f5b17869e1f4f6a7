// Key actions: the host turns remote-control keys into actions of named
// sets, and delivers them to the focused window as events.
#ifndef TESSAROLL_HOST_ACTIONS_H_
#define TESSAROLL_HOST_ACTIONS_H_

class eActionMap;

class eAction {
 public:
  eAction(eActionMap& map, const char* name);
  eAction(const eAction&) = delete;
  eAction& operator=(const eAction&) = delete;
  const char* getIdentifier() const { return name_; }
  const eActionMap& getMap() const { return map_; }

 private:
  eActionMap& map_;
  const char* name_;
};

class eActionMap {
 public:
  explicit eActionMap(const char* name) : name_(name) {}
  eActionMap(const eActionMap&) = delete;
  eActionMap& operator=(const eActionMap&) = delete;
  const char* getIdentifier() const { return name_; }

 private:
  const char* name_;
};

/// Cursor keys, ok and exit. Every window receives these.
struct eCursorActions {
  eActionMap map{"cursor"};
  eAction up{map, "up"}, down{map, "down"}, left{map, "left"},
      right{map, "right"}, ok{map, "ok"}, cancel{map, "cancel"};
};

/// The coloured keys. A window sees them in its event handler only after
/// adding `map` with eWidget::addActionMap; otherwise the host presses the
/// button that carries the key as its shortcut.
struct eShortcutActions {
  eActionMap map{"shortcut"};
  eAction red{map, "red"}, green{map, "green"}, yellow{map, "yellow"},
      blue{map, "blue"};
};

extern eCursorActions* i_cursorActions;
extern eShortcutActions* i_shortcutActions;

struct eWidgetEvent {
  enum eventType { evtKey = 1, evtAction = 15 };
  int type;
  const eAction* action;  // set when type is evtAction
};

#endif  // TESSAROLL_HOST_ACTIONS_H_
