#pragma once

// Short presses between two frames. A key that went down and up again after
// one frame's keysHeld and before the next one's is latched: it reads as
// held in the next frame's keysHeld, and only there, so a quick tap of Enter
// or Esc on a slow frame counts. A key held across frames is left alone.
//
// The window procedure feeds it the key messages and the frame loop asks it
// around keysHeld, so a replay latches exactly as the recorded run did.
class KeyLatch {
public:
    // A key-down message (auto-repeat included) of key.
    void keyDown(int key);
    // A key-up message of key: latches it when it went down since the last
    // frame's keysHeld.
    void keyUp(int key);

    // Before keysHeld: every latched key that keys does not show held is set
    // to 1 in keys.
    void holdTapped(unsigned char* keys);
    // After keysHeld: the keys holdTapped set go back to 0 (unless a key went
    // down again meanwhile), and every press and latch is forgotten: the
    // next frame's keysHeld sees only what comes after.
    void releaseTapped(unsigned char* keys);

    // True while some key is latched (it went down and up since the last frame).
    bool anyLatched() const;
    // 256 entries, 1 for each latched key.
    const unsigned char* latched() const { return latched_; }

    void reset();

private:
    unsigned char pressed_[256] = {}; // went down since the last keysHeld
    unsigned char latched_[256] = {}; // ... and went up again
    unsigned char applied_[256] = {}; // set to 1 in keyState by holdTapped
};
