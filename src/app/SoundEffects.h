#pragma once

// The program's three sound effects. Playback is asynchronous; a new sound cuts the one
// playing.
class SoundEffects {
public:
    virtual ~SoundEffects() = default;
    virtual void PlayWarningSound() = 0;   // a construction check failed; before Revert asks
    virtual void PlayEndSound() = 0;       // Next at the last clue, Previous at the first
    virtual void PlayAttentionSound() = 0; // at the start of every Attention message
};
