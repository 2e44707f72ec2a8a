// Makes a WAVE file quieter in place, sample for sample, so that the effects'
// volume works the same on every system instead of through a mixer setting
// other programs share. Only PCM of 8 or 16 bits is understood, which is what
// the content tool writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Called by CEffectsVolume: scales every sample of wave's data chunk by
// step / fullStep, towards silence (a 16-bit sample s becomes
// s * step / fullStep rounded toward zero; 8-bit samples about their middle,
// 128). Chunks other than "fmt " and "data" are stepped over. False, with
// wave untouched, when it is not a RIFF WAVE file of 8- or 16-bit PCM or a
// chunk runs past its end.
bool ScaleWave(std::vector<uint8_t>& wave, int32_t step, int32_t fullStep);
