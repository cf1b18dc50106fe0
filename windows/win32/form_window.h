// A window, drawn with plain Win32 from its form table: STATIC labels that
// size themselves to their captions, EDIT boxes that clean what enters
// them, BUTTON controls, frames that clip their children, and the logo;
// the chart is painted beneath every control.
#ifndef WAVECALC_WINDOWS_WIN32_FORM_WINDOW_H_
#define WAVECALC_WINDOWS_WIN32_FORM_WINDOW_H_

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "core/board.h"
#include "windows/forms/form_spec.h"
#include "windows/forms/texts.h"
#include "windows/win32/pictures.h"

namespace wave {

class FormWindow {
 public:
  explicit FormWindow(const FormSpec& form);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow();

  HWND hwnd() const { return hwnd_; }
  const FormSpec& form() const { return form_; }
  UINT dpi() const { return dpi_; }
  HMENU menu() const { return menu_; }

  // A control by its table name, or null; and the name of a control.
  HWND Control(std::string_view name) const;
  std::string_view NameOf(HWND control) const;
  // What a label shows, or a box or button holds, in UTF-8.
  std::string Text(std::string_view control) const;
  // The rule a value label's tip explains.
  std::string Tooltip(std::string_view label) const;
  HWND tooltip() const { return tooltip_; }

  // Shown, centred on its monitor's work area the first time.
  void MakeVisible();
  // Hidden without destroying: boxes, captions and the board stay.
  void Hide();

  // The keys this window handles before the dialog manager: Tab in table
  // order, Enter, and the menu's shortcuts. True when msg was taken.
  bool Translate(MSG* msg);

  void Run(const ButtonRow& button);
  void RunMenu(MenuCommand command);
  // Enables "复制" while a caption is selected, and checks "窗口置顶".
  void PrepareMenu();

  // The window of ours that holds a control or is one, or null.
  static FormWindow* Of(HWND window);

 private:
  struct Child;

  static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK BoxProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                  DWORD_PTR);
  static LRESULT CALLBACK LabelProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                    DWORD_PTR);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  void CreateChildren();
  void AddHelp();
  void NameValue(const Child& label);
  void Layout();
  void FitFrame();
  RECT ClientRect() const;
  void Dress(Child& child);
  HFONT FontFor(const FontSpec& font, bool half_em_cells = false);
  Child* ChildOf(HWND control);
  Child* Named(std::string_view name) const;
  void SetCaption(Child& label, std::wstring caption);
  SIZE Measure(Child& label, HDC dc);
  void FitLabel(Child& label);
  int CursorAt(const Child& label, int x) const;
  void Select(Child& label, int from, int to);
  void Insert(Child& box, std::wstring text);
  void Draw(const DRAWITEMSTRUCT& item);
  void Paint();
  void ShowMenu(LPARAM where);
  void ApplyStaysOnTop();
  void Report(const std::string& text);
  Picture PlainPicture();
  void CopyPicture();
  void SavePicture();

  const FormSpec& form_;
  std::unique_ptr<Board> board_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  HMENU menu_ = nullptr;
  UINT dpi_ = 96;
  UINT fonts_dpi_ = 0;  // the density fonts_ were made for
  std::vector<std::unique_ptr<Child>> children_;
  std::map<std::tuple<int, bool, bool>, HFONT> fonts_;
  HWND focus_ = nullptr;  // restored when the window is active again
  Child* selected_ = nullptr;
  bool shown_before_ = false;
  bool plain_look_ = false;  // for pictures: no selection shown
};

}  // namespace wave

#endif  // WAVECALC_WINDOWS_WIN32_FORM_WINDOW_H_
