// The ncurses side of the terminal front end: everything else it needs,
// the picture and the key assignment, is worked out without a terminal.
#include "host/standin/terminal.h"

#include <curses.h>
#include <langinfo.h>
#include <poll.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "host/ewidget.h"
#include "host/standin/screen.h"
#include "host/standin/terminal_input.h"

namespace standin {
namespace {

constexpr int kStopSignals[] = {SIGHUP, SIGINT, SIGTERM};

/// Set by a hangup, Ctrl-C or a termination request: no key will come.
volatile std::sig_atomic_t g_stop = 0;

void onStop(int) { g_stop = 1; }

/// Repeated read errors with no sign of a hangup still mean that no key
/// can come: better to end than to spin.
constexpr int kMaxReadErrors = 100;

/// The screen in use, for restoring the terminal when the process ends
/// without the key source being destroyed (a loop waiting on locked input).
SCREEN* g_live = nullptr;

void restoreAtExit() {
  if (g_live) endwin();
}

/// One colour pair a paint, numbered by the paint.
short pairOf(Paint paint) { return static_cast<short>(paint) + 1; }

struct Look {
  Paint paint;
  short fg, bg;
  attr_t colour_attrs;  // with colours
  attr_t mono_attrs;    // without
};

constexpr Look kLooks[] = {
    {Paint::kScreen, -1, -1, A_NORMAL, A_NORMAL},
    {Paint::kWindow, COLOR_WHITE, COLOR_BLUE, A_NORMAL, A_NORMAL},
    {Paint::kTitle, COLOR_YELLOW, COLOR_BLUE, A_BOLD, A_BOLD},
    {Paint::kField, COLOR_BLACK, COLOR_CYAN, A_NORMAL, A_UNDERLINE},
    {Paint::kButton, COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_BOLD},
    {Paint::kRed, COLOR_WHITE, COLOR_RED, A_BOLD, A_BOLD},
    {Paint::kGreen, COLOR_BLACK, COLOR_GREEN, A_NORMAL, A_BOLD},
    {Paint::kYellow, COLOR_BLACK, COLOR_YELLOW, A_NORMAL, A_BOLD},
    {Paint::kBlue, COLOR_BLUE, COLOR_WHITE, A_BOLD, A_BOLD},
    {Paint::kHighlight, COLOR_YELLOW, COLOR_BLACK, A_BOLD, A_STANDOUT},
    {Paint::kStatus, COLOR_BLACK, COLOR_WHITE, A_NORMAL, A_REVERSE},
};
static_assert(std::size(kLooks) == static_cast<size_t>(Paint::kStatus) + 1,
              "one look a paint, in the order of the paints");

TerminalKey translate(int status, wint_t ch) {
  TerminalKey key;
  if (status == KEY_CODE_YES) {
    switch (ch) {
      case KEY_UP: key.kind = TerminalKey::kUp; break;
      case KEY_DOWN: key.kind = TerminalKey::kDown; break;
      case KEY_LEFT: key.kind = TerminalKey::kLeft; break;
      case KEY_RIGHT: key.kind = TerminalKey::kRight; break;
      case KEY_ENTER: key.kind = TerminalKey::kEnter; break;
      case KEY_BACKSPACE: key.kind = TerminalKey::kBackspace; break;
      case KEY_F(1): key.kind = TerminalKey::kF1; break;
      case KEY_F(2): key.kind = TerminalKey::kF2; break;
      case KEY_F(3): key.kind = TerminalKey::kF3; break;
      case KEY_F(4): key.kind = TerminalKey::kF4; break;
      default: break;
    }
    return key;
  }
  switch (ch) {
    case '\n': case '\r': key.kind = TerminalKey::kEnter; break;
    case 27: key.kind = TerminalKey::kEscape; break;
    case 8: case 127: key.kind = TerminalKey::kBackspace; break;
    default:
      key.kind = TerminalKey::kChar;
      key.ch = static_cast<char32_t>(ch);
  }
  return key;
}

class TerminalKeys : public KeySource {
 public:
  TerminalKeys(SCREEN* screen, FILE* out, bool unicode)
      : screen_(screen), out_(out), unicode_(unicode) {
    set_term(screen_);
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    // Esc is a key of its own here, not the start of a sequence to wait for.
    set_escdelay(25);
    colours_ = has_colors() && start_color() == OK;
    if (colours_) {
      use_default_colors();
      for (const Look& look : kLooks) init_pair(pairOf(look.paint), look.fg, look.bg);
    }
    // These end the run as a closed terminal does, through the loop that
    // waits, rather than ncurses' own handlers, which exit with status 1.
    struct sigaction action {};
    action.sa_handler = onStop;  // no SA_RESTART: a waiting read returns
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kStopSignals); ++i) {
      sigaction(kStopSignals[i], &action, &previous_[i]);
    }
    g_live = screen_;
    static const bool registered = std::atexit(restoreAtExit) == 0;
    (void)registered;
  }
  ~TerminalKeys() override { giveBack(); }
  TerminalKeys(const TerminalKeys&) = delete;
  TerminalKeys& operator=(const TerminalKeys&) = delete;

  std::optional<Key> next(eWidget& modal) override {
    while (screen_) {
      if (g_stop) break;
      draw(&modal);
      wint_t ch = 0;
      int status = wget_wch(stdscr, &ch);
      if (status == ERR) {
        if (inputGone()) break;
        continue;
      }
      read_errors_ = 0;
      if (status == KEY_CODE_YES && ch == KEY_RESIZE) continue;  // redraw
      if (auto key = remoteKeyFor(translate(status, ch), modal.getFocus())) {
        return key;
      }
    }
    giveBack();
    return std::nullopt;
  }

  void refresh() override {
    const std::vector<eWidget*>& windows = visibleWindows();
    if (screen_ && !g_stop) draw(windows.empty() ? nullptr : windows.back());
  }

 private:
  void draw(const eWidget* active) {
    int rows, cols;
    getmaxyx(stdscr, rows, cols);
    Screen screen = drawScreen(visibleWindows(), active, cols, rows, unicode_);
    for (int y = 0; y < screen.height(); ++y) {
      for (int x = 0; x < screen.width(); ++x) {
        const Cell& cell = screen.at(x, y);
        if (cell.glyph.empty()) continue;  // right half of a wide character
        attrset(attrsOf(cell));
        mvaddstr(y, x, cell.glyph.c_str());
      }
    }
    attrset(A_NORMAL);
    if (screen.cursor_x() >= 0) {
      curs_set(1);
      move(screen.cursor_y(), screen.cursor_x());
    } else {
      curs_set(0);
    }
    ::refresh();
  }

  attr_t attrsOf(const Cell& cell) const {
    const Look& look = kLooks[static_cast<int>(cell.paint)];
    attr_t attrs = colours_ ? look.colour_attrs | COLOR_PAIR(pairOf(cell.paint))
                            : look.mono_attrs;
    if (cell.focus) attrs |= A_REVERSE | A_BOLD;
    return attrs;
  }

  /// After a failed read: whether the terminal is gone for good.
  bool inputGone() {
    if (g_stop || ++read_errors_ > kMaxReadErrors) return true;
    pollfd fd{STDIN_FILENO, POLLIN, 0};
    return poll(&fd, 1, 0) > 0 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL));
  }

  void giveBack() {
    if (!screen_) return;
    endwin();
    delscreen(screen_);
    g_live = nullptr;
    for (size_t i = 0; i < std::size(kStopSignals); ++i) {
      sigaction(kStopSignals[i], &previous_[i], nullptr);
    }
    std::fclose(out_);
    screen_ = nullptr;
  }

  SCREEN* screen_;
  FILE* out_;
  bool unicode_;
  bool colours_ = false;
  int read_errors_ = 0;
  struct sigaction previous_[std::size(kStopSignals)] = {};
};

}  // namespace

std::unique_ptr<KeySource> openTerminal(std::string* error) {
  if (!isatty(STDIN_FILENO)) {
    *error = "interactive mode not available: standard input is no terminal"
             " (use --keys FILE for a headless run)";
    return nullptr;
  }
  // Texts are UTF-8 and the terminal's character set comes from the
  // environment; collation stays "C", so that listings keep byte order.
  std::setlocale(LC_CTYPE, "");
  const bool unicode = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  // Drawn on the terminal the keys come from, so that standard output
  // stays free for a transcript.
  const char* tty = ttyname(STDIN_FILENO);
  FILE* out = tty ? std::fopen(tty, "w") : nullptr;
  if (!out) {
    *error = "interactive mode not available: cannot write to the terminal";
    return nullptr;
  }
  SCREEN* screen = newterm(nullptr, out, stdin);
  if (!screen) {
    std::fclose(out);
    const char* term = std::getenv("TERM");
    *error = std::string("interactive mode not available: unknown terminal"
                         " type \"") + (term ? term : "") + "\"";
    return nullptr;
  }
  return std::make_unique<TerminalKeys>(screen, out, unicode);
}

}  // namespace standin
