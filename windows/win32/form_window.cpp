#include "windows/win32/form_window.h"

#include <commctrl.h>
#include <imm.h>
#include <shlobj.h>

#include <algorithm>
#include <cmath>
#include <cwctype>

#include "core/run_error.h"
#include "windows/forms/maker_page.h"
#include "windows/forms/operation.h"
#include "windows/forms/price_text.h"
#include "windows/forms/rules.h"
#include "windows/win32/dpi.h"
#include "windows/win32/pictures.h"
#include "windows/win32/program.h"
#include "windows/win32/seams.h"
#include "windows/win32/system_function.h"
#include "windows/win32/text.h"

namespace wave {

namespace {

constexpr wchar_t kFormClass[] = L"WavecalcForm";
constexpr wchar_t kFrameClass[] = L"WavecalcFrame";
// Private messages start at WM_APP, clear of what controls use WM_USER for.
constexpr UINT kTellTooLong = WM_APP + 1;
constexpr UINT kAddHelp = WM_APP + 2;
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// Whether the windows stay above others; one setting for the whole run.
bool& StaysOnTop() {
  static bool on = false;
  return on;
}

COLORREF ColourOr(const Colour& colour, int system_colour) {
  // &H00BBGGRR& is a COLORREF already.
  return colour ? static_cast<COLORREF>(*colour) : GetSysColor(system_colour);
}

bool IsAscii(wchar_t c) { return c >= 0x20 && c < 0x7F; }

std::u16string_view Utf16(const std::wstring& text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// "Ctrl+Shift+C" as modifiers and a key.
struct Keys {
  bool control = false, shift = false, alt = false;
  UINT key = 0;
};

Keys ParseKeys(std::string_view text) {
  Keys keys;
  while (true) {
    const std::size_t plus = text.find('+');
    if (plus == std::string_view::npos) break;
    const std::string_view modifier = text.substr(0, plus);
    keys.control |= modifier == "Ctrl";
    keys.shift |= modifier == "Shift";
    keys.alt |= modifier == "Alt";
    text.remove_prefix(plus + 1);
  }
  if (text.size() == 1) keys.key = static_cast<UINT>(std::towupper(text[0]));
  return keys;
}

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

struct FormWindow::Child {
  const ControlSpec* row = nullptr;
  HWND hwnd = nullptr;
  int id = 0;
  const CaptionInfo* value = nullptr;  // for the board's captions
  std::wstring caption;                // labels
  std::vector<int> cells;              // each unit's advance, labels
  std::wstring tip;                    // value labels
  int selection_start = 0, selection_end = 0, anchor = -1;
  wchar_t pending_high = 0;  // boxes: a typed high surrogate
};

FormWindow::FormWindow(const FormSpec& form)
    : form_(form), board_(form.make_board()) {
  static const bool registered = [] {
    WNDCLASSEXW form_class{};
    form_class.cbSize = sizeof form_class;
    form_class.lpfnWndProc = &FormWindow::FormProc;
    form_class.hInstance = GetModuleHandleW(nullptr);
    form_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form_class.hIcon = LoadIconW(form_class.hInstance, L"IDI_ICON1");
    form_class.lpszClassName = kFormClass;
    RegisterClassExW(&form_class);
    WNDCLASSEXW frame_class = form_class;
    frame_class.lpfnWndProc = &FormWindow::FrameProc;
    frame_class.hIcon = nullptr;
    frame_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frame_class.lpszClassName = kFrameClass;
    RegisterClassExW(&frame_class);
    return true;
  }();
  (void)registered;
  // Made at the size of the system's density, then sized for its own
  // monitor's where that differs; the controls are made at the monitor's.
  const UINT system_dpi = DpiOf(nullptr);
  dpi_ = system_dpi;
  const RECT framed = FramedRect(ClientRect(), kFormStyle, 0, dpi_);
  hwnd_ = CreateWindowExW(
      0, kFormClass, Wide(form.title).c_str(), kFormStyle, CW_USEDEFAULT,
      CW_USEDEFAULT, framed.right - framed.left, framed.bottom - framed.top,
      nullptr, nullptr, GetModuleHandleW(nullptr), this);
  dpi_ = fonts_dpi_ = DpiOf(hwnd_);
  CreateChildren();
  menu_ = CreatePopupMenu();
  for (const MenuItem& item : ResultsMenu()) {
    if (item.separator_before) AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    std::wstring text = Wide(item.text);
    if (!item.keys.empty()) text += L"\t" + Wide(item.keys);
    AppendMenuW(menu_, MF_STRING,
                kFirstMenuId + static_cast<UINT_PTR>(item.command),
                text.c_str());
  }
  if (dpi_ != system_dpi) FitFrame();
}

FormWindow::~FormWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (menu_ != nullptr) DestroyMenu(menu_);
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

FormWindow* FormWindow::Of(HWND window) {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root == nullptr) return nullptr;
  wchar_t name[32] = {};
  GetClassNameW(root, name, 32);
  if (std::wstring_view(name) != kFormClass) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

void FormWindow::CreateChildren() {
  const std::span<const CaptionInfo> captions = form_.captions();
  // Each container stacks its controls as designed, the last on top. A new
  // child window goes beneath its siblings, so each container's controls
  // are made from the top down and none is moved in the stack later. The
  // form's own come first: every frame is there before what it holds.
  std::vector<std::string_view> containers = {kOnForm};
  for (const ControlSpec& row : form_.controls) {
    if (row.kind == ControlKind::kFrame) containers.push_back(row.name);
  }
  HDC screen = GetDC(nullptr);
  int id = kFirstControlId;
  for (std::string_view container : containers) {
    const std::vector<std::string_view> stacked =
        StackingOrder(form_, container);
    for (auto name = stacked.rbegin(); name != stacked.rend(); ++name) {
      const ControlSpec& row = *FindControl(form_, *name);
      auto child = std::make_unique<Child>();
      child->row = &row;
      child->id = id++;
      for (const CaptionInfo& caption : captions) {
        if (caption.name == row.name) child->value = &caption;
      }
      HWND parent = row.parent.empty() ? hwnd_ : Control(row.parent);
      const wchar_t* window_class = L"STATIC";
      DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
      DWORD ex_style = 0;
      std::wstring text = Wide(row.caption);
      SIZE size = {TwipsToPixels(row.width, dpi_),
                   TwipsToPixels(row.height, dpi_)};
      switch (row.kind) {
        case ControlKind::kLabel:
          // Made at the size of its first caption, which a value label
          // takes from the board.
          if (child->value != nullptr) {
            text = Wide(board_->Text(row.name));
            child->tip = Wide(child->value->rule);
          }
          child->caption = text;
          size = Measure(*child, screen);
          style |= SS_OWNERDRAW | SS_NOTIFY;
          break;
        case ControlKind::kImage:
          style |= SS_OWNERDRAW | SS_NOTIFY;
          break;
        case ControlKind::kTextBox:
          window_class = L"EDIT";
          style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
          ex_style = WS_EX_CLIENTEDGE;
          break;
        case ControlKind::kButton:
          window_class = L"BUTTON";
          style |= WS_TABSTOP | BS_PUSHBUTTON;
          break;
        case ControlKind::kDefaultButton:
          window_class = L"BUTTON";
          style |= WS_TABSTOP | BS_DEFPUSHBUTTON;
          break;
        case ControlKind::kGraphicalButton:
          window_class = L"BUTTON";
          style |= WS_TABSTOP | BS_OWNERDRAW;
          break;
        case ControlKind::kFrame:
          window_class = kFrameClass;
          style |= WS_CLIPCHILDREN;
          ex_style = WS_EX_CONTROLPARENT;
          break;
      }
      child->hwnd = CreateWindowExW(
          ex_style, window_class, text.c_str(), style,
          TwipsToPixels(row.left, dpi_), TwipsToPixels(row.top, dpi_), size.cx,
          size.cy, parent,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(child->id)),
          GetModuleHandleW(nullptr), nullptr);
      Dress(*child);
      if (row.kind == ControlKind::kLabel || row.kind == ControlKind::kImage) {
        SetWindowSubclass(child->hwnd, &FormWindow::LabelProc, 0,
                          reinterpret_cast<DWORD_PTR>(this));
      } else if (row.kind == ControlKind::kTextBox) {
        // The box's own limit stays out of the way: every edit that would
        // pass ours is refused whole, with a message, not cut short.
        SendMessageW(child->hwnd, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        SetWindowSubclass(child->hwnd, &FormWindow::BoxProc, 0,
                          reinterpret_cast<DWORD_PTR>(this));
      } else if (row.kind == ControlKind::kDefaultButton) {
        SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(child->id), 0);
      }
      children_.push_back(std::move(child));
    }
  }
  ReleaseDC(nullptr, screen);
}

// The tips and the names for screen readers, added once the window has
// first been painted: the libraries they load would only delay it.
void FormWindow::AddHelp() {
  if (tooltip_ != nullptr) return;
  // The tips are owned by no window: under Wine, an owner of a topmost
  // tooltip cannot itself be made topmost for "窗口置顶".
  tooltip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
  for (const auto& child : children_) {
    switch (child->row->kind) {
      case ControlKind::kImage:
        NameForScreenReaders(child->hwnd, Wide(kLogoAccessibleName));
        break;
      case ControlKind::kTextBox:
        NameForScreenReaders(
            child->hwnd,
            Wide(BoxAccessibleName(form_, *board_, child->row->name)));
        break;
      default:
        break;
    }
    if (child->value == nullptr) continue;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(child->hwnd);
    tool.lpszText = child->tip.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    NameValue(*child);
  }
}

void FormWindow::NameValue(const Child& label) {
  NameForScreenReaders(
      label.hwnd, Wide(ValueAccessibleName(*label.value, Utf8(label.caption))),
      label.tip);
}

HFONT FormWindow::FontFor(const FontSpec& font, bool half_em_cells) {
  const FontSpec designed = font.points == 0 ? kProgramFont : font;
  const auto key = std::make_tuple(static_cast<int>(designed.points * 100),
                                   designed.bold, half_em_cells);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    const int height = -static_cast<int>(
        std::lround(designed.points * static_cast<double>(dpi_) / 72));
    const auto create = [&](int width) {
      return CreateFontW(
          height, width, 0, 0, designed.bold ? FW_BOLD : FW_NORMAL, FALSE,
          FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
          Wide(kDesignedFace).c_str());
    };
    HFONT made = create(0);
    if (half_em_cells) {
      // A box lays out its own text, so there a face whose digits are wider
      // than the designed faces' half-em cells is narrowed to them.
      HDC screen = GetDC(nullptr);
      HGDIOBJ old = SelectObject(screen, made);
      TEXTMETRICW metrics{};
      GetTextMetricsW(screen, &metrics);
      SIZE digit{};
      GetTextExtentPoint32W(screen, L"0", 1, &digit);
      SelectObject(screen, old);
      ReleaseDC(nullptr, screen);
      const int half_em = -height / 2;
      if (digit.cx > half_em) {
        DeleteObject(made);
        made = create(static_cast<int>(std::lround(
            static_cast<double>(metrics.tmAveCharWidth) * half_em / digit.cx)));
      }
    }
    it = fonts_.emplace(key, made).first;
  }
  return it->second;
}

RECT FormWindow::ClientRect() const {
  return {0, 0, TwipsToPixels(form_.width, dpi_),
          TwipsToPixels(form_.height, dpi_)};
}

// A control's font and margins.
void FormWindow::Dress(Child& child) {
  const ControlSpec& row = *child.row;
  SendMessageW(child.hwnd, WM_SETFONT,
               reinterpret_cast<WPARAM>(
                   FontFor(row.font, row.kind == ControlKind::kTextBox)),
               FALSE);
  if (row.kind == ControlKind::kTextBox) {
    // Thin margins, so a four-digit price fits the narrower box in any of
    // the Song faces.
    SendMessageW(child.hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELONG(1, 1));
  }
}

void FormWindow::Layout() {
  // Fonts made for another density go; those of this one are kept.
  if (fonts_dpi_ != dpi_) {
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
    fonts_dpi_ = dpi_;
  }
  for (const auto& child : children_) {
    const ControlSpec& row = *child->row;
    SetWindowPos(child->hwnd, nullptr, TwipsToPixels(row.left, dpi_),
                 TwipsToPixels(row.top, dpi_), TwipsToPixels(row.width, dpi_),
                 TwipsToPixels(row.height, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Dress(*child);
    if (row.kind == ControlKind::kLabel) FitLabel(*child);
  }
  FitFrame();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// The window's frame around its client area at this density.
void FormWindow::FitFrame() {
  const RECT framed = FramedRect(ClientRect(), kFormStyle, 0, dpi_);
  SetWindowPos(hwnd_, nullptr, 0, 0, framed.right - framed.left,
               framed.bottom - framed.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every ASCII character takes a cell half an em wide, as in the Song faces
// the windows were designed with, whatever face stands in for them; other
// characters keep their own width. Returns the size the caption takes.
SIZE FormWindow::Measure(Child& label, HDC dc) {
  HGDIOBJ old = SelectObject(dc, FontFor(label.row->font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const double half_em = (metrics.tmHeight - metrics.tmInternalLeading) / 2.0;
  label.cells.assign(label.caption.size(), 0);
  double x = 0;
  for (std::size_t i = 0; i < label.caption.size(); ++i) {
    const double before = x;
    const wchar_t c = label.caption[i];
    if (IsAscii(c)) {
      x += half_em;
    } else {
      const bool pair =
          c >= 0xD800 && c < 0xDC00 && i + 1 < label.caption.size();
      SIZE size{};
      GetTextExtentPoint32W(dc, label.caption.data() + i, pair ? 2 : 1, &size);
      x += size.cx;
      if (pair) {
        label.cells[i] = static_cast<int>(std::lround(x) - std::lround(before));
        ++i;  // the low half takes no room of its own
        continue;
      }
    }
    label.cells[i] = static_cast<int>(std::lround(x) - std::lround(before));
  }
  SelectObject(dc, old);
  return {static_cast<LONG>(std::lround(x)), metrics.tmHeight};
}

void FormWindow::FitLabel(Child& label) {
  HDC dc = GetDC(label.hwnd);
  const SIZE size = Measure(label, dc);
  ReleaseDC(label.hwnd, dc);
  SetWindowPos(label.hwnd, nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label.hwnd, nullptr, TRUE);
}

void FormWindow::SetCaption(Child& label, std::wstring caption) {
  if (selected_ == &label) selected_ = nullptr;
  label.selection_start = label.selection_end = 0;
  label.caption = std::move(caption);
  SetWindowTextW(label.hwnd, label.caption.c_str());
  FitLabel(label);
  if (label.value != nullptr && tooltip_ != nullptr) NameValue(label);
}

int FormWindow::CursorAt(const Child& label, int x) const {
  int left = 0;
  for (std::size_t i = 0; i < label.cells.size(); ++i) {
    if (label.cells[i] == 0) continue;  // the low half of a pair
    if (x < left + label.cells[i] / 2) return static_cast<int>(i);
    left += label.cells[i];
  }
  return static_cast<int>(label.cells.size());
}

// One selection per window, so "复制" knows what to copy.
void FormWindow::Select(Child& label, int from, int to) {
  if (selected_ != nullptr && selected_ != &label) {
    selected_->selection_start = selected_->selection_end = 0;
    InvalidateRect(selected_->hwnd, nullptr, TRUE);
  }
  label.selection_start = std::min(from, to);
  label.selection_end = std::max(from, to);
  selected_ = label.selection_end > label.selection_start ? &label : nullptr;
  InvalidateRect(label.hwnd, nullptr, TRUE);
}

void FormWindow::Insert(Child& box, std::wstring text) {
  DWORD start = 0, end = 0;
  SendMessageW(box.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  const std::wstring current = WindowText(box.hwnd);
  start = std::min<DWORD>(start, static_cast<DWORD>(current.size()));
  end = std::clamp<DWORD>(end, start, static_cast<DWORD>(current.size()));
  const std::wstring proposed =
      current.substr(0, start) + text + current.substr(end);
  if (!FitsPriceBox(proposed.size())) {
    // Told once the box has its text back, after this message is handled.
    PostMessageW(hwnd_, kTellTooLong, 0, 0);
    return;
  }
  const CleanedPrice clean = CleanPrice(
      Utf16(proposed), start, start + text.size(), start + text.size());
  const std::wstring shown(clean.text.begin(), clean.text.end());
  SetWindowTextW(box.hwnd, shown.c_str());
  SendMessageW(box.hwnd, EM_SETSEL, clean.cursor, clean.cursor);
}

FormWindow::Child* FormWindow::ChildOf(HWND control) {
  for (const auto& child : children_) {
    if (child->hwnd == control) return child.get();
  }
  return nullptr;
}

FormWindow::Child* FormWindow::Named(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->row->name == name) return child.get();
  }
  return nullptr;
}

HWND FormWindow::Control(std::string_view name) const {
  const Child* child = Named(name);
  return child ? child->hwnd : nullptr;
}

std::string_view FormWindow::NameOf(HWND control) const {
  for (const auto& child : children_) {
    if (child->hwnd == control) return child->row->name;
  }
  return {};
}

std::string FormWindow::Text(std::string_view control) const {
  const Child* child = Named(control);
  if (child == nullptr) return {};
  if (child->row->kind == ControlKind::kLabel) return Utf8(child->caption);
  return Utf8(WindowText(child->hwnd));
}

std::string FormWindow::Tooltip(std::string_view label) const {
  const Child* child = Named(label);
  return child ? Utf8(child->tip) : std::string();
}

void FormWindow::MakeVisible() {
  if (!shown_before_) {
    shown_before_ = true;
    // Win32 knows the frame before the window shows: it is placed once.
    RECT frame{};
    GetWindowRect(hwnd_, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& work = monitor.rcWork;
    const Rect placed = CentredFrame(
        frame.right - frame.left, frame.bottom - frame.top,
        {work.left, work.top, work.right - work.left, work.bottom - work.top});
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<std::string_view> order = TabOrder(form_);
    if (!order.empty()) focus_ = Control(order.front());
  }
  ApplyStaysOnTop();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (focus_ != nullptr) SetFocus(focus_);
}

void FormWindow::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void FormWindow::ApplyStaysOnTop() {
  SetWindowPos(hwnd_, StaysOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool FormWindow::Translate(MSG* msg) {
  if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
    HWND focus = GetFocus();
    Child* focused = focus ? ChildOf(focus) : nullptr;
    if (msg->wParam == VK_TAB && !Down(VK_CONTROL) && !Down(VK_MENU)) {
      const std::vector<std::string_view> order = TabOrder(form_);
      if (order.empty()) return true;
      auto at = std::find(order.begin(), order.end(), NameOf(focus));
      std::size_t next = 0;
      if (at != order.end()) {
        const std::size_t here = static_cast<std::size_t>(at - order.begin());
        next = Down(VK_SHIFT) ? (here + order.size() - 1) % order.size()
                              : (here + 1) % order.size();
      }
      HWND target = Control(order[next]);
      SetFocus(target);
      if (Named(order[next])->row->kind == ControlKind::kTextBox) {
        SendMessageW(target, EM_SETSEL, 0, -1);
      }
      return true;
    }
    if (msg->wParam == VK_RETURN && focused != nullptr) {
      if (IsButton(focused->row->kind)) {
        SendMessageW(focused->hwnd, BM_CLICK, 0, 0);
        return true;
      }
      if (focused->row->kind == ControlKind::kTextBox) {
        const LRESULT id = SendMessageW(hwnd_, DM_GETDEFID, 0, 0);
        if (HIWORD(id) == DC_HASDEFID) {
          for (const auto& child : children_) {
            if (child->id == LOWORD(id)) {
              SendMessageW(child->hwnd, BM_CLICK, 0, 0);
            }
          }
        }
        return true;
      }
    }
    for (const MenuItem& item : ResultsMenu()) {
      if (item.keys.empty()) continue;
      const Keys keys = ParseKeys(item.keys);
      if (msg->wParam == keys.key && Down(VK_CONTROL) == keys.control &&
          Down(VK_SHIFT) == keys.shift && Down(VK_MENU) == keys.alt) {
        RunMenu(item.command);
        return true;
      }
    }
  }
  return IsDialogMessageW(hwnd_, msg) != FALSE;
}

void FormWindow::Report(const std::string& text) {
  PresentMessage(hwnd_, Wide(MessageTitle(form_)), Wide(text));
}

void FormWindow::Run(const ButtonRow& button) {
  switch (button.action) {
    case Action::kSwitch:
      ShowFormWindow(button.other);
      Hide();
      return;
    case Action::kOpenMakerPage:
      if (!Launch(Wide(MakerPageCommand()), SW_SHOWMINIMIZED)) {
        Report(ErrorText(RunError(ErrorKind::kLaunchFailure)));
      }
      return;
    case Action::kCalculate:
    case Action::kAdjust:
    case Action::kClear:
      break;
  }
  const OperationResult result = RunOperation(
      form_, *board_, button,
      [this](std::string_view box) { return Utf8(WindowText(Control(box))); });
  for (const CaptionText& caption : result.captions) {
    if (Child* label = Named(caption.label)) {
      SetCaption(*label, Wide(caption.text));
    }
  }
  if (result.error) {
    UpdateWindow(hwnd_);  // the captions show while the report is up
    Report(ErrorText(*result.error));
  }
}

// The client area as the screen shows it, without the marks of editing:
// the focus and caret, and the selections, which come back afterwards.
Picture FormWindow::PlainPicture() {
  HWND focus = GetFocus();
  plain_look_ = true;
  SetFocus(hwnd_);
  RedrawWindow(hwnd_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const Picture picture = CapturePicture(hwnd_);
  plain_look_ = false;
  if (focus != nullptr) SetFocus(focus);
  RedrawWindow(hwnd_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return picture;
}

void FormWindow::CopyPicture() {
  CopyPictureToClipboard(hwnd_, PlainPicture());
}

void FormWindow::SavePicture() {
  std::wstring folder;
  wchar_t* pictures = nullptr;
  static const auto known_folder =
      SystemFunction<decltype(&SHGetKnownFolderPath)>(L"shell32.dll",
                                                      "SHGetKnownFolderPath");
  if (known_folder != nullptr &&
      SUCCEEDED(known_folder(FOLDERID_Pictures, 0, nullptr, &pictures))) {
    folder = pictures;
  }
  CoTaskMemFree(pictures);
  const std::wstring suggested =
      (folder.empty() ? std::wstring() : folder + L"\\") +
      Wide(PictureFileName(form_.picture_stem, Now()));
  const std::wstring path = AskSavePath(hwnd_, suggested);
  if (path.empty()) return;
  const SaveResult saved = SavePng(path, EncodePng(PlainPicture()));
  if (saved.failure) {
    Report(SaveFailureText(Utf8(path), *saved.failure, Utf8(saved.detail)));
  }
}

void FormWindow::RunMenu(MenuCommand command) {
  switch (command) {
    case MenuCommand::kCopySelection:
      if (selected_ != nullptr) {
        SetClipboardText(
            hwnd_, selected_->caption.substr(
                       static_cast<std::size_t>(selected_->selection_start),
                       static_cast<std::size_t>(selected_->selection_end -
                                                selected_->selection_start)));
      }
      break;
    case MenuCommand::kCopyAllResults:
      SetClipboardText(
          hwnd_, Wide(CopyAllText(form_.captions(), [this](std::string_view n) {
            return Text(n);
          })));
      break;
    case MenuCommand::kCopyPicture:
      CopyPicture();
      break;
    case MenuCommand::kSavePicture:
      SavePicture();
      break;
    case MenuCommand::kStayOnTop:
      StaysOnTop() = !StaysOnTop();
      ApplyStaysOnTop();
      break;
  }
}

void FormWindow::PrepareMenu() {
  const UINT copy =
      kFirstMenuId + static_cast<UINT>(MenuCommand::kCopySelection);
  const UINT on_top = kFirstMenuId + static_cast<UINT>(MenuCommand::kStayOnTop);
  EnableMenuItem(menu_, copy, selected_ ? MF_ENABLED : MF_GRAYED);
  CheckMenuItem(menu_, on_top, StaysOnTop() ? MF_CHECKED : MF_UNCHECKED);
}

void FormWindow::ShowMenu(LPARAM where) {
  POINT at = {static_cast<short>(LOWORD(where)),
              static_cast<short>(HIWORD(where))};
  if (where == -1) {  // from the keyboard
    at = {0, 0};
    ClientToScreen(hwnd_, &at);
  }
  PrepareMenu();
  TrackPopupMenu(menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
}

void FormWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd_, &paint);
  HBRUSH back = CreateSolidBrush(ColourOr(form_.back, COLOR_BTNFACE));
  FillRect(dc, &paint.rcPaint, back);
  DeleteObject(back);
  DrawAsset(dc, form_.background, dpi_);
  EndPaint(hwnd_, &paint);
}

void FormWindow::Draw(const DRAWITEMSTRUCT& item) {
  Child* child = ChildOf(item.hwndItem);
  if (child == nullptr) return;
  HDC dc = item.hDC;
  RECT box = item.rcItem;
  const ControlSpec& row = *child->row;
  SelectObject(dc, FontFor(row.font));
  if (row.kind == ControlKind::kLabel) {
    SetBkColor(dc, ColourOr(row.back, COLOR_BTNFACE));
    SetTextColor(dc, ColourOr(row.fore, COLOR_BTNTEXT));
    const UINT length = static_cast<UINT>(child->caption.size());
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, child->caption.c_str(), length,
                child->cells.data());
    if (!plain_look_ && child->selection_end > child->selection_start) {
      int left = 0;
      for (int i = 0; i < child->selection_start; ++i) left += child->cells[i];
      int right = left;
      for (int i = child->selection_start; i < child->selection_end; ++i) {
        right += child->cells[i];
      }
      RECT selected = {left, box.top, right, box.bottom};
      SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
      SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &selected,
                  child->caption.c_str(), length, child->cells.data());
    }
  } else if (row.kind == ControlKind::kImage) {
    FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawAsset(dc, row.picture, dpi_);
  } else if (row.kind == ControlKind::kGraphicalButton) {
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = (item.itemState & ODS_FOCUS) && !plain_look_;
    if (focused) {  // the default mark: it is what Enter presses now
      FrameRect(dc, &box, GetSysColorBrush(COLOR_WINDOWFRAME));
      InflateRect(&box, -1, -1);
    }
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT face = box;
    InflateRect(&face, -2, -2);
    HBRUSH pink = CreateSolidBrush(ColourOr(row.back, COLOR_BTNFACE));
    FillRect(dc, &face, pink);
    DeleteObject(pink);
    if (pushed) OffsetRect(&face, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const std::wstring caption = Wide(row.caption);
    DrawTextW(dc, caption.c_str(), -1, &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (focused) {
      InflateRect(&face, -2, -2);
      DrawFocusRect(dc, &face);
    }
  }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted with the chart
    case WM_PAINT:
      Paint();
      if (tooltip_ == nullptr) PostMessageW(hwnd_, kAddHelp, 0, 0);
      return 0;
    case kAddHelp:
      AddHelp();
      return 0;
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id >= kFirstMenuId) {
        RunMenu(static_cast<MenuCommand>(id - kFirstMenuId));
        return 0;
      }
      const int code = HIWORD(wparam);
      for (const auto& child : children_) {
        if (child->id != id) continue;
        const ButtonRow* button = FindButton(form_, child->row->name);
        if (button != nullptr && (code == BN_CLICKED || code == STN_CLICKED)) {
          Run(*button);
        }
      }
      return 0;
    }
    case WM_CONTEXTMENU:
      ShowMenu(lparam);
      return 0;
    case DM_GETDEFID:
      for (const auto& child : children_) {
        if (child->row->kind == ControlKind::kDefaultButton) {
          return MAKELRESULT(child->id, DC_HASDEFID);
        }
      }
      return 0;
    case DM_SETDEFID:
      return TRUE;  // the table names the default button
    case kTellTooLong:
      Report(TooLongText());
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && ChildOf(focus) != nullptr) focus_ = focus;
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      Layout();
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left,
                   suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      // Either window ends the program, also while the other is hidden.
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK FormWindow::FormProc(HWND window, UINT message, WPARAM wparam,
                                      LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* form = static_cast<FormWindow*>(create->lpCreateParams);
    form->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form =
      reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return form ? form->Handle(message, wparam, lparam)
              : DefWindowProcW(window, message, wparam, lparam);
}

// A frame: a container without caption that clips its children and hands
// what they report to its window.
LRESULT CALLBACK FormWindow::FrameProc(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(window, GA_ROOT), message, wparam,
                          lparam);
    case WM_NCPAINT:  // as a label: no border, and painted whole below
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      RECT edge{};
      GetClientRect(window, &edge);
      FillRect(dc, &edge, GetSysColorBrush(COLOR_BTNFACE));
      DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

LRESULT CALLBACK FormWindow::BoxProc(HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* form = reinterpret_cast<FormWindow*>(data);
  Child* box = form->ChildOf(window);
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: {
      const wchar_t c = static_cast<wchar_t>(wparam);
      if (c < 0x20 && c != L'\t') break;  // editing keys: Backspace, Ctrl+V
      if (c >= 0xD800 && c < 0xDC00) {
        box->pending_high = c;
        return 0;
      }
      std::wstring text;
      if (c >= 0xDC00 && c < 0xE000 && box->pending_high != 0) {
        text.push_back(box->pending_high);
      }
      box->pending_high = 0;
      text.push_back(c);
      form->Insert(*box, std::move(text));
      return 0;
    }
    case WM_IME_COMPOSITION:
      if (lparam & GCS_RESULTSTR) {
        HIMC context = ImmGetContext(window);
        const LONG bytes =
            ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
        std::wstring text(
            static_cast<std::size_t>(std::max(0L, bytes)) / sizeof(wchar_t),
            L'\0');
        if (bytes > 0) {
          ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(),
                                   static_cast<DWORD>(bytes));
        }
        ImmReleaseContext(window, context);
        form->Insert(*box, std::move(text));  // one commit, one edit
        return 0;
      }
      break;
    case WM_PASTE: {
      form->Insert(*box, ClipboardText(window));
      return 0;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// Labels: selection with the mouse on the value labels; the logo: a hand.
LRESULT CALLBACK FormWindow::LabelProc(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam, UINT_PTR,
                                       DWORD_PTR data) {
  auto* form = reinterpret_cast<FormWindow*>(data);
  Child* label = form->ChildOf(window);
  const int x = static_cast<short>(LOWORD(lparam));
  if (label != nullptr && label->row->kind == ControlKind::kImage &&
      message == WM_SETCURSOR) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  // A label or the logo has no border or scroll bar, and paints every
  // pixel of itself: nothing to draw around it, nothing to erase first.
  // Wine spent a millisecond or two a label working that out at each show.
  if (label != nullptr && message == WM_NCPAINT) return 0;
  if (label != nullptr && message == WM_ERASEBKGND) return 1;
  if (label == nullptr || label->value == nullptr) {
    return DefSubclassProc(window, message, wparam, lparam);
  }
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_IBEAM));
      return TRUE;
    case WM_LBUTTONDOWN:
      label->anchor = form->CursorAt(*label, x);
      form->Select(*label, label->anchor, label->anchor);
      SetCapture(window);
      return 0;
    case WM_MOUSEMOVE:
      if (label->anchor >= 0) {
        form->Select(*label, label->anchor,
                     form->CursorAt(*label, std::max(0, x)));
      }
      break;
    case WM_LBUTTONUP:
      if (label->anchor >= 0) {
        form->Select(*label, label->anchor,
                     form->CursorAt(*label, std::max(0, x)));
        label->anchor = -1;
        ReleaseCapture();
      }
      return 0;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace wave
