// Sound effects on Windows: WAVE resources played asynchronously.
#include "platform/sound.h"
#include "platform/win_types.h"

#include <mmsystem.h>

namespace platform {

void PlaySoundResource(HWND window, const char* name) {
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    PlaySoundA(name, module, SND_RESOURCE | SND_ASYNC);
}

std::vector<uint8_t> ReadSoundResource(HWND window, const char* name) {
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HRSRC found = FindResourceA(module, name, "WAVE");
    if (found == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (bytes == nullptr || size == 0)
        return {};
    const auto* first = static_cast<const uint8_t*>(bytes);
    return std::vector<uint8_t>(first, first + size);
}

void PlaySoundBytes(const std::vector<uint8_t>& wave) {
    if (wave.empty())
        return;
    PlaySoundA(reinterpret_cast<LPCSTR>(wave.data()), nullptr, SND_MEMORY | SND_ASYNC);
}

void StopSounds() {
    PlaySoundA(nullptr, nullptr, 0);
}

} // namespace platform
