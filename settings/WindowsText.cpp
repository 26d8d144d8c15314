#include "settings/WindowsText.h"

#include <windows.h>

namespace mms {

std::wstring WideFromUtf8(std::string_view utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::optional<std::string> Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return std::string();
    const int length =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    if (length == 0)
        return std::nullopt;
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), int(wide.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

} // namespace mms
