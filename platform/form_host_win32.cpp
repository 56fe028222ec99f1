#include "platform/form_host_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

namespace kl {
namespace {

constexpr char kFormClass[] = "TFrmcust";

// Faces that show Japanese text, nearest first, for machines without the form's own.
constexpr const char* kFallbackFaces[] = {"MS PGothic", "IPAPGothic", "IPAGothic", "VL PGothic",
                                          "Noto Sans CJK JP", "Meiryo UI", "Yu Gothic UI"};

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// The common controls and dialogs are loaded when the window is built, not at every start:
// the opener never needs them, and loading them would slow down each delivery.
template <class Function>
Function Resolve(const char* library, const char* name) {
  HMODULE module = LoadLibraryA(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool FaceExists(const std::string& face) {
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::string NearestFace(const std::string& wanted) {
  if (FaceExists(wanted)) return wanted;
  for (const char* face : kFallbackFaces) {
    if (FaceExists(face)) return face;
  }
  return wanted;  // let the font mapper pick one with the Japanese character set
}

struct ChildClass {
  const char* name;
  DWORD style;
  DWORD exStyle;
};

ChildClass ClassOf(const ControlLayout& control) {
  switch (control.kind) {
    case ControlKind::Label:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Edit:
      return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {"BUTTON", BS_PUSHBUTTON, 0};
    case ControlKind::ComboBox:
      return {"COMBOBOX",
              static_cast<DWORD>(WS_VSCROLL |
                                 (control.comboStyle == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN)),
              0};
  }
  return {"STATIC", 0, 0};
}

// Tab order follows the order of the child windows: controls without a tab stop first,
// then the others by their tab order.
std::vector<ControlId> CreationOrder(const FormLayout& layout) {
  std::vector<ControlId> order(layout.controls.size());
  for (ControlId id = 0; id < static_cast<ControlId>(order.size()); ++id) order[static_cast<std::size_t>(id)] = id;
  std::stable_sort(order.begin(), order.end(), [&layout](ControlId a, ControlId b) {
    return layout.controls[static_cast<std::size_t>(a)].tabOrder < layout.controls[static_cast<std::size_t>(b)].tabOrder;
  });
  return order;
}

// Sets the height of a closed combo box through the height of its selection field. How
// field and frame add up differs between platforms (and the height read back need not be
// the one set), so correct the request by what the box measures until it fits.
void FitComboHeight(HWND combo, int height) {
  auto request = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  for (int pass = 0; pass < 4; ++pass) {
    RECT box;
    GetWindowRect(combo, &box);
    const int current = box.bottom - box.top;
    if (current == height) return;
    request += height - current;
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
  }
}

}  // namespace

Win32FormHost::Win32FormHost() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  if (auto initialize = Resolve<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>("comctl32.dll", "InitCommonControlsEx")) {
    initialize(&controls);
  }
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
}

Win32FormHost::~Win32FormHost() {
  if (form_ != nullptr && IsWindow(form_)) DestroyWindow(form_);
  if (font_ != nullptr) DeleteObject(font_);
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
}

HFONT Win32FormHost::MakeFont(const std::string& face, int height, bool bold) const {
  return CreateFontA(-Scale(height), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     face.c_str());
}

void Win32FormHost::Create(const FormLayout& layout) {
  layout_ = layout;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA formClass{};
  formClass.lpfnWndProc = &Win32FormHost::Procedure;
  formClass.hInstance = instance;
  formClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  formClass.lpszClassName = kFormClass;
  RegisterClassA(&formClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, Scale(layout.clientWidth), Scale(layout.clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  form_ = CreateWindowExA(0, kFormClass, layout.caption.c_str(), style, left, top, width, height, nullptr, nullptr,
                          instance, this);
  if (form_ == nullptr) throw std::runtime_error("the window cannot be created");

  const std::string face = NearestFace(layout.fontName);
  font_ = MakeFont(face, layout.fontHeight, false);
  boldFont_ = MakeFont(face, layout.fontHeight, true);
  SendMessageA(form_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  for (ControlId id : CreationOrder(layout)) {
    const ControlLayout& control = layout.controls[static_cast<std::size_t>(id)];
    const ChildClass childClass = ClassOf(control);
    const DWORD tabStop = control.tabOrder == kNoTabStop ? 0 : WS_TABSTOP;
    // A combo box's height at creation includes its drop-down list.
    const int childHeight = control.kind == ControlKind::ComboBox ? Scale(control.height + 160) : Scale(control.height);
    HWND child = CreateWindowExA(childClass.exStyle, childClass.name, control.caption.c_str(),
                                 WS_CHILD | WS_VISIBLE | tabStop | childClass.style, Scale(control.left),
                                 Scale(control.top), Scale(control.width), childHeight, form_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + id)), instance, nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(control.bold ? boldFont_ : font_), FALSE);
    if (control.kind == ControlKind::ComboBox) {
      // The closed box is as high as the description says; its items are 12 pixels.
      SendMessageA(child, CB_SETITEMHEIGHT, 0, Scale(12));
      FitComboHeight(child, Scale(control.height));
      for (const std::string& item : control.items) AddItem(id, item);
    }
    if (control.autoSize) FitToText(id);
  }
}

HWND Win32FormHost::Child(ControlId control) const { return GetDlgItem(form_, kFirstControlId + control); }

std::string Win32FormHost::Text(ControlId control) {
  HWND child = Child(control);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Win32FormHost::SetText(ControlId control, const std::string& text) {
  SetWindowTextA(Child(control), text.c_str());
  if (layout_.controls[static_cast<std::size_t>(control)].autoSize) FitToText(control);
}

void Win32FormHost::FitToText(ControlId control) {
  HWND child = Child(control);
  const std::string text = Text(control);
  HDC dc = GetDC(child);
  const auto previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(child, dc);
  const ControlLayout& layout = layout_.controls[static_cast<std::size_t>(control)];
  const int width = text.empty() ? Scale(layout.width) : extent.cx;
  SetWindowPos(child, nullptr, 0, 0, width, metrics.tmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(form_, nullptr, TRUE);
}

void Win32FormHost::SetFontColor(ControlId control, Color color) {
  colors_[control] = color;
  InvalidateRect(Child(control), nullptr, TRUE);
}

std::vector<std::string> Win32FormHost::Items(ControlId control) {
  HWND child = Child(control);
  std::vector<std::string> items;
  const auto count = SendMessageA(child, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    std::string item(static_cast<std::size_t>(SendMessageA(child, CB_GETLBTEXTLEN, index, 0)) + 1, '\0');
    item.resize(static_cast<std::size_t>(
        SendMessageA(child, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()))));
    items.push_back(std::move(item));
  }
  return items;
}

void Win32FormHost::ClearItems(ControlId control) {
  const std::string typed = Text(control);  // emptying the list also empties the edit field
  SendMessageA(Child(control), CB_RESETCONTENT, 0, 0);
  if (layout_.controls[static_cast<std::size_t>(control)].comboStyle == ComboStyle::DropDown) {
    SetWindowTextA(Child(control), typed.c_str());
  }
}

void Win32FormHost::AddItem(ControlId control, const std::string& item) {
  SendMessageA(Child(control), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int Win32FormHost::ItemIndex(ControlId control) {
  return static_cast<int>(SendMessageA(Child(control), CB_GETCURSEL, 0, 0));
}

void Win32FormHost::SetItemIndex(ControlId control, int index) {
  SendMessageA(Child(control), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32FormHost::OnEvent(ControlId control, std::function<void()> handler) {
  handlers_[control] = std::move(handler);
}

void Win32FormHost::OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

void Win32FormHost::Close() { SendMessageA(form_, WM_CLOSE, 0, 0); }

std::optional<std::string> Win32FormHost::RunOpenDialog(const OpenDialogOptions& options, const std::string& fileName) {
  std::string filter = options.filter;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  filter.append(2, '\0');
  std::string file = fileName;
  file.resize(std::max<std::size_t>(file.size() + 1, 4096), '\0');
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = form_;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | (options.hideReadOnly ? OFN_HIDEREADONLY : 0) |
                 (options.fileMustExist ? OFN_FILEMUSTEXIST : 0);
  const auto getOpenFileName = Resolve<BOOL(WINAPI*)(OPENFILENAMEA*)>("comdlg32.dll", "GetOpenFileNameA");
  if (getOpenFileName == nullptr || !getOpenFileName(&dialog)) return std::nullopt;
  return std::string(file.c_str());
}

void Win32FormHost::Run() {
  ShowWindow(form_, SW_SHOWNORMAL);
  UpdateWindow(form_);
  SetFocus(GetNextDlgTabItem(form_, nullptr, FALSE));  // the first control in tab order
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsWindow(form_) && IsDialogMessageA(form_, &message)) continue;  // Tab moves between controls
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void Win32FormHost::ShowException(const std::string& message) {
  MessageBoxA(form_ != nullptr && IsWindow(form_) ? form_ : nullptr, message.c_str(), "KL", MB_OK | MB_ICONSTOP);
}

LRESULT CALLBACK Win32FormHost::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FormHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->Handle(window, message, wParam, lParam);
}

LRESULT Win32FormHost::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const ControlId control = LOWORD(wParam) - kFirstControlId;
      const WORD code = HIWORD(wParam);
      const auto handler = handlers_.find(control);
      if (handler != handlers_.end() && (code == BN_CLICKED || code == CBN_SELCHANGE)) {
        const auto kind = layout_.controls[static_cast<std::size_t>(control)].kind;
        if ((kind == ControlKind::Button) == (code == BN_CLICKED)) handler->second();
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      const auto color = colors_.find(id - kFirstControlId);
      if (color != colors_.end()) SetTextColor(dc, color->second);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
      if (onClose_) onClose_();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace kl
