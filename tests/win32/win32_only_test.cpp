// What only Win32 can show, under Wine on a desktop of its own: pixels of
// the window, the faces GDI draws with, the frame's place, the launch of
// the maker's page, and saving.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/win32/win32_driver.h"
#include "windows/forms/maker_page.h"
#include "windows/win32/form_window.h"
#include "windows/win32/pictures.h"
#include "windows/win32/text.h"

namespace {

using wave_test::Entry;

class Win32Only : public testing::Test {
 protected:
  void SetUp() override { driver_.Start(); }
  void TearDown() override { driver_.Stop(); }

  void Calculate() {
    driver_.Enter("Form1", "Text1", "3000", Entry::kTyped);
    driver_.Enter("Form1", "Text2", "3500", Entry::kTyped);
    driver_.Click("Form1", "Command3");
  }

  // The window's client area as the screen shows it.
  wave::Picture Shown() {
    driver_.Pump();
    UpdateWindow(driver_.Form("Form1")->hwnd());
    return wave::CapturePicture(driver_.Form("Form1")->hwnd());
  }

  wave_test::Win32Driver driver_;
};

COLORREF PixelAt(const wave::Picture& picture, int x, int y) {
  const BYTE* bgra =
      &picture
           .pixels[(std::size_t{4} * y * picture.width) + std::size_t{4} * x];
  return RGB(bgra[2], bgra[1], bgra[0]);
}

// "调整" shows its own back colour, flat, also when it has the focus, whose
// mark shows too.
TEST_F(Win32Only, TheGraphicalButtonShowsItsPinkFace) {
  std::vector<COLORREF> faces[2];
  for (int focused = 0; focused < 2; ++focused) {
    if (focused) driver_.Focus("Form1", "Command1");
    const wave::Picture shown = Shown();
    const wave_test::Pixels button = driver_.Rect("Form1", "Command1");
    int pink = 0, all = 0;
    for (int y = button.top + 4; y < button.top + button.height - 4; ++y) {
      for (int x = button.left + 4; x < button.left + button.width - 4; ++x) {
        const COLORREF pixel = PixelAt(shown, x, y);
        faces[focused].push_back(pixel);
        pink += pixel == RGB(255, 192, 192);
        ++all;
      }
    }
    EXPECT_GE(pink, all * 8 / 10) << (focused ? "focused" : "unfocused");
  }
  EXPECT_NE(faces[0], faces[1]) << "no focus mark";
}

// The bold rows come from a face designed bold, not one made bolder.
TEST_F(Win32Only, BoldRowsUseAFaceOfWeight700) {
  for (const char* control : {"Label7", "Label9", "Label14", "Text2"}) {
    const char* window = "Form1";
    HWND shown = driver_.Control(window, control);
    HDC dc = GetDC(shown);
    HGDIOBJ old = SelectObject(
        dc, reinterpret_cast<HFONT>(SendMessageW(shown, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The face's own weight, from its OS/2 table.
    BYTE weight[2] = {};
    const DWORD read = GetFontData(dc, 0x322F534F /* "OS/2" */, 4, weight, 2);
    SelectObject(dc, old);
    ReleaseDC(shown, dc);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD) << control;
    ASSERT_EQ(read, 2u) << control;
    EXPECT_EQ((weight[0] << 8) | weight[1], 700) << control;
  }
}

// Frame and all, the window sits at the centre of its monitor's work area.
TEST_F(Win32Only, EachWindowIsCentredWithItsFrame) {
  for (const char* window : {"Form1", "Form2"}) {
    if (std::string(window) == "Form2") driver_.Click("Form1", "Command4");
    HWND form = driver_.Form(window)->hwnd();
    RECT frame{};
    GetWindowRect(form, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)),
              2)
        << window;
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)),
              2)
        << window;
    // At the window's DPI: 10485 twips wide on the rising window.
    RECT client{};
    GetClientRect(form, &client);
    const UINT dpi = driver_.Form(window)->dpi();
    EXPECT_EQ(client.right, (std::string(window) == "Form1" ? 10485 : 10440) *
                                static_cast<int>(dpi) / 1440)
        << window;
  }
}

// The logo starts explorer.exe with the page, its window minimised.
TEST_F(Win32Only, TheLogoStartsExplorerMinimised) {
  driver_.Click("Form1", "Image1");
  ASSERT_EQ(driver_.launches().size(), 1u);
  const auto& launch = driver_.launches()[0];
  EXPECT_EQ(launch.command,
            L"explorer.exe " + wave::Wide(wave::MakerPageAddress()));
  EXPECT_EQ(launch.command.rfind(L"explorer.exe http://", 0), 0u);
  EXPECT_EQ(launch.show, SW_SHOWMINIMIZED);
}

// The CF_DIB picture on the clipboard, its rows top down, or empty.
wave::Picture ClipboardPicture() {
  wave::Picture picture;
  std::vector<BYTE> dib;
  if (OpenClipboard(nullptr)) {
    if (HANDLE data = GetClipboardData(CF_DIB)) {
      const auto* bytes = static_cast<const BYTE*>(GlobalLock(data));
      dib.assign(bytes, bytes + GlobalSize(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  BITMAPINFOHEADER header{};
  if (dib.size() < sizeof header) return picture;
  std::memcpy(&header, dib.data(), sizeof header);
  const std::size_t row = std::size_t{4} * header.biWidth;
  const int height = std::abs(header.biHeight);
  if (dib.size() < header.biSize + row * height) return picture;
  picture.width = header.biWidth;
  picture.height = height;
  picture.pixels.resize(row * height);
  for (int y = 0; y < height; ++y) {  // a DIB runs bottom up
    std::memcpy(picture.pixels.data() + row * y,
                dib.data() + header.biSize + row * (height - 1 - y), row);
  }
  return picture;
}

std::wstring TemporaryFolder() {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return folder;
}

TEST_F(Win32Only, ASavedPictureReadsBackAsTheCopiedOne) {
  Calculate();
  const std::wstring path = TemporaryFolder() + L"测算-picture.png";
  DeleteFileW(path.c_str());
  driver_.AnswerSave(wave::Utf8(path));
  driver_.Pick("Form1", "另存为图片…");
  driver_.Pick("Form1", "复制图片");
  EXPECT_TRUE(driver_.Reports().empty());
  const wave::Picture saved = wave::ReadPicture(path);
  const wave::Picture copied = ClipboardPicture();
  DeleteFileW(path.c_str());
  const UINT dpi = driver_.Form("Form1")->dpi();
  EXPECT_EQ(saved.width, 10485 * static_cast<int>(dpi) / 1440);
  EXPECT_EQ(saved.width, copied.width);
  EXPECT_EQ(saved.height, copied.height);
  EXPECT_TRUE(saved.pixels == copied.pixels)
      << "the saved picture is not the copied one";
}

// A save that cannot be done says where and why, and loses nothing.
TEST_F(Win32Only, ASaveIntoAReadOnlyFolderIsReported) {
  Calculate();
  const std::string path = "Z:\\proc\\wavecalc-test.png";
  driver_.AnswerSave(path);
  driver_.Pick("Form1", "另存为图片…");
  const auto reports = driver_.Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].text.find(path), std::string::npos) << reports[0].text;
  EXPECT_NE(reports[0].text.find("原因："), std::string::npos);
  EXPECT_EQ(GetFileAttributesW(wave::Wide(path).c_str()),
            INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(driver_.Text("Form1", "Label4"), "3700");
  EXPECT_EQ(driver_.Text("Form1", "Text2"), "3500");
}

// The real message box leaves its title room in the title bar, beside the
// icon and the close button, so no title is cut short.
TEST_F(Win32Only, TheErrorBoxShowsItsTitleWhole) {
  driver_.ShowRealMessages();
  struct Seen {
    int room = 0, needed = 0;
    std::wstring title;
  } seen;
  HANDLE watcher = CreateThread(
      nullptr, 0,
      [](void* data) -> DWORD {
        auto* seen = static_cast<Seen*>(data);
        for (int i = 0; i < 500; ++i) {
          HWND box = FindWindowW(L"#32770", nullptr);
          if (box != nullptr && IsWindowVisible(box)) {
            wchar_t title[256] = {};
            GetWindowTextW(box, title, 256);
            seen->title = title;
            NONCLIENTMETRICSW metrics{};
            metrics.cbSize = sizeof metrics;
            SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                                  &metrics, 0);
            HDC dc = GetDC(box);
            HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
            HGDIOBJ old = SelectObject(dc, font);
            SIZE text{};
            GetTextExtentPoint32W(dc, title, lstrlenW(title), &text);
            SelectObject(dc, old);
            DeleteObject(font);
            ReleaseDC(box, dc);
            RECT frame{};
            GetWindowRect(box, &frame);
            // The icon and the close button, each about a bar's height.
            seen->needed = text.cx + 2 * GetSystemMetrics(SM_CYCAPTION);
            seen->room = frame.right - frame.left;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return 0;
          }
          Sleep(10);
        }
        return 1;
      },
      &seen, 0, nullptr);
  driver_.Click("Form1", "Command3");  // empty boxes: error 13
  WaitForSingleObject(watcher, 10000);
  CloseHandle(watcher);
  EXPECT_EQ(seen.title, wave::Wide("Quorvane--上升5浪测算器"));
  EXPECT_GE(seen.room, seen.needed) << "title " << wave::Utf8(seen.title);
  EXPECT_GT(seen.needed, 0);
}

// Alt+F4 and the system menu's Close end the program with exit code 0,
// also with the other window created and hidden.
TEST_F(Win32Only, AltF4EndsTheProgram) {
  driver_.Click("Form1", "Command4");
  driver_.Click("Form2", "Command4");
  HWND form = driver_.Form("Form1")->hwnd();
  // What the keyboard sends for Alt+F4: a system key with Alt down.
  PostMessageW(form, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
  for (int i = 0; i < 50 && !driver_.ExitCode(); ++i) driver_.Pump();
  ASSERT_TRUE(driver_.ExitCode().has_value());
  EXPECT_EQ(*driver_.ExitCode(), 0);
}

bool WritePng(const std::wstring& path, const wave::Picture& picture) {
  return !wave::SavePng(path, wave::EncodePng(picture)).failure;
}

// The differing pixels in red over the committed picture, faded.
wave::Picture Difference(const wave::Picture& committed,
                         const wave::Picture& shown) {
  wave::Picture difference = committed;
  for (std::size_t i = 0; i + 3 < committed.pixels.size(); i += 4) {
    const bool same =
        std::memcmp(&committed.pixels[i], &shown.pixels[i], 4) == 0;
    const BYTE grey = static_cast<BYTE>(192 + committed.pixels[i + 1] / 4);
    const BYTE pixel[4] = {same ? grey : BYTE{0}, same ? grey : BYTE{0},
                           same ? grey : BYTE{255}, 255};
    std::memcpy(&difference.pixels[i], pixel, 4);
  }
  return difference;
}

// The windows as committed in docs/win32, pixel for pixel, through
// "复制图片": at the start, and after the worked examples. With
// WAVE_RENDER_TO set, writes the pictures there instead, for committing.
TEST_F(Win32Only, TheWindowsLookAsTheirCommittedPictures) {
  if (driver_.Form("Form1")->dpi() != 96) GTEST_SKIP() << "drawn at 96 DPI";
  const wchar_t* render_to = _wgetenv(L"WAVE_RENDER_TO");
  const std::wstring folder =
      render_to ? std::wstring(render_to) : wave::Wide(WAVE_WIN32_PICTURES);
  struct Shot {
    const char* window;
    const wchar_t* name;
    const char* start;
    const char* end;
  };
  const Shot shots[] = {
      {"Form1", L"rising_design.png", nullptr, nullptr},
      {"Form1", L"rising_calculated.png", "3000", "3500"},
      {"Form2", L"falling_design.png", nullptr, nullptr},
      {"Form2", L"falling_calculated.png", "3500", "3000"},
  };
  for (const Shot& shot : shots) {
    SCOPED_TRACE(wave::Utf8(shot.name));
    if (std::string(shot.window) == "Form2" && !driver_.Visible("Form2")) {
      driver_.Click("Form1", "Command4");
    }
    if (shot.start != nullptr) {
      driver_.Enter(shot.window, "Text1", shot.start, Entry::kTyped);
      driver_.Enter(shot.window, "Text2", shot.end, Entry::kTyped);
      driver_.Click(shot.window, "Command3");
    }
    driver_.Pick(shot.window, "复制图片");
    const wave::Picture shown = ClipboardPicture();
    const std::wstring path = folder + L"\\" + shot.name;
    if (render_to != nullptr) {
      EXPECT_TRUE(WritePng(path, shown));
      continue;
    }
    const wave::Picture committed = wave::ReadPicture(path);
    ASSERT_EQ(committed.width, shown.width);
    ASSERT_EQ(committed.height, shown.height);
    if (committed.pixels != shown.pixels) {
      // The new picture and the difference, beside the build.
      WritePng(shot.name, shown);
      WritePng(std::wstring(L"diff-") + shot.name,
               Difference(committed, shown));
      ADD_FAILURE() << "differs from the committed picture; the new one and "
                       "its difference are in the test's folder";
    }
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
