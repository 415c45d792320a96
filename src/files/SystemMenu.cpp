#include "files/SystemMenu.h"

#ifdef _WIN32
#include <windows.h>
#endif

void AppendSystemMenuItem([[maybe_unused]] void* nativeWindow, [[maybe_unused]] unsigned command,
                          [[maybe_unused]] const std::u16string& text) {
#ifdef _WIN32
  HMENU menu = GetSystemMenu(static_cast<HWND>(nativeWindow), FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, command, reinterpret_cast<const wchar_t*>(text.c_str()));
#endif
}

bool IsSystemMenuCommand([[maybe_unused]] const void* nativeMessage, [[maybe_unused]] unsigned& command) {
#ifdef _WIN32
  const MSG* msg = static_cast<const MSG*>(nativeMessage);
  if (msg->message != WM_SYSCOMMAND) return false;
  command = static_cast<unsigned>(msg->wParam);
  return true;
#else
  return false;
#endif
}
