#include "windows/win32/pictures.h"

#include <wincodec.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <span>
#include <utility>

#include "windows/forms/rules.h"
#include "windows/win32/png_decode.h"
#include "windows/win32/text.h"

namespace wave {

namespace {

// Releases a COM pointer when it goes.
template <typename T>
class Com {
 public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  T** Out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

IWICImagingFactory* Factory() {
  static IWICImagingFactory* factory = [] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* made = nullptr;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_IWICImagingFactory, reinterpret_cast<void**>(&made));
    return made;
  }();
  return factory;
}

Picture Decode(const void* bytes, DWORD size) {
  // WIC, and the libraries it loads, only for the kinds of PNG that our
  // decoder does not read.
  if (std::optional<Picture> decoded =
          DecodePng({static_cast<const std::uint8_t*>(bytes), size})) {
    return std::move(*decoded);
  }
  Picture picture;
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr) return picture;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(
          static_cast<BYTE*>(const_cast<void*>(bytes)), size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                              WICDecodeMetadataCacheOnDemand,
                                              decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return picture;
  }
  UINT width = 0, height = 0;
  converter->GetSize(&width, &height);
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(std::size_t{width} * height * 4);
  if (FAILED(converter->CopyPixels(nullptr, width * 4,
                                   static_cast<UINT>(picture.pixels.size()),
                                   picture.pixels.data()))) {
    return {};
  }
  return picture;
}

// A resource's bytes, as the program file maps them; empty if missing.
std::span<const std::uint8_t> ResourceBytes(const std::wstring& name) {
  HRSRC found = FindResourceW(nullptr, name.c_str(), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return {};
  return {static_cast<const std::uint8_t*>(bytes),
          SizeofResource(nullptr, found)};
}

BITMAPINFO InfoOf(const Picture& picture, bool top_down) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = top_down ? -picture.height : picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::wstring SystemWords(DWORD error) {
  wchar_t* words = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
          FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&words), 0, nullptr);
  std::wstring text = length ? std::wstring(words, length) : std::wstring();
  LocalFree(words);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' ||
                           text.back() == L'.')) {
    text.pop_back();
  }
  return text.empty() ? L"0x" + std::to_wstring(error) : text;
}

}  // namespace

std::wstring ResourceName(std::string_view asset, bool sharper) {
  std::wstring name;
  for (char c : asset) {
    name += c == '-' ? L'_'
                     : static_cast<wchar_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A'
                                                                 : c);
  }
  return sharper ? name + L"_2X" : name;
}

Picture ReadPicture(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::vector<BYTE> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  const bool whole =
      ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read,
               nullptr) &&
      read == bytes.size();
  CloseHandle(file);
  return whole ? Decode(bytes.data(), read) : Picture();
}

void DrawAsset(HDC dc, std::string_view asset, UINT dpi) {
  // Each is decoded once, into a bitmap kept ready to draw. Every picture
  // comes at both sizes, since the resource script names both, and of
  // kinds our decoder reads, as the tests check.
  struct Bitmap {
    int width = 0, height = 0, scale = 1;
    HBITMAP handle = nullptr;
  };
  static std::map<std::wstring, Bitmap> made;
  const bool sharper = dpi >= kSharperPicturesFrom * kDesignDpi;
  const std::wstring name = ResourceName(asset, sharper);
  auto it = made.find(name);
  if (it == made.end()) {
    // Decoded straight into the bitmap: no second copy, even for a moment.
    Bitmap bitmap;
    bitmap.scale = sharper ? 2 : 1;
    const bool decoded =
        DecodePngInto(ResourceBytes(name), [&bitmap](int width, int height) {
          const BITMAPINFO info = InfoOf({width, height, {}}, true);
          void* bits = nullptr;
          bitmap.handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                           &bits, nullptr, 0);
          bitmap.width = width;
          bitmap.height = height;
          return static_cast<std::uint8_t*>(bitmap.handle ? bits : nullptr);
        });
    if (!decoded && bitmap.handle != nullptr) {
      DeleteObject(bitmap.handle);
      bitmap.handle = nullptr;
    }
    it = made.emplace(name, bitmap).first;
  }
  const Bitmap& bitmap = it->second;
  if (bitmap.handle == nullptr) return;
  // The picture keeps its own size in design pixels, at any density.
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap.handle);
  SetStretchBltMode(dc, HALFTONE);
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, 0, 0,
             static_cast<int>(bitmap.width / bitmap.scale * dpi / kDesignDpi),
             static_cast<int>(bitmap.height / bitmap.scale * dpi / kDesignDpi),
             memory, 0, 0, bitmap.width, bitmap.height, blend);
  SelectObject(memory, old);
  DeleteDC(memory);
}

Picture CapturePicture(HWND window) {
  // What was painted reaches the screen before it is read back: Wine, for
  // one, hands a window's painting on when its thread next looks for
  // messages.
  GdiFlush();
  MSG pending;
  PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE);
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Picture picture;
  picture.width = client.right;
  picture.height = client.bottom;
  HDC screen = GetDC(nullptr);
  const BITMAPINFO info = InfoOf(picture, true);
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x,
           origin.y, SRCCOPY);
    GdiFlush();
    picture.pixels.assign(static_cast<BYTE*>(bits),
                          static_cast<BYTE*>(bits) +
                              std::size_t{4} * picture.width * picture.height);
    for (std::size_t i = 3; i < picture.pixels.size(); i += 4) {
      picture.pixels[i] = 255;  // the screen is opaque
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }
  ReleaseDC(nullptr, screen);
  return picture;
}

std::vector<BYTE> EncodePng(const Picture& picture) {
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr || picture.pixels.empty()) return {};
  Com<IStream> memory;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, memory.Out()))) return {};
  Com<IWICBitmapEncoder> encoder;
  Com<IWICBitmapFrameEncode> frame;
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr,
                                    encoder.Out())) ||
      FAILED(encoder->Initialize(memory.get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(frame.Out(), nullptr)) ||
      FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(static_cast<UINT>(picture.width),
                            static_cast<UINT>(picture.height))) ||
      FAILED(frame->SetPixelFormat(&format)) ||
      FAILED(frame->WritePixels(static_cast<UINT>(picture.height),
                                static_cast<UINT>(picture.width * 4),
                                static_cast<UINT>(picture.pixels.size()),
                                const_cast<BYTE*>(picture.pixels.data()))) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return {};
  }
  HGLOBAL global = nullptr;
  if (FAILED(GetHGlobalFromStream(memory.get(), &global))) return {};
  STATSTG stat{};
  memory->Stat(&stat, STATFLAG_NONAME);
  const auto* bytes = static_cast<const BYTE*>(GlobalLock(global));
  std::vector<BYTE> png(bytes, bytes + stat.cbSize.QuadPart);
  GlobalUnlock(global);
  return png;
}

bool CopyPictureToClipboard(HWND owner, const Picture& picture) {
  if (picture.pixels.empty() || !OpenClipboard(owner)) return false;
  EmptyClipboard();
  // CF_DIB rows run bottom up.
  const BITMAPINFO info = InfoOf(picture, false);
  const std::size_t row = std::size_t{4} * picture.width;
  HGLOBAL dib =
      GlobalAlloc(GMEM_MOVEABLE, sizeof info.bmiHeader + picture.pixels.size());
  if (dib != nullptr) {
    auto* bytes = static_cast<BYTE*>(GlobalLock(dib));
    std::memcpy(bytes, &info.bmiHeader, sizeof info.bmiHeader);
    for (int y = 0; y < picture.height; ++y) {
      std::memcpy(bytes + sizeof info.bmiHeader + row * y,
                  picture.pixels.data() + row * (picture.height - 1 - y), row);
    }
    GlobalUnlock(dib);
    if (SetClipboardData(CF_DIB, dib) == nullptr) GlobalFree(dib);
  }
  const std::vector<BYTE> png = EncodePng(picture);
  HGLOBAL png_global =
      png.empty() ? nullptr : GlobalAlloc(GMEM_MOVEABLE, png.size());
  if (png_global != nullptr) {
    std::memcpy(GlobalLock(png_global), png.data(), png.size());
    GlobalUnlock(png_global);
    if (SetClipboardData(RegisterClipboardFormatW(L"PNG"), png_global) ==
        nullptr) {
      GlobalFree(png_global);
    }
  }
  CloseClipboard();
  return true;
}

SaveResult SavePng(const std::wstring& path, const std::vector<BYTE>& png) {
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder =
      slash == std::wstring::npos ? L"." : path.substr(0, slash);
  const DWORD folder_attributes = GetFileAttributesW(folder.c_str());
  if (folder_attributes == INVALID_FILE_ATTRIBUTES) {
    return {SaveFailure::kNoFolder, {}};
  }
  if (!(folder_attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return {SaveFailure::kNotAFolder, {}};
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE |
                     FILE_ATTRIBUTE_REPARSE_POINT))) {
    return {SaveFailure::kNotARegularFile, {}};
  }
  const std::wstring partial = path + L".wavecalc-partial";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return {SaveFailure::kCannotCreate, SystemWords(GetLastError())};
  }
  DWORD written = 0;
  const bool whole = !png.empty() &&
                     WriteFile(file, png.data(), static_cast<DWORD>(png.size()),
                               &written, nullptr) &&
                     written == png.size() && FlushFileBuffers(file);
  const DWORD write_error = GetLastError();
  CloseHandle(file);
  if (!whole) {
    DeleteFileW(partial.c_str());
    return {SaveFailure::kWriteFailed, SystemWords(write_error)};
  }
  if (!MoveFileExW(partial.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    DeleteFileW(partial.c_str());
    return {SaveFailure::kWriteFailed, SystemWords(error)};
  }
  return {};
}

}  // namespace wave
